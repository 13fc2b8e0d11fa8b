#include "model/draws.h"

#include <cmath>
#include <fmt/format.h>

#include "support/error.h"
#include "support/translation.h"

namespace belvane::model {
namespace {

const TDraw* drawAt(const TDrawsArray& draws, int a)
{
    const int i = IndexAtDistance(draws, a);
    return (a >= 0 && i >= 0) ? &draws[static_cast<size_t>(i)] : nullptr;
}

} // namespace

TComb DrawBalls(const TDrawsArray& draws, int a)
{
    const TDraw* d = drawAt(draws, a);
    return d ? d->Balls : TComb{};
}

int NextDrawNumber(const TDrawsArray& draws, int a)
{
    if (draws.empty())
        return 1;
    const TDraw* d = drawAt(draws, a);
    return d && d->Number < MaxDrawNumber ? d->Number + 1 : -1;
}

int DrawDateShift(const TDrawsArray& draws, int a, int days)
{
    const TDraw* d = drawAt(draws, a);
    const auto date = d ? IntToDate(d->dateInt()) : std::nullopt;
    return date ? DateToInt(AddDays(*date, days)) : EarliestDrawDate;
}

int IndexOfNumber(const TDrawsArray& draws, int n)
{
    if (draws.empty())
        return -1;
    const int high = static_cast<int>(draws.size()) - 1;
    const int first = draws.front().Number;
    const int last = draws.back().Number;
    if (n == first)
        return 0;
    if (n == last)
        return high;

    // Guess by linear interpolation between the first and last numbers.
    int guess = high;
    const double span = double(last) - double(first) + 1.0;
    if (span > 0) {
        const double g = std::trunc(double(draws.size()) * (double(n) - double(first)) / span);
        if (g >= 0 && g <= high)
            guess = static_cast<int>(g);
    }
    auto numberAt = [&](int i) { return draws[static_cast<size_t>(i)].Number; };
    if (numberAt(guess) == n)
        return guess;

    // Walk towards n while the numbers move towards it.
    const int step = numberAt(guess) < n ? 1 : -1;
    for (int i = guess + step; i >= 0 && i <= high; i += step) {
        if (numberAt(i) == n)
            return i;
        if ((step > 0) != (numberAt(i) < n))
            break; // walked past it: not where the order says it should be
    }

    for (int i = high; i >= 0; --i)
        if (numberAt(i) == n)
            return i;
    return -1;
}

void DeleteDraw(TDrawsArray& draws, int index)
{
    if (index < 0 || index >= static_cast<int>(draws.size()))
        throw Error(support::Message("Запись со индексом {} в файле данных не найдена!", index));
    draws.erase(draws.begin() + index);
}

void ClearDraws(TDrawsArray& draws)
{
    draws.clear();
}

} // namespace belvane::model
