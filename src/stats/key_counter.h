#pragma once

// Counting occurrences of packed value keys for the full-set counts. Almost
// every method's keys are a small V1 (and perhaps a small V2) with V3 = V4 = 0:
// those are counted in plain arrays indexed by the key, the rest in an
// open-addressing hash table. Consecutive keys go to four arrays in turn: a
// key that repeats (the first number stays for thousands of combinations)
// would otherwise make every addition wait for the one before.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace belvane::stats {

class KeyCounter {
public:
    KeyCounter() { rehash(64); }

    // n > 0; no key is counted more than 2^32 - 1 times (the full set gives
    // at most 64 keys per combination).
    void add(uint64_t key, int64_t n = 1) { addIn(0, key, n); }
    void addAll(std::span<const uint64_t> keys)
    {
        size_t i = 0;
        for (; i + kLanes <= keys.size(); i += kLanes)
            for (size_t lane = 0; lane < kLanes; ++lane)
                addIn(lane, keys[i + lane], 1);
        for (; i < keys.size(); ++i)
            addIn(0, keys[i], 1);
    }

    void merge(const KeyCounter& other);

    // (key, count) pairs in ascending key order.
    std::vector<std::pair<uint64_t, int64_t>> sorted() const;

    // The number of distinct keys counted.
    size_t size() const;

private:
    // Keys whose V1 is 0..511, V2 0..7, V3 and V4 0 (V1 in the top 16 bits).
    static constexpr uint64_t kDenseMask = ~(uint64_t{0x1FF} << 48 | uint64_t{0x7} << 32);
    static constexpr size_t kDenseSize = 512 * 8;
    static constexpr size_t kLanes = 4;
    static constexpr size_t denseIndex(uint64_t key) { return static_cast<size_t>(key >> 45 | (key >> 32 & 7)); }
    static constexpr uint64_t denseKey(size_t index) { return uint64_t{index >> 3} << 48 | uint64_t{index & 7} << 32; }

    void addIn(size_t lane, uint64_t key, int64_t n)
    {
        if ((key & kDenseMask) == 0)
            dense_[lane][denseIndex(key)] += static_cast<uint32_t>(n);
        else
            addToTable(key, n);
    }
    int64_t denseCount(size_t index) const
    {
        int64_t n = 0;
        for (const auto& lane : dense_)
            n += lane[index];
        return n;
    }

    struct Slot {
        uint64_t key = 0;
        int64_t count = 0; // 0: the slot is free (every key counted has a positive count)
    };

    void addToTable(uint64_t key, int64_t n)
    {
        size_t i = slot(key);
        while (table_[i].count != 0) {
            if (table_[i].key == key) {
                table_[i].count += n;
                return;
            }
            i = (i + 1) & mask_;
        }
        table_[i] = {key, n};
        if (++used_ * 2 > table_.size())
            rehash(table_.size() * 2);
    }
    size_t slot(uint64_t key) const { return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_) & mask_; }
    void rehash(size_t capacity);

    std::array<std::array<uint32_t, kDenseSize>, kLanes> dense_{};
    std::vector<Slot> table_;
    size_t used_ = 0;
    size_t mask_ = 0;
    int shift_ = 0;
};

} // namespace belvane::stats
