// The draws statistics table of the sum and difference methods, checked cell
// for cell on the real archive against the stand-alone computation in
// sum_diff_reference.cpp.

#include <gtest/gtest.h>

#include <sstream>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "reference/sum_diff_reference.h"

namespace belvane::testing {
namespace {

using sumdiff::Key;
using sumdiff::TableRequest;

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

// The reference on the worked examples of the two families.
TEST(SumDiffReferenceSelf, WorkedExamples)
{
    using sumdiff::numbersValues;
    using sumdiff::valueText;
    EXPECT_EQ(numbersValues("S2T3", {1, 2, 3, 4, 5, 6}), std::vector<Key>{(Key{6, 0, 0, 0})});
    EXPECT_EQ(numbersValues("S2T3", {5, 12, 23, 31, 40, 44}), std::vector<Key>{(Key{0, 0, 0, 0})});
    EXPECT_EQ(numbersValues("S2T3", {10, 20, 30, 40, 41, 45}), std::vector<Key>{(Key{2, 0, 0, 0})});
    EXPECT_EQ(numbersValues("SUMP", {1, 4, 6, 8, 9, 10}), std::vector<Key>{(Key{1, 0, 0, 0})});
    EXPECT_EQ(valueText("SUM1", numbersValues("SUM1", {5, 12, 23, 31, 40, 44})[0]), "93-183");
    EXPECT_EQ(valueText("SUM1", numbersValues("SUM1", {1, 2, 3, 4, 5, 6})[0]), "Остальные");
    EXPECT_EQ(valueText("SUMC", Key{130, 0, 125, 0}), "- 05 : 130 - 5 = 125");
    EXPECT_EQ(valueText("SUMV", Key{-7, -1, 0, 0}), "- 07");
    EXPECT_EQ(valueText("SUMV", Key{0, 0, 0, 0}), "+00");
    EXPECT_EQ(valueText("SUMT", Key{-1, -1, 0, 0}), "-");

    std::vector<std::string> texts;
    for (const Key& k : numbersValues("DIFO", {1, 4, 9, 12, 17, 19}))
        texts.push_back(valueText("DIFO", k));
    EXPECT_EQ(texts, (std::vector<std::string>{"3 x 2", "5 x 2", "2 x 1"}));
    texts.clear();
    for (const Key& k : numbersValues("KDS2", {5, 12, 23, 31, 40, 44}))
        texts.push_back(valueText("KDS2", k));
    EXPECT_EQ(texts, (std::vector<std::string>{"7:11", "11:8", "8:9", "9:4"}));
    EXPECT_EQ(numbersValues("DIFD", {44, 5, 40, 12, 31, 23}), std::vector<Key>{(Key{39, 0, 0, 0})});
    EXPECT_EQ(numbersValues("DIFM", {44, 5, 40, 12, 31, 23}), std::vector<Key>{(Key{39, 0, 0, 0})});
    EXPECT_EQ(numbersValues("DIFK", {1, 2, 3, 4, 5, 6}), std::vector<Key>{(Key{5, 0, 0, 0})});

    // The first draw follows an all-zero draw.
    const std::vector<sumdiff::Draw> draws{{1, {1, 2, 3, 4, 5, 7}}, {2, {1, 2, 3, 4, 5, 6}}};
    const auto first = sumdiff::drawValues("SUMV", draws, 0, 1, false);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(valueText("SUMV", first[0].key), "+22");
}

// One data folder with the real archive imported through the command line tool.
class SumDiffReference : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto csv = sharedDataFile(kArchiveCsv);
        if (csv.empty())
            GTEST_SKIP() << "shared data file " << kArchiveCsv << " is absent";
        const auto imported = cli({"draws", "import", csv.string()});
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        draws = sumdiff::readDrawsCsv(csv);
        ASSERT_EQ(draws.size(), 1177u);
    }

    CliResult cli(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }

    // Runs one table through the tool and compares every cell; the number of differing cells.
    int compareTable(const std::string& id, const TableRequest& r)
    {
        std::vector<std::string> args{
            "stats", id, "--len", std::to_string(r.len), "--offset", std::to_string(r.offset), "--format", "tsv"};
        if (r.sorted)
            args.push_back("--sorted");
        if (r.fullSet)
            args.push_back("--prefetch");
        std::ostringstream what;
        what << id << " --len " << r.len << " --offset " << r.offset << (r.sorted ? " --sorted" : "")
             << (r.fullSet ? " --prefetch" : "");
        const auto result = cli(args);
        if (result.exitCode != 0) {
            ADD_FAILURE() << what.str() << ": exit " << result.exitCode << ": " << result.err;
            return 1;
        }
        const auto got = parseTsv(result.out);
        const auto expected = sumdiff::statisticsTable(id, draws, r);
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

    TempDir dir;
    std::vector<sumdiff::Draw> draws;
};

class SumDiffTable : public SumDiffReference, public ::testing::WithParamInterface<std::string> {};

// The usual window, short windows back in time, the first draw alone (its
// predecessor is all zero), the newest draw alone, a window reaching before
// the first draw, and offsets at and beyond the archive's size.
TEST_P(SumDiffTable, EveryCellMatches)
{
    const std::vector<std::pair<int, int>> windows{{1000, 0}, {100, 5},  {7, 200},   {1, 1176}, {2, 1175},
                                                   {1, 0},    {60, 500}, {30, 1160}, {2000, 0}, {5, 1177}};
    int differences = 0;
    for (const auto& [len, offset] : windows)
        for (bool sorted : {false, true})
            differences += compareTable(GetParam(), {.len = len, .offset = offset, .sorted = sorted});
    EXPECT_EQ(differences, 0);
}

INSTANTIATE_TEST_SUITE_P(Reference, SumDiffTable, ::testing::ValuesIn(sumdiff::methodIds()),
                         [](const auto& param) { return param.param; });

std::vector<std::string> fullSetIds()
{
    std::vector<std::string> ids;
    for (const auto& id : sumdiff::methodIds())
        if (sumdiff::hasFullSet(id))
            ids.push_back(id);
    return ids;
}

class SumDiffFullSet : public SumDiffReference, public ::testing::WithParamInterface<std::string> {};

// With the full-set comparison, and the full-set file itself: ascending keys
// (unsigned parts), then the smallest and largest count and a zero.
TEST_P(SumDiffFullSet, EveryCellMatchesAndTheFileHoldsTheDistribution)
{
    const std::string id = GetParam();
    int differences = compareTable(id, {.len = 1000, .offset = 0, .sorted = false, .fullSet = true});
    differences += compareTable(id, {.len = 50, .offset = 100, .sorted = true, .fullSet = true});
    EXPECT_EQ(differences, 0);

    const std::string bytes = readBytes(dir / ("Prefetchs/Belvane_6x45_" + id + ".dfc"));
    ASSERT_EQ(bytes.size() % 12, 0u);
    auto readInt = [&](size_t at, int size) {
        uint32_t v = 0;
        for (int i = size - 1; i >= 0; --i)
            v = v << 8 | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
        return size == 2 ? static_cast<int64_t>(static_cast<int16_t>(v))
                         : static_cast<int64_t>(static_cast<int32_t>(v));
    };
    std::vector<std::pair<Key, int64_t>> file;
    for (size_t at = 0; at + 12 < bytes.size(); at += 12)
        file.emplace_back(Key{static_cast<int16_t>(readInt(at, 2)), static_cast<int16_t>(readInt(at + 2, 2)),
                              static_cast<int16_t>(readInt(at + 4, 2)), static_cast<int16_t>(readInt(at + 6, 2))},
                          readInt(at + 8, 4));
    const auto& dist = sumdiff::fullSetDistribution(id);
    const std::vector<std::pair<Key, int64_t>> want(dist.begin(), dist.end());
    EXPECT_EQ(file, want);
    int64_t lo = want.front().second, hi = lo;
    for (const auto& [key, count] : want) {
        lo = std::min(lo, count);
        hi = std::max(hi, count);
    }
    const size_t trailer = bytes.size() - 12;
    EXPECT_EQ(readInt(trailer, 4), lo);
    EXPECT_EQ(readInt(trailer + 4, 4), hi);
    EXPECT_EQ(readInt(trailer + 8, 4), 0);
}

INSTANTIATE_TEST_SUITE_P(Reference, SumDiffFullSet, ::testing::ValuesIn(fullSetIds()),
                         [](const auto& param) { return param.param; });

} // namespace
} // namespace belvane::testing
