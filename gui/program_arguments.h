#pragma once

// The desktop program's command line: the batch words of the program
// (restart, loadonly, fullrecreate, fullrefresh, no-language), and the
// options with a value, whose value is never read as a batch word.

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "app/startup_options.h"

namespace belvane::gui {

struct ProgramArguments {
    std::optional<std::filesystem::path> dataDir;     // --data-dir DIR
    std::optional<std::filesystem::path> screenshots; // --screenshots DIR
    app::StartupOptions options;
};

// Arguments the program does not know (Qt's own among them) are passed over.
ProgramArguments ParseProgramArguments(std::span<const std::string> args);

} // namespace belvane::gui
