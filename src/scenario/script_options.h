#pragma once

// The options field of a scenario line: how the start list is built, what the
// line stakes, and the two stake flags. Written "EXCL:5#SKIP#CLR#NEX".

#include <cstdint>
#include <string>
#include <string_view>

namespace belvane::scenario {

inline constexpr std::string_view ClearStakesWord = "CLR";
inline constexpr std::string_view NewOnlyWord = "NEX";

struct TScriptOptions {
    int32_t DrawCount = 0;  // draws the "EXCL" start list removes
    uint8_t StartMode = 0;  // StartModes
    uint8_t ResultMode = 0; // ResultModes
    bool ClearStakes = false;
    bool NewOnly = false;

    friend bool operator==(const TScriptOptions&, const TScriptOptions&) = default;
};

// Never fails: unknown or missing words leave their defaults.
TScriptOptions ParseScriptOptions(std::string_view text);

// The options field as the element dialog writes it: start code, ":", count,
// "#", result code, then "#CLR" and "#NEX" when set.
std::string ScriptOptionsText(const TScriptOptions& options);

// The options in a scenario stake's comment: the count only for "EXCL", the
// clear flag left out ("EXCL:5#SKIP#NEX", "FULL#RAND").
std::string PrintScriptOptions(const TScriptOptions& options);

// The scenario page's options column:
// "Исключить 5 тиражей; Пропустить; Удалить ставки; Только новые ставки".
std::string ScriptOptionsSummary(const TScriptOptions& options);

} // namespace belvane::scenario
