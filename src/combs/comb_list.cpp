#include "combs/comb_list.h"

#include <algorithm>
#include <cstring>

#include "combs/ordered_pass.h"

namespace belvane::combs {

void CombBuffer::reserve(size_t capacity)
{
    if (capacity <= capacity_)
        return;
    auto bigger = std::make_unique_for_overwrite<TComb[]>(capacity);
    if (size_ > 0)
        std::memcpy(bigger.get(), data_.get(), size_ * sizeof(TComb));
    data_ = std::move(bigger);
    capacity_ = capacity;
}

void CombBuffer::setSize(size_t n)
{
    reserve(n);
    size_ = n;
}

void CombBuffer::push_back(const TComb& c)
{
    if (size_ == capacity_)
        reserve(std::max<size_t>(64, capacity_ * 2));
    data_[size_++] = c;
}

void CombBuffer::assign(std::span<const TComb> combs)
{
    reserve(combs.size());
    if (!combs.empty())
        std::memmove(data_.get(), combs.data(), combs.size() * sizeof(TComb));
    size_ = combs.size();
}

void CombBuffer::swap(CombBuffer& other) noexcept
{
    std::swap(data_, other.data_);
    std::swap(capacity_, other.capacity_);
    std::swap(size_, other.size_);
}

void CombinationList::reserveFullSet()
{
    list_.reserve(static_cast<size_t>(model::FullSetSize));
    if (keepUndo_)
        undo_.reserve(static_cast<size_t>(model::FullSetSize));
}

void CombinationList::saveUndo()
{
    if (keepUndo_)
        undo_.assign(list_.view());
}

void CombinationList::restoreUndo()
{
    if (!keepUndo_)
        return;
    // The undo copy becomes the list; the old list's storage becomes the empty undo copy.
    list_.swap(undo_);
    undo_.clear();
}

bool CombinationList::reduce(const ChunkFilter& keep, const std::function<bool(size_t, size_t)>& progress)
{
    const TComb* in = list_.data();
    if (keepUndo_) {
        // Saving the undo copy and rebuilding the list from it is, in effect,
        // the old list moving into the undo copy: swap instead of copying.
        undo_.swap(list_);
        list_.reserve(undo_.capacity());
        in = undo_.data();
    }
    const size_t n = keepUndo_ ? undo_.size() : list_.size();
    // In place, each chunk writes at most what it reads, at its own start.
    const OrderedPassResult r = OrderedParallelPass(
        n, list_.data(),
        [&](size_t begin, size_t end, TComb* out) {
            return keep(begin, std::span<const TComb>(in + begin, end - begin), out);
        },
        progress);
    list_.setSize(r.Count);
    return r.Complete;
}

} // namespace belvane::combs
