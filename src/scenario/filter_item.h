#pragma once

// One filter step of a scenario line, as typed ("TMF1#NUMS:10,20#LMV:1-3;1#SF:1")
// and as the runner applies it (one draw count, one value). Parsing never
// fails: whether a step is usable is decided when its variants are expanded.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "combs/filter.h"
#include "stats/config_data.h"

namespace belvane::stats {
class TStatList;
}

namespace belvane::scenario {

// Filter fields of a line, and filter slots of a variant.
inline constexpr int FilterSlotCount = 7;

// The sort column a new step starts with ("Количество").
inline constexpr int DefaultSortColumn = 1;

// The coefficient block a step carries when it does not override the global one.
inline constexpr stats::WeightCoefficients NoWeights{0, 0, 0, false, false};

struct TFilterItem {
    bool Active = false;
    std::string MethodText; // the method word as read, kept for a method the registry lacks
    // Registry entry of the method, -1 when the word names none. Valid for the
    // registry the text was parsed against until it is rebuilt.
    int Method = -1;
    std::string DrawsText; // the draw counts in integer-list notation, as typed
    int32_t SortColumn = 0;
    bool BottomUp = false;
    bool MultiSelect = false;
    bool Keep = false;
    uint8_t Condition = 0;     // Conditions
    std::string ConditionText; // the condition's value(s) as typed
    bool CoefOverride = false;
    stats::WeightCoefficients Weights = NoWeights;
    uint8_t StopMode = 0; // StopModes
    int32_t StopValue = 0;

    friend bool operator==(const TFilterItem&, const TFilterItem&) = default;
};

struct TFilterPart {
    bool Active = false;
    int Method = -1;
    int32_t DrawCount = 0;
    int32_t SortColumn = 0;
    bool BottomUp = false;
    bool MultiSelect = false;
    bool Keep = false;
    uint8_t Condition = 0;
    // One value for a one-value condition; the whole list joined with "," for a
    // list condition; the text as typed for "LNO".
    std::string ConditionValue;
    std::string ConditionText; // what the part prints: the single value, or the text as typed
    bool CoefOverride = false;
    stats::WeightCoefficients Weights = NoWeights;
    uint8_t StopMode = 0;
    int32_t StopValue = 0;

    friend bool operator==(const TFilterPart&, const TFilterPart&) = default;
};

// The filters of one variant in slot order (slot k: the k-th non-empty filter field).
using TFilterRec = std::array<TFilterPart, FilterSlotCount>;

// The registry entry a method word ("CHN12:100") names: the entry whose ID
// equals the word's text before ":" (ignoring case), else the first entry in
// registry order whose ID the word begins with; -1 when none.
int FindFilterMethod(const stats::TStatList& list, std::string_view methodWord);

TFilterItem ParseFilterItem(const stats::TStatList& list, std::string_view text);

// The canonical text of an item; empty for an inactive one.
std::string FilterItemText(const stats::TStatList& list, const TFilterItem& item);

// A part prints like its item, but with the flag letters alone, its single
// draw count and its condition text; empty for an inactive part.
std::string FilterPartText(const stats::TStatList& list, const TFilterPart& part);

// The active parts' texts joined with " + ".
std::string FilterRecText(const stats::TStatList& list, const TFilterRec& rec);

// The filter dialog's start for a new step: the main window's method and draw
// count, sorted by "Количество", top-down, one row at a time, deleting, every
// row, stop rule "SF" with value 1, the global coefficients shown.
TFilterItem NewFilterItem(int method, std::string drawsText, const stats::WeightCoefficients& globalWeights);

// The filter dialog's checks applied to an item.
combs::FilterStepInput FilterStepInputOf(const stats::TStatList& list, const TFilterItem& item);

} // namespace belvane::scenario
