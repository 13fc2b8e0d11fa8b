#include "stakes/regular_table.h"

#include <algorithm>
#include <fmt/format.h>

#include "support/byte_codec.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

// Far more regular stakes than anyone keeps; a larger file is not ours.
constexpr uint64_t kMaxTablesFileSize = 16ull << 20;

void readComb(ByteReader& rd, model::TComb& comb)
{
    for (model::Ball& n : comb)
        n = rd.u8();
}

void writeComb(ByteWriter& w, const model::TComb& comb)
{
    for (model::Ball n : comb)
        w.u8(n);
}

bool isSixDifferentNumbers(model::TComb comb)
{
    std::sort(comb.begin(), comb.end());
    return model::isValidNumber(comb.front()) && model::isValidNumber(comb.back()) &&
           std::adjacent_find(comb.begin(), comb.end()) == comb.end();
}

} // namespace

void EncodeRegularStake(const RegularStake& r, std::span<uint8_t, RegularStakeRecordSize> out)
{
    ByteWriter w(out);
    w.shortString(r.Comment, RegularCommentCapacity);
    w.u8(static_cast<uint8_t>(r.Base));
    writeComb(w, r.Start);
    writeComb(w, r.Current);
    w.zeros(3);
    w.i32(r.Step);
    w.i32(r.Stakes);
}

RegularStake DecodeRegularStake(std::span<const uint8_t, RegularStakeRecordSize> in)
{
    ByteReader rd(in);
    RegularStake r;
    r.Comment = rd.shortString(RegularCommentCapacity);
    const uint8_t base = rd.u8();
    if (base > static_cast<uint8_t>(RegularBase::LastDraw))
        throw Error(support::Message("недопустимый режим {}", base));
    r.Base = static_cast<RegularBase>(base);
    readComb(rd, r.Start);
    readComb(rd, r.Current);
    rd.skip(3);
    r.Step = rd.i32();
    r.Stakes = rd.i32();
    if (const auto fault = RegularStakeFault(r))
        throw Error(*fault);
    std::sort(r.Start.begin(), r.Start.end());
    std::sort(r.Current.begin(), r.Current.end());
    return r;
}

std::optional<std::string> RegularStakeFault(const RegularStake& r)
{
    if (r.Base != RegularBase::Combination && r.Base != RegularBase::LastDraw)
        return support::Message("недопустимый режим {}", static_cast<int>(r.Base));
    if (r.Step < MinRegularStep || r.Step > MaxRegularStep)
        return support::Message("шаг {} вне пределов {}..{}", r.Step, MinRegularStep, MaxRegularStep);
    if (!isSixDifferentNumbers(r.Start))
        return support::Text("некорректная стартовая комбинация");
    if (!isSixDifferentNumbers(r.Current))
        return support::Text("некорректная текущая комбинация");
    return std::nullopt;
}

std::vector<RegularStake> ReadTablesFile(const std::filesystem::path& path)
{
    return ParseTables(files::readFile(path, kMaxTablesFileSize), path.filename().string());
}

std::vector<RegularStake> ParseTables(std::string_view data, std::string_view fileName)
{
    if (data.size() % RegularStakeRecordSize != 0)
        throw Error(support::Message("{}: размер файла ({} байт) не кратен размеру записи ({} байт)", fileName,
                                     data.size(), RegularStakeRecordSize));
    std::vector<RegularStake> records;
    records.reserve(data.size() / RegularStakeRecordSize);
    const auto* p = reinterpret_cast<const uint8_t*>(data.data());
    for (size_t at = 0; at < data.size(); at += RegularStakeRecordSize) {
        try {
            records.push_back(
                DecodeRegularStake(std::span<const uint8_t, RegularStakeRecordSize>(p + at, RegularStakeRecordSize)));
        } catch (const Error& e) {
            throw Error(support::Message("{}: запись {}: {}", fileName, at / RegularStakeRecordSize + 1, e.what()));
        }
    }
    return records;
}

void WriteTablesFile(const std::filesystem::path& path, std::span<const RegularStake> records)
{
    std::vector<uint8_t> data(records.size() * RegularStakeRecordSize);
    for (size_t i = 0; i < records.size(); ++i)
        EncodeRegularStake(records[i], std::span<uint8_t, RegularStakeRecordSize>(
                                           data.data() + i * RegularStakeRecordSize, RegularStakeRecordSize));
    files::writeFileAtomically(path, data);
}

} // namespace belvane::stakes
