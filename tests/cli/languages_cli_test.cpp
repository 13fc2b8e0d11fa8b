// belvane-cli languages: the built-in language and the modules found beside
// the program or in the data folder.

#include <gtest/gtest.h>

#include <filesystem>

#include "helpers/build_paths.h"
#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"

namespace belvane::testing {
namespace {

namespace fs = std::filesystem;

TEST(LanguagesCli, ListsTheBuiltInLanguageAndEveryModuleFound)
{
    TempDir dir;
    const std::string magic("\x3C\xB8\x64\x18\xCA\xEF\x9C\x95\xCD\x21\x1C\xBF\x60\xA1\xBD\xDD", 16);
    writeBytes(dir / "Belvane_6x45_UKR.lng", magic);
    // A language no table of the program knows: its header gives the name.
    writeBytes(dir / "Belvane_6x45_PTB.lng", magic + '\xA7' + std::string("\0\0\0\x05", 4) + "pt_BR");
    const CliResult r = runCli({"--data-dir", dir.path().string(), "languages", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    std::string expected = "LCID\tКод\tЯзык\tФайл\n";
    // The build puts the English module beside the tool when it builds the desktop program.
    const fs::path english = CliPath().parent_path() / "Belvane_6x45_ENU.lng";
    if (fs::exists(english))
        expected += "1033\tENU\tEnglish (United States)\t" + english.string() + "\n";
    expected += "1049\tRUS\tРусский\t\n";
    expected += "1058\tUKR\tУкраїнська\t" + (dir / "Belvane_6x45_UKR.lng").string() + "\n";
    const std::string out = r.out;
    ASSERT_TRUE(out.starts_with(expected)) << out;
    const std::string last = out.substr(expected.size());
    const auto tab = last.find('\t');
    ASSERT_NE(tab, std::string::npos) << last;
    const int lcid = std::stoi(last.substr(0, tab));
    EXPECT_GE(lcid, 0x600);
    EXPECT_LT(lcid, 0x800);
    EXPECT_EQ(last.substr(tab), "\tPTB\tpt_BR\t" + (dir / "Belvane_6x45_PTB.lng").string() + "\n");
}

} // namespace
} // namespace belvane::testing
