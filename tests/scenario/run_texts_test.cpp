#include <gtest/gtest.h>

#include <ctime>

#include "helpers/temp_dir.h"
#include "scenario/run_log.h"
#include "scenario/run_texts.h"
#include "support/cp1251.h"
#include "support/text.h"

namespace belvane::scenario {
namespace {

TEST(ScenarioStakeComment, NumbersCommentAndTextCutAtACharacter)
{
    EXPECT_EQ(ScenarioStakeComment(1, 2, "", "FULL#FIRST + TSD#NUMS:1#CLV:0#SF:1"),
              "01.002: @ FULL#FIRST + TSD#NUMS:1#CLV:0#SF:1");
    EXPECT_EQ(ScenarioStakeComment(123, 0, "мой", "FULL#SKIP"), "123.000: мой @ FULL#SKIP");

    // 300 Cyrillic letters: two bytes each in memory, one each in the record.
    std::string longText;
    for (int i = 0; i < 300; ++i)
        longText += "ж";
    const std::string cut = ScenarioStakeComment(1, 1, "", longText);
    EXPECT_EQ(text::utf8Length(cut), 255u);
    EXPECT_EQ(cp1251::fromUtf8(cut).size(), 255u);
    EXPECT_EQ(cp1251::toUtf8(cp1251::fromUtf8(cut)), cut); // no character was split
}

TEST(ScenarioStakeComment, TheCutIsToldAndTheLogNamesTheWholeComment)
{
    std::string fits = FullStakeComment(1, 1, std::string(236, 'x'), "FULL#ALL");
    ASSERT_EQ(fits.size(), 8u + 236u + 3u + 8u); // 255: everything fits
    EXPECT_FALSE(CutToStakeComment(fits));
    EXPECT_EQ(fits.size(), 255u);
    std::string over = FullStakeComment(1, 1, std::string(236, 'x'), "FULL#ALL+");
    EXPECT_TRUE(CutToStakeComment(over));
    EXPECT_EQ(over.size(), 255u);
    EXPECT_EQ(CommentCutLog("01.001: @ FULL#ALL"),
              "{!} Комментарий ставки обрезан до 255 символов: \"01.001: @ FULL#ALL\"");
}

TEST(ScriptLog, NamesLinesAndAppending)
{
    std::tm tm{};
    tm.tm_year = 2024 - 1900;
    tm.tm_mon = 0;
    tm.tm_mday = 31;
    tm.tm_hour = 23;
    tm.tm_min = 5;
    tm.tm_sec = 9;
    tm.tm_isdst = -1;
    const std::time_t t = std::mktime(&tm);
    testing::TempDir dir;
    EXPECT_EQ(ScriptLogPath(dir.path(), t).filename(), "ScriptLog_2024-01-31-23-05-09.txt");
    EXPECT_EQ(ScriptLogLine(t, "Шаг"), "[2024-01-31 23:05:09]: Шаг");
    EXPECT_TRUE(IsScriptLogName("ScriptLog_x.txt"));
    EXPECT_FALSE(IsScriptLogName("ScriptLog.txt"));
    EXPECT_FALSE(IsScriptLogName("Belvane_6x45-3.log"));
    EXPECT_EQ(OffsetBanner(5), "=== Выполнение сценария для смещения 000005 "
                               "==================================================");

    ScriptLog log;
    log.Start(dir / "ScriptLog_a.txt");
    EXPECT_FALSE(log.Write("первая"));
    EXPECT_FALSE(log.Write("вторая"));
    log.Finish();
    const std::string written = cp1251::toUtf8(testing::readBytes(dir / "ScriptLog_a.txt"));
    const auto lines = text::splitLines(written);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[1].ends_with("]: вторая"));
    EXPECT_EQ(testing::readBytes(dir / "ScriptLog_a.txt").substr(0, 1), "[");
    EXPECT_EQ(FindScriptLogs(dir.path()).size(), 1u);

    // A log that cannot be written says so once, and the run goes on without it.
    ScriptLog broken;
    broken.Start(dir / "no-folder" / "ScriptLog_b.txt");
    const auto failure = broken.Write("x");
    ASSERT_TRUE(failure);
    EXPECT_TRUE(failure->starts_with("Ошибка записи журнала: ")) << *failure;
    EXPECT_FALSE(broken.Write("y"));
}

TEST(TestCount, RangeAndDefault)
{
    EXPECT_FALSE(TestCountRangeFor(0));
    EXPECT_FALSE(TestCountRangeFor(1));
    const auto few = TestCountRangeFor(5);
    ASSERT_TRUE(few);
    EXPECT_EQ(few->Min, 1);
    EXPECT_EQ(few->Max, 4);
    EXPECT_EQ(few->Default, 4);
    EXPECT_EQ(TestCountRangeFor(1177)->Default, 10);
}

} // namespace
} // namespace belvane::scenario
