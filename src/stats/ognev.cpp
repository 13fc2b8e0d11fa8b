#include "stats/ognev.h"

#include <array>
#include <cstdlib>

#include "stats/stat_bases.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

// ---- HCO1, HCO2: the number of a draw or a combination ---------------------------

class TCustomOgnevGraphStat : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;
};

template <OgnevMode Mode>
class TstOgnev final : public TCustomOgnevGraphStat {
public:
    using TCustomOgnevGraphStat::TCustomOgnevGraphStat;

    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        keys.add(PackKey(static_cast<int16_t>(numberOf(numbers))));
    }
    int CombValue(const TComb& numbers, int, bool, int) override { return numberOf(numbers); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher(
            [set = ValueSet::of(selected, project::V1Alone)](const TComb& c) { return set.contains(numberOf(c)); });
    }

private:
    static int numberOf(const TComb& c) { return OgnevNumberOf(c, Mode).Value; }
};

using TstOgnev1 = TstOgnev<OgnevMode::Difference>;
using TstOgnev2 = TstOgnev<OgnevMode::SumBelowTwo>;

// ---- HCO3: candidates for the draw after the window ---------------------------------

// A value that carries a second part is marked by V4 = 2.
constexpr int16_t kTwoParts = 2;

class TstOgnev3 final : public TCustomStat {
public:
    using TCustomStat::TCustomStat;

    // "29 (1)" for a value with a second part.
    std::string ValueToText(const TStatDraw& value) const override
    {
        std::string text = std::to_string(value.V1);
        if (value.V4 == kTwoParts)
            text += " (" + std::to_string(value.V2) + ")";
        return text;
    }

    // Only the newest draw of the window counts: its number and the number's
    // multiples up to f³ (f² when that is above 44) within 1..45, each with
    // Count 1 when the draw after the window has it and 0 otherwise.
    void DrawValues(int index, int lastIdx, TLastValueArray& lastValues, GapWork& work, TStatDrawArray& arr,
                    bool sorted) override
    {
        TCustomStat::DrawValues(index, lastIdx, lastValues, work, arr, sorted);
        if (index != lastIdx)
            return;
        // The next draw exists only when the window ends before the archive does.
        std::array<bool, 256> next{};
        if (lastIdx + 1 <= HighIndex())
            for (model::Ball n : DrawAt(lastIdx + 1, false).Balls)
                next[n] = true;
        auto add = [&](TStatDraw rec, int value) {
            rec.Count = value >= 0 && value <= 255 && next[static_cast<size_t>(value)] ? 1 : 0;
            AddStatDraw(arr, rec, false);
        };

        const OgnevNumber number = OgnevNumberOf(CurDraw.Balls, OgnevMode::Dynamic);
        TStatDraw rec = Cur;
        const int f = number.HasSecond ? number.Second : number.Value;
        rec.V1 = static_cast<int16_t>(f);
        if (number.HasSecond) {
            rec.V2 = static_cast<int16_t>(number.Value);
            rec.V4 = kTwoParts;
        }
        add(rec, f);
        rec.V2 = 0;
        rec.V4 = 0;
        for (int g = f * f > 44 ? f * f : f * f * f; g > f; g -= f)
            if (g >= model::MinNumber && g <= model::MaxNumber) {
                rec.V1 = static_cast<int16_t>(g);
                add(rec, g);
            }
    }

    // Any number of the combination is a selected value.
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = SelectedBytes(selected, project::V1)](const TComb& c) {
            return (t[c[0]] | t[c[1]] | t[c[2]] | t[c[3]] | t[c[4]] | t[c[5]]) != 0;
        });
    }
};

} // namespace

OgnevNumber OgnevNumberOf(const model::TComb& numbers, OgnevMode mode)
{
    std::array<int, model::BallCount> b{};
    for (size_t i = 0; i < b.size(); ++i)
        b[i] = numbers[i];
    for (size_t m = b.size(); m > 2; --m)
        for (size_t i = 0; i + 1 < m; ++i)
            b[i] = std::abs(b[i + 1] - b[i]);
    const int x = b[0];
    const int y = b[1];
    int d = std::abs(y - x);
    OgnevNumber r;
    switch (mode) {
    case OgnevMode::Difference:
        break;
    case OgnevMode::SumBelowTwo:
        if (d < 2)
            d = x + y;
        break;
    case OgnevMode::Dynamic:
        if (d == 0)
            d = x + y;
        if (d == 1) {
            r.HasSecond = true;
            r.Second = x + y;
        }
        break;
    }
    r.Value = d;
    return r;
}

constinit const MethodClass TstOgnev1Class =
    MakeStatClass<TstOgnev1>({.id = "HCO1",
                              .caption = BELVANE_TEXT("Число Огнева 1 (только разность)"),
                              .group = GroupOgnev,
                              .flags = FlagS | FlagN});
constinit const MethodClass TstOgnev2Class =
    MakeStatClass<TstOgnev2>({.id = "HCO2",
                              .caption = BELVANE_TEXT("Число Огнева 2 (разность + сложение, если {0,1})"),
                              .group = GroupOgnev,
                              .flags = FlagS | FlagN});
constinit const MethodClass TstOgnev3Class =
    MakeStatClass<TstOgnev3>({.id = "HCO3",
                              .caption = BELVANE_TEXT("Числа Огнева 3 (динамический, только фильтр)"),
                              .group = GroupOgnev,
                              .flags = FlagS | FlagD,
                              .valueFromText = false});

} // namespace belvane::stats
