#pragma once

// One row of the ratings: the results of the checked stakes that share a
// comment. 304 bytes in the ratings file "Belvane_6x45.lrt", little-endian:
//
//   0  key (length byte + 255)   256  count        260  sum of matches
// 264  counts with 0..6 matches  292  zero (4)     296  profit sum (x 10000)

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/game.h"
#include "support/money.h"

namespace belvane::stakes {

inline constexpr size_t RatingRecordSize = 304;
inline constexpr size_t RatingKeyCapacity = 255;
inline constexpr int MatchSlots = model::BallCount + 1; // 0..6 matches

struct RatingRecord {
    std::string Key; // UTF-8: the stake comment
    int32_t Count = 0;
    int32_t MatchesSum = 0;
    std::array<int32_t, MatchSlots> MatchCounts{};
    Money Profit = 0;

    // A record read from a file may hold anything; negative counts cannot be shown.
    bool IsValid() const;

    friend bool operator==(const RatingRecord&, const RatingRecord&) = default;
};

using TRatingsArray = std::vector<RatingRecord>;

void EncodeRating(const RatingRecord& record, std::span<uint8_t, RatingRecordSize> out);
RatingRecord DecodeRating(std::span<const uint8_t, RatingRecordSize> in);

// The whole file. A size that is not a whole number of records is refused
// (the file is damaged): Error with the file name and the reason.
TRatingsArray ReadRatingsFile(const std::filesystem::path& path);
// The same for the file's bytes; fileName is what the error names.
TRatingsArray ParseRatings(std::string_view data, std::string_view fileName);
// Replaces the file through a temporary file, flushed and renamed.
void WriteRatingsFile(const std::filesystem::path& path, const TRatingsArray& records);

} // namespace belvane::stakes
