#pragma once

// Running a scenario. "Прогноз" runs every line once at the current draws
// offset; "Тест" runs them at the offsets count, count - 1, ..., 1, so that
// every stake is for a draw already in the archive and is scored at once.
// For each line the runner expands the filters into their variants; for each
// variant it builds the start list, applies the filters by walking the
// statistics table, and stakes what is left for the next draw.
//
// A run is one long operation: the caller holds the workspace busy and runs
// it on a worker thread where there is a window. "Стоп" may come from any
// thread (or a signal handler), and so may "Отмена" of the run's one progress
// window (the host's cancel flag): the run notices either at its next step,
// writes the stop to its log and finishes as every run finishes, keeping the
// stakes it made.

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stakes/backtest_chance.h"

namespace belvane::app {

class Workspace;

struct ScenarioRunSettings {
    bool Log = false;             // "ScriptLogEnabled": write a run log
    bool CheckOnLine = true;      // "StakesCheckOnLine": check the stakes after every line, else after every pass
    std::optional<uint64_t> Seed; // the source of "RAND" for this run; none: the program's own
    // "Тест" only: after the lines of every offset, as many stakes again drawn
    // uniformly from the full set (from the seed too), under ControlComment:
    // random play rated by the same table as the scenario.
    bool Control = false;
    // Called at every stop check, before the stop flag is read: the points
    // where a run on the window's own thread would let the window handle
    // pending input. A front end on another thread needs none.
    std::function<void()> Poll;
};

// The comment of the control's random stakes (a ratings key, kept in every language).
inline constexpr std::string_view ControlComment = "00.000: @ Контроль: случайные ставки из полного набора";

struct ScenarioRunResult {
    bool Failed = false;               // a failure ended the run; its message was shown
    bool Stopped = false;              // "Стоп", or a line whose result mode "STOP" found more than one combination
    bool Declined = false;             // stopped: the person would not make a result's many stakes
    int Stakes = 0;                    // stakes made (the control's apart)
    int ControlStakes = 0;             // the control's random stakes
    std::vector<std::string> Comments; // the comments of the stakes made, each once, in order
    size_t FirstRecord = 0;            // the stakes file's first record written by the run (as the file stands)
    std::filesystem::path LogFile;     // the run log, when one was written
    // "Тест": its stakes beside random play (see CompareTestAndLog).
    std::optional<stakes::BacktestChance> Chance;
};

class ScenarioRunner {
public:
    explicit ScenarioRunner(Workspace& ws);

    // "Прогноз".
    ScenarioRunResult Run(std::span<const std::string> lines, const ScenarioRunSettings& settings);
    // "Тест": count must be 1 .. draws - 1. Back at the starting offset
    // afterwards, stopped or not.
    ScenarioRunResult Test(std::span<const std::string> lines, int count, const ScenarioRunSettings& settings);

    bool Running() const { return running_; }
    // "Стоп" (safe from any thread and from a signal handler).
    void RequestStop() { stopRequested_ = true; }
    bool StopRequested() const { return stopRequested_; }

private:
    ScenarioRunResult Execute(std::span<const std::string> lines, std::optional<int> testCount,
                              const ScenarioRunSettings& settings);

    Workspace& ws_;
    std::atomic<bool> running_ = false;
    std::atomic<bool> stopRequested_ = false;
    std::mt19937_64 random_;
};

} // namespace belvane::app
