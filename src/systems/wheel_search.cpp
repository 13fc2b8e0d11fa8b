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
#include "systems/wheel_orbits.h"
#include "systems/wheel_random.h"
#include "systems/wheel_sets.h"

namespace belvane::systems {
namespace {

using wheel::Choose;
using wheel::ForEachCombination;
using wheel::Mask;
using wheel::Random;
using wheel::RankOf;

constexpr uint32_t kNowhere = std::numeric_limits<uint32_t>::max();
constexpr size_t kManySubsets = 2'000'000;
// A weighted step scans this many lines near its target, or draws as many
// among more.
constexpr size_t kScannedLines = 512;

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
    // Coverings (p = t) of up to a few hundred lines are searched with
    // weights instead: see Chain::weightedStep.
    bool weighted = false;

    explicit Problem(const WheelDesign& design)
        : n(design.Numbers), t(design.Guarantee), p(design.Condition), all((Mask{1} << n) - 1)
    {
        const auto& c = Choose();
        subsets = wheel::SubsetsByRank(n, p);
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
        } else {
            // Past a few hundred lines a step would find too few lines near
            // its target to weigh.
            weighted = lowerBound <= kScannedLines;
        }
        if (weighted) {
            // A weighted step looks at every line near its target.
            const uint64_t stepCost = 2 * std::min<uint64_t>(lowerBound, kScannedLines) + 8 * c(6, t) + 64;
            movesPerRound = static_cast<int>(std::clamp<uint64_t>((1ull << 22) / stepCost, 16, 1u << 16));
        }
    }
};

class Chain {
public:
    Chain(const Problem& problem, uint64_t seed)
        : pr_(problem), rng_(seed), count_(problem.subsets.size(), 0), where_(problem.subsets.size(), kNowhere)
    {
        if (pr_.weighted) {
            weight_.assign(pr_.subsets.size(), 1);
            coverer_.assign(pr_.subsets.size(), 0);
        }
        clear();
    }

    // Lines to start from; the greedy start completes them.
    void startFrom(const std::vector<Mask>& lines)
    {
        for (const Mask line : lines)
            add(line);
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
            if (pr_.p == pr_.t) {
                add(grownLine(target));
                continue;
            }
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
                while (wheel::CountOf(line) < SystemCombLength)
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

    // A covering's line grown from an uncovered subset one position at a
    // time, each the one that completes the most uncovered subsets (ties at
    // random).
    Mask grownLine(Mask line)
    {
        while (wheel::CountOf(line) < SystemCombLength) {
            Mask bits[SystemCombLength];
            const int k = wheel::BitsOf(line, bits);
            Mask chosen = 0;
            int best = -1;
            uint32_t ties = 0;
            for (Mask rest = pr_.all & ~line; rest; rest &= rest - 1) {
                const Mask x = rest & (~rest + 1);
                int gain = 0;
                ForEachCombination(bits, k, pr_.t - 1, x, [&](Mask s) { gain += count_[RankOf(s)] == 0; });
                if (gain > best) {
                    best = gain;
                    ties = 1;
                    chosen = x;
                } else if (gain == best && rng_.below(++ties) == 0) {
                    chosen = x;
                }
            }
            line |= chosen;
        }
        return line;
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
            if (!pr_.weighted) {
                annealStep();
            } else if (++sinceSolved_ > kStall) {
                restart();
            } else {
                weightedStep();
            }
        }
    }

    bool done() const { return done_; }
    const std::vector<Mask>& best() const { return best_; }

private:
    // Long stuck one line short of the best: back to the best system, less
    // a random line this time, keeping the weights learnt.
    void restart()
    {
        sinceSolved_ = 0;
        clear();
        for (const Mask line : best_)
            add(line);
        removeLine(rng_.below(static_cast<uint32_t>(lines_.size())));
    }

    // No lines: everything uncovered. The weights stay.
    void clear()
    {
        std::fill(count_.begin(), count_.end(), 0);
        std::fill(coverer_.begin(), coverer_.end(), 0);
        uncovered_.resize(pr_.subsets.size());
        for (uint32_t r = 0; r < uncovered_.size(); ++r) {
            uncovered_[r] = r;
            where_[r] = r;
        }
        lines_.clear();
        changed_.clear();
        lonely_.clear();
    }

