#include <gtest/gtest.h>

#include <algorithm>

#include "helpers/cli_runner.h"
#include "helpers/draws_builder.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "scenario/run_log.h"
#include "support/cp1251.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

// Deletes, one number at a time, every number the newest draw missed: the
// list keeps exactly that draw, staked for the next one.
constexpr std::string_view kToTheDraw = "FULL:0#FIRST|TSD1#NUMS:1#CLV:0#SF:1| | | | | | |";

class ScenarioRunCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeArchiveFile(dir.path(), {makeDraw(1, {10, 11, 12, 13, 14, 15}), makeDraw(2, {2, 3, 4, 5, 6, 7}),
                                      makeDraw(3, {1, 2, 3, 4, 5, 6}), makeDraw(4, {1, 2, 3, 4, 5, 7})});
        // Start lists of seven numbers keep every run short.
        writeBytes(dir / "Belvane_6x45.ini",
                   "[GLOBAL]\r\nCombsGenerateMode=2\r\nCombsGenerateParameters=1,2,3,4,5,6,7\r\n");
    }
    CliResult run(std::vector<std::string> args, CliRunOptions options = {})
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args, options);
    }
    std::string scenarioFile(std::string_view line)
    {
        const std::string file = (dir / "s.lsc").string();
        writeBytes(file, std::string(line) + "\r\n");
        return file;
    }
    TempDir dir;
};

