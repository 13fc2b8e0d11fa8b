// belvane-cli under faults: every failed read or write ends the command with
// exit code 1 and the data files as they were.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "helpers/cli_runner.h"
#include "helpers/operator_site.h"
#include "helpers/temp_dir.h"
#include "model/draws_file.h"
#include "support/file_io.h"

namespace belvane::testing {
namespace {

namespace fs = std::filesystem;

class DataSafetyCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args, const CliRunOptions& options = {})
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args, options);
    }
    // The command with the file layer failing as `faults` says (see support/file_faults.h).
    CliResult runFailing(const std::string& faults, std::vector<std::string> args)
    {
        return run(std::move(args), {.env = {"BELVANE_FILE_FAULTS=" + faults}});
    }
    fs::path archivePath() const { return dir / "Belvane_6x45.ldr"; }
    void makeArchive(int count = 10)
    {
        ASSERT_EQ(run({"draws", "demo", "--count", std::to_string(count)}).exitCode, 0);
    }

    TempDir dir;
};

TEST_F(DataSafetyCli, AReadErrorOnTheArchiveFailsEveryCommandAndSavesNothing)
{
    makeArchive();
    const std::string before = readBytes(archivePath());
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"draws", "add", "1;2;3;4;5;6;7"}, {"draws", "delete", "1"}, {"draws", "list"}, {"draws", "demo"}}) {
        const CliResult r = runFailing("read:Belvane_6x45.ldr:1", args);
        EXPECT_EQ(r.exitCode, 1) << args[1];
        EXPECT_TRUE(r.err.starts_with("Ошибка чтения файла тиражей!\n\nBelvane_6x45.ldr: ")) << r.err;
        EXPECT_EQ(readBytes(archivePath()), before) << args[1];
    }
}

TEST_F(DataSafetyCli, AFailedWriteIsAFailedCommand)
{
    makeArchive();
    ASSERT_EQ(run({"settings", "get", "DrawsStatLen"}).out, "1000\n"); // first start done
    const std::string archive = readBytes(archivePath());
    const std::string settings = readBytes(dir / "Belvane_6x45.frm");

    // A key written on close: the value is not reported as set when its write failed.
    CliResult r = runFailing("write:Belvane_6x45.frm:-1", {"settings", "set", "DrawsStatLen", "250"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("Ошибка сохранения параметров программы!"), std::string::npos) << r.err;
    // A key written at once.
    r = runFailing("write:Belvane_6x45.frm:-1", {"settings", "set", "SortedDraws", "true"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(readBytes(dir / "Belvane_6x45.frm"), settings);
    EXPECT_EQ(run({"settings", "get", "DrawsStatLen"}).out, "1000\n");

    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"draws", "add", "1;2;3;4;5;6;7"},
             {"draws", "edit", "1", "1;2;3;4;5;6;7"},
             {"draws", "delete", "1"},
             {"draws", "import", (dir / "in.csv").string()},
             {"draws", "export", (dir / "out.csv").string()},
             {"combs", "generate", "--mode", "2", "--param", "1,2,3,4,5,6,7", "--out", (dir / "l.lcv").string()}}) {
        writeBytes(dir / "in.csv", "100;\"01/01/2020\";1;2;3;4;5;6;7\r\n");
        r = runFailing("write:*:-1", args);
        EXPECT_EQ(r.exitCode, 1) << args[1] << "\n" << r.out;
        EXPECT_FALSE(r.err.empty()) << args[1];
        EXPECT_EQ(readBytes(archivePath()), archive) << args[1];
    }
    EXPECT_FALSE(fs::exists(dir / "out.csv"));
    EXPECT_FALSE(fs::exists(dir / "l.lcv"));

    // One prefetch file that cannot be written.
    r = runFailing("write:Belvane_6x45_SMAL.dfc:1", {"stats", "SMAL", "--prefetch"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Ошибка создания файла данных для полного набора вариантов!"), std::string::npos) << r.err;
}

TEST_F(DataSafetyCli, OutputsNeverReplaceTheProgramsOwnFiles)
{
    makeArchive(5);
    const std::string archive = readBytes(archivePath());
    fs::create_symlink(archivePath(), dir / "draws.csv");
    for (const fs::path& target : {archivePath(), dir / "draws.csv", dir / "Belvane_6x45.frm"}) {
        CliResult r = run({"draws", "export", target.string()});
        EXPECT_EQ(r.exitCode, 1) << target;
        EXPECT_EQ(r.err, "Файл \"" + target.string() +
                             "\" - файл данных программы, запись в него невозможна!\n\nВыберите другое имя файла.\n");
        r = run({"combs", "generate", "--mode", "2", "--param", "1,2,3,4,5,6,7", "--out", target.string()});
        EXPECT_EQ(r.exitCode, 1) << target;
        r = run({"scenario", "save", target.string()});
        EXPECT_EQ(r.exitCode, 1) << target;
        r = run({"ratings", "export", target.string()});
        EXPECT_EQ(r.exitCode, 1) << target;
    }
    EXPECT_EQ(readBytes(archivePath()), archive);
    EXPECT_TRUE(fs::is_symlink(dir / "draws.csv"));
}

TEST_F(DataSafetyCli, OutputsNeverReplaceWhatTheUserKeepsInTheDataFolder)
{
    makeArchive(5);
    fs::create_directory(dir / "Systems");
    const fs::path system = dir / "Systems" / "6-08-0_0001.dat";
    writeBytes(system, "the system");
    writeBytes(dir / "mine.lsc", "the scenario");
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"ratings", "export", system.string()},
                                               {"draws", "export", system.string()},
                                               {"stakes", "list", "--xlsx", system.string()},
                                               {"http", "get", "http://127.0.0.1:9/", "--out", system.string()},
                                               {"ratings", "export", (dir / "mine.lsc").string()}}) {
        const CliResult r = run(args);
        EXPECT_EQ(r.exitCode, 1) << args[0] << " " << args[1];
        EXPECT_NE(r.err.find("файл данных программы"), std::string::npos) << r.err;
    }
    EXPECT_EQ(readBytes(system), "the system");
    EXPECT_EQ(readBytes(dir / "mine.lsc"), "the scenario");
    // A scenario is saved over the user's scenario file when asked to.
    EXPECT_EQ(run({"scenario", "save", (dir / "mine.lsc").string()}).exitCode, 0);
}

