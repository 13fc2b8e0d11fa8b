#include "systems/wheel_verify.h"

#include <algorithm>

#include "systems/wheel_sets.h"

namespace belvane::systems {

using wheel::Choose;
using wheel::Mask;

uint64_t GuaranteeTable::Subsets(int p) const
{
    return Choose()(Numbers, p);
}

uint64_t GuaranteeTable::Meeting(int p, int t) const
{
    if (p < 1 || p > 6)
        return 0;
    uint64_t sum = 0;
    for (int m = std::max(t, 0); m <= p; ++m)
        sum += Best[p][m];
    return sum;
}

int GuaranteeTable::Guaranteed(int p) const
{
    if (p < 1 || p > 6)
        return 0;
    for (int m = 0; m <= p; ++m)
        if (Best[p][m] > 0)
            return m;
    return 0;
}

std::optional<int> GuaranteeTable::ConditionFor(int t) const
{
    for (int p = std::max(t, 1); p <= std::min(6, Numbers); ++p)
        if (Guaranteed(p) >= t)
            return p;
    return std::nullopt;
}

std::optional<GuaranteeTable> VerifySystem(std::span<const SystemLine> lines, int numbers,
                                           const std::function<bool()>& proceed)
{
    const auto& c = Choose();
    GuaranteeTable table;
    table.Numbers = numbers;
    table.Lines = static_cast<int>(lines.size());
    std::vector<Mask> masks;
    masks.reserve(lines.size());
    for (const SystemLine& line : lines)
        masks.push_back(wheel::MaskOf(line));

    // best[k][rank]: the largest part of the k-subset that one line holds,
    // from its (k-1)-subsets and whether it lies in a line itself.
    std::vector<uint8_t> previous(1, 0); // the empty set
    const int top = std::min(6, numbers);
    for (int k = 1; k <= top; ++k) {
        if (proceed && !proceed())
            return std::nullopt;
        const uint64_t count = c(numbers, k);
        std::vector<uint8_t> inLine(count, 0);
        for (const Mask line : masks) {
            Mask bits[6];
            const int n = wheel::BitsOf(line, bits);
            wheel::ForEachCombination(bits, n, k, 0, [&](Mask s) { inLine[wheel::RankOf(s)] = 1; });
        }
        std::vector<uint8_t> current(count, 0);
        std::array<int, 7> pos{};
        for (int i = 0; i < k; ++i)
            pos[i] = i;
        for (uint64_t r = 0; r < count; ++r) {
            uint8_t best = inLine[r] ? static_cast<uint8_t>(k) : 0;
            if (best == 0) {
                // rank of the subset without pos[j]: the positions below keep
                // their index, those above move down one.
                uint64_t below = 0;
                uint64_t above = 0;
                for (int i = 0; i < k; ++i)
                    above += c(pos[i], i);
                for (int j = 0; j < k && best < k - 1; ++j) {
                    above -= c(pos[j], j);
                    best = std::max(best, previous[below + above]);
                    below += c(pos[j], j + 1);
                }
            }
            current[r] = best;
            ++table.Best[k][best];
            wheel::NextColex(pos, k);
        }
        previous = std::move(current);
    }
    return table;
}

} // namespace belvane::systems
