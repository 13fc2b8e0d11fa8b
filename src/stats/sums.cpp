#include "stats/config_data.h"
#include "stats/sums.h"

#include <algorithm>
#include <array>
#include <optional>

#include "stats/numbers.h"
#include "stats/stat_bases.h"
#include "support/delphi_format.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

using model::Ball;

// Six bytes add up to at most 6 * 255 (a combination read from a file may hold
// any byte): a table over sums has a slot for each of 0..1530.
constexpr int kSumSlots = model::BallCount * 255 + 1;
using SumTable = std::array<uint8_t, kSumSlots>;
using ByteTable = std::array<uint8_t, 256>;

constexpr bool isSumSlot(int64_t s)
{
    return s >= 0 && s < kSumSlots;
}

// The sums the selected records give through a projection, as a table.
template <class Projection>
SumTable selectedSums(const TStatDrawArray& selected, Projection project)
{
    SumTable t{};
    for (const TStatDraw& rec : selected)
        if (const std::optional<int64_t> v = project(rec); v && isSumSlot(*v))
            t[static_cast<size_t>(*v)] = 1;
    return t;
}

// -1, 0 or 1 as `next` is below, equal to or above `prev`.
constexpr int trendOf(int next, int prev)
{
    return (next > prev) - (next < prev);
}

// Per byte, the number itself when it is a number of the game with the
// property, else 0: the part of a sum that counts only such numbers.
template <class Property>
constexpr ByteTable partTable(Property has)
{
    ByteTable t{};
    for (int n = model::MinNumber; n <= model::MaxNumber; ++n)
        t[static_cast<size_t>(n)] = has(n) ? static_cast<uint8_t>(n) : 0;
    return t;
}

constexpr ByteTable kEvenParts = partTable([](int n) { return n % 2 == 0; });
const ByteTable kPrimeParts = partTable(IsInPrimeSet);

int partSum(const TComb& c, const ByteTable& t)
{
    return t[c[0]] + t[c[1]] + t[c[2]] + t[c[3]] + t[c[4]] + t[c[5]];
}

int evenSum(const TComb& c)
{
    return partSum(c, kEvenParts);
}

int primeSum(const TComb& c)
{
    return partSum(c, kPrimeParts);
}

// ---- SUMS, SUME, SUMP: a sum of the numbers, held in V1..V2 ----------------

template <int (*Value)(const TComb&), bool SeedAllSums>
class TstSumOf final : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;

    std::string ValueToText(const TStatDraw& value) const override { return std::to_string(LowInt(value)); }
    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        if constexpr (SeedAllSums)
            for (int s = model::MinSum; s <= model::MaxSum; ++s)
                AddSeed(arr, KeyOfInts(s));
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override { keys.add(KeyOfInts(Value(numbers))); }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<TstSumOf>(*this, combs, keys);
    }
    int CombValue(const TComb& numbers, int, bool, int) override { return Value(numbers); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = selectedSums(selected, project::LowIntAlone)](const TComb& c) {
            return t[static_cast<size_t>(Value(c))] != 0;
        });
    }
};

using TstSumValues = TstSumOf<SumOf, true>;
using TstSumEvenValues = TstSumOf<evenSum, false>;
using TstSumPrimeValues = TstSumOf<primeSum, false>;

// ---- SUM%d: the sum inside or outside a fixed range --------------------------

struct RangeInfo {
    SumRange range;
    int shareNum; // the share of the sums' spread the range covers, for the caption
    int shareDen;
};
constexpr std::array<RangeInfo, 3> kRanges = {{{{93, 183}, 1, 3}, {{102, 174}, 1, 2}, {{110, 166}, 2, 3}}};

const RangeInfo& rangeInfo(int param)
{
    return kRanges[static_cast<size_t>(std::clamp(param, 1, static_cast<int>(kRanges.size())) - 1)];
}

