#include "app/startup_options.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

#include "support/text.h"

namespace belvane::app {
namespace {

// The option word without its prefix, lower-cased; empty when none.
std::string optionWord(std::string_view arg)
{
    for (std::string_view prefix : {"--", "-", "/", "\\"})
        if (arg.starts_with(prefix)) {
            arg.remove_prefix(prefix.size());
            break;
        }
    std::string word(arg);
    for (char& c : word)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return word;
}

bool applyOption(std::string_view arg, StartupOptions* options)
{
    const std::string word = optionWord(arg);
    StartupOptions dummy;
    StartupOptions& o = options ? *options : dummy;
    if (word == "restart")
        o.Restart = true;
    else if (word == "loadonly")
        o.LoadOnly = true;
    else if (word == "fullrecreate")
        o.FullRecreate = true;
    else if (word == "fullrefresh")
        o.FullRefresh = true;
    else if (word == "no-language")
        o.NoLanguage = true;
    else
        return false;
    return true;
}

// Whether another process (not this one) runs an executable of that name.
bool otherInstanceRuns(std::string_view exeName)
{
    namespace fs = std::filesystem;
    const std::string self = std::to_string(::getpid());
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/proc", ec)) {
        const std::string pid = entry.path().filename().string();
        if (pid == self || pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::error_code linkError;
        const fs::path exe = fs::read_symlink(entry.path() / "exe", linkError);
        std::string name = linkError ? std::string() : exe.filename().string();
        if (name.empty()) {
            std::ifstream comm(entry.path() / "comm");
            std::getline(comm, name);
        }
        if (name == exeName)
            return true;
    }
    return false;
}

} // namespace

bool IsStartupOption(std::string_view arg)
{
    return applyOption(arg, nullptr);
}

StartupOptions ParseStartupOptions(std::span<const std::string> args, std::vector<std::string>* rest,
                                   std::span<const std::string_view> optionsWithValue)
{
    StartupOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool takesValue = std::find(optionsWithValue.begin(), optionsWithValue.end(), std::string_view(arg)) !=
                                optionsWithValue.end();
        if (takesValue) {
            const size_t last = std::min(i + 1, args.size() - 1);
            if (rest)
                rest->insert(rest->end(), args.begin() + static_cast<std::ptrdiff_t>(i),
                             args.begin() + static_cast<std::ptrdiff_t>(last + 1));
            i = last;
            continue;
        }
        if (!applyOption(arg, &options) && rest)
            rest->push_back(arg);
    }
    return options;
}

bool WaitForOtherInstances(std::string_view exeName, int polls)
{
    for (int poll = 0; poll < polls; ++poll) {
        if (!otherInstanceRuns(exeName))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

std::string CurrentExecutableName()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.filename().string();
}

} // namespace belvane::app
