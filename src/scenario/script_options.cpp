#include "scenario/script_options.h"

#include "scenario/script_codes.h"
#include "support/delphi_format.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::scenario {

TScriptOptions ParseScriptOptions(std::string_view text)
{
    TScriptOptions options;
    const auto words = text::split(text, "#", true);

    if (!words.empty()) {
        const std::string_view start = text::trim(words[0]);
        const int mode = FindCodePrefix(StartModes, start);
        options.StartMode = static_cast<uint8_t>(mode < 0 ? 0 : mode);
        const auto parts = text::split(start, ":", true);
        options.DrawCount = parts.size() > 1 ? text::toIntDef(parts[1], 0) : 0;
    }
    if (words.size() > 1) {
        const int mode = FindCodeExact(ResultModes, text::trim(words[1]));
        options.ResultMode = static_cast<uint8_t>(mode < 0 ? 0 : mode);
    }
    for (size_t i = 2; i < words.size(); ++i) {
        const std::string_view flag = text::trim(words[i]);
        if (text::equalsIgnoreCase(flag, ClearStakesWord))
            options.ClearStakes = true;
        else if (text::equalsIgnoreCase(flag, NewOnlyWord))
            options.NewOnly = true;
    }
    return options;
}

std::string ScriptOptionsText(const TScriptOptions& options)
{
    std::string out(CodeTableText(StartModes, options.StartMode, CodeForm::Code));
    out += ':' + std::to_string(options.DrawCount);
    out += '#';
    out += CodeTableText(ResultModes, options.ResultMode, CodeForm::Code);
    if (options.ClearStakes)
        out.append("#").append(ClearStakesWord);
    if (options.NewOnly)
        out.append("#").append(NewOnlyWord);
    return out;
}

std::string PrintScriptOptions(const TScriptOptions& options)
{
    std::string out(CodeTableText(StartModes, options.StartMode, CodeForm::Code));
    if (options.StartMode == StartExclude)
        out += ':' + std::to_string(options.DrawCount);
    out += '#';
    out += CodeTableText(ResultModes, options.ResultMode, CodeForm::Code);
    if (options.NewOnly)
        out.append("#").append(NewOnlyWord);
    return out;
}

std::string ScriptOptionsSummary(const TScriptOptions& options)
{
    std::string out =
        DelphiFormat(CodeTableCaption(StartModes, options.StartMode, CodeForm::List), {int64_t{options.DrawCount}});
    out += "; ";
    out += CodeTableCaption(ResultModes, options.ResultMode, CodeForm::List);
    if (options.ClearStakes)
        out += "; " + support::Text("Удалить ставки");
    out += "; " + (options.NewOnly ? support::Text("Только новые ставки") : support::Text("Все создаваемые ставки"));

    return out;
}

} // namespace belvane::scenario
