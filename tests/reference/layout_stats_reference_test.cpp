// The draws statistics table of the channel, matrix and segment methods,
// checked cell for cell on the real archive against the stand-alone
// computation in layout_stats_reference.cpp, with the default layout and with
// another grid, channel size and segment table written into the settings file.

#include <gtest/gtest.h>

#include <algorithm>

#include "reference/layout_stats_reference.h"
#include "reference/reference_support.h"

namespace belvane::testing {
namespace {

using layoutref::Key;
using layoutref::Layout;
using layoutref::TableRequest;

std::vector<std::string> texts(const std::string& id, const Layout& layout, const std::array<int, 6>& numbers)
{
    std::vector<std::string> out;
    for (const Key& k : layoutref::numbersValues(id, layout, numbers))
        out.push_back(layoutref::valueText(id, layout, k));
    return out;
}

// The reference on the worked examples of the three families.
TEST(LayoutStatsReferenceSelf, WorkedExamples)
{
    const Layout grid5;
    const auto kfm2 = texts("KFM2", grid5, {1, 2, 3, 4, 5, 6});
    ASSERT_EQ(kfm2.size(), 15u);
    EXPECT_EQ(kfm2[4], "1:1");
    EXPECT_EQ(texts("KFS2", grid5, {1, 2, 3, 4, 5, 6}), (std::vector<std::string>{"1:2", "2:3", "3:4", "4:5", "5:1"}));
    EXPECT_EQ(texts("COLM", grid5, {1, 3, 6, 8, 11, 13}), std::vector<std::string>{"10100 (020)"});
    EXPECT_EQ(texts("ROWM", grid5, {1, 3, 6, 8, 11, 13}), std::vector<std::string>{"111000000 (448)"});
    EXPECT_EQ(texts("COLA", grid5, {1, 6, 11, 33, 39, 45}), std::vector<std::string>{"1 x 3"});
    EXPECT_EQ(texts("COLA", grid5, {1, 6, 16, 33, 39, 45}), std::vector<std::string>{"1 x 2"});
    EXPECT_EQ(texts("CHAN", grid5, {45, 1, 2, 3, 4, 5})[0], "09 [41-45]");
    const auto chnv = texts("CHNV", grid5, {1, 2, 3, 4, 5, 6});
    ASSERT_EQ(chnv.size(), 9u);
    EXPECT_EQ(chnv[0], "01 [1-5] x 5");
    EXPECT_EQ(chnv[1], "02 [6-10] x 1");
    EXPECT_EQ(chnv[8], "09 [41-45] x 0");

    Layout other;
    other.cols = 45;
    other.channelSize = 4;
    other.segments = "0112";
    EXPECT_EQ(texts("CHAN", other, {45, 1, 2, 3, 4, 5})[0], "12 [45-48]");
    EXPECT_EQ(texts("ROWV", other, {45, 1, 2, 3, 4, 5}), std::vector<std::string>{"1 x 6"});
    EXPECT_EQ(texts("SGMV", other, {45, 1, 2, 3, 4, 5}),
              (std::vector<std::string>{"0 x 1", "1 x 4", "2 x 1"})); // 5 and 45 are in segment 1
    const auto ids = layoutref::methodIds(other);
    EXPECT_EQ(
        std::count_if(ids.begin(), ids.end(),
                      [](const std::string& id) { return id.starts_with("CHN") && id.size() > 3 && isdigit(id[3]); }),
        12);
    EXPECT_EQ(ids.back(), "SGM2");
    EXPECT_EQ(*std::find_if(ids.begin(), ids.end(),
                            [](const std::string& id) { return id.starts_with("SGM") && isdigit(id[3]); }),
              "SGM0");
}

// One data folder with the real archive imported through the command line tool
// and the layout written into its settings file.
class LayoutStatsReference : public ArchiveTest<> {
protected:
    void useLayout(const Layout& l)
    {
        layout = l;
        std::string ini = "[GLOBAL]\r\nMatrixCols=" + std::to_string(l.cols) +
                          "\r\nChannelSize=" + std::to_string(l.channelSize) + "\r\n";
        if (!l.segments.empty())
            ini += "MatrixSegments=" + l.segments + "\r\n";
        writeBytes(dir / "Belvane_6x45.ini", ini);
    }

