// Which files an update may write, and where.

#include <gtest/gtest.h>

#include "helpers/temp_dir.h"
#include "update/program_files.h"

namespace belvane::update {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(ProgramFilesTest, OnlyTheProgramsLanguageModulesAndHelpFilesAreProgramFiles)
{
    for (const char* name : {"belvane", "belvane-cli", "belvane-service", "Belvane_6x45_ENG.lng",
                             "Belvane_6x45_ENU.lng", "Kalvo_RUS.chm", "help/Kalvo_ENG.chm"})
        EXPECT_TRUE(IsProgramFileName(name)) << name;
    // The user's files: systems, stake and run logs, scenarios, export parameters, settings, data.
    for (const char* name :
         {"Systems/x.dat", "Belvane_6x45-3.log", "ScriptLog_1.txt", "my.lsc", "Belvane_6x45.lss", "report.exp",
          "Belvane_6x45.ini", "Belvane_6x45.ldr", "Belvane_6x45.lsk", "Prefetchs/Belvane_6x45_NUMS.dfc", "plugins/x.so",
          "help/belvane", "bin/belvane", "Belvane_6x45_.lng", "Belvane_6x45_E1G.lng", "Belvane_6x45_ENG.lng.bak",
          "Kalvo_ENG.chm/x", "help/sub/Kalvo_ENG.chm", "SelfUpdate/belvane"})
        EXPECT_FALSE(IsProgramFileName(name)) << name;
}

TEST(ProgramFilesTest, AFileMustBeNamedByTheManifestAndStayInTheProgramsFolderOutOfTheData)
{
    TempDir dir;
    const fs::path program = dir / "program";
    const fs::path data = dir / "data";
    fs::create_directories(program);
    fs::create_directories(data / "help");
    const std::vector<std::string> declared{"belvane", "help/Kalvo_ENG.chm"};
    const InstallPlace apart{program, data};
    EXPECT_EQ(RefusedInstall("belvane", apart, &declared), "");
    EXPECT_EQ(RefusedInstall("help/Kalvo_ENG.chm", apart, &declared), "");
    EXPECT_NE(RefusedInstall("belvane-cli", apart, &declared), ""); // a program file, but not announced
    EXPECT_EQ(RefusedInstall("belvane-cli", apart, nullptr), "");
    EXPECT_NE(RefusedInstall("Systems/x.dat", apart, nullptr), "");
    EXPECT_NE(RefusedInstall("./belvane", apart, nullptr), "");

    // A "help" folder that is a link into the data folder, or out of the program's.
    fs::create_directory_symlink(data / "help", program / "help");
    EXPECT_NE(RefusedInstall("help/Kalvo_ENG.chm", apart, &declared), "");
    fs::remove(program / "help");
    fs::create_directory_symlink(dir.path(), program / "help");
    EXPECT_NE(RefusedInstall("help/Kalvo_ENG.chm", apart, &declared), "");
    fs::remove(program / "help");
    // The program's file itself a link elsewhere.
    fs::create_symlink(data / "belvane", program / "belvane");
    EXPECT_NE(RefusedInstall("belvane", apart, &declared), "");
    fs::remove(program / "belvane");

    // The program kept in its data folder, or in a folder inside it: its own files only.
    EXPECT_EQ(RefusedInstall("belvane", {data, data}, &declared), "");
    EXPECT_EQ(RefusedInstall("belvane", {data / "help", data}, &declared), "");
    // A data folder inside the program's folder is not written either.
    const InstallPlace nested{dir.path(), program};
    EXPECT_EQ(RefusedInstall("belvane", nested, nullptr), "");
    EXPECT_NE(RefusedInstall("help/Kalvo_ENG.chm", {program / "..", program / "../help"}, nullptr), "");
}

} // namespace
} // namespace belvane::update
