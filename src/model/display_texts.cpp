#include "model/display_texts.h"

#include "support/text.h"
#include "support/translation.h"

namespace belvane::model {

std::string DiffText(std::string_view text, int base)
{
    const int value = text::toIntDef(text, -1);
    if (value < 0)
        return "-";
    const long long diff = static_cast<long long>(value) - base;
    return diff > 0 ? "+" + std::to_string(diff) : std::to_string(diff);
}

std::string StakeOriginText(int kind)
{
    switch (kind) {
    case 1:
        return support::Text("Вручную");
    case 2:
        return support::Text("Регуляр");
    case 3:
        return support::Text("Сценарий");
    case 4:
        return support::Text("Система");
    default:
        return {};
    }
}

} // namespace belvane::model
