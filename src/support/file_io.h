#pragma once

// Whole-file reads with a size limit and atomic whole-file replacement.
// Failures throw belvane::Error with the file name and the system's reason.
//
// Only regular files are read or replaced: a FIFO, a device or a folder where
// a file is expected is refused at once instead of blocking or being
// destroyed. A save follows symbolic links and replaces the file they lead to,
// keeps that file's permissions, gives a new file the permissions the umask
// allows, and refuses a file that is marked read-only.

#include <cstdint>
#include <filesystem>
#include <optional>
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

// Replaces the file with `data`: writes a temporary file beside the file the
// path leads to, flushes it to disk and renames it over that file. A failure
// leaves the old file as it was and removes the temporary file.
void writeFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> data);
void writeFileAtomically(const std::filesystem::path& path, std::string_view data);

// The same replacement for files that a library writes by name: a new empty
// file with a unique name beside the file path leads to, for the writer, and
// then, once it is complete, flushing it to disk and renaming it over that
// file. A failure of the replacement removes the temporary file and leaves
// path as it was.
std::filesystem::path createTempFileBeside(const std::filesystem::path& path);
void replaceFileWith(const std::filesystem::path& path, const std::filesystem::path& temp);

// Temporary files of saves are named ".<file name>.belvane-tmp-XXXXXX".
bool isTempFileName(std::string_view name);
// Removes the temporary files that saves killed before their rename left in
// the folder (not in its subfolders). Returns how many were removed.
int removeStaleTempFiles(const std::filesystem::path& folder);

// The file a save of path replaces: symbolic links followed to the end (the
// last one may lead to a file that does not exist yet). Throws Error for a
// loop of links.
std::filesystem::path resolveLinks(const std::filesystem::path& path);

// Device and inode: two paths name the same file when these are equal.
struct FileIdentity {
    uint64_t Device = 0;
    uint64_t Inode = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};
// The identity of the file path leads to (links followed); nullopt when there is none.
std::optional<FileIdentity> fileIdentity(const std::filesystem::path& path);

// The bytes an unprivileged writer can still put on the disk that holds
// `path` (a file, which need not exist yet, in an existing folder); nullopt
// when the system does not say.
std::optional<uint64_t> freeSpace(const std::filesystem::path& path);

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
    std::filesystem::path target_; // path with its links followed
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
