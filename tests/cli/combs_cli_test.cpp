#include <gtest/gtest.h>

#include "combs/list_file.h"
#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"

namespace belvane::testing {
namespace {

class CombsCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    std::string file(std::string_view name) const { return (dir / name).string(); }
    TempDir dir;
};

TEST_F(CombsCli, GenerateInfoFindAndExclude)
{
    ASSERT_EQ(run({"draws", "add", "1;2;3;4;5;6;7", "--date", "01/01/2020"}).exitCode, 0);
    auto r = run({"combs", "generate", "--mode", "2", "--param", "1,2,3,4,5,6,7", "--out", file("mine.lcv")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Комбинаций: 7\n");

    r = run({"combs", "info", file("mine.lcv")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Комбинаций: 7\nВ текущем списке комбинаций содержится 7 уникальных номеров\n");

    r = run({"combs", "find", file("mine.lcv"), "6 5 4 3 2 1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Тираж № 1 от 01/01/2020"), std::string::npos);
    EXPECT_EQ(run({"combs", "find", file("mine.lcv"), "1 2 3 4 5 40"}).exitCode, 1);

    r = run({"combs", "exclude", "1", "--in", file("mine.lcv"), "--out", file("ex.lcv")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Комбинаций: 6\n");
    EXPECT_EQ(run({"combs", "info", file("none.lcv")}).exitCode, 1);
    EXPECT_EQ(run({"combs", "generate", "--mode", "9", "--out", file("x.lcv")}).exitCode, 2);
}

TEST_F(CombsCli, FilterTheFullSet)
{
    ASSERT_EQ(run({"draws", "demo", "--count", "20"}).exitCode, 0);
    auto r = run({"filter", "--out", file("f.lcv"), "--method", "nums", "--keep", "--value", "1", "--value", "2",
                  "--value", "3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "{ num } Числа тиража [ N ]\t1; 2; 3\t2899274\nКомбинаций: 2899274\n");

    r = run({"filter", "--in", file("f.lcv"), "--out", file("g.lcv"), "--method", "POS1", "--remove", "--value", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Remaining: combinations with 2 or 3 but without 1 (those with 1 start with it).
    EXPECT_NE(r.out.find("Комбинаций: 1813266"), std::string::npos);

    EXPECT_EQ(run({"filter", "--out", file("f.lcv"), "--method", "NUMS", "--value", "1"}).exitCode, 2);
    r = run({"filter", "--out", file("f.lcv"), "--method", "NUMS", "--keep", "--value", "46"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("\"46\""), std::string::npos);
}

} // namespace
} // namespace belvane::testing
