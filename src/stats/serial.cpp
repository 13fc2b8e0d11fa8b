#include "stats/serial.h"

#include <algorithm>
#include <limits>

#include "stats/config_data.h"
#include "stats/followed_values.h"
#include "support/delphi_format.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

// What a series is made of: draws that have the value, or draws that have not.
enum class SeriesKind : uint8_t { Pauses = 0, Groups = 1 };

// The series of every followed value live in the run's work area, which the
// run zero-fills once and passes to every draw in ascending order.
class TCustomSerialStat : public TCustomStat {
public:
    TCustomSerialStat(const MethodClass& c, const MethodContext& context, int param, SeriesKind kind,
                      FollowedValues followed)
        : TCustomStat(c, context, param), Kind(kind), followed_(std::move(followed))
    {
        // The work area holds the values 0..45.
        MinValue = std::max(followed_.Min, 0);
        MaxValue = std::min(followed_.Max, GapWork::MaxValue);
    }

    // "7 x 3", "02 x 3".
    std::string ValueToText(const TStatDraw& value) const override
    {
        return DelphiFormat("%0:s x %1:d", {followed_.Text(value.V1), int64_t{value.V2}});
    }

    void DrawValues(int index, int lastIdx, TLastValueArray& lastValues, GapWork& work, TStatDrawArray& arr,
                    bool sorted) override
    {
        TCustomStat::DrawValues(index, lastIdx, lastValues, work, arr, sorted);
        const uint64_t present = FollowedBits(CurDraw.Balls, followed_);
        const bool continuesWhenPresent = Kind == SeriesKind::Groups;
        for (int v = MinValue; v <= MaxValue; ++v) {
            GapWork::Series& series = work.Entries[static_cast<size_t>(v)];
            if (((present >> v) & 1) == (continuesWhenPresent ? 1u : 0u)) {
                ++series.Length;
                series.DrawNumber = CurDraw.Number;
                series.Age = lastIdx - index + 1;
                // The series still running at the newest draw counts as well.
                if (index == lastIdx && InReference(v))
                    record(arr, v, series);
            } else {
                if (series.Length > 0 && InReference(v))
                    record(arr, v, series);
                series = {};
            }
        }
    }

    // A number of the combination follows a selected value; the length is not compared.
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        uint64_t values = 0;
        for (const TStatDraw& rec : selected)
            if (rec.V1 >= 0 && rec.V1 < 64)
                values |= uint64_t{1} << rec.V1;
        return FollowsAnyOf(values, followed_);
    }

    const SeriesKind Kind;
    int MinValue = 0; // the values followed
    int MaxValue = -1;

protected:
    // Whether the newest draw of the window has the value.
    bool InReference(int value) const { return ((FollowedBits(RefDraw.Balls, followed_) >> value) & 1) != 0; }

private:
    // The series as a value: its length, its last draw and that draw's age.
    void record(TStatDrawArray& arr, int value, const GapWork::Series& series)
    {
        TStatDraw rec = Cur;
        rec.V1 = static_cast<int16_t>(value);
        rec.V2 = static_cast<int16_t>(std::min<int32_t>(series.Length, std::numeric_limits<int16_t>::max()));
        rec.Ago = series.Age;
        rec.LastDraw = series.DrawNumber;
        rec.PrevDraw = series.DrawNumber;
        AddStatDraw(arr, rec, true);
    }

    FollowedValues followed_;
};

class TValuesSerialStat : public TCustomSerialStat {
public:
    TValuesSerialStat(const MethodClass& c, const MethodContext& context, int param, SeriesKind kind)
        : TCustomSerialStat(c, context, param, kind, FollowNumbers())
    {
    }
};

class TChannelsSerialStat : public TCustomSerialStat {
public:
    TChannelsSerialStat(const MethodClass& c, const MethodContext& context, int param, SeriesKind kind)
        : TCustomSerialStat(c, context, param, kind, FollowChannels(*context.Config))
    {
    }
};

class TSegmentsSerialStat : public TCustomSerialStat {
public:
    TSegmentsSerialStat(const MethodClass& c, const MethodContext& context, int param, SeriesKind kind)
        : TCustomSerialStat(c, context, param, kind, FollowSegments(*context.Config))
    {
    }
};

template <class Family, SeriesKind Kind>
class SerialMember final : public Family {
public:
    SerialMember(const MethodClass& c, const MethodContext& context, int param) : Family(c, context, param, Kind) {}
};

template <class Family, SeriesKind Kind>
constexpr MethodClass serialClass(std::string_view id, std::string_view caption)
{
    return MakeStatClass<SerialMember<Family, Kind>>(
        {.id = id, .caption = caption, .group = GroupSeries, .flags = FlagD, .valueFromText = false});
}

constexpr SeriesKind Groups = SeriesKind::Groups;
constexpr SeriesKind Pauses = SeriesKind::Pauses;

} // namespace

constinit const MethodClass TstNumGroupsClass =
    serialClass<TValuesSerialStat, Groups>("GRPV", BELVANE_TEXT("Повторы чисел в нескольких тиражах подряд"));
constinit const MethodClass TstNumPausesClass =
    serialClass<TValuesSerialStat, Pauses>("GRPP", BELVANE_TEXT("Интервалы между повторениями чисел"));
constinit const MethodClass TstChnGroupsClass =
    serialClass<TChannelsSerialStat, Groups>("GRCV", BELVANE_TEXT("Повторы каналов в нескольких тиражах подряд"));
constinit const MethodClass TstChnPausesClass =
    serialClass<TChannelsSerialStat, Pauses>("GRCP", BELVANE_TEXT("Интервалы между повторениями каналов"));
constinit const MethodClass TstSgmGroupsClass =
    serialClass<TSegmentsSerialStat, Groups>("GRSV", BELVANE_TEXT("Повторы сегментов в нескольких тиражах подряд"));
constinit const MethodClass TstSgmPausesClass =
    serialClass<TSegmentsSerialStat, Pauses>("GRSP", BELVANE_TEXT("Интервалы между повторениями сегментов"));

} // namespace belvane::stats
