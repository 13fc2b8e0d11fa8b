#pragma once

// The operation history shown beside the combination list: what was done,
// with which values, and how many combinations were left.

#include <string>
#include <string_view>
#include <vector>

#include "support/translation.h"

namespace belvane::combs {

// The history row's icon: the two directions of a filter, and a roll-back.
enum class HistoryIcon { Keep, Remove, Rollback };

struct HistoryRow {
    std::string Caption; // "Примененные фильтры"
    std::string Values;  // "Значения"
    size_t Count = 0;    // "Комбинаций"
    HistoryIcon Icon = HistoryIcon::Remove;
};

inline constexpr std::string_view HistoryCaptions[] = {BELVANE_TEXT("Примененные фильтры"), BELVANE_TEXT("Значения"),
                                                       BELVANE_TEXT("Комбинаций")};
inline constexpr std::string_view RollbackCaption = BELVANE_TEXT("Отмена последней операции");

class OperationHistory {
public:
    const std::vector<HistoryRow>& Rows() const { return rows_; }
    void Clear() { rows_.clear(); }
    void Add(HistoryIcon icon, std::string caption, std::string values, size_t count)
    {
        rows_.push_back({std::move(caption), std::move(values), count, icon});
    }
    void AddRollback(size_t count)
    {
        rows_.push_back({support::Text(RollbackCaption), {}, count, HistoryIcon::Rollback});
    }
    void RemoveLast()
    {
        if (!rows_.empty())
            rows_.pop_back();
    }

private:
    std::vector<HistoryRow> rows_;
};

} // namespace belvane::combs