class TstSumRanges final : public TCustomGraphStat {
public:
    TstSumRanges(const MethodClass& c, const MethodContext& context, int param)
        : TCustomGraphStat(c, context, param), range_(SumRangeOf(param))
    {
    }

    std::string ValueToText(const TStatDraw& value) const override
    {
        if (value.V1 == 0)
            return "Остальные";
        return DelphiFormat("%d-%d", {int64_t{range_.Low}, int64_t{range_.High}});
    }
    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        AddSeeds(arr, 0, 1);
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override { keys.add(PackKey(inside(numbers))); }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<TstSumRanges>(*this, combs, keys);
    }
    int CombValue(const TComb& numbers, int, bool, int) override { return inside(numbers); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        // The in-range row selected keeps the range whatever else is selected;
        // without it the selection stands for the sums outside.
        const bool wantInside = std::any_of(selected.begin(), selected.end(), [](const TStatDraw& r) {
            return r.V1 == 1 && r.V2 == 0 && r.V3 == 0 && r.V4 == 0;
        });
        SumTable t{};
        for (int s = 0; s < kSumSlots; ++s)
            t[static_cast<size_t>(s)] = ((s >= range_.Low && s <= range_.High) == wantInside) ? 1 : 0;
        return MakeMatcher([t](const TComb& c) { return t[static_cast<size_t>(SumOf(c))] != 0; });
    }

private:
    int16_t inside(const TComb& numbers) const
    {
        const int s = SumOf(numbers);
        return s >= range_.Low && s <= range_.High ? 1 : 0;
    }

    SumRange range_;
};

std::string sumRangeCaption(int param)
{
    const RangeInfo& info = rangeInfo(param);
    return DelphiFormat(support::PercentTemplate(BELVANE_TEXT("Сумма тиража: диапазон %d (%d/%d)")),
                        {int64_t{param}, int64_t{info.shareNum}, int64_t{info.shareDen}});
}

// ---- SUMC, SUMV, SUMT: the move of the sum after a draw like the reference --

// A draw is judged by its move from the draw before it (all zero before the
// first draw) and counts only when that predecessor resembles the reference
// draw; a candidate combination is judged by its move from the reference draw.
template <class Base>
class SumMoveStat : public Base {
public:
    using Base::Base;

    void DrawValues(int index, int lastIdx, TLastValueArray& lastValues, GapWork& work, TStatDrawArray& arr,
                    bool sorted) override
    {
        Base::DrawValues(index, lastIdx, lastValues, work, arr, sorted);
        if (const std::optional<uint64_t> key =
                MoveKey(SumOf(this->CurDraw.Balls), SumBefore(index), SumOf(this->RefDraw.Balls)))
            this->AddValue(arr, *key, true);
    }

protected:
    // The value of a draw of sum `cur` after one of sum `prev`, the reference
    // draw's sum being `ref`; none when the draw does not count.
    virtual std::optional<uint64_t> MoveKey(int cur, int prev, int ref) const = 0;

    int SumBefore(int index) const { return SumOf(this->DrawAt(index - 1, false).Balls); }

    // Loads the reference draw a candidate combination would follow; its sum.
    int ReferenceSum(int lastIdx, bool sorted)
    {
        this->LoadDraws(lastIdx, lastIdx, sorted);
        return SumOf(this->RefDraw.Balls);
    }
};

class TstSumChange final : public SumMoveStat<TCustomGraphStat> {
public:
    using SumMoveStat::SumMoveStat;

    // "+05 : 120 + 5 = 125": the change, the earlier sum, the change, the next sum.
    std::string ValueToText(const TStatDraw& value) const override
    {
        const int64_t a = LowInt(value);
        const int64_t b = HighInt(value);
        if (b < a)
            return DelphiFormat("- %0:.2d : %1:d - %0:d = %2:d", {a - b, a, b});
        return DelphiFormat("+%0:.2d : %1:d + %0:d = %2:d", {b - a, a, b});
    }
    int CombValue(const TComb& numbers, int index, bool, int) override { return SumOf(numbers) - SumBefore(index); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        // The combination stands for the next draw: its sum against the next sums.
        return MakeMatcher([t = selectedSums(selected, project::HighInt)](const TComb& c) {
            return t[static_cast<size_t>(SumOf(c))] != 0;
        });
    }

protected:
    std::optional<uint64_t> MoveKey(int cur, int prev, int ref) const override
    {
        return prev == ref ? std::optional<uint64_t>(KeyOfInts(prev, cur)) : std::nullopt;
    }
};

