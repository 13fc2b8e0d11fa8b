#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace belvane::testing {

struct CliResult {
    int exitCode = -1; // -1: killed (see timedOut)
    bool timedOut = false;
    std::string out;
    std::string err;
};

struct CliRunOptions {
    std::vector<std::string> env;        // "NAME=value" added to the test's environment
    std::filesystem::path workingFolder; // empty: the test's own
    int timeoutSeconds = 300;            // then the tool is killed
    // Polled while the tool runs: once it answers true the tool gets one
    // SIGINT, as if Ctrl+C were pressed.
    std::function<bool()> interruptWhen;
    // Above zero: the most data memory (RLIMIT_DATA) the tool may take; an
    // allocation beyond it fails as on a machine without more memory.
    uint64_t dataLimitBytes = 0;
};

// Runs the built belvane-cli with the arguments (no shell involved in quoting),
// capturing what it prints.
CliResult runCli(const std::vector<std::string>& args, const CliRunOptions& options = {});

} // namespace belvane::testing
