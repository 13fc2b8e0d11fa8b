#pragma once

// What a scenario run shows and writes to its log. The log stays in the base
// language whatever the interface's: only the texts shown are translated.

#include <optional>
#include <string>
#include <string_view>

#include "support/translation.h"

namespace belvane::scenario {

inline constexpr std::string_view RunningStatus = BELVANE_TEXT("Выполнение сценария...");
inline constexpr std::string_view FinishedActivity = BELVANE_TEXT("Сценарий завершен!");
inline constexpr std::string_view StopQuestion = BELVANE_TEXT("Остановить выполнение сценария?");

// The test-count dialog ("Тест"): 1 .. draws - 1 tests, 10 unless the archive is shorter.
inline constexpr std::string_view TestCountCaption = BELVANE_TEXT("Количество тестов");
inline constexpr std::string_view TestCountPrompt = BELVANE_TEXT("Укажите количество тестов:");
inline constexpr int DefaultTestCount = 10;
struct TestCountRange {
    int Min = 1;
    int Max = 1;
    int Default = 1;
};
// Nothing when the archive has fewer than two draws: a test needs a draw to stake and one before it.
std::optional<TestCountRange> TestCountRangeFor(int drawCount);

inline constexpr std::string_view StartBanner =
    "### ЗАПУСК СЦЕНАРИЯ ##########################################################################";
inline constexpr std::string_view FinishBanner =
    "### ЗАВЕРШЕНИЕ СЦЕНАРИЯ ######################################################################";
inline constexpr std::string_view StoppedBanner =
    "### ВЫПОЛНЕНИЕ СЦЕНАРИЯ ПРЕРВАНО #############################################################";
inline constexpr std::string_view OffsetRule =
    "==============================================================================================";
// "=== Выполнение сценария для смещения %.6d ===...".
std::string OffsetBanner(int offset);
// 94 "-".
std::string_view LineRule();

inline constexpr std::string_view ExpandingActivity = BELVANE_TEXT("Создание всех вариантов фильтров...");
inline constexpr std::string_view NoFiltersLog = "{ERROR} Фильтры не применялись!";
inline constexpr std::string_view BuildingStartListLog = "Создание начального списка комбинаций...";
inline constexpr std::string_view KeepSelectedLog = "Оставляем выделенные значения...";
inline constexpr std::string_view DeleteSelectedLog = "Удаляем выделенные значения...";
inline constexpr std::string_view RollbackLog = "{UNDO} Откат изменений...";
inline constexpr std::string_view StoppedByLineLog = "{!} Сценарий остановлен!";
inline constexpr std::string_view SkippedStakeLog = "{-} Ставка игнорирована!";

std::string RunningLineLog(int lineNumber, std::string_view line); // "Выполнение строки %.3d: \"%s\""
std::string VariantsMadeLog(int count); // "Создано %d вариантов фильтров."
std::string ApplyingVariantLog(int variant, std::string_view text); // "Применение набора фильтров %.3d: \"%s\""
std::string VariantActivity(int variant, int count, std::string_view text); // "Фильтр %d из %d: %s"
std::string CombsCountLog(size_t count); // "Количество комбинаций в списке: %d"
std::string AnalysingLog(std::string_view statType, int drawCount);
std::string StakeModeLog(std::string_view modeText); // "{*} Добавление ставки, режим: \"%s\""
std::string StakeAddedLog(int drawNumber, std::string_view numbers);
std::string StakeExistsLog(int drawNumber, std::string_view numbers);
std::string SystemFailedLog(int count, std::string_view reason);
std::string SystemLoadedLog(bool wholeSystem, int count, std::string_view title);
std::string TooManyLeftMessage(size_t count, std::string_view comment);
// Above this many stakes in one result the run asks before making them.
inline constexpr size_t ManyStakesLimit = 100000;
// The question before staking `count` combinations (`megabytes` in the stakes file).
std::string ManyStakesQuestion(size_t count, double megabytes, std::string_view comment);
std::string MethodMissingMessage(std::string_view id, std::string_view caption);

// A condition on a column in which no row of the table has a value selects
// by "-" alone: the line fails with the column, the filter and what to change.
inline constexpr std::string_view FullSetOffRemedy =
    BELVANE_TEXT("Значения этого столбца рассчитываются только при сравнении с полным набором комбинаций: включите "
                 "\"Использовать сравнение с полным набором комбинаций\" (параметр PrefetchsEnabled) и повторите "
                 "попытку.");
inline constexpr std::string_view NoFullSetRemedy =
    BELVANE_TEXT("Значения этого столбца рассчитываются только при сравнении с полным набором комбинаций, а для этого "
                 "метода оно не выполняется: выберите условие по другому столбцу.");
inline constexpr std::string_view ShortWindowRemedy =
    BELVANE_TEXT("Увеличьте количество тиражей выборки или выберите условие по другому столбцу.");
// "В столбце \"%s\" таблицы статистики нет ни одного значения: фильтр \"%s\" не может быть применен!\r\r%s".
std::string ColumnWithoutValuesMessage(std::string_view column, std::string_view filter, std::string_view remedy);

// "< [value] кол-во: c (c% %), отклонение: d (d% %), глубина: a (a% %), вес: w >".
struct RowTexts {
    std::string_view Value, Count, CountPercent, Deviation, DeviationPercent, Depth, DepthPercent, Weight;
};
std::string RowLog(const RowTexts& row);
std::string StepLog(int step, const RowTexts& row); // "Шаг %.3d. Выделение строки: <...>"

// The comment of a scenario stake: "%.2d.%.3d:" with the line and variant
// numbers, a blank, the line's comment and a blank when there is one, "@",
// a blank and the text; cut to the 255 characters a stake record holds.
std::string ScenarioStakeComment(int lineNumber, int variant, std::string_view lineComment, std::string_view text);
// The same before the cut, and the cut itself: true when something was cut off.
std::string FullStakeComment(int lineNumber, int variant, std::string_view lineComment, std::string_view text);
bool CutToStakeComment(std::string& comment);
// "{!} Комментарий ставки обрезан до 255 символов: \"%s\"" with the whole
// comment: the rating of such stakes cannot give its line back.
std::string CommentCutLog(std::string_view fullComment);

// "Цикл: %d", "Строка: %d", "Ставок: %d".
std::string CyclePanelText(int cycle);
std::string LinePanelText(int line);
std::string StakesPanelText(int stakes);

} // namespace belvane::scenario
