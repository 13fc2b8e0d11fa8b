#pragma once

// Repeats by draw: for each recent draw, how many of the draws before it
// (up to a depth) share exactly k numbers with it, for every k met.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/draws.h"
#include "support/translation.h"
#include "views/chart.h"

namespace belvane::views {

struct RepeatsRow {
    int DrawNumber = 0;
    int Matches = 0;          // k > 0
    std::vector<int> Earlier; // the draws sharing k numbers, newest first
    int Count() const { return static_cast<int>(Earlier.size()); }
    std::string EarlierText() const; // the numbers separated by single blanks
};

struct RepeatsTable {
    std::vector<RepeatsRow> Rows; // newest draw first; a draw's rows in the order their k was met
    int MaxMatches = 0;
};

// Told the steps done so far and how many in all; answering false stops the work.
using RepeatsProgress = std::function<bool(int done, int total)>;

inline constexpr int DefaultRepeatsLength = 100;
inline constexpr int DefaultRepeatsDepth = 100;

// The last `length` draws of the archive, each against the `depth` draws
// before it (all earlier ones when there are fewer). nullopt when stopped.
std::optional<RepeatsTable> AnalyzeRepeats(const model::TDrawsArray& draws, int length, int depth,
                                           const RepeatsProgress& progress = {});

inline constexpr std::string_view RepeatsCaption = BELVANE_TEXT("Количество повторов в зависимости от тиража");

// One line series per k from 1 to the largest ("Совпадений: %d"), without a
// colour of its own (the chart gives each a distinct one), 2x2 markers; the
// rows added from the last to the first.
Chart RepeatsChart(const RepeatsTable& table);
// The same, told the rows done so far and how many in all; nullopt when stopped.
std::optional<Chart> RepeatsChart(const RepeatsTable& table, const RepeatsProgress& progress);

} // namespace belvane::views