    // Simulated annealing: a random swap that covers a random uncovered
    // subset, taken by the Metropolis rule on the change in uncovered count.
    void annealStep()
    {
        const Mask target = pr_.subsets[uncovered_[rng_.below(static_cast<uint32_t>(uncovered_.size()))]];
        const size_t line = nearestLine(target);
        const Mask out = rng_.bitOf(lines_[line] & ~target);
        const Mask in = rng_.bitOf(target & ~lines_[line]);
        const int delta = swapDelta(lines_[line], out, in);
        if (delta <= 0 || rng_.unit() < std::exp(-delta / temperature_))
            swap(line, out, in);
        cool();
    }

    // Covers a random uncovered subset by the best swap among the lines one
    // position away from it, judged by weights: each subset's weight grows
    // while it stays uncovered, so that the search leaves a local minimum by
    // paying for the subsets it has long failed to cover. The line just
    // changed is left alone in the next step so that the search does not
    // undo its own move at once.
    void weightedStep()
    {
        ++moves_;
        const Mask target = pr_.subsets[uncovered_[rng_.below(static_cast<uint32_t>(uncovered_.size()))]];
        // Usually few subsets are uncovered: those through each position of
        // the target, less that position, are what a swap bringing the
        // position into a line may cover besides.
        Mask ends[SystemCombLength];
        const int endCount = wheel::BitsOf(target, ends);
        const bool few = uncovered_.size() <= kFewUncovered;
        std::array<std::array<Mask, kFewUncovered>, SystemCombLength> rest;
        std::array<std::array<uint32_t, kFewUncovered>, SystemCombLength> restWeight;
        std::array<int, SystemCombLength> restCount{};
        if (few)
            for (const uint32_t r : uncovered_)
                for (int j = 0; j < endCount; ++j)
                    if (pr_.subsets[r] & ends[j]) {
                        rest[j][restCount[j]] = pr_.subsets[r] & ~ends[j];
                        restWeight[j][restCount[j]++] = weight_[r];
                    }
        int64_t bestDelta = std::numeric_limits<int64_t>::max();
        size_t bestLine = 0;
        Mask bestOut = 0;
        Mask bestIn = 0;
        uint32_t ties = 0;
        const auto consider = [&](size_t i) {
            const Mask line = lines_[i];
            if (wheel::CountOf(line & target) != pr_.t - 1 || moves_ - changed_[i] <= kResting)
                return;
            const Mask in = target & ~line;
            int j = 0;
            while (ends[j] != in)
                ++j;
            for (Mask outs = line & ~target; outs; outs &= outs - 1) {
                const Mask out = outs & (~outs + 1);
                const Mask kept = line & ~out;
                int64_t gained = 0;
                if (few) {
                    for (int k = 0; k < restCount[j]; ++k)
                        if ((rest[j][k] & ~kept) == 0)
                            gained += restWeight[j][k];
                } else {
                    gained = gain(kept, in);
                }
                const int64_t d = lonely_[i][wheel::CountOf(line & (out - 1))] - gained;
                if (d < bestDelta) {
                    bestDelta = d;
                    ties = 1;
                } else if (d != bestDelta || rng_.below(++ties) != 0) {
                    continue;
                }
                bestLine = i;
                bestOut = out;
                bestIn = in;
            }
        };
        if (lines_.size() <= kScannedLines) {
            for (size_t i = 0; i < lines_.size(); ++i)
                consider(i);
        } else {
            for (size_t k = 0; k < kScannedLines; ++k)
                consider(rng_.below(static_cast<uint32_t>(lines_.size())));
        }
        const bool none = bestDelta == std::numeric_limits<int64_t>::max();
        if (none) {
            // Every near line is resting or none was drawn (among very many
            // lines): a random swap on the nearest, taken only when it costs
            // nothing, else the target grows heavier until one does.
            bestLine = nearestLine(target);
            bestOut = rng_.bitOf(lines_[bestLine] & ~target);
            bestIn = rng_.bitOf(target & ~lines_[bestLine]);
            const Mask line = lines_[bestLine];
            bestDelta = lonely_[bestLine][wheel::CountOf(line & (bestOut - 1))] - gain(line & ~bestOut, bestIn);
        }
        if (!none || bestDelta <= 0) {
            swap(bestLine, bestOut, bestIn);
            changed_[bestLine] = moves_;
        }
        for (const uint32_t r : uncovered_)
            if (++weight_[r] > kHeaviest)
                lighten();
    }

