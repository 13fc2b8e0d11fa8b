#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "helpers/temp_dir.h"
#include "support/error.h"
#include "support/file_faults.h"
#include "support/file_io.h"

namespace belvane {
namespace {

using testing::TempDir;

TEST(FileIo, AtomicWriteReplacesAndKeepsPermissions)
{
    TempDir dir;
    const auto path = dir / "a.txt";
    files::writeFileAtomically(path, std::string_view("first"));
    ::chmod(path.c_str(), 0600);
    files::writeFileAtomically(path, std::string_view("second"));
    EXPECT_EQ(files::readFile(path), "second");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(FileIo, PiecewiseWriterReplacesOnlyOnCommit)
{
    TempDir dir;
    const auto path = dir / "update.zip";
    files::writeFileAtomically(path, std::string_view("old content"));
    {
        files::AtomicFileWriter writer(path);
        writer.write(std::string_view("new"));
        // Abandoned without a commit, as when a download fails half-way.
    }
    EXPECT_EQ(files::readFile(path), "old content");
    {
        files::AtomicFileWriter writer(path);
        writer.write(std::string_view("new "));
        writer.write(std::string_view("content"));
        writer.commit();
        EXPECT_THROW(writer.write(std::string_view("more")), Error);
    }
    EXPECT_EQ(files::readFile(path), "new content");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(FileIo, FailuresNameTheFile)
{
    TempDir dir;
    try {
        files::readFile(dir / "missing.csv");
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("missing.csv"), std::string::npos);
    }
    // A folder cannot be replaced by a file: the write fails and the folder stays.
    std::filesystem::create_directory(dir / "target");
    EXPECT_THROW(files::writeFileAtomically(dir / "target", std::string_view("x")), Error);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "target"));
    EXPECT_THROW(files::writeFileAtomically(dir / "no/such/folder.txt", std::string_view("x")), Error);
}

TEST(FileIo, TempFileBesideReplacesTheTargetOrNothing)
{
    TempDir dir;
    const auto target = dir / "book.xlsx";
    testing::writeBytes(target, "old");
    std::filesystem::permissions(target, std::filesystem::perms(0640));

    const auto temp = files::createTempFileBeside(target);
    EXPECT_EQ(temp.parent_path(), dir.path());
    testing::writeBytes(temp, "new");
    files::replaceFileWith(target, temp);
    EXPECT_EQ(testing::readBytes(target), "new");
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
    EXPECT_FALSE(std::filesystem::exists(temp));

    // A folder cannot be replaced: it stays, and so does nothing of the temporary file.
    std::filesystem::create_directory(dir / "folder");
    testing::writeBytes(dir / "folder" / "inside", "x");
    EXPECT_THROW(files::createTempFileBeside(dir / "folder"), Error);
    const auto second = files::createTempFileBeside(dir / "other.xlsx");
    EXPECT_THROW(files::replaceFileWith(dir / "folder", second), Error);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));
    EXPECT_FALSE(std::filesystem::exists(second));
    EXPECT_THROW(files::createTempFileBeside(dir / "no" / "such.xlsx"), Error);
}

TEST(FileIo, SizeLimitIsEnforced)
{
    TempDir dir;
    testing::writeBytes(dir / "big", std::string(100, 'x'));
    EXPECT_THROW(files::readFile(dir / "big", 99), Error);
    EXPECT_EQ(files::readFile(dir / "big", 100).size(), 100u);
}

namespace fs = std::filesystem;

mode_t modeOf(const fs::path& path)
{
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
}

