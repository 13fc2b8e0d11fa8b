#include "systems/wheel_search.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <cmath>
#include <limits>
#include <memory>

#include "support/error.h"
#include "support/parallel.h"
#include "support/translation.h"
#include "systems/wheel_bounds.h"
#include "systems/wheel_sets.h"

namespace belvane::systems {
namespace {

using wheel::Choose;
using wheel::ForEachCombination;
using wheel::Mask;
using wheel::RankOf;

constexpr uint32_t kNowhere = std::numeric_limits<uint32_t>::max();
constexpr size_t kManySubsets = 2'000'000;

// SplitMix64: small, fast and the same on every platform and library.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t next()
    {
        uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    uint32_t below(uint32_t n) { return static_cast<uint32_t>(((next() >> 32) * n) >> 32); }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // One of the positions of a mask.
    Mask bitOf(Mask m)
    {
        for (uint32_t k = below(static_cast<uint32_t>(std::popcount(m))); k > 0; --k)
            m &= m - 1;
        return m & (~m + 1);
    }

private:
    uint64_t state_;
};

// What every chain reads: the p-subsets by rank and the fixed sizes.
struct Problem {
    int n = 0;
    int t = 0;
    int p = 0;
    Mask all = 0;
    std::vector<Mask> subsets;
    uint64_t lowerBound = 0;
    int movesPerRound = 0;
    int greedyCandidates = 0;
    // Where a line meets many subsets (p > t) one swap changes many at once:
    // the search needs more heat to leave a local minimum.
    double hot = 0.3;
    double cold = 0.1;

    explicit Problem(const WheelDesign& design)
        : n(design.Numbers), t(design.Guarantee), p(design.Condition), all((Mask{1} << n) - 1)
    {
        const auto& c = Choose();
        subsets.resize(c(n, p));
        std::array<int, 7> pos{};
        for (int i = 0; i < p; ++i)
            pos[i] = i;
        for (Mask& m : subsets) {
            m = 0;
            for (int i = 0; i < p; ++i)
                m |= Mask{1} << pos[i];
            int i = 0;
            while (i + 1 < p && pos[i] + 1 == pos[i + 1])
                ++i;
            ++pos[i];
            for (int j = 0; j < i; ++j)
                pos[j] = j;
        }
        lowerBound = LowerBound(n, t, p).Lines;
        const uint64_t swapCost = c(5, t - 1) * c(n - 7, p - t);
        uint64_t reach = 0;
        for (int j = t; j <= std::min(p, 6); ++j)
            reach += c(6, j) * c(n - 6, p - j);
        const uint64_t moveCost = std::min<uint64_t>(lowerBound, 1u << 20) + 2 * swapCost + 16;
        movesPerRound = static_cast<int>(std::clamp<uint64_t>((1ull << 24) / moveCost, 16, 1u << 16));
        greedyCandidates = static_cast<int>(std::clamp<uint64_t>(4096 / reach, 1, 16));
        if (p > t) {
            hot = 1.0;
            cold = 0.05;
        }
    }
};

class Chain {
public:
    Chain(const Problem& problem, uint64_t seed)
        : pr_(problem), rng_(seed), count_(problem.subsets.size(), 0), where_(problem.subsets.size(), kNowhere)
    {
        uncovered_.resize(pr_.subsets.size());
        for (uint32_t r = 0; r < uncovered_.size(); ++r) {
            uncovered_[r] = r;
            where_[r] = r;
        }
    }

    // A greedy system: for a random uncovered subset, the best of a few
    // random lines through t of its positions. False when cancelled before
    // the system was complete.
    bool start(const std::function<bool()>& cancelled)
    {
        for (uint64_t added = 0; !uncovered_.empty(); ++added) {
            if (cancelled && added % 16 == 0 && cancelled())
                return false;
            const Mask target = pr_.subsets[uncovered_[rng_.below(static_cast<uint32_t>(uncovered_.size()))]];
            Mask chosen = 0;
            int64_t chosenGain = -1;
            for (int k = 0; k < pr_.greedyCandidates; ++k) {
                Mask line = 0;
                Mask from = target;
                for (int i = 0; i < pr_.t; ++i) {
                    const Mask bit = rng_.bitOf(from);
                    line |= bit;
                    from &= ~bit;
                }
                while (std::popcount(line) < SystemCombLength)
                    line |= rng_.bitOf(pr_.all & ~line);
                if (pr_.greedyCandidates == 1) {
                    chosen = line;
                    break;
                }
                int64_t gain = 0;
                forCover(line, [&](Mask s) { gain += count_[RankOf(s)] == 0; });
                if (gain > chosenGain) {
                    chosenGain = gain;
                    chosen = line;
                }
            }
            add(chosen);
        }
        solved();
        return true;
    }

