#pragma once

// What every command of the tool shares: the global options, the host, the
// action the parsed command line chose, and the workspace of the data folder.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/data_files.h"
#include "app/startup_options.h"
#include "app/workspace.h"
#include "frontend/terminal_host.h"
#include "model/draws_file.h"

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

// Thrown when an option's value is out of the range the data allows (known
// only once the data folder is read): the tool prints the message and exits
// with ExitUsage.
struct UsageFailure {
    std::string message;
};

// The message for an --offset beyond the archive of `draws` draws.
std::string OffsetRangeMessage(int offset, size_t draws);

// --offset cannot go further back than the archive can hold draws.
inline constexpr int MaxOffset = static_cast<int>(model::MaxDrawsInFile);

struct CliContext {
    std::string dataDir;         // --data-dir; empty: the usual rule
    std::optional<int> offset;   // --offset: the draws offset for the command
    app::StartupOptions startup; // the batch words before the command
    bool yes = false;            // --yes: answer every question with yes
    bool no = false;             // --no: answer every question with no
    TerminalHost host;
    std::function<int()> action; // set by the chosen command's callback

    // The data folder, created when missing. Throws Error when it cannot be.
    app::DataFiles dataFiles() const;
    // The data folder as it is, not created: for commands that only read.
    app::DataFiles existingDataFiles() const;
};

// What a command does to the data folder. A reading command writes nothing
// there, so it works on a full disk, on a read-only folder and beside another
// reader.
enum class Access { Change, Read };

// The workspace of the data folder for the length of one command: created
// with the startup options, initialised (which takes the data folder's lock:
// shared for a reading command), at the --offset, and closed again at the end.
class WorkspaceSession {
public:
    explicit WorkspaceSession(CliContext& ctx, Access access = Access::Change);
    WorkspaceSession(const WorkspaceSession&) = delete;
    WorkspaceSession& operator=(const WorkspaceSession&) = delete;
    ~WorkspaceSession();

    app::Workspace& operator*() { return *workspace_; }
    app::Workspace* operator->() { return workspace_.get(); }

    // The registry entry with this ID (ignoring case); throws Error when there is none.
    int entry(std::string_view id) const;

    // Closes the workspace now, writing what is written on close; throws
    // FailureShown when a write failed. A command whose result lives in those
    // writes closes before it reports success.
    void close();

private:
    std::unique_ptr<app::Workspace> workspace_;
};

// Each command group adds its subcommands to the tool.
void addDrawsCommands(CLI::App& app, CliContext& context);
void addStatsCommands(CLI::App& app, CliContext& context);
// `favorites`: the favourite methods and the user's captions.
void addFavoritesCommands(CLI::App& app, CliContext& context);
void addCombsCommands(CLI::App& app, CliContext& context);
void addSettingsCommands(CLI::App& app, CliContext& context);
void addScenarioCommands(CLI::App& app, CliContext& context);
void addStakesCommands(CLI::App& app, CliContext& context);
// `draws download` (after addDrawsCommands) and `proxy`.
void addDownloadCommands(CLI::App& app, CliContext& context);
// `http get|post`: the HTTP helper as a diagnostic.
void addHttpCommands(CLI::App& app, CliContext& context);
void addFormulaCommands(CLI::App& app, CliContext& context);
void addShreddingCommands(CLI::App& app, CliContext& context);
void addSystemsCommands(CLI::App& app, CliContext& context);
// `systems generate|verify` (inside the systems command).
void addWheelCommands(CLI::App* systems, CliContext& context);
// `ratings show`: one row beside random play (after addStakesCommands).
void addRatingsChanceCommands(CLI::App& app, CliContext& context);
// `views`, `analysis` and `ratings graph` (after addStakesCommands).
void addViewsCommands(CLI::App& app, CliContext& context);
// `tables` and `ratings to-line` (after addStakesCommands).
void addTablesCommands(CLI::App& app, CliContext& context);
// `library`: the online scenario library.
void addLibraryCommands(CLI::App& app, CliContext& context);
// `update`: updates of the program itself.
void addUpdateCommands(CLI::App& app, CliContext& context);
void addLanguageCommands(CLI::App& app, CliContext& context);

// The batch options in ctx.startup (fullrefresh, fullrecreate, loadonly,
// restart, no-language, in any spelling): runs the program's batch job
// without a window.
int runBatch(CliContext& ctx);

} // namespace belvane::cli
