#include <gtest/gtest.h>

#include <filesystem>

#include "helpers/scenario_lines.h"
#include "helpers/temp_dir.h"
#include "scenario/scenario.h"
#include "support/error.h"

namespace belvane::scenario {
namespace {

using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

using testing::kDoneLine;

std::string message(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "no failure";
}

Scenario of(std::initializer_list<std::string_view> lines)
{
    Scenario s;
    for (std::string_view l : lines)
        s.Add(l);
    return s;
}

TEST(Scenario, EditingLines)
{
    Scenario s = of({"A", "B", "C"});
    s.Insert(1, "X");
    s.Insert(4, "  "); // appends a separator
    EXPECT_EQ(s.Lines(), (std::vector<std::string>{"A", "X", "B", "C", ""}));
    EXPECT_FALSE(s.IsCommandLine(4));
    EXPECT_TRUE(s.IsCommandLine(0));
    EXPECT_FALSE(s.IsCommandLine(5));

    s.Replace(0, "Z");
    EXPECT_EQ(s.MoveDown(0), 1);
    EXPECT_EQ(s.MoveUp(3), 2);
    EXPECT_EQ(s.Lines(), (std::vector<std::string>{"X", "Z", "C", "B", ""}));
    EXPECT_FALSE(s.CanMoveUp(0));
    EXPECT_FALSE(s.CanMoveDown(4));
    EXPECT_EQ(s.MoveDown(4), 4);

    const std::vector<int> doomed{3, 0, 3};
    s.Delete(doomed);
    EXPECT_EQ(s.Lines(), (std::vector<std::string>{"Z", "C", ""}));

    EXPECT_EQ(message([&] { (void)s.Line(3); }), "Запись со индексом 3 в файле данных не найдена!");
    EXPECT_EQ(message([&] { s.Replace(-1, "Q"); }), "Запись со индексом -1 в файле данных не найдена!");
    EXPECT_EQ(message([&] { s.Insert(4, "Q"); }), "Запись со индексом 4 в файле данных не найдена!");
    const std::vector<int> bad{0, 7};
    EXPECT_EQ(message([&] { s.Delete(bad); }), "Запись со индексом 7 в файле данных не найдена!");
    EXPECT_EQ(s.Count(), 3); // nothing deleted
}

TEST(Scenario, AppendingKeepsOneSeparatorBetweenScenarios)
{
    Scenario empty;
    empty.AppendScenario({"A", "", "B"});
    EXPECT_EQ(empty.Lines(), (std::vector<std::string>{"A", "", "B"})); // a plain load

    Scenario s = of({"A"});
    s.AppendScenario({"B", "C"});
    EXPECT_EQ(s.Lines(), (std::vector<std::string>{"A", "", "B", "C"}));

    Scenario endsWithSeparator = of({"A", ""});
    endsWithSeparator.AppendScenario({"B"});
    EXPECT_EQ(endsWithSeparator.Lines(), (std::vector<std::string>{"A", "", "B"}));

    Scenario nothing = of({"A"});
    nothing.AppendScenario({});
    EXPECT_EQ(nothing.Lines(), (std::vector<std::string>{"A"}));
}

TEST(ScenarioFile, DoneLineSavesBackByteForByte)
{
    TempDir dir;
    const std::string bytes = std::string(kDoneLine) + "\r\n\r\nFULL:0#RAND|TSD1#NUMS:100#LNO:#SF:1| | | | | | |x\r\n";
    writeBytes(dir / "a.lsc", bytes);
    Scenario s;
    s.Open(dir / "a.lsc");
    ASSERT_EQ(s.Count(), 3);
    EXPECT_EQ(s.Line(0), kDoneLine);
    EXPECT_FALSE(s.IsCommandLine(1));
    s.Save(dir / "b.lsc");
    EXPECT_EQ(readBytes(dir / "b.lsc"), bytes);
}

TEST(ScenarioFile, CommentsAreWindows1251WithCrLf)
{
    TempDir dir;
    Scenario s = of({"FULL:0#RAND| | | | | | | |Тест", ""});
    s.Save(dir / "c.lsc");
    EXPECT_EQ(readBytes(dir / "c.lsc"), "FULL:0#RAND| | | | | | | |\xD2\xE5\xF1\xF2\r\n\r\n");

    // LF, CR LF and a stray CR all end lines; blank lines are separators.
    writeBytes(dir / "d.lsc", "A|\xEA\n \t\r\nB\r\rC");
    Scenario read;
    read.Open(dir / "d.lsc");
    EXPECT_EQ(read.Lines(), (std::vector<std::string>{"A|к", "", "B", "", "C"}));
}

TEST(ScenarioFile, FailedReadLeavesTheScenario)
{
    TempDir dir;
    Scenario s = of({"A", "B"});
    const auto missing = dir / "missing.lsc";
    const std::string text = message([&] { s.Open(missing); });
    EXPECT_EQ(text.rfind("Ошибка чтения файла \"" + missing.string() + "\"!\r\r", 0), 0u) << text;
    EXPECT_EQ(message([&] { s.Append(missing); }), text);
    EXPECT_EQ(s.Lines(), (std::vector<std::string>{"A", "B"}));

    // A file far larger than any scenario is refused before it is read.
    const auto huge = dir / "huge.lsc";
    writeBytes(huge, "A");
    std::filesystem::resize_file(huge, MaxScenarioFileSize + 1);
    EXPECT_NE(message([&] { s.Open(huge); }).find("Ошибка чтения файла"), std::string::npos);
    EXPECT_EQ(s.Count(), 2);

    EXPECT_FALSE(s.LoadWorkingCopy(dir / "Belvane_6x45.lss"));
    EXPECT_EQ(s.Count(), 2);
}

TEST(ScenarioFile, AppendFromFiles)
{
    TempDir dir;
    writeBytes(dir / "one.lsc", "B\r\nC\r\n");
    writeBytes(dir / "sep.lsc", "\r\nD\r\n");
    writeBytes(dir / "empty.lsc", "");

    Scenario s = of({"A"});
    s.Append(dir / "one.lsc");
    EXPECT_EQ(s.Lines(), (std::vector<std::string>{"A", "", "B", "C"}));
    s.Append(dir / "empty.lsc");
    EXPECT_EQ(s.Count(), 4);

    Scenario ends = of({"A", ""});
    ends.Append(dir / "one.lsc");
    EXPECT_EQ(ends.Lines(), (std::vector<std::string>{"A", "", "B", "C"}));
    // The file's own leading separator is kept: only the joining one is not doubled.
    ends.Append(dir / "sep.lsc");
    EXPECT_EQ(ends.Lines(), (std::vector<std::string>{"A", "", "B", "C", "", "", "D"}));
}

TEST(ScenarioFile, WorkingCopyAndFailedWrite)
{
    TempDir dir;
    const auto copy = dir / "Belvane_6x45.lss";
    Scenario s = of({std::string(kDoneLine), ""});
    s.Save(copy);
    Scenario loaded;
    ASSERT_TRUE(loaded.LoadWorkingCopy(copy));
    EXPECT_EQ(loaded, s);

    const auto nowhere = dir / "no-folder" / "x.lsc";
    const std::string text = message([&] { s.Save(nowhere); });
    EXPECT_EQ(text.rfind("Ошибка записи в файл \"" + nowhere.string() + "\"!\r\r", 0), 0u) << text;
    EXPECT_EQ(LoadingFileStatus(copy), "Загрузка файла \"" + copy.string() + "\"...");
    EXPECT_EQ(SavingFileStatus(copy), "Сохранение файла \"" + copy.string() + "\"...");
}

} // namespace
} // namespace belvane::scenario
