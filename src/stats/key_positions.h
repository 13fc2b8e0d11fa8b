#pragma once

// Where each packed value key sits in a value array: an open-addressing hash
// table from key to position, which a value array keeps beside its elements
// so that recording a value finds its element without walking the array.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace belvane::stats {

class KeyPositions {
public:
    static constexpr uint32_t None = UINT32_MAX;

    // The position stored for the key; None when there is none.
    uint32_t find(uint64_t key) const
    {
        if (size_ == 0)
            return None;
        for (size_t i = slot(key);; i = (i + 1) & mask_) {
            if (positions_[i] == None)
                return None;
            if (keys_[i] == key)
                return positions_[i];
        }
    }

    // Stores the position of a key; a key already stored keeps its first position.
    void insert(uint64_t key, uint32_t position);

    void clear();
    size_t size() const { return size_; }

private:
    size_t slot(uint64_t key) const { return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_) & mask_; }
    void rehash(size_t capacity);

    std::vector<uint64_t> keys_;
    std::vector<uint32_t> positions_; // None marks a free slot
    size_t size_ = 0;
    size_t mask_ = 0;
    int shift_ = 0;
};

} // namespace belvane::stats
