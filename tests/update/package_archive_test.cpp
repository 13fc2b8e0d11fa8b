// Unpacking update packages: what a hostile archive may not do.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "helpers/temp_dir.h"
#include "helpers/update_package.h"
#include "support/error.h"
#include "update/package_archive.h"

namespace belvane::update {
namespace {

namespace fs = std::filesystem;
using testing::MakeUstar;
using testing::TarEntry;
using testing::TempDir;

struct Unpacked {
    std::vector<PackageFile> files;
    std::string error;
};

Unpacked unpack(const TempDir& dir, const std::string& archive, const ArchiveLimits& limits = {})
{
    testing::writeBytes(dir / "pkg.tar", archive);
    Unpacked u;
    try {
        u.files = UnpackPackage(dir / "pkg.tar", dir / "out", limits);
    } catch (const Error& e) {
        u.error = e.what();
    }
    return u;
}

TEST(PackageArchiveTest, SafeNamesStayInsideTheFolder)
{
    EXPECT_EQ(SafeEntryName("belvane"), "belvane");
    EXPECT_EQ(SafeEntryName("./lib/x.so"), "lib/x.so");
    EXPECT_EQ(SafeEntryName("share/"), "share");
    for (const char* bad :
         {"", "/etc/passwd", "../x", "a/../../x", "a/..", "a//b", "a/./b", ".", "./", "a\\..\\b", "a\nb", "x\x7f"})
        EXPECT_FALSE(SafeEntryName(bad)) << bad;
    EXPECT_FALSE(SafeEntryName(std::string(256, 'a')));
}

TEST(PackageArchiveTest, UnpacksFilesAndFoldersKeepingTheExecutableBit)
{
    TempDir dir;
    const Unpacked u = unpack(dir, MakeUstar({{"belvane", "ELF program", '0', 0755},
                                              {"share/", "", '5', 0755},
                                              {"share/help/readme.txt", std::string(1000, 'r'), '0', 0644},
                                              {"empty", "", '0', 0600}}));
    ASSERT_EQ(u.error, "");
    ASSERT_EQ(u.files.size(), 3u);
    EXPECT_TRUE(u.files[0].Executable);
    EXPECT_FALSE(u.files[1].Executable);
    EXPECT_EQ(testing::readBytes(dir / "out/belvane"), "ELF program");
    EXPECT_EQ(testing::readBytes(dir / "out/share/help/readme.txt"), std::string(1000, 'r'));
    EXPECT_EQ(fs::file_size(dir / "out/empty"), 0u);
    EXPECT_NE(fs::status(dir / "out/belvane").permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_EQ(fs::status(dir / "out/share/help/readme.txt").permissions() & fs::perms::owner_exec, fs::perms::none);
}

TEST(PackageArchiveTest, PathTraversalAndSpecialEntriesAreRefusedWithNothingOutside)
{
    const std::vector<std::vector<TarEntry>> hostile = {
        {{"../escaped", "x"}},
        {{"ok", "x"}, {"sub/../../escaped", "x"}},
        {{"/tmp/escaped", "x"}},
        {{"link", "", '2', 0777, "../escaped"}},
        {{"hard", "", '1', 0644, "/etc/passwd"}},
        {{"dev", "", '3', 0644}},
        {{"fifo", "", '6', 0644}},
        {{"pax", "30 path=../../escaped\n", 'x', 0644}, {"file", "x"}},
        {{"dup", "1"}, {"dup", "2"}},
        {{"dir", "", '5', 0755}, {"dir", "file over a folder"}},
    };
    for (const auto& entries : hostile) {
        TempDir dir;
        const Unpacked u = unpack(dir, MakeUstar(entries));
        EXPECT_NE(u.error, "") << entries.back().name;
        EXPECT_TRUE(u.error.starts_with("Файл обновления повреждён")) << u.error;
        EXPECT_FALSE(fs::exists(dir / "escaped"));
        EXPECT_FALSE(fs::exists(dir.path().parent_path() / "escaped"));
    }
}

TEST(PackageArchiveTest, DamagedOrOversizedArchivesAreRefused)
{
    const std::string good = MakeUstar({{"a", std::string(600, 'a')}, {"b", "bb"}});
    {
        TempDir dir; // a header byte changed: its checksum no longer holds
        std::string damaged = good;
        damaged[10] = 'x';
        EXPECT_NE(unpack(dir, damaged).error, "");
    }
    {
        TempDir dir; // cut inside the first file's data
        EXPECT_NE(unpack(dir, good.substr(0, 700)).error, "");
    }
    {
        TempDir dir;
        EXPECT_NE(unpack(dir, std::string(2048, 'z')).error, "");
    }
    {
        TempDir dir;
        EXPECT_NE(unpack(dir, good, {.MaxFileSize = 599}).error, "");
    }
    {
        TempDir dir;
        EXPECT_NE(unpack(dir, good, {.MaxTotalSize = 601}).error, "");
    }
    {
        TempDir dir;
        EXPECT_NE(unpack(dir, good, {.MaxEntries = 1}).error, "");
    }
    {
        TempDir dir;
        EXPECT_EQ(unpack(dir, good).error, "");
    }
}

} // namespace
} // namespace belvane::update
