#include "scenario/filter_variants.h"

#include <limits>

#include "model/int_list.h"
#include "scenario/script_codes.h"
#include "support/delphi_format.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/translation.h"

namespace belvane::scenario {
namespace {

// The count is shown with "%d".
constexpr int64_t kMaxVariants = std::numeric_limits<int32_t>::max();

model::TIntArray expand(std::string_view text)
{
    return model::ParseIntList(text).value_or(model::TIntArray{});
}

std::string joinValues(const model::TIntArray& values)
{
    std::string out;
    for (size_t i = 0; i < values.size(); ++i)
        out += (i ? "," : "") + std::to_string(values[i]);
    return out;
}

} // namespace

FilterVariants::FilterVariants(const stats::TStatList& list, std::span<const TFilterItem> items)
{
    int64_t count = 1;
    for (const TFilterItem& item : items) {
        if (!item.Active || dims_.size() == static_cast<size_t>(FilterSlotCount))
            continue;
        Dimension d;
        d.DrawCounts = expand(item.DrawsText);
        const bool oneValue = IsOneValueCondition(item.Condition);
        if (item.Condition != ConditionNone)
            d.Values = expand(item.ConditionText);
        if (d.DrawCounts.empty() || (item.Condition != ConditionNone && d.Values.empty()))
            throw Error(DelphiFormat(support::Text(BadFilterMessage), {FilterItemText(list, item)}));
        // Listed values are compared with the key a method reads from a value
        // text; a method without such keys would select every row or none.
        if (item.Condition == ConditionValues && item.Method >= 0 && item.Method < list.MethodCount() &&
            !list.ValueFromText(item.Method))
            throw Error(support::Text(NoValueListMessage));

        // Both factors stay below 2^31 before they are multiplied, so nothing overflows.
        const int64_t size = static_cast<int64_t>(d.DrawCounts.size()) * (oneValue ? d.Values.size() : 1);
        if (size > kMaxVariants || (count *= size) > kMaxVariants)
            throw Error(support::Text(TooManyVariantsMessage) + "\r\r" +
                        DelphiFormat(support::Text("Количество вариантов больше %d."), {kMaxVariants}));

        d.Size = static_cast<int>(size);

        TFilterPart& base = d.Base;
        base.Active = true;
        base.Method = item.Method;
        base.SortColumn = item.SortColumn;
        base.BottomUp = item.BottomUp;
        base.MultiSelect = item.MultiSelect;
        base.Keep = item.Keep;
        base.Condition = item.Condition;
        base.ConditionText = item.ConditionText;
        base.ConditionValue = IsListCondition(item.Condition) ? joinValues(d.Values) : item.ConditionText;
        base.CoefOverride = item.CoefOverride;
        base.Weights = item.Weights;
        base.StopMode = item.StopMode;
        base.StopValue = item.StopValue;
        if (!oneValue)
            d.Values.clear(); // the parts carry the joined list or the text as typed
        dims_.push_back(std::move(d));
    }
    count_ = dims_.empty() ? 0 : static_cast<int>(count);
    odometer_.assign(dims_.size(), 0);
}

void FilterVariants::Fill(TFilterRec& rec, size_t slot) const
{
    const Dimension& d = dims_[slot];
    const int index = odometer_[slot];
    TFilterPart& part = rec[slot];
    part = d.Base;
    if (d.Values.empty()) {
        part.DrawCount = d.DrawCounts[static_cast<size_t>(index)];
    } else {
        const size_t values = d.Values.size();
        part.DrawCount = d.DrawCounts[static_cast<size_t>(index) / values];
        part.ConditionValue = std::to_string(d.Values[static_cast<size_t>(index) % values]);
        part.ConditionText = part.ConditionValue;
    }
}

bool FilterVariants::Next(TFilterRec& rec)
{
    if (position_ >= count_)
        return false;
    for (size_t slot = 0; slot < rec.size(); ++slot) {
        if (slot < dims_.size())
            Fill(rec, slot);
        else
            rec[slot] = TFilterPart{};
    }
    ++position_;
    // Turn the odometer: the last filter fastest.
    for (size_t slot = dims_.size(); slot-- > 0;) {
        if (++odometer_[slot] < dims_[slot].Size)
            break;
        odometer_[slot] = 0;
    }
    return true;
}

void FilterVariants::Rewind()
{
    position_ = 0;
    odometer_.assign(dims_.size(), 0);
}

} // namespace belvane::scenario
