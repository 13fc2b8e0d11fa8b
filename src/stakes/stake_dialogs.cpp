#include "stakes/stake_dialogs.h"

#include <algorithm>
#include <limits>

#include "stakes/stake_access.h"
#include "support/money.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

constexpr std::string_view kStakeDelimiters = ";,";

} // namespace

std::optional<model::TComb> ParseStakeNumbers(std::string_view text)
{
    const auto words = text::split(text, kStakeDelimiters, true);
    if (words.size() != model::BallCount)
        return std::nullopt;
    model::TComb comb{};
    uint64_t seen = 0;
    for (size_t i = 0; i < words.size(); ++i) {
        const auto n = text::parseInt(text::trim(words[i]));
        if (!n || !model::isValidNumber(*n) || (seen >> *n & 1) != 0)
            return std::nullopt;
        seen |= uint64_t{1} << *n;
        comb[i] = static_cast<model::Ball>(*n);
    }
    std::sort(comb.begin(), comb.end());
    return comb;
}

int64_t StakeTextSum(std::string_view text)
{
    int64_t sum = 0;
    for (auto word : text::split(text, kStakeDelimiters, true))
        sum += text::parseInt(text::trim(word)).value_or(0);
    return sum;
}

StakeRecord PrepareManualStake(const model::TDrawsArray& draws, int offset, int32_t listSize,
                               const std::optional<model::TComb>& prefill, const stats::TConfigData& config)
{
    StakeRecord r =
        MakeStake(StakeKind::Manual, NextStakeDrawNumber(draws, offset), prefill.value_or(model::TComb{}), listSize,
                  std::string(ManualStakeComment), stats::SystemStakeCost(config, model::BallCount, UncheckedMatches));
    return r;
}

std::optional<DialogRefusal> ValidateStakeDialog(int64_t drawNumber, std::string_view numbersText,
                                                 std::string_view comment, int64_t drawsCount)
{
    if (!ParseStakeNumbers(numbersText))
        return DialogRefusal{support::Text(InvalidStakeMessage), StakeDialogField::Numbers};
    return ValidateMultiStakeDialog(drawNumber, comment, drawsCount);
}

std::optional<DialogRefusal> ValidateMultiStakeDialog(int64_t drawNumber, std::string_view comment, int64_t drawsCount)
{
    if (text::trim(comment).empty())
        return DialogRefusal{support::Text(EmptyCommentMessage), StakeDialogField::Comment};
    if (auto message = ValidateStakeDraws(drawNumber, drawsCount)) {
        const bool drawWrong = drawNumber < 1 || drawNumber > MaxDrawNumber;
        return DialogRefusal{*message, drawWrong ? StakeDialogField::DrawNumber : StakeDialogField::DrawsCount};
    }
    return std::nullopt;
}

bool MatchesMeet(MatchCondition condition, int32_t matches, int value)
{
    switch (condition) {
    case MatchCondition::Equal:
        return matches == value;
    case MatchCondition::Greater:
        return matches > value;
    case MatchCondition::NotLess:
        return matches >= value;
    case MatchCondition::Less:
        return matches < value;
    case MatchCondition::NotGreater:
        return matches <= value;
    }
    return false;
}

uint16_t PackStakeFilterChoice(const StakeFilterChoice& choice)
{
    return static_cast<uint16_t>(static_cast<unsigned>(choice.Condition) |
                                 static_cast<unsigned>(std::clamp(choice.Value, 0, MaxConditionValue)) << 8);
}

StakeFilterChoice UnpackStakeFilterChoice(uint16_t packed)
{
    StakeFilterChoice choice;
    const unsigned condition = packed & 0xFF;
    const unsigned value = packed >> 8;
    if (condition < MatchConditionCaptions.size() && value <= MaxConditionValue) {
        choice.Condition = static_cast<MatchCondition>(condition);
        choice.Value = static_cast<int>(value);
    }
    return choice;
}

std::string MultiStakeSummary(size_t combinations, int64_t drawsCount, Money cost)
{
    const int64_t stakes = static_cast<int64_t>(combinations) * std::max<int64_t>(drawsCount, 0);
    Money total = 0;
    if (__builtin_mul_overflow(stakes, cost, &total))
        total = std::numeric_limits<Money>::max();
    return support::Message("Будет сделано ставок: {} на сумму {}", stakes, FormatMoney(total, 2));
}

} // namespace belvane::stakes
