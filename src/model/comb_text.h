#pragma once

// Text forms of numbers and combinations, and their parsing.

#include <span>
#include <string>
#include <string_view>

#include "model/game.h"

namespace belvane::model {

// Plain decimal, no padding: 7 -> "7".
std::string NumberToText(int n);

// The text as a decimal integer; a text that is not an integer gives 0.
int TextToNumber(std::string_view text);

// "5;12;23;31;40;44": the six numbers in stored order joined by ";".
std::string CombToListText(const TComb& comb);

// "05 12 23 31 40 44": two-digit numbers joined by blanks.
std::string CombToDisplayText(const TComb& comb);

// Six words separated by any run of Tab, blank, ",", "-", ".", ":", ";" or "|",
// each read with TextToNumber, kept in the order written. Any other word count
// throws Error("Некорректная комбинация: \"<text>\"!"). No range or duplicate check.
TComb ParseComb(std::string_view text);

// Elements joined by the separator; an empty list gives an empty text.
std::string JoinNumbers(std::span<const uint8_t> numbers, std::string_view separator);
std::string JoinInts(std::span<const int32_t> values, std::string_view separator);

} // namespace belvane::model
