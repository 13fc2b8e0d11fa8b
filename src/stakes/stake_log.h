#pragma once

// The stake logs "Belvane_6x45-%d.log": one plain-text file per number of
// matches, a line for every stake that checking fills in. Windows-1251, CR LF;
// a file that has grown past 256 MiB is started afresh.

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stakes/stake_record.h"

namespace belvane::stakes {

inline constexpr uint64_t StakeLogMaxSize = 268435456;

// The log of stakes with `matches` matches in `folder`.
std::filesystem::path StakeLogPath(const std::filesystem::path& folder, int matches);
// Whether a file name fits "Belvane_6x45-%d.log" with any text in place of %d.
bool IsStakeLogName(std::string_view fileName);

// "yyyy.mm.dd hh:nn:ss: Тираж № ... Профит: 8.00." in Windows-1251, without
// the line end, for an encoded checked stake.
std::string StakeLogLine(std::time_t now, std::span<const uint8_t, StakeRecordSize> record);

// Appends log lines for the length of one check, buffering each file. The
// first failure stops all logging of this check and is kept as the message
// to show ("Ошибка записи в файл \"%s\"!\r\r%s" or the deletion's message).
class StakeLogWriter {
public:
    explicit StakeLogWriter(std::filesystem::path folder, uint64_t maxSize = StakeLogMaxSize);
    StakeLogWriter(const StakeLogWriter&) = delete;
    StakeLogWriter& operator=(const StakeLogWriter&) = delete;
    ~StakeLogWriter();

    // One line for an encoded checked stake whose matches are 0..8.
    void Write(std::time_t now, int matches, std::span<const uint8_t, StakeRecordSize> record);
    void Flush();
    bool Failed() const { return !failure_.empty(); }
    const std::string& Failure() const { return failure_; }

private:
    struct File {
        bool Known = false;  // size on disk looked up
        uint64_t OnDisk = 0; // bytes in the file
        std::string Pending; // bytes not yet written
    };
    void FlushFile(int matches);
    void Fail(std::string message);

    std::filesystem::path folder_;
    uint64_t maxSize_;
    std::array<File, StakeNumbersCapacity + 1> files_;
    std::string failure_;
};

// The log files in `folder`.
std::vector<std::filesystem::path> FindStakeLogs(const std::filesystem::path& folder);

struct LogDeletion {
    size_t Found = 0;
    size_t Deleted = 0;
    std::vector<std::string> Failures; // "Ошибка удаления файла \"%s\"!\r\r%s"
};
LogDeletion DeleteStakeLogFiles(const std::filesystem::path& folder);

} // namespace belvane::stakes
