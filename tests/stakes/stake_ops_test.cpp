#include <gtest/gtest.h>

#include "helpers/draws_builder.h"
#include "helpers/stakes_fixture.h"
#include "stakes/stake_access.h"
#include "stakes/stake_check.h"
#include "stakes/stake_log.h"
#include "stakes/stake_ops.h"
#include "support/file_faults.h"

namespace belvane::stakes {
namespace {

using testing::makeDraw;
using testing::stakeFor;
using testing::StakesFolder;

// sep, 3 matches, unchecked, 5 matches, 0 matches, sep, 2 matches.
void fillMixedFile(StakesFolder& f)
{
    AppendSeparator(f.file);
    f.file.Append(MakeSeparator());
    AddStake(f.file, stakeFor(10, {3, 7, 15, 1, 2, 4}));
    AddStake(f.file, stakeFor(11, {3, 7, 15, 1, 2, 4}));
    AddStake(f.file, stakeFor(10, {3, 7, 15, 44, 30, 2}));
    AddStake(f.file, stakeFor(10, {1, 2, 4, 5, 6, 8}));
    AppendSeparator(f.file);
    AddStake(f.file, stakeFor(10, {3, 7, 1, 2, 4, 5}));
    const model::TDrawsArray draws{makeDraw(10, {3, 44, 7, 15, 30, 41})};
    ASSERT_EQ(CheckStakes(f.host, f.file, draws, f.config, f.ratings).Checked, 4u);
}

std::vector<int32_t> matchesOf(StakesFolder& f)
{
    std::vector<int32_t> out;
    for (const auto& r : f.records())
        out.push_back(r.isSeparator() ? 100 : r.Matches);
    return out;
}

TEST(StakeOps, DeleteByConditionKeepsSeparatorsAndUncheckedStakes)
{
    StakesFolder f;
    fillMixedFile(f);
    ASSERT_EQ(matchesOf(f), (std::vector<int32_t>{100, 3, -1, 5, 0, 100, 2}));
    EXPECT_TRUE(DeleteStakesByMatches(f.host, f.file, {MatchCondition::NotLess, 3}));
    EXPECT_EQ(matchesOf(f), (std::vector<int32_t>{100, -1, 0, 100, 2}));
    // Unchecked stakes carry -1, so "less than" takes them too.
    EXPECT_TRUE(DeleteStakesByMatches(f.host, f.file, {MatchCondition::Less, 1}));
    EXPECT_EQ(matchesOf(f), (std::vector<int32_t>{100, 100, 2}));
    EXPECT_FALSE(DeleteStakesByMatches(f.host, f.file, {MatchCondition::Equal, 6}));
    EXPECT_TRUE(f.host.errors().empty());
    EXPECT_EQ(f.host.questions.size(), 0u);
}

TEST(StakeOps, TheCountAskedBeforeDeletingByCondition)
{
    StakesFolder f;
    fillMixedFile(f);
    EXPECT_EQ(CountStakesByMatches(f.file, {MatchCondition::NotLess, 3}), 2u);
    EXPECT_EQ(CountStakesByMatches(f.file, {MatchCondition::Less, 1}), 2u); // the unchecked stake too
    EXPECT_EQ(CountStakesByMatches(f.file, {MatchCondition::Equal, 6}), 0u);
    EXPECT_EQ(DeleteByMatchesQuestion(2), "Удалить ставки, удовлетворяющие условию (всего будет удалено 2 ставок)?");
    EXPECT_EQ(f.records().size(), 7u); // counting deletes nothing
}

TEST(StakeDialogs, TheMultiStakeSummary)
{
    EXPECT_EQ(MultiStakeSummary(7, 3, 2 * MoneyScale), "Будет сделано ставок: 21 на сумму 42.00");
    EXPECT_EQ(MultiStakeSummary(8'145'060, 1, 25'000), "Будет сделано ставок: 8145060 на сумму 20362650.00");
    EXPECT_EQ(MultiStakeSummary(0, 5, MoneyScale), "Будет сделано ставок: 0 на сумму 0.00");
    EXPECT_EQ(MultiStakeSummary(3, 0, MoneyScale), "Будет сделано ставок: 0 на сумму 0.00"); // being typed
}

TEST(StakeOps, DeletionMessagesAndTheOldFileKeptOnFailure)
{
    StakesFolder f;
    fillMixedFile(f);
    const auto before = testing::readBytes(f.dir / testing::StakesFileName);
    // A folder in the way of the new file: nothing changes, the message says why.
    std::filesystem::create_directory(f.dir / "Belvane_6x45.~tmp");
    EXPECT_FALSE(DeleteStakesByMatches(f.host, f.file, {MatchCondition::Equal, 3}));
    ASSERT_EQ(f.host.errors().size(), 1u);
    EXPECT_TRUE(f.host.errors()[0].starts_with("Ошибка удаления записи из файла ставок!\r\r")) << f.host.errors()[0];
    EXPECT_EQ(testing::readBytes(f.dir / testing::StakesFileName), before);
    EXPECT_EQ(f.file.RecordCount(), 7u);
}

TEST(StakeOps, ACancelledDeletionLeavesTheFileAsItWas)
{
    StakesFolder f;
    fillMixedFile(f);
    f.host.cancelAtOpen = true;
    EXPECT_FALSE(DeleteStakesByMatches(f.host, f.file, {MatchCondition::Equal, 3}));
    EXPECT_EQ(f.file.RecordCount(), 7u);
    EXPECT_FALSE(std::filesystem::exists(f.dir / "Belvane_6x45.~tmp"));
}

TEST(StakeOps, ClearingEmptiesTheFileThenRebuildsTheRatings)
{
    StakesFolder f;
    fillMixedFile(f);
    ASSERT_FALSE(f.ratings.empty());
    f.host.yesNoAnswers = {true};
    EXPECT_TRUE(ClearStakes(f.host, f.file, f.ratings));
    EXPECT_TRUE(f.file.Empty());
    ASSERT_EQ(f.host.questions.size(), 1u); // the delete question is the front end's
    EXPECT_EQ(f.host.questions.back().caption, "Подтверждение");
    EXPECT_EQ(f.host.questions.back().text, "Пересчитать рейтинг только по текущим ставкам?\r\rНакопленные ранее "
                                            "данные по удаленным ставкам будут потеряны.");
    EXPECT_TRUE(f.ratings.empty());
    EXPECT_EQ(std::filesystem::file_size(f.ratings.file()), 0u);
}

TEST(StakeOps, ManyStakesForSeveralDrawsAndACancel)
{
    StakesFolder f;
    const std::vector<model::TComb> combs{{6, 5, 4, 3, 2, 1}, {7, 8, 9, 10, 11, 12}, {40, 41, 42, 43, 44, 45}};
    MultiStakeRequest request{50, 2, "мульти", 3};
    AddStakesResult result = AddStakes(f.host, f.file, combs, request, f.config);
    EXPECT_TRUE(result.Completed);
    EXPECT_EQ(result.Stakes, 3u);
    EXPECT_EQ(result.Records, 11u);
    const auto records = f.records();
    ASSERT_EQ(records.size(), 11u);
    EXPECT_EQ(records[0].DrawNumber, 50);
    EXPECT_EQ(records[0].Numbers, (StakeNumbers{1, 2, 3, 4, 5, 6, 0, 0}));
    EXPECT_EQ(records[0].Profit, -2 * MoneyScale);
    EXPECT_EQ(records[0].ListSize, 3);
    EXPECT_EQ(records[0].Comment, "мульти");
    EXPECT_TRUE(records[1].isSeparator());
    EXPECT_EQ(records[2].DrawNumber, 51);
    EXPECT_EQ(records[10].DrawNumber, 51);

    request.Comment = " ";
    EXPECT_FALSE(AddStakes(f.host, f.file, combs, request, f.config).Completed);
    EXPECT_EQ(f.host.errors().back(), "Необходимо ввести комментарий!");

    StakesFolder g;
    std::vector<model::TComb> many(10000, model::TComb{1, 2, 3, 4, 5, 6});
    g.host.cancelAtPosition = 40;
    result = AddStakes(g.host, g.file, many, {1, 1, "c", 1}, g.config);
    EXPECT_TRUE(result.Cancelled);
    EXPECT_FALSE(result.Completed);
    EXPECT_EQ(result.Stakes, 4096u);
    EXPECT_EQ(g.file.RecordCount(), 4096u) << "what was added before the cancel stays";
}

TEST(StakeOps, ManyStakesNeedRoomOnTheDiskBeforeTheFirstIsWritten)
{
    StakesFolder f;
    AddStake(f.file, stakeFor(10, {1, 2, 3, 4, 5, 6}));
    const std::string before = testing::readBytes(f.dir / testing::StakesFileName);
    const std::vector<model::TComb> combs{{6, 5, 4, 3, 2, 1}, {7, 8, 9, 10, 11, 12}, {40, 41, 42, 43, 44, 45}};
    // Three stakes for two draws: each copy after a separator, twelve records at most.
    const uint64_t needed = 12 * StakeRecordSize + (uint64_t{1} << 20);
    files::injectFault(
        {.Kind = files::FaultKind::Space, .FileName = std::string(testing::StakesFileName), .FreeBytes = 1000});
    AddStakesResult result = AddStakes(f.host, f.file, combs, {50, 2, "мульти", 3}, f.config);
    EXPECT_FALSE(result.Completed);
    EXPECT_EQ(result.Stakes, 0u);
    EXPECT_EQ(f.host.errors().back(), "Ошибка добавления записи в файл ставок!\r\rНедостаточно места на диске: для "
                                      "12 записей нужно 1.0 МБ, свободно 0.0 МБ.");
    EXPECT_EQ(testing::readBytes(f.dir / testing::StakesFileName), before) << "nothing half-written";
    files::clearFaults();
    files::injectFault(
        {.Kind = files::FaultKind::Space, .FileName = std::string(testing::StakesFileName), .FreeBytes = needed});
    result = AddStakes(f.host, f.file, combs, {50, 2, "мульти", 3}, f.config);
    files::clearFaults();
    EXPECT_TRUE(result.Completed);
    EXPECT_EQ(f.file.RecordCount(), 1u + 12u);
}

TEST(StakeOps, DeletingTheLogs)
{
    StakesFolder f;
    DeleteStakeLogs(f.host, f.dir.path());
    ASSERT_EQ(f.host.messages.size(), 1u);
    EXPECT_EQ(f.host.messages[0].text, "Файлы журналов не найдены!");
    EXPECT_EQ(f.host.messages[0].kind, MessageKind::Information);

    testing::writeBytes(StakeLogPath(f.dir.path(), 0), "a");
    testing::writeBytes(StakeLogPath(f.dir.path(), 5), "b");
    testing::writeBytes(f.dir / "Belvane_6x45-x.log", "c");
    testing::writeBytes(f.dir / "Belvane_6x45.log", "d");
    DeleteStakeLogs(f.host, f.dir.path());
    EXPECT_EQ(f.host.messages.back().text, "Удалено файлов журналов: 3 из 3.");
    EXPECT_TRUE(FindStakeLogs(f.dir.path()).empty());
    EXPECT_TRUE(std::filesystem::exists(f.dir / "Belvane_6x45.log"));
}

TEST(StakeDialogs, WhatTheStakeDialogAccepts)
{
    EXPECT_EQ(ParseStakeNumbers("22;21,20; 15 ;7;3"), (model::TComb{3, 7, 15, 20, 21, 22}));
    EXPECT_FALSE(ParseStakeNumbers("5;5;1;2;3;4"));
    EXPECT_FALSE(ParseStakeNumbers("0;1;2;3;4;5"));
    EXPECT_FALSE(ParseStakeNumbers("1;2;3;4;5;46"));
    EXPECT_FALSE(ParseStakeNumbers("1;2;3;4;5"));
    EXPECT_FALSE(ParseStakeNumbers("1;2;3;4;5;6;7"));
    EXPECT_FALSE(ParseStakeNumbers("1;2;3;4;5;x"));
    EXPECT_EQ(StakeTextSum("1;x;3,"), 4);

    auto refusal = ValidateStakeDialog(5, "5;5;1;2;3;4", "c", 1);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Message, "Введена некорректная комбинация!");
    EXPECT_EQ(refusal->Focus, StakeDialogField::Numbers);
    refusal = ValidateStakeDialog(5, "1;2;3;4;5;6", "", 1);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Message, "Необходимо ввести комментарий!");
    EXPECT_EQ(refusal->Focus, StakeDialogField::Comment);
    refusal = ValidateStakeDialog(2147483647, "1;2;3;4;5;6", "c", 2);
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Focus, StakeDialogField::DrawsCount);
    EXPECT_FALSE(ValidateStakeDialog(2147483647, "1;2;3;4;5;6", "c", 1));
}

TEST(StakeDialogs, ThePreparedStakeFollowsTheOffset)
{
    const model::TDrawsArray draws = testing::drawsNumbered({1, 2, 3, 4, 5, 6, 7});
    const stats::TConfigData config = testing::configWithPrizes();
    StakeRecord r = PrepareManualStake(draws, 3, 1234, model::TComb{9, 8, 7, 6, 5, 4}, config);
    EXPECT_EQ(r.DrawNumber, 5); // the fourth-newest draw is 4
    EXPECT_EQ(r.Kind, 1);
    EXPECT_EQ(r.Comment, "Ставка \"вручную\"");
    EXPECT_EQ(r.ListSize, 1234);
    EXPECT_EQ(r.Numbers, (StakeNumbers{4, 5, 6, 7, 8, 9, 0, 0}));
    EXPECT_EQ(r.Profit, -2 * MoneyScale);
    EXPECT_EQ(PrepareManualStake({}, 0, 0, std::nullopt, config).DrawNumber, 1);
    EXPECT_EQ(PrepareManualStake(draws, 20, 0, std::nullopt, config).DrawNumber, 1);
}

TEST(StakeDialogs, ConditionsAndTheRememberedChoice)
{
    EXPECT_TRUE(MatchesMeet(MatchCondition::NotLess, 3, 3));
    EXPECT_FALSE(MatchesMeet(MatchCondition::Greater, 3, 3));
    EXPECT_TRUE(MatchesMeet(MatchCondition::NotGreater, -1, 0));
    const StakeFilterChoice choice{MatchCondition::Less, 4};
    EXPECT_EQ(PackStakeFilterChoice(choice), 0x0403);
    const auto back = UnpackStakeFilterChoice(0x0403);
    EXPECT_EQ(back.Condition, MatchCondition::Less);
    EXPECT_EQ(back.Value, 4);
    EXPECT_EQ(UnpackStakeFilterChoice(0x0709).Condition, MatchCondition::Equal);
    EXPECT_EQ(UnpackStakeFilterChoice(0x0709).Value, 0);
}

} // namespace
} // namespace belvane::stakes
