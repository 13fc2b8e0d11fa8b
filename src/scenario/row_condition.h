#pragma once

// How a scenario's filter step reads the statistics table: which rows a
// selection condition picks, and when a stop rule ends the walk. Cells are
// read as the table shows them; "-" marks a cell without a value.

#include <cstdint>
#include <string_view>
#include <vector>

namespace belvane::scenario {

// One row of the statistics table as the runner reads it: the value text,
// the method's integer key for it, and the texts of the columns it compares.
struct TStatValues {
    std::string_view Caption;
    int32_t Key = 0;
    std::string_view Count;            // "Количество"
    std::string_view CountPercent;     // "Кол-во в %"
    std::string_view Deviation;        // "Отклонение"
    std::string_view DeviationPercent; // "Откл-ие в %"
    std::string_view Depth;            // "Глубина"
    std::string_view DepthPercent;     // "Глубина в %"
    std::string_view Weight;           // "Вес"
    std::string_view PeriodMin;        // "Период min"
    std::string_view Period;           // "Период"
    std::string_view PeriodMax;        // "Период max"
};

// The column of the table a selection condition compares; None for "LNO"
// and "LVA", which read no column.
enum class RowColumn {
    None,
    Count,
    CountPercent,
    Deviation,
    DeviationPercent,
    Depth,
    DepthPercent,
    Weight,
    PeriodMin,
    Period,
    PeriodMax,
};
RowColumn ConditionColumn(int condition);
std::string_view ColumnCell(const TStatValues& row, RowColumn column);

// A selection condition with its value(s), read once for the whole walk.
class RowCondition {
public:
    // A one-value condition takes an integer; a list condition integers
    // separated by "," or ";". Throws Error with the conversion's message for
    // a value that is no integer.
    RowCondition(int condition, std::string_view value);

    // A list condition never picks a cell without a value: "-" equals no number.
    bool Holds(const TStatValues& row) const;
    // Whether the row's cell in the condition's column holds a number (a
    // condition reading no column finds one in every row).
    bool HasValue(const TStatValues& row) const;

private:
    int condition_;
    int64_t value_ = 0;
    std::vector<int64_t> values_;
};

// Whether the walk stops before looking at this row. `step` counts the steps
// taken so far, `combsLeft` the combinations in the list; the stop rule "SC"
// counts only in a one-at-a-time walk.
bool StopsBeforeRow(int stopMode, int32_t stopValue, bool bottomUp, bool multiSelect, const TStatValues& row, int step,
                    size_t combsLeft);

} // namespace belvane::scenario
