#include <gtest/gtest.h>

#include "app/workspace.h"
#include "helpers/cli_runner.h"
#include "helpers/recording_host.h"
#include "helpers/temp_dir.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

class WorkspaceCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    TempDir dir;
};

TEST_F(WorkspaceCli, ASecondProgramOnTheFolderIsRefused)
{
    RecordingHost host;
    app::Workspace holder(host, app::DataFiles(dir.path()));
    holder.Create();
    holder.Initialise();
    const auto r = run({"draws", "list"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, text::replaceAll(app::ExclusiveAccessMessage, "\r", "\n") + "\n");
    holder.Close();
    EXPECT_EQ(run({"draws", "list"}).exitCode, 0);
}

TEST_F(WorkspaceCli, SettingsSurviveARestart)
{
    auto r = run({"settings", "set", "DrawsStatLen", "333"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "DrawsStatLen = 333\n");
    ASSERT_EQ(run({"settings", "set", "sorteddraws", "true"}).exitCode, 0);
    EXPECT_EQ(run({"settings", "get", "DrawsStatLen"}).out, "333\n");
    EXPECT_EQ(run({"settings", "get", "SortedDraws"}).out, "true\n");
    EXPECT_EQ(run({"settings", "get", "Nope"}).exitCode, 1);
    EXPECT_EQ(run({"settings", "set", "DrawsStatLen", "x"}).exitCode, 1);
    EXPECT_EQ(run({"settings", "list", "--format", "tsv"}).exitCode, 0);
}

TEST_F(WorkspaceCli, OffsetAppliesToTheCommand)
{
    ASSERT_EQ(run({"draws", "demo", "--count", "10"}).exitCode, 0);
    auto r = run({"--offset", "2", "draws", "summary"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Следующий тираж: 9"), std::string::npos);
    r = run({"stats", "NUMS", "--offset", "9", "--format", "tsv"}); // global options may follow the command
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(text::splitLines(r.out).size(), 46u);
}

} // namespace
} // namespace belvane::testing