class TstSumChangeSome final : public SumMoveStat<TCustomStat> {
public:
    using SumMoveStat::SumMoveStat;

    std::string ValueToText(const TStatDraw& value) const override
    {
        const int64_t v = LowInt(value);
        return v < 0 ? DelphiFormat("- %0:.2d", {-v}) : DelphiFormat("+%0:.2d", {v});
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext& at) override
    {
        const int ref = ReferenceSum(at.LastIndex, at.Sorted);
        SumTable t{};
        for (const TStatDraw& rec : selected)
            if (const int64_t s = int64_t{ref} + LowInt(rec); isSumSlot(s))
                t[static_cast<size_t>(s)] = 1;
        return MakeMatcher([t](const TComb& c) { return t[static_cast<size_t>(SumOf(c))] != 0; });
    }

protected:
    std::optional<uint64_t> MoveKey(int cur, int prev, int ref) const override
    {
        return (ref >= prev - model::SumStep && ref <= prev + model::SumStep)
                   ? std::optional<uint64_t>(KeyOfInts(cur - prev))
                   : std::nullopt;
    }
};

class TstSumTrend final : public SumMoveStat<TCustomGraphStat> {
public:
    using SumMoveStat::SumMoveStat;

    std::string ValueToText(const TStatDraw& value) const override
    {
        const int32_t v = LowInt(value);
        return v == 0 ? "=" : v > 0 ? "+" : "-";
    }
    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        for (int trend : {0, 1, -1})
            AddSeed(arr, KeyOfInts(trend));
    }
    int CombValue(const TComb& numbers, int index, bool, int) override
    {
        return trendOf(SumOf(numbers), SumBefore(index));
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext& at) override
    {
        const int ref = ReferenceSum(at.LastIndex, at.Sorted);
        std::array<bool, 3> wanted{}; // trends -1, 0, 1
        for (const TStatDraw& rec : selected)
            if (const int32_t v = LowInt(rec); v >= -1 && v <= 1)
                wanted[static_cast<size_t>(v + 1)] = true;
        SumTable t{};
        for (int s = 0; s < kSumSlots; ++s)
            t[static_cast<size_t>(s)] = wanted[static_cast<size_t>(trendOf(s, ref) + 1)] ? 1 : 0;
        return MakeMatcher([t](const TComb& c) { return t[static_cast<size_t>(SumOf(c))] != 0; });
    }

protected:
    std::optional<uint64_t> MoveKey(int cur, int prev, int ref) const override
    {
        return prev == ref ? std::optional<uint64_t>(KeyOfInts(trendOf(cur, prev))) : std::nullopt;
    }
};

// ---- S2T3: how many ways two numbers add up to a third -----------------------

// Six numbers give at most 6 * 10 such triples.
constexpr int kMaxTriples = model::BallCount * 10;

// SumTriples of six distinct numbers 1..45: a pair's sum is larger than both,
// so it can only be one of the other four, and a set of the numbers answers
// at once whether it is.
int sumTriplesOfDistinct(const TComb& c)
{
    uint64_t has = 0;
    for (Ball n : c)
        has |= uint64_t{1} << n;
    int count = 0;
    for (size_t j = 0; j + 1 < c.size(); ++j)
        for (size_t k = j + 1; k < c.size(); ++k) {
            const unsigned s = c[j] + c[k];
            count += static_cast<int>(has >> (s & 63) & (s < 64 ? 1 : 0));
        }
    return count;
}

