#include <gtest/gtest.h>

#include <numeric>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

std::vector<std::string_view> cells(std::string_view line)
{
    return text::split(line, "\t", false);
}

CliResult runIn(const TempDir& dir, std::vector<std::string> args)
{
    args.insert(args.begin(), {"--data-dir", dir.path().string()});
    return runCli(args);
}

TEST(ViewsCli, SumsPrintTheThreeRangesWithoutAnyDraw)
{
    TempDir dir;
    const CliResult r = runIn(dir, {"analysis", "sums"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = text::splitLines(r.out);
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Диапазон 1 (от 1/3 и выше по оси Y) - суммы 93-183");
    EXPECT_EQ(lines[1], "Диапазон 2 (от 1/2 и выше по оси Y) - суммы 102-174");
    EXPECT_EQ(lines[2], "Диапазон 3 (от 2/3 и выше по оси Y) - суммы 110-166");

    const CliResult tsv = runIn(dir, {"analysis", "sums", "--format", "tsv"});
    const auto rows = text::splitLines(tsv.out);
    ASSERT_EQ(rows.size(), 236u); // the header and sums 21..255
    EXPECT_EQ(rows[138 - 21 + 1], "138\t105690\t0");
}

TEST(ViewsCli, RatingsGraphsWithoutStakesFailWithTheMessage)
{
    TempDir dir;
    const CliResult r = runIn(dir, {"ratings", "graph", "draws"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("более одного тиража"), std::string::npos) << r.err;
    EXPECT_EQ(runIn(dir, {"views", "graph", "SUMS", "--png", "x.png", "--size", "5x5"}).exitCode, 1);
}

// The whole real archive: one import, then every view of it.
class ViewsRealArchive : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        const std::filesystem::path csv = sharedDataFile("draws-6x45-real.csv");
        if (csv.empty())
            return;
        dir_ = new TempDir;
        imported_ = runIn(*dir_, {"draws", "import", csv.string()}).exitCode == 0;
    }
    static void TearDownTestSuite()
    {
        delete dir_;
        dir_ = nullptr;
    }
    void SetUp() override
    {
        if (dir_ == nullptr)
            GTEST_SKIP() << "shared data file draws-6x45-real.csv is absent";
        ASSERT_TRUE(imported_);
    }
    CliResult run(std::vector<std::string> args) { return runIn(*dir_, std::move(args)); }

    static inline TempDir* dir_ = nullptr;
    static inline bool imported_ = false;
};

TEST_F(ViewsRealArchive, EveryNumberOfTheLast1000DrawsFellOnSaturday)
{
    const CliResult r = run({"views", "week", "--len", "1000", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = text::splitLines(r.out);
    ASSERT_EQ(lines.size(), 8u);
    for (size_t day = 1; day <= 7; ++day) {
        const auto row = cells(lines[day]);
        ASSERT_EQ(row.size(), 46u);
        int total = 0;
        for (size_t n = 1; n < row.size(); ++n)
            total += row[n].empty() ? 0 : *text::parseInt(row[n]);
        EXPECT_EQ(total, day == 6 ? 6000 : 0) << row[0];
    }
}

TEST_F(ViewsRealArchive, TheCardStartsWithTheNewestDraw)
{
    const CliResult r = run({"views", "card", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = text::splitLines(r.out);
    ASSERT_EQ(lines.size(), 1178u);
    const auto newest = cells(lines[1]);
    ASSERT_GE(newest.size(), 3u);
    EXPECT_EQ(newest[0], "1177");
    EXPECT_EQ(newest[1], "3 7 15 16 19 43");
    EXPECT_EQ(newest[2], "21");
    // 7 came in draw 1176 as well and stands alone: lime ("С").
    EXPECT_NE(std::string(newest[3]).find("7:С"), std::string::npos) << newest[3];
}

TEST_F(ViewsRealArchive, AGraphGoesIntoAPngPicture)
{
    const std::filesystem::path png = dir_->path() / "sums.png";
    const CliResult r =
        run({"views", "graph", "SUMS", "--len", "100", "--png", png.string(), "--size", "800x500", "--format", "tsv"});
#ifndef BELVANE_CHART_PNG
    // Without the desktop program the tool says so and writes nothing.
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("PNG недоступен"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(png));
    return;
#endif
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = text::splitLines(r.out);
    ASSERT_EQ(lines.size(), 101u);
    EXPECT_EQ(cells(lines[0]).size(), 4u);
    EXPECT_EQ(cells(lines[100])[0], "1177");
    EXPECT_EQ(cells(lines[100])[1], std::to_string(3 + 7 + 15 + 16 + 19 + 43));

    const std::string bytes = readBytes(png);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    auto be32 = [&](size_t at) {
        return (static_cast<uint8_t>(bytes[at]) << 24) | (static_cast<uint8_t>(bytes[at + 1]) << 16) |
               (static_cast<uint8_t>(bytes[at + 2]) << 8) | static_cast<uint8_t>(bytes[at + 3]);
    };
    EXPECT_EQ(be32(16), 800u); // IHDR width and height
    EXPECT_EQ(be32(20), 500u);

    // NUMS has several values per draw: no graph.
    const CliResult nums = run({"views", "graph", "NUMS", "--len", "100"});
    EXPECT_EQ(nums.exitCode, 1);
    EXPECT_NE(nums.err.find("не строит график"), std::string::npos);
}

TEST_F(ViewsRealArchive, LayoutAndRepeatsAtAnOffset)
{
    // Two draws back: the newest column is draw 1175 and draw 1176's numbers are bracketed.
    const CliResult r = run({"--offset", "2", "views", "layout", "--len", "30", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto header = cells(text::splitLines(r.out)[0]);
    ASSERT_GT(header.size(), 1u);
    EXPECT_EQ(header[1], "1175");
    size_t brackets = 0;
    for (size_t at = r.out.find('['); at != std::string::npos; at = r.out.find('[', at + 1))
        ++brackets;
    EXPECT_GT(brackets, 0u);
    EXPECT_LE(brackets, 6u);

    const CliResult repeats = run({"analysis", "repeats", "--length", "1", "--depth", "1176", "--format", "tsv"});
    ASSERT_EQ(repeats.exitCode, 0) << repeats.err;
    int compared = 0;
    for (std::string_view line : text::splitLines(repeats.out))
        if (const auto row = cells(line); row.size() == 4 && row[0] == "1177")
            compared += *text::parseInt(row[2]);
    EXPECT_LE(compared, 1176);
    EXPECT_GT(compared, 500);
}

} // namespace
} // namespace belvane::testing
