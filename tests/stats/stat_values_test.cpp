#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <random>

#include "stats/custom_stat.h"
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

// Thousands of distinct values: the array finds each value's element through
// the positions it keeps and gives exactly what a walk over the elements does,
// in the order the values were first recorded, also after its elements were
// sorted, cleared or erased in between.
TEST(AddStatDraw, ManyValuesAgreeWithAWalkOverTheElements)
{
    auto addByWalk = [](std::vector<TStatDraw>& arr, const TStatDraw& rec) {
        for (TStatDraw& e : arr)
            if (KeyOf(e) == KeyOf(rec)) {
                e.Count += rec.Count;
                if (e.Ago == 0 || (rec.Ago > 0 && e.Ago >= rec.Ago)) {
                    e.LastDraw = rec.LastDraw;
                    e.Ago = rec.Ago;
                }
                e.PrevDraw = rec.LastDraw;
                return;
            }
        arr.push_back(rec);
    };
    auto same = [](const TStatDrawArray& a, const std::vector<TStatDraw>& b) {
        ASSERT_EQ(a.size(), b.size());
        for (size_t i = 0; i < a.size(); ++i) {
            ASSERT_EQ(KeyOf(a[i]), KeyOf(b[i])) << i;
            ASSERT_EQ(a[i].Count, b[i].Count) << i;
            ASSERT_EQ(a[i].LastDraw, b[i].LastDraw) << i;
        }
    };
    std::mt19937 rng(3);
    TStatDrawArray arr;
    std::vector<TStatDraw> walked;
    auto addRandom = [&](int n, int spread) {
        for (int i = 0; i < n; ++i) {
            TStatDraw rec = occurrence(static_cast<int16_t>(rng() % spread), 1000 + i, n - i);
            rec.V2 = static_cast<int16_t>(rng() % 3);
            rec.V4 = static_cast<int16_t>(rng() % 2 ? -1 : 7);
            AddStatDraw(arr, rec, false);
            addByWalk(walked, rec);
        }
    };
    addRandom(20'000, 3000);
    same(arr, walked);
    EXPECT_GT(arr.size(), 5000u);

    SortStatDraws(arr);
    std::stable_sort(walked.begin(), walked.end(), [](auto& a, auto& b) { return KeyOf(a) < KeyOf(b); });
    addRandom(2000, 4000);
    same(arr, walked);

    // Sorted behind the array's back: the next look-up notices.
    std::reverse(arr.begin(), arr.end());
    std::reverse(walked.begin(), walked.end());
    addRandom(500, 4000);
    same(arr, walked);
    for (const TStatDraw& e : walked)
        ASSERT_EQ(FindKey(static_cast<const TStatDrawArray&>(arr), KeyOf(e))->Count, e.Count);

    arr.erase(arr.begin(), arr.begin() + 100);
    walked.erase(walked.begin(), walked.begin() + 100);
    addRandom(500, 4000);
    same(arr, walked);

    arr.clear();
    walked.clear();
    addRandom(300, 100);
    same(arr, walked);
    EXPECT_EQ(FindKey(static_cast<const TStatDrawArray&>(arr), PackKey(5000)), nullptr);

    // Copies keep their own positions.
    const TStatDrawArray copy = arr;
    addRandom(300, 200);
    same(arr, walked);
    EXPECT_EQ(FindKey(copy, KeyOf(copy.back())), &copy.back());
}

TEST(KeyList, MoreValuesThanItHoldsIsAnError)
{
    KeyList keys;
    for (uint64_t k = 0; k < 64; ++k)
        keys.add(k);
    EXPECT_EQ(keys.size(), 64u);
    EXPECT_THROW(keys.add(64), std::length_error);
    EXPECT_EQ(keys.size(), 64u);
}

TEST(LastValues, StepGivesIntervals)
{
    TLastValueArray arr;
    EXPECT_EQ(StepLastValue(arr, PackKey(7), 100), -1);
    EXPECT_EQ(StepLastValue(arr, PackKey(7), 104), 4);
    EXPECT_EQ(StepLastValue(arr, PackKey(7), 105), 1);
    EXPECT_EQ(StepLastValue(arr, PackKey(8), 105), -1);
    EXPECT_EQ(arr.size(), 2u);
    // Numbers from a damaged file: an interval beyond 32 bits is held at the limit.
    EXPECT_EQ(StepLastValue(arr, PackKey(8), 2'100'000'000), 2'099'999'895);
    EXPECT_EQ(StepLastValue(arr, PackKey(8), -2'100'000'000), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(StepLastValue(arr, PackKey(8), 2'100'000'000), std::numeric_limits<int32_t>::max());
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
