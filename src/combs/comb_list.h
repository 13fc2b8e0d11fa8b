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
    // keepUndo: a reduction keeps the old list as the undo copy (the desktop
    // program); without it the list is filtered in place and nothing can be
    // taken back (a one-shot command needs no second 49 MB buffer).
    explicit CombinationList(bool keepUndo = true) : keepUndo_(keepUndo) {}

    // Reserves the list (and the undo copy when kept) for all 8,145,060
    // combinations. Pages are touched only when written.
    void reserveFullSet();

    const CombBuffer& list() const { return list_; }
    CombBuffer& list() { return list_; }
    size_t count() const { return list_.size(); }
    std::span<const TComb> combs() const { return list_.view(); }

    // One level of undo: saveUndo copies the list into the undo copy,
    // restoreUndo brings it back and empties the copy, dropUndo empties it.
    // Without an undo copy they do nothing.
    bool keepsUndo() const { return keepUndo_; }
    void saveUndo();
    void restoreUndo();
    void dropUndo() { undo_.clear(); }
    bool canUndo() const { return !undo_.empty(); }
    const CombBuffer& undo() const { return undo_; }

    // A reduction: keeps, in their order, the combinations keep() accepts.
    // keep(first, chunk, out) sees the chunk of the list that starts at index
    // `first` and writes the kept ones to `out`, returning how many; chunks
    // run on every core. With an undo copy the old list becomes the undo copy
    // (its storage swapped, not copied); without one the list is rebuilt in
    // place. progress(done, total) runs on the calling thread; returning false
    // stops the rebuild, leaving the combinations kept so far. Returns
    // whether it ran to the end.
    using ChunkFilter = std::function<size_t(size_t first, std::span<const TComb> chunk, TComb* out)>;
    bool reduce(const ChunkFilter& keep, const std::function<bool(size_t, size_t)>& progress = {});

private:
    CombBuffer list_;
    CombBuffer undo_;
    bool keepUndo_;
};

} // namespace belvane::combs
