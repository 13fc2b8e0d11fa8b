#include "scenario/rating_key_line.h"

#include <fmt/format.h>

#include "scenario/script_line.h"
#include "stakes/rating_record.h"
#include "support/cp1251.h"
#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::scenario {

namespace {

// Where the key's comment ends: the last "@" standing as a word of its own
// (the printed options and filters hold no "@", a line's comment may), else
// the first "@" at all.
size_t commentEnd(std::string_view key)
{
    for (size_t at = key.rfind('@'); at != std::string_view::npos;
         at = at == 0 ? std::string_view::npos : key.rfind('@', at - 1)) {
        const bool before = at == 0 || key[at - 1] == ' ';
        const bool after = at + 1 == key.size() || key[at + 1] == ' ';
        if (before && after)
            return at;
    }
    return key.find('@');
}

} // namespace

std::string RatingKeyToScriptLine(std::string_view key)
{
    std::string_view comment;
    std::string_view rest = key;
    if (const size_t at = commentEnd(key); at != std::string_view::npos) {
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

bool MayBeCutRatingKey(std::string_view key)
{
    return cp1251::fromUtf8(key).size() >= stakes::RatingKeyCapacity;
}

std::string CutRatingKeyText(std::string_view key)
{
    return support::Message("Строку\r\r{}\r\rневозможно добавить в сценарий: она занимает все {} символов "
                            "комментария ставки, и ее конец мог быть обрезан!",
                            key, stakes::RatingKeyCapacity);
}

std::string UsableRatingKeyLine(const stats::TStatList& list, std::string_view key)
{
    if (MayBeCutRatingKey(key))
        throw Error(CutRatingKeyText(key));
    std::string line = RatingKeyToScriptLine(key);
    if (!IsUsableScriptLine(list, line))
        throw Error(UnusableRatingKeyText(key));
    return line;
}

} // namespace belvane::scenario
