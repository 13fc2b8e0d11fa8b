#include <gtest/gtest.h>

#include "stakes/backtest_chance.h"
#include "stakes/stake_record.h"
#include "stats/config_data.h"

namespace belvane::stakes {
namespace {

stats::TConfigData usualConfig()
{
    stats::TConfigData c;
    c.Cost = 2 * MoneyScale;
    c.Profits = {{3, 10 * MoneyScale}, {4, 100 * MoneyScale}, {5, 5000 * MoneyScale}, {6, 1'000'000 * MoneyScale}};
    return c;
}

// A checked stake of six numbers with m matches for a draw, as the check leaves it.
StakeRecord checked(std::string comment, int32_t draw, int m, const stats::TConfigData& c)
{
    StakeRecord r;
    r.Kind = static_cast<uint8_t>(StakeKind::Scenario);
    r.DrawNumber = draw;
    r.Checked = true;
    r.Count = 6;
    r.Numbers = {1, 2, 3, 4, 5, 6, 0, 0};
    r.Matches = m;
    r.Profit = stats::SystemStakeCost(c, 6, m);
    r.Comment = std::move(comment);
    return r;
}

// n stakes per draw over `draws` draws from `first`, `hitsPerDraw` of them with three matches.
void play(std::vector<StakeRecord>& out, const std::string& comment, int32_t first, int draws, int n, int hitsPerDraw,
          const stats::TConfigData& c)
{
    for (int32_t d = first; d < first + draws; ++d)
        for (int i = 0; i < n; ++i)
            out.push_back(checked(comment, d, i < hitsPerDraw ? 3 : 1, c));
}

TEST(BacktestChance, TheBestOfManyVariantsIsJudgedForTheirNumber)
{
    const stats::TConfigData c = usualConfig();
    std::vector<StakeRecord> stakes;
    stakes.push_back(MakeSeparator());
    play(stakes, "01.001: a", 1, 100, 15, 0, c); // no hit in 1,500 stakes (about 36 expected)
    play(stakes, "01.002: b", 1, 100, 15, 1, c); // 100 hits: far above chance
    play(stakes, "01.003: c", 1, 100, 10, 0, c);
    stakes.push_back(checked("02.001: someone else's", 5, 6, c)); // not the run's: ignored
    StakeRecord wide = checked("01.002: b", 7, 6, c);             // eight numbers: another law of chance
    wide.Count = 8;
    stakes.push_back(wide);
    StakeRecord waiting = checked("01.002: b", 101, 0, c);
    waiting.Checked = false;
    waiting.Matches = UncheckedMatches;
    stakes.push_back(waiting);

    const std::vector<std::string> comments = {"01.001: a", "01.002: b", "01.003: c", "01.004: made nothing"};
    const BacktestChance r = CompareBacktest(stakes, comments, c);
    ASSERT_EQ(r.Rows.size(), 4u);
    EXPECT_EQ(r.LeftOut, 2u);
    EXPECT_EQ(r.Rows[1].Chosen.Count, 1500);
    EXPECT_EQ(r.Rows[1].ChosenChance.Hits, 100);
    EXPECT_EQ(r.Rows[1].Chosen.Profit, 100 * 8 * MoneyScale - 1400 * 2 * MoneyScale);
    EXPECT_EQ(r.Rows[3].Chosen.Count, 0);
    ASSERT_TRUE(r.Best.has_value());
    EXPECT_EQ(*r.Best, 1u);
    // Three rows with stakes were compared: the best one's chance counts three times.
    EXPECT_DOUBLE_EQ(r.BestAdjustedP, std::min(1.0, 3 * r.Rows[1].ChosenChance.HitsPUpper));
    EXPECT_EQ(r.BestVerdict, ChanceVerdict::Better);
    EXPECT_EQ(r.Rows[1].Verdict, ChanceVerdict::Better);
    EXPECT_EQ(r.Rows[0].Verdict, ChanceVerdict::Worse);
    EXPECT_EQ(r.Rows[3].Verdict, ChanceVerdict::Same);
    EXPECT_FALSE(r.HasHoldout);

    const std::string text = BacktestChanceText(r);
    EXPECT_NE(text.find("Лучший вариант: 01.002: b\n"), std::string::npos) << text;
    EXPECT_NE(text.find("с поправкой на число вариантов (3)"), std::string::npos) << text;
    EXPECT_NE(text.find("хуже случайной игры: 01.001: a\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Не сравнивались ставок (не проверены или больше шести чисел): 2"), std::string::npos);
    EXPECT_EQ(text.find("made nothing"), std::string::npos) << text;
}

TEST(BacktestChance, AHoldoutJudgesTheChoiceOnDrawsItDidNotSee)
{
    const stats::TConfigData c = usualConfig();
    std::vector<StakeRecord> stakes;
    // "b" was lucky on draws 1..80 and is back to chance on the 20 newest.
    play(stakes, "a", 1, 100, 15, 0, c);
    play(stakes, "b", 1, 80, 15, 1, c);
    play(stakes, "b", 81, 20, 15, 0, c);
    const std::vector<std::string> comments = {"a", "b"};
    const BacktestChance r = CompareBacktest(stakes, comments, c, 81, 20);
    ASSERT_TRUE(r.HasHoldout);
    ASSERT_EQ(*r.Best, 1u);
    EXPECT_EQ(r.Rows[1].Chosen.Count, 80 * 15);
    EXPECT_EQ(r.Rows[1].Holdout.Count, 20 * 15);
    EXPECT_EQ(r.Rows[1].HoldoutChance.Hits, 0);
    EXPECT_EQ(r.BestVerdict, ChanceVerdict::Better);
    const std::string text = BacktestChanceText(r);
    EXPECT_NE(text.find("На 20 новейших смещениях (вне выборки выбора): ставок 300, с 3 и более совпадениями 0"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("p = 1.0000, профит -600.00"), std::string::npos) << text;

    // Nothing staked in the hold-out: said so.
    const BacktestChance none = CompareBacktest(stakes, comments, c, 500, 3);
    EXPECT_NE(BacktestChanceText(none).find("На 3 новейших смещениях у лучшего варианта нет проверенных ставок."),
              std::string::npos);
    // Nothing checked at all.
    const BacktestChance empty = CompareBacktest({}, comments, c);
    EXPECT_FALSE(empty.Best.has_value());
    EXPECT_NE(BacktestChanceText(empty).find("Нет проверенных ставок для сравнения."), std::string::npos);
}

} // namespace
} // namespace belvane::stakes
