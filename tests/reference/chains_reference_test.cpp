// The chain methods through the command line tool on the real archive, checked against
// the stand-alone computation in chains_reference.cpp: their places in the method list,
// every cell of their statistics tables in two game layouts, and the filters of the full
// set.

#include <gtest/gtest.h>

#include <algorithm>

#include "reference/chains_reference.h"
#include "reference/reference_support.h"

namespace belvane::testing {
namespace {

using chainref::Layout;
using reference::Draw;
using reference::Key;
using reference::TableRequest;

constexpr int64_t kFullSetSize = 8'145'060;

// An archive of draws numbered from 1.
std::vector<Draw> archiveOf(const std::vector<std::array<int, 6>>& balls)
{
    std::vector<Draw> draws;
    for (const auto& b : balls)
        draws.push_back({.number = static_cast<int>(draws.size()) + 1, .balls = b});
    return draws;
}

std::vector<std::string> texts(const std::string& id, const std::vector<Draw>& draws, int index, int last,
                               const Layout& layout = {})
{
    std::vector<std::string> out;
    for (const Key& k : chainref::drawValues(id, layout, draws, index, last, false))
        out.push_back(chainref::valueText(id, k));
    return out;
}

// ---- the reference on the worked examples ------------------------------------------------

TEST(ChainsReferenceSelf, WorkedExamples)
{
    using V = std::vector<std::string>;
    // 12 in the newest draw and in the draw before draw 2, which has 1..6: channel 3 is empty.
    const auto draws = archiveOf({{12, 20, 30, 33, 40, 44}, {1, 2, 3, 4, 5, 6}, {12, 7, 8, 9, 10, 14}});
    EXPECT_EQ(texts("SDZ2", draws, 1, 2), V{"12 -> 00"});
    EXPECT_EQ(texts("SDG2", draws, 1, 2), V{});
    EXPECT_EQ(texts("SDC2", draws, 1, 2), V{"12 -> 0"});
    EXPECT_EQ(texts("SDA2", draws, 1, 2), V{"12 -> 00"});
    EXPECT_EQ(texts("SDV2", draws, 1, 2), (V{"12 -> 1", "12 -> 2", "12 -> 3", "12 -> 4", "12 -> 5", "12 -> 6"}));
    EXPECT_EQ(texts("SCV2", draws, 1, 2), (V{"03 -> 01", "03 -> 01", "03 -> 01", "03 -> 01", "03 -> 01", "03 -> 02"}));
    EXPECT_EQ(texts("SDV2", draws, 2, 2), V{}); // draw 2 shares nothing with the newest
    EXPECT_EQ(texts("SDV2", draws, 0, 2), V{}); // the oldest has no predecessor
    EXPECT_EQ(texts("SDP3", draws, 1, 2), V{});
    EXPECT_EQ(chainref::valueText("SDP3", {3, 5, 7, 0}), "3-5 -> 7");
    EXPECT_EQ(chainref::valueText("SCP3", {3, 5, 7, 0}), "03-05 -> 07");
    EXPECT_EQ(chainref::valueText("SC3C9", {3, 5, 7, 0}), "3-5 -> 7");
    EXPECT_EQ(chainref::valueText("SSV2", {3, 1, 0, 0}), "3 -> 1");

    // SC2C3 lists n -> 0 .. n -> 5, n being the newest draw's count in 11..15; SS2C1 the single 6 -> 0.
    std::vector<std::string> listed;
    for (const Key& k : chainref::seeds("SC2C3", {}, draws, 2))
        listed.push_back(chainref::valueText("SC2C3", k));
    EXPECT_EQ(listed, (V{"2 -> 0", "2 -> 1", "2 -> 2", "2 -> 3", "2 -> 4", "2 -> 5"}));
    EXPECT_EQ(chainref::seeds("SS2C1", {}, draws, 2).size(), 1u);
    EXPECT_TRUE(chainref::seeds("SC3C3", {}, draws, 0).empty());

    EXPECT_EQ(chainref::methodIds({}).size(), 69u);
    EXPECT_EQ(chainref::methodIds({.channelSize = 4}).size(), 75u);
    EXPECT_EQ(chainref::classPosition("SDV2"), 116);
    EXPECT_EQ(chainref::classPosition("SDN4"), 118);
    EXPECT_EQ(chainref::classPosition("SC3C12"), 127);
    EXPECT_EQ(chainref::classPosition("SDC2"), 131);
    EXPECT_EQ(chainref::classPosition("SS3C0"), 138);

    // A selected SDG2 value 12 -> 14 keeps the combinations holding 14 while 12 is in the newest draw.
    EXPECT_EQ(chainref::countMatching("SDG2", {}, draws, 2, {{"12 -> 14"}, {"13 -> 14"}}),
              (std::vector<int64_t>{1'086'008, 0}));
}

// ---- the tool against the reference ------------------------------------------------------

class ChainsReference : public ArchiveTest<> {
protected:
    void useLayout(const Layout& l)
    {
        layout = l;
        std::string ini = "[GLOBAL]\r\nChannelSize=" + std::to_string(l.channelSize) + "\r\n";
        if (!l.segments.empty())
            ini += "MatrixSegments=" + l.segments + "\r\n";
        writeBytes(dir / "Belvane_6x45.ini", ini);
    }

