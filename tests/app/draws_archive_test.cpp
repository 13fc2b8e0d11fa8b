#include <gtest/gtest.h>

#include "app/archive_service.h"
#include "app/demo_archive.h"
#include "app/draws_list.h"
#include "app/ratings_service.h"
#include "app/stakes_service.h"
#include "app/statistics_service.h"
#include "helpers/draws_builder.h"
#include "helpers/recording_host.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "support/error.h"
#include "support/file_faults.h"
#include "support/host.h"

namespace belvane::app {
namespace {

using model::TDrawsArray;
using testing::RecordingHost;
using testing::StartedWorkspace;
using testing::TempDir;

TEST(DrawsArchive, MissingFileIsSilent)
{
    TempDir dir;
    StartedWorkspace s(dir.path(), {}, {.Interactive = false});
    EXPECT_TRUE(s->Archive().Draws().empty());
    EXPECT_FALSE(s->Archive().LoadFailed());
    EXPECT_TRUE(s.host.messages.empty());
}

TEST(DrawsArchive, LoadAndSaveShowTheirTexts)
{
    TempDir dir;
    const TDrawsArray draws = MakeDemoDraws(3, 1);
    {
        StartedWorkspace s(dir.path(), {}, {.Interactive = false});
        s.host.statuses.clear();
        ASSERT_TRUE(s->Archive().ReplaceArchive(draws));
        EXPECT_EQ(s.host.statuses.front(), "Сохранение файла тиражей...");
    }
    StartedWorkspace s(dir.path(), {}, {.Interactive = false});
    EXPECT_EQ(s->Archive().Draws(), draws);
    EXPECT_NE(std::find(s.host.statuses.begin(), s.host.statuses.end(), "Загрузка файла тиражей..."),
              s.host.statuses.end());
}

TEST(DrawsArchive, AFailedLoadIsNeverSavedOver)
{
    TempDir dir;
    std::filesystem::create_directory(dir / "Belvane_6x45.ldr"); // unreadable as a file
    StartedWorkspace s(dir.path(), {}, {.Interactive = false});
    ASSERT_TRUE(s->Archive().LoadFailed());
    ASSERT_EQ(s.host.errors().size(), 1u);
    EXPECT_TRUE(s.host.errors()[0].starts_with("Ошибка чтения файла тиражей!\r\rBelvane_6x45.ldr: "))
        << s.host.errors()[0];
    EXPECT_EQ(s.host.messages[0].caption, "Ошибка");

    // Every operation that would write the archive fails with the load's message.
    EXPECT_FALSE(s->Archive().AddDraw(testing::makeDraw(1, {1, 2, 3, 4, 5, 6})));
    EXPECT_FALSE(s->Archive().ReplaceArchive(MakeDemoDraws(2, 1)));
    testing::writeBytes(dir / "in.csv", "1;\"07/12/2002\";10;23;29;33;37;40;16\r\n");
    EXPECT_FALSE(s->Archive().Import(dir / "in.csv"));
    EXPECT_FALSE(s->Archive().Save());
    for (const std::string& e : s.host.errors())
        EXPECT_TRUE(e.starts_with("Ошибка чтения файла тиражей!")) << e;
    EXPECT_TRUE(s->Archive().Draws().empty());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Belvane_6x45.ldr"));

    // Once a load succeeds the archive can be saved again.
    std::filesystem::remove(dir / "Belvane_6x45.ldr");
    EXPECT_TRUE(s->Archive().Load());
    EXPECT_TRUE(s->Archive().AddDraw(testing::makeDraw(1, {1, 2, 3, 4, 5, 6})));
}

TEST(DrawsArchive, NumbersMustBeNewAndPositive)
{
    TempDir dir;
    StartedWorkspace s(dir.path(), {}, {.Interactive = false});
    ASSERT_TRUE(s->Archive().AddDraw(testing::makeDraw(5, {1, 2, 3, 4, 5, 6})));
    EXPECT_FALSE(s->Archive().AddDraw(testing::makeDraw(5, {7, 8, 9, 10, 11, 12})));
    EXPECT_EQ(s.host.errors().back(), "Тираж 5 уже есть в архиве!");
    EXPECT_FALSE(s->Archive().AddDraw(testing::makeDraw(0, {7, 8, 9, 10, 11, 12})));
    EXPECT_EQ(s.host.errors().back(), "Некорректный номер тиража: 0!");
    EXPECT_FALSE(s->Archive().AddDraw(testing::makeDraw(-3, {7, 8, 9, 10, 11, 12})));
    EXPECT_EQ(s->Archive().Draws().size(), 1u);
    const std::vector<int> missing{42};
    try {
        s->Archive().DeleteDrawNumbers(missing);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Тираж 42 не найден в архиве!");
    }
}

TEST(DrawsArchive, DeletingDrawsKeepsTheOffsetInsideTheArchive)
{
    TempDir dir;
    StartedWorkspace s(dir.path(), {}, {.Interactive = false});
    ASSERT_TRUE(s->Archive().ReplaceArchive(MakeDemoDraws(10, 1)));
    s->Archive().SetOffset(8);
    const std::vector<int> numbers{10, 9, 8, 7, 6};
    ASSERT_TRUE(s->Archive().DeleteDrawNumbers(numbers));
    EXPECT_EQ(s->Archive().Offset(), 4);
    EXPECT_EQ(s->Archive().NextDrawPanelText(), "Следующий тираж: 2");
    EXPECT_EQ(s->Statistics().Table().Totals.Total, 6); // the one draw left in the window
}

// Draws 1..4 of 1..6, a stake for draw 2 matching 1..3 and one for draw 3.
struct CheckedStakes {
    TempDir dir;
    StartedWorkspace s{dir.path(), {}, {.Interactive = false}};

