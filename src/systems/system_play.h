#pragma once

// Playing a system on a combination list: the distinct numbers of the list,
// in the order they first appear, are the n positions of the system for n
// numbers; each line of the system becomes a combination of those numbers.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/game.h"
#include "support/translation.h"
#include "systems/system_file.h"

namespace belvane::systems {

inline constexpr std::string_view SystemNotFoundMessage =
    BELVANE_TEXT("Система для %d чисел не найдена или не загружена на компьютер!");
inline constexpr std::string_view SystemDownloadHint =
    BELVANE_TEXT("\r\rПеред системной игрой необходимо предварительно загрузить системы на Ваш компьютер через меню "
                 "\"Системы\" - \"Загрузить\".");
inline constexpr std::string_view CollectingNumbersStatus = BELVANE_TEXT("Подождите пожалуйста...");

// The distinct numbers of the list in order of first appearance (all 45 at most).
std::vector<model::Ball> CollectNumbers(std::span<const model::TComb> combs);

// A line's positions as the collected numbers, ascending. The line must have
// been checked against the count (positions 1..numbers.size()).
model::TComb MapSystemLine(const SystemLine& line, std::span<const model::Ball> numbers);

// The system for the numbers of a list, its lines mapped onto them.
struct ListSystem {
    std::vector<model::Ball> Numbers;
    std::filesystem::path File;      // empty when there is none
    std::vector<model::TComb> Combs; // in file order
    std::string Failure;             // why there is none: the reason, without the hint
    bool Found() const { return !File.empty() && Failure.empty(); }
    // The file name without folder and extension ("6-12-3_0042").
    std::string Title() const { return File.stem().string(); }
};
ListSystem LoadSystemForList(const std::filesystem::path& folder, std::span<const model::TComb> combs);

} // namespace belvane::systems
