#include "stats/shredding.h"

#include <algorithm>
#include <tuple>

#include "stats/config_data.h"
#include "stats/shredding_value.h"
#include "stats/stat_bases.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

static_assert(ShreddingSlotCount == static_cast<int>(std::tuple_size_v<decltype(TConfigData::Formulas)>));

// The formula of slot `param` as the configuration holds it now: a method
// keeps the formula it was created with.
ShreddingFormula slotFormula(const MethodContext& context, int param)
{
    const size_t slot = static_cast<size_t>(std::clamp(param, 1, ShreddingSlotCount) - 1);
    const TConfigData defaults;
    const TConfigData& config = context.Config ? *context.Config : defaults;
    return ShreddingFormula(config.Formulas[slot], config.FormulaDigits[slot]);
}

// A combination of the full set or of the list is valued alone (the draws
// before are zeros); a draw with the two draws before it; a filtered
// combination as the draw after the reference draw.
class TstShreddingStat final : public TCustomGraphStat {
public:
    TstShreddingStat(const MethodClass& c, const MethodContext& context, int param)
        : TCustomGraphStat(c, context, param), formula_(slotFormula(context, param))
    {
    }

    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        keys.add(PackKey(static_cast<int16_t>(formula_.value(numbers))));
    }

    void DrawValues(int index, int lastIdx, TLastValueArray&, GapWork&, TStatDrawArray& arr, bool sorted) override
    {
        LoadDraws(index, lastIdx, sorted);
        Cur = {};
        Cur.LastDraw = CurDraw.Number;
        Cur.PrevDraw = CurDraw.Number;
        Cur.Ago = lastIdx - index + 1;
        Cur.Count = 1;
        AddValue(arr, PackKey(static_cast<int16_t>(valueAt(CurDraw.Balls, index, sorted))), true);
    }

    int CombValue(const TComb& numbers, int index, bool sorted, int) override
    {
        return valueAt(numbers, index, sorted);
    }

    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext& at) override
    {
        const TComb p = DrawAt(at.LastIndex, at.Sorted).Balls;
        const TComb t = DrawAt(at.LastIndex - 1, at.Sorted).Balls;
        return MakeMatcher([formula = formula_, p, t, set = ValueSet::of(selected, project::V1Alone)](const TComb& c) {
            return set.contains(formula.value(c, p, t));
        });
    }

private:
    // The value of six numbers standing at draw position `index`.
    int valueAt(const TComb& numbers, int index, bool sorted) const
    {
        return formula_.value(numbers, DrawAt(index - 1, sorted).Balls, DrawAt(index - 2, sorted).Balls);
    }

    const ShreddingFormula formula_;
};

constexpr ParamRange slots(const TConfigData&)
{
    return {1, ShreddingSlotCount};
}

} // namespace

constinit const MethodClass TstShreddingStatClass =
    MakeStatClass<TstShreddingStat>({.id = "SHR%d",
                                     .caption = BELVANE_TEXT("Метод шинковки %0:d: %%s"),
                                     .helpId = "SHRx",
                                     .group = GroupShredding,
                                     .flags = FlagS | FlagN,
                                     .paramRange = slots});

} // namespace belvane::stats
