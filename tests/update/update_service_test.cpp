// The search, download, staging and restart of the running program's updates,
// from manifests served from a folder or from a TLS server on 127.0.0.1.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

#include "app/update_service.h"
#include "helpers/scoped_env.h"
#include "helpers/test_http_server.h"
#include "helpers/update_package.h"
#include "helpers/workspace_fixture.h"
#include "support/cp1251.h"
#include "support/http.h"
#include "update/manifest.h"
#include "update/update_fetch.h"

namespace belvane::app {
namespace {

namespace fs = std::filesystem;
using testing::FilesOf;
using ::testing::HasSubstr;
using testing::MakeUstar;
using testing::ManifestBody;
using testing::readBytes;
using testing::StartedWorkspace;
using testing::TarEntry;
using testing::TempDir;
using testing::TestSigningKey;
using testing::writeBytes;

class UpdateServiceTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path data = dir / "data";
    fs::path program = dir / "program";
    fs::path site = dir / "site"; // where the maker publishes
    TestSigningKey key;
    std::unique_ptr<StartedWorkspace> s;

    void SetUp() override
    {
        fs::create_directories(data);
        fs::create_directories(program);
        fs::create_directories(site / "UpdDescr");
        writeBytes(program / "belvane", "old program");
        writeBytes(data / "Belvane_6x45.~buff", "the combination buffer");
        writeBytes(data / "notes.~txt", "a user's file");
        s = std::make_unique<StartedWorkspace>(data, StartupOptions{}, WorkspaceMode{.Interactive = false});
        UpdateService& u = update();
        u.SetProgramFolder(program);
        u.SetPublicKey(key.publicKey());
        u.SetRunningVersion(update::ParseVersion("1.0.0.1"));
    }

    UpdateService& update() { return (*s)->Update(); }
    testing::RecordingHost& host() { return s->host; }

    // A package in the site folder and a manifest offering it; the manifest's path.
    // The manifest names the entries' files unless files says otherwise.
    fs::path publish(const std::string& version, const std::vector<TarEntry>& entries,
                     const std::string& extraLines = "", const std::string& files = "")
    {
        const std::string package = MakeUstar(entries);
        writeBytes(site / "Belvane.tar", package);
        const std::string manifest = key.signManifest(ManifestBody(
            version, "Belvane.tar", update::Sha256Hex(package), extraLines, files.empty() ? FilesOf(entries) : files));
        writeBytes(site / "kalvo_AU.cfg", manifest);
        return site / "kalvo_AU.cfg";
    }

    UpdateCheckResult check(const fs::path& manifest, bool silent = false)
    {
        return update().Check({.Manifest = manifest.string(), .Silent = silent});
    }

    std::vector<std::string> informations() const
    {
        std::vector<std::string> out;
        for (const auto& m : s->host.messages)
            if (m.kind == MessageKind::Information)
                out.push_back(m.text);
        return out;
    }

