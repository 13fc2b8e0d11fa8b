// belvane-cli tables ... and ratings to-line: regular stakes added, staked,
// tested and deleted from the terminal, and a key turned into a line.

#include <gtest/gtest.h>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"

namespace belvane::testing {
namespace {

class TablesCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeBytes(dir / "draws.csv", "1;\"07/12/2002\";10;23;29;33;37;40;16\r\n"
                                      "2;\"14/12/2002\";3;7;15;16;19;43;21\r\n"
                                      "3;\"21/12/2002\";11;16;19;21;27;31;30\r\n");
        ASSERT_EQ(run({"draws", "import", (dir / "draws.csv").string()}).exitCode, 0);
    }
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    TempDir dir;
};

TEST_F(TablesCli, RegularStakesAreAddedStakedTestedAndDeleted)
{
    auto r = run({"tables", "add", "--comment", "Своя", "--start", "41;42;43;44;45;1", "--step", "5"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = run({"tables", "add", "--comment", "Из тиража", "--last-draw", "--step", "-3"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = run({"tables", "add", "--comment", "СВОЯ", "--start", "1;2;3;4;5;6"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Запись с таким комментарием уже присутствует в списке!"), std::string::npos) << r.err;
    EXPECT_EQ(run({"tables", "add", "--comment", "x", "--start", "1;2;3;4;5;5"}).exitCode, 1);
    EXPECT_EQ(run({"tables", "add", "--comment", "x"}).exitCode, 1); // where from?

    r = run({"tables", "list", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "№\tКомментарий\tСтартовая комбинация\tШаг\tТекущая комбинация\tСтавок\n"
                     "1\tСвоя\t1;41;42;43;44;45\t5\t1;41;42;43;44;45\t0\n"
                     "2\tИз тиража\t11;16;19;21;27;31\t-3\t11;16;19;21;27;31\t0\n");

    r = run({"tables", "stake", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Ставка на тираж 4: 1;2;3;4;5;6\n", 0), 0u) << r.out;

    // At offsets 2 and 1 the second regular shifts draws 1 and 2 by -3.
    r = run({"tables", "test", "2", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Сделано ставок: 2\nСтавок: 3\n");
    r = run({"stakes", "list", "--format", "tsv"});
    EXPECT_NE(r.out.find("2\tРегуляр\t7;20;26;30;34;37\t"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("3\tРегуляр\t4;12;13;16;40;45\t"), std::string::npos) << r.out;
    r = run({"tables", "list", "--format", "tsv"});
    EXPECT_NE(r.out.find("1\tСвоя\t1;41;42;43;44;45\t5\t1;2;3;4;5;6\t1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\t4;12;13;16;40;45\t2\n"), std::string::npos) << r.out;

    EXPECT_EQ(run({"tables", "test", "3", "1"}).exitCode, 1); // 1 .. draws - 1
    EXPECT_EQ(run({"tables", "delete", "3"}).exitCode, 1);
    r = run({"tables", "delete", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Удалено регулярных ставок: 1\nРегулярных ставок: 1\n");
}

TEST_F(TablesCli, AHiddenPageIsRefused)
{
    ASSERT_EQ(run({"settings", "set", "TabTables", "0"}).exitCode, 0);
    const auto r = run({"tables", "list"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Вкладка \"Регуляры\" скрыта"), std::string::npos) << r.err;
}

TEST_F(TablesCli, ARatingsKeyBecomesAScenarioLine)
{
    auto r = run({"ratings", "to-line", "01.003: Моя @ FULL#RAND + TSD#NUMS:10#LNO:#ST:1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "FULL#RAND|TSD#NUMS:10#LNO:#ST:1| | | | | | |01.003: Моя\n");
    r = run({"ratings", "to-line", "Ставка"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("невозможно добавить в сценарий!"), std::string::npos) << r.err;
    // A key as long as a stake comment may have lost its end.
    const std::string tail = " @ FULL#ALL + TMF#NUMS:5#LNO:#ST:1";
    const std::string cut = "01.001: " + std::string(255 - 8 - tail.size(), 'x') + tail;
    r = run({"ratings", "to-line", cut});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("мог быть обрезан!"), std::string::npos) << r.err;
    r = run({"ratings", "to-line", "--add", "FULL#ALL + TMF#NUMS:5#LNO:#SF:1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = run({"scenario", "show", "--format", "tsv"});
    EXPECT_NE(r.out.find("TMF1#NUMS:5#LNO:#SF:1"), std::string::npos) << r.out;
}

} // namespace
} // namespace belvane::testing
