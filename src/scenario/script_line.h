#pragma once

// A scenario line: nine "|"-separated fields (options, seven filters, comment),
// or a separator. Fields are read as words: a run of "|" separates two fields,
// so an empty filter is written as a single blank to keep its place.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "scenario/filter_item.h"
#include "scenario/script_options.h"
#include "support/translation.h"

namespace belvane::stats {
class TStatList;
}

namespace belvane::scenario {

inline constexpr char FieldDelimiter = '|';

struct ScriptLineFields {
    std::string Options;
    std::array<std::string, FilterSlotCount> Filters;
    std::string Comment;

    friend bool operator==(const ScriptLineFields&, const ScriptLineFields&) = default;
};

// A line that is blank after trimming separates blocks of lines; it is never
// a command line (which would stake from the full set without filters).
bool IsSeparatorLine(std::string_view line);

// Field n is the n-th "|"-word, trimmed; missing fields are empty and words
// after the ninth are ignored.
ScriptLineFields SplitScriptLine(std::string_view line);

// The options and each filter trimmed (a blank for an empty one), the
// trimmed comment; without a comment the line ends with "|".
std::string JoinScriptLine(const ScriptLineFields& fields);

// The filters of a line for the runner: each non-empty filter field parsed,
// compacted to the front in field order.
std::vector<TFilterItem> ParseLineFilters(const stats::TStatList& list, const ScriptLineFields& fields);

// The scenario page: the comment, the options summary and every filter field
// in canonical form; a separator shows empty cells. Column captions are
// translated where they are shown (ScriptColumnCaption).
inline constexpr int ScriptColumnCount = 2 + FilterSlotCount;
inline constexpr std::array<std::string_view, ScriptColumnCount> ScriptColumnCaptions = {
    BELVANE_TEXT("Комментарии"), BELVANE_TEXT("Опции"),    BELVANE_TEXT("Фильтр 1"),
    BELVANE_TEXT("Фильтр 2"),    BELVANE_TEXT("Фильтр 3"), BELVANE_TEXT("Фильтр 4"),
    BELVANE_TEXT("Фильтр 5"),    BELVANE_TEXT("Фильтр 6"), BELVANE_TEXT("Фильтр 7")};
std::string ScriptColumnCaption(int column);
std::array<std::string, ScriptColumnCount> ScriptRowTexts(const stats::TStatList& list, std::string_view line);

// The line with its options and filters rewritten in canonical form.
std::string CanonicalScriptLine(const stats::TStatList& list, std::string_view line);

// The scenario status panel: "Строк: %d".
std::string ScriptLinesStatus(int count);

} // namespace belvane::scenario
