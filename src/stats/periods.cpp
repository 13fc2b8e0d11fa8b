#include "stats/periods.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "stats/config_data.h"
#include "stats/followed_values.h"
#include "support/delphi_format.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

constexpr int32_t kLongestPeriod = std::numeric_limits<int16_t>::max(); // what V2 holds

class TCustomPeriodsStat : public TCustomStat {
public:
    TCustomPeriodsStat(const MethodClass& c, const MethodContext& context, int param, FollowedValues followed)
        : TCustomStat(c, context, param), followed_(std::move(followed))
    {
    }

    // "7 x 12", "02 x 3".
    std::string ValueToText(const TStatDraw& value) const override
    {
        return DelphiFormat("%0:s x %1:d", {followed_.Text(value.V1), int64_t{value.V2}});
    }

    // Each number's value against its last occurrence in the run. The first
    // occurrence in the window gives nothing; a second number of the draw with
    // the same value gives the period 0, which is passed over.
    void DrawValues(int index, int lastIdx, TLastValueArray& lastValues, GapWork& work, TStatDrawArray& arr,
                    bool sorted) override
    {
        TCustomStat::DrawValues(index, lastIdx, lastValues, work, arr, sorted);
        for (model::Ball n : CurDraw.Balls) {
            const uint8_t v = GroupOf(n);
            if (v == NoGroup)
                continue;
            const int32_t period = StepLastValue(lastValues, PackKey(v), CurDraw.Number);
            if (period > 0 && period <= kLongestPeriod)
                AddValue(arr, PackKey(v, static_cast<int16_t>(period)), true);
        }
    }

    // The combination stands for the draw numbered one after draw lastIdx. A
    // selected (v, p) wants v when the draw numbered p before it has v; a
    // draw that is not in the archive up to lastIdx has nothing. Keeping and
    // removing ask the same question.
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext& at) override
    {
        uint64_t wanted = 0;
        if (at.LastIndex >= 0 && at.LastIndex <= HighIndex()) {
            const int64_t next = int64_t{(*Draws)[static_cast<size_t>(at.LastIndex)].Number} + 1;
            for (const TStatDraw& rec : selected) {
                if (rec.V1 < 0 || rec.V1 >= 64 || rec.V3 != 0 || rec.V4 != 0)
                    continue;
                if (const std::optional<int> index = indexOfNumber(next - rec.V2, at.LastIndex))
                    if (holds(*index, rec.V1))
                        wanted |= uint64_t{1} << rec.V1;
            }
        }
        return FollowsAnyOf(wanted, followed_);
    }

    // The next draw from fromIdx on at which the value comes with the row's
    // period, the value's last occurrence carried along the walk (the last-
    // value array the table's run keeps is not there to ask).
    int FindNextDraw(const TStatDraw& rec, int fromIdx, bool, int) override
    {
        if (rec.V1 < 0 || rec.V1 >= 64 || rec.V2 <= 0 || rec.V3 != 0 || rec.V4 != 0)
            return -1;
        const int from = std::max(fromIdx, 0);
        std::optional<int64_t> previous;
        for (int i = std::min(from, HighIndex() + 1) - 1; i >= 0 && !previous; --i)
            if (holds(i, rec.V1))
                previous = (*Draws)[static_cast<size_t>(i)].Number;
        for (int i = from; i <= HighIndex(); ++i) {
            if (!holds(i, rec.V1))
                continue;
            const int32_t number = (*Draws)[static_cast<size_t>(i)].Number;
            if (previous && number - *previous == rec.V2)
                return number;
            previous = number;
        }
        return -1;
    }

protected:
    // The value a number follows (NoGroup for a byte that is no number).
    uint8_t GroupOf(model::Ball number) const { return followed_.Of[number]; }

private:
    bool holds(int index, int value) const
    {
        return ((FollowedBits((*Draws)[static_cast<size_t>(index)].Balls, followed_) >> value) & 1) != 0;
    }

    // The position of the draw numbered `number` among the draws up to
    // lastIdx, looked for backwards from lastIdx while the numbers are larger.
    std::optional<int> indexOfNumber(int64_t number, int lastIdx) const
    {
        for (int i = lastIdx; i >= 0; --i) {
            const int32_t n = (*Draws)[static_cast<size_t>(i)].Number;
            if (n == number)
                return i;
            if (n < number)
                break;
        }
        return std::nullopt;
    }

    FollowedValues followed_;
};

class TstNumPeriods final : public TCustomPeriodsStat {
public:
    TstNumPeriods(const MethodClass& c, const MethodContext& context, int param)
        : TCustomPeriodsStat(c, context, param, FollowNumbers())
    {
    }
};

class TstChnPeriods final : public TCustomPeriodsStat {
public:
    TstChnPeriods(const MethodClass& c, const MethodContext& context, int param)
        : TCustomPeriodsStat(c, context, param, FollowChannels(*context.Config))
    {
    }
};

class TstSgmPeriods final : public TCustomPeriodsStat {
public:
    TstSgmPeriods(const MethodClass& c, const MethodContext& context, int param)
        : TCustomPeriodsStat(c, context, param, FollowSegments(*context.Config))
    {
    }
};

template <class T>
constexpr MethodClass periodClass(std::string_view id, std::string_view caption)
{
    return MakeStatClass<T>(
        {.id = id, .caption = caption, .group = GroupPeriods, .flags = FlagP, .valueFromText = false});
}

} // namespace

constinit const MethodClass TstNumPeriodsClass =
    periodClass<TstNumPeriods>("PRDV", BELVANE_TEXT("Периоды повторения чисел"));
constinit const MethodClass TstChnPeriodsClass =
    periodClass<TstChnPeriods>("PRDC", BELVANE_TEXT("Периоды повторения каналов"));
constinit const MethodClass TstSgmPeriodsClass =
    periodClass<TstSgmPeriods>("PRDG", BELVANE_TEXT("Периоды повторения сегментов"));

} // namespace belvane::stats
