// The sequence, combination value and Ognev number methods through the command line
// tool on the real archive, checked against the stand-alone computation in
// runs_tuples_ognev_reference.cpp: their places in the method list, every cell of
// their statistics tables, the full-set files and the filters of the full set.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "reference/reference_support.h"
#include "reference/runs_tuples_ognev_reference.h"

namespace belvane::testing {
namespace {

using reference::Key;
using reference::TableRequest;
using seqref::Six;

constexpr int64_t kFullSetSize = 8'145'060;

int64_t binomial(int n, int k)
{
    int64_t b = 1;
    for (int i = 1; i <= k; ++i)
        b = b * (n - k + i) / i;
    return b;
}

std::vector<std::string> texts(const std::string& id, const Six& numbers)
{
    std::vector<std::string> out;
    for (const Key& k : seqref::numbersValues(id, numbers))
        out.push_back(seqref::valueText(id, k));
    return out;
}

std::vector<std::string> candidateTexts(const Six& newest)
{
    std::vector<std::string> out;
    for (const auto& c : seqref::ognevCandidates(newest, nullptr))
        out.push_back(seqref::valueText("HCO3", c.key));
    return out;
}

// ---- the reference on the worked examples ---------------------------------------------

TEST(RunsTuplesOgnevReferenceSelf, WorkedExamples)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(texts("SEQL", {1, 2, 3, 10, 11, 40}), (V{"3", "2", "1"}));
    EXPECT_EQ(texts("SEQS", {1, 2, 3, 10, 11, 40}), V{"2"});
    EXPECT_EQ(texts("LENS", {1, 2, 3, 10, 11, 40}), V{"3"});
    EXPECT_EQ(texts("SEQL", {5, 10, 15, 20, 25, 30}), V(6, "1"));
    EXPECT_EQ(texts("SEQS", {5, 10, 15, 20, 25, 30}), V{"0"});
    EXPECT_EQ(texts("LENS", {1, 2, 3, 4, 5, 6}), V{"6"});
    EXPECT_EQ(texts("SEQS", {1, 2, 3, 4, 5, 6}), V{"1"});

    const auto knm2 = texts("KNM2", {1, 2, 3, 4, 5, 6});
    ASSERT_EQ(knm2.size(), 15u);
    EXPECT_EQ(knm2.front(), "1:2");
    EXPECT_EQ(knm2.back(), "5:6");
    EXPECT_EQ(texts("KNS2", {1, 2, 3, 4, 5, 6}), (V{"1:2", "2:3", "3:4", "4:5", "5:6"}));
    EXPECT_EQ(texts("KNP25", {1, 2, 3, 4, 5, 6}), V{"5:6"});
    EXPECT_EQ(texts("KNP41", {17, 5, 30, 2, 44, 9}), V{"17:5:30:2"});
    EXPECT_EQ(texts("KNM4", {1, 2, 3, 4, 5, 6}).size(), 15u);
    EXPECT_EQ(texts("KNM3", {1, 2, 3, 4, 5, 6}).size(), 20u);

    for (int mode : {0, 1, 2})
        EXPECT_EQ(seqref::ognevNumber({1, 2, 3, 4, 5, 6}, mode), std::vector<int>{0}) << mode;
    EXPECT_EQ(seqref::ognevNumber({10, 13, 17, 36, 40, 44}, 2), (std::vector<int>{1, 29}));
    EXPECT_EQ(candidateTexts({1, 2, 3, 4, 5, 6}), V{"0"});
    EXPECT_EQ(candidateTexts({7, 15, 18, 29, 38, 45}), (V{"3", "27", "24", "21", "18", "15", "12", "9", "6"}));
    EXPECT_EQ(candidateTexts({4, 14, 26, 28, 32, 37}), (V{"7", "42", "35", "28", "21", "14"}));
    EXPECT_EQ(candidateTexts({10, 13, 17, 36, 40, 44}), V{"29 (1)"});
    const Six next{3, 12, 27, 40, 41, 42};
    const auto marked = seqref::ognevCandidates({7, 15, 18, 29, 38, 45}, &next);
    EXPECT_EQ(std::count_if(marked.begin(), marked.end(), [](const auto& c) { return c.hit; }), 3);

    EXPECT_EQ(seqref::classPosition("LENS"), 41);
    EXPECT_EQ(seqref::classPosition("KNM2"), 62);
    EXPECT_EQ(seqref::classPosition("KNS4"), 67);
    EXPECT_EQ(seqref::classPosition("KNP43"), 70);
    EXPECT_EQ(seqref::classPosition("HCO3"), 141);
}

// ---- the tool against the reference -------------------------------------------------------

class RunsTuplesOgnevReference : public ArchiveTest<> {
protected:
    int compareTable(const std::string& id, const TableRequest& request,
                     const reference::Distribution* fullSet = nullptr)
    {
        return compareTables(describe(id, request), cli(statsArgs(id, request)),
                             seqref::statisticsTable(id, draws, request, fullSet), true);
    }

