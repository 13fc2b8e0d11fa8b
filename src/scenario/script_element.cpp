#include "scenario/script_element.h"

#include "scenario/script_line.h"
#include "scenario/script_options.h"
#include "support/delphi_format.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::scenario {
namespace {

constexpr std::string_view kForbidden = "|\r\n";

bool hasForbidden(std::string_view s)
{
    return s.find_first_of(kForbidden) != std::string_view::npos;
}

} // namespace

ScriptElementFields ElementFieldsFromLine(std::string_view line, int32_t defaultDrawCount)
{
    ScriptElementFields fields;
    fields.DrawCount = defaultDrawCount;
    if (IsSeparatorLine(line))
        return fields;
    const ScriptLineFields parts = SplitScriptLine(line);
    const TScriptOptions options = ParseScriptOptions(parts.Options);
    fields.Comment = parts.Comment;
    fields.StartMode = options.StartMode;
    fields.DrawCount = options.DrawCount;
    fields.ResultMode = options.ResultMode;
    fields.ClearStakes = options.ClearStakes;
    fields.NewOnly = options.NewOnly;
    fields.Filters = parts.Filters;
    return fields;
}

std::string ElementLineText(const ScriptElementFields& fields)
{
    TScriptOptions options;
    options.StartMode = static_cast<uint8_t>(fields.StartMode);
    options.DrawCount = fields.DrawCount;
    options.ResultMode = static_cast<uint8_t>(fields.ResultMode);
    options.ClearStakes = fields.ClearStakes;
    options.NewOnly = fields.NewOnly;
    ScriptLineFields parts;
    parts.Options = ScriptOptionsText(options);
    parts.Filters = fields.Filters;
    parts.Comment = fields.Comment;
    return JoinScriptLine(parts);
}

std::optional<ElementProblem> ValidateElementFields(const ScriptElementFields& fields)
{
    if (hasForbidden(fields.Comment))
        return ElementProblem{support::Text("Комментарий не может содержать символ \"|\" или перевод строки!"),
                              "edComments"};
    for (size_t i = 0; i < fields.Filters.size(); ++i) {
        if (hasForbidden(fields.Filters[i])) {
            const auto n = static_cast<int64_t>(i + 1);
            return ElementProblem{
                DelphiFormat(support::Text("Фильтр %d не может содержать символ \"|\" или перевод строки!"), {n}),

                DelphiFormat("edFilter%d", {n})};
        }
    }
    return std::nullopt;
}

} // namespace belvane::scenario
