#pragma once

// The draws archive: all draws, oldest first. Most queries address a draw by
// its distance back from the newest (0 = the newest draw).

#include <vector>

#include "model/draw.h"

namespace belvane::model {

using TDrawsArray = std::vector<TDraw>;

// The date every download starts from when nothing better is known: 01/02/1978.
inline constexpr int EarliestDrawDate = 19780201;

// Array index of the draw at distance a (may be out of range).
inline int IndexAtDistance(const TDrawsArray& draws, int a)
{
    return static_cast<int>(draws.size()) - 1 - a;
}

// The six numbers (stored order) of the draw at distance a; all zero when out of range.
TComb DrawBalls(const TDrawsArray& draws, int a);

// The number of the draw at distance a, plus 1; 1 for an empty archive; -1 when
// a is out of range, or when that draw has the largest number a draw record
// holds (MaxDrawNumber) and so no next one exists.
int NextDrawNumber(const TDrawsArray& draws, int a);

// The date of the draw at distance a moved by `days`, as yyyymmdd;
// EarliestDrawDate when the archive is empty, a is out of range or the draw
// has no readable date.
int DrawDateShift(const TDrawsArray& draws, int a, int days);

// The array index of the draw numbered n, or -1. Guesses the index from the
// first and last numbers and walks from there, so gaps in the numbering are
// found quickly; falls back to a full scan.
int IndexOfNumber(const TDrawsArray& draws, int n);

// Removes element `index`; throws Error("Запись со индексом %d в файле данных
// не найдена!") when there is none.
void DeleteDraw(TDrawsArray& draws, int index);

void ClearDraws(TDrawsArray& draws);

} // namespace belvane::model
