// systems generate | verify | install | local: a system of one's own, proved
// exactly, and the flag on a system that does not give its claimed block.

#include <gtest/gtest.h>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"

namespace belvane::testing {
namespace {

namespace fs = std::filesystem;

CliResult cli(const fs::path& dir, std::vector<std::string> args)
{
    args.insert(args.begin(), {"--data-dir", dir.string()});
    return runCli(args);
}

bool has(const std::string& text, std::string_view part)
{
    return text.find(part) != std::string::npos;
}

TEST(WheelCli, GeneratedAndInstalledThenVerifiedForEveryFourOfTwelve)
{
    TempDir dir;
    auto r = cli(dir.path(), {"systems", "generate", "--numbers", "12", "--guarantee", "3", "--if", "4", "--rounds",
                              "3", "--install"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "Система для 12 чисел: 3 из 4")) << r.out;
    EXPECT_TRUE(has(r.out, "нижняя граница: 4, граница Турана")) << r.out;
    EXPECT_TRUE(has(r.out, "все 495 наборов из 4 чисел")) << r.out;
    EXPECT_TRUE(has(r.out, "Установлена: 6-12-3_0001.dat")) << r.out;

    r = cli(dir.path(), {"systems", "verify", "--numbers", "12", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // The row for four drawn: all 495 get at least three.
    EXPECT_TRUE(has(r.out, "\n4\t495\t495\t495\t495\t")) << r.out;
    EXPECT_TRUE(has(r.out, "Блок 3: 3 из 4")) << r.out;

    r = cli(dir.path(), {"systems", "local", "--format", "tsv"});
    EXPECT_TRUE(has(r.out, "6-12-3_0001.dat\t12\t3\t1\t")) << r.out;
    EXPECT_TRUE(has(r.out, "\t3 из 4\tЗагружена")) << r.out;

    // The same seed and rounds write the same lines; a second install replaces the first.
    r = cli(dir.path(), {"systems", "generate", "--numbers", "12", "--guarantee", "3", "--if", "4", "--rounds", "3",
                         "--out", (dir.path() / "again.txt").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(readBytes(dir.path() / "again.txt"), readBytes(dir.path() / "Systems" / "6-12-3_0001.dat"));
    // An output never goes over a file of the program's own.
    const std::string installed = readBytes(dir.path() / "Systems" / "6-12-3_0001.dat");
    r = cli(dir.path(), {"systems", "generate", "--numbers", "12", "--guarantee", "2", "--rounds", "1", "--out",
                         (dir.path() / "Systems" / "6-12-3_0001.dat").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(has(r.err, "6-12-3_0001.dat")) << r.err;
    EXPECT_EQ(readBytes(dir.path() / "Systems" / "6-12-3_0001.dat"), installed);
    r = cli(dir.path(), {"systems", "generate", "--numbers", "12", "--guarantee", "2", "--rounds", "1", "--install"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(fs::exists(dir.path() / "Systems" / "6-12-3_0001.dat"));
    EXPECT_FALSE(fs::exists(dir.path() / "Systems" / "6-12-3_0001.guarantee"));
    EXPECT_TRUE(fs::exists(dir.path() / "Systems" / "6-12-2_0002.guarantee"));
}

TEST(WheelCli, AClaimedBlockThatIsNotMetIsFlaggedEverywhere)
{
    TempDir dir;
    // Two lines over nine numbers: 1 2 3 7 8 9 meets each in three only.
    writeBytes(dir.path() / "two.txt", "1 2 3 4 5 6\r\n4 5 6 7 8 9\r\n");
    auto r = cli(dir.path(), {"systems", "install", (dir.path() / "two.txt").string(), "--olap", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "Проверено: блок 5: не выполняется (3 из 6)")) << r.out;
    EXPECT_TRUE(has(r.err, "не дает заявленного блока 5")) << r.err;
    r = cli(dir.path(), {"systems", "local", "--format", "tsv"});
    EXPECT_TRUE(has(r.out, "Блок не выполняется!")) << r.out;
    r = cli(dir.path(), {"systems", "verify", (dir.path() / "Systems" / "6-09-5_0001.dat").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(has(r.err, "гарантировано только 3")) << r.err;

    // A file of lines that is no system file: its guarantee, nothing claimed.
    r = cli(dir.path(), {"systems", "verify", (dir.path() / "two.txt").string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "Гарантия: 3 из 5")) << r.out;

    // A hand-edited file has no verified guarantee until it is installed again.
    writeBytes(dir.path() / "Systems" / "6-09-5_0001.dat", "1 2 3 4 5 6\r\n");
    r = cli(dir.path(), {"systems", "local", "--format", "tsv"});
    EXPECT_TRUE(has(r.out, "\tне проверена\t")) << r.out;

    r = cli(dir.path(), {"systems", "verify", "--numbers", "10"});
    EXPECT_EQ(r.exitCode, 1);
    r = cli(dir.path(), {"systems", "generate", "--numbers", "12", "--guarantee", "4", "--if", "3"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(has(r.err, "Условие должно быть от 4 до 6!")) << r.err;
}

} // namespace
} // namespace belvane::testing