// The names of the folder's entries (hidden ones too).
std::vector<std::string> entriesOf(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// Sets the umask for the length of a test.
class UmaskScope {
public:
    explicit UmaskScope(mode_t mask) : old_(::umask(mask)) {}
    ~UmaskScope() { ::umask(old_); }

private:
    mode_t old_;
};

TEST(FileIoLinks, SaveGoesThroughLinksToTheirTarget)
{
    TempDir dir;
    fs::create_directory(dir / "synced");
    testing::writeBytes(dir / "synced" / "archive.ldr", "old");
    ::chmod((dir / "synced" / "archive.ldr").c_str(), 0640);
    // A relative link, and a link to that link.
    fs::create_symlink("synced/archive.ldr", dir / "link1");
    fs::create_symlink(dir / "link1", dir / "link2");

    files::writeFileAtomically(dir / "link2", std::string_view("new"));
    EXPECT_TRUE(fs::is_symlink(dir / "link1"));
    EXPECT_TRUE(fs::is_symlink(dir / "link2"));
    EXPECT_EQ(testing::readBytes(dir / "synced" / "archive.ldr"), "new");
    EXPECT_EQ(modeOf(dir / "synced" / "archive.ldr"), 0640u);
    // Nothing was left beside the link or the target.
    EXPECT_EQ(entriesOf(dir.path()), (std::vector<std::string>{"link1", "link2", "synced"}));
    EXPECT_EQ(entriesOf(dir / "synced"), (std::vector<std::string>{"archive.ldr"}));

    // A link to a file that does not exist yet creates that file.
    fs::create_symlink("synced/new.ini", dir / "dangling");
    files::writeFileAtomically(dir / "dangling", std::string_view("x"));
    EXPECT_TRUE(fs::is_symlink(dir / "dangling"));
    EXPECT_EQ(testing::readBytes(dir / "synced" / "new.ini"), "x");

    // The replacement a library writes goes the same way.
    const auto temp = files::createTempFileBeside(dir / "link2");
    EXPECT_EQ(temp.parent_path(), dir / "synced");
    testing::writeBytes(temp, "book");
    files::replaceFileWith(dir / "link2", temp);
    EXPECT_TRUE(fs::is_symlink(dir / "link2"));
    EXPECT_EQ(testing::readBytes(dir / "synced" / "archive.ldr"), "book");

    // A loop of links is an error, not a hang.
    fs::create_symlink(dir / "loopB", dir / "loopA");
    fs::create_symlink(dir / "loopA", dir / "loopB");
    EXPECT_THROW(files::writeFileAtomically(dir / "loopA", std::string_view("x")), Error);
    EXPECT_EQ(files::resolveLinks(dir / "plain"), dir / "plain");
}

TEST(FileIoPermissions, NewFilesFollowTheUmaskReplacedOnesKeepTheirMode)
{
    TempDir dir;
    {
        UmaskScope mask(027);
        files::writeFileAtomically(dir / "new.txt", std::string_view("a"));
        EXPECT_EQ(modeOf(dir / "new.txt"), 0640u);
        const auto temp = files::createTempFileBeside(dir / "book.xlsx");
        files::replaceFileWith(dir / "book.xlsx", temp);
        EXPECT_EQ(modeOf(dir / "book.xlsx"), 0640u);
    }
    {
        UmaskScope mask(0);
        files::writeFileAtomically(dir / "open.txt", std::string_view("a"));
        EXPECT_EQ(modeOf(dir / "open.txt"), 0666u);
        ::chmod((dir / "new.txt").c_str(), 0604);
        files::writeFileAtomically(dir / "new.txt", std::string_view("b"));
        EXPECT_EQ(modeOf(dir / "new.txt"), 0604u);
    }
}

// Read-only by its mode bits: refused even for a process that could write anyway.
TEST(FileIoPermissions, AReadOnlyFileIsNotReplaced)
{
    TempDir dir;
    testing::writeBytes(dir / "kept.ldr", "old");
    ::chmod((dir / "kept.ldr").c_str(), 0444);
    try {
        files::writeFileAtomically(dir / "kept.ldr", std::string_view("new"));
        FAIL() << "a read-only file was replaced";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("kept.ldr: файл защищен от записи"), std::string::npos);
    }
    EXPECT_THROW(files::createTempFileBeside(dir / "kept.ldr"), Error);
    EXPECT_EQ(testing::readBytes(dir / "kept.ldr"), "old");
    EXPECT_EQ(modeOf(dir / "kept.ldr"), 0444u);
    EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{"kept.ldr"});
}

