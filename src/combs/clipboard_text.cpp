#include "combs/clipboard_text.h"

#include <algorithm>
#include <fmt/format.h>

#include "combs/list_file.h"
#include "model/comb_text.h"
#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::combs {

std::string CopyText(std::span<const TComb> combs, std::span<const size_t> rows)
{
    std::vector<size_t> ordered(rows.begin(), rows.end());
    std::sort(ordered.begin(), ordered.end());
    std::string text;
    for (size_t r : ordered)
        if (r < combs.size())
            text += model::CombToListText(combs[r]) + "\r\n";
    return text;
}

std::vector<TComb> ParsePastedText(std::string_view pasted)
{
    std::vector<TComb> combs;
    for (std::string_view line : text::splitLines(pasted)) {
        if (text::trim(line).empty())
            continue;
        const TComb c = model::ParseComb(line);
        if (!IsValidCombination(c))
            throw Error(support::Message("Некорректная комбинация: \"{}\"!", line));
        combs.push_back(c);
    }
    return combs;
}

} // namespace belvane::combs
