#include "stats/key_counter.h"

#include <algorithm>
#include <bit>

namespace belvane::stats {

void KeyCounter::rehash(size_t capacity)
{
    std::vector<uint64_t> oldKeys = std::move(keys_);
    std::vector<int64_t> oldCounts = std::move(counts_);
    std::vector<uint8_t> oldUsed = std::move(used_);
    keys_.assign(capacity, 0);
    counts_.assign(capacity, 0);
    used_.assign(capacity, 0);
    mask_ = capacity - 1;
    shift_ = 64 - std::countr_zero(capacity);
    size_ = 0;
    for (size_t i = 0; i < oldKeys.size(); ++i)
        if (oldUsed[i])
            add(oldKeys[i], oldCounts[i]);
}

void KeyCounter::merge(const KeyCounter& other)
{
    for (size_t i = 0; i < other.keys_.size(); ++i)
        if (other.used_[i])
            add(other.keys_[i], other.counts_[i]);
}

std::vector<std::pair<uint64_t, int64_t>> KeyCounter::sorted() const
{
    std::vector<std::pair<uint64_t, int64_t>> out;
    out.reserve(size_);
    for (size_t i = 0; i < keys_.size(); ++i)
        if (used_[i])
            out.emplace_back(keys_[i], counts_[i]);
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace belvane::stats
