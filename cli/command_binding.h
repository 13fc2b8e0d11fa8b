#pragma once

// Binding a subcommand to the function that runs it.

#include <CLI/CLI.hpp>
#include <memory>

#include "cli/cli_context.h"

namespace belvane::cli {

// Once CLI11 has chosen `command`, the tool runs run(ctx, options) with the
// parsed options.
template <typename Options, typename Run>
void onChosen(CLI::App* command, CliContext& ctx, std::shared_ptr<Options> options, Run run)
{
    command->callback([&ctx, options, run] { ctx.action = [&ctx, options, run] { return run(ctx, *options); }; });
}

// "text" or "tsv" for --format.
inline CLI::Option* addFormatOption(CLI::App* command, std::string& format)
{
    return command->add_option("--format", format, "Вид вывода: text (выровненный текст) или tsv")
        ->check(CLI::IsMember({"text", "tsv"}))
        ->capture_default_str();
}

} // namespace belvane::cli
