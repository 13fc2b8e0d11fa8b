#include <fmt/format.h>
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

// "methods show" prints one method's description with the example on the
// newest draw; the list itself still runs without the subcommand.
TEST_F(StatsCli, MethodsShowPrintsTheDescription)
{
    ASSERT_EQ(run({"draws", "demo", "--count", "30"}).exitCode, 0);
    for (const char* id : {"SDZ2", "knp32", "HCO3"}) {
        const auto r = run({"methods", "show", id});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_NE(r.out.find("\nЧто вычисляет метод\n"), std::string::npos) << id;
        EXPECT_NE(r.out.find("\nПример\n  Последний тираж 30"), std::string::npos) << id;
        EXPECT_NE(r.out.find("Комбинация 03 11 18 24 32 41 как следующий тираж"), std::string::npos) << id;
        EXPECT_EQ(r.out.find("<"), std::string::npos) << id;
    }
    EXPECT_NE(run({"methods", "show", "KNP32"}).out.find("Идентификатор: KNP32\n"), std::string::npos);

    const auto r = run({"methods", "show", "XXXX"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Метод расчета статистики \"XXXX\" не найден!\n");
    EXPECT_EQ(run({"methods", "show"}).exitCode, 2);
    const std::string list = run({"methods", "--format", "tsv"}).out;
    EXPECT_TRUE(list.starts_with("Поз.\tID\tМетод\tФлаги\tГруппа\n"));
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

// The offset goes back at most to the oldest draw: one beyond it is bad usage,
// not the oldest draw's table.
TEST_F(StatsCli, AnOffsetBeyondTheArchiveIsRefused)
{
    ASSERT_EQ(run({"draws", "demo", "--count", "30"}).exitCode, 0);
    auto r = run({"stats", "NUMS", "--len", "20", "--offset", "29", "--format", "tsv"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    for (const char* offset : {"30", "1200"}) {
        r = run({"stats", "NUMS", "--len", "20", "--offset", offset});
        EXPECT_EQ(r.exitCode, 2) << offset;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, fmt::format("--offset {}: смещение должно быть от 0 до 29 (тиражей в архиве: 30)!\n", offset));
    }
    // Whatever the command: the summary as well.
    EXPECT_EQ(run({"--offset", "30", "draws", "summary"}).exitCode, 2);
    EXPECT_EQ(run({"draws", "summary", "--offset", "-1"}).exitCode, 2);

    TempDir empty;
    r = runCli({"--data-dir", empty.path().string(), "draws", "summary", "--offset", "0"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    r = runCli({"--data-dir", empty.path().string(), "draws", "summary", "--offset", "1"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.err, "--offset 1: смещение должно быть от 0 до 0 (тиражей в архиве: 0)!\n");
}

} // namespace
} // namespace belvane::testing
