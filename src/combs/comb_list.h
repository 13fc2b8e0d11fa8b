#pragma once

// The combination list: the working set of candidate combinations, with its
// one-level undo copy. Both buffers are reserved once for the full set, so
// generation and every reduction work in place without reallocating.

#include <cstddef>
#include <functional>
#include <memory>
#include <span>

#include "model/game.h"

namespace belvane::combs {

using model::TComb;

// A fixed-capacity array of combinations and the count in use.
class CombBuffer {
public:
    CombBuffer() = default;
    explicit CombBuffer(size_t capacity) { reserve(capacity); }

    void reserve(size_t capacity); // keeps the combinations in use
    size_t capacity() const { return capacity_; }
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    TComb* data() { return data_.get(); }
    const TComb* data() const { return data_.get(); }
    std::span<const TComb> view() const { return {data_.get(), size_}; }
    const TComb& operator[](size_t i) const { return data_[i]; }

    void clear() { size_ = 0; }
    // Sets the count; the first n entries must have been written. Grows when needed.
    void setSize(size_t n);
    void push_back(const TComb& c);
    void assign(std::span<const TComb> combs);

    void swap(CombBuffer& other) noexcept;

private:
    std::unique_ptr<TComb[]> data_;
    size_t capacity_ = 0;
    size_t size_ = 0;
};

class CombinationList {
public:
    // Reserves both buffers for all 8,145,060 combinations.
    void reserveFullSet();

    const CombBuffer& list() const { return list_; }
    CombBuffer& list() { return list_; }
    size_t count() const { return list_.size(); }
    std::span<const TComb> combs() const { return list_.view(); }

    // One level of undo: SaveUndo copies the list into the undo copy,
    // RestoreUndo brings it back and empties the copy, DropUndo empties it.
    void SaveUndo();
    void RestoreUndo();
    void DropUndo() { undo_.clear(); }
    bool canUndo() const { return !undo_.empty(); }
    const CombBuffer& undo() const { return undo_; }

    // A reduction: saves the undo copy and rebuilds the list from it, keeping,
    // in their order, the combinations keep() accepts. keep() sees each chunk
    // of the undo copy (begin, end) and writes the kept ones to `out`,
    // returning how many; chunks run on every core. progress(done, total)
    // runs on the calling thread; returning false stops the rebuild, leaving
    // the combinations kept so far. Returns whether it ran to the end.
    using ChunkFilter = std::function<size_t(std::span<const TComb> chunk, TComb* out)>;
    bool Reduce(const ChunkFilter& keep, const std::function<bool(size_t, size_t)>& progress = {});

    // Rebuilds the list from the undo copy as Reduce does, without saving the
    // undo copy first (the caller saved it).
    bool RebuildFromUndo(const ChunkFilter& keep, const std::function<bool(size_t, size_t)>& progress = {});

private:
    CombBuffer list_;
    CombBuffer undo_;
};

} // namespace belvane::combs
