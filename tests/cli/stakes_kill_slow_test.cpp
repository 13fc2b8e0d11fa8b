// belvane-cli killed with SIGKILL at random moments while it appends a list
// of stakes: the next start shows every stake that was there before and the
// whole new block or none of it, never a part, and never fewer than before.

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <map>
#include <random>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "helpers/build_paths.h"
#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"

extern char** environ;

namespace belvane::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int ListSize = 5000;
constexpr int BaseSize = 300;
constexpr int Kills = 200;

// `count` distinct combinations, one "n;n;n;n;n;n" line each.
std::string combinationList(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> number(1, 45);
    std::set<std::set<int>> seen;
    std::string text;
    while (static_cast<int>(seen.size()) < count) {
        std::set<int> comb;
        while (comb.size() < 6)
            comb.insert(number(random));
        if (!seen.insert(comb).second)
            continue;
        std::string line;
        for (int n : comb)
            line += (line.empty() ? "" : ";") + std::to_string(n);
        text += line + "\r\n";
    }
    return text;
}

// The tool started without waiting for it; its output goes nowhere.
pid_t startCli(const std::vector<std::string>& args)
{
    std::vector<std::string> argv{CliPath().string()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> raw;
    for (std::string& a : argv)
        raw.push_back(a.data());
    raw.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, raw[0], &actions, nullptr, raw.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

// How many listed stakes carry each comment, from `stakes list --format tsv`.
std::map<std::string, int> commentsListed(const std::string& tsv)
{
    std::map<std::string, int> count;
    size_t lineStart = tsv.find('\n'); // past the captions
    while (lineStart != std::string::npos && lineStart + 1 < tsv.size()) {
        const size_t end = tsv.find('\n', lineStart + 1);
        const std::string line = tsv.substr(lineStart + 1, end - lineStart - 1);
        for (const char* comment : {"BASE", "NEW"})
            if (line.find(std::string("\t") + comment + "\t") != std::string::npos ||
                line.ends_with(std::string("\t") + comment))
                ++count[comment];
        lineStart = end;
    }
    return count;
}

TEST(StakesKill, AnAppendKilledAtAnyMomentIsWholeOrAbsent)
{
    TempDir dir;
    const std::vector<std::string> data{"--data-dir", dir.path().string(), "--yes"};
    auto withData = [&](std::vector<std::string> args) {
        args.insert(args.begin(), data.begin(), data.end());
        return args;
    };
    ASSERT_EQ(runCli(withData({"draws", "demo", "--count", "40"})).exitCode, 0);
    writeBytes(dir / "base.lcv", combinationList(BaseSize, 1));
    writeBytes(dir / "new.lcv", combinationList(ListSize, 2));
    ASSERT_EQ(
        runCli(withData({"stakes", "add-list", "--in", (dir / "base.lcv").string(), "--comment", "BASE"})).exitCode, 0);

    // Every file of the folder as it stands with the base stakes, to go back to
    // after a block that went in whole.
    std::map<fs::path, std::string> saved;
    for (const fs::directory_entry& e : fs::directory_iterator(dir.path()))
        if (e.is_regular_file())
            saved[e.path()] = readBytes(e.path());
    const fs::path stakesFile = dir / "Belvane_6x45.lsk";
    const std::string base = readBytes(stakesFile);
    ASSERT_EQ(base.size() % 312, 0u);
    auto restore = [&] {
        for (const fs::directory_entry& e : fs::directory_iterator(dir.path()))
            if (e.is_regular_file() && !saved.contains(e.path()))
                fs::remove(e.path());
        for (const auto& [path, bytes] : saved)
            writeBytes(path, bytes);
    };

    // One uninterrupted run tells how long the command takes.
    const std::vector<std::string> append =
        withData({"stakes", "add-list", "--in", (dir / "new.lcv").string(), "--comment", "NEW"});
    const auto started = Clock::now();
    ASSERT_EQ(runCli(append).exitCode, 0);
    const auto duration = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started);
    restore();

    std::mt19937 random(20261209);
    std::uniform_int_distribution<long> delay(0, duration.count() * 6 / 5);
    int whole = 0;
    int absent = 0;
    for (int kill = 0; kill < Kills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        const pid_t pid = startCli(append);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        const bool reportedDone = WIFEXITED(status) && WEXITSTATUS(status) == 0;

        const CliResult listed = runCli(withData({"stakes", "list", "--format", "tsv"}));
        ASSERT_EQ(listed.exitCode, 0) << listed.err;
        const std::string after = readBytes(stakesFile);
        ASSERT_GE(after.size(), base.size());
        ASSERT_EQ(after.substr(0, base.size()), base) << "a stake written before was changed";
        std::map<std::string, int> comments = commentsListed(listed.out);
        EXPECT_EQ(comments["BASE"], BaseSize);
        if (after.size() == base.size()) {
            EXPECT_FALSE(reportedDone) << "the command said it was done but its stakes are gone";
            EXPECT_EQ(comments["NEW"], 0);
            ++absent;
        } else {
            ASSERT_EQ(after.size(), base.size() + ListSize * 312u) << "a part of the block stayed";
            EXPECT_EQ(comments["NEW"], ListSize);
            ++whole;
            restore();
        }
    }
    // The delays must have hit both sides of the commit to prove anything.
    EXPECT_GT(absent, 0);
    EXPECT_GT(whole, 0);
    RecordProperty("absent", absent);
    RecordProperty("whole", whole);
}

} // namespace
} // namespace belvane::testing
