#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "helpers/temp_dir.h"
#include "support/error.h"
#include "support/file_io.h"

namespace belvane {
namespace {

using testing::TempDir;

size_t filesIn(const std::filesystem::path& folder)
{
    size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

TEST(AtomicFileWriter, PiecesReplaceTheFileOnlyAtCommit)
{
    TempDir dir;
    const auto path = dir / "list.lcv";
    testing::writeBytes(path, "old");
    ::chmod(path.c_str(), 0640);
    for (const auto flush : {files::DiskFlush::Wait, files::DiskFlush::Skip}) {
        files::AtomicFileWriter writer(path, flush);
        writer.write(std::string_view("new "));
        writer.write(std::string(9 << 20, 'x'));                 // past the early flush of large files
        EXPECT_EQ(testing::readBytes(path).substr(0, 3), "old"); // not yet
        writer.commit();
        const std::string bytes = testing::readBytes(path);
        EXPECT_EQ(bytes.size(), 4u + (9 << 20));
        EXPECT_TRUE(bytes.starts_with("new x"));
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0640u);
        EXPECT_EQ(filesIn(dir.path()), 1u); // no temporary file left
        testing::writeBytes(path, "old");
    }
}

TEST(AtomicFileWriter, AbandonedWriterLeavesTheOldFile)
{
    TempDir dir;
    const auto path = dir / "list.lcv";
    testing::writeBytes(path, "old");
    {
        files::AtomicFileWriter writer(path);
        writer.write(std::string_view("half a list"));
    } // a failure before commit
    EXPECT_EQ(testing::readBytes(path), "old");
    EXPECT_EQ(filesIn(dir.path()), 1u);

    EXPECT_THROW(files::AtomicFileWriter(dir / "no/such/x.lcv"), Error);
    std::filesystem::create_directory(dir / "folder");
    EXPECT_THROW(files::AtomicFileWriter(dir / "folder"), Error); // a folder is not replaced by a file
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder"));
}

TEST(FileChunkReader, ReadsPiecesAndRefusesWhatReadFileRefuses)
{
    TempDir dir;
    testing::writeBytes(dir / "a.txt", "0123456789");
    files::FileChunkReader reader(dir / "a.txt", 100);
    EXPECT_EQ(reader.size(), 10u);
    char buffer[4];
    std::string got;
    for (size_t n; (n = reader.read(buffer, sizeof buffer)) > 0;)
        got.append(buffer, n);
    EXPECT_EQ(got, "0123456789");

    for (const auto& [name, limit] : {std::pair{"a.txt", 9}, {"missing.txt", 100}, {"", 100}}) {
        try {
            files::FileChunkReader(dir / name, static_cast<uint64_t>(limit));
            FAIL() << name;
        } catch (const Error& e) {
            try {
                files::readFile(dir / name, static_cast<uint64_t>(limit));
                FAIL() << name;
            } catch (const Error& same) {
                EXPECT_STREQ(e.what(), same.what());
            }
        }
    }
}

} // namespace
} // namespace belvane
