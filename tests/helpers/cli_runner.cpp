#include "helpers/cli_runner.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "helpers/build_paths.h"
#include "helpers/temp_dir.h"

extern char** environ;

namespace belvane::testing {

CliResult runCli(const std::vector<std::string>& args, const CliRunOptions& options)
{
    TempDir dir;
    const auto outPath = dir / "out";
    const auto errPath = dir / "err";

    std::vector<std::string> argv{CliPath().string()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargs;
    for (auto& a : argv)
        cargs.push_back(a.data());
    cargs.push_back(nullptr);

    std::vector<std::string> envStrings;
    for (char** e = environ; *e != nullptr; ++e)
        envStrings.emplace_back(*e);
    envStrings.insert(envStrings.end(), options.env.begin(), options.env.end());
    std::vector<char*> cenv;
    for (auto& e : envStrings)
        cenv.push_back(e.data());
    cenv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!options.workingFolder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, options.workingFolder.c_str());
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, cargs[0], &actions, nullptr, cargs.data(), cenv.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        throw std::runtime_error("cannot start belvane-cli");
    // posix_spawn returns once the tool is running its own program, long
    // before it reads a data file: the limit is in place by then.
    if (options.dataLimitBytes > 0) {
        const rlimit limit{options.dataLimitBytes, options.dataLimitBytes};
        if (prlimit(pid, RLIMIT_DATA, &limit, nullptr) != 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            throw std::runtime_error("cannot limit belvane-cli's memory");
        }
    }

    CliResult result;
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(options.timeoutSeconds);
    bool interrupted = false;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (!interrupted && options.interruptWhen && options.interruptWhen()) {
            interrupted = true;
            kill(pid, SIGINT);
        }
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid, SIGKILL); // a tool that blocks fails its test instead of hanging the run
            waitpid(pid, &status, 0);
            result.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readBytes(outPath);
    result.err = readBytes(errPath);
    return result;
}

} // namespace belvane::testing
