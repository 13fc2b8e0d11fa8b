#pragma once

// The stakes file "Belvane_6x45.lsk": fixed 312-byte records, held open and
// locked for the whole run, so a second copy of the program on the same data
// folder is refused.
//
// Record operations throw Error with the message of the operation ("Ошибка
// чтения записи из файла ставок!\r\r..."); the raw block operations throw the
// bare reason, for the bulk operations (checking, adding many stakes) to put
// under their own message.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "stakes/stake_record.h"
#include "stakes/stakes_journal.h"
#include "support/error.h"
#include "support/translation.h"

namespace belvane::stakes {

inline constexpr std::string_view StakesNotOpenMessage = BELVANE_TEXT("Файл ставок не открыт!");

enum class ReadOrigin { Start, End };

// Progress of a long pass over the file: records done, records in all;
// returns false to stop.
using RecordProgress = std::function<bool(size_t done, size_t total)>;

// Another program holds the stakes file.
class StakesFileLocked : public Error {
public:
    using Error::Error;
};

class StakesFile {
public:
    StakesFile() = default;
    StakesFile(const StakesFile&) = delete;
    StakesFile& operator=(const StakesFile&) = delete;
    ~StakesFile();

    // Opens the file for reading and writing, creating it when missing, and
    // takes the exclusive lock. Throws Error with the reason when it cannot
    // (another program holds it, or the folder is not writable).
    void Open(const std::filesystem::path& path);
    // Opens an existing file for reading only, beside other readers: a
    // missing file leaves it closed (no stakes). Throws StakesFileLocked while
    // a writer holds it, Error for other failures.
    void OpenForReading(const std::filesystem::path& path);
    bool ReadOnly() const { return readOnly_; }
    // Throws Error when closing reports a write failure.
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    const std::filesystem::path& Path() const { return path_; }

    uint64_t Size() const;
    size_t RecordCount() const { return static_cast<size_t>(Size() / StakeRecordSize); }
    bool Empty() const { return RecordCount() == 0; }

    // A file of an older version: its first record does not start with the
    // version byte.
    bool IsOlderVersion() const;
    // The bytes of a record torn off at the end (an append the program did not
    // live to finish): what lies beyond the last whole record of a file of this version.
    uint64_t TornTailBytes() const;
    // Cuts the torn record off; the whole records stay.
    void CutTornTail();
    // Copies the whole file, as it is, to `copy` (replaced whole or left as it was).
    void CopyTo(const std::filesystem::path& copy) const;
    // Empties the file (kept for undoing when a change is going on).
    void Truncate();
    // Makes every write so far durable.
    void Sync();

    // ---- record access -------------------------------------------------------
    // Record `index` counted from the first record (Start) or back from the
    // last one (End: 0 is the last record). The last record read is cached.
    StakeRecord Read(size_t index, ReadOrigin origin = ReadOrigin::Start);
    // Writes one record at the end. A failed write is cut back to the old size,
    // so the file never ends with a torn record.
    void Append(const StakeRecord& record);
    // Replaces record `index` (from the start); a record beyond the end is refused.
    void Overwrite(size_t index, const StakeRecord& record);

    // ---- blocks of encoded records (bare reasons on failure) -------------------
    // Reads up to out.size() / 312 records from `first`; returns how many.
    size_t ReadBlock(size_t first, std::span<uint8_t> out);
    // Writes whole encoded records over records from `first` on.
    void WriteBlock(size_t first, std::span<const uint8_t> records);
    // Appends whole encoded records; a failure is rolled back to the old size.
    void AppendBlock(std::span<const uint8_t> records);

    // Keeps the records for which keep(index, record) holds, by writing them
    // into a new file beside this one and renaming it over this one; the
    // exclusive lock is held throughout. Returns how many records were dropped,
    // or nullopt when `progress` stopped it (the file is then as it was).
    // Throws Error with the deletion's messages. Not during a change.
    std::optional<size_t> Rewrite(const std::function<bool(size_t, std::span<const uint8_t, StakeRecordSize>)>& keep,
                                  const RecordProgress& progress = {});

    // ---- changes that move together or not at all (see StakesJournal) ----------
    // Whether a change that the program did not live to finish left its journal.
    bool ChangePending() const;
    // Undoes that change, or the one going on. Throws Error when a step fails
    // (JournalDamaged, changing nothing, when its journal cannot be read).
    ChangeUndone UndoChange();
    // Puts a damaged journal aside; returns its new name.
    std::filesystem::path SetAsideChange();
    // Removes what a change committed just before the program died left behind.
    void RemoveChangeLeftovers() const;
    // Begins a change of this file and of the files derived from it: those
    // saved whole (`replaced`) and those written at their end (`appended`).
    // Throws Error when the journal cannot be written (nothing changed).
    void BeginChange(const std::vector<std::filesystem::path>& replaced,
                     const std::vector<std::filesystem::path>& appended);
    bool ChangeActive() const { return journal_ && journal_->Active(); }
    // Makes the change durable and ends it.
    void CommitChange();

private:
    int Descriptor() const;
    void DropCache() { cacheValid_ = false; }
    // Keeps what lies at [offset, offset + length) for undoing the change going on.
    void keepForUndo(uint64_t offset, uint64_t length);

    int fd_ = -1;
    bool readOnly_ = false;
    std::filesystem::path path_;
    std::unique_ptr<StakesJournal> journal_;

    // The one-record read cache.
    bool cacheValid_ = false;
    size_t cacheIndex_ = 0;
    ReadOrigin cacheOrigin_ = ReadOrigin::Start;
    StakeRecord cache_;
};

} // namespace belvane::stakes