// A FIFO or a device where a file is expected: refused at once, never waited on, never replaced.
TEST(FileIoSpecialFiles, OnlyRegularFilesAreReadOrReplaced)
{
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
    const auto start = std::chrono::steady_clock::now();
    const files::PartialRead fromPipe = files::readFileKeepingPartial(dir / "pipe");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(fromPipe.error, "pipe: это не обычный файл");
    EXPECT_THROW(files::writeFileAtomically(dir / "pipe", std::string_view("x")), Error);
    EXPECT_TRUE(fs::is_fifo(dir / "pipe"));

    EXPECT_THROW(files::readFile("/dev/zero"), Error);
    // Not even a privileged process puts a temporary file into /dev and renames it over the device.
    EXPECT_THROW(files::writeFileAtomically("/dev/null", std::string_view("x")), Error);
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    // A link to a FIFO is the FIFO.
    fs::create_symlink(dir / "pipe", dir / "link");
    EXPECT_FALSE(files::readFileKeepingPartial(dir / "link").error.empty());
}

TEST(FileIoTempFiles, StaleTemporaryFilesAreRecognisedAndRemoved)
{
    TempDir dir;
    const auto temp = files::createTempFileBeside(dir / "Belvane_6x45.ldr");
    EXPECT_TRUE(files::isTempFileName(temp.filename().string()));
    EXPECT_TRUE(temp.filename().string().starts_with(".Belvane_6x45.ldr.belvane-tmp-"));

    for (const char* name : {"Belvane_6x45.ldr", ".hidden", "x.belvane-tmp-abc123", ".x.belvane-tmp-ab!123",
                             ".x.belvane-tmp-abc12", ".x.belvane-tmp-"})
        testing::writeBytes(dir / name, "keep");
    EXPECT_FALSE(files::isTempFileName("x.belvane-tmp-abc123"));  // no leading dot
    EXPECT_FALSE(files::isTempFileName(".x.belvane-tmp-abc12"));  // five characters
    EXPECT_FALSE(files::isTempFileName(".x.belvane-tmp-ab!123")); // not a random part
    fs::create_directory(dir / ".folder.belvane-tmp-abcdef");     // folders are left alone

    EXPECT_EQ(files::removeStaleTempFiles(dir.path()), 1);
    EXPECT_FALSE(fs::exists(temp));
    EXPECT_EQ(entriesOf(dir.path()).size(), 7u);
    EXPECT_EQ(files::removeStaleTempFiles(dir / "missing"), 0);
}

TEST(FileIoIdentity, SameFileHoweverNamed)
{
    TempDir dir;
    testing::writeBytes(dir / "a", "x");
    fs::create_hard_link(dir / "a", dir / "hard");
    fs::create_symlink(dir / "a", dir / "soft");
    testing::writeBytes(dir / "b", "x");
    const auto a = files::fileIdentity(dir / "a");
    ASSERT_TRUE(a);
    EXPECT_EQ(files::fileIdentity(dir / "hard"), a);
    EXPECT_EQ(files::fileIdentity(dir / "soft"), a);
    EXPECT_EQ(files::fileIdentity(dir.path() / "." / "a"), a);
    EXPECT_NE(files::fileIdentity(dir / "b"), a);
    EXPECT_FALSE(files::fileIdentity(dir / "missing"));
}

class FileFaults : public ::testing::Test {
protected:
    void TearDown() override { files::clearFaults(); }
    TempDir dir;
};

