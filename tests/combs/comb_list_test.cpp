#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "combs/comb_list.h"
#include "combs/generate.h"
#include "model/full_set.h"

namespace belvane::combs {
namespace {

using model::TComb;

// Keeps the combinations whose first number is odd.
size_t keepOddFirst(size_t, std::span<const TComb> chunk, TComb* out)
{
    size_t n = 0;
    for (const TComb& c : chunk)
        if (c[0] % 2 == 1)
            out[n++] = c;
    return n;
}

TEST(CombinationList, UndoIsOneLevel)
{
    CombinationList list;
    list.list().assign(std::vector<TComb>{{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}});
    EXPECT_FALSE(list.canUndo());
    list.reduce(keepOddFirst);
    EXPECT_EQ(list.count(), 1u);
    ASSERT_TRUE(list.canUndo());
    EXPECT_EQ(list.undo().size(), 2u);
    list.restoreUndo();
    EXPECT_EQ(list.count(), 2u);
    EXPECT_FALSE(list.canUndo()); // a second undo has nothing to take back
    list.saveUndo();
    list.dropUndo();
    EXPECT_FALSE(list.canUndo());
    EXPECT_EQ(list.count(), 2u);
}

TEST(CombinationList, ReductionsKeepOrderAcrossChunks)
{
    CombinationList list;
    list.reserveFullSet();
    ASSERT_TRUE(GenerateCombinations(list.list(), GenerateFull, {}));
    ASSERT_TRUE(list.reduce(keepOddFirst));
    // First numbers 1, 3, ..., 39: sum of C(45 - f, 5).
    int64_t expected = 0;
    for (int f = 1; f <= 40; f += 2)
        expected += model::Binomial(45 - f, 5);
    ASSERT_EQ(list.count(), static_cast<size_t>(expected));
    for (size_t i = 1; i < list.count(); ++i)
        ASSERT_LT(list.combs()[i - 1], list.combs()[i]) << i; // still lexicographic
    EXPECT_EQ(list.undo().size(), static_cast<size_t>(model::FullSetSize));
}

TEST(CombinationList, StoppedReductionKeepsWhatItKept)
{
    CombinationList list;
    list.reserveFullSet();
    GenerateCombinations(list.list(), GenerateFull, {});
    // Slow chunks: the stop after the calling thread's first chunk comes long
    // before the other threads could get through the rest.
    auto slowKeep = [](size_t first, std::span<const TComb> chunk, TComb* out) {
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
        return keepOddFirst(first, chunk, out);
    };
    const bool complete = list.reduce(slowKeep, [](size_t, size_t) { return false; });
    EXPECT_FALSE(complete);
    EXPECT_GT(list.count(), 0u);
    EXPECT_LT(list.count(), static_cast<size_t>(model::FullSetSize));
    for (size_t i = 1; i < list.count(); ++i)
        ASSERT_LT(list.combs()[i - 1], list.combs()[i]);
    list.restoreUndo();
    EXPECT_EQ(list.count(), static_cast<size_t>(model::FullSetSize));
}

TEST(CombinationList, WithoutUndoReductionsWorkInPlace)
{
    CombinationList list(false);
    list.reserveFullSet();
    ASSERT_TRUE(GenerateCombinations(list.list(), GenerateFull, {}));
    const TComb* storage = list.list().data();
    // Chunks see where they start: keep every third combination of the list.
    ASSERT_TRUE(list.reduce([](size_t first, std::span<const TComb> chunk, TComb* out) {
        size_t n = 0;
        for (size_t i = 0; i < chunk.size(); ++i)
            if ((first + i) % 3 == 0)
                out[n++] = chunk[i];
        return n;
    }));
    EXPECT_EQ(list.list().data(), storage); // no second buffer
    EXPECT_EQ(list.count(), static_cast<size_t>((model::FullSetSize + 2) / 3));
    EXPECT_EQ(list.combs()[1], (TComb{1, 2, 3, 4, 5, 9}));
    for (size_t i = 1; i < list.count(); ++i)
        ASSERT_LT(list.combs()[i - 1], list.combs()[i]) << i;
    EXPECT_FALSE(list.canUndo());
    list.saveUndo(); // nothing to keep it in
    EXPECT_FALSE(list.canUndo());
}

TEST(Generate, CountsPerMode)
{
    CombBuffer out;
    // What is generated is what the count without generating says.
    auto count = [&](int mode, std::string_view mine) {
        EXPECT_TRUE(GenerateCombinations(out, mode, ParseMyNumbers(mine)));
        EXPECT_EQ(GeneratedCount(mode, ParseMyNumbers(mine)), static_cast<int64_t>(out.size())) << mode << " " << mine;
        return static_cast<int64_t>(out.size());
    };
    EXPECT_EQ(count(GenerateFull, ""), 8'145'060);
    EXPECT_EQ(out[0], model::FirstCombination);
    EXPECT_EQ(out[out.size() - 1], (TComb{40, 41, 42, 43, 44, 45}));
    EXPECT_EQ(count(GenerateAnyOf, ""), 0);
    EXPECT_EQ(count(GenerateOnlyOf, ""), 0);
    EXPECT_EQ(count(GenerateNoneOf, ""), 8'145'060);
    EXPECT_EQ(count(GenerateAnyOf, "1"), 1'086'008);
    EXPECT_EQ(count(GenerateOnlyOf, "1, 2;3,4 , 5,6, 7"), 7);
    EXPECT_EQ(count(GenerateNoneOf, "1,2,3"), model::Binomial(42, 6));
    EXPECT_EQ(count(GenerateAnyOf, "x, 300, -1"), 0); // "x" is 0, the rest out of 0..255
    EXPECT_EQ(count(17, "1"), 8'145'060);             // an unknown mode takes everything
    // Five numbers give no combination of six only from them; six give one.
    EXPECT_EQ(count(GenerateOnlyOf, "1,2,3,4,5"), 0);
    EXPECT_EQ(count(GenerateOnlyOf, "1,2,3,4,5,6,200"), 1);
    std::string allBut5;
    for (int n = 6; n <= 45; ++n)
        allBut5 += std::to_string(n) + ",";
    EXPECT_EQ(count(GenerateNoneOf, allBut5), 0); // five numbers left, and no six from them
    EXPECT_EQ(count(GenerateAnyOf, allBut5), 8'145'060);
    EXPECT_EQ(count(GenerateAnyOf, "0,46,45"), model::FullSetSize - model::Binomial(44, 6));
}

TEST(Generate, MyNumbersParsing)
{
    const auto set = ParseMyNumbers(" 7 ;12,,abc,255,256");
    EXPECT_TRUE(set[7]);
    EXPECT_TRUE(set[12]);
    EXPECT_TRUE(set[0]); // non-numbers read as 0
    EXPECT_TRUE(set[255]);
    EXPECT_FALSE(set[1]);
    EXPECT_FALSE(ParseMyNumbers("1,,2")[0]); // an empty piece is no number at all

    // Blanks part numbers as commas do.
    const auto blanks = ParseMyNumbers("3  7\t15 16 19 43");
    EXPECT_EQ(std::count(blanks.begin(), blanks.end(), true), 6);
    EXPECT_TRUE(blanks[3] && blanks[7] && blanks[15] && blanks[43]);
    EXPECT_FALSE(blanks[0]);
}

TEST(Generate, MyNumbersThatGiveNoListAreRefused)
{
    EXPECT_EQ(MyNumbersProblem(GenerateOnlyOf, "1 2 3 4 5 6 7"), std::nullopt);
    EXPECT_EQ(MyNumbersProblem(GenerateAnyOf, " 45; 1 ,"), std::nullopt);
    EXPECT_EQ(MyNumbersProblem(GenerateNoneOf, ""), std::nullopt); // every combination
    EXPECT_EQ(MyNumbersProblem(GenerateFull, "anything"), std::nullopt);
    EXPECT_EQ(MyNumbersProblem(GenerateFromFile, "list.csv"), std::nullopt);

    const std::string invalid = "Введена некорректная комбинация!";
    EXPECT_EQ(MyNumbersProblem(GenerateAnyOf, "1 x 3"), invalid);
    EXPECT_EQ(MyNumbersProblem(GenerateAnyOf, "0"), invalid);
    EXPECT_EQ(MyNumbersProblem(GenerateNoneOf, "46"), invalid);

    const std::string none = std::string(NoCombinationsMessage);
    EXPECT_EQ(MyNumbersProblem(GenerateAnyOf, " ;, "), none);
    EXPECT_EQ(MyNumbersProblem(GenerateOnlyOf, "1 2 3 4 5 5"), none); // five distinct numbers
    std::string forty;
    for (int n = 1; n <= 40; ++n)
        forty += std::to_string(n) + " ";
    EXPECT_EQ(MyNumbersProblem(GenerateNoneOf, forty), none);
    forty.resize(forty.size() - 3); // 1..39 leave six numbers
    EXPECT_EQ(MyNumbersProblem(GenerateNoneOf, forty), std::nullopt);
}

TEST(Generate, CancelledGenerationLeavesAnEmptyList)
{
    CombBuffer out;
    EXPECT_FALSE(GenerateCombinations(out, GenerateFull, {}, [](size_t, size_t) { return false; }));
    EXPECT_EQ(out.size(), 0u);
}

} // namespace
} // namespace belvane::combs
