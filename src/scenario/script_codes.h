#pragma once

// The code tables of scenario lines: start-list modes, result modes, the
// selection conditions and the stop rules of a filter step. Codes are matched
// without regard to case; an unknown code falls back to the first entry.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "support/translation.h"

namespace belvane::scenario {

struct ScriptCode {
    std::string_view Code;
    std::string_view DialogText; // the element and filter dialogs' lists
    std::string_view ListText;   // the scenario page (start and result modes only)
};

enum class CodeForm { Code, Dialog, List };

// What a table shows for an index it does not hold.
inline constexpr std::string_view CodeErrorText = "# ERROR #";

enum StartMode : uint8_t { StartFull, StartExclude, StartCurrent };

inline constexpr std::array<ScriptCode, 3> StartModes = {{
    {"FULL", BELVANE_TEXT("Исходный список (рекомендуется для тестов)"), BELVANE_TEXT("Исходный список")},
    {"EXCL", BELVANE_TEXT("Удалить N последних тиражей (для прогнозов)"), BELVANE_TEXT("Исключить %d тиражей")},
    {"CURR", BELVANE_TEXT("Текущий список (для последовательного выполнения)"), BELVANE_TEXT("Текущий список")},
}};

enum ResultMode : uint8_t {
    ResultRandom,
    ResultFirst,
    ResultLast,
    ResultAll,
    ResultSystemAll,
    ResultSystemCombs,
    ResultStop,
    ResultSkip,
    ResultNone
};

inline constexpr std::array<ScriptCode, 9> ResultModes = {{
    {"RAND", BELVANE_TEXT("Выбрать одну случайную комбинацию"), BELVANE_TEXT("Случайно")},
    {"FIRST", BELVANE_TEXT("Выбрать первую комбинацию в списке"), BELVANE_TEXT("Первая")},
    {"LAST", BELVANE_TEXT("Выбрать последнюю комбинацию в списке"), BELVANE_TEXT("Последняя")},
    {"ALL", BELVANE_TEXT("Выбрать все комбинации (не рекомендуется)"), BELVANE_TEXT("Все")},
    {"SYSA", BELVANE_TEXT("Системная игра [вся система]"), BELVANE_TEXT("Система [все]")},
    {"SYSC", BELVANE_TEXT("Системная игра [система * комбинации]"), BELVANE_TEXT("Система [комб]")},
    {"STOP", BELVANE_TEXT("Остановить выполнение сценария"), BELVANE_TEXT("Остановить")},
    {"SKIP", BELVANE_TEXT("Пропустить (игнорировать) эту ставку"), BELVANE_TEXT("Пропустить")},
    {"NONE", BELVANE_TEXT("Не делать ставок (для последовательного выполнения)"), BELVANE_TEXT("Не делать ставок")},
}};

// Selection conditions: which rows of the statistics table a filter step selects.
inline constexpr int ConditionNone = 0;         // LNO: every row
inline constexpr int ConditionValues = 31;      // LVA: the rows whose value key is listed
inline constexpr int ConditionWeightFirst = 19; // WMV, WLV, WDV: the "Вес" column
inline constexpr int ConditionWeightLast = 21;

inline constexpr std::array<ScriptCode, 32> Conditions = {{
    {"LNO", BELVANE_TEXT("Весь список (без условий)"), ""},
    {"LMV", BELVANE_TEXT("\"Глубина\": не менее заданного значения"), ""},
    {"LMP", BELVANE_TEXT("\"Глубина\": не менее заданного процента"), ""},
    {"LLV", BELVANE_TEXT("\"Глубина\": не более заданного значения"), ""},
    {"LLP", BELVANE_TEXT("\"Глубина\": не более заданного процента"), ""},
    {"LDV", BELVANE_TEXT("\"Глубина\": из заданного списка значений"), ""},
    {"LDP", BELVANE_TEXT("\"Глубина\": из заданного списка процентов"), ""},
    {"DMV", BELVANE_TEXT("\"Отклонение\": не менее заданного значения"), ""},
    {"DMP", BELVANE_TEXT("\"Отклонение\": не менее заданного процента"), ""},
    {"DLV", BELVANE_TEXT("\"Отклонение\": не более заданного значения"), ""},
    {"DLP", BELVANE_TEXT("\"Отклонение\": не более заданного процента"), ""},
    {"DDV", BELVANE_TEXT("\"Отклонение\": из заданного списка значений"), ""},
    {"DDP", BELVANE_TEXT("\"Отклонение\": из заданного списка процентов"), ""},
    {"CMV", BELVANE_TEXT("\"Количество\": не менее заданного значения"), ""},
    {"CMP", BELVANE_TEXT("\"Количество\": не менее заданного процента"), ""},
    {"CLV", BELVANE_TEXT("\"Количество\": не более заданного значения"), ""},
    {"CLP", BELVANE_TEXT("\"Количество\": не более заданного процента"), ""},
    {"CDV", BELVANE_TEXT("\"Количество\": из заданного списка значений"), ""},
    {"CDP", BELVANE_TEXT("\"Количество\": из заданного списка процентов"), ""},
    {"WMV", BELVANE_TEXT("\"Вес\": не менее заданного значения"), ""},
    {"WLV", BELVANE_TEXT("\"Вес\": не более заданного значения"), ""},
    {"WDV", BELVANE_TEXT("\"Вес\": из заданного списка значений"), ""},
    {"PIM", BELVANE_TEXT("\"Период min\": не менее заданного значения"), ""},
    {"PIL", BELVANE_TEXT("\"Период min\": не более заданного значения"), ""},
    {"PIR", BELVANE_TEXT("\"Период min\": из заданного списка значений"), ""},
    {"PAM", BELVANE_TEXT("\"Период\": не менее заданного значения"), ""},
    {"PAL", BELVANE_TEXT("\"Период\": не более заданного значения"), ""},
    {"PAR", BELVANE_TEXT("\"Период\": из заданного списка значений"), ""},
    {"PXM", BELVANE_TEXT("\"Период max\": не менее заданного значения"), ""},
    {"PXL", BELVANE_TEXT("\"Период max\": не более заданного значения"), ""},
    {"PXR", BELVANE_TEXT("\"Период max\": из заданного списка значений"), ""},
    {"LVA", BELVANE_TEXT("\"Значения\": из заданного списка значений"), ""},
}};

enum StopMode : uint8_t { StopNever, StopCombCount, StopEmptyList, StopStepCount, StopCount, StopPercent };

inline constexpr std::array<ScriptCode, 6> StopModes = {{
    {"SF", BELVANE_TEXT("Обработать все записи"), ""},
    {"SC", BELVANE_TEXT("Количеству оставшихся комбинаций"), ""},
    {"SZ", BELVANE_TEXT("Пока список не будет пуст и откатить на шаг"), ""},
    {"ST", BELVANE_TEXT("Количеству шагов"), ""},
    {"SV", BELVANE_TEXT("Значению в списке статистики"), ""},
    {"SP", BELVANE_TEXT("Процентному соотношению в списке статистики"), ""},
}};

// The code or text of an entry; CodeErrorText outside the table.
std::string_view CodeTableText(std::span<const ScriptCode> table, int index, CodeForm form);
// The same in the interface language, for lists and summaries a person reads.
std::string CodeTableCaption(std::span<const ScriptCode> table, int index, CodeForm form);

// The index of the first code the word begins with (prefix) or equals (exact),
// without regard to case; -1 when none.
int FindCodePrefix(std::span<const ScriptCode> table, std::string_view word);
int FindCodeExact(std::span<const ScriptCode> table, std::string_view word);

// Conditions that take a list of values (the others take one value, or none).
bool IsListCondition(int condition);
// Conditions that take exactly one value: each value of the step is a variant of its own.
bool IsOneValueCondition(int condition);
// Conditions on the "Вес" column: only these let a step carry its own weight coefficients.
bool IsWeightCondition(int condition);

} // namespace belvane::scenario
