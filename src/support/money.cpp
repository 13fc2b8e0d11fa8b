#include "support/money.h"

#include <cstdlib>
#include <limits>

#include "support/text.h"

namespace belvane {

int64_t DivRoundHalfEven(int64_t a, int64_t b)
{
    int64_t q = a / b;
    const int64_t r = a % b;
    const int64_t twice = 2 * std::llabs(r);
    if (twice > b || (twice == b && (q % 2 != 0)))
        q += (a < 0) ? -1 : 1;
    return q;
}

std::optional<Money> ParseMoney(std::string_view text)
{
    text = text::trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const size_t point = text.find_first_of(".,");
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() && fraction.empty())
        return std::nullopt;
    auto allDigits = [](std::string_view s) {
        for (char c : s)
            if (c < '0' || c > '9')
                return false;
        return true;
    };
    if (!allDigits(whole) || !allDigits(fraction) || whole.size() > 14)
        return std::nullopt;

    int64_t units = 0;
    for (char c : whole)
        units = units * 10 + (c - '0');
    // Four decimals are kept; the rest rounds the last one, halves to even.
    int64_t kept = 0;
    for (size_t i = 0; i < 4; ++i)
        kept = kept * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    int64_t value = units * MoneyScale + kept;
    if (fraction.size() > 4) {
        const std::string_view rest = fraction.substr(4);
        const bool aboveHalf =
            rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string_view::npos);
        const bool exactlyHalf = rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string_view::npos;
        if (aboveHalf || (exactlyHalf && value % 2 != 0))
            ++value;
    }
    return negative ? -value : value;
}

std::string FormatMoney(Money value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    if (decimals > 4)
        decimals = 4;
    int64_t divisor = 1;
    for (int i = decimals; i < 4; ++i)
        divisor *= 10;
    const int64_t scaled = DivRoundHalfEven(value, divisor);
    const int64_t unit = MoneyScale / divisor;
    const uint64_t magnitude = scaled < 0 ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    std::string text = std::to_string(magnitude / static_cast<uint64_t>(unit));
    if (decimals > 0) {
        std::string frac = std::to_string(magnitude % static_cast<uint64_t>(unit));
        text += "." + std::string(static_cast<size_t>(decimals) - frac.size(), '0') + frac;
    }
    return (scaled < 0 ? "-" : "") + text;
}

std::string MoneyToText(Money value)
{
    std::string text = FormatMoney(value, 4);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace belvane
