#include "helpers/zip_reader.h"

#include <cstdint>
#include <stdexcept>
#include <zlib.h>

#include "helpers/temp_dir.h"

namespace belvane::testing {

namespace {

constexpr uint32_t EndOfDirectorySignature = 0x06054b50;
constexpr uint32_t DirectoryEntrySignature = 0x02014b50;
constexpr uint32_t LocalHeaderSignature = 0x04034b50;
constexpr size_t EndOfDirectorySize = 22;
constexpr size_t DirectoryEntrySize = 46;
constexpr size_t LocalHeaderSize = 30;

[[noreturn]] void Damaged(const std::string& what)
{
    throw std::runtime_error("zip: " + what);
}

uint32_t Read(const std::string& data, size_t at, int bytes)
{
    if (at + static_cast<size_t>(bytes) > data.size())
        Damaged("read past the end");
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(data[at + static_cast<size_t>(i)]);
    return v;
}

std::string Inflate(std::string_view packed, size_t size)
{
    std::string out(size, '\0');
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        Damaged("inflateInit2");
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    z.avail_in = static_cast<uInt>(packed.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = inflate(&z, Z_FINISH);
    inflateEnd(&z);
    if (rc != Z_STREAM_END || z.total_out != size)
        Damaged("bad deflate stream");
    return out;
}

} // namespace

std::map<std::string, std::string> ReadZip(const std::filesystem::path& path)
{
    const std::string data = readBytes(path);
    if (data.size() < EndOfDirectorySize)
        Damaged("too short");
    size_t end = data.size() - EndOfDirectorySize;
    while (Read(data, end, 4) != EndOfDirectorySignature) {
        if (end == 0)
            Damaged("no end of central directory");
        --end;
    }
    const uint32_t entries = Read(data, end + 10, 2);
    size_t at = Read(data, end + 16, 4);

    std::map<std::string, std::string> files;
    for (uint32_t i = 0; i < entries; ++i) {
        if (Read(data, at, 4) != DirectoryEntrySignature)
            Damaged("bad central directory entry");
        const uint32_t method = Read(data, at + 10, 2);
        const uint32_t crc = Read(data, at + 16, 4);
        const uint32_t packedSize = Read(data, at + 20, 4);
        const uint32_t size = Read(data, at + 24, 4);
        const uint32_t nameLength = Read(data, at + 28, 2);
        const uint32_t extraLength = Read(data, at + 30, 2);
        const uint32_t commentLength = Read(data, at + 32, 2);
        const uint32_t local = Read(data, at + 42, 4);
        if (at + DirectoryEntrySize + nameLength > data.size())
            Damaged("name past the end");
        const std::string name = data.substr(at + DirectoryEntrySize, nameLength);
        at += DirectoryEntrySize + nameLength + extraLength + commentLength;

        if (Read(data, local, 4) != LocalHeaderSignature)
            Damaged("bad local header of " + name);
        const size_t start = local + LocalHeaderSize + Read(data, local + 26, 2) + Read(data, local + 28, 2);
        if (start + packedSize > data.size())
            Damaged("data past the end of " + name);
        const std::string_view packed(data.data() + start, packedSize);
        if (method == 0)
            files[name] = std::string(packed);
        else if (method == Z_DEFLATED)
            files[name] = Inflate(packed, size);
        else
            Damaged("unsupported method for " + name);
        const std::string& contents = files[name];
        if (crc32(0, reinterpret_cast<const Bytef*>(contents.data()), static_cast<uInt>(contents.size())) != crc)
            Damaged("bad checksum of " + name);
    }
    return files;
}

} // namespace belvane::testing
