#include "stakes/rating_record.h"

#include <algorithm>
#include <fmt/format.h>

#include "support/byte_codec.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

// Far more rows than any back-test makes; a larger file is not ours.
constexpr uint64_t kMaxRatingsFileSize = 1ull << 30;

} // namespace

bool RatingRecord::IsValid() const
{
    return Count >= 0 && MatchesSum >= 0 &&
           std::all_of(MatchCounts.begin(), MatchCounts.end(), [](int32_t c) { return c >= 0; });
}

void EncodeRating(const RatingRecord& r, std::span<uint8_t, RatingRecordSize> out)
{
    ByteWriter w(out);
    w.shortString(r.Key, RatingKeyCapacity);
    w.i32(r.Count);
    w.i32(r.MatchesSum);
    for (int32_t c : r.MatchCounts)
        w.i32(c);
    w.zeros(4);
    w.i64(r.Profit);
}

RatingRecord DecodeRating(std::span<const uint8_t, RatingRecordSize> in)
{
    ByteReader rd(in);
    RatingRecord r;
    r.Key = rd.shortString(RatingKeyCapacity);
    r.Count = rd.i32();
    r.MatchesSum = rd.i32();
    for (int32_t& c : r.MatchCounts)
        c = rd.i32();
    rd.skip(4);
    r.Profit = rd.i64();
    return r;
}

TRatingsArray ReadRatingsFile(const std::filesystem::path& path)
{
    return ParseRatings(files::readFile(path, kMaxRatingsFileSize), path.filename().string());
}

TRatingsArray ParseRatings(std::string_view data, std::string_view fileName)
{
    if (data.size() % RatingRecordSize != 0)
        throw Error(support::Message("{}: размер файла ({} байт) не кратен размеру записи ({} байта)", fileName,
                                     data.size(), RatingRecordSize));
    TRatingsArray records;
    records.reserve(data.size() / RatingRecordSize);
    const auto* p = reinterpret_cast<const uint8_t*>(data.data());
    for (size_t at = 0; at < data.size(); at += RatingRecordSize)
        records.push_back(DecodeRating(std::span<const uint8_t, RatingRecordSize>(p + at, RatingRecordSize)));
    return records;
}

void WriteRatingsFile(const std::filesystem::path& path, const TRatingsArray& records)
{
    std::vector<uint8_t> data(records.size() * RatingRecordSize);
    for (size_t i = 0; i < records.size(); ++i)
        EncodeRating(records[i],
                     std::span<uint8_t, RatingRecordSize>(data.data() + i * RatingRecordSize, RatingRecordSize));
    // A file that holds these bytes already is left alone: loading and sorting
    // ratings that did not change writes nothing, so a full disk or a
    // read-only folder can still be read.
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        if (data.empty())
            return;
    } else {
        try {
            const std::string held = files::readFile(path, kMaxRatingsFileSize);
            if (held.size() == data.size() && std::equal(held.begin(), held.end(), data.begin(), [](char a, uint8_t b) {
                    return static_cast<uint8_t>(a) == b;
                }))
                return;
        } catch (const Error&) {
            // Unreadable: replaced below.
        }
    }
    files::writeFileAtomically(path, data);
}

} // namespace belvane::stakes