    // Halving every weight keeps them bounded and lets old pressure fade.
    void lighten()
    {
        for (uint32_t& w : weight_)
            w = std::max<uint32_t>(1, w / 2);
        for (uint32_t i = 0; i < lines_.size(); ++i)
            settle(i);
    }

    // The weight of the uncovered subsets of `in` and t - 1 of `kept`.
    int64_t gain(Mask kept, Mask in) const
    {
        int64_t g = 0;
        Mask bits[SystemCombLength];
        const int k = wheel::BitsOf(kept, bits);
        ForEachCombination(bits, k, pr_.t - 1, in, [&](Mask s) {
            const uint32_t r = RankOf(s);
            if (count_[r] == 0)
                g += weight_[r];
        });
        return g;
    }

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
                const int overlap = wheel::CountOf(lines_[i] & target);
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
            const int overlap = wheel::CountOf(lines_[i] & target);
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
        const auto line = static_cast<uint32_t>(i);
        busy_ = line;
        forSwap(lines_[i], out, in, [&](Mask lost, Mask gained) {
            release(RankOf(lost), line);
            take(RankOf(gained), line);
        });
        lines_[i] = (lines_[i] & ~out) | in;
        settle(line);
    }

    void take(uint32_t r, uint32_t line)
    {
        if (count_[r]++ == 0) {
            const uint32_t at = where_[r];
            const uint32_t last = uncovered_.back();
            uncovered_[at] = last;
            where_[last] = at;
            uncovered_.pop_back();
            where_[r] = kNowhere;
        }
        if (!pr_.weighted)
            return;
        const uint32_t before = coverer_[r];
        coverer_[r] ^= line;
        if (count_[r] == 1)
            credit(line, r, weight_[r]);
        else if (count_[r] == 2)
            credit(before, r, -int64_t{weight_[r]});
    }

    void release(uint32_t r, uint32_t line)
    {
        if (--count_[r] == 0) {
            where_[r] = static_cast<uint32_t>(uncovered_.size());
            uncovered_.push_back(r);
        }
        if (!pr_.weighted)
            return;
        coverer_[r] ^= line;
        if (count_[r] == 0)
            credit(line, r, -int64_t{weight_[r]});
        else if (count_[r] == 1)
            credit(coverer_[r], r, weight_[r]);
    }

    // What the line alone covers, by the position that would take it away.
    // The line being changed is recounted afterwards instead.
    void credit(uint32_t line, uint32_t r, int64_t w)
    {
        if (line == busy_)
            return;
        const Mask l = lines_[line];
        for (Mask m = pr_.subsets[r]; m; m &= m - 1)
            lonely_[line][wheel::CountOf(l & ((m & (~m + 1)) - 1))] += w;
    }

    // Recounts the changed line and ends the change.
    void settle(uint32_t line)
    {
        busy_ = kNowhere;
        if (!pr_.weighted)
            return;
        lonely_[line] = {};
        const Mask l = lines_[line];
        forCover(l, [&](Mask s) {
            const uint32_t r = RankOf(s);
            if (count_[r] == 1)
                for (Mask m = s; m; m &= m - 1)
                    lonely_[line][wheel::CountOf(l & ((m & (~m + 1)) - 1))] += weight_[r];
        });
    }

    void add(Mask line)
    {
        const auto i = static_cast<uint32_t>(lines_.size());
        lines_.push_back(line);
        changed_.push_back(std::numeric_limits<int64_t>::min() / 2);
        if (pr_.weighted)
            lonely_.emplace_back();
        busy_ = i;
        forCover(line, [&](Mask s) { take(RankOf(s), i); });
        settle(i);
    }

    void removeLine(size_t i)
    {
        const auto line = static_cast<uint32_t>(i);
        const auto last = static_cast<uint32_t>(lines_.size() - 1);
        busy_ = line;
        forCover(lines_[i], [&](Mask s) { release(RankOf(s), line); });
        busy_ = kNowhere;
        if (pr_.weighted && line != last) {
            forCover(lines_[last], [&](Mask s) { coverer_[RankOf(s)] ^= line ^ last; });
            lonely_[i] = lonely_[last];
        }
        lines_[i] = lines_[last];
        lines_.pop_back();
        changed_[i] = changed_[last];
        changed_.pop_back();
        if (pr_.weighted)
            lonely_.pop_back();
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
        sinceSolved_ = 0;
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
    static constexpr uint32_t kHeaviest = 1u << 24;
    static constexpr size_t kFewUncovered = 64;
    static constexpr int64_t kStall = 1'000'000;
    static constexpr int64_t kResting = 1; // steps a changed line is left alone

    const Problem& pr_;
    Random rng_;
    std::vector<Mask> lines_;
    std::vector<Mask> best_;
    std::vector<uint32_t> count_;     // lines meeting each subset in t or more
    std::vector<uint32_t> uncovered_; // ranks with a count of 0
    std::vector<uint32_t> where_;     // their place in uncovered_
    std::vector<uint32_t> weight_;    // how long each subset has stayed uncovered
    std::vector<int64_t> changed_;    // the step each line last changed
    // Covering only (p = t): which line covers a subset covered once (the
    // XOR of the indices of all lines covering it), and per line and position
    // the weight of the subsets only that line covers and that position is in.
    std::vector<uint32_t> coverer_;
    std::vector<std::array<int64_t, SystemCombLength>> lonely_;
    uint32_t busy_ = kNowhere;
    double temperature_ = pr_.hot;
    int64_t step_ = 0;
    int64_t moves_ = 0;       // weighted steps
    int64_t sinceSolved_ = 0; // weighted steps since the last system
    bool done_ = false;
};

