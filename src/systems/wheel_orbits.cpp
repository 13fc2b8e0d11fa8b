#include "systems/wheel_orbits.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "systems/wheel_random.h"

namespace belvane::systems::wheel {

struct OrbitCovers::Orbits {
    std::vector<std::vector<int>> generators;
    std::vector<std::vector<Mask>> members;     // the lines of each orbit of six-subsets
    std::vector<std::vector<uint32_t>> covers;  // the t-subset orbits each covers, ascending
    std::vector<std::vector<uint32_t>> through; // the line orbits covering each t-subset orbit
};

namespace {

constexpr int64_t kSteps = 60'000;    // a quarter of a second for 20 positions
constexpr int64_t kPatience = 15'000; // steps without a smaller covering before it stops
constexpr uint32_t kNone = std::numeric_limits<uint32_t>::max();

std::vector<std::vector<int>> generatorsOf(int n, const Translations& group)
{
    std::vector<std::vector<int>> gens;
    int moved = 1;
    for (const int order : group)
        moved *= order;
    int stride = 1;
    for (const int order : group) {
        std::vector<int> p(n);
        for (int i = 0; i < n; ++i) {
            const int digit = (i / stride) % order;
            p[i] = i < moved ? i + ((digit + 1) % order - digit) * stride : i;
        }
        gens.push_back(std::move(p));
        stride *= order;
    }
    return gens;
}

Mask apply(const std::vector<int>& p, Mask m)
{
    Mask image = 0;
    for (; m; m &= m - 1)
        image |= Mask{1} << p[std::countr_zero(m)];
    return image;
}

// Fills `orbit` with the orbit of s; seen(x) marks x and says whether it
// was new.
template <class Seen>
void walkOrbit(const std::vector<std::vector<int>>& gens, Mask s, Seen&& seen, std::vector<Mask>& orbit)
{
    orbit.assign(1, s);
    seen(s);
    for (size_t i = 0; i < orbit.size(); ++i) {
        for (const auto& g : gens) {
            const Mask x = apply(g, orbit[i]);
            if (seen(x))
                orbit.push_back(x);
        }
    }
}

// Weighted local search over the orbits: an uncovered orbit of t-subsets is
// taken in by swapping one chosen line orbit for one through it, the swap
// that loses least weight; weights grow on what stays uncovered. Whenever
// all is covered the lightest line orbit goes. Each t-subset orbit covered
// once knows its sole coverer, so a swap's loss is one pass over the new
// orbit's subsets.
class OrbitSearch {
public:
    OrbitSearch(const OrbitCovers::Orbits& o, uint64_t seed)
        : o_(o), rng_(seed), count_(o.through.size(), 0), weight_(o.through.size(), 1), sole_(o.through.size(), 0)
    {
    }

    std::vector<uint32_t> run(const std::function<bool()>& cancelled)
    {
        greedy();
        int64_t since = 0;
        for (int64_t step = 0; step < kSteps && since < kPatience; ++step, ++since) {
            if (cancelled && step % 1024 == 0 && cancelled())
                return {};
            uncovered_.clear();
            for (uint32_t e = 0; e < count_.size(); ++e)
                if (count_[e] == 0)
                    uncovered_.push_back(e);
            if (uncovered_.empty()) {
                if (bestSize_ == 0 || total() < bestSize_) {
                    bestSize_ = total();
                    best_ = chosen_;
                    since = 0;
                }
                dropLightest();
                continue;
            }
            swapFor(uncovered_[rng_.below(static_cast<uint32_t>(uncovered_.size()))]);
            for (uint32_t e = 0; e < count_.size(); ++e)
                weight_[e] += count_[e] == 0;
        }
        return best_;
    }

private:
    int64_t size(uint32_t j) const { return static_cast<int64_t>(o_.members[j].size()); }

    int64_t total() const
    {
        int64_t s = 0;
        for (const uint32_t j : chosen_)
            s += size(j);
        return s;
    }

    void add(uint32_t j)
    {
        chosen_.push_back(j);
        for (const uint32_t e : o_.covers[j])
            ++count_[e];
    }

    void removeAt(size_t i)
    {
        for (const uint32_t e : o_.covers[chosen_[i]])
            --count_[e];
        chosen_[i] = chosen_.back();
        chosen_.pop_back();
    }

    // The orbit covering most uncovered orbits per line, ties at random.
    void greedy()
    {
        for (;;) {
            double bestGain = 0;
            uint32_t pick = 0;
            uint32_t ties = 0;
            for (uint32_t j = 0; j < o_.members.size(); ++j) {
                int gain = 0;
                for (const uint32_t e : o_.covers[j])
                    gain += count_[e] == 0;
                const double perLine = static_cast<double>(gain) / static_cast<double>(size(j));
                if (perLine > bestGain) {
                    bestGain = perLine;
                    pick = j;
                    ties = 1;
                } else if (gain > 0 && perLine == bestGain && rng_.below(++ties) == 0) {
                    pick = j;
                }
            }
            if (bestGain == 0)
                return;
            add(pick);
        }
    }

    int64_t alone(uint32_t j) const
    {
        int64_t w = 0;
        for (const uint32_t e : o_.covers[j])
            if (count_[e] == 1)
                w += weight_[e];
        return w;
    }

    void dropLightest()
    {
        size_t pick = 0;
        double least = std::numeric_limits<double>::max();
        uint32_t ties = 0;
        for (size_t i = 0; i < chosen_.size(); ++i) {
            const double perLine = static_cast<double>(alone(chosen_[i])) / static_cast<double>(size(chosen_[i]));
            if (perLine < least) {
                least = perLine;
                pick = i;
                ties = 1;
            } else if (perLine == least && rng_.below(++ties) == 0) {
                pick = i;
            }
        }
        removeAt(pick);
    }

