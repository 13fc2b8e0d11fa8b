#pragma once

// The stakes a scenario run makes: a new block per pass, the stakes of one
// result written through one buffered appender, "only new stakes" answered
// from a set of the file's stakes held in memory, and checks that look only
// at the records no earlier check of the run has seen.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>

#include "model/game.h"
#include "stakes/stake_access.h"
#include "stakes/stake_record.h"

namespace belvane::app {

class Workspace;

class RunnerStakes {
public:
    explicit RunnerStakes(Workspace& ws);

    // The first record the run has written, as the file stands now (0 once it was emptied).
    size_t FirstRecord() const { return firstRecord_; }

    // A pass starts a new block: a separator when the file ends with a stake.
    // A failure is shown; returns false then.
    bool StartPass();
    // "CLR": the stakes file emptied. A failure is shown; returns false then.
    bool Clear();

    // The stakes of one result: kind 3, for `drawNumber`, with the list size
    // and the comment. Throws Error when the file cannot be read.
    void Begin(int32_t drawNumber, int32_t listSize, const std::string& comment, bool newOnly);
    // Adds a stake; false when "only new stakes" finds it in the file already.
    // Throws Error when a block cannot be written.
    bool Add(const model::TComb& comb);
    // Before many stakes of this result: throws Error, writing nothing, when
    // the disk has no room for them.
    void Expect(size_t stakes) const { appender_->Expect(stakes + 1); }
    // Writes what is buffered; throws Error. Returns the stakes of this result in the file.
    size_t Finish();
    // The stakes of this result that reached the file so far.
    size_t Written() const { return appender_ ? appender_->Written() : 0; }
    // After a failure: what is buffered is dropped, and the set of the file's
    // stakes is read again when next needed.
    void Abandon()
    {
        appender_.reset();
        existing_.reset();
    }

    // Checks the stakes made since the last check (after every line or every
    // pass). The ratings are sorted and saved once, by FinishChecks at the end
    // of the run. Both return false when something could not be written (shown).
    bool Check();
    bool FinishChecks();

private:
    std::unordered_set<uint64_t>& Existing();

    Workspace& ws_;
    std::optional<stakes::StakeAppender> appender_;
    std::array<uint8_t, stakes::StakeRecordSize> record_{};
    int32_t drawNumber_ = 0;
    bool newOnly_ = false;
    std::optional<std::unordered_set<uint64_t>> existing_; // (draw, combination) of the file's stakes
    size_t checkFrom_ = 0;
    size_t firstRecord_ = 0;
    bool checked_ = false; // stakes were filled in since the last FinishChecks
};

} // namespace belvane::app
