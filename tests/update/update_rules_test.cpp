// Which versions are updates, and which manifests are believed.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fmt/format.h>

#include "helpers/build_paths.h"
#include "helpers/temp_dir.h"
#include "helpers/update_package.h"
#include "support/error.h"
#include "update/manifest.h"

namespace belvane::update {
namespace {

using testing::ManifestBody;
using testing::TestSigningKey;

const std::string kSha(64, 'a');

TEST(ProgramVersionTest, ReadsFourComponentsWithAnySeparatorAndZeroForJunk)
{
    EXPECT_EQ(ParseVersion("1.2.3.45").Parts, (std::array<int, 4>{1, 2, 3, 45}));
    EXPECT_EQ(ParseVersion(" 1,2-3_45 ").Parts, (std::array<int, 4>{1, 2, 3, 45}));
    EXPECT_EQ(ParseVersion("1.2").Parts, (std::array<int, 4>{1, 2, 0, 0}));
    EXPECT_EQ(ParseVersion("1.x. .7z.9").Parts, (std::array<int, 4>{1, 0, 0, 0}));
    EXPECT_EQ(ParseVersion("../../x").Parts, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(ParseVersion("1.2.3.45").Text(), "1.2.3.45");
}

TEST(ProgramVersionTest, OnlyAHigherBuildThatIsNoDowngradeIsAnUpdate)
{
    const ProgramVersion running = ParseVersion("1.2.3.45");
    EXPECT_TRUE(IsNewerBuild(running, ParseVersion("1.2.3.46")));
    EXPECT_TRUE(IsNewerBuild(running, ParseVersion("2.0.0.46")));
    // The build number counts: a higher third component with the same build is none.
    EXPECT_FALSE(IsNewerBuild(running, ParseVersion("1.2.9.45")));
    EXPECT_FALSE(IsNewerBuild(running, ParseVersion("1.3.0.44")));
    EXPECT_FALSE(IsNewerBuild(running, running));
    // A lower version with a higher build number is a downgrade.
    EXPECT_FALSE(IsNewerBuild(running, ParseVersion("1.2.2.99")));
    EXPECT_FALSE(IsNewerBuild(running, ParseVersion("0.9.9.999")));
}

TEST(ManifestTest, ASignedManifestOffersItsVersion)
{
    TestSigningKey key;
    const ProgramVersion running = ParseVersion("1.0.0.1");
    const UpdateManifest m = ReadManifest(key.signManifest(ManifestBody("1.0.0.2", "pkg.tar", std::string(64, 'A'))),
                                          running, key.publicKey());
    EXPECT_TRUE(m.HasProgramSection);
    EXPECT_EQ(m.Version.Text(), "1.0.0.2");
    EXPECT_EQ(m.Description, "Исправления");
    EXPECT_EQ(m.DownloadUrl, "pkg.tar");
    EXPECT_EQ(m.PackageSha256, kSha); // compared in lower case
    EXPECT_TRUE(OffersUpdate(m, running));
}

TEST(ManifestTest, WithoutTheProgramsSectionTheRunningVersionIsOfferedAndNothingElse)
{
    TestSigningKey key;
    const ProgramVersion running = ParseVersion("1.0.0.1");
    const UpdateManifest m =
        ReadManifest(key.signManifest("[other.exe]\r\nVerId=9.9.9.99\r\nDownloadUrl=x\r\nSHA256=" + kSha +
                                      "\r\n[GlobalOptions]\r\nExpires=2099-01-01\r\n"),
                     running, key.publicKey());
    EXPECT_FALSE(m.HasProgramSection);
    EXPECT_EQ(m.Version, running);
    EXPECT_FALSE(OffersUpdate(m, running));
    // An empty address offers nothing either.
    EXPECT_FALSE(OffersUpdate(ReadManifest(key.signManifest(ManifestBody("1.0.0.9", "", "")), running, key.publicKey()),
                              running));
}

TEST(ManifestTest, AnythingButTheMakersSignatureOfTheWholeTextIsRefused)
{
    TestSigningKey key;
    TestSigningKey other;
    const ProgramVersion running = ParseVersion("1.0.0.1");
    const std::string body = ManifestBody("1.0.0.2", "pkg.tar", kSha);
    const std::string signedText = key.signManifest(body);
    const auto refusal = [&](const std::string& text, const PublicKey& k) {
        try {
            ReadManifest(text, running, k);
            return std::string("accepted");
        } catch (const Error& e) {
            return std::string(e.what());
        }
    };
    EXPECT_EQ(refusal(signedText, key.publicKey()), "accepted");
    EXPECT_EQ(refusal(body, key.publicKey()), UnsignedManifestMessage);
    EXPECT_EQ(refusal(signedText, other.publicKey()), BadSignatureMessage);
    // One byte changed in the body: the download address.
    std::string tampered = signedText;
    tampered.replace(tampered.find("pkg.tar"), 7, "pkh.tar");
    EXPECT_EQ(refusal(tampered, key.publicKey()), BadSignatureMessage);
    // Lines appended after the signature are not signed: refused, not ignored.
    EXPECT_EQ(refusal(signedText + "[belvane]\r\nDownloadUrl=evil.tar\r\n", key.publicKey()), BadSignatureMessage);
    // A malformed signature.
    EXPECT_EQ(refusal(body + "[Signature]\r\nEd25519=zz\r\n", key.publicKey()), BadSignatureMessage);
    // Too large to be a manifest.
    EXPECT_NE(refusal(key.signManifest(body + std::string(MaxManifestSize, ';')), key.publicKey()), "accepted");
}

TEST(ManifestTest, AnOfferedPackageNeedsItsSha256)
{
    TestSigningKey key;
    const ProgramVersion running = ParseVersion("1.0.0.1");
    for (const std::string& sha : {std::string(), std::string(63, 'a'), std::string(64, 'g')})
        EXPECT_THROW(ReadManifest(key.signManifest(ManifestBody("1.0.0.2", "pkg.tar", sha)), running, key.publicKey()),
                     Error)
            << sha;
}

TEST(ManifestTest, AManifestIsBelievedUntilItsExpiryOnly)
{
    TestSigningKey key;
    const ProgramVersion running = ParseVersion("1.0.0.1");
    const auto at = [](int y, unsigned m, unsigned d) { return std::chrono::sys_days(std::chrono::year(y) / m / d); };
    EXPECT_EQ(ParseExpiry("2030-02-03"), at(2030, 2, 3));
    EXPECT_EQ(ParseExpiry(" 2030-02-03T04:05:06Z "),
              at(2030, 2, 3) + std::chrono::hours(4) + std::chrono::minutes(5) + std::chrono::seconds(6));
    for (const char* bad : {"", "2030-02-30", "2030-2-3", "2030-02-03T04:05:06", "2030-02-03 04:05:06Z",
                            "2030-02-03T24:00:00Z", "tomorrow", "2030-02-03T04:05:06+01"})
        EXPECT_FALSE(ParseExpiry(bad)) << bad;

    const auto refusal = [&](const std::string& body, std::chrono::system_clock::time_point now) {
        try {
            ReadManifest(key.signManifest(body), running, key.publicKey(), now);
            return std::string("accepted");
        } catch (const Error& e) {
            return std::string(e.what());
        }
    };
    const std::string body = ManifestBody("1.0.0.2", "pkg.tar", kSha, "", "belvane", "2030-02-03T00:00:00Z");
    EXPECT_EQ(refusal(body, at(2030, 2, 2)), "accepted");
    // Served again after its expiry: refused, saying so.
    EXPECT_EQ(refusal(body, at(2030, 2, 3)), ExpiredManifestText("2030-02-03T00:00:00Z"));
    EXPECT_EQ(refusal(body, at(2031, 1, 1)), ExpiredManifestText("2030-02-03T00:00:00Z"));
    // No expiry, or one that does not read: never believed, not believed forever.
    EXPECT_EQ(refusal(ManifestBody("1.0.0.2", "pkg.tar", kSha, "", "belvane", ""), at(2000, 1, 1)), NoExpiryMessage);
    EXPECT_EQ(refusal(ManifestBody("1.0.0.2", "pkg.tar", kSha, "", "belvane", "never"), at(2000, 1, 1)),
              NoExpiryMessage);
    // The program's own section decides over GlobalOptions.
    const std::string both =
        ManifestBody("1.0.0.2", "pkg.tar", kSha, "[GlobalOptions]\r\nExpires=2040-01-01\r\n", "belvane", "2030-02-03");
    EXPECT_NE(refusal(both, at(2035, 1, 1)), "accepted");
}

TEST(ManifestTest, AnOfferedPackageNeedsTheListOfItsFiles)
{
    TestSigningKey key;
    const ProgramVersion running = ParseVersion("1.0.0.1");
    const auto read = [&](std::string_view files) {
        return ReadManifest(key.signManifest(ManifestBody("1.0.0.2", "pkg.tar", kSha, "", files)), running,
                            key.publicKey());
    };
    EXPECT_EQ(read(" belvane ; help/Kalvo_ENG.chm;;").Files,
              (std::vector<std::string>{"belvane", "help/Kalvo_ENG.chm"}));
    try {
        read("");
        ADD_FAILURE() << "accepted without files";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), MissingFilesMessage);
    }
    EXPECT_THROW(read("belvane;../outside"), Error);
    EXPECT_THROW(read("/etc/passwd"), Error);
    // Without a package there is nothing to list.
    EXPECT_TRUE(ReadManifest(key.signManifest(ManifestBody("1.0.0.2", "", "", "", "")), running, key.publicKey())
                    .Files.empty());
}

TEST(ManifestTest, TheSigningScriptsManifestsAreBelieved)
{
    testing::TempDir dir;
    TestSigningKey key;
    key.writePem(dir / "key.pem");
    const std::string package =
        testing::MakeUstar({{"belvane", "program"}, {"help", "", '5'}, {"help/Kalvo_ENG.chm", "help"}});
    testing::writeBytes(dir / "pkg.tar", package);
    const std::string script = (testing::SourceDir() / "scripts/sign-update.sh").string();
    const std::string command =
        fmt::format("'{}' --key '{}' --version 1.0.0.7 --package '{}' --url pkg.tar "
                    "--description 'Новое' > '{}'",
                    script, (dir / "key.pem").string(), (dir / "pkg.tar").string(), (dir / "m.cfg").string());
    ASSERT_EQ(std::system(command.c_str()), 0);
    const ProgramVersion running = ParseVersion("1.0.0.1");
    const UpdateManifest m = ReadManifest(testing::readBytes(dir / "m.cfg"), running, key.publicKey());
    EXPECT_EQ(m.Version.Text(), "1.0.0.7");
    EXPECT_EQ(m.Description, "Новое");
    EXPECT_EQ(m.PackageSha256, Sha256Hex(package));
    EXPECT_EQ(m.Files, (std::vector<std::string>{"belvane", "help/Kalvo_ENG.chm"}));
    // Believed for the days it is signed for (30 unless said otherwise), and no longer.
    const auto now = std::chrono::system_clock::now();
    EXPECT_GT(m.Expires, now + std::chrono::days(29));
    EXPECT_LT(m.Expires, now + std::chrono::days(31));
    EXPECT_THROW(ReadManifest(testing::readBytes(dir / "m.cfg"), running, key.publicKey(), now + std::chrono::days(31)),
                 Error);
    EXPECT_TRUE(OffersUpdate(m, running));

    // An edited manifest signed again in place is believed; the edit alone is not.
    std::string edited = testing::readBytes(dir / "m.cfg");
    edited.replace(edited.find("1.0.0.7"), 7, "1.0.0.8");
    testing::writeBytes(dir / "m.cfg", edited);
    EXPECT_THROW(ReadManifest(edited, running, key.publicKey()), Error);
    // Signing again renews the expiry.
    ASSERT_EQ(std::system(fmt::format("'{}' --key '{}' --manifest '{}' --valid-days 90", script,
                                      (dir / "key.pem").string(), (dir / "m.cfg").string())
                              .c_str()),
              0);
    const UpdateManifest resigned = ReadManifest(testing::readBytes(dir / "m.cfg"), running, key.publicKey());
    EXPECT_EQ(resigned.Version.Text(), "1.0.0.8");
    EXPECT_GT(resigned.Expires, now + std::chrono::days(89));
    EXPECT_EQ(resigned.Files, m.Files);
}

} // namespace
} // namespace belvane::update
