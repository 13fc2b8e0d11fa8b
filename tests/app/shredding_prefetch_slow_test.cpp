// The shredding formulas' OK with prefetch files on: the group's files are
// counted again over the full set.

#include <gtest/gtest.h>

#include "app/configuration_service.h"
#include "app/prefetch_files.h"
#include "app/setting_keys.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "model/game.h"
#include "stats/stat_list.h"

namespace belvane::app {
namespace {

using testing::StartedWorkspace;
using testing::TempDir;

TEST(ShreddingSettings, OkRebuildsTheGroupsFilesWhenPrefetchFilesAreOn)
{
    TempDir dir;
    StartedWorkspace ws(dir.path());
    ws->Settings().Set(key::PrefetchsEnabled, 1);
    // Every other method's file is present, so only the shredding group is counted.
    const stats::TStatList& registry = ws->Registry();
    std::filesystem::create_directories(ws->Files().prefetchFolder());
    const std::vector<stats::TStatCount> placeholder = {{1, 0, 0, 0, 5}};
    for (int i = 0; i < registry.MethodCount(); ++i)
        if (registry.CanPrefetch(i) && registry.Item(i).StatClass->GetGroup() != stats::GroupShredding)
            WritePrefetchFile(ws->Files().prefetch(registry.Item(i).ID()), placeholder);
    WritePrefetchFile(ws->Files().prefetch("SHR2"), placeholder);
    const std::string numsBefore = testing::readBytes(ws->Files().prefetch("NUMS"));

    ShreddingSettings edited = ws->Configuration().Shredding();
    edited.Formulas[0] = "n1/4";
    edited.Digits[0] = 3;
    const ShreddingApplyResult applied = ws->Configuration().ApplyShredding(edited);
    EXPECT_EQ(applied.ChangedSlots, 0b001u);
    EXPECT_TRUE(applied.Ok);
    EXPECT_TRUE(ws.host.errors().empty());

    // n1/4 over the full set: the values 0, 250, 500 and 750, each as often as
    // the smallest number falls in its class modulo 4.
    const PrefetchData shr1 = ReadPrefetchFile(ws->Files().prefetch("SHR1"));
    ASSERT_EQ(shr1.Records.size(), 4u);
    int64_t total = 0;
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(shr1.Records[i].V1, static_cast<int16_t>(250 * i));
        total += shr1.Records[i].Count;
    }
    EXPECT_EQ(total, model::FullSetSize);
    // The untouched slots are counted again too, as the whole group is.
    EXPECT_GT(ReadPrefetchFile(ws->Files().prefetch("SHR2")).Records.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(ws->Files().prefetch("SHR3")));
    EXPECT_EQ(testing::readBytes(ws->Files().prefetch("NUMS")), numsBefore);
}

} // namespace
} // namespace belvane::app
