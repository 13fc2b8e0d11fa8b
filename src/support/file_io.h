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

// "<file name>: <reason>" for the last system error of an operation on path.
std::string systemErrorText(const std::filesystem::path& path, int errorNumber);

// Whether replacing a file waits until the new contents are on the disk.
// Files the program rebuilds whenever they are missing or damaged need not.
enum class DiskFlush { Wait, Skip };

// The replacement of writeFileAtomically for contents written in pieces: the
// pieces go to a temporary file beside path, and commit() puts it in place of
// the old file. Until then the old file stays as it was; a writer destroyed
// without commit() removes its temporary file. Failures throw Error.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path path, DiskFlush flush = DiskFlush::Wait);
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    void write(std::string_view data);
    void write(std::span<const uint8_t> data);
    void commit();

private:
    std::filesystem::path path_;
    std::filesystem::path temp_;
    int fd_ = -1;
    DiskFlush flush_;
    uint64_t written_ = 0;
    uint64_t flushStarted_ = 0; // bytes handed to the disk early
};

// Reads a file in pieces, for files too large to hold whole. Opening refuses
// what readFile refuses, with the same texts; failures throw Error.
class FileChunkReader {
public:
    FileChunkReader(const std::filesystem::path& path, uint64_t maxSize);
    FileChunkReader(const FileChunkReader&) = delete;
    FileChunkReader& operator=(const FileChunkReader&) = delete;
    ~FileChunkReader();

    uint64_t size() const { return size_; } // when opened
    // Reads up to n bytes into buffer; 0 at the end of the file.
    size_t read(char* buffer, size_t n);

private:
    std::filesystem::path path_;
    int fd_ = -1;
    uint64_t size_ = 0;
};

} // namespace belvane::files