    void run(int moves, const std::function<bool()>& cancelled)
    {
        for (int m = 0; m < moves && !done_; ++m) {
            if (cancelled && m % 1024 == 1023 && cancelled())
                return;
            if (uncovered_.empty()) {
                solved();
                continue;
            }
            const Mask target = pr_.subsets[uncovered_[rng_.below(static_cast<uint32_t>(uncovered_.size()))]];
            const size_t line = nearestLine(target);
            const Mask out = rng_.bitOf(lines_[line] & ~target);
            const Mask in = rng_.bitOf(target & ~lines_[line]);
            const int delta = swapDelta(lines_[line], out, in);
            if (delta <= 0 || rng_.unit() < std::exp(-delta / temperature_))
                swap(line, out, in);
            cool();
        }
    }

    bool done() const { return done_; }
    const std::vector<Mask>& best() const { return best_; }

private:
    // A line one swap from covering the target when one is found: among many
    // lines a few random ones are tried (most targets have such lines aplenty),
    // among few all are; else a random one of the nearest.
    size_t nearestLine(Mask target)
    {
        const int wanted = pr_.t - 1;
        if (lines_.size() > kSampledLines) {
            size_t best = 0;
            int nearest = -1;
            for (size_t k = 0; k < kSampledLines; ++k) {
                const size_t i = rng_.below(static_cast<uint32_t>(lines_.size()));
                const int overlap = std::popcount(lines_[i] & target);
                if (overlap == wanted)
                    return i;
                if (overlap > nearest) {
                    nearest = overlap;
                    best = i;
                }
            }
            return best;
        }
        int nearest = -1;
        uint32_t ties = 0;
        size_t line = 0;
        for (size_t i = 0; i < lines_.size(); ++i) {
            const int overlap = std::popcount(lines_[i] & target);
            if (overlap > nearest) {
                nearest = overlap;
                ties = 1;
                line = i;
            } else if (overlap == nearest && rng_.below(++ties) == 0) {
                line = i;
            }
        }
        return line;
    }

    // Every p-subset that meets the line in t or more positions.
    template <class F>
    void forCover(Mask line, F&& f) const
    {
        Mask in[6];
        Mask out[64];
        wheel::BitsOf(line, in);
        const int rest = wheel::BitsOf(pr_.all & ~line, out);
        for (int j = pr_.t; j <= std::min(pr_.p, SystemCombLength); ++j)
            ForEachCombination(in, SystemCombLength, j, 0,
                               [&](Mask s) { ForEachCombination(out, rest, pr_.p - j, s, f); });
    }

    // The subsets a swap of `out` for `in` changes: with out they meet the
    // line in exactly t positions (lost), with in instead (gained).
    template <class F>
    void forSwap(Mask line, Mask out, Mask in, F&& f) const
    {
        Mask kept[6];
        Mask others[64];
        const int k = wheel::BitsOf(line & ~out, kept);
        const int rest = wheel::BitsOf(pr_.all & ~line & ~in, others);
        ForEachCombination(kept, k, pr_.t - 1, 0, [&](Mask s) {
            ForEachCombination(others, rest, pr_.p - pr_.t, s, [&](Mask q) { f(q | out, q | in); });
        });
    }

    int swapDelta(Mask line, Mask out, Mask in) const
    {
        int delta = 0;
        forSwap(line, out, in, [&](Mask lost, Mask gained) {
            delta += count_[RankOf(lost)] == 1;
            delta -= count_[RankOf(gained)] == 0;
        });
        return delta;
    }

    void swap(size_t i, Mask out, Mask in)
    {
        forSwap(lines_[i], out, in, [&](Mask lost, Mask gained) {
            release(RankOf(lost));
            take(RankOf(gained));
        });
        lines_[i] = (lines_[i] & ~out) | in;
    }

    void take(uint32_t r)
    {
        if (count_[r]++ == 0) {
            const uint32_t at = where_[r];
            const uint32_t last = uncovered_.back();
            uncovered_[at] = last;
            where_[last] = at;
            uncovered_.pop_back();
            where_[r] = kNowhere;
        }
    }

    void release(uint32_t r)
    {
        if (--count_[r] == 0) {
            where_[r] = static_cast<uint32_t>(uncovered_.size());
            uncovered_.push_back(r);
        }
    }

    void add(Mask line)
    {
        lines_.push_back(line);
        forCover(line, [&](Mask s) { take(RankOf(s)); });
    }

    void removeLine(size_t i)
    {
        forCover(lines_[i], [&](Mask s) { release(RankOf(s)); });
        lines_[i] = lines_.back();
        lines_.pop_back();
    }

    // The subsets only this line covers.
    uint64_t alone(Mask line) const
    {
        uint64_t n = 0;
        forCover(line, [&](Mask s) { n += count_[RankOf(s)] == 1; });
        return n;
    }