    // The chain rows of the tool's method list: position and ID.
    std::vector<std::pair<int, std::string>> registered() const
    {
        const auto result = cli({"methods", "--format", "tsv"});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        std::vector<std::pair<int, std::string>> rows;
        const auto lines = parseTsv(result.out);
        for (size_t i = 1; i < lines.size(); ++i)
            if (lines[i][4] == "10")
                rows.emplace_back(std::stoi(lines[i][0]), lines[i][1]);
        return rows;
    }

    int compareTable(const std::string& id, const TableRequest& r)
    {
        const std::string what =
            describe(id, r) + " (S " + std::to_string(layout.channelSize) + ", segments \"" + layout.segments + "\")";
        return compareTables(what, cli(statsArgs(id, r)), chainref::statisticsTable(id, layout, draws, r), true);
    }

    // The value texts of a table, rows in order.
    std::vector<std::string> valueColumn(const std::string& id, const TableRequest& r)
    {
        const auto result = cli(statsArgs(id, r));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        std::vector<std::string> values;
        const auto rows = parseTsv(result.out);
        for (size_t i = 1; i < rows.size(); ++i)
            values.push_back(rows[i][0]);
        return values;
    }

    Layout layout;
};

TEST_F(ChainsReference, MethodsAtTheirClassTablePositions)
{
    const auto rows = registered();
    std::vector<std::string> ids;
    for (const auto& [position, id] : rows) {
        ids.push_back(id);
        EXPECT_EQ(position, chainref::classPosition(id)) << id;
    }
    EXPECT_EQ(ids, chainref::methodIds({}));
}

class ChainsTable : public ChainsReference, public ::testing::WithParamInterface<std::string> {};

// The usual window, one back in time with the numbers sorted (where "Факт" finds later
// draws), a middle one, the first draw alone and the first two (where the chains over
// three draws have no reference draw before the newest).
TEST_P(ChainsTable, EveryCellMatches)
{
    const std::vector<TableRequest> windows{{.len = 1000, .offset = 0, .sorted = false},
                                            {.len = 60, .offset = 500, .sorted = true},
                                            {.len = 150, .offset = 30, .sorted = false},
                                            {.len = 1, .offset = 1176, .sorted = true},
                                            {.len = 2, .offset = 1175, .sorted = false}};
    int differences = 0;
    for (const auto& r : windows)
        differences += compareTable(GetParam(), r);
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(Reference, ChainsTable, ::testing::ValuesIn(chainref::methodIds({})),
                         [](const auto& p) { return p.param; });

// Channels of 4 (twelve, the last holding 45 alone) and segments 0..9: the members that
// follow the layout register and count by it.
TEST_F(ChainsReference, AnotherLayout)
{
    useLayout({.channelSize = 4, .segments = "0112223334445556667778889990123"});
    std::vector<std::string> ids;
    for (const auto& row : registered())
        ids.push_back(row.second);
    ASSERT_EQ(ids, chainref::methodIds(layout));
    EXPECT_EQ(std::count_if(ids.begin(), ids.end(), [](const std::string& id) { return id.starts_with("SC2C"); }), 12);
    int differences = 0, tables = 0;
    for (const auto& id : ids) {
        if (id.starts_with("SD") && id != "SDA2" && id != "SDG2" && id != "SDZ2" && id != "SDC2")
            continue; // the number chains do not read the layout
        for (const TableRequest& r : {TableRequest{.len = 1000, .offset = 0, .sorted = true},
                                      TableRequest{.len = 200, .offset = 77, .sorted = false}}) {
            differences += compareTable(id, r);
            ++tables;
        }
    }
    EXPECT_GT(tables, 80);
    EXPECT_EQ(differences, 0);
}

class ChainsFilter : public ChainsReference, public ::testing::WithParamInterface<std::string> {};

// Values taken from the table, the full set filtered by the tool and by enumeration.
TEST_P(ChainsFilter, CountsMatchTheEnumeration)
{
    const std::string id = GetParam();
    for (const int offset : {0, 9}) {
        const int len = 300;
        const auto values = valueColumn(id, {.len = len, .offset = offset});
        if (values.empty()) {
            ADD_FAILURE() << id << " offset " << offset << " has no rows";
            continue;
        }
        const std::vector<std::vector<std::string>> selections{
            {values.front()}, {values[values.size() / 2], values.back()}, {values[values.size() / 3]}};
        const int last = static_cast<int>(draws.size()) - 1 - offset;
        const auto expected = chainref::countMatching(id, layout, draws, last, selections);
        for (size_t s = 0; s < selections.size(); ++s) {
            const bool keep = 2 * expected[s] <= kFullSetSize; // the shorter list is written
            const int64_t printed = filterCount(id, selections[s], keep, {"--len", std::to_string(len)}, "", offset);
            EXPECT_EQ(printed, keep ? expected[s] : kFullSetSize - expected[s])
                << id << " offset " << offset << " selection " << s;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Reference, ChainsFilter,
                         ::testing::Values("SDV2", "SDP3", "SDN2", "SCV2", "SCM4", "SC2C3", "SC3C8", "SDA2", "SDG2",
                                           "SDZ2", "SDC2", "SSP2", "SS2C1"),
                         [](const auto& p) { return p.param; });

// The chains have no full-set form: asking for the comparison builds no file.
TEST_F(ChainsReference, NoFullSetFiles)
{
    for (const char* id : {"SDV2", "SC2C1", "SDC2", "SS3C1"}) {
        ASSERT_EQ(cli(statsArgs(id, {.len = 10, .fullSet = true})).exitCode, 0) << id;
        EXPECT_FALSE(std::filesystem::exists(prefetchPath(id))) << id;
    }
}

} // namespace
} // namespace belvane::testing