    // The tool's table, rows without the header.
    TsvRows table(const std::string& id, const TableRequest& request)
    {
        const auto result = cli(statsArgs(id, request));
        EXPECT_EQ(result.exitCode, 0) << result.err;
        TsvRows rows = parseTsv(result.out);
        if (!rows.empty())
            rows.erase(rows.begin());
        return rows;
    }
};

TEST_F(RunsTuplesOgnevReference, MethodsAtTheirClassTablePositions)
{
    const auto result = cli({"methods", "--format", "tsv"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto& ids = seqref::methodIds();
    std::vector<std::string> listed;
    for (const auto& row : parseTsv(result.out)) {
        if (std::find(ids.begin(), ids.end(), row[1]) == ids.end())
            continue;
        listed.push_back(row[1]);
        EXPECT_EQ(row[0], std::to_string(seqref::classPosition(row[1]))) << row[1];
    }
    EXPECT_EQ(listed, ids);
}

class RunsTuplesOgnevTable : public RunsTuplesOgnevReference, public ::testing::WithParamInterface<std::string> {};

// The usual window, one back in time with the numbers sorted (where "Факт" finds later
// draws), a middle one, the first draw alone (with the second after it) and the first
// two draws.
TEST_P(RunsTuplesOgnevTable, EveryCellMatches)
{
    const std::vector<TableRequest> windows{{.len = 1000, .offset = 0, .sorted = false},
                                            {.len = 60, .offset = 500, .sorted = true},
                                            {.len = 150, .offset = 30, .sorted = false},
                                            {.len = 1, .offset = 1176, .sorted = true},
                                            {.len = 5, .offset = 1175, .sorted = false}};
    int differences = 0;
    for (const auto& r : windows)
        differences += compareTable(GetParam(), r);
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(Reference, RunsTuplesOgnevTable, ::testing::ValuesIn(seqref::methodIds()),
                         [](const auto& p) { return p.param; });

// HCO3 at offsets all through the archive: every table matches, and its rows counted
// 1 are exactly those whose filter keeps the combination equal to the next draw.
TEST_F(RunsTuplesOgnevReference, OgnevCandidatesAllThroughTheArchive)
{
    int differences = 0, hits = 0;
    for (int offset = 0; offset < static_cast<int>(draws.size()); offset += 11)
        differences += compareTable("HCO3", {.len = 10, .offset = offset, .sorted = offset % 2 == 0});
    for (int offset = 1; offset < static_cast<int>(draws.size()); offset += 53) {
        const auto& next = draws[draws.size() - static_cast<size_t>(offset)];
        std::string line;
        for (int n : next.balls)
            line += (line.empty() ? "" : ";") + std::to_string(n);
        const auto in = dir / "next.lcv";
        writeBytes(in, line + "\r\n");
        const std::vector<std::string> window{"--offset", std::to_string(offset), "--len", "10"};
        for (const auto& row : table("HCO3", {.len = 10, .offset = offset})) {
            const int64_t kept = filterCount("HCO3", {row[0]}, true, window, in.string());
            EXPECT_EQ(kept, row[1] == "1" ? 1 : 0) << "offset " << offset << " value " << row[0];
            hits += row[1] == "1" ? 1 : 0;
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(hits, 0);
}

class RunsTuplesOgnevFullSet : public RunsTuplesOgnevReference, public ::testing::WithParamInterface<std::string> {};

// The full-set file against the enumeration, and the tables compared with it.
TEST_P(RunsTuplesOgnevFullSet, FileHoldsTheDistributionAndTablesMatch)
{
    const std::string id = GetParam();
    const auto dist = seqref::fullSetDistribution(id);
    int differences = 0;
    for (const TableRequest& r : {TableRequest{.len = 1000, .offset = 0, .sorted = false, .fullSet = true},
                                  TableRequest{.len = 100, .offset = 5, .sorted = true, .fullSet = true}})
        differences += compareTable(id, r, &dist);
    EXPECT_EQ(differences, 0);

    const auto file = readPrefetch(prefetchPath(id));
    std::vector<std::pair<Key, int64_t>> want(dist.begin(), dist.end());
    EXPECT_EQ(file.records, want);
    int64_t lo = want.front().second, hi = lo, total = 0;
    for (const auto& [key, n] : want) {
        lo = std::min(lo, n);
        hi = std::max(hi, n);
        total += id == "SEQL" ? key[0] * n : n; // SEQL: one value per run, the runs cover six numbers
    }
    EXPECT_EQ(file.trailer, (std::array<int64_t, 3>{lo, hi, 0}));
    EXPECT_EQ(total, id == "SEQL" ? 6 * kFullSetSize : kFullSetSize);
}

INSTANTIATE_TEST_SUITE_P(Reference, RunsTuplesOgnevFullSet, ::testing::Values("SEQL", "SEQS", "LENS", "HCO1", "HCO2"),
                         [](const auto& p) { return p.param; });

// Counts that follow from counting arguments.
TEST_F(RunsTuplesOgnevReference, FullSetCountsAgreeWithCombinatorics)
{
    for (const char* id : {"LENS", "SEQS", "SEQL"})
        ASSERT_EQ(cli(statsArgs(id, {.len = 1, .fullSet = true})).exitCode, 0) << id;
    auto counts = [&](const std::string& id) {
        std::map<int, int64_t> m;
        for (const auto& [key, n] : readPrefetch(prefetchPath(id)).records)
            m[key[0]] = n;
        return m;
    };
    const auto lens = counts("LENS");
    const auto seqs = counts("SEQS");
    const auto seql = counts("SEQL");
    EXPECT_EQ(lens.at(6), 40); // six in a row start at 40 places
    EXPECT_EQ(seql.at(6), 40);
    EXPECT_EQ(lens.at(5), 39 + 39 + 39 * 38); // five in a row and one more not touching them
    EXPECT_EQ(lens.at(1), binomial(40, 6));   // no neighbours: choose six of 40 and spread them
    EXPECT_EQ(seqs.at(0), binomial(40, 6));
    EXPECT_EQ(seqs.size(), 4u);
    int64_t lengths = 0;
    for (const auto& [length, n] : seql)
        lengths += length * n;
    EXPECT_EQ(lengths, 6 * kFullSetSize); // the runs of a combination cover its six numbers
    // The methods without a full-set form get no file.
    for (const char* id : {"KNM2", "KNP21", "HCO3"}) {
        ASSERT_EQ(cli(statsArgs(id, {.len = 1, .fullSet = true})).exitCode, 0) << id;
        EXPECT_FALSE(std::filesystem::exists(prefetchPath(id))) << id;
    }
}

class RunsTuplesOgnevFilter : public RunsTuplesOgnevReference, public ::testing::WithParamInterface<std::string> {};

// Values taken from the table, the full set filtered by the tool and by enumeration.
// For the methods with one value per combination, keeping one value leaves as many
// combinations as the full-set file counts for it.
TEST_P(RunsTuplesOgnevFilter, CountsMatchTheEnumeration)
{
    const std::string id = GetParam();
    const int offset = id == "HCO3" ? 7 : 0;
    const std::vector<std::string> window{"--offset", std::to_string(offset), "--len", "300"};
    const auto rows = table(id, {.len = 300, .offset = offset});
    ASSERT_GE(rows.size(), 1u);
    std::vector<std::vector<std::string>> selections{{rows.front()[0]}, {rows[rows.size() / 2][0], rows.back()[0]}};
    const auto expected = seqref::countMatching(id, selections);
    for (size_t s = 0; s < selections.size(); ++s) {
        const bool keep = 2 * expected[s] <= kFullSetSize; // the shorter list is written
        const int64_t printed = filterCount(id, selections[s], keep, window);
        EXPECT_EQ(printed, keep ? expected[s] : kFullSetSize - expected[s]) << id << " selection " << s;
    }
    if (id == "SEQS" || id == "LENS" || id == "HCO1" || id == "HCO2") {
        ASSERT_EQ(cli(statsArgs(id, {.len = 1, .fullSet = true})).exitCode, 0);
        const auto file = readPrefetch(prefetchPath(id));
        const std::string text = selections[0][0];
        const auto it = std::find_if(file.records.begin(), file.records.end(),
                                     [&](const auto& r) { return std::to_string(r.first[0]) == text; });
        ASSERT_NE(it, file.records.end()) << id << " " << text;
        EXPECT_EQ(it->second, expected[0]) << id << " " << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Reference, RunsTuplesOgnevFilter,
                         ::testing::Values("SEQL", "SEQS", "LENS", "HCO1", "HCO2", "KNM2", "KNM4", "KNS3", "KNP32",
                                           "HCO3"),
                         [](const auto& p) { return p.param; });

} // namespace
} // namespace belvane::testing
