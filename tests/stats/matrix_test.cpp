#include <gtest/gtest.h>

#include <bit>

#include "helpers/match_agreement.h"
#include "model/full_set.h"
#include "stats/full_set_counts.h"
#include "stats/matrix.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::allTexts;
using testing::findV1;
using testing::graphValue;
using testing::makeDraw;
using testing::occurred;
using testing::StatsFixture;
using testing::Texts;

// A registry with the grid set to `cols` columns over the given draws.
StatsFixture withGrid(int cols, model::TDrawsArray draws = {})
{
    StatsFixture f(std::move(draws));
    f.config.MatrixCols = cols;
    f.list.BuildMethods();
    return f;
}

StatsFixture oneDrawOnGrid(TComb balls, int cols = 5)
{
    return withGrid(cols, {makeDraw(1, balls)});
}

// C(n, k), 0 when k > n.
int64_t choose(int n, int k)
{
    return k < 0 || k > n ? 0 : model::Binomial(n, k);
}

// The IDs of the matrix entries, in registration order.
std::vector<std::string> matrixIds(const StatsFixture& f)
{
    std::vector<std::string> ids;
    for (int i = 0; i < f.list.MethodCount(); ++i)
        if (f.list.Item(i).StatClass->GetGroup() == GroupMatrix)
            ids.push_back(f.list.Item(i).ID());
    return ids;
}

TEST(MatrixMethods, DefaultGridRegistersThirtyEightMethods)
{
    StatsFixture f;
    const auto ids = matrixIds(f);
    ASSERT_EQ(ids.size(), 38u);
    const std::vector<std::string> head{"COLS", "ROWS", "COLV", "ROWV", "COLN", "ROWN",
                                        "COLM", "ROWM", "COLA", "ROWA", "COLC", "ROWC"};
    EXPECT_EQ(std::vector<std::string>(ids.begin(), ids.begin() + 12), head);
    EXPECT_EQ(ids[12], "KFM2");
    EXPECT_EQ(ids[23], "KRS4");
    EXPECT_EQ(ids[24], "COL1");
    EXPECT_EQ(ids[28], "COL5");
    EXPECT_EQ(ids[29], "ROW1");
    EXPECT_EQ(ids[37], "ROW9");
    EXPECT_EQ(f.create("KFM3")->Caption(), "Сочетания из 3 столбцов по всем числам тиража");
    EXPECT_EQ(f.create("KRS2")->Caption(), "Сочетания из 2 строк по соседним числам");
    EXPECT_EQ(f.create("ROW7")->Caption(), "Количество чисел в 7 строке матрицы");
    EXPECT_EQ(f.list.Item(f.list.FindMethod("COL2")).StatClass->GetHelpID(), "COLx");
    EXPECT_EQ(FlagsText(f.create("COLN")->Class().Flags()), "NG");
    EXPECT_EQ(FlagsText(f.create("KFS2")->Class().Flags()), "S");
    EXPECT_EQ(FlagsText(f.create("COLA")->Class().Flags()), "N");
    for (const char* id : {"COLV", "ROWV", "KFM2", "KRS4"})
        EXPECT_FALSE(f.create(id)->Class().ValueFromText()) << id;
}

// The grid is read when the registry is built and when a method is created.
TEST(MatrixMethods, RegistrationFollowsTheGrid)
{
    EXPECT_EQ(matrixIds(withGrid(3)).size(), 24u + 3 + 15);
    const auto wide = withGrid(45);
    const auto ids = matrixIds(wide);
    ASSERT_EQ(ids.size(), 24u + 45 + 1);
    EXPECT_EQ(ids[24 + 44], "COL45");
    EXPECT_EQ(ids.back(), "ROW1");
    EXPECT_EQ(matrixIds(withGrid(1)).size(), 24u + 1 + 45);
    EXPECT_EQ(matrixIds(withGrid(6)).size(), 24u + 6 + 8); // the last row holds 41..45

    // Values a hand-edited settings file could hold are brought into 1..45 by
    // the methods; no grid at all registers no column or row counts.
    EXPECT_EQ(matrixIds(withGrid(300)).size(), 24u + 45 + 1);
    const auto none = withGrid(0);
    EXPECT_EQ(matrixIds(none).size(), 24u);
    EXPECT_EQ(occurred(withGrid(-4, {makeDraw(1, {1, 2, 3, 4, 5, 45})}), "COLS"), (Texts{{"1", 6}}));
}