TEST_F(FileFaults, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    testing::writeBytes(dir / "data.ini", "old");
    files::injectFault({files::FaultKind::Write, "data.ini", 1});
    try {
        files::writeFileAtomically(dir / "data.ini", std::string_view("new contents"));
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), files::systemErrorText(dir / "data.ini", ENOSPC));
    }
    EXPECT_EQ(testing::readBytes(dir / "data.ini"), "old");
    EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{"data.ini"});
    // The fault was used up; other names were never hit.
    files::writeFileAtomically(dir / "data.ini", std::string_view("new"));
    EXPECT_EQ(testing::readBytes(dir / "data.ini"), "new");

    files::injectFault({files::FaultKind::Write, "", -1}); // every file, every time
    EXPECT_THROW(files::writeFileAtomically(dir / "a", std::string_view("x")), Error);
    EXPECT_THROW(files::writeFileAtomically(dir / "b", std::string_view("x")), Error);
    const auto temp = files::createTempFileBeside(dir / "book.xlsx");
    EXPECT_THROW(files::replaceFileWith(dir / "book.xlsx", temp), Error);
    EXPECT_EQ(entriesOf(dir.path()), std::vector<std::string>{"data.ini"});
}

TEST_F(FileFaults, AFailedReadKeepsWhatArrivedBeforeIt)
{
    testing::writeBytes(dir / "draws", "0123456789");
    files::injectFault({files::FaultKind::Read, "draws", 1});
    const files::PartialRead r = files::readFileKeepingPartial(dir / "draws");
    EXPECT_EQ(r.data, "01234");
    EXPECT_EQ(r.error, files::systemErrorText(dir / "draws", EIO));
    EXPECT_EQ(files::readFile(dir / "draws"), "0123456789");
}

TEST_F(FileFaults, TheEnvironmentTextArmsFaults)
{
    EXPECT_TRUE(files::injectFaultsFromText("read:a.ldr:1;write:*:2"));
    EXPECT_EQ(files::takeFault(files::FaultKind::Read, "b.ldr"), 0);
    EXPECT_EQ(files::takeFault(files::FaultKind::Read, "a.ldr"), EIO);
    EXPECT_EQ(files::takeFault(files::FaultKind::Read, "a.ldr"), 0);
    EXPECT_EQ(files::takeFault(files::FaultKind::Write, "x"), ENOSPC);
    EXPECT_EQ(files::takeFault(files::FaultKind::Write, "y"), ENOSPC);
    EXPECT_EQ(files::takeFault(files::FaultKind::Write, "z"), 0);
    for (const char* bad : {"read", "erase:a:1", "read:a:x", "read:a:1:2"})
        EXPECT_FALSE(files::injectFaultsFromText(bad)) << bad;
    EXPECT_EQ(files::takeFault(files::FaultKind::Read, "a"), 0); // nothing armed by a bad text
}

TEST_F(FileFaults, AnInjectedFreeSpaceIsWhatTheDiskReports)
{
    const std::optional<uint64_t> real = files::freeSpace(dir / "stakes.lsk");
    ASSERT_TRUE(real); // a real disk says how much is free
    EXPECT_TRUE(files::injectFaultsFromText("space:stakes.lsk:4096;write:stakes.lsk:1"));
    EXPECT_EQ(files::freeSpace(dir / "stakes.lsk"), 4096u);
    EXPECT_EQ(files::freeSpace(dir / "stakes.lsk"), 4096u); // asking uses up nothing
    EXPECT_NE(files::freeSpace(dir / "other.lsk"), 4096u);
    // The space fault fails no write, and the write fault still fails one.
    EXPECT_EQ(files::takeFault(files::FaultKind::Write, "stakes.lsk"), ENOSPC);
    EXPECT_EQ(files::takeFault(files::FaultKind::Write, "stakes.lsk"), 0);
    for (const char* bad : {"space:a:-1", "space:a:many"})
        EXPECT_FALSE(files::injectFaultsFromText(bad)) << bad;
}

} // namespace
} // namespace belvane
