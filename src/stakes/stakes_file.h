#pragma once

// The stakes file "Belvane_6x45.lsk": fixed 312-byte records, held open and
// locked for the whole run, so a second copy of the program on the same data
// folder is refused.

#include <cstdint>
#include <filesystem>

namespace belvane::stakes {

inline constexpr size_t StakeRecordSize = 312;
inline constexpr uint8_t StakeRecordVersion = 2;

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

    uint64_t Size() const;
    size_t RecordCount() const { return static_cast<size_t>(Size() / StakeRecordSize); }

    // A file of an older version: its size is not a multiple of the record,
    // or its first record does not start with the version byte.
    bool IsOlderVersion() const;
    // Empties the file.
    void Truncate();

private:
    int fd_ = -1;
    std::filesystem::path path_;
};

} // namespace belvane::stakes