uint64_t chainSeed(uint64_t seed, int chain)
{
    Random mix(seed ^ (0x5851f42d4c957f2dull * static_cast<uint64_t>(chain + 1)));
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
    const auto timeUsed = [&] { return elapsed() / std::max(options.Seconds, 1e-9); };
    // Whether to go on: not cancelled, and the host took the fraction done.
    const auto goOn = [&](double used) {
        return !(options.Cancelled && options.Cancelled()) && (!progress || progress(std::min(used, 1.0)));
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
    // Coverings by whole orbits of a group from many seeds (their sizes vary
    // widely, one seed in thirty may give the best): the smallest starts the
    // first chain. Every seed runs, even past a short time budget, so that
    // the seed and the rounds alone give the result.
    const auto groups = design.Condition == design.Guarantee ? wheel::OrbitGroupsFor(design.Numbers, design.Guarantee)
                                                             : std::vector<wheel::Translations>{};
    if (!groups.empty()) {
        std::vector<wheel::OrbitCovers> orbits;
        for (const auto& group : groups)
            orbits.emplace_back(design.Numbers, design.Guarantee, group);
        constexpr size_t kTries = 64;
        std::vector<std::vector<Mask>> covers(kTries);
        const bool ran = ParallelChunks(
            kTries, 1,
            [&](size_t from, size_t to, unsigned) {
                for (size_t i = from; i < to; ++i)
                    covers[i] = orbits[i % orbits.size()].search(chainSeed(options.Seed, -1 - static_cast<int>(i)),
                                                                 options.Cancelled);
            },
            [&](size_t, size_t) { return goOn(options.Rounds ? 0.0 : timeUsed()); });
        if (!ran || (options.Cancelled && options.Cancelled())) {
            result.Cancelled = true;
            return result;
        }
        chains.front()->startFrom(*std::min_element(covers.begin(), covers.end(),
                                                    [](const auto& a, const auto& b) { return a.size() < b.size(); }));
    }
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
        // A chain at the lower bound has a system no other can beat.
        if (std::any_of(chains.begin(), chains.end(), [](const auto& c) { return c->done(); }))
            break;
        if (options.Rounds ? result.Rounds >= *options.Rounds : elapsed() >= options.Seconds)
            break;
        eachChain([&](Chain& c) { c.run(problem.movesPerRound, options.Cancelled); });
        ++result.Rounds;
        if (options.Cancelled && options.Cancelled()) {
            result.Cancelled = true;
            break;
        }
        if (!goOn(options.Rounds ? static_cast<double>(result.Rounds) / std::max<int64_t>(*options.Rounds, 1)
                                 : timeUsed())) {
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
