#include <gtest/gtest.h>

#include "app/data_files.h"
#include "app/prefetch_files.h"
#include "helpers/recording_host.h"
#include "helpers/stats_fixture.h"
#include "helpers/temp_dir.h"
#include "support/error.h"

namespace belvane::app {
namespace {

using testing::RecordingHost;
using testing::StatsFixture;
using testing::TempDir;

TEST(PrefetchFile, LayoutAndRoundTrip)
{
    TempDir dir;
    const auto path = dir / "x.dfc";
    WritePrefetchFile(path, {{1, 0, 0, 0, 30}, {2, -1, 0, 7, 10}});
    const std::string bytes = testing::readBytes(path);
    ASSERT_EQ(bytes.size(), 36u);
    EXPECT_EQ(bytes.substr(0, 12), std::string("\x01\x00\x00\x00\x00\x00\x00\x00\x1E\x00\x00\x00", 12));
    EXPECT_EQ(bytes.substr(24, 12), std::string("\x0A\x00\x00\x00\x1E\x00\x00\x00\x00\x00\x00\x00", 12));
    const PrefetchData data = ReadPrefetchFile(path);
    ASSERT_EQ(data.Records.size(), 2u);
    EXPECT_EQ(data.Records[1].V2, -1);
    EXPECT_EQ(data.Records[1].V4, 7);
    EXPECT_EQ(data.MinCount, 10);
    EXPECT_EQ(data.MaxCount, 30);
}

TEST(PrefetchFile, MalformedFilesAreRefused)
{
    TempDir dir;
    testing::writeBytes(dir / "short.dfc", std::string(11, '\0'));
    EXPECT_THROW(ReadPrefetchFile(dir / "short.dfc"), Error);
    testing::writeBytes(dir / "odd.dfc", std::string(25, '\0'));
    EXPECT_THROW(ReadPrefetchFile(dir / "odd.dfc"), Error);
    EXPECT_THROW(ReadPrefetchFile(dir / "missing.dfc"), Error);
    testing::writeBytes(dir / "trailer.dfc", std::string(12, '\0')); // no value, just the trailer
    EXPECT_TRUE(ReadPrefetchFile(dir / "trailer.dfc").Records.empty());
}

TEST(PrefetchFile, OpenBuildsWhatIsMissing)
{
    TempDir dir;
    const DataFiles files(dir.path());
    StatsFixture f;
    RecordingHost host;
    const int even = f.list.FindMethod("EVEN");
    const auto data = OpenPrefetch(host, f.list, even, files);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->Records.size(), 7u);
    EXPECT_TRUE(std::filesystem::exists(dir / "Prefetchs" / "Belvane_6x45_EVEN.dfc"));
    EXPECT_TRUE(host.errors().empty());
    EXPECT_EQ(host.progressOpens, 1);
    EXPECT_FALSE(host.progressOpen());
    // A method without a full-set form has none.
    EXPECT_FALSE(OpenPrefetch(host, f.list, f.list.FindMethod("POE1"), files));
}

TEST(PrefetchFile, BrokenFileIsReportedAndTheTableGoesOn)
{
    TempDir dir;
    const DataFiles files(dir.path());
    std::filesystem::create_directories(files.prefetchFolder());
    testing::writeBytes(files.prefetch("NUMS"), std::string(13, 'x'));
    StatsFixture f;
    RecordingHost host;
    EXPECT_FALSE(OpenPrefetch(host, f.list, f.list.FindMethod("NUMS"), files));
    ASSERT_EQ(host.errors().size(), 1u);
    EXPECT_TRUE(
        host.errors()[0].starts_with("Ошибка открытия файла данных для полного набора вариантов!\r\rИмя файла: "));
}

TEST(PrefetchFiles, CancelledRunWritesNothing)
{
    TempDir dir;
    const DataFiles files(dir.path());
    StatsFixture f;
    RecordingHost host;
    host.cancelAtOpen = true;
    EXPECT_EQ(BuildPrefetchFiles(host, f.list, files, true, true, AllPrefetchGroups).Written, 0);
    EXPECT_FALSE(std::filesystem::exists(files.prefetch("NUMS")));
}

} // namespace
} // namespace belvane::app
