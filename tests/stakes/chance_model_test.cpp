#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

#include "model/game.h"
#include "stakes/chance_model.h"

namespace belvane::stakes {
namespace {

// The usual prize table: 3 -> 10, 4 -> 100, 5 -> 5000, 6 -> 1,000,000.
MatchMoney usualPrizes()
{
    return {0, 0, 0, 10 * MoneyScale, 100 * MoneyScale, 5000 * MoneyScale, 1'000'000 * MoneyScale};
}

RatingRecord rowWith(std::array<int32_t, MatchSlots> counts, const MatchMoney& prizes, Money cost)
{
    RatingRecord r;
    r.Key = "row";
    r.MatchCounts = counts;
    for (size_t k = 0; k < counts.size(); ++k) {
        r.Count += counts[k];
        r.MatchesSum += counts[k] * static_cast<int32_t>(k);
        r.Profit += counts[k] * (prizes[k] - cost);
    }
    return r;
}

TEST(ChanceModel, SingleStakeProbabilitiesAreTheHypergeometricLaw)
{
    const MatchShares& p = MatchProbabilities();
    EXPECT_NEAR(p[3], 0.0224, 0.00005);
    EXPECT_DOUBLE_EQ(p[6], 1.0 / 8'145'060);
    double sum = 0;
    for (int k = 0; k < MatchSlots; ++k) {
        // C(6,k) C(39,6-k) / C(45,6), from the integer counts.
        const double exact = static_cast<double>(model::MatchCount(model::MaxNumber, model::BallCount, k)) /
                             static_cast<double>(model::FullSetSize);
        EXPECT_NEAR(p[static_cast<size_t>(k)], exact, 1e-15) << k;
        sum += p[static_cast<size_t>(k)];
    }
    EXPECT_NEAR(sum, 1.0, 1e-14);
    EXPECT_NEAR(HitProbability(), 194'130.0 / 8'145'060, 1e-15);
}

TEST(ChanceModel, BinomialTailsAtTheirEnds)
{
    // Ten fair coins: P(at least 8 heads) = (45 + 10 + 1) / 1024.
    EXPECT_NEAR(BinomialUpperTail(10, 0.5, 8), 56.0 / 1024, 1e-15);
    EXPECT_NEAR(BinomialLowerTail(10, 0.5, 2), 56.0 / 1024, 1e-15);
    EXPECT_EQ(BinomialUpperTail(10, 0.5, 0), 1.0);
    EXPECT_EQ(BinomialUpperTail(10, 0.5, 11), 0.0);
    EXPECT_EQ(BinomialLowerTail(10, 0.5, 10), 1.0);
    EXPECT_EQ(BinomialLowerTail(10, 0.5, -1), 0.0);
    EXPECT_EQ(BinomialUpperTail(0, 0.3, 0), 1.0);
    EXPECT_NEAR(BinomialUpperTail(3, 1e-7, 3), 1e-21, 1e-30); // no cancellation in the far tail
}

// The distribution of the prize sum of n stakes by plain convolution over
// every sum, for prizes small enough to enumerate.
std::vector<double> convolvedPrizeSums(int n, const std::array<int, MatchSlots>& prizes)
{
    const MatchShares& p = MatchProbabilities();
    const int top = *std::max_element(prizes.begin(), prizes.end());
    std::vector<double> dist(1, 1.0);
    for (int i = 0; i < n; ++i) {
        std::vector<double> next(dist.size() + static_cast<size_t>(top), 0.0);
        for (size_t s = 0; s < dist.size(); ++s)
            for (size_t k = 0; k < p.size(); ++k)
                next[s + static_cast<size_t>(prizes[k])] += dist[s] * p[k];
        dist = std::move(next);
    }
    return dist;
}

TEST(ChanceModel, PrizeSumTailAgreesWithAPlainConvolution)
{
    // Small whole prizes (5 and 6 matches win alike), so every sum can be enumerated.
    const std::array<int, MatchSlots> whole = {0, 0, 0, 1, 3, 20, 20};
    MatchMoney prizes{};
    for (size_t k = 0; k < whole.size(); ++k)
        prizes[k] = whole[k] * MoneyScale;
    for (int n : {1, 3, 40, 300}) {
        const std::vector<double> dist = convolvedPrizeSums(n, whole);
        for (int s : {0, 1, 2, 5, 9, 17, 30, 60}) {
            double tail = 0;
            for (size_t i = static_cast<size_t>(s); i < dist.size(); ++i)
                tail += dist[i];
            const double got = PrizeSumUpperTail(n, prizes, s * MoneyScale);
            EXPECT_NEAR(got, tail, 1e-12 + 1e-9 * tail) << "n=" << n << " s=" << s;
        }
        // A sum between two reachable ones needs the next reachable one.
        EXPECT_DOUBLE_EQ(PrizeSumUpperTail(n, prizes, 5 * MoneyScale - 1),
                         PrizeSumUpperTail(n, prizes, 5 * MoneyScale));
    }
    // Nothing wins: only a sum of zero is reached.
    EXPECT_EQ(PrizeSumUpperTail(100, MatchMoney{}, 0), 1.0);
    EXPECT_EQ(PrizeSumUpperTail(100, MatchMoney{}, 1), 0.0);
}

TEST(ChanceModel, HolmAdjustsInTheInputOrder)
{
    const std::vector<double> p = {0.01, 0.04, 0.03, 0.005};
    const std::vector<double> adjusted = HolmAdjust(p);
    ASSERT_EQ(adjusted.size(), 4u);
    EXPECT_NEAR(adjusted[0], 0.03, 1e-15);
    EXPECT_NEAR(adjusted[1], 0.06, 1e-15); // 0.04 x 1 lies below the running 0.06
    EXPECT_NEAR(adjusted[2], 0.06, 1e-15);
    EXPECT_NEAR(adjusted[3], 0.02, 1e-15);
    EXPECT_EQ(HolmAdjust(std::vector<double>{0.7, 0.9})[0], 1.0);
    EXPECT_TRUE(HolmAdjust({}).empty());
}

TEST(ChanceModel, RowsAtChanceAboveItAndBelowIt)
{
    const MatchMoney prizes = usualPrizes();
    const Money cost = 2 * MoneyScale;

    // 10,000 stakes with the expected counts: nothing to say.
    const RatingRecord typical = rowWith({4006, 4240, 1516, 224, 14, 0, 0}, prizes, cost);
    const ChanceComparison same = CompareWithChance(typical, prizes, cost);
    EXPECT_EQ(same.Stakes, 10'000);
    EXPECT_EQ(same.Hits, 238);
    EXPECT_NEAR(same.ExpectedHits, 238.3, 0.1);
    EXPECT_NEAR(same.StdDevHits, std::sqrt(10'000 * HitProbability() * (1 - HitProbability())), 1e-12);
    EXPECT_GT(same.HitsP, 0.9);
    EXPECT_TRUE(same.ProfitExact);
    EXPECT_NEAR(same.ExpectedProfit, 10'000 * (-2 + 0.0224 * 10 + 0.00136 * 100 + 0.0000287 * 5000 + 1.2277e-7 * 1e6),
                20);
    EXPECT_EQ(Judge(same, same.HitsP), ChanceVerdict::Same);

    // Twice the hits: better. Its profit is not unusual: one stake in 35,000
    // matching five is worth all those extra hits.
    const RatingRecord lucky = rowWith({3800, 4000, 1700, 470, 30, 0, 0}, prizes, cost);
    const ChanceComparison better = CompareWithChance(lucky, prizes, cost);
    EXPECT_LT(better.HitsPUpper, 1e-20);
    EXPECT_GT(better.ProfitPUpper, 0.2);
    EXPECT_LT(better.ProfitPUpper, 0.3);
    EXPECT_EQ(Judge(better, better.HitsP), ChanceVerdict::Better);

    // No hit in 1,000 stakes (about 24 expected): worse.
    const RatingRecord cold = rowWith({420, 440, 140, 0, 0, 0, 0}, prizes, cost);
    const ChanceComparison worse = CompareWithChance(cold, prizes, cost);
    EXPECT_NEAR(worse.HitsPLower, std::pow(1 - HitProbability(), 1000), 1e-15);
    EXPECT_EQ(worse.ProfitPUpper, 1.0);
    EXPECT_EQ(Judge(worse, worse.HitsP), ChanceVerdict::Worse);
    // The same row among very many compared rows is no longer significant.
    EXPECT_EQ(Judge(worse, std::min(1.0, worse.HitsP * 1e12)), ChanceVerdict::Same);

    // A jackpot in 100 stakes: the profit is extraordinary, the hits are not.
    const RatingRecord jackpot = rowWith({40, 42, 15, 2, 0, 0, 1}, prizes, cost);
    const ChanceComparison j = CompareWithChance(jackpot, prizes, cost);
    EXPECT_GT(j.HitsPUpper, 0.01);
    EXPECT_LT(j.ProfitPUpper, 1e-4);

    const ChanceComparison empty = CompareWithChance(RatingRecord{}, prizes, cost);
    EXPECT_EQ(empty.HitsP, 1.0);
    EXPECT_EQ(Judge(empty, 0.0), ChanceVerdict::Same);
}

TEST(ChanceModel, VeryLargeRowsUseTheNormalApproximationAndSayIt)
{
    const MatchMoney prizes = usualPrizes();
    const Money cost = 2 * MoneyScale;
    RatingRecord big = rowWith({0, 0, 0, 0, 0, 0, 0}, prizes, cost);
    big.Count = static_cast<int32_t>(ExactProfitStakesLimit + 1);
    big.MatchCounts[0] = big.Count;
    big.Profit = -big.Count * cost;
    const ChanceComparison c = CompareWithChance(big, prizes, cost);
    EXPECT_FALSE(c.ProfitExact);
    EXPECT_GT(c.ProfitPUpper, 0.9);
}

// Random play, as a back-test makes it: a synthetic archive of random draws,
// fifteen random stakes for each. Its p-values must be uniform, so about one
// back-test in twenty falls below 0.05.
TEST(ChanceModel, RandomPlayIsCalibrated)
{
    std::mt19937_64 rng(20261210);
    std::array<int, model::MaxNumber> numbers{};
    for (int i = 0; i < model::MaxNumber; ++i)
        numbers[static_cast<size_t>(i)] = i;
    auto randomSet = [&] {
        uint64_t bits = 0;
        for (int i = 0; i < model::BallCount; ++i) {
            std::uniform_int_distribution<int> pick(i, model::MaxNumber - 1);
            std::swap(numbers[static_cast<size_t>(i)], numbers[static_cast<size_t>(pick(rng))]);
            bits |= uint64_t{1} << numbers[static_cast<size_t>(i)];
        }
        return bits;
    };
    const MatchMoney prizes = usualPrizes();
    const Money cost = 2 * MoneyScale;
    constexpr int BackTests = 1000;
    int hitsUpper = 0;
    int hitsTwoSided = 0;
    int profit = 0;
    for (int t = 0; t < BackTests; ++t) {
        RatingRecord row;
        for (int draw = 0; draw < 100; ++draw) {
            const uint64_t drawn = randomSet();
            for (int s = 0; s < 15; ++s) {
                const int m = std::popcount(drawn & randomSet());
                ++row.Count;
                ++row.MatchCounts[static_cast<size_t>(m)];
                row.Profit += prizes[static_cast<size_t>(m)] - cost;
            }
        }
        const ChanceComparison c = CompareWithChance(row, prizes, cost);
        hitsUpper += c.HitsPUpper < 0.05;
        hitsTwoSided += c.HitsP < 0.05;
        profit += c.ProfitPUpper < 0.05;
    }
    EXPECT_GE(hitsUpper, 30);
    EXPECT_LE(hitsUpper, 70);
    EXPECT_GE(hitsTwoSided, 30);
    EXPECT_LE(hitsTwoSided, 70);
    EXPECT_GE(profit, 30);
    EXPECT_LE(profit, 70);
}

} // namespace
} // namespace belvane::stakes
