#pragma once

// Questions the user asks about the combination list.

#include <span>
#include <string>
#include <string_view>

#include "model/draws.h"

namespace belvane::combs {

using model::TComb;

// "В текущем списке комбинаций содержится %d уникальных номеров"
std::string DistinctNumbersMessage(std::span<const TComb> combs);

inline constexpr size_t MaxFoundDraws = 26;

// The draws, newest first, that contain all six numbers of the combination (at most 26).
std::vector<const model::TDraw*> FindInDraws(const model::TDrawsArray& draws, const TComb& comb);

// "Выделенная комбинация найдена в следующих тиражах:", an empty line and the
// draws' texts; or "Выделенная комбинация не найдена в архиве тиражей!".
std::string FindInDrawsMessage(const model::TDrawsArray& draws, const TComb& comb);

} // namespace belvane::combs
