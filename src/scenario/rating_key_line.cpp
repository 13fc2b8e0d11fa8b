#include "scenario/rating_key_line.h"

#include <fmt/format.h>

#include "scenario/script_line.h"
#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::scenario {

std::string RatingKeyToScriptLine(std::string_view key)
{
    std::string_view comment;
    std::string_view rest = key;
    if (const size_t at = key.find('@'); at != std::string_view::npos) {
        comment = text::trim(key.substr(0, at));
        rest = text::trim(key.substr(at + 1));
    }
    std::string line = text::replaceAll(rest, " + ", std::string(1, FieldDelimiter));
    const std::string_view delimiter(&FieldDelimiter, 1);
    // The options and seven filters: an empty filter keeps its place with a blank.
    while (text::split(line, delimiter, true).size() <= static_cast<size_t>(FilterSlotCount)) {
        line += FieldDelimiter;
        line += ' ';
    }
    line += FieldDelimiter;
    line += comment;
    return line;
}

bool IsUsableScriptLine(const stats::TStatList& list, std::string_view line)
{
    const ScriptLineFields fields = SplitScriptLine(line);
    if (ScriptOptionsSummary(ParseScriptOptions(fields.Options)).empty())
        return false;
    for (const std::string& filter : fields.Filters)
        if (!FilterItemText(list, ParseFilterItem(list, filter)).empty())
            return true;
    return false;
}

std::string UnusableRatingKeyText(std::string_view key)
{
    return support::Message("Строку\r\r{}\r\rневозможно добавить в сценарий!", key);
}

std::string UsableRatingKeyLine(const stats::TStatList& list, std::string_view key)
{
    std::string line = RatingKeyToScriptLine(key);
    if (!IsUsableScriptLine(list, line))
        throw Error(UnusableRatingKeyText(key));
    return line;
}

} // namespace belvane::scenario
