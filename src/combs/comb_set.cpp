#include "combs/comb_set.h"

#include <algorithm>

namespace belvane::combs {
namespace {

constexpr size_t kWords = static_cast<size_t>((model::FullSetSize + 63) / 64);

// Binomial(n, k) for the colexicographic index: n < 45, k 1..6.
struct Binomials {
    uint32_t Table[model::MaxNumber][model::BallCount + 1] = {};
    constexpr Binomials()
    {
        for (int n = 0; n < model::MaxNumber; ++n)
            for (int k = 1; k <= model::BallCount; ++k)
                Table[n][k] = n < k ? 0 : static_cast<uint32_t>(model::Binomial(n, k));
    }
};
constexpr Binomials kBinomials;

} // namespace

std::optional<uint32_t> CombinationIndex(const model::TComb& comb)
{
    model::TComb c = comb;
    std::sort(c.begin(), c.end());
    uint32_t index = 0;
    for (size_t i = 0; i < c.size(); ++i) {
        if (!model::isValidNumber(c[i]) || (i > 0 && c[i] == c[i - 1]))
            return std::nullopt;
        // The colexicographic rank: sum of Binomial(c_i - 1, i + 1).
        index += kBinomials.Table[c[i] - 1][i + 1];
    }
    return index;
}

CombinationSet::CombinationSet() : bits_(kWords, 0) {}

CombinationSet::CombinationSet(std::span<const model::TComb> combs) : CombinationSet()
{
    for (const model::TComb& c : combs)
        insert(c);
}

void CombinationSet::insert(const model::TComb& comb)
{
    if (const auto i = CombinationIndex(comb))
        bits_[*i >> 6] |= uint64_t{1} << (*i & 63);
}

bool CombinationSet::contains(const model::TComb& comb) const
{
    const auto i = CombinationIndex(comb);
    return i && ((bits_[*i >> 6] >> (*i & 63)) & 1) != 0;
}

void CombinationSet::clear()
{
    std::fill(bits_.begin(), bits_.end(), 0);
}

} // namespace belvane::combs
