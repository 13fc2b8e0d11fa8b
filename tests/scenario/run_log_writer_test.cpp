// The run log as a follower of a run: the lines it writes for what it is told,
// and a log that cannot be written.

#include <gtest/gtest.h>

#include "helpers/recording_host.h"
#include "helpers/temp_dir.h"
#include "scenario/run_log_writer.h"
#include "support/cp1251.h"
#include "support/text.h"

namespace belvane::scenario {
namespace {

using testing::readBytes;
using testing::RecordingHost;
using testing::TempDir;

// The log's lines without their time stamps.
std::vector<std::string> logLines(const std::filesystem::path& file)
{
    std::vector<std::string> out;
    const std::string log = cp1251::toUtf8(readBytes(file));
    for (std::string_view line : text::splitLines(log)) {
        const size_t text = line.find("]: ");
        out.emplace_back(text == std::string_view::npos ? line : line.substr(text + 3));
    }
    return out;
}

TEST(RunLogWriter, AVariantsStepsInTheLogsWordsAndNothingAfterTheFinish)
{
    TempDir dir;
    RecordingHost host;
    RunLogWriter log(host, dir / "run.txt");
    EXPECT_TRUE(log.WantsEveryStep()); // a log shows every filter of every variant
    log.RunStarted();
    log.VariantStarted(2, "TSD#NUMS:1#LNO:#SZ:1");
    log.Filtering(false);
    log.CombinationsCounted(7);
    log.Staked(1177, {30, 4, 17, 1, 45, 9}, true);
    log.Staked(1177, {1, 4, 9, 17, 30, 45}, false);
    log.RolledBack();
    log.RunFinished();
    log.LineStarted(3, "after the finish");

    const std::string rule(94, '-');
    const std::vector<std::string> expected = {std::string(StartBanner),
                                               "",
                                               rule,
                                               "Применение набора фильтров 002: \"TSD#NUMS:1#LNO:#SZ:1\"",
                                               rule,
                                               "Удаляем выделенные значения...",
                                               "Количество комбинаций в списке: 7",
                                               StakeAddedLog(1177, "1;4;9;17;30;45"),
                                               StakeExistsLog(1177, "1;4;9;17;30;45"),
                                               "{UNDO} Откат изменений...",
                                               std::string(FinishBanner)};
    EXPECT_EQ(logLines(dir / "run.txt"), expected);
    EXPECT_TRUE(host.errors().empty());
}

TEST(RunLogWriter, ALogThatCannotBeWrittenIsReportedOnceAndTheRunGoesOn)
{
    TempDir dir;
    RecordingHost host;
    RunLogWriter log(host, dir / "no such folder" / "run.txt");
    log.RunStarted();
    log.OffsetStarted(5);
    log.LineStarted(1, "FULL:0#FIRST| | | | | | | |");
    log.RunFinished();
    ASSERT_EQ(host.errors().size(), 1u);
    EXPECT_TRUE(host.errors()[0].starts_with("Ошибка записи журнала: ")) << host.errors()[0];
    EXPECT_FALSE(std::filesystem::exists(dir / "no such folder"));
}

} // namespace
} // namespace belvane::scenario
