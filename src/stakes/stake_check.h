#pragma once

// Checking the stakes: every unchecked stake whose draw is in the archive
// gets the drawn numbers, its matches, the matched numbers and its profit,
// goes into the ratings and, when the logs are on, into its stake log.

#include <cstddef>
#include <filesystem>

#include "app/host.h"
#include "model/draws.h"
#include "stakes/ratings.h"
#include "stakes/stakes_file.h"
#include "stats/config_data.h"

namespace belvane::stakes {

struct CheckOptions {
    bool LogEnabled = false;         // "StakesLogEnabled"
    std::filesystem::path LogFolder; // where the stake logs lie
};

struct CheckResult {
    size_t Checked = 0; // stakes filled in (they stay filled in whatever happened later)
    bool Cancelled = false;
    bool Failed = false;
};

// Scans the whole file in blocks. A stake qualifies when it is not checked,
// its draw number is positive, it has 6 to 8 numbers and the archive (all of
// it, whatever the offset) has its draw. Matches count distinct numbers 1..45.
// Progress in 100 parts from the first stake that qualifies, cancellable: what
// was checked so far stays. When anything was checked the file is synced and
// the ratings re-sorted and saved once. Failures are shown through the host:
// "Ошибка проверки ставок!\r\r%s", a stake log failure once per check.
CheckResult CheckStakes(app::Host& host, StakesFile& file, const model::TDrawsArray& draws,
                        const stats::TConfigData& config, Ratings& ratings, const CheckOptions& options = {});

} // namespace belvane::stakes
