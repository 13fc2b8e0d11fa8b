#pragma once

// A generated system in the words both front ends show: what it guarantees,
// how far it can be from the smallest possible, the exact check that proves
// it, how to reproduce it, and where it was installed.

#include <string>
#include <string_view>
#include <vector>

#include "app/systems_service.h"

namespace belvane::app {

// "Система для 12 чисел: 3 из 4", "Комбинаций: 6 (нижняя граница: 4, ...)",
// "Проверка: ...", "Зерно: 1, раундов: 12".
std::vector<std::string> WheelOutcomeLines(const WheelRequest& request, const WheelOutcome& outcome);
// "Установлена: 6-12-3_0001.dat" and the older systems of the count it replaced.
std::vector<std::string> WheelInstalledLines(int numbers, const systems::InstalledSystem& installed);
// Asked before a generated system replaces the installed one of its count.
std::string ReplaceSystemQuestion(int numbers, std::string_view installedFile);
// What the fields of "Создать систему" ask for, before it runs: the lower
// bound and how many subsets the check will count.
std::string WheelDesignSummary(const systems::WheelDesign& design);

} // namespace belvane::app