    CheckedStakes()
    {
        TDrawsArray draws;
        for (int n = 1; n <= 4; ++n)
            draws.push_back(testing::makeDraw(n, {1, 2, 3, 4, 5, 6}, 7));
        EXPECT_TRUE(s->Archive().ReplaceArchive(draws));
        stake(2, "Вторая", {1, 2, 3, 40, 41, 42});
        stake(3, "Третья", {1, 2, 3, 4, 41, 42});
        s.host.messages.clear();
    }
    void stake(int32_t draw, std::string comment, const model::TComb& numbers)
    {
        const auto record = stakes::MakeStake(stakes::StakeKind::Manual, draw, numbers, 1, std::move(comment), 0);
        EXPECT_TRUE(s->Stakes().AddStake(record, 1));
    }
    stakes::StakeRecord record(size_t i) { return s->Stakes().Record(i); }
    const stakes::RatingRecord* rating(std::string_view key)
    {
        for (const auto& r : s->Ratings().Ratings().records())
            if (r.Key == key)
                return &r;
        return nullptr;
    }
};

TEST(DrawsArchive, ChangedDrawNumbers)
{
    const TDrawsArray before{testing::makeDraw(1, {1, 2, 3, 4, 5, 6}), testing::makeDraw(2, {7, 8, 9, 10, 11, 12})};
    TDrawsArray after = before;
    EXPECT_TRUE(ChangedDrawNumbers(before, after).empty());
    std::swap(after[0].Balls[0], after[0].Balls[5]); // drawn order is not what a stake matches
    after[1].Extra = 30;
    after.push_back(testing::makeDraw(3, {1, 2, 3, 4, 5, 6})); // a new draw changes no check
    EXPECT_TRUE(ChangedDrawNumbers(before, after).empty());
    after[1].Balls[2] = 45;
    EXPECT_EQ(ChangedDrawNumbers(before, after), std::vector<int32_t>{2});
    after.erase(after.begin());
    EXPECT_EQ(ChangedDrawNumbers(before, after), (std::vector<int32_t>{1, 2}));
}

TEST(DrawsArchive, EditedDrawChecksItsStakesAgain)
{
    CheckedStakes c;
    ASSERT_EQ(c.record(0).Matches, 3);
    ASSERT_EQ(c.rating("Вторая")->MatchCounts[3], 1);

    ASSERT_TRUE(c.s->Archive().ReplaceDraw(1, testing::makeDraw(2, {1, 40, 41, 42, 43, 44}, 7)));
    const stakes::StakeRecord again = c.record(0);
    EXPECT_TRUE(again.Checked);
    EXPECT_EQ(again.Matches, 4);
    EXPECT_EQ(again.Drawn, (model::TComb{1, 40, 41, 42, 43, 44}));
    const stakes::RatingRecord* second = c.rating("Вторая");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->Count, 1); // moved, not counted twice
    EXPECT_EQ(second->MatchCounts[3], 0);
    EXPECT_EQ(second->MatchCounts[4], 1);
    EXPECT_EQ(second->MatchesSum, 4);
    EXPECT_EQ(c.record(1).Matches, 4); // another draw's stake stays
    EXPECT_EQ(c.s.host.texts(MessageKind::Information), std::vector<std::string>{RecheckedStakesMessage(1, 1)});

