// Staging a package and replacing the program's files on restart, with the
// one rollback.

#include <gtest/gtest.h>

#include "helpers/temp_dir.h"
#include "helpers/update_package.h"
#include "support/error.h"
#include "update/staged_update.h"

namespace belvane::update {
namespace {

namespace fs = std::filesystem;
using testing::MakeUstar;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

struct Installation {
    TempDir dir;
    fs::path program = dir / "program";
    WorkFolder work{dir / "data" / std::string(WorkFolderName)};

    Installation()
    {
        fs::create_directories(program);
        work.ensure();
        writeBytes(program / "belvane", "old program");
        writeBytes(program / "belvane-cli", "old tool");
        writeBytes(program / "Belvane_6x45.ldr", "draws");
    }

    void stage(const std::vector<testing::TarEntry>& entries, const std::string& version = "1.0.0.2",
               const std::function<std::string(const std::string&)>& refuse = {})
    {
        writeBytes(work.package(version), MakeUstar(entries));
        StagePackage(work, work.package(version), version, refuse);
    }
};

TEST(StagedUpdateTest, StagingChangesNothingUntilTheRestartSwapsTheFilesAndRollbackPutsThemBack)
{
    Installation in;
    in.stage({{"belvane", "new program", '0', 0755}, {"plugins/extra.so", "new file"}});
    EXPECT_EQ(StagedVersion(in.work), "1.0.0.2");
    EXPECT_EQ(readBytes(in.program / "belvane"), "old program");
    EXPECT_FALSE(fs::exists(in.program / "plugins"));

    const std::vector<std::string> replaced = ApplyStaged(in.work, in.program);
    EXPECT_EQ(replaced, (std::vector<std::string>{"belvane", "plugins/extra.so"}));
    EXPECT_EQ(readBytes(in.program / "belvane"), "new program");
    EXPECT_NE(fs::status(in.program / "belvane").permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_EQ(readBytes(in.program / "plugins/extra.so"), "new file");
    // Files the package does not hold are not touched; nothing is left staged.
    EXPECT_EQ(readBytes(in.program / "belvane-cli"), "old tool");
    EXPECT_EQ(readBytes(in.program / "Belvane_6x45.ldr"), "draws");
    EXPECT_FALSE(StagedVersion(in.work));
    for (const auto& entry : fs::directory_iterator(in.program))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();

    ASSERT_TRUE(RollbackAvailable(in.work));
    RollBack(in.work, in.program);
    EXPECT_EQ(readBytes(in.program / "belvane"), "old program");
    EXPECT_FALSE(fs::exists(in.program / "plugins/extra.so"));
    EXPECT_EQ(readBytes(in.program / "Belvane_6x45.ldr"), "draws");
    // One rollback only.
    EXPECT_FALSE(RollbackAvailable(in.work));
    EXPECT_THROW(RollBack(in.work, in.program), Error);
}

TEST(StagedUpdateTest, TheRollbackKeepsTheFilesOfTheLastUpdateOnly)
{
    Installation in;
    in.stage({{"belvane", "second"}});
    ApplyStaged(in.work, in.program);
    in.stage({{"belvane", "third"}}, "1.0.0.3");
    ApplyStaged(in.work, in.program);
    EXPECT_EQ(readBytes(in.program / "belvane"), "third");
    RollBack(in.work, in.program);
    EXPECT_EQ(readBytes(in.program / "belvane"), "second");
}

TEST(StagedUpdateTest, AFileThatCannotBeReplacedLeavesEveryProgramFileAsItWas)
{
    Installation in;
    // "belvane-cli" is a folder in the program's folder now: it cannot be replaced by a file.
    fs::remove(in.program / "belvane-cli");
    fs::create_directory(in.program / "belvane-cli");
    in.stage({{"belvane", "new program"}, {"belvane-cli", "new tool"}});
    EXPECT_THROW(ApplyStaged(in.work, in.program), Error);
    EXPECT_EQ(readBytes(in.program / "belvane"), "old program");
    EXPECT_TRUE(fs::is_directory(in.program / "belvane-cli"));
    for (const auto& entry : fs::directory_iterator(in.program))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
    // Nothing changed, so there is nothing to roll back to either.
    EXPECT_FALSE(RollbackAvailable(in.work));
}

TEST(StagedUpdateTest, ARefusedOrDamagedPackageStagesNothing)
{
    Installation in;
    const auto refuseData = [](const std::string& name) {
        return name == "Belvane_6x45.ldr" ? std::string("data file") : std::string();
    };
    EXPECT_THROW(in.stage({{"belvane", "new"}, {"Belvane_6x45.ldr", "no draws"}}, "1.0.0.2", refuseData), Error);
    EXPECT_FALSE(StagedVersion(in.work));
    EXPECT_THROW(in.stage({{"belvane", "new"}, {"../x", "out"}}), Error);
    EXPECT_FALSE(StagedVersion(in.work));
    EXPECT_FALSE(fs::exists(in.work.root().parent_path() / "x"));
    EXPECT_THROW(in.stage({}), Error); // an archive without files
    EXPECT_FALSE(fs::exists(in.work.unpacking()));
    EXPECT_THROW(ApplyStaged(in.work, in.program), Error);
    EXPECT_EQ(readBytes(in.program / "Belvane_6x45.ldr"), "draws");
}

TEST(StagedUpdateTest, ClearingDownloadsKeepsTheRollbackAndTouchesNothingOutside)
{
    Installation in;
    in.stage({{"belvane", "new"}});
    ApplyStaged(in.work, in.program);
    writeBytes(in.work.root() / "SelfUpdate_1.0.0.5.upd", "partial");
    writeBytes(in.work.root().parent_path() / "Belvane_6x45.~buff", "buffer");
    in.work.clearDownloads();
    EXPECT_TRUE(RollbackAvailable(in.work));
    EXPECT_FALSE(fs::exists(in.work.root() / "SelfUpdate_1.0.0.5.upd"));
    EXPECT_EQ(readBytes(in.work.root().parent_path() / "Belvane_6x45.~buff"), "buffer");
}

TEST(StagedUpdateTest, AFolderIsWritableOnlyWhenAFileCanBeMadeInIt)
{
    TempDir dir;
    EXPECT_TRUE(FolderWritable(dir.path()));
    EXPECT_FALSE(FolderWritable(dir / "missing"));
    writeBytes(dir / "file", "x");
    EXPECT_FALSE(FolderWritable(dir / "file"));
}

} // namespace
} // namespace belvane::update
