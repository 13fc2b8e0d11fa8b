#pragma once

#include <initializer_list>
#include <string_view>

#include "model/draws.h"

namespace belvane::testing {

// A draw from its number, its six numbers as drawn, the extra number and a date text.
inline model::TDraw makeDraw(int number, model::TComb balls, int extra = 1, std::string_view date = "")
{
    model::TDraw d;
    d.Number = number;
    d.Balls = balls;
    d.Extra = static_cast<model::Ball>(extra);
    d.setDateText(date);
    return d;
}

// An archive whose draws carry the given numbers (numbers 1..6 each, extra 7).
inline model::TDrawsArray drawsNumbered(std::initializer_list<int> numbers)
{
    model::TDrawsArray draws;
    for (int n : numbers)
        draws.push_back(makeDraw(n, {1, 2, 3, 4, 5, 6}, 7));
    return draws;
}

} // namespace belvane::testing
