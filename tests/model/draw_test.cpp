#include <gtest/gtest.h>

#include "helpers/draws_builder.h"
#include "model/display_texts.h"
#include "model/draw.h"

namespace belvane::model {
namespace {

using testing::makeDraw;

std::array<uint8_t, DrawRecordSize> encoded(const TDraw& d)
{
    std::array<uint8_t, DrawRecordSize> bytes{};
    EncodeDraw(d, bytes);
    return bytes;
}

TEST(DrawRecord, LayoutIsLittleEndianFieldByField)
{
    const auto bytes = encoded(makeDraw(0x01020304, {5, 12, 23, 31, 40, 44}, 17, "07/03/2015"));
    // clang-format off
    const std::array<uint8_t, DrawRecordSize> expected{
        0x04, 0x03, 0x02, 0x01, 5, 12, 23, 31, 40, 44, 17, 10,
        '0', '7', '/', '0', '3', '/', '2', '0', '1', '5', 0, 0};
    // clang-format on
    EXPECT_EQ(bytes, expected);
}

TEST(DrawRecord, RoundTripKeepsDrawnOrderAndDate)
{
    const TDraw d = makeDraw(1177, {43, 3, 19, 7, 16, 15}, 21, "21/06/2025");
    const TDraw back = DecodeDraw(encoded(d));
    EXPECT_EQ(back, d);
    EXPECT_EQ(back.Balls, (TComb{43, 3, 19, 7, 16, 15}));
    EXPECT_EQ(back.dateInt(), 20250621);
}

TEST(DrawRecord, HostileLengthByteAndDateBytes)
{
    auto bytes = encoded(makeDraw(1, {1, 2, 3, 4, 5, 6}, 7, "07/03/2015"));
    bytes[11] = 200; // a length byte beyond the ten date characters
    EXPECT_EQ(DecodeDraw(bytes).dateText(), "07/03/2015");
    bytes[11] = 3;
    bytes[13] = 0xFF;
    EXPECT_EQ(DecodeDraw(bytes).dateText(), "0?/");
    bytes[11] = 0;
    EXPECT_EQ(DecodeDraw(bytes).dateText(), "");
    EXPECT_EQ(DecodeDraw(bytes).dateInt(), 0);
}

TEST(DrawRecord, LongDateTextIsCutToTen)
{
    TDraw d;
    d.setDateText("07/03/2015 12:00");
    EXPECT_EQ(d.dateText(), "07/03/2015");
}

TEST(DrawRecord, SortedViewLeavesTheRecordAlone)
{
    const TDraw d = makeDraw(1, {43, 3, 19, 7, 16, 15}, 21);
    EXPECT_EQ(ViewBalls(d, true), (TComb{3, 7, 15, 16, 19, 43}));
    EXPECT_EQ(ViewBalls(d, false), d.Balls);
    EXPECT_EQ(SortedDraw(d).Balls, (TComb{3, 7, 15, 16, 19, 43}));
    EXPECT_EQ(d.sum(), 103);
    EXPECT_TRUE(InDraw(d, 19));
    EXPECT_FALSE(InDraw(d, 21)); // the extra number is not one of the six
}

TEST(DrawRecord, DrawText)
{
    const TDraw d = makeDraw(12, {5, 12, 23, 31, 40, 44}, 17, "07/03/2015");
    EXPECT_EQ(DrawToText(d), "Тираж № 12 от 07/03/2015, значения: 5;12;23;31;40;44 e:17");
    EXPECT_EQ(DrawNumbersText(d), "5;12;23;31;40;44;17");
}

TEST(DrawValidation, AcceptsSixDistinctAndAnyExtra)
{
    EXPECT_TRUE(ValidateDrawText("1;2;3;4;5;6;7"));
    EXPECT_TRUE(ValidateDrawText("1;2;3;4;5;6;6")); // the extra may repeat a main number
    EXPECT_TRUE(ValidateDrawText(" 45 , 44,43;42;41 ;40; 1"));
    const auto parsed = ParseDrawText("44;1;30;2;29;3;45");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Balls, (TComb{44, 1, 30, 2, 29, 3})); // order typed
    EXPECT_EQ(parsed->Extra, 45);
}

TEST(DrawValidation, Refusals)
{
    for (const char* text : {"1;2;3;4;5;5;7", "0;2;3;4;5;6;7", "1;2;3;4;5;46;7", "1;2;3;4;5;6", "1;2;3;4;5;6;0",
                             "1;2;3;4;5;6;46", "1;2;3;4;5;6;7;8", "1 2 3 4 5 6 7", "1;2;3;x;5;6;7", ""})
        EXPECT_FALSE(ValidateDrawText(text)) << text;
}

TEST(DisplayTexts, DiffText)
{
    EXPECT_EQ(DiffText("15", 10), "+5");
    EXPECT_EQ(DiffText("10", 10), "0");
    EXPECT_EQ(DiffText("7", 10), "-3");
    EXPECT_EQ(DiffText("-4", 0), "-");
    EXPECT_EQ(DiffText("abc", 0), "-");
}

TEST(DisplayTexts, StakeOrigins)
{
    EXPECT_EQ(StakeOriginText(1), "Вручную");
    EXPECT_EQ(StakeOriginText(2), "Регуляр");
    EXPECT_EQ(StakeOriginText(3), "Сценарий");
    EXPECT_EQ(StakeOriginText(4), "Система");
    EXPECT_EQ(StakeOriginText(0), "");
    EXPECT_EQ(StakeOriginText(5), "");
}

} // namespace
} // namespace belvane::model
