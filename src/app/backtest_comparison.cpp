#include "app/backtest_comparison.h"

#include <optional>
#include <string_view>

#include "app/archive_service.h"
#include "app/configuration_service.h"
#include "app/scenario_runner.h"
#include "app/stakes_service.h"
#include "app/workspace.h"
#include "scenario/run_log.h"
#include "stakes/stake_access.h"
#include "support/host.h"

namespace belvane::app {

stakes::BacktestChance CompareTestWithChance(Workspace& ws, const ScenarioRunResult& run, int holdoutOffsets)
{
    std::optional<int32_t> holdoutFirstDraw;
    if (holdoutOffsets > 0)
        // A test stakes at offset o for the draw after the archive cut o draws short.
        holdoutFirstDraw = stakes::NextStakeDrawNumber(ws.Archive().Draws(), holdoutOffsets);
    stakes::BacktestTally tally(run.Comments, holdoutFirstDraw, holdoutOffsets,
                                run.ControlStakes > 0 ? ControlComment : std::string_view());
    StakesService& stakes = ws.Stakes();
    for (size_t i = run.FirstRecord; i < stakes.Count(); ++i)
        tally.add(stakes.Record(i));
    return std::move(tally).finish(ws.Configuration().Data());
}

void CompareTestAndLog(Workspace& ws, ScenarioRunResult& run, int holdoutOffsets)
{
    if (run.Failed)
        return;
    run.Chance = CompareTestWithChance(ws, run, holdoutOffsets);
    if (!LogTestComparison(ws, run, stakes::BacktestChanceText(*run.Chance)))
        run.Failed = true;
}

bool LogTestComparison(Workspace& ws, const ScenarioRunResult& run, const std::string& text)
{
    if (run.LogFile.empty())
        return true;
    scenario::ScriptLog log;
    log.Start(run.LogFile);
    size_t from = 0;
    while (from < text.size()) {
        size_t end = text.find('\n', from);
        if (end == std::string::npos)
            end = text.size();
        if (std::optional<std::string> failure = log.Write(std::string_view(text).substr(from, end - from))) {
            ws.Host().showError(*failure);
            return false;
        }
        from = end + 1;
    }
    log.Finish();
    return true;
}

} // namespace belvane::app
