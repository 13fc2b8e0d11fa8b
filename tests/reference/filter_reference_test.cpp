// Filtering the full set of combinations by the number, sum and difference
// methods through the command line tool, on the real archive, checked against
// the brute-force pass of filter_reference.cpp: the printed counts of "keep"
// and "remove" for values taken from the statistics table and, for some
// methods, the two list files of the first window combination by combination.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "reference/filter_reference.h"
#include "reference/reference_support.h"

namespace belvane::testing {
namespace {

using filterref::FilterCase;
using filterref::kFullSetSize;

// ---- the reference on its own -------------------------------------------------------

TEST(FilterReferenceSelf, ValueTextsOfWorkedExamples)
{
    using filterref::valueTexts;
    using V = std::vector<std::string>;
    EXPECT_EQ(valueTexts("DIGS", {10, 20, 30, 40, 41, 45}),
              (V{"1", "0", "2", "0", "3", "0", "4", "0", "4", "1", "4", "5"}));
    EXPECT_EQ(valueTexts("EVEN", {2, 4, 6, 8, 10, 12}), V{"6:0"});
    EXPECT_EQ(valueTexts("EVNV", {2, 3, 4, 5, 6, 7}), V{"ЧнЧнЧн (021)"});
    EXPECT_EQ(valueTexts("SMAL", {1, 2, 3, 4, 22, 23}), V{"5:1"});
    EXPECT_EQ(valueTexts("SMLV", {1, 2, 3, 4, 22, 23}), V{"111112 (001)"});
    EXPECT_EQ(valueTexts("PRIM", {1, 4, 6, 8, 9, 10}), V{"1:5"});
    EXPECT_EQ(valueTexts("PRMV", {1, 4, 6, 8, 9, 43}), V{"ПССССП (033)"});
    EXPECT_EQ(valueTexts("POS3", {5, 12, 23, 31, 40, 44}), V{"23"});
    EXPECT_EQ(valueTexts("POE1", {5, 12, 23, 31, 40, 44}), V{});

    EXPECT_EQ(valueTexts("SUM1", {5, 12, 23, 31, 40, 44}), V{"93-183"});
    EXPECT_EQ(valueTexts("SUM1", {1, 2, 3, 4, 5, 6}), V{"Остальные"});
    EXPECT_EQ(valueTexts("SUM3", {1, 2, 3, 4, 5, 80}), V{"Остальные"}); // sum 95 is below 110
    EXPECT_EQ(valueTexts("SUMC", {10, 15, 20, 25, 27, 28}, 130), V{"- 05 : 130 - 5 = 125"});
    EXPECT_EQ(valueTexts("SUMC", {10, 20, 30, 40, 41, 45}, 80), V{"+106 : 80 + 106 = 186"});
    EXPECT_EQ(valueTexts("SUMV", {1, 2, 3, 4, 5, 6}, 28), V{"- 07"});
    EXPECT_EQ(valueTexts("SUMV", {1, 2, 3, 4, 5, 6}, 21), V{"+00"});
    EXPECT_EQ(valueTexts("SUMT", {1, 2, 3, 4, 5, 6}, 21), V{"="});
    EXPECT_EQ(valueTexts("SUMT", {1, 2, 3, 4, 5, 6}, 20), V{"+"});
    EXPECT_EQ(valueTexts("SUME", {1, 3, 5, 7, 9, 11}), V{"0"});
    EXPECT_EQ(valueTexts("SUMP", {1, 4, 6, 8, 9, 10}), V{"1"});
    EXPECT_EQ(valueTexts("S2T3", {1, 2, 3, 4, 5, 6}), V{"6"});
    EXPECT_EQ(valueTexts("S2T3", {5, 12, 23, 31, 40, 44}), V{"0"});
    EXPECT_EQ(valueTexts("S2T3", {10, 20, 30, 40, 41, 45}), V{"2"});

    EXPECT_EQ(valueTexts("DIFA", {5, 12, 23, 31, 40, 44}), (V{"7", "11", "8", "9", "4"}));
    EXPECT_EQ(valueTexts("DIFM", {5, 12, 23, 31, 40, 44}), V{"11"});
    EXPECT_EQ(valueTexts("DIFD", {5, 12, 23, 31, 40, 44}), V{"39"});
    EXPECT_EQ(valueTexts("DIFO", {1, 4, 9, 12, 17, 19}), (V{"3 x 2", "5 x 2", "2 x 1"}));
    EXPECT_EQ(valueTexts("DIFO", {1, 2, 3, 4, 5, 6}), V{"1 x 5"});
    EXPECT_EQ(valueTexts("DIFK", {1, 2, 3, 4, 5, 6}), V{"5"});
    EXPECT_EQ(valueTexts("KDS2", {5, 12, 23, 31, 40, 44}), (V{"7:11", "11:8", "8:9", "9:4"}));
    EXPECT_EQ(valueTexts("KDS3", {1, 2, 3, 4, 5, 6}), (V{"1:1:1", "1:1:1", "1:1:1"}));
    EXPECT_EQ(valueTexts("KDS4", {1, 41, 42, 43, 44, 45}), (V{"40:1:1:1", "1:1:1:1"}));
}

// Counts that follow from counting arguments, one pass per method.
TEST(FilterReferenceSelf, CountsKnownInClosedForm)
{
    using filterref::filterFullSet;
    auto counts = [](const std::string& id, const std::vector<FilterCase>& cases) {
        std::vector<int64_t> v;
        for (const auto& outcome : filterFullSet(id, cases))
            v.push_back(outcome.matching);
        return v;
    };
    // With 7: C(44,5); with 7 or 8: all but C(43,6).
    EXPECT_EQ(counts("NUMS", {{{"7"}}, {{"7", "8"}}}), (std::vector<int64_t>{1'086'008, kFullSetSize - 6'096'454}));
    // Six odd numbers out of 23: C(23,6).
    EXPECT_EQ(counts("EVEN", {{{"0:6"}}}), std::vector<int64_t>{100'947});
    // Six consecutive numbers: 40 starts.
    EXPECT_EQ(counts("DIFD", {{{"5"}}}), std::vector<int64_t>{40});
    // Five consecutive numbers at positions 1-5 (820 ways) or 2-6 (820), both when all six are (40).
    EXPECT_EQ(counts("KDS4", {{{"1:1:1:1"}}}), std::vector<int64_t>{1600});
    EXPECT_EQ(counts("SUMS", {{{"21", "255"}}}), std::vector<int64_t>{2});
    EXPECT_EQ(counts("POE1", {{{"7"}}}), std::vector<int64_t>{0});
    // The sums are symmetric about 138 (n -> 46 - n), so rising and falling are equally many.
    const auto trend = counts("SUMT", {{{"+"}, 138}, {{"-"}, 138}, {{"="}, 138}});
    EXPECT_EQ(trend[0], trend[1]);
    EXPECT_EQ(trend[0] + trend[1] + trend[2], kFullSetSize);
    // Selecting the in-range row wins over "Остальные".
    const auto ranges = counts("SUM2", {{{"102-174"}}, {{"Остальные"}}, {{"Остальные", "102-174"}}});
    EXPECT_EQ(ranges[0] + ranges[1], kFullSetSize);
    EXPECT_EQ(ranges[2], ranges[0]);
}

// ---- the tool against the reference ------------------------------------------------------

struct Window {
    int len;
    int offset;
    bool sorted;
};

// The usual window, whose lists are also compared line by line for some
// methods; a short one a little back, with the numbers sorted; one from the
// beginning of the archive (its first draw has an all-zero predecessor); a
// whole-archive window ending in the middle, where SUMC has rows going down;
// the oldest offset there is, which makes the first draw the latest one.
// Only the reference-draw methods get them all: for the others the window
// changes nothing but the values on offer, so they get the usual window and
// one of the next two in turn. This keeps the run short: a filter of the full
// set writes up to 145 MB of list, most of the cost of each case.
const std::vector<Window> kWindows{
    {1000, 0, false}, {50, 30, true}, {300, 1100, false}, {1177, 500, false}, {5, 1176, false}};

std::vector<size_t> windowsFor(const std::string& id)
{
    if (filterref::usesReferenceDraw(id))
        return {0, 1, 2, 3, 4};
    const auto& ids = filterref::methodIds();
    const auto at = static_cast<size_t>(std::find(ids.begin(), ids.end(), id) - ids.begin());
    return {0, 1 + at % 2};
}

// Methods whose first-window lists are compared combination by combination:
// one of each kind of value (several per combination, a mask, a position, one
// that never matches, a sum range, the two reference-draw sums, a tally, windows
// of differences).
bool comparesLists(const std::string& id)
{
    static const std::vector<std::string> ids{"NUMS", "EVNV", "POS3", "POE1", "SUM2", "SUMC", "SUMV", "DIFO", "KDS3"};
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

// The rows picked from a table of n rows for window w: the first, a middle and the
// last row, or some of them, so that each window selects differently.
std::vector<size_t> pickedRows(size_t w, size_t n)
{
    std::vector<size_t> picks;
    switch (w % 3) {
    case 0:
        picks = {0, n / 2, n - 1};
        break;
    case 1:
        picks = {0};
        break;
    default:
        picks = {n / 2, n - 1};
    }
    std::sort(picks.begin(), picks.end());
    picks.erase(std::unique(picks.begin(), picks.end()), picks.end());
    return picks;
}

std::string joined(const std::vector<std::string>& texts, const std::string& separator)
{
    std::string s;
    for (size_t i = 0; i < texts.size(); ++i)
        s += (i ? separator : "") + texts[i];
    return s;
}

class FilterReference : public ArchiveTest<::testing::TestWithParam<std::string>> {
protected:
    // The sum of the latest draw of a window: the one a combination would follow.
    int referenceSum(int offset) const
    {
        const int last = std::max(0, static_cast<int>(draws.size()) - 1 - offset);
        int s = 0;
        for (int n : draws[static_cast<size_t>(last)].balls)
            s += n;
        return s;
    }
};

struct FilterRun {
    std::string what;
    std::vector<std::string> window; // --len, --offset and --sorted as given to the tool
    std::vector<std::string> values;
    int refSum = 0;
    std::filesystem::path keepFile, removeFile;
    std::optional<CliResult> keep, remove;
};

TEST_P(FilterReference, KeepAndRemoveMatchTheBruteForceCount)
{
    const std::string id = GetParam();
    std::vector<FilterRun> runs;
    for (size_t w : windowsFor(id)) {
        const Window& win = kWindows[w];
        FilterRun run;
        run.window = {"--len", std::to_string(win.len), "--offset", std::to_string(win.offset)};
        if (win.sorted)
            run.window.push_back("--sorted");
        run.what = id + " " + joined(run.window, " ");
        std::vector<std::string> statsArgs{"stats", id, "--format", "tsv"};
        statsArgs.insert(statsArgs.end(), run.window.begin(), run.window.end());
        const auto table = cli(statsArgs);
        ASSERT_EQ(table.exitCode, 0) << table.err;
        const auto rows = parseTsv(table.out);
        ASSERT_FALSE(rows.empty());
        if (rows.size() < 2) {
            // SUMC or SUMV over a range where no draw followed one like the reference draw.
            ASSERT_TRUE(filterref::usesReferenceDraw(id)) << run.what << ": empty table";
            ASSERT_NE(w, 0u) << run.what << ": empty table";
            continue;
        }
        for (size_t row : pickedRows(w, rows.size() - 1))
            run.values.push_back(rows[row + 1][0]);
        run.refSum = referenceSum(win.offset);
        run.keepFile = dir / ("keep" + std::to_string(w) + ".lcv");
        run.removeFile = dir / ("remove" + std::to_string(w) + ".lcv");
        runs.push_back(std::move(run));
    }

    std::vector<FilterCase> cases;
    for (const auto& run : runs)
        cases.push_back({run.values, run.refSum});
    const auto outcomes = filterref::filterFullSet(id, cases);

    // Both directions for the first window and for every window of the
    // reference-draw methods; elsewhere only the direction with the shorter list.
    for (size_t i = 0; i < runs.size(); ++i) {
        FilterRun& run = runs[i];
        auto filter = [&](const std::string& direction, const std::filesystem::path& out) {
            std::vector<std::string> args{"filter", "--method", id, "--out", out.string(), direction};
            args.insert(args.end(), run.window.begin(), run.window.end());
            for (const auto& v : run.values) {
                args.push_back("--value");
                args.push_back(v);
            }
            return cli(args);
        };
        const bool both = i == 0 || filterref::usesReferenceDraw(id);
        const bool keepIsShorter = 2 * outcomes[i].matching <= kFullSetSize;
        if (both || keepIsShorter)
            run.keep = filter("--keep", run.keepFile);
        if (both || !keepIsShorter)
            run.remove = filter("--remove", run.removeFile);
    }

    for (size_t i = 0; i < runs.size(); ++i) {
        const FilterRun& run = runs[i];
        const int64_t keepCount = outcomes[i].matching;
        const std::string values = joined(run.values, "; ");
        SCOPED_TRACE(run.what + " values [" + joined(run.values, " | ") + "]");
        for (const auto& [direction, result, expected] :
             {std::tuple{"keep", &run.keep, keepCount}, std::tuple{"remove", &run.remove, kFullSetSize - keepCount}}) {
            if (!result->has_value())
                continue;
            const CliResult& r = **result;
            ASSERT_EQ(r.exitCode, 0) << direction << ": " << r.err;
            const auto lines = parseTsv(r.out);
            ASSERT_EQ(lines.size(), 2u) << direction << ": " << r.out;
            ASSERT_EQ(lines[0].size(), 3u) << direction << ": " << r.out;
            EXPECT_EQ(lines[0][1], values) << direction;
            EXPECT_EQ(lines[0][2], std::to_string(expected)) << direction;
            ASSERT_EQ(lines[1].size(), 1u) << direction << ": " << r.out;
            EXPECT_EQ(lines[1][0], "Комбинаций: " + std::to_string(expected)) << direction;
        }
    }

    if (comparesLists(id)) {
        const std::string keepList = readBytes(runs[0].keepFile);
        const std::string removeList = readBytes(runs[0].removeFile);
        FilterCase first = cases[0];
        first.keepList = &keepList;
        first.removeList = &removeList;
        const auto listed = filterref::filterFullSet(id, {first});
        EXPECT_EQ(listed[0].keepListError, "") << runs[0].what << " keep list";
        EXPECT_EQ(listed[0].removeListError, "") << runs[0].what << " remove list";
    }
}

INSTANTIATE_TEST_SUITE_P(Reference, FilterReference, ::testing::ValuesIn(filterref::methodIds()),
                         [](const auto& param) { return param.param; });

} // namespace
} // namespace belvane::testing