    void swapFor(uint32_t target)
    {
        // loss_[i]: the weight only chosen orbit i covers; credit_[i]: the
        // part of it the incoming orbit covers too.
        loss_.assign(chosen_.size(), 0);
        credit_.assign(chosen_.size(), 0);
        for (size_t i = 0; i < chosen_.size(); ++i)
            for (const uint32_t e : o_.covers[chosen_[i]])
                if (count_[e] == 1) {
                    sole_[e] = static_cast<uint32_t>(i);
                    loss_[i] += weight_[e];
                }
        int64_t bestDelta = std::numeric_limits<int64_t>::max();
        uint32_t in = 0;
        size_t out = 0;
        uint32_t ties = 0;
        for (const uint32_t j : o_.through[target]) {
            int64_t gain = 0;
            for (const uint32_t e : o_.covers[j]) {
                if (count_[e] == 0)
                    gain += weight_[e];
                else if (count_[e] == 1)
                    credit_[sole_[e]] += weight_[e];
            }
            for (size_t i = 0; i < chosen_.size(); ++i) {
                const int64_t shared = credit_[i];
                credit_[i] = 0;
                if (size(chosen_[i]) < size(j))
                    continue; // never more lines for the swap
                const int64_t delta = loss_[i] - shared - gain;
                if (delta < bestDelta) {
                    bestDelta = delta;
                    in = j;
                    out = i;
                    ties = 1;
                } else if (delta == bestDelta && rng_.below(++ties) == 0) {
                    in = j;
                    out = i;
                }
            }
        }
        if (bestDelta == std::numeric_limits<int64_t>::max()) {
            // Every chosen orbit is shorter: take one in without a swap.
            add(o_.through[target][rng_.below(static_cast<uint32_t>(o_.through[target].size()))]);
            return;
        }
        removeAt(out);
        add(in);
    }

    const OrbitCovers::Orbits& o_;
    Random rng_;
    std::vector<uint32_t> count_;
    std::vector<int64_t> weight_;
    std::vector<uint32_t> sole_;
    std::vector<uint32_t> chosen_;
    std::vector<uint32_t> best_;
    int64_t bestSize_ = 0;
    std::vector<uint32_t> uncovered_;
    std::vector<int64_t> loss_;
    std::vector<int64_t> credit_;
};

} // namespace

std::vector<Translations> OrbitGroupsFor(int n, int t)
{
    // Measured with 64 seeds: rotations beat single lines for four-subsets
    // of 15 and 16 positions; from 17 on the translations of (Z2)^4 on 16 of
    // them beat every rotation (C(18,6,4) in 236 lines, C(20,6,4) in 388
    // where rotations reach 258 and 420). Three-subsets do better alone;
    // past 20 positions a step costs too much.
    if (t != 4 || n < 15 || n > 20)
        return {};
    if (n <= 16)
        return {{n}, {n - 1}};
    return {{2, 2, 2, 2}};
}

OrbitCovers::OrbitCovers(int n, int t, const Translations& group) : orbits_(std::make_unique<Orbits>())
{
    Orbits& o = *orbits_;
    o.generators = generatorsOf(n, group);
    const Binomials& c = Choose();
    std::vector<Mask> orbit;

    std::vector<uint32_t> subsetOrbit(c(n, t), kNone);
    uint32_t subsetOrbits = 0;
    for (const Mask s : SubsetsByRank(n, t)) {
        if (subsetOrbit[RankOf(s)] != kNone)
            continue;
        const auto seen = [&](Mask x) {
            uint32_t& id = subsetOrbit[RankOf(x)];
            return id == kNone ? (id = subsetOrbits, true) : false;
        };
        walkOrbit(o.generators, s, seen, orbit);
        ++subsetOrbits;
    }
    o.through.resize(subsetOrbits);

    std::vector<uint8_t> lineSeen(c(n, SystemCombLength), 0);
    for (const Mask line : SubsetsByRank(n, SystemCombLength)) {
        if (lineSeen[RankOf(line)])
            continue;
        const auto seen = [&](Mask x) {
            uint8_t& mark = lineSeen[RankOf(x)];
            return mark ? false : (mark = 1, true);
        };
        walkOrbit(o.generators, line, seen, orbit);
        std::vector<uint32_t> covered;
        Mask bits[SystemCombLength];
        BitsOf(line, bits);
        ForEachCombination(bits, SystemCombLength, t, 0, [&](Mask s) { covered.push_back(subsetOrbit[RankOf(s)]); });
        std::sort(covered.begin(), covered.end());
        covered.erase(std::unique(covered.begin(), covered.end()), covered.end());
        const auto j = static_cast<uint32_t>(o.members.size());
        for (const uint32_t e : covered)
            o.through[e].push_back(j);
        o.covers.push_back(std::move(covered));
        o.members.push_back(orbit);
    }
}

OrbitCovers::~OrbitCovers() = default;
OrbitCovers::OrbitCovers(OrbitCovers&&) noexcept = default;

std::vector<Mask> OrbitCovers::search(uint64_t seed, const std::function<bool()>& cancelled) const
{
    std::vector<Mask> lines;
    for (const uint32_t j : OrbitSearch(*orbits_, seed).run(cancelled))
        lines.insert(lines.end(), orbits_->members[j].begin(), orbits_->members[j].end());
    return lines;
}

const std::vector<std::vector<int>>& OrbitCovers::generators() const
{
    return orbits_->generators;
}

} // namespace belvane::systems::wheel
