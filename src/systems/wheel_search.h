#pragma once

// Generating a system: lines of six of the n positions such that whenever p
// of the drawn numbers are among the n, some line holds at least t of them
// (p = t: the covering C(n,6,t)). Each of a fixed number of chains starts
// from its own seeded greedy system and then, with a fixed count of lines,
// swaps positions to cover what is left uncovered; whenever all is covered
// it keeps that system and drops a line. Coverings of a few hundred lines
// take the best swap by weights that grow on the subsets long left
// uncovered (and go back to the best system when long stuck); larger ones
// and other designs anneal. For coverings of four-subsets of 15 to 20
// positions the first chain starts instead from the smallest of many
// coverings made of whole orbits of a group of the positions, searched over
// the orbits. The chains run in
// rounds of a fixed number of moves on all cores, so the result depends only
// on the seed and on how many rounds ran, never on the cores or their
// timing; they stop once a chain meets the lower bound. The best is the
// smallest system, the lower chain on a tie.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "systems/system_line.h"

namespace belvane::systems {

struct WheelDesign {
    int Numbers = 0;   // n, 7..45
    int Guarantee = 0; // t, 1..5
    int Condition = 0; // p, t..6
};

// The message for a design that cannot be generated, nullopt when it can.
std::optional<std::string> CheckWheelDesign(const WheelDesign& design);

struct WheelOptions {
    double Seconds = 10; // stop after the first round past this (the orbit starts always run in full)
    uint64_t Seed = 1;
    std::optional<int64_t> Rounds; // stop after this many rounds (reproduces a run exactly)
    int Chains = 4;                // two at most where the subsets run into millions (memory)
    // Asked from the worker threads too, so a long greedy start can be
    // cancelled; must be safe to call from any thread.
    std::function<bool()> Cancelled;
};

struct GeneratedWheel {
    std::vector<SystemLine> Lines; // sorted
    int64_t Rounds = 0;            // rounds run
    int Chain = 0;                 // the chain that found it
    bool Optimal = false;          // its size is the lower bound
    bool Cancelled = false;
};

// `progress(fraction)` is called from the calling thread after each round
// with the part of the budget used; false stops (Cancelled).
GeneratedWheel GenerateWheel(const WheelDesign& design, const WheelOptions& options,
                             const std::function<bool(double)>& progress = {});

} // namespace belvane::systems
