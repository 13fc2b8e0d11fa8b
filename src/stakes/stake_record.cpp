#include "stakes/stake_record.h"

#include <algorithm>

#include "support/byte_codec.h"

namespace belvane::stakes {

size_t StakeRecord::numberCount() const
{
    return static_cast<size_t>(std::clamp<int32_t>(Count, 0, static_cast<int32_t>(StakeNumbersCapacity)));
}

std::span<const model::Ball> StakeRecord::matchedNumbers() const
{
    if (Matches < 0 || Matches > static_cast<int32_t>(StakeNumbersCapacity))
        return {};
    return {Matched.data(), static_cast<size_t>(Matches)};
}

int StakeRecord::validMatches() const
{
    return Checked && Matches >= 0 && Matches <= model::BallCount ? Matches : -1;
}

StakeRecord MakeSeparator()
{
    StakeRecord r;
    r.Kind = static_cast<uint8_t>(StakeKind::Separator);
    r.DrawNumber = SeparatorDrawNumber;
    r.Matches = UncheckedMatches;
    return r;
}

StakeRecord MakeStake(StakeKind kind, int32_t drawNumber, const model::TComb& comb, int32_t listSize,
                      std::string comment, Money profit)
{
    StakeRecord r;
    r.Kind = static_cast<uint8_t>(kind);
    r.DrawNumber = drawNumber;
    r.ListSize = listSize;
    r.Count = model::BallCount;
    std::copy(comb.begin(), comb.end(), r.Numbers.begin());
    std::sort(r.Numbers.begin(), r.Numbers.begin() + model::BallCount);
    r.Profit = profit;
    r.Comment = std::move(comment);
    return r;
}

void EncodeStake(const StakeRecord& r, std::span<uint8_t, StakeRecordSize> out)
{
    ByteWriter w(out);
    w.u8(r.Version);
    w.u8(r.Kind);
    w.zeros(2);
    w.i32(r.DrawNumber);
    w.u8(r.Checked ? 1 : 0);
    w.zeros(3);
    w.i32(r.ListSize);
    w.i32(r.Count);
    w.bytes(r.Numbers);
    w.bytes(r.Drawn);
    w.zeros(2);
    w.i32(r.Matches);
    w.bytes(r.Matched);
    w.i64(r.Profit);
    w.shortString(r.Comment, StakeCommentCapacity);
}

StakeRecord DecodeStake(std::span<const uint8_t, StakeRecordSize> in)
{
    ByteReader rd(in);
    StakeRecord r;
    r.Version = rd.u8();
    r.Kind = rd.u8();
    rd.skip(2);
    r.DrawNumber = rd.i32();
    r.Checked = rd.u8() != 0;
    rd.skip(3);
    r.ListSize = rd.i32();
    r.Count = rd.i32();
    rd.bytes(r.Numbers);
    rd.bytes(r.Drawn);
    rd.skip(2);
    r.Matches = rd.i32();
    rd.bytes(r.Matched);
    r.Profit = rd.i64();
    r.Comment = rd.shortString(StakeCommentCapacity);
    return r;
}

} // namespace belvane::stakes
