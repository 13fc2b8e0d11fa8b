// Commands that only read write nothing into the data folder: they work on a
// full disk and on a folder mounted read-only, and leave every file as it was.

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sys/stat.h>

#include "helpers/build_paths.h"
#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"

namespace belvane::testing {
namespace {

namespace fs = std::filesystem;

// What a file is: its bytes, and whether it was replaced or touched.
struct FileState {
    std::string Bytes;
    ino_t Inode = 0;
    int64_t ModifiedNs = 0;
    friend bool operator==(const FileState&, const FileState&) = default;
};

std::map<fs::path, FileState> folderState(const fs::path& folder)
{
    std::map<fs::path, FileState> files;
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(folder)) {
        struct stat st {};
        if (!e.is_regular_file() || ::stat(e.path().c_str(), &st) != 0)
            continue;
        files[e.path()] = {readBytes(e.path()), st.st_ino, st.st_mtim.tv_sec * 1'000'000'000LL + st.st_mtim.tv_nsec};
    }
    return files;
}

std::string quoted(const std::string& s)
{
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class ReadOnlyCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(run({"draws", "demo", "--count", "30"}).exitCode, 0);
        ASSERT_EQ(run({"stakes", "add", "1;2;3;4;5;6", "--draw", "20", "--draws", "3"}).exitCode, 0);
        ASSERT_EQ(run({"tables", "add", "--comment", "Своя", "--start", "1;2;3;4;5;6"}).exitCode, 0);
        writeBytes(dir / "list.lcv", "1;2;3;4;5;6\r\n3;7;15;16;19;44\r\n");
        ASSERT_EQ(run({"stakes", "list"}).exitCode, 0);
    }
    CliResult run(std::vector<std::string> args, std::vector<std::string> env = {})
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args, {.env = std::move(env)});
    }
    // The commands that only read.
    std::vector<std::vector<std::string>> readingCommands() const
    {
        const std::string out = (outputs / "draws.csv").string();
        return {{"draws", "list"},
                {"draws", "summary"},
                {"draws", "export", out},
                {"stakes", "list"},
                {"ratings", "list"},
                {"ratings", "export", (outputs / "ratings.csv").string()},
                {"tables", "list"},
                {"settings", "list"},
                {"settings", "get", "DrawsStatLen"},
                {"favorites", "list"},
                {"methods"},
                {"stats", "NUMS", "--len", "10"},
                {"languages"},
                {"scenario", "show"},
                {"shredding", "get"},
                {"systems", "local"},
                {"proxy", "show"},
                {"combs", "info", (dir / "list.lcv").string()},
                {"combs", "find", (dir / "list.lcv").string(), "3;7;15;16;19;44"},
                {"views", "week"}};
    }

    TempDir dir;
    TempDir outputs;
};

TEST_F(ReadOnlyCli, ReadingCommandsWriteNothingAndWorkOnAFullDisk)
{
    const auto before = folderState(dir.path());
    for (const auto& command : readingCommands()) {
        SCOPED_TRACE(command[0] + (command.size() > 1 ? " " + command[1] : ""));
        const CliResult plain = run(command);
        EXPECT_EQ(plain.exitCode, 0) << plain.err;
        EXPECT_EQ(plain.err, "");
        EXPECT_TRUE(folderState(dir.path()) == before) << "the data folder changed";
        // A full disk changes nothing either (but for the outputs asked for).
        if (command.size() > 1 && command[1] == "export")
            continue;
        const CliResult full = run(command, {"BELVANE_FILE_FAULTS=write:*:-1"});
        EXPECT_EQ(full.exitCode, 0) << full.err;
        EXPECT_EQ(full.out, plain.out);
    }
}

// A folder mounted read-only (in a mount namespace of its own, where the
// system allows one).
TEST_F(ReadOnlyCli, ReadingCommandsWorkOnAReadOnlyFolder)
{
    if (std::system("unshare -m true >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "no mount namespaces here";
    const std::string folder = quoted(dir.path().string());
    const std::string cli = quoted(CliPath().string());
    auto runReadOnly = [&](const std::vector<std::string>& args) {
        std::string command = cli + " --data-dir " + folder;
        for (const std::string& a : args)
            command += " " + quoted(a);
        const std::string script = "mount --bind " + folder + " " + folder + " && mount -o remount,bind,ro " + folder +
                                   " " + folder + " && " + command;
        const std::string shell = "unshare -m sh -c " + quoted(script) + " >" + quoted((outputs / "out.txt").string()) +
                                  " 2>" + quoted((outputs / "err.txt").string());
        const int status = std::system(shell.c_str());
        return CliResult{.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                         .out = readBytes(outputs / "out.txt"),
                         .err = readBytes(outputs / "err.txt")};
    };
    // The mount itself may be refused (no privilege): then there is nothing to test.
    if (runReadOnly({"draws", "summary"}).err.find("mount:") != std::string::npos)
        GTEST_SKIP() << "no read-only mounts here";

    for (const auto& command : readingCommands()) {
        SCOPED_TRACE(command[0] + (command.size() > 1 ? " " + command[1] : ""));
        const CliResult r = runReadOnly(command);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(r.out, run(command).out);
    }
    // A command that changes something says why it cannot, and fails.
    const CliResult add = runReadOnly({"stakes", "add", "3;7;15;16;19;44"});
    EXPECT_EQ(add.exitCode, 1);
    EXPECT_FALSE(add.err.empty());
}

} // namespace
} // namespace belvane::testing
