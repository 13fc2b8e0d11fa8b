// Regular stakes in the core: the shift around the circle, the 280-byte
// record and the file, the dialog's rules and comments compared without
// letter case.

#include <gtest/gtest.h>
#include <limits>

#include "helpers/draws_builder.h"
#include "helpers/temp_dir.h"
#include "stakes/regular_rules.h"
#include "stakes/regular_shift.h"
#include "stakes/regular_table.h"
#include "stakes/stake_dialogs.h"
#include "support/error.h"

namespace belvane::testing {
namespace {

using stakes::RegularStake;

RegularStake regular(std::string comment, model::TComb start, int step,
                     stakes::RegularBase base = stakes::RegularBase::Combination)
{
    RegularStake r;
    r.Comment = std::move(comment);
    r.Base = base;
    r.Start = r.Current = start;
    r.Step = step;
    return r;
}

std::string encoded(const RegularStake& r)
{
    std::string bytes(stakes::RegularStakeRecordSize, '\0');
    stakes::EncodeRegularStake(r, std::span<uint8_t, stakes::RegularStakeRecordSize>(
                                      reinterpret_cast<uint8_t*>(bytes.data()), stakes::RegularStakeRecordSize));
    return bytes;
}

TEST(RegularShift, NumbersWrapAroundTheCircleAndComeBackSorted)
{
    EXPECT_EQ(stakes::ShiftComb({41, 42, 43, 44, 45, 1}, 5), (model::TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(stakes::ShiftComb({1, 2, 3, 10, 20, 30}, -3), (model::TComb{7, 17, 27, 43, 44, 45}));
    const model::TComb comb{1, 9, 17, 33, 44, 45};
    for (int step : {0, 45, -45})
        EXPECT_EQ(stakes::ShiftComb(comb, step), comb) << step;
    EXPECT_EQ(stakes::ShiftNumber(45, 1), 1);
    EXPECT_EQ(stakes::ShiftNumber(1, -1), 45);
    EXPECT_EQ(stakes::ShiftNumber(44, 1), 45);
}

TEST(RegularShift, TheNewestDrawModeShiftsTheDrawVisibleAtTheOffset)
{
    const model::TDrawsArray draws{makeDraw(1, {30, 2, 3, 4, 5, 6}), makeDraw(2, {40, 12, 13, 14, 15, 16})};
    const RegularStake fromDraw = regular("r", {1, 2, 3, 4, 5, 6}, 1, stakes::RegularBase::LastDraw);
    EXPECT_EQ(stakes::NextRegularComb(fromDraw, draws, 0), (model::TComb{13, 14, 15, 16, 17, 41}));
    EXPECT_EQ(stakes::NextRegularComb(fromDraw, draws, 1), (model::TComb{3, 4, 5, 6, 7, 31}));
    // Six equal numbers or zeros would be staked: refused instead.
    EXPECT_THROW(stakes::NextRegularComb(fromDraw, {}, 0), Error);
    EXPECT_THROW(stakes::NextRegularComb(fromDraw, draws, 2), Error);
    // The other mode never looks at the archive.
    EXPECT_EQ(stakes::NextRegularComb(regular("r", {1, 2, 3, 4, 5, 6}, 1), {}, 0), (model::TComb{2, 3, 4, 5, 6, 7}));

    RegularStake moving = regular("r", {1, 2, 3, 4, 5, 6}, 1);
    moving.Stakes = std::numeric_limits<int32_t>::max();
    stakes::AdvanceRegular(moving, {2, 3, 4, 5, 6, 7});
    EXPECT_EQ(moving.Current, (model::TComb{2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(moving.Stakes, std::numeric_limits<int32_t>::max()); // stops instead of wrapping
}

TEST(RegularTable, TheRecordLaysItsFieldsOutAtTheirOffsets)
{
    RegularStake r = regular("Рег", {1, 2, 3, 4, 5, 6}, -3, stakes::RegularBase::LastDraw);
    r.Current = {7, 8, 9, 10, 11, 12};
    r.Stakes = 258;
    const std::string bytes = encoded(r);
    EXPECT_EQ(bytes.substr(0, 4), "\x03\xD0\xE5\xE3"); // Windows-1251
    EXPECT_EQ(bytes[256], '\x01');
    EXPECT_EQ(bytes.substr(257, 12), std::string("\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C", 12));
    EXPECT_EQ(bytes.substr(269, 3), std::string(3, '\0'));
    EXPECT_EQ(bytes.substr(272, 4), "\xFD\xFF\xFF\xFF");
    EXPECT_EQ(bytes.substr(276, 4), std::string("\x02\x01\x00\x00", 4));
    EXPECT_EQ(stakes::DecodeRegularStake(std::span<const uint8_t, stakes::RegularStakeRecordSize>(
                  reinterpret_cast<const uint8_t*>(bytes.data()), stakes::RegularStakeRecordSize)),
              r);
}

TEST(RegularTable, TheFileIsReadOnlyWhenEveryRecordIsInRange)
{
    TempDir dir;
    const auto file = dir / "Belvane_6x45.ltb";
    const std::vector<RegularStake> records{regular("один", {1, 2, 3, 4, 5, 6}, 1),
                                            regular("два", {40, 41, 42, 43, 44, 45}, 45)};
    stakes::WriteTablesFile(file, records);
    EXPECT_EQ(readBytes(file).size(), 2 * stakes::RegularStakeRecordSize);
    EXPECT_EQ(stakes::ReadTablesFile(file), records);

    const std::string good = encoded(records[0]);
    auto refused = [&](std::string bytes, const char* why) {
        writeBytes(file, bytes);
        try {
            stakes::ReadTablesFile(file);
            ADD_FAILURE() << why << " was read";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("Belvane_6x45.ltb"), std::string::npos) << e.what();
        }
    };
    refused(good + "x", "a torn record");
    std::string bad = good;
    bad[256] = 2;
    refused(good + bad, "base mode 2");
    bad = good;
    bad[272] = 46;
    refused(bad, "step 46");
    bad = good;
    bad[272] = '\xD2'; // -46
    bad[273] = bad[274] = bad[275] = '\xFF';
    refused(bad, "step -46");
    bad = good;
    bad[258] = 1; // 1;1;3;...
    refused(bad, "a repeated start number");
    bad = good;
    bad[268] = 46;
    refused(bad, "a current number 46");
    bad = good;
    bad[263] = 0;
    refused(bad, "a current number 0");
}

TEST(RegularRules, CommentsDifferOnlyBeyondLetterCaseCyrillicIncluded)
{
    EXPECT_TRUE(stakes::SameRegularComment("Регулярная ставка", "РЕГУЛЯРНАЯ СТАВКА"));
    EXPECT_TRUE(stakes::SameRegularComment("ёлка Abc", "ЁЛКА aBC"));
    EXPECT_FALSE(stakes::SameRegularComment("ёлка", "елка"));
    EXPECT_FALSE(stakes::SameRegularComment("Регулярная ставка (1)", "Регулярная ставка (2)"));
    // Comments the file would cut to the same 255 characters are the same.
    EXPECT_TRUE(stakes::SameRegularComment(std::string(255, 'a') + "1", std::string(255, 'A') + "2"));
    const std::vector<std::string> comments{"Первая", "Вторая"};
    EXPECT_TRUE(stakes::RegularCommentTaken(comments, "ВТОРАЯ"));
    EXPECT_FALSE(stakes::RegularCommentTaken(comments, "Третья"));
    EXPECT_EQ(stakes::NumberedRegularComment("Регулярная ставка", 12), "Регулярная ставка (12)");
}

TEST(RegularRules, TheDialogRefusesItsFieldsInTheirOrder)
{
    const std::vector<std::string> comments{"Регулярная ставка"};
    stakes::RegularDialogInput in;
    in.Comment = "Новая";
    in.Combinations = 1;
    in.StartText = "1;2;3;4;5;5";
    auto refusal = stakes::ValidateRegularDialog(in, comments);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Message, stakes::InvalidStakeMessage);
    EXPECT_EQ(refusal->Focus, stakes::RegularDialogField::Start);

    // No combination selected: the start is asked for, not skipped.
    in.Combinations = 0;
    in.StartText = "";
    ASSERT_TRUE(stakes::ValidateRegularDialog(in, comments));
    in.StartText = "45,1,2;3;4;5";
    EXPECT_FALSE(stakes::ValidateRegularDialog(in, comments));

    // Several combinations, or the previous draw: the start field is not read.
    in.StartText = std::string(stakes::SelectedCombsText);
    in.Combinations = 3;
    EXPECT_FALSE(stakes::ValidateRegularDialog(in, comments));
    in.Combinations = 0;
    in.UseLastDraw = true;
    EXPECT_FALSE(stakes::ValidateRegularDialog(in, comments));

    in.Comment = "  ";
    refusal = stakes::ValidateRegularDialog(in, comments);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Message, stakes::EmptyCommentMessage);
    EXPECT_EQ(refusal->Focus, stakes::RegularDialogField::Comment);

    in.Comment = "РЕГУЛЯРНАЯ ставка";
    refusal = stakes::ValidateRegularDialog(in, comments);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Message, stakes::DuplicateRegularCommentMessage);
}

} // namespace
} // namespace belvane::testing
