#include "stats/config_data.h"
#include "stats/differences.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "stats/stat_bases.h"
#include "support/delphi_format.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

using ByteTable = std::array<uint8_t, 256>;
using SameCounts = std::array<uint8_t, DiffCount>;

// For each difference, how many of the five share its value (itself included).
SameCounts sameCounts(const Diffs& d)
{
    SameCounts n{};
    for (size_t i = 0; i < d.size(); ++i)
        for (size_t j = 0; j < d.size(); ++j)
            n[i] = static_cast<uint8_t>(n[i] + (d[i] == d[j]));
    return n;
}

// Whether no difference before position i has its value.
bool firstOfItsValue(const Diffs& d, size_t i)
{
    for (size_t j = 0; j < i; ++j)
        if (d[j] == d[i])
            return false;
    return true;
}

int maxDiff(const TComb& numbers)
{
    const Diffs d = AdjacentDiffs(numbers);
    return *std::max_element(d.begin(), d.end());
}

int spread(const TComb& numbers)
{
    const auto [lo, hi] = std::minmax_element(numbers.begin(), numbers.end());
    return *hi - *lo;
}

int mostSharedDiff(const TComb& numbers)
{
    const SameCounts n = sameCounts(AdjacentDiffs(numbers));
    return *std::max_element(n.begin(), n.end());
}

// ---- DIFA: each of the five differences ------------------------------------

class TstDiffTotal final : public TCustomNumbersStat {
public:
    using TCustomNumbersStat::TCustomNumbersStat;

    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        AddSeeds(arr, 1, model::MaxNumber - model::MinNumber);
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        for (uint8_t d : AdjacentDiffs(numbers))
            keys.add(PackKey(d));
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<TstDiffTotal>(*this, combs, keys);
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = SelectedBytes(selected, project::V1)](const TComb& c) {
            const Diffs d = AdjacentDiffs(c);
            return (t[d[0]] | t[d[1]] | t[d[2]] | t[d[3]] | t[d[4]]) != 0;
        });
    }

protected:
    // One difference may come several times in a draw: only the first of the
    // draw's values measures a gap.
    bool TracksGapAt(size_t position) const override { return position == 0; }
};

// ---- DIFM, DIFD, DIFK: one number per draw -----------------------------------

template <int (*Value)(const TComb&), int LastSeed>
class TstDiffValue final : public TCustomGraphStat {
public:
    using TCustomGraphStat::TCustomGraphStat;

    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        AddSeeds(arr, 1, LastSeed);
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        keys.add(PackKey(static_cast<int16_t>(Value(numbers))));
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<TstDiffValue>(*this, combs, keys);
    }
    int CombValue(const TComb& numbers, int, bool, int) override { return Value(numbers); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = SelectedBytes(selected, project::V1)](const TComb& c) {
            return t[static_cast<size_t>(Value(c))] != 0;
        });
    }
};

constexpr int kLargestDiff = model::MaxNumber - model::MinNumber; // 44

using TstDiffMax = TstDiffValue<maxDiff, kLargestDiff>;
using TstMinMaxDiffs = TstDiffValue<spread, kLargestDiff>;
using TstDiffSameCnt = TstDiffValue<mostSharedDiff, DiffCount>;

// ---- DIFO: each distinct difference with how often it occurs -----------------

class TstDiffSame final : public TCustomStat {
public:
    using TCustomStat::TCustomStat;

    // "3 x 2": the difference 3 occurs twice.
    std::string ValueToText(const TStatDraw& value) const override
    {
        return DelphiFormat("%0:d x %1:d", {int64_t{value.V1}, int64_t{value.V2}});
    }
    // The tally of the differences, in order of first appearance.
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        const Diffs d = AdjacentDiffs(numbers);
        const SameCounts n = sameCounts(d);
        for (size_t i = 0; i < d.size(); ++i)
            if (firstOfItsValue(d, i))
                keys.add(PackKey(d[i], n[i]));
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<TstDiffSame>(*this, combs, keys);
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        // Per difference, a bit for each selected count 1..5.
        ByteTable counts{};
        for (const TStatDraw& rec : selected)
            if (rec.V1 >= 0 && rec.V1 <= 255 && rec.V2 >= 1 && rec.V2 <= DiffCount && rec.V3 == 0 && rec.V4 == 0)
                counts[static_cast<size_t>(rec.V1)] |= static_cast<uint8_t>(1u << rec.V2);
        return MakeMatcher([counts](const TComb& c) {
            const Diffs d = AdjacentDiffs(c);
            const SameCounts n = sameCounts(d);
            unsigned hit = 0;
            for (size_t i = 0; i < d.size(); ++i)
                hit |= static_cast<unsigned>(counts[d[i]] >> n[i]);
            return (hit & 1) != 0;
        });
    }
};

// ---- KDS2, KDS3, KDS4: windows of K consecutive differences -------------------

template <int K>
class TstCombDiffSeq final : public TCustomStat {
public:
    static_assert(K >= 2 && K <= 4, "a window key holds two to four differences");
    static constexpr int WindowCount = DiffCount - K + 1;

    using TCustomStat::TCustomStat;

