#pragma once

// The scenario element dialog ("Элемент сценария"): its fields filled from a
// line, the line its OK builds, and the checks its OK makes first.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "scenario/filter_item.h"
#include "support/translation.h"

namespace belvane::scenario {

inline constexpr std::string_view ElementDialogCaption = BELVANE_TEXT("Элемент сценария");
inline constexpr std::string_view NewLineCaption = BELVANE_TEXT("Создание новой строки");
inline constexpr std::string_view EditLineCaption = BELVANE_TEXT("Редактирование строки");
inline constexpr std::string_view ClearStakesCaption =
    BELVANE_TEXT("Удалить все ставки перед выполнением (накопление только рейтинга)");
inline constexpr std::string_view NewOnlyCaption =
    BELVANE_TEXT("Только новые ставки (пропускать те ставки, которые уже есть в списке)");

struct ScriptElementFields {
    std::string Comment;                              // edComments
    int StartMode = 0;                                // cbStartCombsType
    int32_t DrawCount = 0;                            // edDrawsExclude
    int ResultMode = 0;                               // cbResultCombsMode
    bool ClearStakes = false;                         // cbClearStakes
    bool NewOnly = false;                             // cbNewOnly
    std::array<std::string, FilterSlotCount> Filters; // edFilter1..7, raw texts

    friend bool operator==(const ScriptElementFields&, const ScriptElementFields&) = default;
};

// The dialog opened on a line: the default draw count first, then, for a
// line that is not empty, every field from the line (filters as written).
ScriptElementFields ElementFieldsFromLine(std::string_view line, int32_t defaultDrawCount);

// The line OK builds from the fields.
std::string ElementLineText(const ScriptElementFields& fields);

// What OK refuses, with the control to focus. A "|" or a line break in the
// comment or a filter would cut the line when it is read back.
struct ElementProblem {
    std::string Message;
    std::string Control;
};
std::optional<ElementProblem> ValidateElementFields(const ScriptElementFields& fields);

} // namespace belvane::scenario
