#include "combs/reductions.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace belvane::combs {
namespace {

// The numbers of a combination as bits 1..45 of a word (any byte above 63 is
// no number of this game and leaves its bit out).
uint64_t numberBits(const TComb& c)
{
    uint64_t bits = 0;
    for (model::Ball n : c)
        bits |= n < 64 ? uint64_t{1} << n : 0;
    return bits;
}

// The draws' number sets, for one look-up per combination.
class DrawnSets {
public:
    explicit DrawnSets(std::span<const model::TDraw> window)
    {
        size_t capacity = 16;
        while (capacity < window.size() * 4)
            capacity *= 2;
        slots_.assign(capacity, 0);
        mask_ = capacity - 1;
        for (const model::TDraw& d : window) {
            const uint64_t bits = numberBits(d.Balls);
            if (std::popcount(bits) == model::BallCount) // six distinct numbers: a combination can equal it
                insert(bits);
        }
    }

    bool contains(uint64_t bits) const
    {
        for (size_t i = slot(bits);; i = (i + 1) & mask_) {
            if (slots_[i] == bits)
                return true;
            if (slots_[i] == 0)
                return false;
        }
    }

private:
    size_t slot(uint64_t bits) const { return static_cast<size_t>((bits * 0x9E3779B97F4A7C15ull) >> 40) & mask_; }
    void insert(uint64_t bits)
    {
        size_t i = slot(bits);
        while (slots_[i] != 0 && slots_[i] != bits)
            i = (i + 1) & mask_;
        slots_[i] = bits;
    }

    std::vector<uint64_t> slots_; // 0 = empty: no set of six numbers is 0
    size_t mask_ = 0;
};

} // namespace

std::span<const model::TDraw> LatestDraws(const model::TDrawsArray& draws, int n, int offset)
{
    const int last = static_cast<int>(draws.size()) - 1 - offset;
    if (n <= 0 || last < 0)
        return {};
    const int first = std::max(0, last - n + 1);
    return {draws.data() + first, static_cast<size_t>(last - first + 1)};
}

bool RemoveDrawnCombinations(CombinationList& list, std::span<const model::TDraw> window,
                             const std::function<bool(size_t, size_t)>& progress)
{
    const DrawnSets drawn(window);
    return list.reduce(
        [&drawn](size_t, std::span<const TComb> chunk, TComb* out) {
            size_t n = 0;
            for (const TComb& c : chunk) {
                out[n] = c;
                n += static_cast<size_t>(!drawn.contains(numberBits(c)));
            }
            return n;
        },
        progress);
}

size_t RemoveRows(CombinationList& list, std::span<const size_t> rows)
{
    std::vector<uint8_t> removed(list.count(), 0);
    for (size_t r : rows)
        if (r < removed.size())
            removed[r] = 1;
    const size_t before = list.count();
    const uint8_t* flags = removed.data();
    list.reduce([&](size_t first, std::span<const TComb> chunk, TComb* out) {
        size_t n = 0;
        for (size_t i = 0; i < chunk.size(); ++i) {
            out[n] = chunk[i];
            n += static_cast<size_t>(!flags[first + i]);
        }
        return n;
    });
    return before - list.count();
}

} // namespace belvane::combs
