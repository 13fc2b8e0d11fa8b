#pragma once

// What every command of the tool shares: the data folder, the host, and the
// action the parsed command line chose.

#include <functional>
#include <optional>
#include <string>

#include "app/data_files.h"
#include "cli/terminal_host.h"
#include "model/draws.h"
#include "stats/stat_list.h"

namespace CLI {
class App;
}

namespace belvane::cli {

// Exit codes: 0 success, 1 a failure (the message went to stderr), 2 bad usage.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailure = 1;
inline constexpr int ExitUsage = 2;

// Thrown by a command whose failure the host has already shown.
struct FailureShown {};

struct CliContext {
    std::string dataDir; // --data-dir; empty: the usual rule
    TerminalHost host;
    std::function<int()> action; // set by the chosen command's callback

    // The data folder, created when missing. Throws Error when it cannot be.
    app::DataFiles dataFiles() const;
};

// The archive of the data folder; a read error has been shown and fails the command.
model::TDrawsArray loadArchive(CliContext& ctx, const app::DataFiles& files);

// The archive and the statistics registry of the data folder, for commands
// that compute statistics. Not movable: the registry points at the archive.
struct StatsSession {
    explicit StatsSession(CliContext& ctx);
    StatsSession(const StatsSession&) = delete;
    StatsSession& operator=(const StatsSession&) = delete;

    app::DataFiles files;
    model::TDrawsArray draws;
    stats::TStatList list;

    // The registry entry with this ID (ignoring case); throws Error when there is none.
    int entry(std::string_view id) const;
};

// Each command group adds its subcommands to the tool.
void addDrawsCommands(CLI::App& app, CliContext& context);
void addStatsCommands(CLI::App& app, CliContext& context);
void addCombsCommands(CLI::App& app, CliContext& context);

} // namespace belvane::cli
