#pragma once

// Checking the stakes: every unchecked stake whose draw is in the archive
// gets the drawn numbers, its matches, the matched numbers and its profit,
// goes into the ratings and, when the logs are on, into its stake log.

#include <cstddef>
#include <filesystem>
#include <span>
#include <vector>

#include "model/draws.h"
#include "stakes/ratings.h"
#include "stakes/stakes_file.h"
#include "stats/config_data.h"
#include "support/host.h"

namespace belvane::stakes {

struct CheckOptions {
    bool LogEnabled = false;         // "StakesLogEnabled"
    std::filesystem::path LogFolder; // where the stake logs lie
    // The first record to look at: a caller that knows every earlier record
    // is checked or cannot be checked yet (a scenario run, whose archive does
    // not change) skips them.
    size_t From = 0;
    // Many checks in a row (a scenario run): neither flush the file nor sort
    // and save the ratings after each; FinishChecks does both once at the end.
    bool Deferred = false;
};

struct CheckResult {
    size_t Checked = 0; // stakes filled in (they stay filled in whatever happened later)
    bool Cancelled = false;
    bool Failed = false; // the check, a stake log or the ratings could not be written
};

// Scans the whole file in blocks. A stake qualifies when it is not checked,
// its draw number is positive, it has 6 to 8 numbers and the archive (all of
// it, whatever the offset) has its draw. Matches count distinct numbers 1..45.
// Progress in 100 parts from the first stake that qualifies, cancellable: what
// was checked so far stays. When anything was checked the file is synced and
// the ratings re-sorted and saved once. Failures are shown through the host:
// "Ошибка проверки ставок!\r\r%s", a stake log failure once per check.
CheckResult CheckStakes(Host& host, StakesFile& file, const model::TDrawsArray& draws, const stats::TConfigData& config,
                        Ratings& ratings, const CheckOptions& options = {});

struct UncheckResult {
    size_t Unchecked = 0;
    std::vector<int32_t> DrawNumbers; // of the stakes put back, one entry per stake
    bool Failed = false;
};

// Puts every checked stake of these draws back to unchecked (no drawn or
// matched numbers, matches -1, profit minus its cost) and takes it out of the
// ratings, which are re-sorted and saved when anything changed: the draws
// they were checked against were edited or deleted. Not cancellable (a
// half-done pass would leave ratings and stakes apart). Failures are shown:
// "Ошибка проверки ставок!\r\r%s".
UncheckResult UncheckStakes(Host& host, StakesFile& file, std::span<const int32_t> drawNumbers,
                            const stats::TConfigData& config, Ratings& ratings);

// After deferred checks that filled stakes in: the file synced, the ratings sorted and saved.
// Returns false when the file or the ratings could not be written (shown).
bool FinishChecks(Host& host, StakesFile& file, Ratings& ratings);

} // namespace belvane::stakes
