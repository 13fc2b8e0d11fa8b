#pragma once

// Building the combination list from the generation settings.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "combs/comb_list.h"

#include "support/translation.h"

namespace belvane::combs {

enum GenerateMode {
    GenerateFull = 0,   // every combination
    GenerateAnyOf = 1,  // at least one of my numbers
    GenerateOnlyOf = 2, // only my numbers
    GenerateNoneOf = 3, // none of my numbers
    GenerateFromFile = 4,
};

inline constexpr std::array<std::string_view, 5> GenerateModeTexts = {
    BELVANE_TEXT("Полный список (все возможные для данного лото варианты)"),
    BELVANE_TEXT("Мои числа - должно присутствовать любое из указанных"),
    BELVANE_TEXT("Мои числа - комбинации только из списка указанных"),
    BELVANE_TEXT("Мои числа - исключить комбинации с любым из указанных"),
    BELVANE_TEXT("Загрузить список из заранее подготовленного CSV-файла"),
};

// "My numbers": pieces split at ",", ";" and blanks (as the other number
// fields take them), empty pieces skipped, read as integers (a piece that is
// no number counts as 0), kept when 0..255.
std::array<bool, 256> ParseMyNumbers(std::string_view parameter);

inline constexpr std::string_view NoCombinationsMessage =
    BELVANE_TEXT("Указанные числа не дают ни одной комбинации!\r\rТекущий список комбинаций оставлен без изменений.");

// Why a new list must not be made from these numbers, for the modes that use
// them: a piece that is no number from 1 to 45 gets the draw dialog's
// "Введена некорректная комбинация!"; numbers no combination can come from
// (none at all, fewer than six to build from, every number but five excluded)
// get NoCombinationsMessage. A new list never silently comes out empty.
std::optional<std::string> MyNumbersProblem(int mode, std::string_view parameter);

// Fills the buffer with every combination, in lexicographic order, that the
// mode accepts for the numbers (modes other than 1..3 accept every one); on
// all cores. progress(done, total) runs on the calling thread; returning false
// stops. Returns whether it ran to the end. Mode 4 is the list-file loader's.
bool GenerateCombinations(CombBuffer& out, int mode, const std::array<bool, 256>& myNumbers,
                          const std::function<bool(size_t, size_t)>& progress = {});

// How many combinations GenerateCombinations gives for the mode and numbers,
// computed without generating them.
int64_t GeneratedCount(int mode, const std::array<bool, 256>& myNumbers);

} // namespace belvane::combs
