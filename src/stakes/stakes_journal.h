#pragma once

// The journal of a change of the stakes: what a change that fails, or that
// the program did not live to finish, is put back to, so that the stakes
// file, the files derived from it and the logs move together or not at all.
//
// Before a change writes anything, its journal "<stakes file>-journal" is
// written (to a temporary file, flushed, renamed): the stakes file's size,
// the files the change replaces whole (the ratings, the regular stakes; each
// kept as it was through a hard link "<file>-snapshot"), and the size of
// every file it appends to (the stake logs). Records of the
// stakes file that the change overwrites in place are first copied to
// "<stakes file>-undo" and flushed. Removing the journal commits the change;
// undoing it writes the saved records back, cuts the stakes file to its old
// size, renames the snapshots back, cuts the appended files back (removing
// those that did not exist) and removes the journal last, so that undoing
// can itself be interrupted and done again.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "support/error.h"

namespace belvane::stakes {

// A journal that cannot be read: nothing can be undone from it.
class JournalDamaged : public Error {
public:
    using Error::Error;
};

// What undoing a change put back.
struct ChangeUndone {
    uint64_t DroppedBytes = 0;  // cut from the end of the stakes file
    size_t RestoredRecords = 0; // records written back where the change had overwritten them
    size_t RestoredFiles = 0;   // replaced or appended files put back
};

class StakesJournal {
public:
    // The journal of the stakes file at `stakes`.
    explicit StakesJournal(std::filesystem::path stakes);
    StakesJournal(const StakesJournal&) = delete;
    StakesJournal& operator=(const StakesJournal&) = delete;
    ~StakesJournal();

    // Whether a journal is on the disk: a change is going on, or one was not finished.
    bool Pending() const;
    // The leftovers of a change committed just before the program died.
    void RemoveLeftovers() const;

    // Begins a change: `replaced` are files saved whole by renaming a new file
    // over them, `appended` files written at their end (a file that does not
    // exist yet is removed again on undoing). Throws Error when the journal or
    // a snapshot cannot be written; nothing has changed then.
    void Begin(uint64_t stakesSize, const std::vector<std::filesystem::path>& replaced,
               const std::vector<std::filesystem::path>& appended);
    bool Active() const { return active_; }
    uint64_t BaseSize() const { return base_; }
    // Keeps the bytes at `offset` that are about to be overwritten (the part
    // below the size the change began with). Throws Error when they cannot be kept.
    void SaveBeforeOverwrite(uint64_t offset, std::span<const uint8_t> old);
    // The change is complete: the journal goes, then what it kept.
    void Commit();
    // Undoes the change begun here or left by a program that died (read from
    // the disk) on the stakes file open as `stakesFd`. Throws Error when a
    // step fails; the journal then stays, so that the next attempt goes on
    // from where this one stopped. Throws JournalDamaged, changing nothing,
    // for a journal that cannot be read.
    ChangeUndone Undo(int stakesFd);
    // Puts a damaged journal aside under `<journal>.bad`; returns that name.
    std::filesystem::path SetAside() const;

private:
    struct FileState {
        std::string Name;             // in the stakes file's folder
        std::optional<uint64_t> Size; // nullopt: did not exist
    };
    std::filesystem::path inFolder(const std::string& name) const;
    std::filesystem::path journalPath() const;
    std::filesystem::path undoPath() const;
    void writeJournal() const;
    void readJournal();
    static FileState stateOf(const std::filesystem::path& file);

    std::filesystem::path stakes_;
    std::filesystem::path folder_;
    bool active_ = false;
    uint64_t base_ = 0;
    std::vector<FileState> replaced_;
    std::vector<FileState> appended_;
    int undoFd_ = -1;
};

} // namespace belvane::stakes
