#include "update/package_archive.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fmt/format.h>
#include <set>
#include <unistd.h>

#include "support/error.h"
#include "support/file_io.h"
#include "support/http.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::update {
namespace fs = std::filesystem;
namespace {

constexpr size_t kBlock = 512;
constexpr size_t kMaxNameLength = 255;

struct Header {
    std::string name;
    uint64_t size = 0;
    unsigned mode = 0;
    char type = 0;
};

std::string_view field(const std::array<char, kBlock>& b, size_t offset, size_t length)
{
    const std::string_view f(b.data() + offset, length);
    const size_t nul = f.find('\0');
    return nul == std::string_view::npos ? f : f.substr(0, nul);
}

// An octal number field: leading blanks, digits, then NUL or blanks.
std::optional<uint64_t> octal(std::string_view f)
{
    f = text::trim(f);
    if (f.empty() || f.size() > 12)
        return std::nullopt;
    uint64_t v = 0;
    for (char c : f) {
        if (c < '0' || c > '7')
            return std::nullopt;
        v = v * 8 + static_cast<uint64_t>(c - '0');
    }
    return v;
}

bool allZero(const std::array<char, kBlock>& b)
{
    for (char c : b)
        if (c != 0)
            return false;
    return true;
}

Header parseHeader(const std::array<char, kBlock>& b)
{
    const std::string_view magic(b.data() + 257, 5);
    if (magic != "ustar")
        throw Error(DamagedPackageText(support::Text("это не архив ustar")));
    const auto checksum = octal(field(b, 148, 8));
    uint64_t sum = 0;
    for (size_t i = 0; i < kBlock; ++i)
        sum += (i >= 148 && i < 156) ? uint64_t{' '} : static_cast<unsigned char>(b[i]);
    if (!checksum || *checksum != sum)
        throw Error(DamagedPackageText(support::Text("неверная контрольная сумма заголовка")));
    Header h;
    const std::string_view prefix = field(b, 345, 155);
    h.name = std::string(prefix);
    if (!h.name.empty())
        h.name += '/';
    h.name += field(b, 0, 100);
    const auto size = octal(field(b, 124, 12));
    const auto mode = octal(field(b, 100, 8));
    if (!size || !mode)
        throw Error(DamagedPackageText(support::Message("неверный заголовок элемента \"{}\"", h.name)));
    h.size = *size;
    h.mode = static_cast<unsigned>(*mode & 07777);
    h.type = b[156];
    return h;
}

void readExactly(files::FileChunkReader& reader, char* buffer, size_t n)
{
    size_t got = 0;
    while (got < n) {
        const size_t k = reader.read(buffer + got, n - got);
        if (k == 0)
            throw Error(DamagedPackageText(support::Text("архив обрывается")));
        got += k;
    }
}

// Copies size bytes of the archive into a new file (never one that exists,
// never through a link), padding skipped.
void writeEntry(files::FileChunkReader& reader, const fs::path& path, uint64_t size, bool executable)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, executable ? 0755 : 0644);
    if (fd < 0)
        throw Error(files::systemErrorText(path, errno));
    std::vector<char> buffer(1 << 16);
    uint64_t left = size;
    try {
        while (left > 0) {
            const size_t n = static_cast<size_t>(std::min<uint64_t>(left, buffer.size()));
            readExactly(reader, buffer.data(), n);
            for (size_t done = 0; done < n;) {
                const ssize_t w = ::write(fd, buffer.data() + done, n - done);
                if (w < 0) {
                    if (errno == EINTR)
                        continue;
                    throw Error(files::systemErrorText(path, errno));
                }
                done += static_cast<size_t>(w);
            }
            left -= n;
        }
        if (::fsync(fd) != 0)
            throw Error(files::systemErrorText(path, errno));
    } catch (...) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        throw Error(files::systemErrorText(path, errno));
    const size_t padding = static_cast<size_t>((kBlock - size % kBlock) % kBlock);
    readExactly(reader, buffer.data(), padding);
}

} // namespace

std::string DamagedPackageText(std::string_view reason)
{
    return support::Message("Файл обновления повреждён: {}", reason);
}

std::optional<std::string> SafeEntryName(std::string_view name)
{
    while (name.starts_with("./"))
        name.remove_prefix(2);
    if (name.ends_with('/'))
        name.remove_suffix(1);
    if (name.empty() || name.size() > kMaxNameLength || name.starts_with('/'))
        return std::nullopt;
    for (unsigned char c : name)
        if (c < 0x20 || c == 0x7f || c == '\\')
            return std::nullopt;
    for (std::string_view part : text::split(name, "/", false))
        if (part.empty() || part == "." || part == "..")
            return std::nullopt;
    return std::string(name);
}

std::vector<PackageFile> UnpackPackage(const fs::path& archive, const fs::path& folder, const ArchiveLimits& limits,
                                       const std::function<bool()>& cancelled)
{
    files::FileChunkReader reader(archive, limits.MaxTotalSize + limits.MaxEntries * 2 * kBlock + 2 * kBlock);
    std::error_code created;
    if (!fs::create_directory(folder, created))
        throw Error(fmt::format("{}: {}", folder.string(),
                                created ? created.message() : support::Text("папка уже существует")));
    std::vector<PackageFile> files;
    std::set<std::string> names;
    uint64_t total = 0;
    std::array<char, kBlock> block{};
    for (size_t entries = 0;; ++entries) {
        if (cancelled && cancelled())
            throw Error(support::Text(http::CancelledMessage));
        size_t got = 0;
        while (got < kBlock) {
            const size_t k = reader.read(block.data() + got, kBlock - got);
            if (k == 0)
                break;
            got += k;
        }
        if (got == 0 && entries > 0)
            break; // an archive cut after its last entry's padding
        if (got != kBlock)
            throw Error(DamagedPackageText(support::Text("архив обрывается")));
        if (allZero(block))
            break;
        if (entries >= limits.MaxEntries)
            throw Error(DamagedPackageText(support::Message("больше {} элементов", limits.MaxEntries)));
        const Header h = parseHeader(block);
        const std::optional<std::string> name = SafeEntryName(h.name);
        if (!name)
            throw Error(DamagedPackageText(support::Message("недопустимое имя \"{}\"", h.name)));
        if (!names.insert(*name).second)
            throw Error(DamagedPackageText(support::Message("элемент \"{}\" повторяется", *name)));
        const fs::path target = folder / fs::path(*name);
        if (h.type == '5') {
            if (h.size != 0)
                throw Error(DamagedPackageText(support::Message("неверный заголовок элемента \"{}\"", *name)));
            std::error_code ec;
            fs::create_directories(target, ec);
            if (ec)
                throw Error(DamagedPackageText(support::Message("элемент \"{}\": {}", *name, ec.message())));
            continue;
        }
        if (h.type != '0' && h.type != '\0')
            throw Error(
                DamagedPackageText(support::Message("элемент \"{}\" не является обычным файлом или папкой", *name)));
        if (h.size > limits.MaxFileSize || total + h.size > limits.MaxTotalSize)
            throw Error(DamagedPackageText(support::Message("элемент \"{}\" слишком велик", *name)));
        total += h.size;
        std::error_code ec;
        fs::create_directories(target.parent_path(), ec);
        if (ec)
            throw Error(DamagedPackageText(support::Message("элемент \"{}\": {}", *name, ec.message())));
        const bool executable = (h.mode & 0111) != 0;
        writeEntry(reader, target, h.size, executable);
        files.push_back({*name, h.size, executable});
    }
    return files;
}

} // namespace belvane::update
