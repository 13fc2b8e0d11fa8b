#include "model/draws_file.h"

#include "support/file_io.h"

namespace belvane::model {
namespace fs = std::filesystem;

DrawsFileContent ReadDrawsFile(const fs::path& path)
{
    DrawsFileContent content;
    std::error_code ec;
    if (!fs::exists(path, ec))
        return content;

    // A trailing partial record is not read at all.
    constexpr uint64_t maxBytes = MaxDrawsInFile * DrawRecordSize + DrawRecordSize - 1;
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
    std::vector<uint8_t> bytes(draws.size() * DrawRecordSize);
    for (size_t i = 0; i < draws.size(); ++i)
        EncodeDraw(draws[i], std::span<uint8_t, DrawRecordSize>(bytes.data() + i * DrawRecordSize, DrawRecordSize));
    files::writeFileAtomically(path, bytes);
}

} // namespace belvane::model
