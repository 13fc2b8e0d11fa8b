#include "stakes/ratings.h"

#include <limits>

#include "stakes/ratings_sort.h"
#include "support/cp1251.h"

namespace belvane::stakes {
namespace {

// Counts stop at their largest value instead of wrapping (a loaded file may
// already hold anything).
void addSaturating(int32_t& to, int32_t by)
{
    int32_t sum = 0;
    to = __builtin_add_overflow(to, by, &sum)
             ? (by > 0 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min())
             : sum;
}

void addSaturating(int64_t& to, int64_t by)
{
    int64_t sum = 0;
    to = __builtin_add_overflow(to, by, &sum)
             ? (by > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min())
             : sum;
}

void foldInto(std::string& out, std::string_view cp1251Key)
{
    const size_t length = std::min(cp1251Key.size(), RatingKeyCapacity); // as the file keeps it
    out.resize(length);
    for (size_t i = 0; i < length; ++i)
        out[i] = static_cast<char>(cp1251::foldCase(static_cast<unsigned char>(cp1251Key[i])));
}

} // namespace

std::optional<size_t> Ratings::find(std::string_view commentUtf8) const
{
    std::string folded;
    foldInto(folded, cp1251::fromUtf8(commentUtf8));
    const auto it = index_.find(folded);
    return it != index_.end() ? std::optional<size_t>(it->second) : std::nullopt;
}

void Ratings::add(std::string_view commentUtf8, int matches, Money profit)
{
    addCp1251(cp1251::fromUtf8(commentUtf8), matches, profit);
}

void Ratings::addCp1251(std::string_view comment, int matches, Money profit)
{
    if (matches < 0 || matches >= MatchSlots)
        return;
    foldInto(folded_, comment);
    auto it = index_.find(folded_);
    if (it == index_.end()) {
        RatingRecord r;
        r.Key = cp1251::toUtf8(comment.substr(0, RatingKeyCapacity));
        index_.emplace(folded_, records_.size());
        records_.push_back(std::move(r));
        it = index_.find(folded_);
    }
    RatingRecord& r = records_[it->second];
    addSaturating(r.Count, 1);
    addSaturating(r.MatchesSum, matches);
    addSaturating(r.MatchCounts[static_cast<size_t>(matches)], 1);
    addSaturating(r.Profit, profit);
}

void Ratings::removeCp1251(std::string_view comment, int matches, Money profit)
{
    if (matches < 0 || matches >= MatchSlots)
        return;
    foldInto(folded_, comment);
    auto it = index_.find(folded_);
    if (it == index_.end())
        return;
    RatingRecord& r = records_[it->second];
    auto takeOne = [](int32_t& v, int32_t by) { v = v > by ? v - by : 0; };
    takeOne(r.Count, 1);
    takeOne(r.MatchesSum, matches);
    takeOne(r.MatchCounts[static_cast<size_t>(matches)], 1);
    addSaturating(r.Profit, -profit);
    if (r.Count == 0) {
        records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(it->second));
        reindex();
    }
}

void Ratings::assign(TRatingsArray records)
{
    records_ = std::move(records);
    reindex();
}

void Ratings::swapRecords(Ratings& other) noexcept
{
    records_.swap(other.records_);
    index_.swap(other.index_);
}

void Ratings::setSortOrder(int column, bool descending)
{
    sortColumn_ = column;
    descending_ = descending;
}

void Ratings::sort()
{
    SortRatingsArray(records_, sortColumn_, descending_);
    reindex();
}

void Ratings::reindex()
{
    index_.clear();
    index_.reserve(records_.size());
    for (size_t i = 0; i < records_.size(); ++i) {
        foldInto(folded_, cp1251::fromUtf8(records_[i].Key));
        index_.emplace(folded_, i); // the first row of a key wins
    }
}

} // namespace belvane::stakes
