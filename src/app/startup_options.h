#pragma once

// The program's command-line options: restart, loadonly, fullrecreate,
// fullrefresh, no-language; each bare or after "-", "--", "/" or "\", in any case.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace belvane::app {

struct StartupOptions {
    bool Restart = false;      // wait until no other copy of the program runs
    bool LoadOnly = false;     // download the draws and terminate
    bool FullRecreate = false; // rebuild every prefetch file and terminate
    bool FullRefresh = false;  // build the missing prefetch files and terminate
    bool NoLanguage = false;   // ignore the interface-language setting
    // How many times (every 100 ms) restart looks for the other copy before giving up.
    int RestartPolls = 601;

    // Any option that makes the program a batch tool (no window).
    bool Batch() const { return LoadOnly || FullRecreate || FullRefresh; }
};

// The option an argument names, if any.
bool IsStartupOption(std::string_view arg);

// Reads the options among the arguments; other arguments are returned in `rest`.
// An argument that is one of `optionsWithValue` takes the next argument as its
// value, whatever it is spelled like ("--data-dir fullrefresh" names a folder):
// both go to `rest`.
StartupOptions ParseStartupOptions(std::span<const std::string> args, std::vector<std::string>* rest = nullptr,
                                   std::span<const std::string_view> optionsWithValue = {});

// Waits until no other process runs the executable named `exeName`, polling
// every 100 ms at most `polls` times. Returns false if one still runs.
bool WaitForOtherInstances(std::string_view exeName, int polls = 601);

// The executable name of the running process ("belvane", "belvane-cli").
std::string CurrentExecutableName();

} // namespace belvane::app
