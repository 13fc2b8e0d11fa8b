#include "systems/wheel_sets.h"

#include <algorithm>

namespace belvane::systems::wheel {

Binomials::Binomials()
{
    for (int a = 0; a <= 64; ++a) {
        table_[a][0] = 1;
        for (int b = 1; b <= 6; ++b)
            table_[a][b] = a == 0 ? 0 : table_[a - 1][b - 1] + table_[a - 1][b];
    }
}

const Binomials& Choose()
{
    static const Binomials table;
    return table;
}

std::vector<Mask> SubsetsByRank(int n, int k)
{
    std::vector<Mask> subsets(Choose()(n, k));
    std::array<int, 7> pos{};
    for (int i = 0; i < k; ++i)
        pos[i] = i;
    for (Mask& m : subsets) {
        m = 0;
        for (int i = 0; i < k; ++i)
            m |= Mask{1} << pos[i];
        NextColex(pos, k);
    }
    return subsets;
}

Mask MaskOf(const SystemLine& line)
{
    Mask m = 0;
    for (const int position : line)
        m |= Mask{1} << (position - 1);
    return m;
}

SystemLine LineOf(Mask m)
{
    SystemLine line{};
    size_t i = 0;
    for (; m && i < line.size(); m &= m - 1)
        line[i++] = std::countr_zero(m) + 1;
    return line;
}

} // namespace belvane::systems::wheel
