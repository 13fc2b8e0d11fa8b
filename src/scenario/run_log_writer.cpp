#include "scenario/run_log_writer.h"

#include <algorithm>

#include "model/comb_text.h"
#include "support/host.h"

namespace belvane::scenario {

RunLogWriter::RunLogWriter(Host& host, std::filesystem::path path) : host_(host)
{
    log_.Start(std::move(path));
}

void RunLogWriter::write(std::string_view text)
{
    if (!log_.Active())
        return;
    if (auto failure = log_.Write(text)) {
        failed_ = true;
        host_.showError(*failure);
    }
}

void RunLogWriter::RunStarted()
{
    write(StartBanner);
}

void RunLogWriter::RunStopped()
{
    write(StoppedBanner);
}

void RunLogWriter::RunFinished()
{
    write(FinishBanner);
    log_.Finish();
}

void RunLogWriter::OffsetStarted(int offset)
{
    write(OffsetRule);
    write(OffsetBanner(offset));
    write(OffsetRule);
}

void RunLogWriter::LineStarted(int lineNumber, std::string_view line)
{
    write(LineRule());
    write(RunningLineLog(lineNumber, line));
    write(LineRule());
}

void RunLogWriter::ExpandingFilters()
{
    write(ExpandingActivity);
}

void RunLogWriter::VariantsMade(int count)
{
    write(VariantsMadeLog(count));
}

void RunLogWriter::NoFilters()
{
    write(NoFiltersLog);
    write("");
}

void RunLogWriter::VariantStarted(int variant, std::string_view filtersText)
{
    write("");
    write(LineRule());
    write(ApplyingVariantLog(variant, filtersText));
    write(LineRule());
}

void RunLogWriter::VariantFinished()
{
    write(LineRule());
}

void RunLogWriter::BuildingStartList()
{
    write(BuildingStartListLog);
}

void RunLogWriter::CombinationsCounted(size_t count)
{
    write(CombsCountLog(count));
}

void RunLogWriter::Analysing(std::string_view methodText, int drawCount)
{
    write(AnalysingLog(methodText, drawCount));
}

void RunLogWriter::TableRow(const RowTexts& row)
{
    write(RowLog(row));
}

void RunLogWriter::RowSelected(int step, const RowTexts& row)
{
    write(StepLog(step, row));
}

void RunLogWriter::Filtering(bool keep)
{
    write(keep ? KeepSelectedLog : DeleteSelectedLog);
}

void RunLogWriter::RolledBack()
{
    write(RollbackLog);
}

void RunLogWriter::StakeMode(std::string_view modeText)
{
    write(StakeModeLog(modeText));
}

void RunLogWriter::StoppedByLine()
{
    write(StoppedByLineLog);
}

void RunLogWriter::StakeSkipped()
{
    write(SkippedStakeLog);
}

void RunLogWriter::CommentCut(std::string_view fullComment)
{
    write(CommentCutLog(fullComment));
}

void RunLogWriter::Staked(int32_t drawNumber, const model::TComb& comb, bool added)
{
    model::TComb sorted = comb;
    std::sort(sorted.begin(), sorted.end());
    const std::string numbers = model::CombToListText(sorted);
    write(added ? StakeAddedLog(drawNumber, numbers) : StakeExistsLog(drawNumber, numbers));
}

void RunLogWriter::SystemFailed(int numbers, std::string_view reason)
{
    write(SystemFailedLog(numbers, reason));
}

void RunLogWriter::SystemLoaded(bool wholeSystem, int numbers, std::string_view title)
{
    write(SystemLoadedLog(wholeSystem, numbers, title));
}

} // namespace belvane::scenario
