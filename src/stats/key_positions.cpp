#include "stats/key_positions.h"

#include <bit>

namespace belvane::stats {

void KeyPositions::insert(uint64_t key, uint32_t position)
{
    if ((size_ + 1) * 2 > positions_.size())
        rehash(positions_.empty() ? 64 : positions_.size() * 2);
    size_t i = slot(key);
    while (positions_[i] != None) {
        if (keys_[i] == key)
            return;
        i = (i + 1) & mask_;
    }
    keys_[i] = key;
    positions_[i] = position;
    ++size_;
}

void KeyPositions::clear()
{
    keys_.clear();
    positions_.clear();
    size_ = 0;
    mask_ = 0;
    shift_ = 0;
}

void KeyPositions::rehash(size_t capacity)
{
    std::vector<uint64_t> oldKeys = std::move(keys_);
    std::vector<uint32_t> oldPositions = std::move(positions_);
    keys_.assign(capacity, 0);
    positions_.assign(capacity, None);
    mask_ = capacity - 1;
    shift_ = 64 - std::countr_zero(capacity);
    size_ = 0;
    for (size_t i = 0; i < oldPositions.size(); ++i)
        if (oldPositions[i] != None)
            insert(oldKeys[i], oldPositions[i]);
}

} // namespace belvane::stats
