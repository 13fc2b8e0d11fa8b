#pragma once

// The ratings: one row per distinct stake comment (letter case aside) with
// the results of its checked stakes, and the order the list shows them in.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "stakes/rating_record.h"

namespace belvane::stakes {

class Ratings {
public:
    Ratings() = default;
    explicit Ratings(std::filesystem::path file) : file_(std::move(file)) {}

    // The ratings file, and whether reading it failed (its bytes are then kept
    // as "<file>.bad" before anything overwrites it).
    const std::filesystem::path& file() const { return file_; }
    // Ratings that are read but never saved (a session that only reads).
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool loadFailed() const { return loadFailed_; }
    void setLoadFailed(bool failed) { loadFailed_ = failed; }

    const TRatingsArray& records() const { return records_; }
    size_t size() const { return records_.size(); }
    bool empty() const { return records_.empty(); }

    // Adds one checked stake to the row of its comment, or a new row at the
    // end. Matches outside 0..6 (an unchecked stake, a damaged record) add nothing.
    void add(std::string_view commentUtf8, int matches, Money profit);
    // The same for a comment as the stakes file holds it (Windows-1251).
    void addCp1251(std::string_view comment, int matches, Money profit);
    // Takes back what addCp1251 added for a stake that is no longer checked;
    // a row left with nothing goes. Counts do not go below zero (a loaded
    // file may not hold what the stakes added).
    void removeCp1251(std::string_view comment, int matches, Money profit);

    // The row of a comment (letter case aside), as add() finds it.
    std::optional<size_t> find(std::string_view commentUtf8) const;

    void assign(TRatingsArray records);
    void clear() { assign({}); }
    // Exchanges the rows (the file and the sort order stay).
    void swapRecords(Ratings& other) noexcept;

    // The list's sort column (-1: none) and direction, and sorting by them.
    int sortColumn() const { return sortColumn_; }
    bool descending() const { return descending_; }
    void setSortOrder(int column, bool descending);
    void sort();

private:
    void reindex();

    std::filesystem::path file_;
    bool readOnly_ = false;
    bool loadFailed_ = false;
    TRatingsArray records_;
    // Case-folded Windows-1251 key -> first row with that key.
    std::unordered_map<std::string, size_t> index_;
    std::string folded_; // reused for lookups
    int sortColumn_ = -1;
    bool descending_ = false;
};

} // namespace belvane::stakes
