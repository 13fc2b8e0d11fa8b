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
    const CliResult r = runCli({"--data-dir", dir.path().string(), "languages", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    std::string expected = "LCID\tКод\tЯзык\tФайл\n";
    // The build puts the English module beside the tool when it builds the desktop program.
    const fs::path english = CliPath().parent_path() / "Belvane_6x45_ENU.lng";
    if (fs::exists(english))
        expected += "1033\tENU\tEnglish (United States)\t" + english.string() + "\n";
    expected += "1049\tRUS\tРусский\t\n";
    expected += "1058\tUKR\tУкраїнська\t" + (dir / "Belvane_6x45_UKR.lng").string() + "\n";
    EXPECT_EQ(r.out, expected);
}

} // namespace
} // namespace belvane::testing
