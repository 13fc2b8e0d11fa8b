#pragma once

// Turning what a person typed for a draw into a draw record.

#include <optional>
#include <string_view>

#include "model/draw.h"

namespace belvane::app {

// The record the draw dialog builds: the number, the six numbers in the order
// typed, the extra number and the date. A text ValidateDrawText refuses throws
// Error("Введена некорректная комбинация!").
model::TDraw MakeDrawFromInput(int number, std::string_view numbersText, const std::optional<model::Date>& date);

} // namespace belvane::app
