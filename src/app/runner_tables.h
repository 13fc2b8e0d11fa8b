#pragma once

// The statistics tables a scenario run reads: calculated as the statistics
// page calculates them, but never looking past the offset. Each method's
// full-set distribution is read once per run, and a table is calculated once
// per offset for the variants that ask for it again.

#include <deque>
#include <map>
#include <memory>
#include <optional>

#include "app/draws_stat_table.h"
#include "app/prefetch_files.h"

namespace belvane::app {

class Workspace;

class RunnerTables {
public:
    explicit RunnerTables(Workspace& ws) : ws_(ws) {}

    // The table of a registry entry over `length` draws at the current
    // offset, with these weights for "Вес".
    std::shared_ptr<const DrawsStatTable> Table(int entry, int length, const stats::WeightCoefficients& weights);
    // The offset has changed: the tables are no longer those of the archive.
    void ForgetTables() { tables_.clear(); }

private:
    struct Key {
        int Entry = -1;
        int Length = 0;
        stats::WeightCoefficients Weights;
        friend bool operator==(const Key&, const Key&) = default;
    };
    const PrefetchData* Prefetch(int entry);

    Workspace& ws_;
    std::map<int, std::optional<PrefetchData>> prefetch_;
    std::deque<std::pair<Key, std::shared_ptr<const DrawsStatTable>>> tables_; // the most recent first
};

} // namespace belvane::app
