#pragma once

// A regular stake: a rule that stakes, draw after draw, a combination whose
// numbers are shifted by a fixed step around the 45-number circle. 280 bytes
// in the tables file "Belvane_6x45.ltb", little-endian:
//
//   0  comment (length byte + 255)   256  base mode        257  start (6)
// 263  current (6)                   269  zero (3)         272  step
// 276  stakes made

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/game.h"

namespace belvane::stakes {

inline constexpr size_t RegularStakeRecordSize = 280;
inline constexpr size_t RegularCommentCapacity = 255;
inline constexpr int32_t MinRegularStep = -45;
inline constexpr int32_t MaxRegularStep = 45;

// What the step shifts: the last combination staked, or the numbers of the
// newest draw visible at the draws offset.
enum class RegularBase : uint8_t { Combination = 0, LastDraw = 1 };

struct RegularStake {
    std::string Comment; // UTF-8; unique among the regular stakes, letter case aside
    RegularBase Base = RegularBase::Combination;
    model::TComb Start{};   // ascending
    model::TComb Current{}; // the last combination staked (the start before the first stake)
    int32_t Step = 1;
    int32_t Stakes = 0; // stakes made

    friend bool operator==(const RegularStake&, const RegularStake&) = default;
};

void EncodeRegularStake(const RegularStake& record, std::span<uint8_t, RegularStakeRecordSize> out);
// Throws Error when a field is out of its range (see RegularStakeFault).
RegularStake DecodeRegularStake(std::span<const uint8_t, RegularStakeRecordSize> in);

// Why a record cannot be one of ours, or nothing: the base mode is 0 or 1,
// the step -45..45, start and current are six different numbers 1..45.
std::optional<std::string> RegularStakeFault(const RegularStake& record);

// The whole tables file. A size that is not a whole number of records or a
// record out of range is refused: Error with the file name, the record and
// the reason.
std::vector<RegularStake> ReadTablesFile(const std::filesystem::path& path);
// The same for the file's bytes; fileName is what the error names.
std::vector<RegularStake> ParseTables(std::string_view data, std::string_view fileName);
// Replaces the file through a temporary file, flushed and renamed.
void WriteTablesFile(const std::filesystem::path& path, std::span<const RegularStake> records);

} // namespace belvane::stakes
