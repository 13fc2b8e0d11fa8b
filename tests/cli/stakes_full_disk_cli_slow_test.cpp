// Every command that makes or checks stakes, with the disk filling up under
// one of the files it writes: the command fails (exit 1) and every file of the
// data folder is as it was before it, byte for byte, with nothing added.

#include <gtest/gtest.h>

#include <map>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"

namespace belvane::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kScenarioLine = "FULL:0#FIRST|TSD1#NUMS:1#CLV:0#SF:1| | | | | | |";

class StakesFullDisk : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args, const std::string& faults = {})
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string(), "--yes"});
        CliRunOptions options;
        if (!faults.empty())
            options.env.push_back("BELVANE_FILE_FAULTS=" + faults);
        return runCli(args, options);
    }
    // Every file under the data folder, by path, with its bytes.
    std::map<fs::path, std::string> snapshot() const
    {
        std::map<fs::path, std::string> files;
        for (const fs::directory_entry& e : fs::recursive_directory_iterator(dir.path()))
            if (e.is_regular_file())
                files[e.path()] = readBytes(e.path());
        return files;
    }

    TempDir dir;
};

TEST_F(StakesFullDisk, AFailedStakeCommandLeavesEveryFileAsItWas)
{
    ASSERT_EQ(run({"draws", "demo", "--count", "30"}).exitCode, 0);
    // Stakes checked against the draws (the stake logs and the ratings exist),
    // and a regular stake.
    ASSERT_EQ(run({"stakes", "add", "1;2;3;4;5;6", "--draw", "20"}).exitCode, 0);
    ASSERT_EQ(run({"stakes", "add", "7;8;9;10;11;12", "--draw", "25", "--draws", "3"}).exitCode, 0);
    ASSERT_EQ(run({"tables", "add", "--comment", "Своя", "--start", "1;2;3;4;5;6"}).exitCode, 0);
    const std::string list = (dir / "list.lcv").string();
    writeBytes(list, "1;2;3;4;5;6\r\n3;7;15;16;19;44\r\n2;4;6;8;10;12\r\n");
    const std::string scenario = (dir / "s.lsc").string();
    writeBytes(scenario, std::string(kScenarioLine) + "\r\n");
    ASSERT_EQ(run({"stakes", "list"}).exitCode, 0); // the first start's writes are behind us

    const std::vector<std::vector<std::string>> commands{
        {"stakes", "add", "3;7;15;16;19;44", "--draw", "10", "--draws", "4"},
        {"stakes", "add-list", "--in", list, "--draw", "12", "--comment", "NEW"},
        {"stakes", "random", "--in", list},
        {"stakes", "check"},
        {"tables", "stake", "1"},
        {"tables", "test", "3", "1"},
        {"scenario", "test", scenario, "--offsets", "3", "--stakes"},
        {"scenario", "run", scenario, "--log"},
    };
    // The disk fills under the stakes file, the ratings, the regular stakes,
    // a stake log, the run log (written as each happens), or under all at once.
    const std::vector<std::string> faults{"write:Belvane_6x45.lsk:-1", "write:Belvane_6x45.lrt:-1",
                                          "write:Belvane_6x45.ltb:-1", "write:Belvane_6x45-0.log:-1", "write:*:-1"};
    const auto before = snapshot();
    for (const auto& command : commands) {
        bool failedOnce = false;
        for (const std::string& fault : faults) {
            SCOPED_TRACE(command[0] + " " + command[1] + " with " + fault);
            const CliResult r = run(command, fault);
            if (r.exitCode == 0) {
                // The command did not write that file: then nothing may have failed.
                EXPECT_EQ(r.err, "");
                const auto after = snapshot();
                // Restore for the next case.
                for (const auto& [path, bytes] : after)
                    if (!before.contains(path))
                        fs::remove(path);
                for (const auto& [path, bytes] : before)
                    writeBytes(path, bytes);
                continue;
            }
            failedOnce = true;
            EXPECT_EQ(r.exitCode, 1) << r.err;
            EXPECT_FALSE(r.err.empty());
            const auto after = snapshot();
            for (const auto& [path, bytes] : after) {
                const auto old = before.find(path);
                if (old == before.end())
                    ADD_FAILURE() << "left behind: " << path.filename();
                else
                    EXPECT_TRUE(bytes == old->second) << "changed: " << path.filename();
            }
            for (const auto& [path, bytes] : before)
                EXPECT_TRUE(after.contains(path)) << "lost: " << path.filename();
        }
        EXPECT_TRUE(failedOnce) << command[0] << " " << command[1] << " wrote nothing that could fail";
    }
}

} // namespace
} // namespace belvane::testing
