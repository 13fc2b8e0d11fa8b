// Two data folders meet through belvane-service: one publishes a system and
// a scenario, the other lists, downloads and plays them.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

#include "helpers/cli_runner.h"
#include "helpers/draws_builder.h"
#include "helpers/service_process.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

class ExchangeCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"a", "b"}) {
            const auto folder = dir / name;
            std::filesystem::create_directories(folder);
            writeArchiveFile(folder, {makeDraw(1, {10, 11, 12, 13, 14, 15}), makeDraw(2, {2, 3, 4, 5, 6, 7})});
            // Start lists of seven numbers: the system for seven numbers plays them.
            writeBytes(folder / "Belvane_6x45.ini",
                       std::string("[GLOBAL]\r\nCombsGenerateMode=2\r\nCombsGenerateParameters=1,2,3,4,5,6,7\r\n"
                                   "[ONLINE]\r\nUserName=User ") +
                           name + "\r\nUserMail=" + name + "@club.example\r\n");
        }
    }
    CliResult run(const char* folder, std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", (dir / folder).string()});
        args.push_back("--service");
        args.push_back(service.url());
        return runCli(args);
    }
    // The first column of the tsv row holding `title`.
    static std::string idOf(const std::string& tsv, std::string_view title)
    {
        for (std::string_view line : text::splitLines(tsv)) {
            const auto cells = text::split(line, "\t", false);
            for (std::string_view cell : cells)
                if (cell == title)
                    return std::string(cells[0]);
        }
        return {};
    }

    TempDir dir;
    ServiceProcess service;
};

