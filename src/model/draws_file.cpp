#include "model/draws_file.h"

#include <fmt/format.h>

#include "support/error.h"
#include "support/file_io.h"
#include "support/translation.h"

namespace belvane::model {
namespace fs = std::filesystem;

namespace {

std::string tooManyDrawsText(const fs::path& path)
{
    return support::Message("{}: в архиве тиражей не может быть больше {} тиражей", path.filename().string(),
                            MaxDrawsInFile);
}

} // namespace

DrawsFileContent ReadDrawsFile(const fs::path& path)
{
    DrawsFileContent content;
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        if (ec)
            content.error = files::systemErrorText(path, ec.value());
        return content;
    }

    // A trailing partial record is not read at all.
    constexpr uint64_t maxBytes = MaxDrawsInFile * DrawRecordSize + DrawRecordSize - 1;
    if (const uintmax_t size = fs::file_size(path, ec); !ec && size > maxBytes) {
        content.error = tooManyDrawsText(path);
        return content;
    }
    const files::PartialRead file = files::readFileKeepingPartial(path, maxBytes);
    content.error = file.error;

    const size_t records = file.data.size() / DrawRecordSize;
    const auto* bytes = reinterpret_cast<const uint8_t*>(file.data.data());
    content.draws.reserve(records);
    for (size_t i = 0; i < records; ++i)
        content.draws.push_back(
            DecodeDraw(std::span<const uint8_t, DrawRecordSize>(bytes + i * DrawRecordSize, DrawRecordSize)));
    return content;
}

void WriteDrawsFile(const fs::path& path, const TDrawsArray& draws)
{
    if (draws.size() > MaxDrawsInFile)
        throw Error(tooManyDrawsText(path));
    std::vector<uint8_t> bytes(draws.size() * DrawRecordSize);
    for (size_t i = 0; i < draws.size(); ++i)
        EncodeDraw(draws[i], std::span<uint8_t, DrawRecordSize>(bytes.data() + i * DrawRecordSize, DrawRecordSize));
    files::writeFileAtomically(path, bytes);
}

} // namespace belvane::model
