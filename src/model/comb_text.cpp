#include "model/comb_text.h"

#include <fmt/format.h>

#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::model {
namespace {

template <typename T>
std::string join(std::span<const T> values, std::string_view separator)
{
    std::string out;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            out += separator;
        out += std::to_string(values[i]);
    }
    return out;
}

} // namespace

std::string NumberToText(int n)
{
    return std::to_string(n);
}

int TextToNumber(std::string_view text)
{
    return text::parseInt(text).value_or(0);
}

std::string CombToListText(const TComb& comb)
{
    return JoinNumbers(comb, ";");
}

std::string CombToDisplayText(const TComb& comb)
{
    return fmt::format("{:02} {:02} {:02} {:02} {:02} {:02}", comb[0], comb[1], comb[2], comb[3], comb[4], comb[5]);
}

TComb ParseComb(std::string_view text)
{
    const auto words = text::split(text, "\t ,-.:;|", true);
    if (words.size() != BallCount)
        throw Error(support::Message("Некорректная комбинация: \"{}\"!", text));
    TComb comb{};
    for (size_t i = 0; i < comb.size(); ++i) {
        // A value a number byte cannot hold reads as 0, like any other non-number.
        const int n = TextToNumber(text::trim(words[i]));
        comb[i] = static_cast<Ball>(n >= 0 && n <= 255 ? n : 0);
    }
    return comb;
}

std::string JoinNumbers(std::span<const uint8_t> numbers, std::string_view separator)
{
    return join(numbers, separator);
}

std::string JoinInts(std::span<const int32_t> values, std::string_view separator)
{
    return join(values, separator);
}

} // namespace belvane::model
