// Two data folders meet through belvane-service: one publishes a system and
// a scenario, the other lists, downloads and plays them.

#include <gtest/gtest.h>

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

TEST_F(ExchangeCli, NoAddressNoRequest)
{
    const auto r = runCli({"--data-dir", (dir / "a").string(), "library", "list"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Адрес сервиса обмена не указан!"), std::string::npos) << r.err;
}

} // namespace
} // namespace belvane::testing
