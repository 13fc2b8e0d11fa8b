#include "views/filter_values.h"

#include <algorithm>
#include <charconv>

#include "stats/stat_values.h"
#include "support/text.h"

namespace belvane::views {
namespace {

void addValue(combs::FilterSelection& selection, std::vector<int>& seen, int number)
{
    if (std::find(seen.begin(), seen.end(), number) != seen.end())
        return;
    seen.push_back(number);
    stats::TStatDraw value;
    value.V1 = static_cast<int16_t>(std::clamp(number, -32768, 32767));
    selection.Values.push_back(value);
    if (!selection.ValuesText.empty())
        selection.ValuesText += "; ";
    selection.ValuesText += std::to_string(number);
}

} // namespace

std::vector<int> CellNumbers(std::string_view text)
{
    std::vector<int> numbers;
    if (text::trim(text).empty())
        return numbers;
    for (std::string_view piece : text::split(text, ",", false)) {
        std::string cleaned;
        for (char c : piece)
            if (c != '[' && c != ']')
                cleaned += c;
        const std::string_view digits = text::trim(std::string_view(cleaned));
        int n = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
        if (ec != std::errc() || end != digits.data() + digits.size())
            n = 0;
        numbers.push_back(n);
    }
    return numbers;
}

combs::FilterSelection NumbersSelection(std::span<const std::string> cellTexts, std::string_view caption)
{
    combs::FilterSelection selection;
    selection.Caption = std::string(caption);
    std::vector<int> seen;
    for (const std::string& cell : cellTexts)
        for (int n : CellNumbers(cell))
            addValue(selection, seen, n);
    return selection;
}

combs::FilterSelection WeekColumnsSelection(int firstColumn, int lastColumn, std::string_view caption)
{
    combs::FilterSelection selection;
    selection.Caption = std::string(caption);
    std::vector<int> seen;
    for (int c = std::max(1, firstColumn); c <= std::min(45, lastColumn); ++c)
        addValue(selection, seen, c);
    return selection;
}

} // namespace belvane::views
