#include <gtest/gtest.h>

#include "helpers/stakes_fixture.h"
#include "stakes/rating_record.h"
#include "stakes/stake_record.h"
#include "stakes/stake_texts.h"

namespace belvane::stakes {
namespace {

using testing::hexBytes;

std::string encoded(const StakeRecord& r)
{
    std::array<uint8_t, StakeRecordSize> out{};
    EncodeStake(r, out);
    return std::string(out.begin(), out.end());
}

StakeRecord decoded(const std::string& bytes)
{
    return DecodeStake(
        std::span<const uint8_t, StakeRecordSize>(reinterpret_cast<const uint8_t*>(bytes.data()), StakeRecordSize));
}

StakeRecord checkedScenarioStake()
{
    StakeRecord r;
    r.Kind = static_cast<uint8_t>(StakeKind::Scenario);
    r.DrawNumber = 1177;
    r.Checked = true;
    r.ListSize = 8145060;
    r.Count = 6;
    r.Numbers = {3, 7, 15, 20, 21, 22, 0, 0};
    r.Drawn = {3, 15, 7, 42, 1, 2};
    r.Matches = 3;
    r.Matched = {3, 7, 15, 0, 0, 0, 0, 0};
    r.Profit = 80000;
    r.Comment = "Тест";
    return r;
}

TEST(StakeRecord, GoldenBytesOfAStake)
{
    const std::string head = hexBytes("02 03 00 00  99 04 00 00  01 00 00 00  A4 48 7C 00"
                                      "06 00 00 00  03 07 0F 14 15 16 00 00  03 0F 07 2A 01 02  00 00"
                                      "03 00 00 00  03 07 0F 00 00 00 00 00  80 38 01 00 00 00 00 00"
                                      "04 D2 E5 F1 F2");
    std::string expected = head + std::string(StakeRecordSize - head.size(), '\0');
    ASSERT_EQ(expected.size(), 312u);
    EXPECT_EQ(encoded(checkedScenarioStake()), expected);
    EXPECT_EQ(decoded(expected), checkedScenarioStake());
}

TEST(StakeRecord, GoldenBytesOfASeparator)
{
    std::string expected(StakeRecordSize, '\0');
    expected.replace(0, 8, hexBytes("02 00 00 00 FF FF FF FF"));
    expected.replace(36, 4, hexBytes("FF FF FF FF"));
    const StakeRecord separator = MakeSeparator();
    EXPECT_EQ(encoded(separator), expected);
    EXPECT_TRUE(decoded(expected).isSeparator());
    EXPECT_EQ(decoded(expected), separator);
}

TEST(StakeRecord, NewStakeIsSortedAndUnchecked)
{
    const StakeRecord r = MakeStake(StakeKind::Manual, 12, {22, 21, 20, 15, 7, 3}, 55, "c", -20000);
    EXPECT_EQ(r.Version, 2);
    EXPECT_EQ(r.Count, 6);
    EXPECT_EQ((std::vector<int>(r.numbers().begin(), r.numbers().end())), (std::vector<int>{3, 7, 15, 20, 21, 22}));
    EXPECT_FALSE(r.Checked);
    EXPECT_EQ(r.Matches, -1);
    EXPECT_EQ(r.validMatches(), -1);
    EXPECT_EQ(r.Profit, -20000);
}

TEST(StakeRecord, HostileFieldsNeverIndexPastTheirArrays)
{
    StakeRecord r = checkedScenarioStake();
    std::string bytes = encoded(r);
    bytes[16] = '\x7F'; // count 127
    bytes[36] = '\x09'; // matches 9
    bytes[56] = '\xFF'; // comment length 255 of a 255-byte field: fine
    StakeRecord d = decoded(bytes);
    EXPECT_EQ(d.Count, 127);
    EXPECT_EQ(d.numberCount(), 8u);
    EXPECT_EQ(d.matchedNumbers().size(), 0u);
    EXPECT_EQ(d.validMatches(), -1);
    EXPECT_EQ(d.Comment.size(), 8u + 251u); // four letters of two UTF-8 bytes, then the zeros
    bytes[16] = '\xFF';
    bytes[17] = '\xFF';
    bytes[18] = '\xFF';
    bytes[19] = '\xFF'; // count -1
    EXPECT_EQ(decoded(bytes).numberCount(), 0u);
    EXPECT_EQ(StakeCellText(decoded(bytes), 2), "");
}

TEST(RatingRecord, GoldenBytes)
{
    RatingRecord r;
    r.Key = "Ставка";
    r.Count = 10;
    r.MatchesSum = 6;
    r.MatchCounts = {8, 0, 0, 2, 0, 0, 0};
    r.Profit = -15000;
    std::string expected(RatingRecordSize, '\0');
    expected.replace(0, 7, hexBytes("06 D1 F2 E0 E2 EA E0"));
    expected.replace(256, 48,
                     hexBytes("0A 00 00 00 06 00 00 00  08 00 00 00 00 00 00 00 00 00 00 00 02 00 00 00"
                              "00 00 00 00 00 00 00 00 00 00 00 00  00 00 00 00  68 C5 FF FF FF FF FF FF"));
    std::array<uint8_t, RatingRecordSize> out{};
    EncodeRating(r, out);
    EXPECT_EQ(std::string(out.begin(), out.end()), expected);
    EXPECT_EQ(DecodeRating(out), r);
}

TEST(StakeTexts, CellsOfAStakeAndASeparator)
{
    const StakeRecord r = checkedScenarioStake();
    const std::vector<std::string> cells = {
        "1177", "Сценарий", "3;7;15;20;21;22", "8145060", "3;15;7;42;1;2", "3", "3 7 15", "8.00", "Тест"};
    for (int c = 0; c < StakeColumnCount; ++c)
        EXPECT_EQ(StakeCellText(r, c), cells[static_cast<size_t>(c)]) << c;
    StakeRecord unchecked = MakeStake(StakeKind::System, 5, {1, 2, 3, 4, 5, 6}, 7, "x", -20000);
    EXPECT_EQ(StakeCellText(unchecked, 1), "Система");
    EXPECT_EQ(StakeCellText(unchecked, 4), "");
    EXPECT_EQ(StakeCellText(unchecked, 5), "");
    EXPECT_EQ(StakeCellText(unchecked, 7), "-2.00");
    for (int c = 0; c < StakeColumnCount; ++c)
        EXPECT_EQ(StakeCellText(MakeSeparator(), c), "");
    unchecked.Kind = 9;
    EXPECT_EQ(StakeCellText(unchecked, 1), "");
    EXPECT_EQ(StakeGridRowCount(0), 2u);
    EXPECT_EQ(StakeGridRowCount(5), 6u);
    EXPECT_EQ(StakesCountText(5), "Ставок: 5");
}

} // namespace
} // namespace belvane::stakes
