// Tests that build every prefetch file over the full set: tens of seconds.

#include <gtest/gtest.h>

#include <array>
#include <sys/stat.h>

#include "app/config_editing.h"
#include "app/configuration_service.h"
#include "app/data_files.h"
#include "app/prefetch_files.h"
#include "app/statistics_service.h"
#include "app/workspace.h"
#include "helpers/recording_host.h"
#include "helpers/stats_fixture.h"
#include "helpers/temp_dir.h"
#include "stats/stat_class.h"
#include "stats/stat_list.h"
#include "support/ini_document.h"

namespace belvane::app {
namespace {

using testing::RecordingHost;
using testing::StatsFixture;
using testing::TempDir;

TEST(PrefetchFiles, MissingOnesAndMaskedGroups)
{
    TempDir dir;
    const DataFiles files(dir.path());
    StatsFixture f;
    RecordingHost host;
    EXPECT_EQ(BuildPrefetchFiles(host, f.list, files, false, false, 0).Written, 0); // switched off
    EXPECT_FALSE(std::filesystem::exists(files.prefetchFolder()));

    // Every method with a full-set form, per group.
    std::array<int, stats::GroupCount> perGroup{};
    int withFullSet = 0;
    for (int i = 0; i < f.list.MethodCount(); ++i) {
        if (f.list.CanPrefetch(i)) {
            ++withFullSet;
            ++perGroup[f.list.Item(i).StatClass->GetGroup()];
        }
    }
    EXPECT_EQ(perGroup[stats::GroupNumbers], 14); // every number method but the extra number

    EXPECT_EQ(BuildPrefetchFiles(host, f.list, files, true, false, 0).Written, withFullSet);
    EXPECT_EQ(BuildPrefetchFiles(host, f.list, files, false, true, 0).Written, 0); // nothing missing
    EXPECT_EQ(BuildPrefetchFiles(host, f.list, files, false, true, 1 << stats::GroupNumbers).Written, 14);
    EXPECT_EQ(BuildPrefetchFiles(host, f.list, files, false, true, 1 << stats::GroupShredding).Written,
              perGroup[stats::GroupShredding]);
    EXPECT_EQ(host.status(), "");
    EXPECT_FALSE(host.progressOpen());
    ASSERT_FALSE(host.progressPositions.empty());
    EXPECT_EQ(host.progressPositions.back(), f.list.MethodCount());
}

ino_t inodeOf(const std::filesystem::path& p)
{
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 ? st.st_ino : 0;
}

TEST(ConfigEditing, ApplyingRebuildsOnlyTheAffectedGroupsFiles)
{
    testing::TempDir dir;
    testing::RecordingHost host;
    Workspace ws(host, DataFiles(dir.path()));
    ws.Create();
    ws.Initialise();
    ws.Settings().Set("PrefetchsEnabled", 1);
    ws.Statistics().BuildPrefetchFiles(true, 0);
    const auto nums = ws.Files().prefetch("NUMS");
    const ino_t before = inodeOf(nums);
    ASSERT_NE(before, 0u);

    stats::TConfigData edited = ws.Configuration().Data();
    edited.MatrixCols = 3;
    edited.Cost = 20000;
    EXPECT_EQ(ws.Configuration().Apply(edited), 1u << stats::GroupMatrix);
    EXPECT_EQ(inodeOf(nums), before); // the number methods do not depend on the grid
    EXPECT_EQ(ws.Configuration().Data().MatrixCols, 3);
    const IniDocument ini = IniDocument::load(ws.Files().config());
    EXPECT_EQ(ini.readInteger("GLOBAL", "MatrixCols", 0), 3);
    EXPECT_EQ(ini.readString("STAKES", "Cost"), "2");
    // Every matrix file is there for the new grid (15 rows: ROW10..ROW15 are new).
    int matrixFiles = 0;
    for (int i = 0; i < ws.Registry().MethodCount(); ++i) {
        if (ws.Registry().CanPrefetch(i) && ws.Registry().Item(i).StatClass->GetGroup() == stats::GroupMatrix) {
            EXPECT_TRUE(std::filesystem::exists(ws.Files().prefetch(ws.Registry().Item(i).ID())));
            ++matrixFiles;
        }
    }
    EXPECT_GT(matrixFiles, 0);
    EXPECT_TRUE(std::filesystem::exists(ws.Files().prefetch("ROW15")));
    EXPECT_TRUE(host.errors().empty());
    ws.Close();
}
} // namespace
} // namespace belvane::app
