#pragma once

// Filters: keep or remove the combinations of the list that have one of the
// selected values of a statistic, and the values a filter takes from each view.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "combs/comb_list.h"
#include "combs/history.h"
#include "stats/matcher.h"
#include "stats/stat_values.h"
#include "support/translation.h"

namespace belvane::stats {
class TCustomStat;
}

namespace belvane::combs {

inline constexpr std::string_view KeepSelectedCaption = BELVANE_TEXT("Оставить выделенные");
inline constexpr std::string_view RemoveSelectedCaption = BELVANE_TEXT("Удалить выделенные");
inline constexpr std::string_view NoFilterValuesMessage =
    BELVANE_TEXT("В выделенном диапазоне нет значений для фильтра!");

// What a filter applies: the selected value records, how the history shows it.
struct FilterSelection {
    stats::TStatDrawArray Values;
    std::string Caption;    // the history row's caption
    std::string ValuesText; // the history row's values
};

// The last draw a filter compares with: (draws - 1) - offset, or 0 when the
// offset reaches past the first draw.
int FilterLastIndex(int drawCount, int offset);

// Reduces the list to the combinations that have a selected value (remove =
// false) or to those that have none (remove = true), and appends the history
// row. Returns whether it ran to the end (progress may stop it; the list then
// holds what was kept so far, and no row is added).
bool ApplyFilter(CombinationList& list, OperationHistory& history, stats::TCustomStat& method,
                 const FilterSelection& selection, bool remove, const stats::MatchContext& at,
                 const std::function<bool(size_t, size_t)>& progress = {});
// The same with the test already prepared from the selection.
bool ApplyFilter(CombinationList& list, OperationHistory& history, const stats::Matcher& matcher,
                 const FilterSelection& selection, bool remove,
                 const std::function<bool(size_t, size_t)>& progress = {});

// Values from the card or layout view: plain numbers for "NUMS". Cells in
// reading order (column by column, row by row); empty cells are passed over;
// a layout cell holds numbers separated by "," (with "[" and "]" removed).
// A number already taken is passed over. Throws Error(NoFilterValuesMessage)
// when no value is found.
FilterSelection NumbersFromCells(std::span<const std::string> cells, bool layoutCells, std::string caption);

// Values from the week view: the column indexes first..last.
FilterSelection WeekColumns(int first, int last);

// Value text of table rows: their first-column captions joined with "; ".
std::string JoinValueTexts(std::span<const std::string> texts);

// The scenario filter-step dialog's checks, in order. The message to show and
// the control to focus, or nothing when the step is acceptable.
struct FilterStepInput {
    std::string DrawsLen;      // edDrawsLen
    int LevelMode = 0;         // cbLevelMode: 0..31
    std::string LevelValue;    // edLevelValue
    bool ValueFromText = true; // of the chosen statistic
    bool MultiSelect = false;  // cbMultiSelect
    int StopMode = 0;          // cbStopMode
};
struct FilterStepProblem {
    std::string Message;
    std::string Control;
};
std::optional<FilterStepProblem> ValidateFilterStep(const FilterStepInput& step);

} // namespace belvane::combs
