#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include "app/demo_archive.h"
#include "helpers/draws_builder.h"
#include "helpers/temp_dir.h"
#include "model/draws_file.h"
#include "support/error.h"
#include "support/file_faults.h"
#include "support/file_io.h"

namespace belvane::model {
namespace {

using testing::makeDraw;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

TEST(DrawsFile, MissingFileIsAnEmptyArchive)
{
    TempDir dir;
    const auto content = ReadDrawsFile(dir / "Belvane_6x45.ldr");
    EXPECT_TRUE(content.draws.empty());
    EXPECT_TRUE(content.error.empty());
}

TEST(DrawsFile, RecordCountFollowsTheSize)
{
    TempDir dir;
    const auto path = dir / "draws.ldr";
    const TDrawsArray two{makeDraw(1, {1, 2, 3, 4, 5, 6}, 7, "07/12/2002"), makeDraw(2, {7, 8, 9, 10, 11, 12}, 1)};
    WriteDrawsFile(path, two);
    EXPECT_EQ(readBytes(path).size(), 48u);
    EXPECT_EQ(ReadDrawsFile(path).draws, two);

    // A trailing partial record is ignored.
    writeBytes(path, readBytes(path) + std::string(23, '\x01'));
    const auto content = ReadDrawsFile(path);
    EXPECT_EQ(content.draws, two);
    EXPECT_TRUE(content.error.empty());

    writeBytes(path, "");
    EXPECT_TRUE(ReadDrawsFile(path).draws.empty());
}

TEST(DrawsFile, SavingAnEmptyArchiveLeavesAnEmptyFile)
{
    TempDir dir;
    const auto path = dir / "draws.ldr";
    WriteDrawsFile(path, {makeDraw(1, {1, 2, 3, 4, 5, 6})});
    WriteDrawsFile(path, {});
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST(DrawsFile, UnreadableFileReportsTheReason)
{
    TempDir dir;
    const auto path = dir / "draws.ldr";
    std::filesystem::create_directory(path); // exists, but cannot be read as a file
    const auto content = ReadDrawsFile(path);
    EXPECT_TRUE(content.draws.empty());
    EXPECT_NE(content.error.find("draws.ldr"), std::string::npos);
}

// A write that fails part-way (here: the file-size limit, as a full disk would)
// must leave the previous archive exactly as it was, and no temporary file.
TEST(DrawsFile, FailedSaveLeavesTheOldFileIntact)
{
    TempDir dir;
    const auto path = dir / "draws.ldr";
    const TDrawsArray old = app::MakeDemoDraws(10, 3);
    WriteDrawsFile(path, old);
    const std::string before = readBytes(path);

    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000; // the new archive needs 24 000 bytes
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);

    EXPECT_THROW(WriteDrawsFile(path, app::MakeDemoDraws(1000, 4)), Error);

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(ReadDrawsFile(path).draws, old);
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++files;
    EXPECT_EQ(files, 1u);
}

// One limit in both directions: what is written can be read back, and what
// would not be read back is not written.
TEST(DrawsFile, TheSameLimitForReadingAndWriting)
{
    TempDir dir;
    const auto path = dir / "draws.ldr";
    TDrawsArray full(MaxDrawsInFile, makeDraw(1, {1, 2, 3, 4, 5, 6}, 7, "07/12/2002"));
    for (size_t i = 0; i < full.size(); ++i)
        full[i].Number = static_cast<int32_t>(i + 1);
    WriteDrawsFile(path, full);
    const auto read = ReadDrawsFile(path);
    EXPECT_TRUE(read.error.empty()) << read.error;
    EXPECT_EQ(read.draws.size(), MaxDrawsInFile);

    const std::string before = readBytes(path);
    full.push_back(makeDraw(static_cast<int32_t>(MaxDrawsInFile + 1), {1, 2, 3, 4, 5, 6}, 7));
    EXPECT_THROW(WriteDrawsFile(path, full), Error);
    EXPECT_EQ(readBytes(path), before);

    // A file one record over the limit (written past the program) is refused as a whole.
    writeBytes(path, before + std::string(DrawRecordSize, '\0'));
    const auto over = ReadDrawsFile(path);
    EXPECT_TRUE(over.draws.empty());
    EXPECT_NE(over.error.find("не может быть больше 1000000 тиражей"), std::string::npos) << over.error;
}

TEST(DrawsFile, AFailedReadKeepsTheWholeRecordsBeforeIt)
{
    TempDir dir;
    const auto path = dir / "draws.ldr";
    const TDrawsArray draws = app::MakeDemoDraws(10, 3);
    WriteDrawsFile(path, draws);
    files::injectFault({files::FaultKind::Read, "draws.ldr", 1});
    const auto content = ReadDrawsFile(path);
    files::clearFaults();
    EXPECT_EQ(content.error, files::systemErrorText(path, EIO));
    EXPECT_EQ(content.draws, TDrawsArray(draws.begin(), draws.begin() + 5)); // 120 of 240 bytes arrived
}

} // namespace
} // namespace belvane::model
