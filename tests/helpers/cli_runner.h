#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace belvane::testing {

struct CliResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built belvane-cli with the arguments (no shell involved in quoting),
// capturing what it prints.
CliResult runCli(const std::vector<std::string>& args);

} // namespace belvane::testing
