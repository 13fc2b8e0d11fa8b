#include "scenario/row_condition.h"

#include <algorithm>
#include <fmt/format.h>
#include <optional>

#include "scenario/script_codes.h"
#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::scenario {
namespace {

// What an unreadable cell counts as, by the comparison it is in.
constexpr int64_t kUnreadableHigh = 65535;

std::optional<int64_t> readInt(std::string_view cell)
{
    return text::parseInt64(text::trim(cell));
}

std::optional<double> readDecimal(std::string_view cell)
{
    return text::parseDouble(text::trim(cell));
}

int64_t oneValue(std::string_view value)
{
    const auto v = readInt(value);
    if (!v)
        throw Error(support::Message("\"{}\" не является целым числом!", text::trim(value)));

    return *v;
}

std::vector<int64_t> listValues(std::string_view value)
{
    std::vector<int64_t> values;
    for (std::string_view word : text::split(value, ",;", true)) {
        if (text::trim(word).empty())
            continue;
        values.push_back(oneValue(word));
    }
    return values;
}

std::string_view column(const TStatValues& row, int condition)
{
    return ColumnCell(row, ConditionColumn(condition));
}

bool listed(const std::vector<int64_t>& values, int64_t v)
{
    return std::find(values.begin(), values.end(), v) != values.end();
}

} // namespace

RowColumn ConditionColumn(int condition)
{
    switch (condition) {
    case 1:
    case 3:
    case 5:
        return RowColumn::Depth;
    case 2:
    case 4:
    case 6:
        return RowColumn::DepthPercent;
    case 7:
    case 9:
    case 11:
        return RowColumn::Deviation;
    case 8:
    case 10:
    case 12:
        return RowColumn::DeviationPercent;
    case 13:
    case 15:
    case 17:
        return RowColumn::Count;
    case 14:
    case 16:
    case 18:
        return RowColumn::CountPercent;
    case 19:
    case 20:
    case 21:
        return RowColumn::Weight;
    case 22:
    case 23:
    case 24:
        return RowColumn::PeriodMin;
    case 25:
    case 26:
    case 27:
        return RowColumn::Period;
    case 28:
    case 29:
    case 30:
        return RowColumn::PeriodMax;
    default:
        return RowColumn::None;
    }
}

std::string_view ColumnCell(const TStatValues& row, RowColumn column)
{
    switch (column) {
    case RowColumn::Count:
        return row.Count;
    case RowColumn::CountPercent:
        return row.CountPercent;
    case RowColumn::Deviation:
        return row.Deviation;
    case RowColumn::DeviationPercent:
        return row.DeviationPercent;
    case RowColumn::Depth:
        return row.Depth;
    case RowColumn::DepthPercent:
        return row.DepthPercent;
    case RowColumn::Weight:
        return row.Weight;
    case RowColumn::PeriodMin:
        return row.PeriodMin;
    case RowColumn::Period:
        return row.Period;
    case RowColumn::PeriodMax:
        return row.PeriodMax;
    case RowColumn::None:
        break;
    }
    return {};
}

RowCondition::RowCondition(int condition, std::string_view value) : condition_(condition)
{
    if (condition == ConditionNone)
        return;
    if (IsListCondition(condition))
        values_ = listValues(value);
    else
        value_ = oneValue(value);
}

bool RowCondition::Holds(const TStatValues& row) const
{
    const std::string_view cell = column(row, condition_);
    const auto v = static_cast<double>(value_);
    switch (condition_) {
    case 0:
        return true;
    case 1:
    case 7:
    case 13:
    case 22:
    case 28:
        return readInt(cell).value_or(0) >= value_;
    case 2:
    case 8:
    case 14:
    case 19:
    case 25:
        return readDecimal(cell).value_or(0) >= v;
    case 3:
    case 9:
    case 15:
    case 23:
    case 29:
        return value_ >= readInt(cell).value_or(kUnreadableHigh);
    case 4:
    case 10:
    case 16:
        return readDecimal(cell).value_or(static_cast<double>(kUnreadableHigh)) <= v;
    case 20:
    case 26:
        return readDecimal(cell).value_or(0) <= v;
    case 5:
    case 11:
    case 17:
    case 24:
    case 30: {
        const auto n = readInt(cell);
        return n && listed(values_, *n);
    }
    case 6:
    case 12:
    case 18:
    case 21:
    case 27: {
        const auto d = readDecimal(cell);
        return d &&
               std::any_of(values_.begin(), values_.end(), [&](int64_t x) { return *d == static_cast<double>(x); });
    }
    case ConditionValues:
        return listed(values_, row.Key);
    default:
        return false;
    }
}

bool RowCondition::HasValue(const TStatValues& row) const
{
    const RowColumn c = ConditionColumn(condition_);
    return c == RowColumn::None || readDecimal(ColumnCell(row, c)).has_value();
}

bool StopsBeforeRow(int stopMode, int32_t stopValue, bool bottomUp, bool multiSelect, const TStatValues& row, int step,
                    size_t combsLeft)
{
    switch (stopMode) {
    case StopCombCount:
        return !multiSelect && static_cast<int64_t>(stopValue) >= static_cast<int64_t>(combsLeft);
    case StopCount: {
        const int64_t count = readInt(row.Count).value_or(0);
        return bottomUp ? count >= stopValue : count <= stopValue;
    }
    case StopPercent: {
        const double percent = readDecimal(row.CountPercent).value_or(0);
        return bottomUp ? percent >= stopValue : percent <= stopValue;
    }
    case StopStepCount:
        return step >= stopValue;
    default: // "SF" walks every row; "SZ" acts after an application
        return false;
    }
}

} // namespace belvane::scenario
