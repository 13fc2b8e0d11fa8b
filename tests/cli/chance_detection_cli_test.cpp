#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "helpers/cli_runner.h"
#include "helpers/draws_builder.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

// Keeps the combinations that share exactly three numbers with the newest
// draw, and stakes one of them at random for the next draw.
constexpr std::string_view kThreeRepeat = "FULL:0#RAND|TMF1#RPC2:1#LVA:3#SF:1| | | | | | |\r\n";
constexpr std::string_view kPrizes = "[STAKES]\r\nCost=2\r\nProfits=4\r\nProfit_0_Overlap=3\r\nProfit_0_Profit=10\r\n"
                                     "Profit_1_Overlap=4\r\nProfit_1_Profit=100\r\nProfit_2_Overlap=5\r\n"
                                     "Profit_2_Profit=5000\r\nProfit_3_Overlap=6\r\nProfit_3_Profit=1000000\r\n";

// An archive with a pattern planted in it: every draw repeats three numbers
// of the draw before, the other three drawn from the rest.
std::vector<model::TDraw> plantedArchive(int count)
{
    std::mt19937_64 rng(20261210);
    std::vector<model::TDraw> draws;
    std::vector<int> numbers(model::MaxNumber);
    for (int i = 0; i < model::MaxNumber; ++i)
        numbers[static_cast<size_t>(i)] = i + 1;
    std::shuffle(numbers.begin(), numbers.end(), rng);
    std::vector<int> previous(numbers.begin(), numbers.begin() + 6);
    for (int n = 1; n <= count; ++n) {
        std::vector<int> current = previous;
        if (n > 1) {
            std::shuffle(current.begin(), current.end(), rng);
            current.resize(3);
            std::vector<int> rest;
            for (int x = 1; x <= model::MaxNumber; ++x)
                if (std::find(previous.begin(), previous.end(), x) == previous.end())
                    rest.push_back(x);
            std::shuffle(rest.begin(), rest.end(), rng);
            current.insert(current.end(), rest.begin(), rest.begin() + 3);
        }
        model::TComb balls{};
        for (size_t i = 0; i < balls.size(); ++i)
            balls[i] = static_cast<model::Ball>(current[i]);
        draws.push_back(makeDraw(n, balls, 1, "01/01/2001"));
        previous = current;
    }
    return draws;
}

// "p = …, с поправкой на число вариантов (1): X: …": X.
double adjustedPOfTheBest(const std::string& out)
{
    const std::string marker = "с поправкой на число вариантов (1): ";
    const size_t at = out.find(marker);
    if (at == std::string::npos)
        return -1;
    const std::string value = out.substr(at + marker.size(), out.find(':', at + marker.size()) - at - marker.size());
    return value == "< 0.0001" ? 0.0 : std::stod(value);
}

CliResult backTest(const TempDir& dir)
{
    writeBytes(dir / "Belvane_6x45.ini", std::string(kPrizes));
    writeBytes(dir / "s.lsc", std::string(kThreeRepeat));
    return runCli({"--data-dir", dir.path().string(), "scenario", "test", (dir / "s.lsc").string(), "--offsets", "60",
                   "--seed", "3"});
}

TEST(ChanceDetection, APlantedPatternIsFoundAndTheRealArchiveShowsNone)
{
    TempDir planted;
    writeArchiveFile(planted.path(), plantedArchive(200));
    CliResult r = backTest(planted);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const double found = adjustedPOfTheBest(r.out);
    ASSERT_GE(found, 0) << r.out;
    EXPECT_LT(found, 0.001) << r.out;
    EXPECT_NE(r.out.find(": лучше случайной игры (уровень 5 %)"), std::string::npos) << r.out;

    BELVANE_REQUIRE_SHARED_DATA(csv, "draws-6x45-real.csv");
    TempDir real;
    ASSERT_EQ(runCli({"--data-dir", real.path().string(), "draws", "import", csv.string()}).exitCode, 0);
    r = backTest(real);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const double none = adjustedPOfTheBest(r.out);
    ASSERT_GE(none, 0) << r.out;
    EXPECT_GE(none, 0.001) << r.out;
}

} // namespace
} // namespace belvane::testing
