#pragma once

// The combination lists of a scenario run. The start list is generated once
// per run; the list without the latest N draws is kept per N for the pass (one
// offset); and, while a line's variants begin with the same filters, the list
// those filters left is kept and reused. None of them is copied to start a
// variant: the list stands for the kept one until a filter reads from it and
// writes what it keeps into a spare buffer, which becomes the list only when
// something is left (a roll-back is the swap not made).

#include <deque>
#include <map>
#include <span>
#include <optional>
#include <vector>

#include "combs/comb_list.h"
#include "combs/history.h"
#include "scenario/filter_item.h"
#include "scenario/script_options.h"
#include "stats/matcher.h"

namespace belvane::app {

class Workspace;

class RunnerLists {
public:
    explicit RunnerLists(Workspace& ws);

    // The list as it stands (a kept list the variant starts from, or the
    // workspace's list).
    size_t Count() const { return Combs().size(); }
    std::span<const model::TComb> Combs() const;
    // Makes the workspace's list hold the list as it stands (at the end of a line).
    void Materialize();

    combs::CombinationList& List();
    combs::OperationHistory& History();

    // A new pass at a new offset, and a new line: what was kept for the old one no longer holds.
    void StartPass();
    void StartLine();

    // Builds the line's start list at the current offset ("FULL", "EXCL",
    // "CURR"). Returns false when the person cancelled the generation; throws
    // Error when the list cannot be built.
    bool BuildStart(const scenario::TScriptOptions& options);

    // How many of the variant's first filters need not run again: the list
    // they left is put back (with its history). 0 when there is nothing to
    // reuse: the start list is to be built. Only where the lists depend on
    // nothing but the filters (not "CURR") and when `allowed`.
    int Resume(const scenario::TScriptOptions& options, const scenario::TFilterRec& rec, bool allowed);
    // The list after filter `slot` of the variant, for the next variants;
    // kept only when every filter before it is kept too.
    void Remember(int slot, const scenario::TFilterRec& rec);

    // Keeps the combinations whose answer equals `keepMatching`. Returns how
    // many were left; with none the list stays as it was.
    size_t Filter(const stats::Matcher& matcher, bool keepMatching);

private:
    struct Kept {
        scenario::TFilterPart Part;
        combs::CombBuffer Combs;
        std::vector<combs::HistoryRow> History;
    };

    Workspace& ws_;
    std::optional<combs::CombBuffer> generated_;
    std::map<int, combs::CombBuffer> withoutDraws_; // by N, at the pass's offset
    std::deque<Kept> kept_;                         // after filters 1, 2, ... of the last variant
    bool reusable_ = false;
    const combs::CombBuffer* standsFor_ = nullptr; // the kept list the list stands for, until a filter
    combs::CombBuffer spare_;
};

} // namespace belvane::app
