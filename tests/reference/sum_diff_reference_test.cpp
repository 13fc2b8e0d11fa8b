// The draws statistics table of the sum and difference methods, checked cell
// for cell on the real archive against the stand-alone computation in
// sum_diff_reference.cpp.

#include <gtest/gtest.h>

#include <algorithm>

#include "reference/reference_support.h"
#include "reference/sum_diff_reference.h"

namespace belvane::testing {
namespace {

using sumdiff::Key;
using sumdiff::TableRequest;

// The reference on the worked examples of the two families.
TEST(SumDiffReferenceSelf, WorkedExamples)
{
    using sumdiff::numbersValues;
    using sumdiff::valueText;
    EXPECT_EQ(numbersValues("S2T3", {1, 2, 3, 4, 5, 6}), std::vector<Key>{(Key{6, 0, 0, 0})});
    EXPECT_EQ(numbersValues("S2T3", {5, 12, 23, 31, 40, 44}), std::vector<Key>{(Key{0, 0, 0, 0})});
    EXPECT_EQ(numbersValues("S2T3", {10, 20, 30, 40, 41, 45}), std::vector<Key>{(Key{2, 0, 0, 0})});
    EXPECT_EQ(numbersValues("SUMP", {1, 4, 6, 8, 9, 10}), std::vector<Key>{(Key{1, 0, 0, 0})});
    EXPECT_EQ(valueText("SUM1", numbersValues("SUM1", {5, 12, 23, 31, 40, 44})[0]), "93-183");
    EXPECT_EQ(valueText("SUM1", numbersValues("SUM1", {1, 2, 3, 4, 5, 6})[0]), "Остальные");
    EXPECT_EQ(valueText("SUMC", Key{130, 0, 125, 0}), "- 05 : 130 - 5 = 125");
    EXPECT_EQ(valueText("SUMV", Key{-7, -1, 0, 0}), "- 07");
    EXPECT_EQ(valueText("SUMV", Key{0, 0, 0, 0}), "+00");
    EXPECT_EQ(valueText("SUMT", Key{-1, -1, 0, 0}), "-");

    std::vector<std::string> texts;
    for (const Key& k : numbersValues("DIFO", {1, 4, 9, 12, 17, 19}))
        texts.push_back(valueText("DIFO", k));
    EXPECT_EQ(texts, (std::vector<std::string>{"3 x 2", "5 x 2", "2 x 1"}));
    texts.clear();
    for (const Key& k : numbersValues("KDS2", {5, 12, 23, 31, 40, 44}))
        texts.push_back(valueText("KDS2", k));
    EXPECT_EQ(texts, (std::vector<std::string>{"7:11", "11:8", "8:9", "9:4"}));
    EXPECT_EQ(numbersValues("DIFD", {44, 5, 40, 12, 31, 23}), std::vector<Key>{(Key{39, 0, 0, 0})});
    EXPECT_EQ(numbersValues("DIFM", {44, 5, 40, 12, 31, 23}), std::vector<Key>{(Key{39, 0, 0, 0})});
    EXPECT_EQ(numbersValues("DIFK", {1, 2, 3, 4, 5, 6}), std::vector<Key>{(Key{5, 0, 0, 0})});

    // The first draw follows an all-zero draw.
    const std::vector<sumdiff::Draw> draws{{1, {1, 2, 3, 4, 5, 7}}, {2, {1, 2, 3, 4, 5, 6}}};
    const auto first = sumdiff::drawValues("SUMV", draws, 0, 1, false);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(valueText("SUMV", first[0].key), "+22");
}

// One data folder with the real archive imported through the command line tool.
class SumDiffReference : public ArchiveTest<> {
protected:
    // Runs one table through the tool and compares every cell; the number of differing cells.
    int compareTable(const std::string& id, const TableRequest& r)
    {
        return compareTables(describe(id, r), cli(statsArgs(id, r)), sumdiff::statisticsTable(id, draws, r));
    }
};

class SumDiffTable : public SumDiffReference, public ::testing::WithParamInterface<std::string> {};

// The usual window, short windows back in time, the first draw alone (its
// predecessor is all zero), the newest draw alone, a window reaching before
// the first draw, and the oldest offsets.
TEST_P(SumDiffTable, EveryCellMatches)
{
    const std::vector<std::pair<int, int>> windows{{1000, 0}, {100, 5},  {7, 200},   {1, 1176}, {2, 1175},
                                                   {1, 0},    {60, 500}, {30, 1160}, {2000, 0}, {5, 1176}};
    int differences = 0;
    for (const auto& [len, offset] : windows)
        for (bool sorted : {false, true})
            differences += compareTable(GetParam(), {.len = len, .offset = offset, .sorted = sorted});
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(Reference, SumDiffTable, ::testing::ValuesIn(sumdiff::methodIds()),
                         [](const auto& param) { return param.param; });

std::vector<std::string> fullSetIds()
{
    std::vector<std::string> ids;
    for (const auto& id : sumdiff::methodIds())
        if (sumdiff::hasFullSet(id))
            ids.push_back(id);
    return ids;
}

class SumDiffFullSet : public SumDiffReference, public ::testing::WithParamInterface<std::string> {};

// With the full-set comparison, and the full-set file itself: ascending keys
// (unsigned parts), then the smallest and largest count and a zero.
TEST_P(SumDiffFullSet, EveryCellMatchesAndTheFileHoldsTheDistribution)
{
    const std::string id = GetParam();
    int differences = compareTable(id, {.len = 1000, .offset = 0, .sorted = false, .fullSet = true});
    differences += compareTable(id, {.len = 50, .offset = 100, .sorted = true, .fullSet = true});
    EXPECT_EQ(differences, 0);

    const PrefetchFile file = readPrefetch(prefetchPath(id));
    const auto& dist = sumdiff::fullSetDistribution(id);
    const std::vector<std::pair<Key, int64_t>> want(dist.begin(), dist.end());
    EXPECT_EQ(file.records, want);
    int64_t lo = want.front().second, hi = lo;
    for (const auto& [key, count] : want) {
        lo = std::min(lo, count);
        hi = std::max(hi, count);
    }
    EXPECT_EQ(file.trailer[0], lo);
    EXPECT_EQ(file.trailer[1], hi);
    EXPECT_EQ(file.trailer[2], 0);
}

INSTANTIATE_TEST_SUITE_P(Reference, SumDiffFullSet, ::testing::ValuesIn(fullSetIds()),
                         [](const auto& param) { return param.param; });

} // namespace
} // namespace belvane::testing
