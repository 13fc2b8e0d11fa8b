#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "support/delphi_format.h"
#include "support/money.h"
#include "support/parallel.h"

namespace belvane {
namespace {

TEST(DelphiFormat, TemplatesOfTheProgram)
{
    EXPECT_EQ(DelphiFormat("POS%d", {int64_t{3}}), "POS3");
    EXPECT_EQ(DelphiFormat("NUMS", {int64_t{0}}), "NUMS");
    EXPECT_EQ(DelphiFormat("Число в %0:d позиции тиража", {int64_t{2}}), "Число в 2 позиции тиража");
    EXPECT_EQ(DelphiFormat("{ %1:s } %0:s", {std::string("Числа"), std::string("num")}), "{ num } Числа");
    // Two stages: "%%d" survives the first as "%d".
    const std::string stage1 = DelphiFormat("Переходы чисел между %0:d тиражами в %%d позиции", {int64_t{2}});
    EXPECT_EQ(stage1, "Переходы чисел между 2 тиражами в %d позиции");
    EXPECT_EQ(DelphiFormat(stage1, {int64_t{3}}), "Переходы чисел между 2 тиражами в 3 позиции");
    EXPECT_EQ(DelphiFormat("- %0:.2d : %1:d - %0:d = %2:d", {int64_t{5}, int64_t{130}, int64_t{125}}),
              "- 05 : 130 - 5 = 125");
    EXPECT_EQ(DelphiFormat("%s (%.3d)", {std::string("ЧнЧннЧ"), int64_t{22}}), "ЧнЧннЧ (022)");
    EXPECT_EQ(DelphiFormat("%.2d", {int64_t{-3}}), "-03");
    EXPECT_EQ(DelphiFormat("%.3f|%5d|%-3d|", {1.23456, int64_t{42}, int64_t{7}}), "1.235|   42|7  |");
    EXPECT_EQ(DelphiFormat("%d%%", {int64_t{5}}), "5%");
}

TEST(DelphiFormat, MissingOrWrongArgumentsDoNotFail)
{
    EXPECT_EQ(DelphiFormat("a%db", {}), "a#?b");
    EXPECT_EQ(DelphiFormat("%s", {int64_t{1}}), "#?");
    EXPECT_EQ(DelphiFormat("50%", {}), "50%");
}

// A template from a language module may hold any number: a huge width,
// precision or index is cut short instead of overflowing or padding a
// message to gigabytes.
TEST(DelphiFormat, HugeNumbersInATemplateAreBounded)
{
    EXPECT_EQ(DelphiFormat("%999999999999d", {int64_t{7}}).size(), 1024u);
    EXPECT_EQ(DelphiFormat("%-99999999999s|", {std::string("a")}).size(), 1025u);
    EXPECT_EQ(DelphiFormat("%.99999999999d", {int64_t{-1}}).size(), 1025u);
    EXPECT_LT(DelphiFormat("%.99999999999f", {1.5}).size(), 1100u);
    EXPECT_EQ(DelphiFormat("%99999999999:d", {int64_t{1}}), "#?");
}

TEST(Money, ParseRoundsToFourDecimals)
{
    EXPECT_EQ(ParseMoney("12.5"), 125000);
    EXPECT_EQ(ParseMoney("-3,75"), -37500);
    EXPECT_EQ(ParseMoney("7"), 70000);
    EXPECT_EQ(ParseMoney(".5"), 5000);
    EXPECT_EQ(ParseMoney("0.00005"), 0); // half, to even
    EXPECT_EQ(ParseMoney("0.00015"), 2); // half, to even
    EXPECT_EQ(ParseMoney("0.000151"), 2);
    EXPECT_FALSE(ParseMoney(""));
    EXPECT_FALSE(ParseMoney("1.2.3"));
    EXPECT_FALSE(ParseMoney("abc"));
    EXPECT_FALSE(ParseMoney("123456789012345678"));
}

TEST(Money, FormatHalvesToEven)
{
    EXPECT_EQ(FormatMoney(125000), "12.50");
    EXPECT_EQ(FormatMoney(1250), "0.12");
    EXPECT_EQ(FormatMoney(1350), "0.14");
    EXPECT_EQ(FormatMoney(-37500), "-3.75");
    EXPECT_EQ(FormatMoney(-1), "0.00");
    EXPECT_EQ(FormatMoney(123456, 4), "12.3456");
    EXPECT_EQ(FormatMoney(125000, 0), "12");
    EXPECT_EQ(MoneyToText(125000), "12.5");
    EXPECT_EQ(MoneyToText(70000), "7");
    EXPECT_EQ(MoneyToText(-5), "-0.0005");
    EXPECT_EQ(DivRoundHalfEven(5, 2), 2);
    EXPECT_EQ(DivRoundHalfEven(7, 2), 4);
    EXPECT_EQ(DivRoundHalfEven(-5, 2), -2);
}

TEST(Parallel, EveryIndexOnceAndProgressFromTheCaller)
{
    std::vector<std::atomic<int>> seen(100'000);
    size_t lastReported = 0;
    const bool complete = ParallelChunks(
        seen.size(), 1000,
        [&](size_t begin, size_t end, unsigned worker) {
            EXPECT_LT(worker, WorkerCount());
            for (size_t i = begin; i < end; ++i)
                ++seen[i];
        },
        [&](size_t done, size_t total) {
            EXPECT_EQ(total, seen.size());
            EXPECT_GT(done, lastReported);
            lastReported = done;
            return true;
        });
    EXPECT_TRUE(complete);
    for (auto& s : seen)
        ASSERT_EQ(s.load(), 1);
}

TEST(Parallel, StopsAndRethrows)
{
    std::atomic<int> chunks{0};
    // The other threads dawdle, so the calling thread's stop after its first
    // chunk comes long before they could finish.
    EXPECT_FALSE(ParallelChunks(
        1'000'000, 10,
        [&](size_t, size_t, unsigned worker) {
            ++chunks;
            if (worker != 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        },
        [](size_t, size_t) { return false; }));
    EXPECT_LT(chunks.load(), 1000);
    EXPECT_THROW(ParallelChunks(100, 1,
                                [](size_t begin, size_t, unsigned) {
                                    if (begin == 50)
                                        throw std::runtime_error("boom");
                                }),
                 std::runtime_error);
    EXPECT_TRUE(ParallelChunks(0, 10, [](size_t, size_t, unsigned) {}));
}

} // namespace
} // namespace belvane
