#include "systems/wheel_orbits.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "systems/wheel_random.h"

namespace belvane::systems::wheel {
namespace {

constexpr int64_t kSteps = 60'000;    // a few seconds for 20 positions
constexpr int64_t kPatience = 15'000; // steps without a smaller covering before it stops

class Rotation {
public:
    Rotation(int n, int m) : m_(m), turned_((Mask{1} << m) - 1), fixed_(((Mask{1} << n) - 1) & ~turned_) {}
    Mask turn(Mask s) const
    {
        const Mask r = s & turned_;
        return (((r << 1) | (r >> (m_ - 1))) & turned_) | (s & fixed_);
    }
    // The smallest mask of the orbit and the orbit's size.
    std::pair<Mask, int> canonical(Mask s) const
    {
        Mask least = s;
        Mask x = s;
        for (int g = 1; g < m_; ++g) {
            x = turn(x);
            if (x == s)
                return {least, g};
            least = std::min(least, x);
        }
        return {least, m_};
    }
    int m() const { return m_; }

private:
    int m_;
    Mask turned_;
    Mask fixed_;
};

struct Orbits {
    std::vector<Mask> lines;                    // one line of each orbit of six-subsets
    std::vector<int> size;                      // its orbit's size
    std::vector<std::vector<uint32_t>> covers;  // the t-subset orbits each covers, ascending
    std::vector<std::vector<uint32_t>> through; // the line orbits covering each t-subset orbit
};

Orbits orbitsOf(int n, int t, const Rotation& rot)
{
    Orbits o;
    std::unordered_map<Mask, uint32_t> subsetOrbit;
    for (const Mask s : SubsetsByRank(n, t))
        if (rot.canonical(s).first == s)
            subsetOrbit.emplace(s, static_cast<uint32_t>(subsetOrbit.size()));
    o.through.resize(subsetOrbit.size());
    for (const Mask line : SubsetsByRank(n, SystemCombLength)) {
        const auto [c, size] = rot.canonical(line);
        if (c != line)
            continue;
        const auto j = static_cast<uint32_t>(o.lines.size());
        o.lines.push_back(line);
        o.size.push_back(size);
        std::vector<uint32_t> covered;
        Mask bits[SystemCombLength];
        BitsOf(line, bits);
        ForEachCombination(bits, SystemCombLength, t, 0,
                           [&](Mask s) { covered.push_back(subsetOrbit.at(rot.canonical(s).first)); });
        std::sort(covered.begin(), covered.end());
        covered.erase(std::unique(covered.begin(), covered.end()), covered.end());
        for (const uint32_t e : covered)
            o.through[e].push_back(j);
        o.covers.push_back(std::move(covered));
    }
    return o;
}

// Weighted local search over the orbits: an uncovered orbit of t-subsets is
// taken in by swapping one chosen line orbit for one through it, the swap
// that loses least weight; weights grow on what stays uncovered. Whenever
// all is covered the lightest line orbit goes.
class OrbitSearch {
public:
    OrbitSearch(const Orbits& o, uint64_t seed)
        : o_(o), rng_(seed), count_(o.through.size(), 0), weight_(o.through.size(), 1)
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
    int64_t total() const
    {
        int64_t s = 0;
        for (const uint32_t j : chosen_)
            s += o_.size[j];
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
            for (uint32_t j = 0; j < o_.lines.size(); ++j) {
                int gain = 0;
                for (const uint32_t e : o_.covers[j])
                    gain += count_[e] == 0;
                const double perLine = static_cast<double>(gain) / o_.size[j];
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
            const double perLine = static_cast<double>(alone(chosen_[i])) / o_.size[chosen_[i]];
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
        loss_.resize(chosen_.size());
        for (size_t i = 0; i < chosen_.size(); ++i)
            loss_[i] = alone(chosen_[i]);
        int64_t bestDelta = std::numeric_limits<int64_t>::max();
        uint32_t in = 0;
        size_t out = 0;
        uint32_t ties = 0;
        for (const uint32_t j : o_.through[target]) {
            int64_t gain = 0;
            for (const uint32_t e : o_.covers[j])
                if (count_[e] == 0)
                    gain += weight_[e];
            const auto& mine = o_.covers[j];
            for (size_t i = 0; i < chosen_.size(); ++i) {
                if (o_.size[chosen_[i]] < o_.size[j])
                    continue; // never more lines for the swap
                int64_t loss = loss_[i];
                for (const uint32_t e : o_.covers[chosen_[i]])
                    if (count_[e] == 1 && std::binary_search(mine.begin(), mine.end(), e))
                        loss -= weight_[e];
                const int64_t delta = loss - gain;
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

    const Orbits& o_;
    Random rng_;
    std::vector<uint32_t> count_;
    std::vector<int64_t> weight_;
    std::vector<uint32_t> chosen_;
    std::vector<uint32_t> best_;
    int64_t bestSize_ = 0;
    std::vector<uint32_t> uncovered_;
    std::vector<int64_t> loss_;
};

} // namespace

bool RotationCoverPays(int n, int t)
{
    // Measured: the orbits beat the plain search for four-subsets from 16
    // positions on and lose for three-subsets; past 20 a step costs too much.
    return t == 4 && n >= 15 && n <= 20;
}

std::vector<Mask> RotationCover(int n, int t, int m, uint64_t seed, const std::function<bool()>& cancelled)
{
    const Rotation rot(n, m);
    const Orbits orbits = orbitsOf(n, t, rot);
    const std::vector<uint32_t> chosen = OrbitSearch(orbits, seed).run(cancelled);
    std::vector<Mask> lines;
    for (const uint32_t j : chosen) {
        Mask line = orbits.lines[j];
        for (int g = 0; g < orbits.size[j]; ++g, line = rot.turn(line))
            lines.push_back(line);
    }
    return lines;
}

} // namespace belvane::systems::wheel
