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
#include <optional>
#include <span>
#include <string_view>

#include "stakes/stake_record.h"
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
    // Throws Error when closing reports a write failure.
    void Close();
    bool IsOpen() const { return fd_ >= 0; }
    const std::filesystem::path& Path() const { return path_; }

    uint64_t Size() const;
    size_t RecordCount() const { return static_cast<size_t>(Size() / StakeRecordSize); }
    bool Empty() const { return RecordCount() == 0; }

    // A file of an older version: its size is not a multiple of the record,
    // or its first record does not start with the version byte.
    bool IsOlderVersion() const;
    // Empties the file.
    // Copies the whole file, as it is, to `copy` (replaced whole or left as it was).
    void CopyTo(const std::filesystem::path& copy) const;
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
    // Throws Error with the deletion's messages.
    std::optional<size_t> Rewrite(const std::function<bool(size_t, std::span<const uint8_t, StakeRecordSize>)>& keep,
                                  const RecordProgress& progress = {});

private:
    int Descriptor() const;
    void DropCache() { cacheValid_ = false; }

    int fd_ = -1;
    std::filesystem::path path_;

    // The one-record read cache.
    bool cacheValid_ = false;
    size_t cacheIndex_ = 0;
    ReadOrigin cacheOrigin_ = ReadOrigin::Start;
    StakeRecord cache_;
};

} // namespace belvane::stakes
