#pragma once

// Counting occurrences of packed value keys: an open-addressing hash table,
// far cheaper per add than searching a value array, for the full-set counts.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace belvane::stats {

class KeyCounter {
public:
    KeyCounter() { rehash(64); }

    void add(uint64_t key, int64_t n = 1)
    {
        size_t i = slot(key);
        while (used_[i]) {
            if (keys_[i] == key) {
                counts_[i] += n;
                return;
            }
            i = (i + 1) & mask_;
        }
        used_[i] = 1;
        keys_[i] = key;
        counts_[i] = n;
        if (++size_ * 2 > keys_.size())
            rehash(keys_.size() * 2);
    }

    void merge(const KeyCounter& other);

    // (key, count) pairs in ascending key order.
    std::vector<std::pair<uint64_t, int64_t>> sorted() const;

    size_t size() const { return size_; }

private:
    size_t slot(uint64_t key) const { return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_) & mask_; }
    void rehash(size_t capacity);

    std::vector<uint64_t> keys_;
    std::vector<int64_t> counts_;
    std::vector<uint8_t> used_;
    size_t size_ = 0;
    size_t mask_ = 0;
    int shift_ = 0;
};

} // namespace belvane::stats
