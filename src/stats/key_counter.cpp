#include "stats/key_counter.h"

#include <algorithm>
#include <bit>

namespace belvane::stats {

void KeyCounter::rehash(size_t capacity)
{
    std::vector<Slot> old = std::move(table_);
    table_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    shift_ = 64 - std::countr_zero(capacity);
    used_ = 0;
    for (const Slot& s : old)
        if (s.count != 0)
            addToTable(s.key, s.count);
}

void KeyCounter::merge(const KeyCounter& other)
{
    for (size_t i = 0; i < kDenseSize; ++i)
        if (const int64_t n = other.denseCount(i))
            add(denseKey(i), n);
    for (const Slot& s : other.table_)
        if (s.count != 0)
            addToTable(s.key, s.count);
}

std::vector<std::pair<uint64_t, int64_t>> KeyCounter::sorted() const
{
    std::vector<std::pair<uint64_t, int64_t>> out;
    out.reserve(size());
    for (size_t i = 0; i < kDenseSize; ++i)
        if (const int64_t n = denseCount(i))
            out.emplace_back(denseKey(i), n);
    for (const Slot& s : table_)
        if (s.count != 0)
            out.emplace_back(s.key, s.count);
    std::sort(out.begin(), out.end());
    return out;
}

size_t KeyCounter::size() const
{
    size_t n = used_;
    for (size_t i = 0; i < kDenseSize; ++i)
        n += denseCount(i) != 0 ? 1 : 0;
    return n;
}

} // namespace belvane::stats
