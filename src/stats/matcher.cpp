#include "stats/matcher.h"

#include <algorithm>

namespace belvane::stats {
namespace {

constexpr int64_t kBitSetLimit = 1 << 16;

} // namespace

std::unique_ptr<Matcher> NeverMatcher()
{
    return MakeMatcher([](const TComb&) { return false; });
}

void ValueSet::insert(int64_t v)
{
    if (v >= 0 && v < kBitSetLimit) {
        const size_t word = static_cast<size_t>(v) >> 6;
        if (bits_.size() <= word)
            bits_.resize(word + 1, 0);
        bits_[word] |= uint64_t{1} << (static_cast<uint64_t>(v) & 63);
    } else {
        others_.push_back(v);
    }
}

void ValueSet::finish()
{
    std::sort(others_.begin(), others_.end());
    others_.erase(std::unique(others_.begin(), others_.end()), others_.end());
    count_ = others_.size();
    for (uint64_t w : bits_)
        count_ += static_cast<size_t>(__builtin_popcountll(w));
}

bool ValueSet::containsOther(int64_t v) const
{
    return std::binary_search(others_.begin(), others_.end(), v);
}

} // namespace belvane::stats
