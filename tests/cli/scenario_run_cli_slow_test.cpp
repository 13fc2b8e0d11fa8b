#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "helpers/cli_runner.h"
#include "helpers/temp_dir.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

// The real archive: a back-test of the line that keeps exactly the newest
// draw stakes each draw for the next one; the ratings row holds the matches.
TEST(ScenarioRunRealArchive, EachOffsetStakesItsOwnDrawForTheNext)
{
    BELVANE_REQUIRE_SHARED_DATA(csv, "draws-6x45-real.csv");
    TempDir dir;
    auto run = [&](std::vector<std::string> args) {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    };
    ASSERT_EQ(run({"draws", "import", csv.string()}).exitCode, 0);

    // The draws by hand: number and the six main numbers.
    std::vector<std::pair<int, std::set<int>>> draws;
    const std::string archive = readBytes(csv);
    for (std::string_view line : text::splitLines(archive)) {
        const auto f = text::split(line, ";", false);
        if (f.size() < 8)
            continue;
        std::set<int> numbers;
        for (size_t i = 2; i < 8; ++i)
            numbers.insert(*text::parseInt(f[i]));
        draws.emplace_back(*text::parseInt(f[0]), numbers);
    }
    ASSERT_EQ(draws.size(), 1177u);

    const std::string file = (dir / "s.lsc").string();
    writeBytes(file, "FULL:0#FIRST|TSD1#NUMS:1#CLV:0#SF:1| | | | | | |\r\n");
    auto r = run({"scenario", "test", file, "--offsets", "5", "--stakes", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto lines = text::splitLines(r.out);
    int matches = 0;
    std::vector<std::string> expectedStakes;
    for (int offset = 5; offset >= 1; --offset) {
        const auto& staked = draws[draws.size() - 1 - static_cast<size_t>(offset)];
        const auto& next = draws[draws.size() - static_cast<size_t>(offset)];
        std::string numbers;
        for (int n : staked.second) {
            numbers += (numbers.empty() ? "" : ";") + std::to_string(n);
            matches += static_cast<int>(next.second.count(n));
        }
        ASSERT_EQ(next.first, staked.first + 1);
        expectedStakes.push_back(std::to_string(next.first) + "\tСценарий\t" + numbers + "\t1\t");
    }
    const auto rating = text::split(lines.at(1), "\t", false);
    EXPECT_EQ(rating.at(0), "01.001: @ FULL#FIRST + TSD#NUMS:1#CLV:0#SF:1");
    EXPECT_EQ(rating.at(1), "5");
    EXPECT_EQ(rating.at(2), std::to_string(matches));
    for (const std::string& stake : expectedStakes)
        EXPECT_NE(r.out.find("\t" + stake), std::string::npos) << stake << "\n" << r.out;

    // Six steps of the multi-selection delete the newest draw's six numbers.
    writeBytes(file, "FULL:0#NONE|TMD1#NUMS:1#LNO:#ST:6| | | | | | |\r\n");
    r = run({"scenario", "run", file});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Комбинаций: 3262623\n"), std::string::npos) << r.out;
}

} // namespace
} // namespace belvane::testing
