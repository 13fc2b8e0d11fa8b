#pragma once

// The stake record: one combination bet on one draw, and the separator that
// starts a new block of stakes. 312 bytes in the stakes file, little-endian:
//
//   0  version (2)          1  kind              2  zero (2)
//   4  draw number          8  checked flag      9  zero (3)
//  12  list size           16  count of numbers 20  numbers (8)
//  28  drawn numbers (6)   34  zero (2)         36  matches (-1 unchecked)
//  40  matched numbers (8) 48  profit (x 10000) 56  comment (length byte + 255)

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/game.h"
#include "support/money.h"

namespace belvane::stakes {

inline constexpr size_t StakeRecordSize = 312;
inline constexpr uint8_t StakeRecordVersion = 2;
inline constexpr size_t StakeNumbersCapacity = 8;
inline constexpr size_t StakeCommentCapacity = 255;

// Field offsets the checker patches in place.
inline constexpr size_t StakeKindOffset = 1;
inline constexpr size_t StakeDrawNumberOffset = 4;
inline constexpr size_t StakeCheckedOffset = 8;
inline constexpr size_t StakeListSizeOffset = 12;
inline constexpr size_t StakeCountOffset = 16;
inline constexpr size_t StakeNumbersOffset = 20;
inline constexpr size_t StakeDrawnOffset = 28;
inline constexpr size_t StakeMatchesOffset = 36;
inline constexpr size_t StakeMatchedOffset = 40;
inline constexpr size_t StakeProfitOffset = 48;
inline constexpr size_t StakeCommentOffset = 56;

enum class StakeKind : uint8_t { Separator = 0, Manual = 1, Regular = 2, Scenario = 3, System = 4 };

inline constexpr int32_t SeparatorDrawNumber = -1;
inline constexpr int32_t UncheckedMatches = -1;

using StakeNumbers = std::array<model::Ball, StakeNumbersCapacity>;

struct StakeRecord {
    uint8_t Version = StakeRecordVersion;
    uint8_t Kind = static_cast<uint8_t>(StakeKind::Manual); // raw: a file may hold any value
    int32_t DrawNumber = 0;
    bool Checked = false;
    int32_t ListSize = 0;
    int32_t Count = 0; // as read; numberCount() is the range-checked value
    StakeNumbers Numbers{};
    model::TComb Drawn{};
    int32_t Matches = UncheckedMatches;
    StakeNumbers Matched{};
    Money Profit = 0;
    std::string Comment; // UTF-8

    bool isSeparator() const { return Kind == static_cast<uint8_t>(StakeKind::Separator); }
    // Count of numbers clamped to 0..8: how many entries of Numbers are in use.
    size_t numberCount() const;
    std::span<const model::Ball> numbers() const { return {Numbers.data(), numberCount()}; }
    // The matched numbers in use: Matches of them when 0..8, else none.
    std::span<const model::Ball> matchedNumbers() const;
    // Matches of a checked stake that may index a 0..6 table; -1 otherwise.
    int validMatches() const;

    friend bool operator==(const StakeRecord&, const StakeRecord&) = default;
};

// A new block's first record: version 2, kind 0, draw number -1, matches -1,
// everything else zero.
StakeRecord MakeSeparator();

// An unchecked stake (matches -1) of six numbers, sorted ascending; `profit`
// is what an unchecked stake stores: minus its cost.
StakeRecord MakeStake(StakeKind kind, int32_t drawNumber, const model::TComb& comb, int32_t listSize,
                      std::string comment, Money profit);

void EncodeStake(const StakeRecord& record, std::span<uint8_t, StakeRecordSize> out);
// Fields are taken as they stand (a file is hostile: use numberCount(),
// validMatches() and friends before indexing with them). The comment's length
// byte is cut to its capacity.
StakeRecord DecodeStake(std::span<const uint8_t, StakeRecordSize> in);

} // namespace belvane::stakes
