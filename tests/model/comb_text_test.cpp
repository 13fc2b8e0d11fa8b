#include <gtest/gtest.h>

#include "model/comb_text.h"
#include "model/int_list.h"
#include "support/error.h"

namespace belvane::model {
namespace {

TEST(CombText, ParseAcceptsEveryDelimiterAndRuns)
{
    EXPECT_EQ(ParseComb("5,12 23;31|40:44"), (TComb{5, 12, 23, 31, 40, 44}));
    EXPECT_EQ(ParseComb("  1\t2 - 3 .. 4 :5| 6 ;;"), (TComb{1, 2, 3, 4, 5, 6}));
}

TEST(CombText, ParseKeepsWrittenOrderAndReadsNonNumbersAsZero)
{
    EXPECT_EQ(ParseComb("44 40 31 23 12 5"), (TComb{44, 40, 31, 23, 12, 5}));
    EXPECT_EQ(ParseComb("5 12 x 31 40 44"), (TComb{5, 12, 0, 31, 40, 44}));
    // No range or duplicate check, but a value no number byte can hold is no number.
    EXPECT_EQ(ParseComb("1 1 46 99 300 256"), (TComb{1, 1, 46, 99, 0, 0}));
    EXPECT_EQ(ParseComb("-1 2 3 4 5 6"), (TComb{1, 2, 3, 4, 5, 6})); // "-" separates, it is no sign
}

TEST(CombText, ParseRefusesAnyOtherWordCountWithTheText)
{
    for (const char* text : {"5 12 23 31 40", "1 2 3 4 5 6 7", "", ";;;"}) {
        try {
            ParseComb(text);
            FAIL() << text;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), std::string("Некорректная комбинация: \"") + text + "\"!");
        }
    }
}

TEST(CombText, ListAndDisplayForms)
{
    const TComb comb{1, 2, 3, 4, 5, 45};
    EXPECT_EQ(CombToDisplayText(comb), "01 02 03 04 05 45");
    EXPECT_EQ(CombToListText(comb), "1;2;3;4;5;45");
    EXPECT_EQ(ParseComb(CombToDisplayText(comb)), comb);
    EXPECT_EQ(ParseComb(CombToListText(comb)), comb);
}

TEST(CombText, NumberTexts)
{
    EXPECT_EQ(NumberToText(7), "7");
    EXPECT_EQ(NumberToText(45), "45");
    EXPECT_EQ(TextToNumber("45"), 45);
    EXPECT_EQ(TextToNumber("-3"), -3);
    EXPECT_EQ(TextToNumber("4x"), 0);
    EXPECT_EQ(TextToNumber(""), 0);
    EXPECT_EQ(TextToNumber("99999999999"), 0);
    const TByteArray none;
    EXPECT_EQ(JoinNumbers(none, ", "), "");
    const TIntArray values{3, -1, 20};
    EXPECT_EQ(JoinInts(values, ", "), "3, -1, 20");
}

TEST(IntList, SingleValuesAndLists)
{
    EXPECT_EQ(ParseIntList("3"), TIntArray({3}));
    EXPECT_EQ(ParseIntList("1, 2, 3"), TIntArray({1, 2, 3}));
    EXPECT_EQ(ParseIntList("4;1,-2"), TIntArray({4, 1, -2}));
    EXPECT_EQ(ParseIntList("-5"), TIntArray({-5}));
    EXPECT_EQ(ParseIntList(""), TIntArray{});
}

TEST(IntList, RangesWithStep)
{
    EXPECT_EQ(ParseIntList("1-10;2"), TIntArray({1, 3, 5, 7, 9}));
    EXPECT_EQ(ParseIntList(" 1 - 10 , 3 "), TIntArray({1, 4, 7, 10}));
    EXPECT_EQ(ParseIntList("-5--1;2"), TIntArray({-5, -3, -1}));
    EXPECT_EQ(ParseIntList("10-1;-3"), TIntArray({10, 7, 4, 1}));
    EXPECT_EQ(ParseIntList("5-5;1"), TIntArray({5}));
}

TEST(IntList, InvalidTextsGiveNothing)
{
    EXPECT_FALSE(ParseIntList("10-1;2")); // count below one
    EXPECT_FALSE(ParseIntList("1-10;0")); // zero step
    EXPECT_FALSE(ParseIntList("1-10"));   // no step
    EXPECT_FALSE(ParseIntList("1,,2"));
    EXPECT_FALSE(ParseIntList("a-b;c"));
    EXPECT_FALSE(ParseIntList("1, x"));
    // A range longer than any field needs is refused instead of filling memory.
    EXPECT_FALSE(ParseIntList("0-2000000000;1"));
}

} // namespace
} // namespace belvane::model
