#include "scenario/script_codes.h"

#include "support/text.h"
#include "support/translation.h"

namespace belvane::scenario {

std::string_view CodeTableText(std::span<const ScriptCode> table, int index, CodeForm form)
{
    if (index < 0 || static_cast<size_t>(index) >= table.size())
        return CodeErrorText;
    const ScriptCode& entry = table[static_cast<size_t>(index)];
    switch (form) {
    case CodeForm::Code:
        return entry.Code;
    case CodeForm::Dialog:
        return entry.DialogText;
    case CodeForm::List:
        return entry.ListText;
    }
    return CodeErrorText;
}

std::string CodeTableCaption(std::span<const ScriptCode> table, int index, CodeForm form)
{
    const std::string_view text = CodeTableText(table, index, form);
    return form == CodeForm::Code || text.empty() ? std::string(text) : support::Text(text);
}

int FindCodePrefix(std::span<const ScriptCode> table, std::string_view word)
{
    for (size_t i = 0; i < table.size(); ++i)
        if (text::startsWithIgnoreCase(word, table[i].Code))
            return static_cast<int>(i);
    return -1;
}

int FindCodeExact(std::span<const ScriptCode> table, std::string_view word)
{
    for (size_t i = 0; i < table.size(); ++i)
        if (text::equalsIgnoreCase(word, table[i].Code))
            return static_cast<int>(i);
    return -1;
}

bool IsListCondition(int condition)
{
    switch (condition) {
    case 5:
    case 6:
    case 11:
    case 12:
    case 17:
    case 18:
    case 21:
    case 24:
    case 27:
    case 30:
    case 31:
        return true;
    default:
        return false;
    }
}

bool IsOneValueCondition(int condition)
{
    return condition > ConditionNone && condition < static_cast<int>(Conditions.size()) && !IsListCondition(condition);
}

bool IsWeightCondition(int condition)
{
    return condition >= ConditionWeightFirst && condition <= ConditionWeightLast;
}

} // namespace belvane::scenario
