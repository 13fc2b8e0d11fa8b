#pragma once

// The integer-list notation of fields that accept one value, a list, or a
// range with a step: "3", "1, 2, 3", "1-10;2".

#include <optional>
#include <string_view>

#include "model/game.h"

#include "support/translation.h"

namespace belvane::model {

// The hint such fields show.
inline constexpr std::string_view IntListHint =
    BELVANE_TEXT("1 - одно значение\r"
                 "1, 2, 3 - список значений через запятую\r"
                 "1-10;2 - нижняя и верхняя граница диапазона; шаг изменения");

// Longest list a range may expand to; a larger range is refused like any other
// invalid text instead of exhausting memory.
inline constexpr int64_t MaxIntListLength = 1'000'000;

// An empty text gives an empty list. A list form ("," or ";" separated
// integers) is tried first, then the range form "low-high;step". Invalid text,
// a zero step or a range with fewer than one element give nullopt.
std::optional<TIntArray> ParseIntList(std::string_view text);

} // namespace belvane::model
