#include "stakes/chance_model.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/hypergeometric.hpp>
#include <boost/math/distributions/normal.hpp>

#include "model/game.h"

namespace belvane::stakes {

namespace {

namespace bm = boost::math;

// Terms of the prize-sum convolution below this probability are dropped.
constexpr double NegligibleMass = 1e-18;

MatchShares makeProbabilities()
{
    // Six drawn numbers among 45; the stake picks six: k of them are drawn ones.
    const bm::hypergeometric_distribution<double> law(model::BallCount, model::BallCount, model::MaxNumber);
    MatchShares p{};
    for (int k = 0; k < MatchSlots; ++k)
        p[static_cast<size_t>(k)] = bm::pdf(law, static_cast<unsigned>(k));
    return p;
}

struct PrizeClass {
    Money Value = 0;
    double P = 0;
};

// The positive prizes, each value once with the probability of all counts
// that win it, largest first.
std::vector<PrizeClass> prizeClasses(const MatchMoney& values)
{
    std::vector<PrizeClass> classes;
    const MatchShares& p = MatchProbabilities();
    for (int k = 0; k < MatchSlots; ++k) {
        const Money v = values[static_cast<size_t>(k)];
        if (v <= 0)
            continue;
        auto same = std::find_if(classes.begin(), classes.end(), [&](const PrizeClass& c) { return c.Value == v; });
        if (same != classes.end())
            same->P += p[static_cast<size_t>(k)];
        else
            classes.push_back({v, p[static_cast<size_t>(k)]});
    }
    std::sort(classes.begin(), classes.end(),
              [](const PrizeClass& a, const PrizeClass& b) { return a.Value > b.Value; });
    return classes;
}

int64_t ceilDiv(Money a, Money b)
{
    return a / b + (a % b != 0 ? 1 : 0);
}

// P(the prizes of `trials` stakes, each falling into one of `classes` or
// winning nothing, sum to at least `need`). `mass` is the probability of the
// classes and of the no-prize outcome together: the trials are conditioned on
// not having fallen into the larger classes already counted.
double prizeTail(std::span<const PrizeClass> classes, double mass, int64_t trials, Money need)
{
    if (need <= 0)
        return 1;
    if (classes.empty() || trials == 0 || mass <= 0)
        return 0;
    const PrizeClass& top = classes.front();
    const double p = std::clamp(top.P / mass, 0.0, 1.0);
    const int64_t enough = ceilDiv(need, top.Value); // this many of the top class alone suffice
    double total = BinomialUpperTail(trials, p, enough);
    if (classes.size() == 1 || p <= 0)
        return total;

    const bm::binomial_distribution<double> law(static_cast<double>(trials), p);
    const auto lo = static_cast<int64_t>(bm::quantile(law, NegligibleMass));
    const auto hi = static_cast<int64_t>(bm::quantile(bm::complement(law, NegligibleMass)));
    const int64_t last = std::min({enough - 1, trials, hi});
    for (int64_t k = std::max<int64_t>(0, lo); k <= last; ++k) {
        const double weight = bm::pdf(law, static_cast<double>(k));
        total += weight * prizeTail(classes.subspan(1), mass - top.P, trials - k, need - k * top.Value);
    }
    return std::min(total, 1.0);
}

} // namespace

const MatchShares& MatchProbabilities()
{
    static const MatchShares p = makeProbabilities();
    return p;
}

double HitProbability()
{
    const MatchShares& p = MatchProbabilities();
    return std::accumulate(p.begin() + HitMatches, p.end(), 0.0);
}

double BinomialUpperTail(int64_t n, double p, int64_t k)
{
    if (k <= 0)
        return 1;
    if (k > n)
        return 0;
    const bm::binomial_distribution<double> law(static_cast<double>(n), std::clamp(p, 0.0, 1.0));
    return bm::cdf(bm::complement(law, static_cast<double>(k - 1)));
}

double BinomialLowerTail(int64_t n, double p, int64_t k)
{
    if (k < 0)
        return 0;
    if (k >= n)
        return 1;
    const bm::binomial_distribution<double> law(static_cast<double>(n), std::clamp(p, 0.0, 1.0));
    return bm::cdf(law, static_cast<double>(k));
}

double PrizeSumUpperTail(int64_t n, const MatchMoney& values, Money prizes)
{
    const std::vector<PrizeClass> classes = prizeClasses(values);
    return prizeTail(classes, 1.0, n, prizes);
}

ChanceComparison CompareWithChance(const RatingRecord& row, const MatchMoney& prizes, Money cost, ProfitTail profit)
{
    ChanceComparison c;
    c.Stakes = std::max<int64_t>(row.Count, 0);
    const auto n = static_cast<double>(c.Stakes);
    const MatchShares& p = MatchProbabilities();
    for (size_t k = 0; k < p.size(); ++k) {
        c.Expected[k] = n * p[k];
        c.StdDev[k] = std::sqrt(n * p[k] * (1 - p[k]));
    }

    const double q = HitProbability();
    c.Hits = 0;
    for (size_t k = HitMatches; k < row.MatchCounts.size(); ++k)
        c.Hits += std::max(row.MatchCounts[k], 0);
    c.ExpectedHits = n * q;
    c.StdDevHits = std::sqrt(n * q * (1 - q));
    c.HitsPUpper = BinomialUpperTail(c.Stakes, q, c.Hits);
    c.HitsPLower = BinomialLowerTail(c.Stakes, q, c.Hits);
    c.HitsP = std::min(1.0, 2 * std::min(c.HitsPUpper, c.HitsPLower));

    // One stake's profit: mean and variance over the match counts.
    double mean = 0;
    double square = 0;
    for (size_t k = 0; k < p.size(); ++k) {
        const double v = static_cast<double>(prizes[k] - cost) / MoneyScale;
        mean += p[k] * v;
        square += p[k] * v * v;
    }
    c.Profit = static_cast<double>(row.Profit) / MoneyScale;
    c.ExpectedProfit = n * mean;
    c.StdDevProfit = std::sqrt(n * std::max(0.0, square - mean * mean));

    if (c.Stakes == 0 || profit == ProfitTail::Skip) {
        c.ProfitPUpper = 1;
    } else if (c.Stakes <= ExactProfitStakesLimit) {
        const Money won = row.Profit + c.Stakes * cost;
        c.ProfitPUpper = PrizeSumUpperTail(c.Stakes, prizes, won);
    } else {
        c.ProfitExact = false;
        c.ProfitPUpper =
            c.StdDevProfit > 0
                ? bm::cdf(bm::complement(bm::normal_distribution<double>(c.ExpectedProfit, c.StdDevProfit), c.Profit))
                : (c.Profit > c.ExpectedProfit ? 0.0 : 1.0);
    }
    return c;
}

std::vector<double> HolmAdjust(std::span<const double> p)
{
    const size_t m = p.size();
    std::vector<size_t> order(m);
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return p[a] < p[b]; });
    std::vector<double> adjusted(m);
    double running = 0;
    for (size_t j = 0; j < m; ++j) {
        running = std::max(running, std::min(1.0, static_cast<double>(m - j) * p[order[j]]));
        adjusted[order[j]] = running;
    }
    return adjusted;
}

ChanceVerdict Judge(const ChanceComparison& c, double adjustedP)
{
    if (c.Stakes == 0 || !(adjustedP < SignificanceLevel))
        return ChanceVerdict::Same;
    return static_cast<double>(c.Hits) > c.ExpectedHits ? ChanceVerdict::Better : ChanceVerdict::Worse;
}

} // namespace belvane::stakes