class TstSum2To3 final : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;

    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        keys.add(PackKey(static_cast<int16_t>(SumTriples(numbers))));
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        for (const TComb& c : combs)
            keys.add(PackKey(static_cast<int16_t>(sumTriplesOfDistinct(c))));
    }
    int CombValue(const TComb& numbers, int, bool, int) override { return SumTriples(numbers); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        std::array<uint8_t, kMaxTriples + 1> t{};
        for (const TStatDraw& rec : selected)
            if (rec.V1 >= 0 && rec.V1 <= kMaxTriples)
                t[static_cast<size_t>(rec.V1)] = 1;
        return MakeMatcher([t](const TComb& c) { return t[static_cast<size_t>(SumTriples(c))] != 0; });
    }
};

constexpr ParamRange sumRanges(const TConfigData&)
{
    return {1, static_cast<int>(kRanges.size())};
}

} // namespace

int SumOf(const model::TComb& c)
{
    return c[0] + c[1] + c[2] + c[3] + c[4] + c[5];
}

SumRange SumRangeOf(int param)
{
    return rangeInfo(param).range;
}

int SumTriples(const model::TComb& c)
{
    int count = 0;
    for (size_t j = 0; j < c.size(); ++j)
        for (size_t k = j + 1; k < c.size(); ++k) {
            const int s = c[j] + c[k];
            for (size_t i = 0; i < c.size(); ++i)
                count += static_cast<int>((i != j) & (i != k) & (c[i] == s));
        }
    return count;
}

constinit const MethodClass TstSumValuesClass = MakeStatClass<TstSumValues>(
    {.id = "SUMS", .caption = BELVANE_TEXT("Сумма тиража: все значения"), .group = GroupSums, .flags = FlagN});
constinit const MethodClass TstSumRangesClass =
    MakeStatClass<TstSumRanges>({.id = "SUM%d",
                                 .caption = BELVANE_TEXT("Сумма тиража: диапазон %d (%d/%d)"),
                                 .helpId = "SUMx",
                                 .group = GroupSums,
                                 .flags = FlagN,
                                 .valueFromText = false,
                                 .paramRange = sumRanges,
                                 .captionFor = sumRangeCaption});
constinit const MethodClass TstSumChangeClass =
    MakeStatClass<TstSumChange>({.id = "SUMC",
                                 .caption = BELVANE_TEXT("Сумма тиража: изменения (точно)"),
                                 .group = GroupSums,
                                 .flags = FlagD,
                                 .valueFromText = false});
constinit const MethodClass TstSumChangeSomeClass =
    MakeStatClass<TstSumChangeSome>({.id = "SUMV",
                                     .caption = BELVANE_TEXT("Сумма тиража: изменения (диапазон)"),
                                     .group = GroupSums,
                                     .flags = FlagD,
                                     .valueFromText = false});
constinit const MethodClass TstSumTrendClass =
    MakeStatClass<TstSumTrend>({.id = "SUMT",
                                .caption = BELVANE_TEXT("Сумма тиража: направление изменения"),
                                .group = GroupSums,
                                .flags = FlagD,
                                .valueFromText = false});
constinit const MethodClass TstSumEvenValuesClass = MakeStatClass<TstSumEvenValues>(
    {.id = "SUME", .caption = BELVANE_TEXT("Сумма тиража: только четные"), .group = GroupSums, .flags = FlagN});
constinit const MethodClass TstSumPrimeValuesClass = MakeStatClass<TstSumPrimeValues>(
    {.id = "SUMP", .caption = BELVANE_TEXT("Сумма тиража: только простые"), .group = GroupSums, .flags = FlagN});
constinit const MethodClass TstSum2To3Class =
    MakeStatClass<TstSum2To3>({.id = "S2T3",
                               .caption = BELVANE_TEXT("Сумма двух чисел тиража равна третьему числу"),
                               .group = GroupSums,
                               .flags = FlagN});

} // namespace belvane::stats
