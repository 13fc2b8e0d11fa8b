#pragma once

// What random play would have given. A stake of one combination bought at
// random shares k numbers with a draw of six from 45 with the hypergeometric
// probability P(k) = C(6,k) C(39,6-k) / C(45,6); a group of n such stakes
// (a rating row) is n independent trials of it. The comparison says how far a
// row's results lie from that, as expected values, standard deviations and
// exact tail probabilities.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "stakes/rating_record.h"
#include "support/money.h"

namespace belvane::stakes {

using MatchShares = std::array<double, MatchSlots>;

// P(0) .. P(6) for one combination against one draw.
const MatchShares& MatchProbabilities();

// The share of single stakes with at least three matches (about 0.0238).
double HitProbability();

inline constexpr int HitMatches = 3; // the smallest match count that wins in the usual prize table

// An amount of money for each match count 0..6 (the prize table).
using MatchMoney = std::array<Money, MatchSlots>;

// Up to this many stakes the profit's tail is summed over the exact
// distribution; above it the normal approximation stands in (and says so).
inline constexpr int64_t ExactProfitStakesLimit = 1'000'000;

struct ChanceComparison {
    int64_t Stakes = 0;
    MatchShares Expected{}; // stakes expected with k matches
    MatchShares StdDev{};

    int64_t Hits = 0; // stakes with HitMatches or more
    double ExpectedHits = 0;
    double StdDevHits = 0;
    double HitsPUpper = 1; // P(at least Hits) under random play
    double HitsPLower = 1; // P(at most Hits)
    double HitsP = 1;      // two-sided: twice the smaller tail, at most 1

    double Profit = 0; // observed, in money units
    double ExpectedProfit = 0;
    double StdDevProfit = 0;
    double ProfitPUpper = 1; // P(a profit at least as large)
    bool ProfitExact = true; // false: the normal approximation gave ProfitPUpper
};

// Whether CompareWithChance sums the profit's tail (milliseconds for rows of
// 100,000 stakes, a fifth of a second at a million) or leaves it at 1.
enum class ProfitTail { Compute, Skip };

// A rating row against random play of stakes of one combination with these
// prizes and this cost each. The row's prizes are its profit plus the costs.
ChanceComparison CompareWithChance(const RatingRecord& row, const MatchMoney& prizes, Money cost,
                                   ProfitTail profit = ProfitTail::Compute);

// P(Binomial(n, p) >= k) and P(Binomial(n, p) <= k), exact.
double BinomialUpperTail(int64_t n, double p, int64_t k);
double BinomialLowerTail(int64_t n, double p, int64_t k);

// P(the prizes of n random stakes sum to at least `prizes`), summed over the
// multinomial distribution of the stakes over the prize classes; terms below
// 1e-18 of the total are dropped. `values` are the prizes for 0..6 matches
// (each >= 0).
double PrizeSumUpperTail(int64_t n, const MatchMoney& values, Money prizes);

// Holm's step-down adjustment of p-values for comparing many rows at once: the
// adjusted value of the i-th smallest is the largest of (m - j) p(j) over
// j <= i, at most 1. Order of the result = order of the input.
std::vector<double> HolmAdjust(std::span<const double> p);

enum class ChanceVerdict { Same, Better, Worse };

inline constexpr double SignificanceLevel = 0.05;

// Better or worse only when the adjusted two-sided p-value is below the level.
ChanceVerdict Judge(const ChanceComparison& c, double adjustedP);

} // namespace belvane::stakes
