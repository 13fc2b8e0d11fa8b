// The stakes page's colours: by kind of stake, and by the result of a check.

#include <gtest/gtest.h>

#include "stakes/stake_record.h"
#include "views/stake_colors.h"

namespace belvane::views {
namespace {

using stakes::MakeSeparator;
using stakes::MakeStake;
using stakes::StakeKind;

TEST(StakeColors, RowBackgroundFollowsTheKindAndLeavesSeparatorsAndUnknownKindsToTheWindow)
{
    EXPECT_FALSE(StakeRowColor(static_cast<uint8_t>(StakeKind::Separator)).has_value());
    EXPECT_EQ(StakeRowColor(static_cast<uint8_t>(StakeKind::Manual)), (Rgb{234, 255, 234}));
    EXPECT_EQ(StakeRowColor(static_cast<uint8_t>(StakeKind::Scenario)), (Rgb{234, 255, 255}));
    EXPECT_EQ(StakeRowColor(static_cast<uint8_t>(StakeKind::System)), (Rgb{252, 253, 217}));
    EXPECT_FALSE(StakeRowColor(5).has_value());
    EXPECT_FALSE(StakeRowColor(255).has_value());
}

TEST(StakeColors, ResultIsGreenOnlyForAProfitAndAbsentUntilChecked)
{
    stakes::StakeRecord r = MakeStake(StakeKind::Manual, 10, {1, 2, 3, 4, 5, 6}, 1, "", -20000);
    EXPECT_FALSE(StakeResultColor(r).has_value());
    r.Checked = true;
    EXPECT_EQ(StakeResultColor(r), (Rgb{255, 0, 0}));
    r.Profit = 0; // breaking even is no profit
    EXPECT_EQ(StakeResultColor(r), (Rgb{255, 0, 0}));
    r.Profit = 80000;
    EXPECT_EQ(StakeResultColor(r), (Rgb{0, 128, 0}));
    stakes::StakeRecord separator = MakeSeparator();
    separator.Checked = true;
    EXPECT_FALSE(StakeResultColor(separator).has_value());
}

} // namespace
} // namespace belvane::views
