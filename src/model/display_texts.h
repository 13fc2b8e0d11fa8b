#pragma once

// Small display texts shared by several views.

#include <string>
#include <string_view>

namespace belvane::model {

// A computed count shown relative to a base: the text is read as an integer
// (-1 when it is not one); a negative value gives "-", otherwise the
// difference from base, with "+" before a positive one.
std::string DiffText(std::string_view text, int base);

// Where a stake came from: 1 "Вручную", 2 "Регуляр", 3 "Сценарий",
// 4 "Система"; any other kind has an empty text.
std::string StakeOriginText(int kind);

} // namespace belvane::model
