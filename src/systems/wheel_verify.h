#pragma once

// Exact verification of a system: for every p-subset of the n positions
// (p = 1..6) the largest number of its positions that one line holds. From
// that histogram follow the guarantee table (how many p-subsets get at least
// t) and the guarantee a system really gives.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "systems/system_line.h"

namespace belvane::systems {

struct GuaranteeTable {
    int Numbers = 0;
    int Lines = 0;
    // Best[p][m]: how many p-subsets have at most m positions in any one
    // line and exactly m in some line (p = 1..6, m = 0..p).
    std::array<std::array<uint64_t, 7>, 7> Best{};

    uint64_t Subsets(int p) const;
    // How many p-subsets have at least t positions in some line.
    uint64_t Meeting(int p, int t) const;
    // The t every p-subset gets (the smallest best overlap).
    int Guaranteed(int p) const;
    // The smallest condition p under which t is guaranteed; nullopt when none is.
    std::optional<int> ConditionFor(int t) const;
    // The guaranteed overlap when all six drawn numbers are among the n: the
    // block a system can claim at all.
    int Block() const { return Guaranteed(SystemCombLength); }
};

// Verifies lines of positions 1..numbers (checked by the caller). `proceed`
// is asked between steps and stops the count (nullopt) when it says no.
std::optional<GuaranteeTable> VerifySystem(std::span<const SystemLine> lines, int numbers,
                                           const std::function<bool()>& proceed = {});

} // namespace belvane::systems