    // The differences joined by ":", for example 3:11.
    std::string ValueToText(const TStatDraw& value) const override
    {
        const int16_t parts[4] = {value.V1, value.V2, value.V3, value.V4};
        std::string text = std::to_string(parts[0]);
        for (int i = 1; i < K; ++i)
            text += ":" + std::to_string(parts[i]);
        return text;
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        const Diffs d = AdjacentDiffs(numbers);
        for (int w = 0; w < WindowCount; ++w) {
            const TStatDraw key = windowKey(d, w);
            keys.add(KeyOf(key));
        }
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        // The first two differences of a window pick a bit of a 64K-bit set; for
        // longer windows a hit there is confirmed in the sorted window codes.
        std::vector<uint64_t> pairs(65536 / 64, 0);
        std::vector<uint32_t> codes;
        for (const TStatDraw& rec : selected)
            if (const std::optional<uint32_t> code = codeOf(rec)) {
                pairs[(*code & 0xFFFF) >> 6] |= uint64_t{1} << (*code & 63);
                codes.push_back(*code);
            }
        std::sort(codes.begin(), codes.end());
        codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
        return MakeMatcher([pairs = std::move(pairs), codes = std::move(codes)](const TComb& c) {
            const Diffs d = AdjacentDiffs(c);
            for (int w = 0; w < WindowCount; ++w) {
                uint32_t code = 0;
                for (int i = K - 1; i >= 0; --i)
                    code = code << 8 | d[static_cast<size_t>(w + i)];
                if (((pairs[(code & 0xFFFF) >> 6] >> (code & 63)) & 1) == 0)
                    continue;
                if (K == 2 || std::binary_search(codes.begin(), codes.end(), code))
                    return true;
            }
            return false;
        });
    }

protected:
    // A difference may start several windows of a draw: only the first window
    // measures a gap.
    bool TracksGapAt(size_t position) const override { return position == 0; }

private:
    static TStatDraw windowKey(const Diffs& d, int w)
    {
        TStatDraw key;
        int16_t* parts[4] = {&key.V1, &key.V2, &key.V3, &key.V4};
        for (int i = 0; i < K; ++i)
            *parts[i] = d[static_cast<size_t>(w + i)];
        return key;
    }
    // The window a selected record stands for, its first difference in the low
    // byte; none when no window can have its key.
    static std::optional<uint32_t> codeOf(const TStatDraw& rec)
    {
        const int16_t parts[4] = {rec.V1, rec.V2, rec.V3, rec.V4};
        uint32_t code = 0;
        for (int i = 3; i >= 0; --i) {
            if (i >= K) {
                if (parts[i] != 0)
                    return std::nullopt;
                continue;
            }
            if (parts[i] < 0 || parts[i] > 255)
                return std::nullopt;
            code = code << 8 | static_cast<uint32_t>(parts[i]);
        }
        return code;
    }
};

using TstCombDiffSeq2 = TstCombDiffSeq<2>;
using TstCombDiffSeq3 = TstCombDiffSeq<3>;
using TstCombDiffSeq4 = TstCombDiffSeq<4>;

} // namespace

constinit const MethodClass TstDiffTotalClass =
    MakeStatClass<TstDiffTotal>({.id = "DIFA",
                                 .caption = BELVANE_TEXT("Все разности между соседними позициями"),
                                 .group = GroupDifferences,
                                 .flags = FlagS | FlagN});
constinit const MethodClass TstDiffMaxClass =
    MakeStatClass<TstDiffMax>({.id = "DIFM",
                               .caption = BELVANE_TEXT("Максимальная разность между соседними позициями"),
                               .group = GroupDifferences,
                               .flags = FlagS | FlagN});
constinit const MethodClass TstMinMaxDiffsClass =
    MakeStatClass<TstMinMaxDiffs>({.id = "DIFD",
                                   .caption = BELVANE_TEXT("Разность между минимальным и максимальным числом"),
                                   .group = GroupDifferences,
                                   .flags = FlagN});
constinit const MethodClass TstDiffSameClass =
    MakeStatClass<TstDiffSame>({.id = "DIFO",
                                .caption = BELVANE_TEXT("Одинаковые разности между соседними позициями"),
                                .group = GroupDifferences,
                                .flags = FlagS | FlagN,
                                .valueFromText = false});
constinit const MethodClass TstDiffSameCntClass =
    MakeStatClass<TstDiffSameCnt>({.id = "DIFK",
                                   .caption = BELVANE_TEXT("Количество одинаковых разностей между соседними позициями"),
                                   .group = GroupDifferences,
                                   .flags = FlagS | FlagN});
constinit const MethodClass TstCombDiffSeq2Class =
    MakeStatClass<TstCombDiffSeq2>({.id = "KDS2",
                                    .caption = BELVANE_TEXT("Сочетания из 2 разностей между числами"),
                                    .group = GroupDifferences,
                                    .flags = FlagS,
                                    .valueFromText = false});
constinit const MethodClass TstCombDiffSeq3Class =
    MakeStatClass<TstCombDiffSeq3>({.id = "KDS3",
                                    .caption = BELVANE_TEXT("Сочетания из 3 разностей между числами"),
                                    .group = GroupDifferences,
                                    .flags = FlagS,
                                    .valueFromText = false});
constinit const MethodClass TstCombDiffSeq4Class =
    MakeStatClass<TstCombDiffSeq4>({.id = "KDS4",
                                    .caption = BELVANE_TEXT("Сочетания из 4 разностей между числами"),
                                    .group = GroupDifferences,
                                    .flags = FlagS,
                                    .valueFromText = false});

} // namespace belvane::stats