TEST_F(DataSafetyCli, LinksReadOnlyFilesAndLeftovers)
{
    // The archive kept in a synced folder, linked into the data folder.
    fs::create_directory(dir / "synced");
    model::WriteDrawsFile(dir / "synced" / "archive.ldr", {});
    fs::create_symlink(dir / "synced" / "archive.ldr", archivePath());
    ASSERT_EQ(run({"draws", "add", "1;2;3;4;5;6;7"}).exitCode, 0);
    EXPECT_TRUE(fs::is_symlink(archivePath()));
    EXPECT_EQ(model::ReadDrawsFile(dir / "synced" / "archive.ldr").draws.size(), 1u);

    ::chmod((dir / "synced" / "archive.ldr").c_str(), 0444);
    const CliResult r = run({"draws", "add", "1;2;3;4;5;6;8"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Ошибка записи в файл тиражей!\n\nBelvane_6x45.ldr: файл защищен от записи\n");
    EXPECT_EQ(model::ReadDrawsFile(dir / "synced" / "archive.ldr").draws.size(), 1u);

    // What a killed save left goes at the next start of a command that writes
    // (one that only reads touches nothing).
    const fs::path stale = dir / ".Belvane_6x45.ldr.belvane-tmp-Ab12cD";
    writeBytes(stale, std::string(4096, 'x'));
    EXPECT_EQ(run({"draws", "summary"}).exitCode, 0);
    EXPECT_TRUE(fs::exists(stale));
    EXPECT_EQ(run({"settings", "set", "SortedDraws", "true"}).exitCode, 0);
    EXPECT_FALSE(fs::exists(stale));
}

TEST_F(DataSafetyCli, AFifoWhereAFileIsExpectedDoesNotBlock)
{
    ASSERT_EQ(::mkfifo(archivePath().c_str(), 0644), 0);
    CliResult r = run({"draws", "list"}, {.timeoutSeconds = 60});
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Ошибка чтения файла тиражей!\n\nBelvane_6x45.ldr: это не обычный файл\n");
    fs::remove(archivePath());

    ASSERT_EQ(::mkfifo((dir / "in.csv").c_str(), 0644), 0);
    r = run({"draws", "import", (dir / "in.csv").string()}, {.timeoutSeconds = 60});
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(r.exitCode, 1);
    r = run({"draws", "export", (dir / "in.csv").string()}, {.timeoutSeconds = 60});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(fs::is_fifo(dir / "in.csv"));
}

// Batch words count only before the command: a file or folder so named is just that.
TEST_F(DataSafetyCli, BatchWordsAfterTheCommandAreArguments)
{
    makeArchive(4);
    CliResult r =
        runCli({"--data-dir", dir.path().string(), "draws", "export", "loadonly"}, {.workingFolder = dir.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Выгружено тиражей: 4\n");
    ASSERT_TRUE(fs::exists(dir / "loadonly"));

    // A data folder named like a batch word, and the file above imported into it.
    r = runCli({"--data-dir", "restart", "draws", "import", "loadonly"}, {.workingFolder = dir.path()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(model::ReadDrawsFile(dir / "restart" / "Belvane_6x45.ldr").draws.size(), 4u);

    // Before the command a batch word is the program's; a batch job takes no command.
    r = run({"--no-language", "draws", "summary"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(run({"loadonly", "draws", "list"}).exitCode, 2);
    // The download of loadonly goes to a site on this machine.
    TestHttpServer site;
    ServeOperatorSite(site);
    writeBytes(dir / "Belvane_6x45.ini", "[DOWNLOAD]\r\nSiteUrl=" + site.url() + "\r\n");
    r = run({"/LoadOnly"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(site.requestsTo(app::ResultsPagePath).size(), 1u);
}

TEST_F(DataSafetyCli, DrawNumbersAreRefusedWithClearMessages)
{
    ASSERT_EQ(run({"draws", "add", "1;2;3;4;5;6;7"}).exitCode, 0);
    const std::string before = readBytes(archivePath());
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"draws", "add", "1;2;3;4;5;6;7", "--number", "1"}, "Тираж 1 уже есть в архиве!\n"},
        {{"draws", "add", "1;2;3;4;5;6;7", "--number", "0"}, "Некорректный номер тиража: 0!\n"},
        {{"draws", "add", "1;2;3;4;5;6;7", "--number", "-5"}, "Некорректный номер тиража: -5!\n"},
        {{"draws", "add", "1;2;3;4;5;6;7", "--date", "07/12/2ООЗ"}, "Некорректная дата: \"07/12/2ООЗ\"!\n"},
        {{"draws", "edit", "99", "1;2;3;4;5;6;7"}, "Тираж 99 не найден в архиве!\n"},
        {{"draws", "delete", "99"}, "Тираж 99 не найден в архиве!\n"},
    };
    for (const auto& [args, message] : cases) {
        const CliResult r = run(args);
        EXPECT_EQ(r.exitCode, 1) << args.back();
        EXPECT_EQ(r.err, message);
    }
    EXPECT_EQ(readBytes(archivePath()), before);
}

// Values at the edges of int, from the command line and from the settings file.
TEST_F(DataSafetyCli, ValuesAtTheEdgesOfIntAreCheckedWhereTheyEnter)
{
    ASSERT_EQ(run({"draws", "add", "1;2;3;4;5;6;7", "--number", "2147483647"}).exitCode, 0);
    CliResult r = run({"draws", "add", "1;2;3;4;5;6;8"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err,
              "Номер последнего тиража - наибольший возможный (2147483647): номер нового тиража укажите явно!\n");
    ASSERT_EQ(run({"draws", "add", "1;2;3;4;5;6;8", "--number", "7"}).exitCode, 0);
    r = run({"draws", "summary"});
    EXPECT_NE(r.out.find("Следующий тираж: 8"), std::string::npos) << r.out; // the newest is 7

    EXPECT_EQ(run({"--offset", "2147483647", "stats", "NUMS", "--len", "1000000"}).exitCode, 2);
    // Within the option's range but beyond the archive of two draws: refused too.
    r = run({"--offset", "1000000", "stats", "NUMS", "--len", "1000000"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "--offset 1000000: смещение должно быть от 0 до 1 (тиражей в архиве: 2)!\n");
    r = run({"--offset", "1", "stats", "NUMS", "--len", "1000000"});
    EXPECT_EQ(r.exitCode, 0) << r.err;

    r = run({"prefetch", "--groups", "0xFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Некорректная маска групп: \"0xFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF\"!\n");
    EXPECT_EQ(run({"prefetch", "--groups", "99999999999999999999999"}).exitCode, 1);

    writeBytes(dir / "Belvane_6x45.frm", "[TFormMain]\r\nDrawsStatLen=-2147483648\r\nPrefetchsInit=1\r\n");
    EXPECT_EQ(run({"settings", "get", "DrawsStatLen"}).out, "1000\n");
    EXPECT_EQ(run({"settings", "set", "DrawsStatLen", "-2147483648"}).exitCode, 1);
}

TEST_F(DataSafetyCli, AByteOrderMarkIsSkippedAndDatesAreChecked)
{
    writeBytes(dir / "in.csv", "\xEF\xBB\xBF"
                               "1;\"07/12/2002\";10;23;29;33;37;40;16\r\n"
                               "2;\"14/12/2002\";9;13;21;25;32;42;2\r\n"
                               "3;\"21/12/２００２\";1;2;3;4;5;6;7\r\n" // full-width digits
                               "4;\"28/12/2002г\";1;2;3;4;5;6;7\r\n");
    const CliResult r = run({"draws", "import", (dir / "in.csv").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Добавлено тиражей: 2\nПропущено строк (не тиражи): 2\nАрхив тиражей: 2\n");
    const std::string bytes = readBytes(archivePath());
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }));
}

} // namespace
} // namespace belvane::testing