TEST_F(ExchangeCli, OneFolderPublishesTheOtherDownloadsAndPlays)
{
    writeBytes(dir / "seven.txt", "1 2 3 4 5 6\r\n1 2 3 4 5 7\r\n1 3 4 5 6 7\r\n");
    auto r = run("a", {"systems", "publish", (dir / "seven.txt").string(), "--title", "Семь чисел", "--descr",
                       "Три строки", "--olap", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    ASSERT_EQ(
        runCli({"--data-dir", (dir / "a").string(), "scenario", "add", "FULL:0#SYSA| | | | | | | |Клуб"}).exitCode, 0);
    r = run("a", {"library", "publish", "--title", "Система & \"клуб\" = 100%?", "--descr", "Для клуба"});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    r = run("b", {"library", "list", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string scriptId = idOf(r.out, "Система & \"клуб\" = 100%?");
    ASSERT_FALSE(scriptId.empty()) << r.out;
    EXPECT_NE(r.out.find("\tОбщий\t"), std::string::npos);
    r = run("b", {"library", "download", scriptId});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Now the working scenario has lines: without a terminal they stay, --yes replaces them as before.
    r = run("b", {"library", "download", scriptId});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Рабочий сценарий оставлен без изменений."), std::string::npos) << r.err;
    r = run("b", {"--yes", "library", "download", scriptId});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    r = run("b", {"systems", "list", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string systemId = idOf(r.out, "Семь чисел");
    ASSERT_FALSE(systemId.empty()) << r.out;
    r = run("b", {"systems", "download", systemId});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("6-07-3_"), std::string::npos) << r.out;
    r = run("b", {"systems", "list", "--format", "tsv"});
    EXPECT_NE(r.out.find("\tЗагружена\t"), std::string::npos) << r.out;

    // The downloaded scenario plays the downloaded system: three stakes.
    r = runCli({"--data-dir", (dir / "b").string(), "scenario", "run"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Ставок: 3\n"), std::string::npos) << r.out;

    // Rating and the ratings view; only the author deletes.
    EXPECT_EQ(run("b", {"library", "rate", scriptId, "5", "--notes", "Отлично"}).exitCode, 0);
    r = run("a", {"library", "rates", scriptId, "--format", "tsv"});
    EXPECT_NE(r.out.find("User b\t5\t"), std::string::npos) << r.out;
    r = run("b", {"library", "delete", scriptId});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Ошибка удаления online-сценария из базы данных!"), std::string::npos) << r.err;
    EXPECT_EQ(run("a", {"library", "delete", scriptId}).exitCode, 0);
    EXPECT_EQ(run("a", {"systems", "delete", systemId}).exitCode, 0);
    EXPECT_EQ(idOf(run("b", {"systems", "list", "--format", "tsv"}).out, "Семь чисел"), "");
    EXPECT_EQ(service.stop(), 0);
}

TEST_F(ExchangeCli, AnotherFolderClaimingTheSameContactChangesNothing)
{
    // Folder c says it is a, but has a key of its own.
    std::filesystem::create_directories(dir / "c");
    writeBytes(dir / "c" / "Belvane_6x45.ini", "[ONLINE]\r\nUserName=User a\r\nUserMail=A@club.example\r\n");
    ASSERT_EQ(runCli({"--data-dir", (dir / "a").string(), "scenario", "add", "FULL:0#| | | | | | | |a"}).exitCode, 0);
    auto r = run("a", {"library", "publish", "--title", "Чей", "--descr", "a"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string id = idOf(run("a", {"library", "list", "--format", "tsv"}).out, "Чей");
    ASSERT_FALSE(id.empty());

    // The key is made once, kept in [ONLINE] and never listed.
    const std::string ini = readBytes(dir / "a" / "Belvane_6x45.ini");
    const size_t at = ini.find("AuthorKey=");
    ASSERT_NE(at, std::string::npos) << ini;
    const std::string key = ini.substr(at + 10, 32);
    EXPECT_EQ(key.find_first_not_of("0123456789abcdef"), std::string::npos) << key;
    run("a", {"library", "list"});
    EXPECT_EQ(readBytes(dir / "a" / "Belvane_6x45.ini"), ini);
    r = runCli({"--data-dir", (dir / "a").string(), "settings", "list"});
    EXPECT_EQ(r.out.find(key), std::string::npos);

    r = run("c", {"library", "delete", id});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Ошибка удаления online-сценария из базы данных!"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("ключ автора не совпадает"), std::string::npos) << r.err;
    r = run("c", {"library", "publish", "--title", "Подделка", "--descr", "c"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Ошибка публикации online-сценария!"), std::string::npos) << r.err;
    EXPECT_EQ(run("a", {"library", "delete", id}).exitCode, 0) << r.err;
}

TEST_F(ExchangeCli, ASystemOf924LinesAndAScenarioOf2000LinesPublish)
{
    // Every six of twelve numbers: C(12,6) = 924 lines, far over the 8 KB of a default form.
    std::string lines;
    int count = 0;
    for (int m = 0; m < (1 << 12); ++m) {
        if (std::popcount(static_cast<unsigned>(m)) != 6)
            continue;
        std::string line;
        for (int n = 0; n < 12; ++n)
            if (m & (1 << n))
                line += (line.empty() ? "" : " ") + std::to_string(n + 1);
        lines += line + "\r\n";
        ++count;
    }
    ASSERT_EQ(count, 924);
    writeBytes(dir / "twelve.txt", lines);
    auto r = run("a", {"systems", "publish", (dir / "twelve.txt").string(), "--title", "Все шестёрки", "--descr",
                       "924 строки", "--olap", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string systemId = idOf(run("b", {"systems", "list", "--format", "tsv"}).out, "Все шестёрки");
    ASSERT_FALSE(systemId.empty());
    r = run("b", {"systems", "download", systemId});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    int downloaded = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "b" / "Systems"))
        if (const std::string bytes = readBytes(entry.path());
            entry.path().filename().string().starts_with("6-12-5_") && entry.path().extension() == ".dat")
            downloaded = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n'));
    EXPECT_EQ(downloaded, 924);

    std::string scenario;
    for (int i = 1; i <= 2000; ++i)
        scenario += "FULL:0#| | | | | | | |Line " + std::to_string(i) + "\r\n";
    writeBytes(dir / "a" / "Belvane_6x45.lss", scenario);
    r = run("a", {"library", "publish", "--title", "Длинный", "--descr", "2000 строк"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string scriptId = idOf(run("b", {"library", "list", "--format", "tsv"}).out, "Длинный");
    ASSERT_FALSE(scriptId.empty());
    r = run("b", {"library", "download", scriptId});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Now the working scenario has lines: without a terminal they stay, --yes replaces them as before.
    r = run("b", {"library", "download", scriptId});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Рабочий сценарий оставлен без изменений."), std::string::npos) << r.err;
    r = run("b", {"--yes", "library", "download", scriptId});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string downloadedScenario = readBytes(dir / "b" / "Belvane_6x45.lss");
    EXPECT_EQ(std::count(downloadedScenario.begin(), downloadedScenario.end(), '\n'), 2000);
}

TEST_F(ExchangeCli, NoAddressNoRequest)
{
    const auto r = runCli({"--data-dir", (dir / "a").string(), "library", "list"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Адрес сервиса обмена не указан!"), std::string::npos) << r.err;
}

} // namespace
} // namespace belvane::testing
