#include <gtest/gtest.h>

#include "app/demo_archive.h"
#include "app/draws_archive.h"
#include "app/draws_list.h"
#include "app/host.h"
#include "helpers/draws_builder.h"
#include "helpers/recording_host.h"
#include "helpers/temp_dir.h"
#include "support/error.h"

namespace belvane::app {
namespace {

using model::TDrawsArray;
using testing::RecordingHost;
using testing::TempDir;

TEST(DrawsArchive, MissingFileIsSilent)
{
    TempDir dir;
    RecordingHost host;
    TDrawsArray draws;
    EXPECT_TRUE(LoadDraws(host, dir / "Belvane_6x45.ldr", draws));
    EXPECT_TRUE(draws.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.statuses.empty());
}

TEST(DrawsArchive, LoadAndSaveShowTheirTexts)
{
    TempDir dir;
    RecordingHost host;
    const TDrawsArray draws = MakeDemoDraws(3, 1);
    ASSERT_TRUE(SaveDraws(host, dir / "Belvane_6x45.ldr", draws));
    TDrawsArray loaded;
    ASSERT_TRUE(LoadDraws(host, dir / "Belvane_6x45.ldr", loaded));
    EXPECT_EQ(loaded, draws);
    EXPECT_EQ(host.statuses,
              (std::vector<std::string>{"Сохранение файла тиражей...", "", "Загрузка файла тиражей...", ""}));
}

TEST(DrawsArchive, FailuresShowTheExactMessages)
{
    TempDir dir;
    RecordingHost host;
    const auto path = dir / "Belvane_6x45.ldr";
    std::filesystem::create_directory(path);
    TDrawsArray draws = testing::drawsNumbered({1, 2});
    EXPECT_FALSE(LoadDraws(host, path, draws));
    EXPECT_FALSE(SaveDraws(host, path, draws));
    const auto errors = host.errors();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_TRUE(errors[0].starts_with("Ошибка чтения файла тиражей!\r\rBelvane_6x45.ldr: ")) << errors[0];
    EXPECT_TRUE(errors[1].starts_with("Ошибка записи в файл тиражей!\r\rBelvane_6x45.ldr: ")) << errors[1];
    EXPECT_EQ(host.messages[0].caption, "Ошибка");
    EXPECT_EQ(host.statuses.back(), "");
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
