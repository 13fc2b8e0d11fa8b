#pragma once

// A finished "Тест" beside random play: the stakes it made, read back from
// the stakes file, grouped by line and variant (see stakes/backtest_chance.h).

#include <string>

#include "stakes/backtest_chance.h"

namespace belvane::app {

class Workspace;
struct ScenarioRunResult;

// `holdoutOffsets` > 0: the best variant is chosen on the stakes of the older
// offsets and judged again on those of offsets 1 .. holdoutOffsets.
stakes::BacktestChance CompareTestWithChance(Workspace& ws, const ScenarioRunResult& run, int holdoutOffsets = 0);

// The comparison's text, and the same appended to the run's log when it
// wrote one (a failed write is shown and makes the result false).
bool LogTestComparison(Workspace& ws, const ScenarioRunResult& run, const std::string& text);

// The end of a "Тест" that did not fail, for every front end: run.Chance
// from its stakes, the whole comparison appended to its log (a write that
// fails is shown and fails the run).
void CompareTestAndLog(Workspace& ws, ScenarioRunResult& run, int holdoutOffsets = 0);

} // namespace belvane::app
