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

TEST(PrefetchFile, DamagedFilesAreRefused)
{
    TempDir dir;
    auto record = [](int16_t v1, int16_t v2, int32_t count) {
        std::string r(12, '\0');
        r[0] = static_cast<char>(v1 & 0xFF);
        r[1] = static_cast<char>(v1 >> 8 & 0xFF);
        r[2] = static_cast<char>(v2 & 0xFF);
        r[3] = static_cast<char>(v2 >> 8 & 0xFF);
        for (int b = 0; b < 4; ++b)
            r[static_cast<size_t>(8 + b)] = static_cast<char>(count >> (8 * b) & 0xFF);
        return r;
    };
    auto trailer = [&](int32_t min, int32_t max, int32_t spare) {
        std::string t = record(0, 0, spare);
        for (int b = 0; b < 4; ++b) {
            t[static_cast<size_t>(b)] = static_cast<char>(min >> (8 * b) & 0xFF);
            t[static_cast<size_t>(4 + b)] = static_cast<char>(max >> (8 * b) & 0xFF);
        }
        return t;
    };
    const std::string good = record(1, 0, 30) + record(2, -1, 10) + trailer(10, 30, 0);
    testing::writeBytes(dir / "good.dfc", good);
    EXPECT_TRUE(IsPrefetchFileIntact(dir / "good.dfc"));
    EXPECT_EQ(ReadPrefetchFile(dir / "good.dfc").Records.size(), 2u);

    const std::vector<std::pair<const char*, std::string>> damaged{
        {"zeros", std::string(36, '\0')},                                    // blocks never written
        {"order", record(2, 0, 30) + record(1, 0, 10) + trailer(10, 30, 0)}, // keys must rise
        {"twice", record(1, 0, 30) + record(1, 0, 10) + trailer(10, 30, 0)},
        {"count", record(1, 0, 0) + record(2, 0, 10) + trailer(0, 10, 0)}, // no value occurs 0 times
        {"negative", record(1, 0, -5) + trailer(-5, -5, 0)},
        {"minmax", record(1, 0, 30) + record(2, 0, 10) + trailer(10, 31, 0)}, // trailer disagrees
        {"spare", record(1, 0, 30) + record(2, 0, 10) + trailer(10, 30, 1)},
        {"huge", record(1, 0, 2'000'000'000) + record(2, 0, 2'000'000'000) + record(3, 0, 2'000'000'000) +
                     record(4, 0, 2'000'000'000) + record(5, 0, 2'000'000'000) + record(6, 0, 2'000'000'000) +
                     record(7, 0, 2'000'000'000) + record(8, 0, 2'000'000'000) + record(9, 0, 2'000'000'000) +
                     trailer(2'000'000'000, 2'000'000'000, 0)}, // more than 64 values per combination
        {"cut", good.substr(0, 24)},
    };
    for (const auto& [name, bytes] : damaged) {
        const auto path = dir / (std::string(name) + ".dfc");
        testing::writeBytes(path, bytes);
        EXPECT_THROW(ReadPrefetchFile(path), Error) << name;
        EXPECT_FALSE(IsPrefetchFileIntact(path)) << name;
    }
    EXPECT_FALSE(IsPrefetchFileIntact(dir / "missing.dfc"));
}

TEST(PrefetchFiles, DamagedFileIsBuiltAgainLikeAMissingOne)
{
    TempDir dir;
    const DataFiles files(dir.path());
    StatsFixture f;
    RecordingHost host;
    // Every file present and sound (made up: one value), except EVEN, cut short.
    std::filesystem::create_directories(files.prefetchFolder());
    for (int i = 0; i < f.list.MethodCount(); ++i)
        if (f.list.CanPrefetch(i))
            WritePrefetchFile(files.prefetch(f.list.Item(i).ID()), {{1, 0, 0, 0, 5}});
    const auto even = files.prefetch("EVEN");
    testing::writeBytes(even, testing::readBytes(even).substr(0, 20));
    const auto nums = std::filesystem::last_write_time(files.prefetch("NUMS"));

    EXPECT_EQ(BuildPrefetchFiles(host, f.list, files, false, true, 0).Written, 1);
    const PrefetchData rebuilt = ReadPrefetchFile(even);
    EXPECT_EQ(rebuilt.Records.size(), 7u); // 0..6 even numbers
    EXPECT_EQ(std::filesystem::last_write_time(files.prefetch("NUMS")), nums);
    EXPECT_TRUE(host.errors().empty());
    EXPECT_EQ(BuildPrefetchFiles(host, f.list, files, false, true, 0).Written, 0); // all sound now
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
