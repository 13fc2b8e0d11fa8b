#pragma once

// Whole-file reads with a size limit and atomic whole-file replacement.
// Failures throw belvane::Error with the file name and the system's reason.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace belvane::files {

// Largest file any reader here accepts; the program's own files are far smaller.
inline constexpr uint64_t kDefaultMaxFileSize = 256ull << 20;

// Reads the whole file. A file larger than maxSize is refused.
std::string readFile(const std::filesystem::path& path, uint64_t maxSize = kDefaultMaxFileSize);

// The same, but a failure part-way keeps the bytes read before it.
struct PartialRead {
    std::string data;
    std::string error; // empty when the whole file was read
};
PartialRead readFileKeepingPartial(const std::filesystem::path& path, uint64_t maxSize = kDefaultMaxFileSize);

// Replaces the file with `data`: writes a temporary file in the same folder,
// flushes it to disk and renames it over the old one. A failure leaves the old
// file as it was and removes the temporary file.
void writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> data);
void writeFileAtomically(const std::filesystem::path& path, std::string_view data);

// The same replacement for files that a library writes by name: a new empty
// file with a unique name in path's folder for the writer, and then, once it
// is complete, flushing it to disk and renaming it over path (which keeps its
// permissions). A failure of the replacement removes the temporary file and
// leaves path as it was.
std::filesystem::path createTempFileBeside(const std::filesystem::path& path);
void replaceFileWith(const std::filesystem::path& path, const std::filesystem::path& temp);

// The same for data that arrives piece by piece: write() appends to a
// temporary file beside the target, commit() flushes it and renames it over
// the target. Without a commit (a failure, an exception) the temporary file is
// removed and the target stays as it was.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path path);
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    void write(std::span<const uint8_t> data);
    void write(std::string_view data);
    void commit();

private:
    std::filesystem::path path_;
    std::filesystem::path temp_;
    int fd_ = -1;
};

// "<file name>: <reason>" for the last system error of an operation on path.
std::string systemErrorText(const std::filesystem::path& path, int errorNumber);

} // namespace belvane::files
