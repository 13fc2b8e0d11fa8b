#pragma once

// The code tables of scenario lines: start-list modes, result modes, the
// selection conditions and the stop rules of a filter step. Codes are matched
// without regard to case; an unknown code falls back to the first entry.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

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
    {"FULL", "Исходный список (рекомендуется для тестов)", "Исходный список"},
    {"EXCL", "Удалить N последних тиражей (для прогнозов)", "Исключить %d тиражей"},
    {"CURR", "Текущий список (для последовательного выполнения)", "Текущий список"},
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
    {"RAND", "Выбрать одну случайную комбинацию", "Случайно"},
    {"FIRST", "Выбрать первую комбинацию в списке", "Первая"},
    {"LAST", "Выбрать последнюю комбинацию в списке", "Последняя"},
    {"ALL", "Выбрать все комбинации (не рекомендуется)", "Все"},
    {"SYSA", "Системная игра [вся система]", "Система [все]"},
    {"SYSC", "Системная игра [система * комбинации]", "Система [комб]"},
    {"STOP", "Остановить выполнение сценария", "Остановить"},
    {"SKIP", "Пропустить (игнорировать) эту ставку", "Пропустить"},
    {"NONE", "Не делать ставок (для последовательного выполнения)", "Не делать ставок"},
}};

// Selection conditions: which rows of the statistics table a filter step selects.
inline constexpr int ConditionNone = 0;         // LNO: every row
inline constexpr int ConditionValues = 31;      // LVA: the rows whose value key is listed
inline constexpr int ConditionWeightFirst = 19; // WMV, WLV, WDV: the "Вес" column
inline constexpr int ConditionWeightLast = 21;

inline constexpr std::array<ScriptCode, 32> Conditions = {{
    {"LNO", "Весь список (без условий)", ""},
    {"LMV", "\"Глубина\": не менее заданного значения", ""},
    {"LMP", "\"Глубина\": не менее заданного процента", ""},
    {"LLV", "\"Глубина\": не более заданного значения", ""},
    {"LLP", "\"Глубина\": не более заданного процента", ""},
    {"LDV", "\"Глубина\": из заданного списка значений", ""},
    {"LDP", "\"Глубина\": из заданного списка процентов", ""},
    {"DMV", "\"Отклонение\": не менее заданного значения", ""},
    {"DMP", "\"Отклонение\": не менее заданного процента", ""},
    {"DLV", "\"Отклонение\": не более заданного значения", ""},
    {"DLP", "\"Отклонение\": не более заданного процента", ""},
    {"DDV", "\"Отклонение\": из заданного списка значений", ""},
    {"DDP", "\"Отклонение\": из заданного списка процентов", ""},
    {"CMV", "\"Количество\": не менее заданного значения", ""},
    {"CMP", "\"Количество\": не менее заданного процента", ""},
    {"CLV", "\"Количество\": не более заданного значения", ""},
    {"CLP", "\"Количество\": не более заданного процента", ""},
    {"CDV", "\"Количество\": из заданного списка значений", ""},
    {"CDP", "\"Количество\": из заданного списка процентов", ""},
    {"WMV", "\"Вес\": не менее заданного значения", ""},
    {"WLV", "\"Вес\": не более заданного значения", ""},
    {"WDV", "\"Вес\": из заданного списка значений", ""},
    {"PIM", "\"Период min\": не менее заданного значения", ""},
    {"PIL", "\"Период min\": не более заданного значения", ""},
    {"PIR", "\"Период min\": из заданного списка значений", ""},
    {"PAM", "\"Период\": не менее заданного значения", ""},
    {"PAL", "\"Период\": не более заданного значения", ""},
    {"PAR", "\"Период\": из заданного списка значений", ""},
    {"PXM", "\"Период max\": не менее заданного значения", ""},
    {"PXL", "\"Период max\": не более заданного значения", ""},
    {"PXR", "\"Период max\": из заданного списка значений", ""},
    {"LVA", "\"Значения\": из заданного списка значений", ""},
}};

enum StopMode : uint8_t { StopNever, StopCombCount, StopEmptyList, StopStepCount, StopCount, StopPercent };

inline constexpr std::array<ScriptCode, 6> StopModes = {{
    {"SF", "Обработать все записи", ""},
    {"SC", "Количеству оставшихся комбинаций", ""},
    {"SZ", "Пока список не будет пуст и откатить на шаг", ""},
    {"ST", "Количеству шагов", ""},
    {"SV", "Значению в списке статистики", ""},
    {"SP", "Процентному соотношению в списке статистики", ""},
}};

// The code or text of an entry; CodeErrorText outside the table.
std::string_view CodeTableText(std::span<const ScriptCode> table, int index, CodeForm form);

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
