#include <gtest/gtest.h>

#include "app/archive_service.h"
#include "app/demo_archive.h"
#include "app/draws_list.h"
#include "app/statistics_service.h"
#include "helpers/draws_builder.h"
#include "helpers/recording_host.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "support/error.h"
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