    // Only the date or the extra number changed: no stake is touched, nothing is said.
    c.s.host.messages.clear();
    auto dated = c.s->Archive().Draws()[1];
    dated.Extra = 9;
    ASSERT_TRUE(c.s->Archive().ReplaceDraw(1, dated));
    EXPECT_TRUE(c.s.host.messages.empty());
}

TEST(DrawsArchive, DeletedDrawLeavesItsStakesUnchecked)
{
    CheckedStakes c;
    ASSERT_TRUE(c.s->Archive().DeleteDrawNumbers(std::vector<int>{2}));
    const stakes::StakeRecord back = c.record(0);
    EXPECT_FALSE(back.Checked);
    EXPECT_EQ(back.Matches, stakes::UncheckedMatches);
    EXPECT_EQ(back.Drawn, model::TComb{});
    EXPECT_EQ(back.Profit, 0); // minus the cost of a free stake
    EXPECT_EQ(c.rating("Вторая"), nullptr);
    EXPECT_NE(c.rating("Третья"), nullptr);
    EXPECT_EQ(c.s.host.texts(MessageKind::Information), std::vector<std::string>{RecheckedStakesMessage(1, 0)});
    EXPECT_EQ(RecheckedStakesMessage(1, 0), "Ставки, проверенные по измененным или удаленным тиражам, снова не "
                                            "проверены: 1.\r\rПроверены заново по новым данным: 0.");

    // The draw back under its number: its stake is checked again.
    ASSERT_TRUE(c.s->Archive().AddDraw(testing::makeDraw(5, {1, 2, 3, 4, 5, 6}, 7)));
    auto draws = c.s->Archive().Draws();
    draws.push_back(testing::makeDraw(2, {1, 2, 40, 41, 42, 43}, 7));
    ASSERT_TRUE(c.s->Archive().ReplaceArchive(draws));
    EXPECT_EQ(c.record(0).Matches, 5);
    EXPECT_EQ(c.rating("Вторая")->MatchCounts[5], 1);
}

TEST(DrawsArchive, AFailedSaveLeavesTheStakesCheckedAsBefore)
{
    CheckedStakes c;
    const stakes::StakeRecord before = c.record(0);
    const auto ratings = c.s->Ratings().Ratings().records();
    files::injectFault({files::FaultKind::Write, "Belvane_6x45.ldr", 1});
    EXPECT_FALSE(c.s->Archive().DeleteDrawNumbers(std::vector<int>{2}));
    files::clearFaults();
    EXPECT_EQ(c.record(0), before);
    EXPECT_EQ(c.s->Ratings().Ratings().records(), ratings);
    EXPECT_EQ(c.s->Archive().Draws().size(), 4u); // read again as the file still is
    EXPECT_FALSE(c.s->Stakes().ChangeActive());
}

TEST(DrawsList, CellsNewestFirst)
{
    const TDrawsArray draws{testing::makeDraw(1, {10, 23, 29, 33, 37, 40}, 16, "07/12/2002"),
                            testing::makeDraw(2, {42, 9, 13, 21, 25, 32}, 2, "14/12/2002")};
    const model::TDraw& top = DrawAtRow(draws, 0);
    EXPECT_EQ(top.Number, 2);
    std::vector<std::string> row, sorted;
    for (int c = 0; c < DrawsListColumnCount; ++c) {
        row.push_back(DrawsListCell(top, c, false));
        sorted.push_back(DrawsListCell(top, c, true));
    }
    EXPECT_EQ(row, (std::vector<std::string>{"2", "42", "9", "13", "21", "25", "32", "2", "142", "14/12/2002"}));
    EXPECT_EQ(sorted, (std::vector<std::string>{"2", "9", "13", "21", "25", "32", "42", "2", "142", "14/12/2002"}));
    EXPECT_EQ(ArchiveCountText(0), "Архив тиражей: 0");
    EXPECT_EQ(NextDrawNumberText(1), "Следующий тираж: 1");
}

TEST(DemoArchive, ReproducibleWeeklyValidDraws)
{
    const TDrawsArray a = MakeDemoDraws(60, 7);
    EXPECT_EQ(a, MakeDemoDraws(60, 7));
    EXPECT_NE(a, MakeDemoDraws(60, 8));
    for (size_t i = 0; i < a.size(); ++i) {
        EXPECT_EQ(a[i].Number, static_cast<int>(i) + 1);
        EXPECT_TRUE(model::ValidateDrawText(model::DrawNumbersText(a[i]))) << model::DrawToText(a[i]);
        EXPECT_FALSE(model::InDraw(a[i], a[i].Extra));
        if (i > 0) {
            EXPECT_EQ(model::DateToInt(model::AddDays(*model::IntToDate(a[i - 1].dateInt()), 7)), a[i].dateInt());
        }
    }
    EXPECT_EQ(a[0].dateText(), "04/01/2003");
}

TEST(Host, OneProgressWindowAtATime)
{
    RecordingHost host;
    {
        ProgressScope progress(host, 10, true);
        try {
            host.openProgress(5, false);
            FAIL();
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Окно индикатора уже создано!");
        }
        progress.step(4);
        progress.step(20); // never past the maximum
        host.requestCancel();
        EXPECT_TRUE(progress.cancelled());
    }
    EXPECT_FALSE(host.progressOpen());
    EXPECT_EQ(host.progressPositions, (std::vector<int64_t>{4, 10}));
    host.openProgress(3, true); // a new window starts uncancelled
    EXPECT_FALSE(host.cancelled());
    host.closeProgress();
    EXPECT_EQ(host.progressOpens, 2);
    EXPECT_EQ(host.progressCloses, 2);
    EXPECT_EQ(CompletedPercentText(44.6), "( завершено 45 % )");
}

} // namespace
} // namespace belvane::app