    void expectDataFilesIntact()
    {
        EXPECT_EQ(readBytes(data / "Belvane_6x45.~buff"), "the combination buffer");
        EXPECT_EQ(readBytes(data / "notes.~txt"), "a user's file");
    }
};

TEST_F(UpdateServiceTest, WithoutAnAddressNothingIsAskedAndTheSearchSaysSo)
{
    EXPECT_EQ(update().Check().Outcome, UpdateCheckOutcome::NoAddress);
    EXPECT_EQ(informations(), std::vector<std::string>{std::string(NoManifestAddressMessage)});
    host().messages.clear();
    EXPECT_EQ(update().Check({.Silent = true}).Outcome, UpdateCheckOutcome::NoAddress);
    EXPECT_TRUE(host().messages.empty());
    EXPECT_EQ(host().progressOpens, 0);
}

TEST_F(UpdateServiceTest, NoSectionForTheProgramOrTheSameBuildFindsNoUpdate)
{
    writeBytes(site / "none.cfg", key.signManifest("[other.exe]\r\nVerId=9.9.9.99\r\n[GlobalOptions]\r\nExpires=" +
                                                   std::string(testing::FarExpiry) + "\r\n"));
    EXPECT_EQ(check(site / "none.cfg").Outcome, UpdateCheckOutcome::NoUpdate);
    EXPECT_EQ(informations(), std::vector<std::string>{std::string(NoUpdatesMessage)});

    // Only the build number counts: a higher third component is no update.
    host().messages.clear();
    EXPECT_EQ(check(publish("1.0.7.1", {{"belvane", "new"}})).Outcome, UpdateCheckOutcome::NoUpdate);
    EXPECT_EQ(informations(), std::vector<std::string>{std::string(NoUpdatesMessage)});
    // A lower version with a higher build number is never offered.
    EXPECT_EQ(check(publish("0.9.0.5", {{"belvane", "old"}})).Outcome, UpdateCheckOutcome::NoUpdate);

    host().messages.clear();
    EXPECT_EQ(check(site / "none.cfg", true).Outcome, UpdateCheckOutcome::NoUpdate);
    EXPECT_TRUE(host().messages.empty());
    expectDataFilesIntact();
    EXPECT_FALSE(fs::exists(update().Work().manifest()));
}

TEST_F(UpdateServiceTest, ANewerBuildIsOfferedWithItsDescription)
{
    const fs::path manifest = publish("1.0.0.2", {{"belvane", "new"}});
    writeBytes(site / "UpdDescr/UpdDescr_1.0.0.2.txt", cp1251::fromUtf8("Общее описание"));
    UpdateCheckResult r = check(manifest);
    ASSERT_EQ(r.Outcome, UpdateCheckOutcome::Available) << r.Failure;
    EXPECT_EQ(r.Offer.Running.Text(), "1.0.0.1");
    EXPECT_EQ(r.Offer.Version.Text(), "1.0.0.2");
    EXPECT_EQ(r.Offer.Description, "Исправления");
    EXPECT_EQ(r.Offer.Details, "Общее описание");
    EXPECT_EQ(r.Offer.Package, (site / "Belvane.tar").string());
    EXPECT_TRUE(host().messages.empty()); // the front end shows the offer
    EXPECT_EQ(host().progressOpens, host().progressCloses);

    // The interface language's description comes first; none at all is said so.
    writeBytes(site / "UpdDescr/UpdDescr_RUS_1.0.0.2.txt", cp1251::fromUtf8("Описание на русском"));
    EXPECT_EQ(check(manifest).Offer.Details, "Описание на русском");
    fs::remove_all(site / "UpdDescr");
    EXPECT_EQ(check(manifest).Offer.Details, update::NoDescriptionText);
    // The description's copy does not stay in the work folder.
    EXPECT_FALSE(fs::exists(update().Work().root() / "UpdDescr_1.0.0.2.txt"));
}

TEST_F(UpdateServiceTest, ATamperedManifestIsRefused)
{
    const fs::path manifest = publish("1.0.0.2", {{"belvane", "new"}});
    std::string text = readBytes(manifest);
    text.replace(text.find("1.0.0.2"), 7, "1.0.0.9");
    writeBytes(manifest, text);
    const UpdateCheckResult r = check(manifest);
    EXPECT_EQ(r.Outcome, UpdateCheckOutcome::Failed);
    EXPECT_EQ(host().errors(), std::vector<std::string>{SearchFailedText(update::BadSignatureMessage)});
    // The start-up search keeps quiet about it.
    host().messages.clear();
    EXPECT_EQ(check(manifest, true).Outcome, UpdateCheckOutcome::Failed);
    EXPECT_TRUE(host().messages.empty());
    // Signed with another key.
    TestSigningKey other;
    writeBytes(manifest, other.signManifest(ManifestBody("1.0.0.2", "Belvane.tar", std::string(64, '0'))));
    EXPECT_EQ(check(manifest).Failure, update::BadSignatureMessage);
}

TEST_F(UpdateServiceTest, ATamperedPackageIsRefusedWithNothingChanged)
{
    const fs::path manifest = publish("1.0.0.2", {{"belvane", "new program"}});
    const UpdateCheckResult r = check(manifest);
    ASSERT_EQ(r.Outcome, UpdateCheckOutcome::Available);
    writeBytes(site / "Belvane.tar", MakeUstar({{"belvane", "evil program"}}));
    const UpdateInstallResult installed = update().Install(r.Offer);
    EXPECT_EQ(installed.Outcome, UpdateInstallOutcome::Failed);
    EXPECT_EQ(host().errors(), std::vector<std::string>{InstallFailedText(ChecksumMismatchMessage)});
    EXPECT_FALSE(update().StagedVersion());
    EXPECT_EQ(readBytes(program / "belvane"), "old program");
    EXPECT_FALSE(fs::exists(update().Work().package("1.0.0.2")));
    expectDataFilesIntact();
}

TEST_F(UpdateServiceTest, APathTraversalPackageIsRefusedWithNothingOutside)
{
    const UpdateCheckResult r = check(publish("1.0.0.2", {{"belvane", "new"}, {"../../escaped", "x"}}, "", "belvane"));
    ASSERT_EQ(r.Outcome, UpdateCheckOutcome::Available);
    EXPECT_EQ(update().Install(r.Offer).Outcome, UpdateInstallOutcome::Failed);
    ASSERT_EQ(host().errors().size(), 1u);
    EXPECT_THAT(host().errors()[0], HasSubstr("../../escaped"));
    EXPECT_FALSE(fs::exists(dir / "escaped"));
    EXPECT_FALSE(fs::exists(data / "escaped"));
    EXPECT_FALSE(update().StagedVersion());
}

TEST_F(UpdateServiceTest, NamesTheManifestGivesToRunOrDeleteAreIgnored)
{
    writeBytes(dir / "victim.txt", "keep me");
    writeBytes(site / "run.sh", "#!/bin/sh\ntouch \"$(dirname \"$0\")/ran\"\n");
    fs::permissions(site / "run.sh", fs::perms::owner_all);
    const std::string hostile = "OriginalFileName=../../outside.upd\r\nDeleteBefore=../victim.txt\r\n"
                                "DeleteAfter=../victim.txt;../data/Belvane_6x45.~buff\r\nExecBefore=../site/run.sh\r\n"
                                "ExecAfter=../site/run.sh\r\n[GlobalOptions]\r\nDeleteBefore=../victim.txt\r\n"
                                "ExecBefore=../site/run.sh\r\n";
    const UpdateCheckResult r = check(publish("1.0.0.2", {{"belvane", "new"}}, hostile));
    ASSERT_EQ(r.Outcome, UpdateCheckOutcome::Available);
    ASSERT_EQ(update().Install(r.Offer).Outcome, UpdateInstallOutcome::Staged);
    ASSERT_TRUE(update().ApplyStaged());
    EXPECT_EQ(readBytes(program / "belvane"), "new");
    EXPECT_EQ(readBytes(dir / "victim.txt"), "keep me");
    EXPECT_FALSE(fs::exists(site / "ran"));
    EXPECT_FALSE(fs::exists(dir / "outside.upd"));
    EXPECT_FALSE(fs::exists(dir.path().parent_path() / "outside.upd"));
    expectDataFilesIntact();
}

TEST_F(UpdateServiceTest, AStagedUpdateReplacesTheProgramOnRestartAndCanBeRolledBack)
{
    const UpdateCheckResult r =
        check(publish("1.0.0.2", {{"belvane", "new program", '0', 0755}, {"belvane-cli", "new tool", '0', 0755}}));
    ASSERT_EQ(r.Outcome, UpdateCheckOutcome::Available);
    const UpdateInstallResult installed = update().Install(r.Offer);
    ASSERT_EQ(installed.Outcome, UpdateInstallOutcome::Staged) << installed.Failure;
    EXPECT_EQ(informations(), std::vector<std::string>{InstalledText("1.0.0.2")});
    EXPECT_EQ(update().StagedVersion(), "1.0.0.2");
    // Nothing is replaced before the restart; the package itself is gone.
    EXPECT_EQ(readBytes(program / "belvane"), "old program");
    EXPECT_FALSE(fs::exists(update().Work().package("1.0.0.2")));

    ASSERT_TRUE(update().ApplyStaged());
    EXPECT_EQ(readBytes(program / "belvane"), "new program");
    EXPECT_EQ(readBytes(program / "belvane-cli"), "new tool");
    EXPECT_FALSE(update().StagedVersion());
    expectDataFilesIntact();

    ASSERT_TRUE(update().RollBack());
    EXPECT_EQ(readBytes(program / "belvane"), "old program");
    EXPECT_FALSE(fs::exists(program / "belvane-cli"));
    EXPECT_TRUE(host().errors().empty());
}

TEST_F(UpdateServiceTest, AReadOnlyProgramFolderStopsAfterTheVerifiedDownload)
{
    update().SetProgramFolder(dir / "no such folder");
    const UpdateCheckResult r = check(publish("1.0.0.2", {{"belvane", "new"}}));
    const UpdateInstallResult installed = update().Install(r.Offer);
    EXPECT_EQ(installed.Outcome, UpdateInstallOutcome::DownloadedOnly);
    EXPECT_EQ(installed.Package, update().Work().package("1.0.0.2"));
    EXPECT_EQ(readBytes(installed.Package), readBytes(site / "Belvane.tar"));
    ASSERT_EQ(host().messages.size(), 1u);
    EXPECT_EQ(host().messages[0].kind, MessageKind::Warning);
    EXPECT_THAT(host().messages[0].text, HasSubstr(installed.Package.string()));
    EXPECT_FALSE(update().StagedVersion());
}

TEST_F(UpdateServiceTest, APackageHoldingADataFileIsRefused)
{
    update().SetProgramFolder(data); // the program lives in its data folder
    const UpdateCheckResult r = check(publish("1.0.0.2", {{"belvane", "new"}, {"Belvane_6x45.~buff", "x"}}));
    EXPECT_EQ(update().Install(r.Offer).Outcome, UpdateInstallOutcome::Failed);
    EXPECT_FALSE(update().StagedVersion());
    expectDataFilesIntact();
}

TEST_F(UpdateServiceTest, APackageNamingAUsersFileIsRefusedBeforeAnythingIsWritten)
{
    fs::create_directories(data / "Systems");
    writeBytes(data / "Systems" / "x.dat", "the user's system");
    writeBytes(program / "Belvane_6x45_ENG.lng", "the shipped module");
    for (const fs::path& programFolder : {program, data}) {
        SCOPED_TRACE(programFolder.string());
        update().SetProgramFolder(programFolder);
        const auto before = [&] {
            std::map<std::string, std::string> files;
            for (const fs::path& folder : {program, data})
                for (const auto& e : fs::recursive_directory_iterator(folder))
                    if (e.is_regular_file() && !e.path().string().starts_with(update().Work().root().string()))
                        files[e.path().string()] = readBytes(e.path());
            return files;
        };
        const auto untouched = before();
        for (const std::vector<TarEntry>& entries :
             {std::vector<TarEntry>{{"belvane", "new"}, {"Systems/x.dat", "evil"}},
              std::vector<TarEntry>{{"belvane", "new"}, {"ScriptLog_1.txt", "evil"}},
              std::vector<TarEntry>{{"Belvane_6x45_ENG.lng", "new"}, {"Belvane_6x45-3.log", "evil"}},
              std::vector<TarEntry>{{"belvane", "new"}, {"report.exp", "evil"}}}) {
            host().messages.clear();
            const UpdateCheckResult r = check(publish("1.0.0.2", entries));
            ASSERT_EQ(r.Outcome, UpdateCheckOutcome::Available) << r.Failure;
            EXPECT_EQ(update().Install(r.Offer).Outcome, UpdateInstallOutcome::Failed);
            ASSERT_EQ(host().errors().size(), 1u);
            EXPECT_THAT(host().errors()[0], HasSubstr(entries[1].name));
            EXPECT_FALSE(update().StagedVersion());
            EXPECT_FALSE(update().ApplyStaged());
            EXPECT_EQ(before(), untouched);
        }
    }
    // A program file the manifest does not name is refused as well.
    update().SetProgramFolder(program);
    host().messages.clear();
    const UpdateCheckResult r = check(publish("1.0.0.2", {{"belvane", "new"}, {"belvane-cli", "new"}}, "", "belvane"));
    ASSERT_EQ(r.Outcome, UpdateCheckOutcome::Available) << r.Failure;
    EXPECT_EQ(update().Install(r.Offer).Outcome, UpdateInstallOutcome::Failed);
    EXPECT_THAT(host().errors().at(0), HasSubstr("belvane-cli"));
    EXPECT_EQ(readBytes(program / "belvane"), "old program");
}

TEST_F(UpdateServiceTest, AnExpiredManifestIsRefusedWithItsDate)
{
    const std::string package = MakeUstar({{"belvane", "new"}});
    writeBytes(site / "Belvane.tar", package);
    writeBytes(site / "old.cfg", key.signManifest(ManifestBody("1.0.0.2", "Belvane.tar", update::Sha256Hex(package), "",
                                                               "belvane", "2020-01-01T00:00:00Z")));
    const UpdateCheckResult r = check(site / "old.cfg");
    EXPECT_EQ(r.Outcome, UpdateCheckOutcome::Failed);
    EXPECT_EQ(host().errors(),
              std::vector<std::string>{SearchFailedText(update::ExpiredManifestText("2020-01-01T00:00:00Z"))});
}

TEST_F(UpdateServiceTest, TheNextStartRemovesTheCopiesAKilledApplyLeft)
{
    fs::create_directories(program / "help");
    writeBytes(program / ".belvane.belvane-tmp-a1B2c3", std::string(1000, 'x'));
    writeBytes(program / "help" / ".Kalvo_ENG.chm.belvane-tmp-Zz9yY8", "x");
    writeBytes(program / ".notes.txt", "a file of the user's");
    EXPECT_EQ(update().RemoveStaleTempFiles(), 2);
    EXPECT_FALSE(fs::exists(program / ".belvane.belvane-tmp-a1B2c3"));
    EXPECT_FALSE(fs::exists(program / "help" / ".Kalvo_ENG.chm.belvane-tmp-Zz9yY8"));
    EXPECT_EQ(readBytes(program / ".notes.txt"), "a file of the user's");
    EXPECT_EQ(readBytes(program / "belvane"), "old program");
}

TEST_F(UpdateServiceTest, TheConfiguredAddressIsFetchedOverVerifiedTlsOnly)
{
    testing::TestHttpServer server(testing::TestHttpServer::Tls::On);
    testing::ScopedEnv trusted(std::string(http::CaFileVariable), server.certificateFile().string());
    const std::string package = MakeUstar({{"belvane", "from the server"}});
    server.serve("/files/autoupdates/Belvane.tar", package, "application/x-tar");
    server.serve("/files/autoupdates/kalvo_AU.cfg",
                 key.signManifest(ManifestBody("1.0.0.2", "Belvane.tar", update::Sha256Hex(package))));
    server.serve("/files/autoupdates/UpdDescr/UpdDescr_1.0.0.2.txt", cp1251::fromUtf8("С сервера"));
    writeBytes(data / "Belvane_6x45.ini",
               "[UPDATE]\r\nManifestUrl=" + server.url("/files/autoupdates/kalvo_AU.cfg") + "\r\n");

    const UpdateCheckResult r = update().Check();
    ASSERT_EQ(r.Outcome, UpdateCheckOutcome::Available) << r.Failure;
    EXPECT_EQ(r.Offer.Details, "С сервера");
    ASSERT_EQ(update().Install(r.Offer).Outcome, UpdateInstallOutcome::Staged);
    ASSERT_TRUE(update().ApplyStaged());
    EXPECT_EQ(readBytes(program / "belvane"), "from the server");

    // Plain http is refused before anything is sent.
    const UpdateCheckResult plain = check("http://127.0.0.1:" + std::to_string(server.port()) + "/kalvo_AU.cfg");
    EXPECT_EQ(plain.Outcome, UpdateCheckOutcome::Failed);
    EXPECT_THAT(plain.Failure, HasSubstr("https://"));
    EXPECT_TRUE(server.requestsTo("/kalvo_AU.cfg").empty());

    // Nor does an https address lead there by a redirect.
    testing::TestHttpServer clear;
    clear.serve("/kalvo_AU.cfg", readBytes(data / "Belvane_6x45.ini"));
    server.redirect("/moved.cfg", clear.url("/kalvo_AU.cfg"));
    const UpdateCheckResult moved = check(server.url("/moved.cfg"));
    EXPECT_EQ(moved.Outcome, UpdateCheckOutcome::Failed);
    EXPECT_THAT(moved.Failure, HasSubstr(clear.url("/kalvo_AU.cfg")));
    EXPECT_TRUE(clear.requests().empty());
}

} // namespace
} // namespace belvane::app
