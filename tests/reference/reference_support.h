#pragma once

// What the reference checks share on the test side: the real archive read straight from
// its CSV, a data folder with that archive imported through the command line tool, the
// tool's TSV output and full-set files read back, and the cell-by-cell comparison of a
// table the tool printed with the one a reference computed.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "reference/reference_table.h"

namespace belvane::reference {

// Reads lines "number;"dd/mm/yyyy";n1;n2;n3;n4;n5;n6;extra" (CR LF or LF), oldest first.
std::vector<Draw> readDrawsCsv(const std::filesystem::path& path);

} // namespace belvane::reference

namespace belvane::testing {

inline constexpr const char* kArchiveCsv = "draws-6x45-real.csv";

using TsvRows = std::vector<std::vector<std::string>>;

// Tab-separated lines, blank lines skipped; every tab separates two cells.
TsvRows parseTsv(const std::string& text);

// "ID --len L --offset O [--sorted] [--prefetch]", naming one table in messages.
std::string describe(const std::string& id, const reference::TableRequest& request);

// The tool's arguments for one table: stats ID --len L --offset O --format tsv, then
// --sorted and --prefetch as asked for.
std::vector<std::string> statsArgs(const std::string& id, const reference::TableRequest& request);

// Compares the table the tool printed with the expected rows: the exit status, the number
// of lines (a header and one per row), then every cell, and with withCaptions the header
// against the captions. Reports each difference (up to a limit) and returns how many
// differing cells there are (1 when the tool failed or the line counts differ).
int compareTables(const std::string& what, const CliResult& result, const std::vector<reference::TableRow>& expected,
                  bool withCaptions = false);

// A full-set file: 12-byte records (four int16 keys, an int32 count) and a 12-byte trailer
// of three int32s. A file that is not a whole number of records and a trailer is reported
// and read as empty.
struct PrefetchFile {
    std::vector<std::pair<reference::Key, int64_t>> records;
    std::array<int64_t, 3> trailer{};
};
PrefetchFile readPrefetch(const std::filesystem::path& path);

// The real archive as the reference reads it and as the command line tool imported it,
// once per test program: a data folder to copy, and the draws read from the CSV. Null
// when the shared data is absent; throws when the import failed.
struct ImportedArchive {
    TempDir folder;
    std::vector<reference::Draw> draws;
};
const ImportedArchive* importedArchive();

// A data folder of its own holding a copy of the imported real archive, and the draws
// read from the archive's CSV by the reference.
template <class Base = ::testing::Test>
class ArchiveTest : public Base {
protected:
    void SetUp() override
    {
        BELVANE_REQUIRE_SHARED_DATA(csv, kArchiveCsv);
        const ImportedArchive* archive = importedArchive();
        ASSERT_NE(archive, nullptr);
        std::filesystem::copy(archive->folder.path(), dir.path(), std::filesystem::copy_options::recursive);
        draws = archive->draws;
        ASSERT_EQ(draws.size(), 1177u);
    }

    CliResult cli(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }

    // Filters the full set (or the list file `in`) into out.lcv with the values kept or
    // removed, the window options given (--len, --sorted...) and the archive `offset`
    // draws back; returns the count the tool printed.
    int64_t filterCount(const std::string& id, const std::vector<std::string>& values, bool keep,
                        const std::vector<std::string>& window = {}, const std::string& in = "", int offset = 0) const
    {
        std::vector<std::string> args;
        if (offset > 0)
            args = {"--offset", std::to_string(offset)};
        args.insert(args.end(),
                    {"filter", "--method", id, "--out", (dir / "out.lcv").string(), keep ? "--keep" : "--remove"});
        if (!in.empty())
            args.insert(args.end(), {"--in", in});
        args.insert(args.end(), window.begin(), window.end());
        for (const auto& v : values)
            args.insert(args.end(), {"--value", v});
        const auto result = cli(args);
        EXPECT_EQ(result.exitCode, 0) << id << ": " << result.err;
        const auto lines = parseTsv(result.out);
        if (lines.empty() || lines[0].size() != 3) {
            ADD_FAILURE() << id << ": " << result.out;
            return -1;
        }
        return std::stoll(lines[0][2]);
    }

    std::filesystem::path prefetchPath(const std::string& id) const
    {
        return dir / ("Prefetchs/Belvane_6x45_" + id + ".dfc");
    }

    TempDir dir;
    std::vector<reference::Draw> draws;
};

} // namespace belvane::testing
