#include <gtest/gtest.h>

#include <sys/stat.h>

#include "helpers/temp_dir.h"
#include "support/error.h"
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
    const auto second = files::createTempFileBeside(dir / "folder");
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

} // namespace
} // namespace belvane
