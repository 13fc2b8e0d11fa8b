#include <gtest/gtest.h>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

constexpr std::string_view kLine =
    "EXCL:5#SKIP#CLR#NEX|TMF1#NUMS:10,20#LMV:1-3;1#SF:1| |BSD6#SUMS:100#LNO:#SZ:1| | | | |";

class ScenarioCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    TempDir dir;
};

TEST_F(ScenarioCli, AFileShowsSavesBackAndExpands)
{
    const std::string file = (dir / "s.lsc").string();
    writeBytes(file, std::string(kLine) + "\r\n");
    auto r = run({"scenario", "open", file});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Строк: 1\n");

    r = run({"scenario", "show", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = text::splitLines(r.out);
    ASSERT_GE(lines.size(), 2u);
    const auto cells = text::split(lines[1], "\t", false);
    ASSERT_EQ(cells.size(), 10u);
    EXPECT_EQ(cells[2], "Исключить 5 тиражей; Пропустить; Удалить ставки; Только новые ставки");
    EXPECT_EQ(cells[3], "TMF1#NUMS:10,20#LMV:1-3;1#SF:1");
    EXPECT_EQ(cells[4], "");
    EXPECT_EQ(cells[5], "BSD6#SUMS:100#LNO:#SZ:1");

    // The working copy and a saved file hold the line byte for byte.
    EXPECT_EQ(readBytes(dir / "Belvane_6x45.lss"), readBytes(file));
    ASSERT_EQ(run({"scenario", "save", (dir / "back.lsc").string()}).exitCode, 0);
    EXPECT_EQ(readBytes(dir / "back.lsc"), readBytes(file));

    r = run({"scenario", "variants", "--line", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Создано 6 вариантов фильтров.\n"
                     "TMF#NUMS:10#LMV:1#SF:1 + BSD#SUMS:100#LNO:#SZ:1\n"
                     "TMF#NUMS:10#LMV:2#SF:1 + BSD#SUMS:100#LNO:#SZ:1\n"
                     "TMF#NUMS:10#LMV:3#SF:1 + BSD#SUMS:100#LNO:#SZ:1\n"
                     "TMF#NUMS:20#LMV:1#SF:1 + BSD#SUMS:100#LNO:#SZ:1\n"
                     "TMF#NUMS:20#LMV:2#SF:1 + BSD#SUMS:100#LNO:#SZ:1\n"
                     "TMF#NUMS:20#LMV:3#SF:1 + BSD#SUMS:100#LNO:#SZ:1\n");
    EXPECT_EQ(run({"scenario", "variants", "--line", "2"}).exitCode, 1);
}

TEST_F(ScenarioCli, EditingKeepsTheWorkingCopy)
{
    ASSERT_EQ(run({"scenario", "add", std::string(kLine)}).exitCode, 0);
    ASSERT_EQ(run({"scenario", "add", "FULL:0#ALL|TSF1#nums:50#lmv:2#sf:1| | | | | | |второй"}).exitCode, 0);
    auto r = run({"scenario", "show", "--format", "tsv"});
    EXPECT_NE(r.out.find("второй\tИсходный список; Все; Все создаваемые ставки\tTSF1#NUMS:50#LMV:2#SF:1"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(run({"scenario", "delete", "3"}).exitCode, 1);
    r = run({"scenario", "delete", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Строк: 1\n");
    EXPECT_EQ(run({"scenario", "clear"}).out, "Строк: 0\n");
    EXPECT_EQ(readBytes(dir / "Belvane_6x45.lss"), "");

    // A file that cannot be read leaves the scenario as it was.
    ASSERT_EQ(run({"scenario", "add", std::string(kLine)}).exitCode, 0);
    r = run({"scenario", "open", (dir / "missing.lsc").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Ошибка чтения файла"), std::string::npos);
    EXPECT_NE(run({"scenario", "show"}).out.find("Строк: 1\n"), std::string::npos);
}

} // namespace
} // namespace belvane::testing
