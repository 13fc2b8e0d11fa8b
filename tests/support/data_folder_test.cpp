#include <gtest/gtest.h>

#include "helpers/temp_dir.h"
#include "support/data_folder.h"
#include "support/error.h"

namespace belvane {
namespace {

TEST(DataFolder, RuleOrder)
{
    DataFolderInputs in;
    in.programFolder = "/opt/belvane/bin";
    in.programFolderWritable = true;
    in.home = "/home/ann";
    EXPECT_EQ(chooseDataFolder(in), "/opt/belvane/bin");

    in.programFolderWritable = false;
    EXPECT_EQ(chooseDataFolder(in), "/home/ann/.local/share/belvane-6x45");
    in.xdgDataHome = "/data/xdg";
    EXPECT_EQ(chooseDataFolder(in), "/data/xdg/belvane-6x45");

    in.belvaneHome = "/srv/belvane";
    EXPECT_EQ(chooseDataFolder(in), "/srv/belvane");
    in.explicitFolder = "demo";
    EXPECT_EQ(chooseDataFolder(in), "demo");
}

TEST(DataFolder, EnsureFolderCreatesOrExplains)
{
    testing::TempDir dir;
    ensureFolder(dir / "a/b");
    EXPECT_TRUE(std::filesystem::is_directory(dir / "a/b"));
    testing::writeBytes(dir / "file", "x");
    EXPECT_THROW(ensureFolder(dir / "file"), Error);
}

} // namespace
} // namespace belvane
