#include "stakes/regular_shift.h"

#include <algorithm>
#include <limits>

#include "support/error.h"
#include "support/translation.h"

namespace belvane::stakes {

int ShiftNumber(int n, int step)
{
    if (step == 0)
        return n;
    const int m = n + step;
    if (step > 0 && m > model::MaxNumber)
        return m - model::MaxNumber;
    if (step < 0 && m < model::MinNumber)
        return m + model::MaxNumber;
    return m;
}

model::TComb ShiftComb(const model::TComb& comb, int step)
{
    model::TComb shifted{};
    std::transform(comb.begin(), comb.end(), shifted.begin(),
                   [step](model::Ball n) { return static_cast<model::Ball>(ShiftNumber(n, step)); });
    std::sort(shifted.begin(), shifted.end());
    return shifted;
}

std::optional<model::TComb> NewestVisibleNumbers(const model::TDrawsArray& draws, int offset)
{
    const int index = model::IndexAtDistance(draws, offset);
    if (index < 0 || index >= static_cast<int>(draws.size()))
        return std::nullopt;
    model::TComb numbers = draws[static_cast<size_t>(index)].Balls;
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

model::TComb NextRegularComb(const RegularStake& regular, const model::TDrawsArray& draws, int offset)
{
    if (regular.Base == RegularBase::Combination)
        return ShiftComb(regular.Current, regular.Step);
    const auto newest = NewestVisibleNumbers(draws, offset);
    if (!newest)
        throw Error(support::Text(EmptyArchiveBaseMessage));
    return ShiftComb(*newest, regular.Step);
}

void AdvanceRegular(RegularStake& regular, const model::TComb& staked)
{
    regular.Current = staked;
    if (regular.Stakes < std::numeric_limits<int32_t>::max())
        ++regular.Stakes;
}

} // namespace belvane::stakes
