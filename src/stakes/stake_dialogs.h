#pragma once

// The rules behind the stake dialogs: what "Добавление ставки", "Добавление
// мультиставки" and "Удаление по условию" accept and what they start from.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/draws.h"
#include "stakes/stake_record.h"
#include "stats/config_data.h"
#include "support/translation.h"

namespace belvane::stakes {

inline constexpr std::string_view StakeDialogCaption = BELVANE_TEXT("Добавление ставки");
inline constexpr std::string_view MultiStakeDialogCaption = BELVANE_TEXT("Добавление мультиставки");
inline constexpr std::string_view ManualStakeComment = "Ставка \"вручную\"";
inline constexpr std::string_view InvalidStakeMessage = BELVANE_TEXT("Введена некорректная комбинация!");
inline constexpr std::string_view EmptyCommentMessage = BELVANE_TEXT("Необходимо ввести комментарий!");
inline constexpr std::string_view AddStakeStatus = BELVANE_TEXT("Создание ставки...");
inline constexpr std::string_view AddStakesStatus = BELVANE_TEXT("Создание ставок...");

// Exactly six words separated by ";" or ",", each an integer 1..45, all
// different; nullopt otherwise. The numbers come back ascending.
std::optional<model::TComb> ParseStakeNumbers(std::string_view text);
// The sum of the typed numbers, words that are no integer counting 0 ("Сумма:").
int64_t StakeTextSum(std::string_view text);

// The record the stake dialog starts from: a manual stake for the draw new
// stakes are for, with the comment "Ставка \"вручную\"", the list size, the
// prefilled combination (all zero when none) and minus the cost of one stake.
StakeRecord PrepareManualStake(const model::TDrawsArray& draws, int offset, int32_t listSize,
                               const std::optional<model::TComb>& prefill, const stats::TConfigData& config);

enum class StakeDialogField { DrawNumber, Numbers, Comment, DrawsCount };
struct DialogRefusal {
    std::string Message;
    StakeDialogField Focus;
};

// OK of "Добавление ставки": nothing, or the message and the field to focus.
std::optional<DialogRefusal> ValidateStakeDialog(int64_t drawNumber, std::string_view numbersText,
                                                 std::string_view comment, int64_t drawsCount);
// OK of "Добавление мультиставки".
std::optional<DialogRefusal> ValidateMultiStakeDialog(int64_t drawNumber, std::string_view comment, int64_t drawsCount);

// ---- "Удаление по условию" ---------------------------------------------------
inline constexpr std::string_view StakeFilterDialogCaption = BELVANE_TEXT("Удаление по условию");
inline constexpr std::string_view StakeFilterDialogLabel = BELVANE_TEXT("Выберите условие:");

enum class MatchCondition : uint8_t { Equal = 0, Greater, NotLess, Less, NotGreater };
inline constexpr std::array<std::string_view, 5> MatchConditionCaptions = {
    BELVANE_TEXT("Равно [ = ]"), BELVANE_TEXT("Более [ > ]"), BELVANE_TEXT("Не менее [ >= ]"),
    BELVANE_TEXT("Менее [ < ]"), BELVANE_TEXT("Не более [ <= ]")};
inline constexpr int MaxConditionValue = 6;

bool MatchesMeet(MatchCondition condition, int32_t matches, int value);

// What the multi-stake dialog says it will make before OK: one stake per
// combination and draw, each at the cost of one combination.
// "Будет сделано ставок: %d на сумму %.2f"
std::string MultiStakeSummary(size_t combinations, int64_t drawsCount, Money cost);

// The choice remembered for the next time within a run: the condition in the
// low byte, the value in the high byte. Unknown codes read as "= 0".
struct StakeFilterChoice {
    MatchCondition Condition = MatchCondition::Equal;
    int Value = 0;
};
uint16_t PackStakeFilterChoice(const StakeFilterChoice& choice);
StakeFilterChoice UnpackStakeFilterChoice(uint16_t packed);

} // namespace belvane::stakes
