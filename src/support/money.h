#pragma once

// Money: a signed 64-bit count of 1/10000 units (the decimal value x 10000).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace belvane {

using Money = int64_t;
inline constexpr Money MoneyScale = 10000;

// A decimal text ("12.5", "-3,75", "7") to 1/10000 units, rounded to the
// nearest (halves to even); nullopt when the text is no number or too large.
std::optional<Money> ParseMoney(std::string_view text);

// The value with the given number of decimals ("%.2f"), rounded to the
// nearest, halves to even; "." as decimal point.
std::string FormatMoney(Money value, int decimals = 2);

// The shortest exact decimal text (used when writing settings): 125000 -> "12.5".
std::string MoneyToText(Money value);

// Division rounded to the nearest integer, halves to even (b > 0).
int64_t DivRoundHalfEven(int64_t a, int64_t b);

} // namespace belvane
