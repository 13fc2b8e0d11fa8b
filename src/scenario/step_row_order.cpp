#include "scenario/step_row_order.h"

#include <algorithm>
#include <numeric>

namespace belvane::scenario {

std::vector<int> StepRowOrder(int rowCount, int sortColumn, int columnCount,
                              const std::function<std::optional<double>(int row, int column)>& number)
{
    std::vector<int> order(static_cast<size_t>(std::max(rowCount, 0)));
    std::iota(order.begin(), order.end(), 0);
    if (sortColumn < 0 || sortColumn >= columnCount)
        return order;

    std::vector<std::optional<double>> keys(order.size());
    for (int row : order)
        keys[static_cast<size_t>(row)] = number(row, sortColumn);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const auto& ka = keys[static_cast<size_t>(a)];
        const auto& kb = keys[static_cast<size_t>(b)];
        if (!ka || !kb)
            return ka.has_value() && !kb.has_value();
        return *ka > *kb;
    });
    return order;
}

} // namespace belvane::scenario