    // Everything is covered: drop the lines nothing needs, keep the system,
    // then drop the line whose loss uncovers least and search on.
    void solved()
    {
        // One pass from the end: a line kept stays needed as others go, and
        // the one moved into a dropped line's place was kept already.
        for (size_t i = lines_.size(); i-- > 0;)
            if (alone(lines_[i]) == 0)
                removeLine(i);
        best_ = lines_;
        if (lines_.size() <= pr_.lowerBound || lines_.size() <= 1) {
            done_ = true;
            return;
        }
        uint64_t least = std::numeric_limits<uint64_t>::max();
        uint32_t ties = 0;
        size_t chosen = 0;
        for (size_t i = 0; i < lines_.size(); ++i) {
            const uint64_t a = alone(lines_[i]);
            if (a < least) {
                least = a;
                ties = 1;
                chosen = i;
            } else if (a == least && rng_.below(++ties) == 0) {
                chosen = i;
            }
        }
        removeLine(chosen);
        temperature_ = pr_.hot;
        step_ = 0;
    }

    // Cooling in cycles: from hot to cold, then hot again.
    void cool()
    {
        if (++step_ % kCoolEvery != 0)
            return;
        temperature_ *= kCooling;
        if (temperature_ < pr_.cold)
            temperature_ = pr_.hot;
    }

    static constexpr double kCooling = 0.99;
    static constexpr int kCoolEvery = 256;
    static constexpr size_t kSampledLines = 64;

    const Problem& pr_;
    Rng rng_;
    std::vector<Mask> lines_;
    std::vector<Mask> best_;
    std::vector<uint32_t> count_;     // lines meeting each subset in t or more
    std::vector<uint32_t> uncovered_; // ranks with a count of 0
    std::vector<uint32_t> where_;     // their place in uncovered_
    double temperature_ = pr_.hot;
    int64_t step_ = 0;
    bool done_ = false;
};

uint64_t chainSeed(uint64_t seed, int chain)
{
    Rng mix(seed ^ (0x5851f42d4c957f2dull * static_cast<uint64_t>(chain + 1)));
    return mix.next();
}

} // namespace

std::optional<std::string> CheckWheelDesign(const WheelDesign& design)
{
    if (design.Numbers < MinSystemNumbers || design.Numbers > MaxSystemNumbers)
        return support::Text("Указано недопустмое количество используемых чисел!");
    if (design.Guarantee < 1 || design.Guarantee > MaxSystemBlock)
        return support::Message("Гарантия должна быть от 1 до {}!", MaxSystemBlock);
    if (design.Condition < design.Guarantee || design.Condition > SystemCombLength)
        return support::Message("Условие должно быть от {} до {}!", design.Guarantee, SystemCombLength);
    return std::nullopt;
}

GeneratedWheel GenerateWheel(const WheelDesign& design, const WheelOptions& options,
                             const std::function<bool(double)>& progress)
{
    if (const auto problem = CheckWheelDesign(design))
        throw Error(*problem);
    const auto begin = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    };

    const Problem problem(design);
    const int chainCount =
        std::max(1, problem.subsets.size() > kManySubsets ? std::min(options.Chains, 2) : options.Chains);
    std::vector<std::unique_ptr<Chain>> chains;
    for (int i = 0; i < chainCount; ++i)
        chains.push_back(std::make_unique<Chain>(problem, chainSeed(options.Seed, i)));
    const auto eachChain = [&](const auto& work) {
        ParallelChunks(chains.size(), 1, [&](size_t from, size_t to, unsigned) {
            for (size_t i = from; i < to; ++i)
                work(*chains[i]);
        });
    };
    GeneratedWheel result;
    std::atomic<bool> incomplete = false;
    eachChain([&](Chain& c) {
        if (!c.start(options.Cancelled))
            incomplete = true;
    });
    if (incomplete) {
        result.Cancelled = true;
        return result;
    }

    for (;;) {
        if (std::all_of(chains.begin(), chains.end(), [](const auto& c) { return c->done(); }))
            break;
        if (options.Rounds ? result.Rounds >= *options.Rounds : elapsed() >= options.Seconds)
            break;
        eachChain([&](Chain& c) { c.run(problem.movesPerRound, options.Cancelled); });
        ++result.Rounds;
        if (options.Cancelled && options.Cancelled()) {
            result.Cancelled = true;
            break;
        }
        const double used = options.Rounds ? static_cast<double>(result.Rounds) / std::max<int64_t>(*options.Rounds, 1)
                                           : elapsed() / std::max(options.Seconds, 1e-9);
        if (progress && !progress(std::min(used, 1.0))) {
            result.Cancelled = true;
            break;
        }
    }

    size_t chosen = 0;
    for (size_t i = 1; i < chains.size(); ++i)
        if (chains[i]->best().size() < chains[chosen]->best().size())
            chosen = i;
    result.Chain = static_cast<int>(chosen);
    for (const Mask m : chains[chosen]->best())
        result.Lines.push_back(wheel::LineOf(m));
    std::sort(result.Lines.begin(), result.Lines.end());
    result.Optimal = result.Lines.size() <= problem.lowerBound;
    return result;
}

} // namespace belvane::systems
