#include "scenario/script_line.h"

#include "support/delphi_format.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::scenario {

bool IsSeparatorLine(std::string_view line)
{
    return text::trim(line).empty();
}

ScriptLineFields SplitScriptLine(std::string_view line)
{
    const auto words = text::split(line, std::string_view(&FieldDelimiter, 1), true);
    auto field = [&](size_t n) { return n < words.size() ? std::string(text::trim(words[n])) : std::string(); };
    ScriptLineFields fields;
    fields.Options = field(0);
    for (size_t i = 0; i < fields.Filters.size(); ++i)
        fields.Filters[i] = field(i + 1);
    fields.Comment = field(fields.Filters.size() + 1);
    return fields;
}

std::string JoinScriptLine(const ScriptLineFields& fields)
{
    // Empty fields are written as a blank: a run of delimiters reads as one,
    // so an empty field would shift every field after it.
    const std::string_view options = text::trim(fields.Options);
    std::string out(options.empty() ? std::string_view(" ") : options);
    for (const std::string& filter : fields.Filters) {
        out += FieldDelimiter;
        const std::string_view trimmed = text::trim(filter);
        out += trimmed.empty() ? std::string_view(" ") : trimmed;
    }
    out += FieldDelimiter;
    out += text::trim(fields.Comment);
    return out;
}

std::vector<TFilterItem> ParseLineFilters(const stats::TStatList& list, const ScriptLineFields& fields)
{
    std::vector<TFilterItem> items;
    for (const std::string& filter : fields.Filters)
        if (!text::trim(filter).empty())
            items.push_back(ParseFilterItem(list, filter));
    return items;
}

std::string ScriptColumnCaption(int column)
{
    if (column < 0 || column >= ScriptColumnCount)
        return {};
    return support::Text(ScriptColumnCaptions[static_cast<size_t>(column)]);
}

std::array<std::string, ScriptColumnCount> ScriptRowTexts(const stats::TStatList& list, std::string_view line)
{
    std::array<std::string, ScriptColumnCount> row;
    if (IsSeparatorLine(line))
        return row;
    const ScriptLineFields fields = SplitScriptLine(line);
    row[0] = fields.Comment;
    row[1] = ScriptOptionsSummary(ParseScriptOptions(fields.Options));
    for (size_t i = 0; i < fields.Filters.size(); ++i)
        row[i + 2] = FilterItemText(list, ParseFilterItem(list, fields.Filters[i]));
    return row;
}

std::string CanonicalScriptLine(const stats::TStatList& list, std::string_view line)
{
    if (IsSeparatorLine(line))
        return {};
    ScriptLineFields fields = SplitScriptLine(line);
    fields.Options = ScriptOptionsText(ParseScriptOptions(fields.Options));
    for (std::string& filter : fields.Filters)
        filter = FilterItemText(list, ParseFilterItem(list, filter));
    return JoinScriptLine(fields);
}

std::string ScriptLinesStatus(int count)
{
    return DelphiFormat(support::Text("Строк: %d"), {int64_t{count}});
}

} // namespace belvane::scenario
