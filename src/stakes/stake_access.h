#pragma once

// Adding and finding stakes on the open stakes file. Many stakes are written
// through one buffered appender, a block at a time.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/draws.h"
#include "stakes/stakes_file.h"
#include "support/translation.h"

namespace belvane::stakes {

inline constexpr std::string_view CheckedStakeAddMessage =
    BELVANE_TEXT("Добавление в конец файла уже проверенной ставки!");
inline constexpr std::string_view NoRoomForStakesMessage =
    BELVANE_TEXT("Недостаточно места на диске: для {} записей нужно {:.1f} МБ, свободно {:.1f} МБ.");
inline constexpr int32_t MaxDrawNumber = 2147483647;
inline constexpr int MaxDrawsCount = 65535;

// Why a stake for `drawsCount` draws from `drawNumber` on cannot be made, or
// nothing: the draw number is 1..2147483647, the count 1..65535 and the last
// draw number, drawNumber + drawsCount - 1, must still fit 32 bits.
std::optional<std::string> ValidateStakeDraws(int64_t drawNumber, int64_t drawsCount);

// The draw new stakes are for: the draw after the newest one visible at the
// draws offset; 1 when there is none.
int32_t NextStakeDrawNumber(const model::TDrawsArray& draws, int offset);

// Whether a stake for that draw with the same set of numbers is in the file.
// Throws Error("Ошибка поиска записи в файле ставок!\r\r...").
bool FindStake(StakesFile& file, int32_t drawNumber, std::span<const model::Ball> numbers);

// Appends stakes and separators through a buffer of whole records. Records
// reach the file in blocks; a block that cannot be written is rolled back
// whole and the failure thrown as "Ошибка добавления записи в файл ставок!".
// Call Flush() at the end: what is still buffered when the appender goes away
// is written then, but a failure at that point can no longer be reported.
class StakeAppender {
public:
    explicit StakeAppender(StakesFile& file, size_t blockRecords = 4096);
    StakeAppender(const StakeAppender&) = delete;
    StakeAppender& operator=(const StakeAppender&) = delete;
    ~StakeAppender();

    // A stake for `drawsCount` draws: once with one draw; with more, a copy
    // for each draw number from the stake's on, each after a separator unless
    // the file already ends with one. Refuses a checked stake and draw numbers
    // past 32 bits before anything is written.
    void Add(const StakeRecord& stake, int drawsCount = 1);
    // The same for a stake already encoded (many stakes that differ only in
    // their numbers are encoded once and patched).
    void AddEncoded(std::span<const uint8_t, StakeRecordSize> stake, int drawsCount = 1);
    // A separator, unless the file is empty or does not end with a stake.
    void AddSeparator();
    // Before a long run of additions: refuses them, before anything is
    // written, when the disk of the file has no room for `records` more
    // records (and a little for the files that grow with them).
    void Expect(uint64_t records) const;
    void Flush();
    // Records that reached the file.
    size_t Written() const { return written_; }

private:
    void Push(std::span<const uint8_t, StakeRecordSize> record, int32_t drawNumber);

    StakesFile& file_;
    std::vector<uint8_t> buffer_;
    size_t blockRecords_;
    size_t pending_ = 0;
    size_t written_ = 0;
    bool endsWithStake_ = false;
};

// One stake through a fresh appender (the stake dialog's way).
void AddStake(StakesFile& file, const StakeRecord& stake, int drawsCount = 1);
// The scenario runner's block start.
void AppendSeparator(StakesFile& file);

} // namespace belvane::stakes
