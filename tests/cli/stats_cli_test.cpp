#include <gtest/gtest.h>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

class StatsCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    TempDir dir;
};

TEST_F(StatsCli, MethodsListTheRegistry)
{
    const auto r = run({"methods", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = text::splitLines(r.out);
    ASSERT_GE(lines.size(), 16u);
    EXPECT_EQ(lines[0], "Поз.\tID\tМетод\tФлаги\tГруппа");
    EXPECT_EQ(lines[1], "0\tNUMS\t{ num } Числа тиража [ N ]\tN\t0");
}

TEST_F(StatsCli, StatsTableAndItsErrors)
{
    ASSERT_EQ(run({"draws", "demo", "--count", "30"}).exitCode, 0);
    auto r = run({"stats", "even", "--len", "10", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = text::splitLines(r.out);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "Значение\tКоличество\tКол-во в %\tНорма\tОтклонение\tОткл-ие в %\tГлубина\tГлубина в %\t"
                        "Вес\tПосл. тираж\tПериод min\tПериод\tПериод max\tОжд. ПРД\tОжд. СТФ\tОжд. КРН\tФакт\t"
                        "+/- ПРД\t+/- СТФ\t+/- КРН");
    EXPECT_TRUE(lines[1].starts_with("1:5\t"));

    r = run({"stats", "XXXX"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Метод расчета статистики \"XXXX\" не найден!\n");
    r = run({"stats", "POE1", "--prefetch", "--format", "tsv"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(text::splitLines(r.out)[1].find("\t-\t-\t-\t"), std::string::npos); // no full-set form
    EXPECT_EQ(run({"stats", "NUMS", "--len", "0"}).exitCode, 2);

    r = run({"stats", "SMAL", "--prefetch", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(text::splitLines(r.out)[1].find("\t"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir / "Prefetchs" / "Belvane_6x45_SMAL.dfc"));
}

} // namespace
} // namespace belvane::testing
