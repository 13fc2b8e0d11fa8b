#pragma once

// A rating's key back into the scenario line that made its stakes. The runner
// comments a stake with the line and variant numbers, the line's comment, "@",
// the printed options and the filters of the variant joined with " + "; the
// line made from such a key has those options and filters, and the text
// before "@" as its comment.

#include <string>
#include <string_view>
#include "support/translation.h"

namespace belvane::stats {
class TStatList;
}

namespace belvane::scenario {

inline constexpr std::string_view RatingsToScriptStatus = BELVANE_TEXT("Генерация новых строк в сценарии...");

// The line text of a key: the part after the last " @ " (the first "@" when
// no "@" stands alone; the whole key when there is none) with every " + "
// made a field delimiter, blank filter fields up to seven, and the part
// before it as the comment.
std::string RatingKeyToScriptLine(std::string_view key);

// Whether a line can go into the scenario: its options print a summary and at
// least one of its filter fields reads as a filter.
bool IsUsableScriptLine(const stats::TStatList& list, std::string_view line);

// "Строку\r\r%s\r\rневозможно добавить в сценарий!" with the key.
std::string UnusableRatingKeyText(std::string_view key);

// A key as long as the rating keeps: the comment it came from may have been
// cut, and the line read from it would not be the one that made the stakes
// (a cut "ST:12" reads as "ST:1").
bool MayBeCutRatingKey(std::string_view key);
// "Строку\r\r%s\r\rневозможно добавить в сценарий: ... мог быть обрезан!" with the key.
std::string CutRatingKeyText(std::string_view key);

// The line of a key when it is usable; throws Error with CutRatingKeyText for
// a key that may have been cut, with UnusableRatingKeyText for one that makes
// no usable line.
std::string UsableRatingKeyLine(const stats::TStatList& list, std::string_view key);

} // namespace belvane::scenario
