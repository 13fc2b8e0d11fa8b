#include "model/display_texts.h"

#include "support/text.h"

namespace belvane::model {

std::string DiffText(std::string_view text, int base)
{
    const int value = text::toIntDef(text, -1);
    if (value < 0)
        return "-";
    const long long diff = static_cast<long long>(value) - base;
    return diff > 0 ? "+" + std::to_string(diff) : std::to_string(diff);
}

std::string_view StakeOriginText(int kind)
{
    switch (kind) {
    case 1:
        return "Вручную";
    case 2:
        return "Регуляр";
    case 3:
        return "Сценарий";
    case 4:
        return "Система";
    default:
        return {};
    }
}

} // namespace belvane::model
