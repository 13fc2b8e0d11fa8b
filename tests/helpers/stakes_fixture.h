#pragma once

// A data folder with an open stakes file, the ratings beside it, a recording
// host and a game configuration with prizes: what every stakes test starts from.

#include <string>
#include <string_view>
#include <vector>

#include "helpers/recording_host.h"
#include "helpers/temp_dir.h"
#include "stakes/ratings.h"
#include "stakes/stake_record.h"
#include "stakes/stakes_file.h"
#include "stats/config_data.h"

namespace belvane::testing {

inline constexpr std::string_view StakesFileName = "Belvane_6x45.lsk";
inline constexpr std::string_view RatingsFileName = "Belvane_6x45.lrt";

// Cost 2, prizes 3 -> 10, 4 -> 100, 5 -> 5000, 6 -> 1000000.
inline stats::TConfigData configWithPrizes()
{
    stats::TConfigData c;
    c.Cost = 2 * MoneyScale;
    c.Profits = {{3, 10 * MoneyScale}, {4, 100 * MoneyScale}, {5, 5000 * MoneyScale}, {6, 1000000 * MoneyScale}};
    return c;
}

struct StakesFolder {
    TempDir dir;
    RecordingHost host;
    stakes::StakesFile file;
    stakes::Ratings ratings{dir / RatingsFileName};
    stats::TConfigData config = configWithPrizes();

    StakesFolder() { file.Open(dir / StakesFileName); }

    std::vector<stakes::StakeRecord> records()
    {
        std::vector<stakes::StakeRecord> out;
        for (size_t i = 0; i < file.RecordCount(); ++i)
            out.push_back(file.Read(i));
        return out;
    }
};

// An unchecked manual stake of six numbers for a draw, costing 2.
inline stakes::StakeRecord stakeFor(int32_t draw, model::TComb comb, std::string comment = "t1")
{
    return stakes::MakeStake(stakes::StakeKind::Manual, draw, comb, 100, std::move(comment), -2 * MoneyScale);
}

// Bytes from "02 03 00 ..." (blanks ignored).
inline std::string hexBytes(std::string_view hex)
{
    std::string out;
    int nibbles = 0;
    unsigned value = 0;
    for (char c : hex) {
        int v = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                       : -1;
        if (v < 0)
            continue;
        value = value << 4 | static_cast<unsigned>(v);
        if (++nibbles == 2) {
            out += static_cast<char>(value);
            nibbles = 0;
            value = 0;
        }
    }
    return out;
}

} // namespace belvane::testing
