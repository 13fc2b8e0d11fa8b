#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "helpers/build_paths.h"
#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "helpers/update_package.h"
#include "update/manifest.h"

namespace belvane::testing {
namespace {

using ::testing::HasSubstr;
namespace fs = std::filesystem;

class UpdateCli : public ::testing::Test {
protected:
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    TempDir dir;
    TempDir site;
};

TEST_F(UpdateCli, WithoutAnAddressTheSearchSaysSo)
{
    const CliResult r = run({"update", "check"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.out, HasSubstr("ManifestUrl"));
}

TEST_F(UpdateCli, OnlyManifestsSignedWithTheMakersKeyAreBelieved)
{
    writeBytes(dir / "Belvane_6x45.~buff", "buffer");
    const std::string package = MakeUstar({{"belvane", "evil"}});
    writeBytes(site / "Belvane.tar", package);
    const std::string body = ManifestBody("99.0.0.999", "Belvane.tar", std::string(64, 'a'));
    writeBytes(site / "unsigned.cfg", body);
    TestSigningKey stranger;
    writeBytes(site / "stranger.cfg", stranger.signManifest(body));

    CliResult r = run({"update", "check", "--manifest", (site / "unsigned.cfg").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("Ошибка поиска обновлений!"));
    EXPECT_THAT(r.err, HasSubstr(std::string(update::UnsignedManifestMessage)));

    r = run({"update", "download", "--manifest", (site / "stranger.cfg").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr(std::string(update::BadSignatureMessage)));
    EXPECT_FALSE(fs::exists(dir / "SelfUpdate" / "Staged"));
    EXPECT_EQ(readBytes(dir / "Belvane_6x45.~buff"), "buffer");

    r = run({"update", "apply"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("Нет загруженного обновления."));
}

TEST_F(UpdateCli, TheNextStartRemovesTheCopiesAKilledApplyLeftBesideTheProgram)
{
    // The tool's own folder is the program's folder an update writes to.
    const fs::path stray = CliPath().parent_path() / ".belvane-cli.belvane-tmp-k1lLed";
    writeBytes(stray, std::string(4096, 'x'));
    ASSERT_TRUE(fs::exists(stray));
    const CliResult r = run({"update", "rollback"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("Предыдущая версия программы не сохранена."));
    EXPECT_FALSE(fs::exists(stray));
}

} // namespace
} // namespace belvane::testing
