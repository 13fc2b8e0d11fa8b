#include "model/int_list.h"

#include "support/text.h"

namespace belvane::model {
namespace {

std::optional<TIntArray> parseListForm(std::string_view text)
{
    TIntArray values;
    for (std::string_view word : text::split(text, ",;", false)) {
        auto v = text::parseInt(text::trim(word));
        if (!v)
            return std::nullopt;
        values.push_back(*v);
    }
    return values;
}

// Before the first "-" that is not the first character: the lower bound (so a
// leading "-" is a sign); then up to the first ";" or ",": the upper bound; the
// rest: the step.
std::optional<TIntArray> parseRangeForm(std::string_view text)
{
    size_t dash = text.find('-', 1);
    if (text.empty() || dash == std::string_view::npos)
        return std::nullopt;
    const std::string_view afterDash = text.substr(dash + 1);
    const size_t stop = afterDash.find_first_of(";,");
    if (stop == std::string_view::npos)
        return std::nullopt; // no step
    const auto low = text::parseInt(text::trim(text.substr(0, dash)));
    const auto high = text::parseInt(text::trim(afterDash.substr(0, stop)));
    const auto step = text::parseInt(text::trim(afterDash.substr(stop + 1)));
    if (!low || !high || !step || *step == 0)
        return std::nullopt;

    // (high - low) div step + 1 elements, the division truncating toward zero.
    const int64_t count = (int64_t{*high} - *low) / *step + 1;
    if (count < 1 || count > MaxIntListLength)
        return std::nullopt;
    TIntArray values;
    values.reserve(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i)
        values.push_back(static_cast<int32_t>(*low + i * *step));
    return values;
}

} // namespace

std::optional<TIntArray> ParseIntList(std::string_view text)
{
    if (text.empty())
        return TIntArray{};
    if (auto list = parseListForm(text); list && !list->empty())
        return list;
    return parseRangeForm(text);
}

} // namespace belvane::model
