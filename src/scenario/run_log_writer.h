#pragma once

// The run log as a follower of the run: every step it is told of becomes the
// log's line or lines, in the log's words. A write that fails is shown once
// through the host and the log stops; the run goes on.

#include <filesystem>

#include "scenario/run_log.h"
#include "scenario/run_observer.h"

namespace belvane {
class Host;
}

namespace belvane::scenario {

class RunLogWriter final : public RunObserver {
public:
    // Starts the log file at `path` (appended to when it exists).
    RunLogWriter(Host& host, std::filesystem::path path);

    const std::filesystem::path& Path() const { return log_.Path(); }
    // Whether a line could not be written (the log then misses what followed).
    bool Failed() const { return failed_; }

    bool WantsEveryStep() const override { return true; }

    void RunStarted() override;
    void RunStopped() override;
    void RunFinished() override;
    void OffsetStarted(int offset) override;

    void LineStarted(int lineNumber, std::string_view line) override;
    void ExpandingFilters() override;
    void VariantsMade(int count) override;
    void NoFilters() override;
    void VariantStarted(int variant, std::string_view filtersText) override;
    void VariantFinished() override;
    void BuildingStartList() override;
    void CombinationsCounted(size_t count) override;

    void Analysing(std::string_view methodText, int drawCount) override;
    void TableRow(const RowTexts& row) override;
    void RowSelected(int step, const RowTexts& row) override;
    void Filtering(bool keep) override;
    void RolledBack() override;

    void StakeMode(std::string_view modeText) override;
    void StoppedByLine() override;
    void StakeSkipped() override;
    void CommentCut(std::string_view fullComment) override;
    void Staked(int32_t drawNumber, const model::TComb& comb, bool added) override;
    void SystemFailed(int numbers, std::string_view reason) override;
    void SystemLoaded(bool wholeSystem, int numbers, std::string_view title) override;

private:
    void write(std::string_view text);

    Host& host_;
    ScriptLog log_;
    bool failed_ = false;
};

} // namespace belvane::scenario
