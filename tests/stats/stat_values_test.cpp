#include <gtest/gtest.h>

#include "stats/stat_values.h"

namespace belvane::stats {
namespace {

TStatDraw occurrence(int16_t v1, int32_t drawNumber, int32_t ago, int32_t count = 1)
{
    TStatDraw r;
    r.V1 = v1;
    r.LastDraw = drawNumber;
    r.PrevDraw = drawNumber;
    r.Ago = ago;
    r.Count = count;
    return r;
}

TEST(AddStatDraw, TwoOccurrencesGiveCountLastAndGaps)
{
    TStatDrawArray arr;
    TStatDraw seed;
    seed.V1 = 7;
    AddStatDraw(arr, seed, false); // listed in advance, Count 0
    AddStatDraw(arr, occurrence(7, 104, 6), true);
    AddStatDraw(arr, occurrence(7, 109, 1), true);
    ASSERT_EQ(arr.size(), 1u);
    EXPECT_EQ(arr[0].Count, 2);
    EXPECT_EQ(arr[0].LastDraw, 109);
    EXPECT_EQ(arr[0].Ago, 1);
    EXPECT_EQ(arr[0].MinGap, 5);
    EXPECT_EQ(arr[0].MaxGap, 5);
    EXPECT_EQ(arr[0].PrevDraw, 109);
}

TEST(AddStatDraw, SingleOccurrenceKeepsNoGaps)
{
    TStatDrawArray arr;
    TStatDraw seed;
    seed.V1 = 3;
    AddStatDraw(arr, seed, false);
    AddStatDraw(arr, occurrence(3, 50, 4), true);
    EXPECT_EQ(arr[0].Count, 1);
    EXPECT_EQ(arr[0].MinGap, 0);
    EXPECT_EQ(arr[0].MaxGap, 0);
    EXPECT_EQ(arr[0].Ago, 4);
}

TEST(AddStatDraw, GapsWidenAndNarrow)
{
    TStatDrawArray arr;
    for (int32_t n : {10, 13, 23, 25})
        AddStatDraw(arr, occurrence(1, n, 30 - n), true);
    EXPECT_EQ(arr[0].MinGap, 2);
    EXPECT_EQ(arr[0].MaxGap, 10);
    // The same draw twice (two equal values in one draw) measures a gap of 0.
    AddStatDraw(arr, occurrence(1, 25, 5), true);
    EXPECT_EQ(arr[0].MinGap, 0);
}

TEST(AddStatDraw, MostRecentOccurrenceWinsTiesGoToTheLaterCall)
{
    TStatDrawArray arr;
    AddStatDraw(arr, occurrence(1, 20, 3), true);
    AddStatDraw(arr, occurrence(1, 10, 8), true); // older: keeps the newer one
    EXPECT_EQ(arr[0].LastDraw, 20);
    AddStatDraw(arr, occurrence(1, 21, 3), true); // same age: the later call wins
    EXPECT_EQ(arr[0].LastDraw, 21);
    // Without tracking nothing is measured, but PrevDraw still moves.
    AddStatDraw(arr, occurrence(1, 40, 1), false);
    EXPECT_EQ(arr[0].PrevDraw, 40);
    EXPECT_EQ(arr[0].MinGap, 10); // |20 - 10|; 21 after 10 widened only MaxGap
    EXPECT_EQ(arr[0].MaxGap, 11);
}

TEST(StatKeys, PartsHalvesAndBytes)
{
    TStatDraw d;
    SetLowInt(d, -7);
    EXPECT_EQ(d.V1, -7);
    EXPECT_EQ(d.V2, -1);
    EXPECT_EQ(LowInt(d), -7);
    SetHighInt(d, 70000);
    EXPECT_EQ(HighInt(d), 70000);
    EXPECT_EQ(KeyOf(d), KeyOfInts(-7, 70000));
    TStatDraw bytes;
    bytes.V1 = 0x0201;
    bytes.V4 = 0x0807;
    EXPECT_EQ(KeyByte(bytes, 1), 1);
    EXPECT_EQ(KeyByte(bytes, 2), 2);
    EXPECT_EQ(KeyByte(bytes, 8), 8);
    EXPECT_EQ(KeyByte(bytes, 9), 0);

    TStatDrawArray sel{bytes, d};
    EXPECT_TRUE(HasKeyByte(sel, 7, 7));
    EXPECT_TRUE(HasLowInt(sel, -7));
    EXPECT_TRUE(HasHighInt(sel, 70000));
    EXPECT_TRUE(HasInts(sel, -7, 70000));
    EXPECT_FALSE(HasInts(sel, -7, 0));
    EXPECT_TRUE(HasKeyPart(sel, 4, 0x0807));
    EXPECT_FALSE(HasKeyPart(sel, 5, 0));
}

TEST(StatKeys, SortComparesPartsAsUnsigned)
{
    TStatDrawArray arr(4);
    arr[0].V1 = -1; // 0xFFFF: after every non-negative value
    arr[1].V1 = 5;
    arr[1].V2 = 2;
    arr[2].V1 = 5;
    arr[2].V2 = 1;
    arr[3].V1 = 0;
    SortStatDraws(arr);
    EXPECT_EQ(arr[0].V1, 0);
    EXPECT_EQ(arr[1].V2, 1);
    EXPECT_EQ(arr[2].V2, 2);
    EXPECT_EQ(arr[3].V1, -1);
}

TEST(StatTotals, SumsAndExtremes)
{
    TStatDrawArray arr(3);
    arr[0].Count = 4;
    arr[0].Ago = 0;
    arr[1].Count = 0;
    arr[1].Ago = 9;
    arr[2].Count = 7;
    arr[2].Ago = 2;
    const ValueTotals t = StatTotals(arr);
    EXPECT_EQ(t.Total, 11);
    EXPECT_EQ(t.MinCount, 0);
    EXPECT_EQ(t.MaxCount, 7);
    EXPECT_EQ(t.MaxAgo, 9);
    EXPECT_EQ(StatTotals({}).Total, 0);
}

TEST(LastValues, StepGivesIntervals)
{
    TLastValueArray arr;
    EXPECT_EQ(StepLastValue(arr, PackKey(7), 100), -1);
    EXPECT_EQ(StepLastValue(arr, PackKey(7), 104), 4);
    EXPECT_EQ(StepLastValue(arr, PackKey(7), 105), 1);
    EXPECT_EQ(StepLastValue(arr, PackKey(8), 105), -1);
    EXPECT_EQ(arr.size(), 2u);
}

TEST(SimpleArrays, AddLookUpAndSort)
{
    TStatSimpleArray arr;
    EXPECT_EQ(AddStatSimple(arr, 5, 1), 0);
    EXPECT_EQ(AddStatSimple(arr, 3, 2), 1);
    EXPECT_EQ(AddStatSimple(arr, 5, 1), 0);
    EXPECT_EQ(AddStatSimple(arr, 5, 0), 0);  // look-up only
    EXPECT_EQ(AddStatSimple(arr, 9, 0), -1); // absent: nothing added
    EXPECT_EQ(arr[0].Value, 2);
    SortStatSimple(arr);
    EXPECT_EQ(arr[0].Key, 3);
    EXPECT_EQ(arr.size(), 2u);
}

} // namespace
} // namespace belvane::stats