TEST(MatrixMethods, ColumnsAndRowsOfTheDefaultGrid)
{
    const auto f = oneDrawOnGrid({1, 6, 41, 45, 44, 12});
    // 1 and 6 share column 1, 41 too; rows 1, 2, 9, 9, 9, 3.
    EXPECT_EQ(occurred(f, "COLS"), (Texts{{"1", 3}, {"2", 1}, {"4", 1}, {"5", 1}}));
    EXPECT_EQ(occurred(f, "ROWS"), (Texts{{"1", 1}, {"2", 1}, {"3", 1}, {"9", 3}})); // in the listed order
    EXPECT_EQ(allTexts(f, "COLS"), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(f.values("ROWS").size(), 9u);
    EXPECT_EQ(graphValue(f, "COLN", {1, 6, 41, 45, 44, 12}), 4);
    EXPECT_EQ(graphValue(f, "ROWN", {1, 6, 41, 45, 44, 12}), 4);
    EXPECT_EQ(occurred(f, "COL1"), (Texts{{"3", 1}}));
    EXPECT_EQ(occurred(f, "ROW9"), (Texts{{"3", 1}}));
    EXPECT_EQ(occurred(f, "COL3"), (Texts{{"0", 1}})); // 0 is not listed in advance, but comes
    EXPECT_EQ(allTexts(f, "COL3").size(), 10u);        // 1..9 listed, then 0
    EXPECT_EQ(allTexts(f, "ROW3").size(), 5u);         // 1..5 listed
    EXPECT_EQ(allTexts(f, "COLN"), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(allTexts(f, "ROWN").size(), 6u);

    // Two numbers of one column in one draw: the second measures a gap of 0.
    const auto col1 = f.values("COLS");
    EXPECT_EQ(findV1(col1, 1)->MinGap, 0);
    StatsFixture two({makeDraw(3, {2, 3, 4, 5, 8, 9}), makeDraw(7, {1, 2, 3, 4, 5, 10})});
    const auto twoCols = two.values("COLS");
    EXPECT_EQ(findV1(twoCols, 1)->Count, 1);
    EXPECT_EQ(findV1(twoCols, 5)->Count, 3);
    EXPECT_EQ(findV1(twoCols, 5)->MinGap, 0);
    EXPECT_EQ(findV1(twoCols, 5)->MaxGap, 4);
    EXPECT_EQ(findV1(twoCols, 4)->MinGap, 4); // one number a draw: the real gap
}

TEST(MatrixMethods, NumbersPerColumnWithZeroCounts)
{
    // All six in column 1: (1, 6) and every other column with 0.
    const auto f = oneDrawOnGrid({1, 6, 11, 16, 21, 26});
    EXPECT_EQ(occurred(f, "COLV"), (Texts{{"1 x 6", 1}, {"2 x 0", 1}, {"3 x 0", 1}, {"4 x 0", 1}, {"5 x 0", 1}}));
    const auto colv = allTexts(f, "COLV");
    ASSERT_EQ(colv.size(), 35u); // (c, 0..6) for five columns of nine numbers
    EXPECT_EQ(colv[0], "1 x 0");
    EXPECT_EQ(colv[6], "1 x 6");
    EXPECT_EQ(colv[7], "2 x 0");
    EXPECT_EQ(allTexts(f, "ROWV").size(), 9u * 6); // rows of five: counts 0..5
    EXPECT_EQ(occurred(f, "ROWV").size(), 9u);
    EXPECT_EQ(f.create("COLV")->ParseValue("1 x 6"), 0);

    // A zero count selected keeps the combinations that leave that column empty.
    TStatDraw empty3;
    empty3.V1 = 3;
    auto colvStat = f.create("COLV");
    const auto m = colvStat->PrepareMatches({empty3}, {0, false});
    EXPECT_TRUE(m->matches({1, 2, 4, 5, 6, 7}));
    EXPECT_FALSE(m->matches({1, 2, 3, 4, 5, 6}));
    TStatDraw twoIn1 = empty3;
    twoIn1.V1 = 1;
    twoIn1.V2 = 2;
    EXPECT_TRUE(colvStat->Matches({1, 6, 2, 3, 4, 5}, {twoIn1}, false, false, 0));
    EXPECT_FALSE(colvStat->Matches({1, 6, 11, 3, 4, 5}, {twoIn1}, false, false, 0));
    twoIn1.V3 = 1; // the other parts must be 0
    EXPECT_FALSE(colvStat->Matches({1, 6, 2, 3, 4, 5}, {twoIn1}, false, false, 0));
}

TEST(MatrixMethods, MasksOfOccupiedColumnsAndRows)
{
    const auto f = oneDrawOnGrid({1, 3, 6, 8, 11, 13}); // columns 1 and 3; rows 1, 2, 3
    EXPECT_EQ(occurred(f, "COLM"), (Texts{{"10100 (020)", 1}}));
    EXPECT_EQ(occurred(f, "ROWM"), (Texts{{"111000000 (448)", 1}})); // nine characters
    EXPECT_TRUE(f.values("COLM").size() == 1u);                      // nothing listed in advance
    auto colm = f.create("COLM");
    EXPECT_EQ(colm->TextToValue("10100 (020)"), 20);
    EXPECT_EQ(colm->TextToValue("101"), 20);       // missing characters are clear bits
    EXPECT_EQ(colm->TextToValue("1x1y0zzz"), 20);  // anything but "1" is a clear bit
    EXPECT_EQ(colm->TextToValue("1ч1"), 20);       // one character, whatever its bytes
    EXPECT_EQ(colm->TextToValue("0000111111"), 1); // beyond the fifth character nothing counts
    auto rowm = f.create("ROWM");
    EXPECT_EQ(rowm->TextToValue("111000000 (448)"), 448);

    // One row only: ROWM has one bit.
    const auto wide = oneDrawOnGrid({1, 3, 6, 8, 11, 13}, 45);
    EXPECT_EQ(occurred(wide, "ROWM"), (Texts{{"1 (001)", 1}}));
    EXPECT_EQ(allTexts(wide, "ROWV"),
              (std::vector<std::string>{"1 x 0", "1 x 1", "1 x 2", "1 x 3", "1 x 4", "1 x 5", "1 x 6"}));
    EXPECT_EQ(allTexts(wide, "COLV").size(), 45u * 2); // a column of one number holds 0 or 1
    EXPECT_EQ(allTexts(wide, "ROWN"), std::vector<std::string>{"1"});
    EXPECT_EQ(occurred(wide, "KRM4"), (Texts{{"1:1:1:1", 15}}));
    // 45 columns: every character kept, the mask beyond 32 bits in V3..V4.
    const auto cols45 = occurred(wide, "COLM");
    ASSERT_EQ(cols45.size(), 1u);
    EXPECT_EQ(cols45[0].first, "101001010010100000000000000000000000000000000 (" +
                                   std::to_string((uint64_t{1} << 44) | (uint64_t{1} << 42) | (uint64_t{1} << 39) |
                                                  (uint64_t{1} << 37) | (uint64_t{1} << 34) | (uint64_t{1} << 32)) +
                                   ")");
    const auto rec = wide.values("COLM").front();
    EXPECT_EQ(HighInt(rec), (1 << 12) | (1 << 10) | (1 << 7) | (1 << 5) | (1 << 2) | 1);
    EXPECT_EQ(LowInt(rec), 0);
    // Masks that differ only beyond the 32nd bit are told apart.
    auto colm45 = wide.create("COLM");
    EXPECT_TRUE(colm45->Matches({1, 3, 6, 8, 11, 13}, {rec}, false, false, 0));
    EXPECT_FALSE(colm45->Matches({1, 3, 6, 8, 11, 14}, {rec}, false, false, 0));
}

TEST(MatrixMethods, NeighboursInColumnsAndRows)
{
    // 1 and 6 are vertical neighbours: column 1 with two numbers.
    EXPECT_EQ(occurred(oneDrawOnGrid({1, 6, 20, 30, 38, 44}), "COLA"), (Texts{{"1 x 2", 1}}));
    // 1, 6, 11 in a line: two pairs; 1, 6, 16: one.
    EXPECT_EQ(occurred(oneDrawOnGrid({1, 6, 11, 33, 39, 45}), "COLA"), (Texts{{"1 x 3", 1}}));
    EXPECT_EQ(occurred(oneDrawOnGrid({1, 6, 16, 33, 39, 45}), "COLA"), (Texts{{"1 x 2", 1}}));
    // Ascending by column whatever the drawn order; 40 and 45 share column 5.
    EXPECT_EQ(occurred(oneDrawOnGrid({45, 40, 6, 1, 22, 27}), "COLA"),
              (Texts{{"1 x 2", 1}, {"2 x 2", 1}, {"5 x 2", 1}}));
    EXPECT_EQ(graphValue(oneDrawOnGrid({45}), "COLC", {45, 40, 6, 1, 22, 27}), 3);
    EXPECT_EQ(graphValue(oneDrawOnGrid({45}), "COLC", {1, 6, 11, 16, 21, 26}), 1);
    // Horizontal neighbours stay within a row: 5 and 6 are not neighbours.
    EXPECT_EQ(occurred(oneDrawOnGrid({5, 6, 12, 13, 14, 30}), "ROWA"), (Texts{{"3 x 3", 1}}));
    EXPECT_EQ(occurred(oneDrawOnGrid({1, 2, 3, 4, 5, 45}), "ROWA"), (Texts{{"1 x 5", 1}}));
    EXPECT_EQ(occurred(oneDrawOnGrid({1, 2, 3, 4, 5, 45}), "ROWC"), (Texts{{"1", 1}}));
    // No neighbours: no COLA value, COLC 0.
    const auto apart = oneDrawOnGrid({1, 3, 5, 17, 19, 33});
    EXPECT_TRUE(occurred(apart, "COLA").empty());
    EXPECT_EQ(occurred(apart, "COLC"), (Texts{{"0", 1}}));
    EXPECT_TRUE(apart.values("COLC").size() == 1u); // nothing listed in advance
    // One column: no row has horizontal neighbours, consecutive numbers are vertical ones
    // (1-2, 2-3 and 20-21: three pairs).
    EXPECT_EQ(occurred(oneDrawOnGrid({1, 2, 3, 10, 20, 21}, 1), "COLA"), (Texts{{"1 x 4", 1}}));
    EXPECT_TRUE(occurred(oneDrawOnGrid({1, 2, 3, 10, 20, 21}, 1), "ROWA").empty());
}

TEST(MatrixMethods, TuplesOfColumnsAndRows)
{
    const auto f = oneDrawOnGrid({1, 2, 3, 4, 5, 6});
    const auto kfm2 = occurred(f, "KFM2");
    int pairs = 0;
    for (const auto& [text, count] : kfm2)
        pairs += count;
    EXPECT_EQ(pairs, 15);
    EXPECT_EQ(kfm2.front(), (std::pair<std::string, int>{"1:2", 1}));
    EXPECT_NE(std::find(kfm2.begin(), kfm2.end(), std::pair<std::string, int>{"1:1", 1}), kfm2.end());
    EXPECT_EQ(occurred(f, "KFS2"), (Texts{{"1:2", 1}, {"2:3", 1}, {"3:4", 1}, {"4:5", 1}, {"5:1", 1}}));
    EXPECT_EQ(occurred(f, "KRM4"), (Texts{{"1:1:1:1", 5}, {"1:1:1:2", 10}}));
    EXPECT_EQ(occurred(f, "KRS3"), (Texts{{"1:1:1", 3}, {"1:1:2", 1}}));
    EXPECT_TRUE(f.values("KFM3").size() == 20u); // nothing listed in advance; columns 1..5 and 1 give 20 triples
    TStatDrawArray bare;
    f.create("KFM2")->CombValues({1, 2, 3, 4, 5, 6}, bare);
    EXPECT_TRUE(bare.empty());

    // Every tuple of a draw measures a gap, the repeats of one draw a gap of 0.
    StatsFixture two({makeDraw(3, {1, 6, 2, 3, 4, 5}), makeDraw(7, {1, 6, 11, 2, 3, 4})});
    const auto kfm2Values = two.values("KFM2");
    const TStatDraw* ones = FindKey(kfm2Values, PackKey(1, 1));
    ASSERT_NE(ones, nullptr);
    EXPECT_EQ(ones->Count, 4);
    EXPECT_EQ(ones->MinGap, 0);
    EXPECT_EQ(ones->MaxGap, 4);
    EXPECT_EQ(ones->LastDraw, 7);

    // Drawn order or ascending.
    const auto drawn = oneDrawOnGrid({45, 1, 7, 13, 44, 2});
    EXPECT_EQ(occurred(drawn, "KFS4", false), (Texts{{"5:1:2:3", 1}, {"1:2:3:4", 1}, {"2:3:4:2", 1}}));
    EXPECT_EQ(occurred(drawn, "KFS4", true), (Texts{{"1:2:2:3", 1}, {"2:2:3:4", 1}, {"2:3:4:5", 1}}));
    EXPECT_EQ(occurred(drawn, "KRS2", false), (Texts{{"9:1", 2}, {"1:2", 1}, {"2:3", 1}, {"3:9", 1}}));
}

TEST(MatrixMethods, PreparedMatchesAgreeWithValues)
{
    unsigned seed = 11;
    for (int cols : {5, 1, 7, 33, 45}) {
        const auto f = withGrid(cols);
        for (const auto& id : matrixIds(f)) {
            if (id.starts_with("COL") && id.size() > 4 && id != "COL1" && id != "COL3")
                continue; // two of the column counts are enough
            if (id.starts_with("ROW") && id.size() > 4 && id != "ROW2")
                continue;
            testing::expectMatchesAgree(f, id, seed++, 8);
        }
    }
}

// Column counts and masks of the full set, from combinatorics: a column of
// nine numbers holds k of six in C(9, k) * C(36, 6 - k) combinations.
TEST(MatrixMethods, FullSetDistributions)
{
    StatsFixture f;
    const std::vector<std::string> ids{"COLS", "COLV", "COLN", "COLM", "ROW9", "COL2", "ROWN", "COLA"};
    std::vector<int> entries;
    for (const auto& id : ids)
        entries.push_back(f.list.FindMethod(id));
    const auto counts = CountFullSetValues(f.list, entries);
    ASSERT_EQ(counts.size(), ids.size());

    ASSERT_EQ(counts[0].size(), 5u);
    for (const auto& rec : counts[0])
        EXPECT_EQ(rec.Count, 9 * model::Binomial(44, 5)) << rec.V1;
    ASSERT_EQ(counts[1].size(), 5u * 7);
    for (const auto& rec : counts[1])
        EXPECT_EQ(rec.Count, model::Binomial(9, rec.V2) * model::Binomial(36, 6 - rec.V2)) << rec.V1 << " " << rec.V2;
    // A set of j columns is exactly the occupied set in sum_i (-1)^i C(j, i) C(9 (j - i), 6) combinations.
    auto exactly = [](int j) {
        int64_t n = 0;
        for (int i = 0; i <= j; ++i)
            n += (i % 2 ? -1 : 1) * choose(j, i) * choose(9 * (j - i), 6);
        return n;
    };
    for (const auto& rec : counts[2])
        EXPECT_EQ(rec.Count, model::Binomial(5, rec.V1) * exactly(rec.V1)) << rec.V1;
    ASSERT_EQ(counts[3].size(), 31u);
    for (const auto& rec : counts[3])
        EXPECT_EQ(rec.Count, exactly(std::popcount(static_cast<unsigned>(rec.V1)))) << rec.V1;
    // Row 9 (41..45) and column 2 (nine numbers) as counts.
    for (const auto& rec : counts[4])
        EXPECT_EQ(rec.Count, model::Binomial(5, rec.V1) * model::Binomial(40, 6 - rec.V1)) << rec.V1;
    ASSERT_EQ(counts[5].size(), 7u);
    for (const auto& rec : counts[5])
        EXPECT_EQ(rec.Count, model::Binomial(9, rec.V1) * model::Binomial(36, 6 - rec.V1)) << rec.V1;
    int64_t total = 0;
    for (const auto& rec : counts[6])
        total += rec.Count;
    EXPECT_EQ(total, model::FullSetSize);
    // Column 1 with two vertical neighbours and nothing else there: 8 pairs, 4 more
    // numbers from the 36 of the other columns.
    const auto* pair1 = &counts[7].front();
    EXPECT_EQ(pair1->V1, 1);
    EXPECT_EQ(pair1->V2, 2);
    int64_t onePair = 0; // (1 x 2): column 1 holds one neighbour pair, with or without a third number apart
    for (int a = 1; a <= 9; ++a)
        for (int b = a + 1; b <= 9; ++b)
            for (int c = b + 1; c <= 9; ++c) {
                // Three numbers of the column with exactly one adjacent pair among them.
                const int adj = (b - a == 1) + (c - b == 1);
                if (adj == 1)
                    onePair += model::Binomial(36, 3);
            }
    onePair += 8 * model::Binomial(36, 4); // two numbers, adjacent
    // Four numbers with exactly one adjacent pair: choose rows from 9 with one adjacency.
    for (int mask = 0; mask < 512; ++mask) {
        if (std::popcount(static_cast<unsigned>(mask)) < 4)
            continue;
        const int k = std::popcount(static_cast<unsigned>(mask));
        if (std::popcount(static_cast<unsigned>(mask & (mask >> 1))) == 1 && k <= 6)
            onePair += model::Binomial(36, 6 - k);
    }
    EXPECT_EQ(pair1->Count, onePair);
}

} // namespace
} // namespace belvane::stats
