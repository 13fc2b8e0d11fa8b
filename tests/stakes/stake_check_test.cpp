#include <gtest/gtest.h>

#include <algorithm>

#include "app/draws_csv.h"
#include "helpers/draws_builder.h"
#include "helpers/stakes_fixture.h"
#include "stakes/rating_record.h"
#include "stakes/stake_access.h"
#include "stakes/stake_check.h"
#include "stakes/stake_dialogs.h"
#include "stakes/stake_log.h"
#include "stakes/stake_ops.h"
#include "stakes/stake_texts.h"
#include "support/cp1251.h"

namespace belvane::stakes {
namespace {

using testing::makeDraw;
using testing::stakeFor;
using testing::StakesFolder;

model::TDrawsArray smallArchive()
{
    return {makeDraw(9, {1, 2, 3, 4, 5, 6}), makeDraw(10, {3, 44, 7, 15, 30, 41}, 9)};
}

TEST(StakeCheck, FillsInStakesWhoseDrawIsInTheArchive)
{
    StakesFolder f;
    AddStake(f.file, stakeFor(10, {22, 21, 20, 15, 7, 3}, "t1"));
    AddStake(f.file, stakeFor(10, {1, 2, 4, 5, 6, 8}, "T1"));
    AddStake(f.file, stakeFor(11, {1, 2, 3, 4, 5, 6}, "t1")); // beyond the archive
    AppendSeparator(f.file);
    StakeRecord seven = stakeFor(10, {3, 7, 15, 44, 1, 2});
    seven.Count = 8;
    seven.Numbers[6] = 30;
    seven.Numbers[7] = 41; // all six drawn numbers among eight
    AddStake(f.file, seven);

    auto draws = smallArchive();
    const CheckOptions log{true, f.dir.path()};
    CheckResult result = CheckStakes(f.host, f.file, draws, f.config, f.ratings, log);
    EXPECT_EQ(result.Checked, 3u);
    EXPECT_TRUE(f.host.errors().empty());
    EXPECT_EQ(f.host.status(), "");

    auto records = f.records();
    const StakeRecord& won = records[0];
    EXPECT_TRUE(won.Checked);
    EXPECT_EQ(won.Drawn, (model::TComb{3, 44, 7, 15, 30, 41}));
    EXPECT_EQ(won.Matches, 3);
    EXPECT_EQ(won.Matched, (StakeNumbers{3, 7, 15, 0, 0, 0, 0, 0}));
    EXPECT_EQ(won.Profit, 8 * MoneyScale); // -2 + 10
    EXPECT_EQ(records[1].Matches, 0);
    EXPECT_EQ(records[1].Profit, -2 * MoneyScale);
    EXPECT_FALSE(records[2].Checked);
    EXPECT_EQ(records[2].Matches, -1);
    EXPECT_EQ(records[2].Profit, -2 * MoneyScale);
    EXPECT_TRUE(records[3].isSeparator());
    EXPECT_FALSE(records[3].Checked);
    EXPECT_EQ(records[4].Matches, 6);
    EXPECT_EQ(records[4].Matched, (StakeNumbers{3, 7, 15, 30, 41, 44, 0, 0}));
    // Eight numbers are 28 stakes of six: -56 + 1000000.
    EXPECT_EQ(records[4].Profit, (1000000 - 56) * MoneyScale);

    // "t1" and "T1" are one rating; it was saved.
    ASSERT_EQ(f.ratings.size(), 1u);
    const RatingRecord& rating = f.ratings.records()[0];
    EXPECT_EQ(rating.Key, "t1");
    EXPECT_EQ(rating.Count, 3);
    EXPECT_EQ(rating.MatchesSum, 9);
    EXPECT_EQ(rating.MatchCounts, (std::array<int32_t, 7>{1, 0, 0, 1, 0, 0, 1}));
    EXPECT_EQ(rating.Profit, (8 - 2 + 1000000 - 56) * MoneyScale);
    EXPECT_EQ(ReadRatingsFile(f.ratings.file()), f.ratings.records());

    // The log line of the stake with three matches, in Windows-1251.
    const std::string log3 = cp1251::toUtf8(testing::readBytes(StakeLogPath(f.dir.path(), 3)));
    // "YYYY.MM.DD hh:mm:ss: " then the fixed text.
    const std::string text = "Тираж № 10. Ставка: \"t1\" [3;7;15;20;21;22] {100}. "
                             "Результаты тиража: [3;44;7;15;30;41]. Совпадений: 3. Профит: 8.00.\r\n";
    ASSERT_EQ(log3.size(), 21 + text.size()) << log3;
    for (size_t i = 0; i < 21; ++i) {
        const char c = log3[i];
        const char expected = "0000.00.00 00:00:00: "[i];
        EXPECT_TRUE(expected == '0' ? (c >= '0' && c <= '9') : c == expected) << log3;
    }
    EXPECT_EQ(log3.substr(21), text);
    EXPECT_TRUE(std::filesystem::exists(StakeLogPath(f.dir.path(), 0)));
    EXPECT_TRUE(std::filesystem::exists(StakeLogPath(f.dir.path(), 6)));

    // The draw arrives: the next check fills in the waiting stake only.
    draws.push_back(makeDraw(11, {1, 2, 3, 40, 41, 42}));
    result = CheckStakes(f.host, f.file, draws, f.config, f.ratings, log);
    EXPECT_EQ(result.Checked, 1u);
    records = f.records();
    EXPECT_EQ(records[2].Matches, 3);
    EXPECT_EQ(records[0].Profit, 8 * MoneyScale);
    EXPECT_EQ(f.ratings.records()[0].Count, 4);
    EXPECT_EQ(CheckStakes(f.host, f.file, draws, f.config, f.ratings).Checked, 0u);
}

TEST(StakeCheck, HostileRecordsAreSkippedOrCountedByDistinctNumbers)
{
    StakesFolder f;
    StakeRecord repeated = stakeFor(10, {3, 3, 3, 7, 0, 99});
    AddStake(f.file, repeated);
    StakeRecord tooMany = stakeFor(10, {3, 7, 15, 44, 30, 41});
    tooMany.Count = 9;
    f.file.Append(tooMany);
    StakeRecord tooFew = tooMany;
    tooFew.Count = 5;
    f.file.Append(tooFew);
    const auto draws = smallArchive();
    EXPECT_EQ(CheckStakes(f.host, f.file, draws, f.config, f.ratings).Checked, 1u);
    const auto records = f.records();
    EXPECT_EQ(records[0].Matches, 2); // 3 and 7, each once
    EXPECT_EQ(records[0].Matched, (StakeNumbers{3, 7, 0, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(records[1].Checked);
    EXPECT_FALSE(records[2].Checked);
}

TEST(StakeCheck, UncheckingPutsStakesBackAndTakesThemOutOfTheRatings)
{
    StakesFolder f;
    f.config.Cost = 2 * MoneyScale;
    f.config.Profits = {{3, 10 * MoneyScale}};
    AddStake(f.file, stakeFor(10, {3, 7, 15, 1, 2, 4}));
    StakeRecord seven = stakeFor(10, {3, 7, 15, 1, 2, 4});
    seven.Count = 7;
    seven.Numbers[6] = 9;
    seven.Comment = "Семь";
    AddStake(f.file, seven);
    AddStake(f.file, stakeFor(11, {3, 7, 15, 1, 2, 4}));
    const model::TDrawsArray draws{makeDraw(10, {3, 44, 7, 15, 30, 41}), makeDraw(11, {1, 2, 3, 4, 5, 6})};
    ASSERT_EQ(CheckStakes(f.host, f.file, draws, f.config, f.ratings).Checked, 3u);
    const auto checkedRatings = f.ratings.records();
    const auto before = f.records();

    const std::vector<int32_t> drawTen{10};
    const UncheckResult r = UncheckStakes(f.host, f.file, drawTen, f.config, f.ratings);
    EXPECT_FALSE(r.Failed);
    EXPECT_EQ(r.Unchecked, 2u);
    EXPECT_EQ(r.DrawNumbers, (std::vector<int32_t>{10, 10}));
    const auto after = f.records();
    EXPECT_FALSE(after[0].Checked);
    EXPECT_EQ(after[0].Matches, UncheckedMatches);
    EXPECT_EQ(after[0].Matched, StakeNumbers{});
    EXPECT_EQ(after[0].Profit, -2 * MoneyScale);
    EXPECT_EQ(after[1].Profit, -14 * MoneyScale); // seven numbers: seven combinations
    EXPECT_EQ(after[2], before[2]);               // another draw's stake
    ASSERT_EQ(f.ratings.size(), 1u);              // "Семь" had only that stake
    EXPECT_EQ(f.ratings.records()[0].Count, 1);

    // Checked again against the same draw: as it was, ratings included.
    ASSERT_EQ(CheckStakes(f.host, f.file, draws, f.config, f.ratings).Checked, 2u);
    EXPECT_EQ(f.records(), before);
    auto sorted = [](TRatingsArray a) {
        std::sort(a.begin(), a.end(), [](const RatingRecord& x, const RatingRecord& y) { return x.Key < y.Key; });
        return a;
    };
    EXPECT_EQ(sorted(f.ratings.records()), sorted(checkedRatings));
    EXPECT_TRUE(f.host.errors().empty());
}

TEST(StakeCheck, ShowsProgressAndKeepsWhatWasDoneWhenCancelled)
{
    StakesFolder f;
    f.file.Append(MakeSeparator());
    StakeAppender appender(f.file);
    for (int i = 0; i < 1000; ++i)
        appender.Add(stakeFor(10, {1, 2, 3, 4, 5, 6}));
    appender.Flush();
    const auto draws = smallArchive();

    f.host.cancelAtPosition = 30;
    const CheckResult result = CheckStakes(f.host, f.file, draws, f.config, f.ratings);
    EXPECT_TRUE(result.Cancelled);
    EXPECT_EQ(result.Checked, 300u);       // ten stakes a part, stopped after the 30th
    EXPECT_TRUE(f.file.Read(300).Checked); // record 0 is the separator
    EXPECT_FALSE(f.file.Read(301).Checked);
    EXPECT_EQ(f.ratings.records().at(0).Count, 300);
    EXPECT_EQ(ReadRatingsFile(f.ratings.file()).at(0).Count, 300);
    EXPECT_NE(
        std::find(f.host.statuses.begin(), f.host.statuses.end(), "Проверка результатов ставок ( завершено 1 % )..."),
        f.host.statuses.end());

    f.host.cancelAtPosition = -1;
    EXPECT_EQ(CheckStakes(f.host, f.file, draws, f.config, f.ratings).Checked, 700u);
    EXPECT_NE(
        std::find(f.host.statuses.begin(), f.host.statuses.end(), "Проверка результатов ставок ( завершено 100 % )..."),
        f.host.statuses.end());
    EXPECT_EQ(f.host.progressOpens, f.host.progressCloses);
}

TEST(StakeCheck, ALogFailureIsShownOncePerCheck)
{
    StakesFolder f;
    for (const model::TComb& c : {model::TComb{3, 7, 15, 1, 2, 4}, model::TComb{3, 7, 15, 30, 2, 4},
                                  model::TComb{5, 6, 8, 9, 10, 11}, model::TComb{3, 6, 8, 9, 10, 11}})
        AddStake(f.file, stakeFor(10, c));
    const auto draws = smallArchive();
    const CheckOptions log{true, f.dir / "no such folder"};
    EXPECT_EQ(CheckStakes(f.host, f.file, draws, f.config, f.ratings, log).Checked, 4u);
    ASSERT_EQ(f.host.errors().size(), 1u);
    EXPECT_TRUE(f.host.errors()[0].starts_with("Ошибка записи в файл \"")) << f.host.errors()[0];
}

TEST(StakeLog, AFileGrownPastTheCapStartsAfresh)
{
    testing::TempDir dir;
    std::array<uint8_t, StakeRecordSize> record{};
    EncodeStake(stakeFor(10, {1, 2, 3, 4, 5, 6}), record);
    testing::writeBytes(StakeLogPath(dir.path(), 0), std::string(150, 'x'));
    {
        StakeLogWriter writer(dir.path(), 100);
        writer.Write(0, 0, record);
        writer.Write(0, 0, record); // 150 + a line is past 100 by now
        writer.Flush();
        EXPECT_FALSE(writer.Failed());
    }
    const std::string content = testing::readBytes(StakeLogPath(dir.path(), 0));
    EXPECT_EQ(content.find('x'), std::string::npos);
    EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 1);
    EXPECT_TRUE(content.ends_with(".\r\n"));
}

TEST(StakeLog, NamesAndDeletion)
{
    EXPECT_EQ(StakeLogPath("/d", 3), std::filesystem::path("/d/Belvane_6x45-3.log"));
    EXPECT_TRUE(IsStakeLogName("Belvane_6x45-3.log"));
    EXPECT_TRUE(IsStakeLogName("Belvane_6x45-old.log"));
    EXPECT_FALSE(IsStakeLogName("Belvane_6x45.log"));
    EXPECT_FALSE(IsStakeLogName("Belvane_6x45-3.lsk"));
    EXPECT_FALSE(IsStakeLogName("Other-3.log"));
}

} // namespace
} // namespace belvane::stakes

namespace belvane::stakes {
namespace {

// The newest real draw, staked from one draw back, checked at once.
TEST(StakeCheckRealData, AStakeOnTheNewestDraw)
{
    BELVANE_REQUIRE_SHARED_DATA(csv, "draws-6x45-real.csv");
    model::TDrawsArray draws;
    app::AppendDrawsFromCsv(cp1251::toUtf8(testing::readBytes(csv)), draws);
    ASSERT_EQ(draws.back().Number, 1177);

    StakesFolder f;
    StakeRecord stake = PrepareManualStake(draws, 1, 1000, ParseStakeNumbers("22;21;20;15;7;3"), f.config);
    stake.Comment = "t1";
    ASSERT_TRUE(AddStake(f.host, f.file, stake, 1));
    EXPECT_EQ(CheckStakes(f.host, f.file, draws, f.config, f.ratings).Checked, 1u);
    const StakeRecord r = f.file.Read(0);
    EXPECT_EQ(r.DrawNumber, 1177);
    EXPECT_EQ(r.Matches, 3);
    EXPECT_EQ(StakeCellText(r, 6), "3 7 15");
    EXPECT_EQ(StakeCellText(r, 7), "8.00");
    EXPECT_EQ(std::filesystem::file_size(f.dir / testing::StakesFileName), 312u);
}

} // namespace
} // namespace belvane::stakes
