#include "support/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

#include "support/error.h"

namespace belvane::files {
namespace fs = std::filesystem;

std::string systemErrorText(const fs::path& path, int errorNumber)
{
    return path.filename().string() + ": " + std::strerror(errorNumber);
}

namespace {

// Closes a descriptor on every exit path.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closes now and reports the result (a delayed write error shows up here).
    int close()
    {
        int rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

[[noreturn]] void fail(const fs::path& path, int errorNumber)
{
    throw Error(systemErrorText(path, errorNumber));
}

void writeAll(int fd, const fs::path& path, const uint8_t* p, size_t n)
{
    while (n > 0) {
        ssize_t written = ::write(fd, p, n);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            fail(path, errno);
        }
        p += written;
        n -= static_cast<size_t>(written);
    }
}

void syncFolder(const fs::path& folder)
{
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // best effort: the rename itself already happened
        ::close(fd);
    }
}

} // namespace

PartialRead readFileKeepingPartial(const fs::path& path, uint64_t maxSize)
{
    PartialRead result;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        result.error = systemErrorText(path, errno);
        return result;
    }
    if (!S_ISREG(st.st_mode) || static_cast<uint64_t>(st.st_size) > maxSize) {
        result.error = systemErrorText(path, S_ISREG(st.st_mode) ? EFBIG : EISDIR);
        return result;
    }

    result.data.resize(static_cast<size_t>(st.st_size));
    size_t got = 0;
    while (got < result.data.size()) {
        ssize_t n = ::read(fd.get(), result.data.data() + got, result.data.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            result.error = systemErrorText(path, errno);
            break;
        }
        if (n == 0)
            break; // the file shrank while we read it
        got += static_cast<size_t>(n);
    }
    result.data.resize(got);
    if (fd.close() != 0 && result.error.empty())
        result.error = systemErrorText(path, errno);
    return result;
}

std::string readFile(const fs::path& path, uint64_t maxSize)
{
    PartialRead r = readFileKeepingPartial(path, maxSize);
    if (!r.error.empty())
        throw Error(r.error);
    return std::move(r.data);
}

namespace {

// A new file ".<name>.XXXXXX" beside path, open for writing.
int openTempBeside(const fs::path& path, fs::path& temp)
{
    std::string pattern = (path.parent_path() / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        fail(path, errno);
    temp = pattern;
    return fd;
}

// Keep the old file's permissions; a new file gets the usual 0644.
void givePermissionsOf(const fs::path& path, int fd)
{
    struct stat st {};
    mode_t mode = ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    ::fchmod(fd, mode);
}

} // namespace

void writeFileAtomically(const fs::path& path, std::span<const uint8_t> data)
{
    fs::path temp;
    FileDescriptor fd(openTempBeside(path, temp));

    try {
        givePermissionsOf(path, fd.get());

        writeAll(fd.get(), path, data.data(), data.size());
        if (::fsync(fd.get()) != 0)
            fail(path, errno);
        if (fd.close() != 0)
            fail(path, errno);
        if (::rename(temp.c_str(), path.c_str()) != 0)
            fail(path, errno);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    syncFolder(path.parent_path());
}

void writeFileAtomically(const fs::path& path, std::string_view data)
{
    writeFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(data.data()), data.size()));
}

fs::path createTempFileBeside(const fs::path& path)
{
    fs::path temp;
    FileDescriptor fd(openTempBeside(path, temp));
    if (fd.close() != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        fail(path, error);
    }
    return temp;
}

void replaceFileWith(const fs::path& path, const fs::path& temp)
{
    try {
        FileDescriptor fd(::open(temp.c_str(), O_RDONLY | O_CLOEXEC));
        if (fd.get() < 0)
            fail(path, errno);
        givePermissionsOf(path, fd.get());
        if (::fsync(fd.get()) != 0)
            fail(path, errno);
        if (fd.close() != 0)
            fail(path, errno);
        if (::rename(temp.c_str(), path.c_str()) != 0)
            fail(path, errno);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    syncFolder(path.parent_path());
}

// Started writes of this many bytes go to the disk while the caller prepares
// the next ones, so that the flush at the end has less left to wait for.
constexpr uint64_t kEarlyFlushBytes = 8ull << 20;

AtomicFileWriter::AtomicFileWriter(fs::path path, DiskFlush flush) : path_(std::move(path)), flush_(flush)
{
    fd_ = openTempBeside(path_, temp_);
    givePermissionsOf(path_, fd_);
}

AtomicFileWriter::~AtomicFileWriter()
{
    if (fd_ >= 0)
        ::close(fd_);
    if (!temp_.empty())
        ::unlink(temp_.c_str());
}

void AtomicFileWriter::write(std::span<const uint8_t> data)
{
    if (fd_ < 0)
        fail(path_, EBADF);
    writeAll(fd_, path_, data.data(), data.size());
    written_ += data.size();
    if (flush_ == DiskFlush::Wait && written_ - flushStarted_ >= kEarlyFlushBytes) {
        // Best effort: the fsync in commit() reports any failure.
        ::sync_file_range(fd_, static_cast<off_t>(flushStarted_), static_cast<off_t>(written_ - flushStarted_),
                          SYNC_FILE_RANGE_WRITE);
        flushStarted_ = written_;
    }
}

void AtomicFileWriter::write(std::string_view data)
{
    write(std::span(reinterpret_cast<const uint8_t*>(data.data()), data.size()));
}

void AtomicFileWriter::commit()
{
    if (fd_ < 0)
        fail(path_, EBADF);
    if (flush_ == DiskFlush::Wait && ::fsync(fd_) != 0)
        fail(path_, errno);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0)
        fail(path_, errno);
    if (::rename(temp_.c_str(), path_.c_str()) != 0)
        fail(path_, errno);
    temp_.clear();
    if (flush_ == DiskFlush::Wait)
        syncFolder(path_.parent_path());
}

FileChunkReader::FileChunkReader(const fs::path& path, uint64_t maxSize) : path_(path)
{
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        fail(path, errno);
    struct stat st {};
    int error = 0;
    if (::fstat(fd_, &st) != 0)
        error = errno;
    else if (!S_ISREG(st.st_mode) || static_cast<uint64_t>(st.st_size) > maxSize)
        error = S_ISREG(st.st_mode) ? EFBIG : EISDIR;
    if (error != 0) {
        ::close(fd_); // a constructor that throws gets no destructor
        fd_ = -1;
        fail(path, error);
    }
    size_ = static_cast<uint64_t>(st.st_size);
}

FileChunkReader::~FileChunkReader()
{
    if (fd_ >= 0)
        ::close(fd_);
}

size_t FileChunkReader::read(char* buffer, size_t n)
{
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, n);
        if (got >= 0)
            return static_cast<size_t>(got);
        if (errno != EINTR)
            fail(path_, errno);
    }
}

} // namespace belvane::files