    // The registered IDs of the tool, in order.
    std::vector<std::string> registeredIds() const
    {
        const auto result = cli({"methods", "--format", "tsv"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        std::vector<std::string> ids;
        const auto rows = parseTsv(result.out);
        for (size_t i = 1; i < rows.size(); ++i) {
            const int group = std::stoi(rows[i][4]);
            if (group >= 3 && group <= 5)
                ids.push_back(rows[i][1]);
        }
        return ids;
    }

    // Runs one table through the tool and compares every cell; the number of differing cells.
    int compareTable(const std::string& id, const TableRequest& r)
    {
        std::vector<std::string> args{"--offset", std::to_string(r.offset), "stats",    id,
                                      "--len",    std::to_string(r.len),    "--format", "tsv"};
        if (r.sorted)
            args.push_back("--sorted");
        if (r.fullSet)
            args.push_back("--prefetch");
        const std::string what = describe(id, r) + " (C " + std::to_string(layout.cols) + ", S " +
                                 std::to_string(layout.channelSize) + ", segments \"" + layout.segments + "\")";
        return compareTables(what, cli(args), layoutref::statisticsTable(id, layout, draws, r));
    }

    // Every method of the layout whose ID passes `pick`, over the given windows.
    template <class Pick>
    void compareAll(Pick pick, const std::vector<TableRequest>& windows)
    {
        const auto ids = layoutref::methodIds(layout);
        ASSERT_EQ(registeredIds(), ids);
        int differences = 0, tables = 0;
        for (const auto& id : ids) {
            if (!pick(id))
                continue;
            for (const TableRequest& r : windows) {
                differences += compareTable(id, r);
                ++tables;
            }
        }
        EXPECT_GT(tables, 0);
        EXPECT_EQ(differences, 0);
    }

    Layout layout;
};

bool isChannelId(const std::string& id)
{
    return id.starts_with("CH") || id.starts_with("KC");
}
bool isSegmentId(const std::string& id)
{
    return id.starts_with("SG") || id.starts_with("KG");
}
bool isMatrixTupleId(const std::string& id)
{
    return id.starts_with("KF") || id.starts_with("KR");
}

// The whole archive up to the newest draw, and a short window back in time
// (where "Факт" has later draws to find), in drawn and ascending order.
const std::vector<TableRequest> kWindows{{.len = 1000, .offset = 0, .sorted = false},
                                         {.len = 60, .offset = 500, .sorted = true}};

TEST_F(LayoutStatsReference, ChannelMethods)
{
    compareAll(isChannelId, kWindows);
}

TEST_F(LayoutStatsReference, MatrixMethods)
{
    compareAll([](const std::string& id) { return !isChannelId(id) && !isSegmentId(id) && !isMatrixTupleId(id); },
               kWindows);
}

TEST_F(LayoutStatsReference, MatrixTuples)
{
    compareAll(isMatrixTupleId, kWindows);
}

TEST_F(LayoutStatsReference, SegmentMethods)
{
    compareAll(isSegmentId, kWindows);
}

// Three columns (15 rows), channels of four (the last one 45-48) and a segment
// table with a segment 0, numbers 11..45 left in segment 1.
TEST_F(LayoutStatsReference, AnotherLayout)
{
    useLayout({.cols = 3, .channelSize = 4, .segments = "0123401234"});
    compareAll([](const std::string&) { return true; }, {{.len = 150, .offset = 3, .sorted = false}});
}

// The first draw alone, the first two draws, a window longer than the archive.
TEST_F(LayoutStatsReference, EdgeWindows)
{
    useLayout({.cols = 45, .channelSize = 45, .segments = "2222255555"});
    compareAll(
        [](const std::string& id) {
            return id == "COLV" || id == "ROWV" || id == "ROWM" || id == "KFM3" || id == "CHNV" || id == "CHN1" ||
                   id == "SGMV" || id == "SGM3";
        },
        {{.len = 1, .offset = 1176, .sorted = false},
         {.len = 5, .offset = 1175, .sorted = false},
         {.len = 2000, .offset = 0, .sorted = true}});
}

// With the full-set comparison: the prefetch files the tool builds against the
// reference's enumeration of all combinations.
TEST_F(LayoutStatsReference, FullSetComparison)
{
    useLayout({.cols = 7, .channelSize = 4, .segments = "1230"});
    int differences = 0;
    for (const char* id : {"COLM", "CHNV", "SGMC"})
        differences += compareTable(id, {.len = 200, .offset = 10, .sorted = false, .fullSet = true});
    EXPECT_EQ(differences, 0);
}

} // namespace
} // namespace belvane::testing
