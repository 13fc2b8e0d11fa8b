// The draws statistics table of the channel, matrix and segment methods,
// checked cell for cell on the real archive against the stand-alone
// computation in layout_stats_reference.cpp, with the default layout and with
// another grid, channel size and segment table written into the settings file.

#include <gtest/gtest.h>

#include <sstream>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "reference/layout_stats_reference.h"

namespace belvane::testing {
namespace {

using layoutref::Key;
using layoutref::Layout;
using layoutref::TableRequest;

constexpr const char* kArchiveCsv = "draws-6x45-real.csv";

std::vector<std::vector<std::string>> parseTsv(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::stringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<std::string> cells;
        size_t start = 0;
        for (;;) {
            const size_t tab = line.find('\t', start);
            cells.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

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
class LayoutStatsReference : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto csv = sharedDataFile(kArchiveCsv);
        if (csv.empty())
            GTEST_SKIP() << "shared data file " << kArchiveCsv << " is absent";
        const auto imported = cli({"draws", "import", csv.string()});
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        draws = layoutref::readDrawsCsv(csv);
        ASSERT_EQ(draws.size(), 1177u);
    }

    void useLayout(const Layout& l)
    {
        layout = l;
        std::string ini = "[GLOBAL]\r\nMatrixCols=" + std::to_string(l.cols) +
                          "\r\nChannelSize=" + std::to_string(l.channelSize) + "\r\n";
        if (!l.segments.empty())
            ini += "MatrixSegments=" + l.segments + "\r\n";
        writeBytes(dir / "Belvane_6x45.ini", ini);
    }

    CliResult cli(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
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
        std::ostringstream what;
        what << id << " --len " << r.len << " --offset " << r.offset << (r.sorted ? " --sorted" : "")
             << (r.fullSet ? " --prefetch" : "") << " (C " << layout.cols << ", S " << layout.channelSize
             << ", segments \"" << layout.segments << "\")";
        const auto result = cli(args);
        if (result.exitCode != 0) {
            ADD_FAILURE() << what.str() << ": exit " << result.exitCode << ": " << result.err;
            return 1;
        }
        const auto got = parseTsv(result.out);
        const auto expected = layoutref::statisticsTable(id, layout, draws, r);
        if (got.size() != expected.size() + 1) {
            ADD_FAILURE() << what.str() << ": " << got.size() << " lines, expected " << expected.size() + 1;
            return 1;
        }
        int differences = 0;
        for (size_t row = 0; row < expected.size(); ++row) {
            const auto& cells = got[row + 1];
            if (cells.size() != expected[row].size()) {
                ADD_FAILURE() << what.str() << ": row " << row + 1 << " has " << cells.size() << " cells";
                ++differences;
                continue;
            }
            for (size_t col = 0; col < cells.size(); ++col)
                if (cells[col] != expected[row][col] && ++differences <= 20)
                    ADD_FAILURE() << what.str() << ": row " << row + 1 << " (" << expected[row][0] << "), column "
                                  << col << " (" << got[0][col] << "): expected \"" << expected[row][col]
                                  << "\", got \"" << cells[col] << "\"";
        }
        return differences;
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

    TempDir dir;
    std::vector<layoutref::Draw> draws;
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

// The first draw alone, a window beyond the archive, one longer than the archive.
TEST_F(LayoutStatsReference, EdgeWindows)
{
    useLayout({.cols = 45, .channelSize = 45, .segments = "2222255555"});
    compareAll(
        [](const std::string& id) {
            return id == "COLV" || id == "ROWV" || id == "ROWM" || id == "KFM3" || id == "CHNV" || id == "CHN1" ||
                   id == "SGMV" || id == "SGM3";
        },
        {{.len = 1, .offset = 1176, .sorted = false},
         {.len = 5, .offset = 1177, .sorted = false},
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
