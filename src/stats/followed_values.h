#pragma once

// What the serial and period methods follow in a draw: each number itself,
// the channel it lies in, or its segment. One table maps every byte to the
// value followed, so that a byte that is no number of the game follows none.

#include <string>

#include "stats/group_stats.h"

namespace belvane::stats {

struct TConfigData;

struct FollowedValues {
    GroupTable Of{}; // the value of each byte; NoGroup for a byte that is no number
    int Min = 0;     // the values followed, Min..Max (within 0..45)
    int Max = -1;
    bool TwoDigits = false; // shown with two digits (channels: 02)

    // "7", or "02" for a channel.
    std::string Text(int value) const;
};

// The numbers 1..45.
FollowedValues FollowNumbers();
// The channels 1..ceil(45 / S) of the configured channel size.
FollowedValues FollowChannels(const TConfigData& config);
// The segments from the smallest to the largest the table uses.
FollowedValues FollowSegments(const TConfigData& config);

// The values the numbers of six bytes follow, as bits.
inline uint64_t FollowedBits(const TComb& balls, const FollowedValues& followed)
{
    return OccupiedGroups(balls, followed.Of);
}

// The filter test "a number of the combination follows one of these values".
std::unique_ptr<Matcher> FollowsAnyOf(uint64_t values, const FollowedValues& followed);

} // namespace belvane::stats
