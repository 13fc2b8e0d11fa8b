// The workspace under faults: injected read and write errors, full archives,
// output paths that are the program's own files, links, leftovers of killed saves.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/demo_archive.h"
#include "app/statistics_service.h"
#include "helpers/draws_builder.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "support/error.h"
#include "support/file_faults.h"
#include "support/file_io.h"
#include "support/ini_document.h"

namespace belvane::app {
namespace {

namespace fs = std::filesystem;
using model::TDrawsArray;
using testing::makeDraw;
using testing::readBytes;
using testing::StartedWorkspace;
using testing::TempDir;
using testing::writeBytes;

constexpr WorkspaceMode kCommandLine{.Interactive = false};

class DataSafety : public ::testing::Test {
protected:
    void TearDown() override { files::clearFaults(); }

    fs::path archivePath() const { return dir / "Belvane_6x45.ldr"; }

    TempDir dir;
};

// A transient read error part-way: the half that arrived is shown, but it is
// not the archive, and nothing may replace the file with it.
TEST_F(DataSafety, AnArchiveThatFailedToLoadIsNeverSavedOver)
{
    testing::writeArchiveFile(dir.path(), MakeDemoDraws(10, 1));
    const std::string before = readBytes(archivePath());
    files::injectFault({files::FaultKind::Read, "Belvane_6x45.ldr", 1});
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    ASSERT_TRUE(s->Archive().LoadFailed());
    EXPECT_EQ(s->Archive().Draws().size(), 5u);
    ASSERT_EQ(s.host.errors().size(), 1u);
    const std::string loadMessage = s.host.errors()[0];
    EXPECT_EQ(loadMessage, "Ошибка чтения файла тиражей!\r\r" + files::systemErrorText(archivePath(), EIO));

    const model::TDraw kept = s->Archive().Draws()[0];
    EXPECT_FALSE(s->Archive().AddDraw(makeDraw(100, {1, 2, 3, 4, 5, 6})));
    EXPECT_FALSE(s->Archive().ReplaceDraw(0, makeDraw(kept.Number, {7, 8, 9, 10, 11, 12})));
    const std::vector<int> numbers{kept.Number};
    EXPECT_FALSE(s->Archive().DeleteDrawNumbers(numbers));
    EXPECT_FALSE(s->Archive().ReplaceArchive(MakeDemoDraws(2, 1)));
    writeBytes(dir / "in.csv", "100;\"07/12/2002\";10;23;29;33;37;40;16\r\n");
    EXPECT_FALSE(s->Archive().Import(dir / "in.csv"));
    EXPECT_FALSE(s->Archive().Save());
    const auto errors = s.host.errors();
    EXPECT_EQ(errors.size(), 7u);
    for (const std::string& e : errors)
        EXPECT_EQ(e, loadMessage);
    EXPECT_EQ(readBytes(archivePath()), before);
    EXPECT_EQ(s->Archive().Draws()[0], kept);
}

TEST_F(DataSafety, AnArchiveOverTheLimitIsNotLoadedAndNotReplaced)
{
    writeBytes(archivePath(), std::string((model::MaxDrawsInFile + 1) * model::DrawRecordSize, '\0'));
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    ASSERT_TRUE(s->Archive().LoadFailed());
    EXPECT_TRUE(s->Archive().Draws().empty());
    EXPECT_FALSE(s->Archive().AddDraw(makeDraw(1, {1, 2, 3, 4, 5, 6})));
    EXPECT_EQ(fs::file_size(archivePath()), (model::MaxDrawsInFile + 1) * model::DrawRecordSize);
}

// Adding past the limit is refused before anything is written.
TEST_F(DataSafety, TheArchiveTakesNoDrawPastTheLimit)
{
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    ASSERT_TRUE(s->Archive().ReplaceArchive(MakeDemoDraws(3, 1)));
    const std::string before = readBytes(archivePath());
    TDrawsArray tooMany(model::MaxDrawsInFile + 1, makeDraw(1, {1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(s->Archive().ReplaceArchive(std::move(tooMany)));
    EXPECT_EQ(s.host.errors().back(), "Архив тиражей не может содержать более 1000000 тиражей!");
    EXPECT_EQ(s->Archive().Draws().size(), 3u);
    EXPECT_EQ(readBytes(archivePath()), before);
}

TEST_F(DataSafety, AFailedSaveIsReportedAndLeavesTheFile)
{
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    ASSERT_TRUE(s->Archive().ReplaceArchive(MakeDemoDraws(3, 1)));
    const std::string before = readBytes(archivePath());
    files::injectFault({files::FaultKind::Write, "Belvane_6x45.ldr", 1});
    EXPECT_FALSE(s->Archive().AddDraw(makeDraw(4, {1, 2, 3, 4, 5, 6})));
    EXPECT_EQ(s.host.errors().back(),
              "Ошибка записи в файл тиражей!\r\r" + files::systemErrorText(archivePath(), ENOSPC));
    EXPECT_EQ(readBytes(archivePath()), before);
}

// The settings written on close: a failure there is a failure of closing.
TEST_F(DataSafety, ClosingReportsAFailedSettingsWrite)
{
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    s->Statistics().SetLength(250);
    files::injectFault({files::FaultKind::Write, "Belvane_6x45.frm", 1});
    EXPECT_FALSE(s->Close());
    ASSERT_FALSE(s.host.errors().empty());
    EXPECT_TRUE(s.host.errors().back().starts_with("Ошибка сохранения параметров программы!"))
        << s.host.errors().back();
    EXPECT_FALSE(IniDocument::load(dir / "Belvane_6x45.frm").valueExists("TFormMain", "DrawsStatLen"));
    EXPECT_TRUE(s->Close()); // closing twice does nothing
}

// However the path names one of the data folder's files, an export or a list
// never replaces it.
TEST_F(DataSafety, OutputPathsThatAreTheProgramsOwnFilesAreRefused)
{
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    ASSERT_TRUE(s->Archive().ReplaceArchive(MakeDemoDraws(3, 1)));
    s->Settings().Set("SortedDraws", 1); // the window-state file exists now
    const std::string archive = readBytes(archivePath());
    fs::remove(dir / "Belvane_6x45.ini");
    fs::create_directory(dir / "elsewhere");
    fs::create_symlink(archivePath(), dir / "elsewhere" / "link.csv");
    fs::create_hard_link(archivePath(), dir / "elsewhere" / "hard.csv");
    fs::create_directory(dir / "Prefetchs");
    writeBytes(dir / "Prefetchs" / "Belvane_6x45_NUMS.dfc", "counts");

    const fs::path own[] = {archivePath(),
                            dir.path() / "." / "Belvane_6x45.ldr",
                            dir / "elsewhere" / ".." / "Belvane_6x45.ldr",
                            dir / "elsewhere" / "link.csv",
                            dir / "elsewhere" / "hard.csv",
                            dir / "Belvane_6x45.frm",
                            dir / "Belvane_6x45.ini", // not written yet: a new file of that name is still ours
                            dir / "Belvane_6x45.~buff",
                            dir / "Prefetchs" / "Belvane_6x45_NUMS.dfc",
                            dir / "Prefetchs" / "new.dfc"};
    for (const fs::path& path : own) {
        s.host.messages.clear();
        EXPECT_FALSE(s->Archive().Export(path)) << path;
        EXPECT_FALSE(s->Combinations().Save(path)) << path;
        ASSERT_EQ(s.host.errors().size(), 2u) << path;
        EXPECT_EQ(s.host.errors()[0], "Файл \"" + path.string() +
                                          "\" - файл данных программы, запись в него невозможна!\r\r"
                                          "Выберите другое имя файла.");
    }
    EXPECT_EQ(readBytes(archivePath()), archive);
    EXPECT_EQ(readBytes(dir / "Prefetchs" / "Belvane_6x45_NUMS.dfc"), "counts");
    EXPECT_TRUE(fs::is_symlink(dir / "elsewhere" / "link.csv"));
    EXPECT_FALSE(fs::exists(dir / "Belvane_6x45.ini"));

    // Files beside them are the user's to write.
    EXPECT_EQ(s->Archive().Export(dir / "Belvane_6x45.csv"), 3);
    EXPECT_EQ(s->Archive().Export(dir / "elsewhere" / "draws.csv"), 3);
    EXPECT_FALSE(s->Files().isOwnFile(dir / "no" / "such" / "folder.csv"));
}

// What the user made and keeps in the data folder is never an output either:
// installed systems, stake and run logs, scenario and parameter files, the
// stakes file's copies and journal, language modules.
TEST_F(DataSafety, OutputPathsOverTheUsersKeptFilesAreRefused)
{
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    ASSERT_TRUE(s->Archive().ReplaceArchive(MakeDemoDraws(3, 1)));
    fs::create_directory(dir / "Systems");
    fs::create_directory(dir / "elsewhere");
    const fs::path kept[] = {dir / "Systems" / "6-08-0_0001.dat",
                             dir / "Belvane_6x45-3.log",
                             dir / "ScriptLog_2026-01-02-03-04-05.txt",
                             dir / "week.lsc",
                             dir / "report.EXP",
                             dir / "Belvane_6x45_ENU.lng",
                             dir / "Belvane_6x45.lsk.old.2",
                             dir / "Belvane_6x45.lsk-journal",
                             dir / "Belvane_6x45.lrt-snapshot"};
    for (const fs::path& path : kept)
        writeBytes(path, "mine");
    fs::create_hard_link(dir / "Systems" / "6-08-0_0001.dat", dir / "elsewhere" / "system.csv");
    fs::create_symlink(dir / "week.lsc", dir / "elsewhere" / "week.csv");

    std::vector<fs::path> refused(std::begin(kept), std::end(kept));
    refused.push_back(dir / "elsewhere" / "system.csv");
    refused.push_back(dir / "elsewhere" / "week.csv");
    refused.push_back(dir / "Systems" / "new.csv"); // not there yet: the folder is the program's
    refused.push_back(dir / "ScriptLog_new.txt");
    for (const fs::path& path : refused) {
        s.host.messages.clear();
        EXPECT_FALSE(s->Archive().Export(path)) << path;
        ASSERT_EQ(s.host.errors().size(), 1u) << path;
        EXPECT_TRUE(s.host.errors()[0].find("файл данных программы") != std::string::npos) << path;
    }
    for (const fs::path& path : kept)
        EXPECT_EQ(readBytes(path), "mine") << path;
    EXPECT_FALSE(fs::exists(dir / "Systems" / "new.csv"));

    // Names that only look alike stay the user's to write.
    EXPECT_EQ(s->Archive().Export(dir / "Belvane_6x45-report.csv"), 3);
    EXPECT_EQ(s->Archive().Export(dir / "ScriptLog.csv"), 3);
    EXPECT_EQ(s->Archive().Export(dir / "elsewhere" / "week.lsc.csv"), 3);
}

TEST_F(DataSafety, TheArchiveIsSavedThroughALinkKeepingItsMode)
{
    fs::create_directory(dir / "synced");
    model::WriteDrawsFile(dir / "synced" / "archive.ldr", MakeDemoDraws(2, 1));
    ::chmod((dir / "synced" / "archive.ldr").c_str(), 0600);
    fs::create_symlink(dir / "synced" / "archive.ldr", archivePath());
    {
        StartedWorkspace s(dir.path(), {}, kCommandLine);
        ASSERT_EQ(s->Archive().Draws().size(), 2u);
        ASSERT_TRUE(s->Archive().AddDraw(makeDraw(3, {1, 2, 3, 4, 5, 6})));
    }
    EXPECT_TRUE(fs::is_symlink(archivePath()));
    EXPECT_EQ(model::ReadDrawsFile(dir / "synced" / "archive.ldr").draws.size(), 3u);
    EXPECT_EQ(fs::status(dir / "synced" / "archive.ldr").permissions(), fs::perms(0600));
}

TEST_F(DataSafety, AReadOnlyArchiveIsNotReplaced)
{
    testing::writeArchiveFile(dir.path(), MakeDemoDraws(2, 1));
    ::chmod(archivePath().c_str(), 0444);
    const std::string before = readBytes(archivePath());
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    EXPECT_FALSE(s->Archive().AddDraw(makeDraw(3, {1, 2, 3, 4, 5, 6})));
    EXPECT_EQ(s.host.errors().back(), "Ошибка записи в файл тиражей!\r\rBelvane_6x45.ldr: файл защищен от записи");
    EXPECT_EQ(readBytes(archivePath()), before);
}

// A save killed before its rename leaves its temporary file; the next start removes it.
TEST_F(DataSafety, StartUpRemovesTheTemporaryFilesOfKilledSaves)
{
    fs::create_directory(dir / "Prefetchs");
    const fs::path stale[] = {files::createTempFileBeside(archivePath()),
                              files::createTempFileBeside(dir / "Prefetchs" / "Belvane_6x45_NUMS.dfc")};
    writeBytes(stale[0], std::string(1000, 'x'));
    writeBytes(dir / "notes.txt", "mine");
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    for (const fs::path& path : stale)
        EXPECT_FALSE(fs::exists(path)) << path;
    EXPECT_TRUE(fs::exists(dir / "notes.txt"));
}

TEST_F(DataSafety, AFifoInsteadOfADataFileDoesNotBlockTheStart)
{
    ASSERT_EQ(::mkfifo(archivePath().c_str(), 0644), 0);
    ASSERT_EQ(::mkfifo((dir / "Belvane_6x45.frm").c_str(), 0644), 0);
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    EXPECT_TRUE(s->Archive().LoadFailed());
    const auto errors = s.host.errors();
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], "Ошибка загрузки параметров программы!\r\rBelvane_6x45.frm: это не обычный файл");
    EXPECT_EQ(errors[1], "Ошибка чтения файла тиражей!\r\rBelvane_6x45.ldr: это не обычный файл");
    EXPECT_FALSE(s->Archive().AddDraw(makeDraw(1, {1, 2, 3, 4, 5, 6})));
    EXPECT_TRUE(fs::is_fifo(archivePath()));
}

TEST_F(DataSafety, AFifoInsteadOfTheStakesFileStopsTheStartWithItsReason)
{
    ASSERT_EQ(::mkfifo((dir / "Belvane_6x45.lsk").c_str(), 0644), 0);
    testing::RecordingHost host;
    Workspace ws(host, DataFiles(dir.path()), {}, kCommandLine);
    ws.Create();
    EXPECT_THROW(ws.Initialise(), StartupFailure);
    ASSERT_EQ(host.errors().size(), 1u);
    EXPECT_EQ(host.errors()[0], "Ошибка чтения файла ставок!\r\rBelvane_6x45.lsk: это не обычный файл");
    EXPECT_TRUE(fs::is_fifo(dir / "Belvane_6x45.lsk"));
}

TEST_F(DataSafety, DrawsAreRefusedWithClearMessages)
{
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    ASSERT_TRUE(s->Archive().AddDraw(makeDraw(5, {1, 2, 3, 4, 5, 6}, 7, "07/12/2002")));
    EXPECT_FALSE(s->Archive().ReplaceDraw(0, makeDraw(0, {1, 2, 3, 4, 5, 6})));
    EXPECT_EQ(s.host.errors().back(), "Некорректный номер тиража: 0!");
    ASSERT_TRUE(s->Archive().AddDraw(makeDraw(6, {1, 2, 3, 4, 5, 6})));
    EXPECT_FALSE(s->Archive().ReplaceDraw(1, makeDraw(5, {1, 2, 3, 4, 5, 6})));
    EXPECT_EQ(s.host.errors().back(), "Тираж 5 уже есть в архиве!");
    // A date is stored only as "dd/mm/yyyy": nothing else reaches the Windows-1251 file.
    EXPECT_FALSE(s->Archive().AddDraw(makeDraw(7, {1, 2, 3, 4, 5, 6}, 7, "07/12/20ы")));
    EXPECT_EQ(s.host.errors().back(), "Некорректная дата тиража: \"07/12/20ы\"!");
    EXPECT_FALSE(s->Archive().ReplaceDraw(0, makeDraw(5, {1, 2, 3, 4, 5, 6}, 7, "31/02/2002")));
    EXPECT_EQ(s->Archive().Draws().size(), 2u);
    EXPECT_EQ(s->Archive().Draws()[0].dateText(), "07/12/2002");
}

// The draw after the largest number a record holds does not exist: no wrap to a negative number.
TEST_F(DataSafety, NoDrawAfterTheLargestNumber)
{
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    ASSERT_TRUE(s->Archive().AddDraw(makeDraw(model::MaxDrawNumber, {1, 2, 3, 4, 5, 6})));
    EXPECT_EQ(s->Archive().NewDraw().Number, 0);
    EXPECT_EQ(s->Archive().NextDrawPanelText(), "Следующий тираж: 2147483648");
    EXPECT_FALSE(s->Archive().AddDraw(s->Archive().NewDraw()));
    EXPECT_EQ(s->Archive().Draws().size(), 1u);
}

// Values a damaged settings file may hold are read as the key's default; out
// of range values are refused when set.
TEST_F(DataSafety, DrawCountSettingsStayInRange)
{
    writeBytes(dir / "Belvane_6x45.frm", "[TFormMain]\r\nDrawsStatLen=-2147483648\r\nDrawsExclude=-1\r\nWeekLen=5\r\n");
    testing::writeArchiveFile(dir.path(), MakeDemoDraws(20, 1));
    StartedWorkspace s(dir.path(), {}, kCommandLine);
    EXPECT_EQ(s->Statistics().Length(), 1000);
    EXPECT_EQ(s->Settings().Get("DrawsExclude"), 0);
    EXPECT_EQ(s->Settings().Get("WeekLen"), 5);
    EXPECT_THROW(s->Settings().Set("DrawsStatLen", 0), Error);
    EXPECT_THROW(s->Settings().Set("DrawsStatLen", 1'000'001), Error);
    EXPECT_EQ(s->Statistics().Length(), 1000);
    s->Settings().Set("DrawsStatLen", 1'000'000);
    EXPECT_EQ(s->Statistics().Length(), 1'000'000);
}

} // namespace
} // namespace belvane::app