TEST_F(ScenarioRunCli, ATestPrintsTheRatingsOfItsStakes)
{
    auto r = run({"scenario", "test", scenarioFile(kToTheDraw), "--offsets", "2", "--stakes", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = text::splitLines(r.out);
    // Ratings: one row for the line's one variant; offsets 2 and 1 staked 2 3 4 5 6 7 for draw 3 (5 matches)
    // and 1 2 3 4 5 6 for draw 4 (5 matches).
    ASSERT_GE(lines.size(), 2u);
    const auto rating = text::split(lines[1], "\t", false);
    ASSERT_EQ(rating.size(), 20u);
    EXPECT_EQ(rating[0], "01.001: @ FULL#FIRST + TSD#NUMS:1#CLV:0#SF:1");
    EXPECT_EQ(rating[1], "2");
    EXPECT_EQ(rating[2], "10");
    EXPECT_EQ(rating[11], "2"); // both stakes matched five numbers
    // The stakes, as "stakes list" shows them.
    EXPECT_NE(r.out.find("\t3\tСценарий\t2;3;4;5;6;7\t1\t1;2;3;4;5;6\t5\t"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\t4\tСценарий\t1;2;3;4;5;6\t1\t1;2;3;4;5;7\t5\t"), std::string::npos) << r.out;

    // A forecast at the newest draw: a stake that waits for draw 5, shown with no results yet.
    r = run({"scenario", "run", scenarioFile(kToTheDraw), "--seed", "7"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Ставок: 1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Комбинаций: 1\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("01.001: @ FULL#FIRST + TSD#NUMS:1#CLV:0#SF:1"), std::string::npos) << r.out;
}

TEST_F(ScenarioRunCli, ATestEndsWithItsComparisonWithRandomPlay)
{
    // Offsets 3, 2, 1 stake for draws 2 (no match), 3 and 4 (five matches each); draw 4 is held out.
    auto r = run({"scenario", "test", scenarioFile(kToTheDraw), "--offsets", "3", "--holdout", "1", "--log"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string key = "01.001: @ FULL#FIRST + TSD#NUMS:1#CLV:0#SF:1";
    EXPECT_NE(r.out.find("Сравнение со случайной игрой (ставки из шести чисел):\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Лучший вариант: " + key + "\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("с поправкой на число вариантов (1)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("На 1 новейших смещениях (вне выборки выбора): ставок 1, с 3 и более совпадениями 1 "),
              std::string::npos)
        << r.out;
    // The run log ends with the same comparison.
    const auto logs = scenario::FindScriptLogs(dir.path());
    ASSERT_EQ(logs.size(), 1u);
    const std::string log = cp1251::toUtf8(readBytes(logs[0]));
    EXPECT_LT(log.find("### ЗАВЕРШЕНИЕ СЦЕНАРИЯ"), log.find("]: Лучший вариант: " + key)) << log;

    // The rating row beside random play: three hits in three stakes is far above chance.
    r = run({"ratings", "show", key});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Ставок: 3\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Ставок с 3 и более совпадениями: 3 (ожидалось 0.07 ± 0.26)\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Вывод: лучше случайной игры (уровень 5 %)\n"), std::string::npos) << r.out;
    r = run({"ratings", "list", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto rows = text::splitLines(r.out);
    ASSERT_EQ(rows.size(), 2u);
    const auto captions = text::split(rows[0], "\t", false);
    const auto cells = text::split(rows[1], "\t", false);
    ASSERT_EQ(cells.size(), 24u);
    EXPECT_EQ(captions[20], "Ожид. 3+");
    EXPECT_EQ(cells[20], "0.07");
    EXPECT_EQ(cells[23], "лучше случайной игры");

    r = run({"ratings", "show", "no such row"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("В рейтинге нет строки \"no such row\"."), std::string::npos) << r.err;
    // The choice needs older offsets than the held-out ones.
    r = run({"scenario", "test", scenarioFile(kToTheDraw), "--offsets", "2", "--holdout", "2"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("--holdout (2) должно быть меньше --offsets (2)."), std::string::npos) << r.err;
}

TEST_F(ScenarioRunCli, AControlStakesAsManyRandomCombinationsBesideTheScenario)
{
    // RAND picks one of the seven start combinations at each of the three offsets.
    const std::string file = scenarioFile("FULL:0#RAND| | | | | | | |");
    auto r = run({"scenario", "test", file, "--offsets", "3", "--seed", "5", "--stakes", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string alone = r.out;
    ASSERT_EQ(run({"stakes", "clear", "--yes"}).exitCode, 0);

    r = run({"scenario", "test", file, "--offsets", "3", "--seed", "5", "--control"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Ставок: 3\nКонтрольных случайных ставок: 3\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Контроль: случайные ставки из полного набора, столько же на каждом смещении:\n"),
              std::string::npos)
        << r.out;
    // The control is no variant of the choice.
    EXPECT_NE(r.out.find("с поправкой на число вариантов (1)"), std::string::npos) << r.out;
    // Its stakes have a rating row of their own, and the scenario's picks are those of the run without it.
    r = run({"stakes", "list", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    size_t control = 0;
    for (std::string_view row : text::splitLines(r.out))
        if (row.find("\t00.000: @ Контроль: случайные ставки из полного набора") != std::string::npos)
            ++control;
    EXPECT_EQ(control, 3u);
    size_t picks = 0;
    for (std::string_view row : text::splitLines(alone)) {
        if (row.find("01.000: @ FULL#RAND") != std::string::npos && row.find("Сценарий") != std::string::npos) {
            ++picks;
            EXPECT_NE(r.out.find(row.substr(row.find('\t'))), std::string::npos) << row;
        }
    }
    EXPECT_EQ(picks, 3u);
    r = run({"ratings", "show", "00.000: @ Контроль: случайные ставки из полного набора"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Ставок: 3\n"), std::string::npos) << r.out;
}

TEST_F(ScenarioRunCli, AFailureEndsTheRunWithExitOne)
{
    const auto r = run({"scenario", "run", scenarioFile("FULL:0#ALL|TSD1#NUMS:5-1;1#LNO:#SF:1| | | | | | |")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Некорректное описание фильтра: TSD1#NUMS:5-1;1#LNO:#SF:1!"), std::string::npos) << r.err;
    EXPECT_EQ(run({"scenario", "test", scenarioFile(kToTheDraw), "--offsets", "4"}).exitCode, 1); // 1 .. 3 only
}

TEST_F(ScenarioRunCli, AConditionOnAColumnWithoutValuesEndsTheRunWithExitOne)
{
    const auto r = run({"scenario", "run", scenarioFile("FULL:0#ALL|TMF1#NUMS:3#DDV:0,1,2#SF:1| | | | | | |")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("В столбце \"Отклонение\" таблицы статистики нет ни одного значения"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("PrefetchsEnabled"), std::string::npos) << r.err;
}

TEST_F(ScenarioRunCli, RunLogsAndTheirDeletion)
{
    auto r = run({"scenario", "logs", "delete"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Файлы журналов не найдены!\n");
    r = run({"scenario", "run", scenarioFile(kToTheDraw), "--log"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto logs = scenario::FindScriptLogs(dir.path());
    ASSERT_EQ(logs.size(), 1u);
    EXPECT_NE(r.out.find("Журнал: " + logs[0].string()), std::string::npos) << r.out;
    const std::string log = cp1251::toUtf8(readBytes(logs[0]));
    EXPECT_NE(log.find("]: ### ЗАПУСК СЦЕНАРИЯ ###"), std::string::npos);
    EXPECT_NE(log.find("]: Шаг 001. Выделение строки: < [6] кол-во: 0 (0.00000 %)"), std::string::npos) << log;
    r = run({"scenario", "logs", "delete"});
    EXPECT_EQ(r.out, "Удалено файлов журналов: 1 из 1.\n");
}

TEST_F(ScenarioRunCli, CtrlCStopsTheRunAsStopDoes)
{
    // The full set and fifty offsets: long enough to be interrupted.
    writeBytes(dir / "Belvane_6x45.ini", "[GLOBAL]\r\nCombsGenerateMode=0\r\n");
    std::vector<model::TDraw> draws;
    for (int i = 1; i <= 60; ++i)
        draws.push_back(makeDraw(i, {static_cast<model::Ball>(i % 39 + 1), static_cast<model::Ball>(i % 39 + 2),
                                     static_cast<model::Ball>(i % 39 + 3), static_cast<model::Ball>(i % 39 + 4),
                                     static_cast<model::Ball>(i % 39 + 5), static_cast<model::Ball>(i % 39 + 6)}));
    writeArchiveFile(dir.path(), draws);
    CliRunOptions options;
    options.interruptWhen = [&] {
        const auto logs = scenario::FindScriptLogs(dir.path());
        return !logs.empty() && readBytes(logs[0]).find("=== ") != std::string::npos;
    };
    const auto r = run({"scenario", "test", scenarioFile(kToTheDraw), "--offsets", "50", "--log"}, options);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Комбинаций: "), std::string::npos) << r.out;
    const auto logs = scenario::FindScriptLogs(dir.path());
    ASSERT_EQ(logs.size(), 1u);
    const std::string log = cp1251::toUtf8(readBytes(logs[0]));
    EXPECT_NE(log.find("### ВЫПОЛНЕНИЕ СЦЕНАРИЯ ПРЕРВАНО"), std::string::npos);
    EXPECT_NE(log.find("### ЗАВЕРШЕНИЕ СЦЕНАРИЯ"), std::string::npos);
    EXPECT_EQ(log.find("смещения 000001"), std::string::npos); // it never got to the last offset
}

TEST_F(ScenarioRunCli, SystemsInstalledListedAndStaked)
{
    writeBytes(dir / "seven.txt", "1 2 3 4 5 6\n1 2 3 4 5 7\n1 3 4 5 6 7\n");
    auto r = run({"systems", "install", (dir / "seven.txt").string(), "--olap", "3", "--id", "42"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Система для 7 чисел: 6-07-3_0042.dat (комбинаций: 3)\nПроверено: блок 3: 3 из 4\n");
    r = run({"systems", "local", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Файл\tЧисла\tБлок\tНомер\tКомбинаций\tГарантия\tСтатус\n6-07-3_0042.dat\t07\t3\t42\t3\t3 из "
                     "4\tЗагружена\n");

    r = run({"systems", "stake", "--draws", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Сделано ставок: 3"), std::string::npos) << r.out;
    r = run({"stakes", "list", "--format", "tsv"});
    EXPECT_NE(r.out.find("\t5\tСистема\t1;2;3;4;5;6\t3\t"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Системная игра для 7 чисел [вся система]: 6-07-3_0042"), std::string::npos) << r.out;

    writeBytes(dir / "bad.txt", "1 2 3 4 5 6\n1 2 3 4 5 55\n");
    r = run({"systems", "install", (dir / "bad.txt").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Некорректная строка 2 в файле системы \"bad.txt\""), std::string::npos) << r.err;
}

TEST_F(ScenarioRunCli, AResultOfManyStakesIsRefusedWithoutYes)
{
    // Twenty-three numbers: 100,947 combinations, all staked by "ALL".
    writeBytes(dir / "Belvane_6x45.ini", "[GLOBAL]\r\nCombsGenerateMode=2\r\nCombsGenerateParameters=1,2,3,4,5,6,7,8,9,"
                                         "10,11,12,13,14,15,16,17,18,19,20,21,22,23\r\n");
    const std::string file = scenarioFile("FULL:0#ALL| | | | | | | |");
    auto r = run({"scenario", "run", file});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Ставки не сделаны: результат строки больше 100000 ставок. Чтобы сделать их, укажите --yes."),
              std::string::npos)
        << r.err;
    const std::string listed = run({"stakes", "list", "--format", "tsv"}).out;
    EXPECT_EQ(listed.find('\n') + 1, listed.size()) << "the captions only";
    r = run({"--yes", "scenario", "run", file});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Ставок: 100947\n"), std::string::npos);
}

} // namespace
} // namespace belvane::testing
