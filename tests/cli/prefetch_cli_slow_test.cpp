// The command line's prefetch builds: each run builds files over the full set.

#include <gtest/gtest.h>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"

namespace belvane::testing {
namespace {

class PrefetchCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    TempDir dir;
};

TEST_F(PrefetchCli, PrefetchBuildsFiles)
{
    auto r = run({"prefetch"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const size_t files = std::distance(std::filesystem::directory_iterator(dir / "Prefetchs"), {});
    EXPECT_GE(files, 14u);
    EXPECT_NE(r.out.find("Создано файлов: " + std::to_string(files)), std::string::npos);
    r = run({"prefetch"});
    EXPECT_NE(r.out.find("Создано файлов: 0"), std::string::npos);
    r = run({"prefetch", "--groups", "0x1"}); // the number methods
    EXPECT_NE(r.out.find("Создано файлов: 14"), std::string::npos);
    EXPECT_EQ(run({"prefetch", "--groups", "zz"}).exitCode, 1);
}
// Every file failing to be written is a failed command, not "Создано файлов: 0" and success.
TEST_F(PrefetchCli, ForcedBuildFailsWhenTheFilesCannotBeWritten)
{
    const auto r =
        runCli({"--data-dir", dir.path().string(), "prefetch", "--force"}, {.env = {"BELVANE_FILE_FAULTS=write:*:-1"}});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("Создано файлов: 0"), std::string::npos);
    EXPECT_NE(r.err.find("Ошибка создания файла данных для полного набора вариантов!"), std::string::npos);
    EXPECT_NE(r.err.find("Не удалось создать файлов: "), std::string::npos);
    if (std::filesystem::exists(dir / "Prefetchs"))
        for (const auto& entry : std::filesystem::directory_iterator(dir / "Prefetchs"))
            ADD_FAILURE() << "left behind: " << entry.path();
}

TEST_F(PrefetchCli, BatchOptionBuildsPrefetchFilesWithoutADisplay)
{
    // Every spelling of the options is covered where they are parsed; one build here.
    const auto r = run({"--FULLREFRESH"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(std::filesystem::exists(dir / "Prefetchs" / "Belvane_6x45_NUMS.dfc"));
}

} // namespace
} // namespace belvane::testing
