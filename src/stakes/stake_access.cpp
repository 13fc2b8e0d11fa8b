#include "stakes/stake_access.h"

#include <algorithm>
#include <fmt/format.h>

#include "stakes/stake_fields.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

constexpr size_t kScanBlockRecords = 4096;
// What the ratings, the stake logs and the change's journal may need beside
// the new records.
constexpr uint64_t kSpareBytes = uint64_t{1} << 20;

Error addFailure(const Error& e)
{
    return Error(support::Message("Ошибка добавления записи в файл ставок!\r\r{}", e.what()));
}

const std::array<uint8_t, StakeRecordSize>& encodedSeparator()
{
    static const std::array<uint8_t, StakeRecordSize> separator = [] {
        std::array<uint8_t, StakeRecordSize> s{};
        EncodeStake(MakeSeparator(), s);
        return s;
    }();
    return separator;
}

} // namespace

std::optional<std::string> ValidateStakeDraws(int64_t drawNumber, int64_t drawsCount)
{
    if (drawNumber < 1 || drawNumber > MaxDrawNumber)
        return support::Message("Номер тиража должен быть от 1 до {}!", MaxDrawNumber);
    if (drawsCount < 1 || drawsCount > MaxDrawsCount)
        return support::Message("Количество тиражей должно быть от 1 до {}!", MaxDrawsCount);
    if (drawNumber + drawsCount - 1 > MaxDrawNumber)
        return support::Message("Номер последнего тиража ставки ({}) больше {}!", drawNumber + drawsCount - 1,
                                MaxDrawNumber);
    return std::nullopt;
}

int32_t NextStakeDrawNumber(const model::TDrawsArray& draws, int offset)
{
    const int next = model::NextDrawNumber(draws, offset);
    return next < 1 ? 1 : next;
}

bool FindStake(StakesFile& file, int32_t drawNumber, std::span<const model::Ball> numbers)
{
    try {
        if (numbers.size() > StakeNumbersCapacity)
            return false;
        StakeNumbers wanted{};
        std::copy(numbers.begin(), numbers.end(), wanted.begin());
        std::sort(wanted.begin(), wanted.begin() + static_cast<std::ptrdiff_t>(numbers.size()));

        std::vector<uint8_t> block(kScanBlockRecords * StakeRecordSize);
        for (size_t first = 0;;) {
            const size_t got = file.ReadBlock(first, block);
            if (got == 0)
                return false;
            for (size_t i = 0; i < got; ++i) {
                const uint8_t* r = block.data() + i * StakeRecordSize;
                if (fields::drawNumber(r) != drawNumber || fields::count(r) != static_cast<int32_t>(numbers.size()))
                    continue;
                StakeNumbers have{};
                std::copy_n(r + StakeNumbersOffset, numbers.size(), have.begin());
                std::sort(have.begin(), have.begin() + static_cast<std::ptrdiff_t>(numbers.size()));
                if (have == wanted)
                    return true;
            }
            first += got;
        }
    } catch (const Error& e) {
        throw Error(support::Message("Ошибка поиска записи в файле ставок!\r\r{}", e.what()));
    }
}

StakeAppender::StakeAppender(StakesFile& file, size_t blockRecords)
    : file_(file), blockRecords_(std::max<size_t>(blockRecords, 1))
{
    try {
        endsWithStake_ = !file_.Empty() && file_.Read(0, ReadOrigin::End).DrawNumber > 0;
    } catch (const Error& e) {
        throw addFailure(e);
    }
    buffer_.resize(blockRecords_ * StakeRecordSize);
}

StakeAppender::~StakeAppender()
{
    try {
        Flush();
    } catch (const Error&) {
        // Reported only through an explicit Flush().
    }
}

void StakeAppender::Push(std::span<const uint8_t, StakeRecordSize> record, int32_t drawNumber)
{
    if (pending_ == blockRecords_)
        Flush();
    uint8_t* out = buffer_.data() + pending_ * StakeRecordSize;
    std::copy(record.begin(), record.end(), out);
    fields::writeI32(out + StakeDrawNumberOffset, drawNumber);
    ++pending_;
    endsWithStake_ = drawNumber > 0;
}

void StakeAppender::Add(const StakeRecord& stake, int drawsCount)
{
    std::array<uint8_t, StakeRecordSize> encoded{};
    EncodeStake(stake, encoded);
    AddEncoded(encoded, drawsCount);
}

void StakeAppender::AddEncoded(std::span<const uint8_t, StakeRecordSize> stake, int drawsCount)
{
    if (fields::checked(stake.data()))
        throw Error(support::Text(CheckedStakeAddMessage));
    const int32_t drawNumber = fields::drawNumber(stake.data());
    if (auto message = ValidateStakeDraws(drawNumber, drawsCount))
        throw Error(*message);
    if (drawsCount == 1) {
        Push(stake, drawNumber);
        return;
    }
    for (int i = 0; i < drawsCount; ++i) {
        if (endsWithStake_)
            Push(encodedSeparator(), SeparatorDrawNumber);
        Push(stake, drawNumber + i); // fits: checked above
    }
}

void StakeAppender::AddSeparator()
{
    if (endsWithStake_)
        Push(encodedSeparator(), SeparatorDrawNumber);
}

void StakeAppender::Expect(uint64_t records) const
{
    const std::optional<uint64_t> free = files::freeSpace(file_.Path());
    if (!free)
        return; // a disk that does not say fills up like any other: the append is rolled back then
    const uint64_t needed = records * StakeRecordSize + kSpareBytes;
    if (*free >= needed)
        return;
    constexpr double kMegabyte = 1024.0 * 1024.0;
    throw addFailure(Error(support::Message(NoRoomForStakesMessage, records, static_cast<double>(needed) / kMegabyte,
                                            static_cast<double>(*free) / kMegabyte)));
}

void StakeAppender::Flush()
{
    if (pending_ == 0)
        return;
    const size_t count = pending_;
    pending_ = 0; // a failed block is dropped whole: the file was rolled back
    try {
        file_.AppendBlock(std::span<const uint8_t>(buffer_.data(), count * StakeRecordSize));
    } catch (const Error& e) {
        throw addFailure(e);
    }
    written_ += count;
}

void AddStake(StakesFile& file, const StakeRecord& stake, int drawsCount)
{
    StakeAppender appender(file, static_cast<size_t>(std::clamp(drawsCount, 1, MaxDrawsCount)) * 2);
    appender.Add(stake, drawsCount);
    appender.Flush();
}

void AppendSeparator(StakesFile& file)
{
    StakeAppender appender(file, 1);
    appender.AddSeparator();
    appender.Flush();
}

} // namespace belvane::stakes
