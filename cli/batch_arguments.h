#pragma once

// The program's batch words (fullrefresh, /fullrecreate, --loadonly, restart,
// no-language, ...) count only before the command: after it, an argument so
// spelled is the command's own (a comment, a file name) and stays where it is.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/startup_options.h"

namespace belvane::cli {

// The global options that take a value, so that their value is not read as a
// batch word or as the command.
inline constexpr std::string_view DataDirOption = "--data-dir";
inline constexpr std::string_view OffsetOption = "--offset";
inline constexpr std::array<std::string_view, 2> GlobalOptionsWithValue = {DataDirOption, OffsetOption};

struct BatchArguments {
    app::StartupOptions Options;   // the batch words before the command
    bool Found = false;            // whether there was any
    bool CommandFollows = false;   // whether a command follows the global options
    std::vector<std::string> Rest; // every other argument, in order
};

BatchArguments SplitBatchArguments(std::span<const std::string> args);

} // namespace belvane::cli
