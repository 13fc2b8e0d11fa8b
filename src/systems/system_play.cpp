#include "systems/system_play.h"

#include <algorithm>
#include <array>

#include "support/delphi_format.h"
#include "support/error.h"
#include "support/translation.h"

namespace belvane::systems {

std::vector<model::Ball> CollectNumbers(std::span<const model::TComb> combs)
{
    std::vector<model::Ball> numbers;
    std::array<bool, 256> seen{};
    for (const model::TComb& c : combs) {
        for (model::Ball b : c) {
            if (!model::isValidNumber(b) || seen[b])
                continue;
            seen[b] = true;
            numbers.push_back(b);
        }
        if (numbers.size() == static_cast<size_t>(model::MaxNumber))
            break;
    }
    return numbers;
}

model::TComb MapSystemLine(const SystemLine& line, std::span<const model::Ball> numbers)
{
    model::TComb c{};
    for (size_t i = 0; i < c.size(); ++i)
        c[i] = numbers[static_cast<size_t>(line[i] - 1)];
    std::sort(c.begin(), c.end());
    return c;
}

ListSystem LoadSystemForList(const std::filesystem::path& folder, std::span<const model::TComb> combs)
{
    ListSystem s;
    s.Numbers = CollectNumbers(combs);
    const int n = static_cast<int>(s.Numbers.size());
    const auto file = FindSystemFile(folder, n);
    if (!file) {
        s.Failure = DelphiFormat(support::Text(SystemNotFoundMessage), {int64_t{n}});
        return s;
    }
    s.File = *file;
    try {
        const std::vector<SystemLine> lines = ReadSystemFile(*file);
        s.Combs.reserve(lines.size());
        for (const SystemLine& line : lines)
            s.Combs.push_back(MapSystemLine(line, s.Numbers));
    } catch (const Error& e) {
        s.Failure = e.what();
        s.Combs.clear();
    }
    return s;
}

} // namespace belvane::systems
