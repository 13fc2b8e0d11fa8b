#include "support/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fmt/format.h>
#include <random>
#include <utility>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include "support/error.h"
#include "support/file_faults.h"
#include "support/translation.h"

namespace belvane::files {
namespace fs = std::filesystem;

std::string systemErrorText(const fs::path& path, int errorNumber)
{
    return path.filename().string() + ": " + std::strerror(errorNumber);
}

std::optional<uint64_t> freeSpace(const fs::path& path)
{
    if (const auto injected = files::injectedFreeSpace(path.filename().string()))
        return injected;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    struct statvfs st {};
    if (::statvfs(folder.c_str(), &st) != 0)
        return std::nullopt;
    return static_cast<uint64_t>(st.f_bavail) * static_cast<uint64_t>(st.f_frsize);
}

namespace {

constexpr std::string_view kTempMarker = ".belvane-tmp-";
constexpr size_t kTempRandomChars = 6;
constexpr int kMaxLinkHops = 40;

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

std::string notRegularText(const fs::path& path)
{
    return support::Message("{}: это не обычный файл", path.filename().string());
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

// What a save needs to know about the file it replaces.
struct ReplaceTarget {
    fs::path path; // links followed
    bool exists = false;
    struct stat st {};
};

// Refuses a target that is no regular file, or one that may not be written
// (marked read-only for everybody, or not writable for this process).
ReplaceTarget prepareTarget(const fs::path& path)
{
    ReplaceTarget target;
    target.path = resolveLinks(path);
    if (::stat(target.path.c_str(), &target.st) != 0) {
        if (errno != ENOENT)
            fail(path, errno);
        return target;
    }
    if (!S_ISREG(target.st.st_mode))
        throw Error(S_ISDIR(target.st.st_mode) ? systemErrorText(path, EISDIR) : notRegularText(path));
    if ((target.st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0)
        throw Error(support::Message("{}: файл защищен от записи", path.filename().string()));
    target.exists = true;
    return target;
}

// The replacement keeps the old file's owner (where this process may) and
// permissions; a new file keeps what open() gave it under the umask.
void keepOwnerAndMode(const ReplaceTarget& target, int fd)
{
    if (!target.exists)
        return;
    if (target.st.st_uid != ::geteuid() || target.st.st_gid != ::getegid()) {
        if (::fchown(fd, target.st.st_uid, target.st.st_gid) != 0) {
            // Only a privileged process may give a file away; the data matter more than the owner.
        }
    }
    ::fchmod(fd, target.st.st_mode & 07777);
}

std::string randomChars()
{
    static constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string chars(kTempRandomChars, ' ');
    for (char& c : chars)
        c = alphabet[random() % alphabet.size()];
    return chars;
}

// A new file ".<name>.belvane-tmp-XXXXXX" beside target, open for writing,
// with the permissions the umask allows.
int openTempBeside(const fs::path& userPath, const fs::path& target, fs::path& temp)
{
    const std::string prefix = "." + target.filename().string() + std::string(kTempMarker);
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = target.parent_path() / (prefix + randomChars());
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0) {
            temp = std::move(candidate);
            return fd;
        }
        if (errno != EEXIST)
            fail(userPath, errno);
    }
    fail(userPath, EEXIST);
}

} // namespace

fs::path resolveLinks(const fs::path& path)
{
    fs::path current = path;
    for (int hops = 0; hops <= kMaxLinkHops; ++hops) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return current;
        std::error_code ec;
        const fs::path link = fs::read_symlink(current, ec);
        if (ec)
            fail(path, ec.value());
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    fail(path, ELOOP);
}

std::optional<FileIdentity> fileIdentity(const fs::path& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

PartialRead readFileKeepingPartial(const fs::path& path, uint64_t maxSize)
{
    PartialRead result;
    // Non-blocking, so that a FIFO without a writer cannot hold the open; a
    // regular file reads the same either way.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        result.error = systemErrorText(path, errno);
        return result;
    }
    if (!S_ISREG(st.st_mode)) {
        result.error = S_ISDIR(st.st_mode) ? systemErrorText(path, EISDIR) : notRegularText(path);
        return result;
    }
    if (static_cast<uint64_t>(st.st_size) > maxSize) {
        result.error = systemErrorText(path, EFBIG);
        return result;
    }

    result.data.resize(static_cast<size_t>(st.st_size));
    // An injected fault lets the first half arrive, as a failing disk would.
    const int fault = takeFault(FaultKind::Read, path.filename().string());
    const size_t wanted = fault != 0 ? result.data.size() / 2 : result.data.size();
    size_t got = 0;
    while (got < wanted) {
        ssize_t n = ::read(fd.get(), result.data.data() + got, wanted - got);
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
    if (fault != 0 && result.error.empty())
        result.error = systemErrorText(path, fault);
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

void writeFileAtomically(const fs::path& path, std::span<const uint8_t> data)
{
    const ReplaceTarget target = prepareTarget(path);
    fs::path temp;
    FileDescriptor fd(openTempBeside(path, target.path, temp));

    try {
        keepOwnerAndMode(target, fd.get());
        // An injected fault fills the disk half-way through the data.
        const int fault = takeFault(FaultKind::Write, path.filename().string());
        const size_t first = fault != 0 ? data.size() / 2 : data.size();
        writeAll(fd.get(), path, data.data(), first);
        if (fault != 0)
            fail(path, fault);
        if (::fsync(fd.get()) != 0)
            fail(path, errno);
        if (fd.close() != 0)
            fail(path, errno);
        if (::rename(temp.c_str(), target.path.c_str()) != 0)
            fail(path, errno);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
    syncFolder(target.path.parent_path());
}

void writeFileAtomically(const fs::path& path, std::string_view data)
{
    writeFileAtomically(path, std::span(reinterpret_cast<const uint8_t*>(data.data()), data.size()));
}

fs::path createTempFileBeside(const fs::path& path)
{
    const ReplaceTarget target = prepareTarget(path);
    fs::path temp;
    FileDescriptor fd(openTempBeside(path, target.path, temp));
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
        const ReplaceTarget target = prepareTarget(path);
        FileDescriptor fd(::open(temp.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
        if (fd.get() < 0)
            fail(path, errno);
        keepOwnerAndMode(target, fd.get());
        if (const int fault = takeFault(FaultKind::Write, path.filename().string()); fault != 0)
            fail(path, fault);
        if (::fsync(fd.get()) != 0)
            fail(path, errno);
        if (fd.close() != 0)
            fail(path, errno);
        if (::rename(temp.c_str(), target.path.c_str()) != 0)
            fail(path, errno);
        syncFolder(target.path.parent_path());
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
}

bool isTempFileName(std::string_view name)
{
    if (!name.starts_with('.') || name.size() < 2 + kTempMarker.size() + kTempRandomChars)
        return false;
    const std::string_view tail = name.substr(name.size() - kTempRandomChars);
    const std::string_view marker =
        name.substr(name.size() - kTempRandomChars - kTempMarker.size(), kTempMarker.size());
    const auto alnum = [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    };
    return marker == kTempMarker && std::all_of(tail.begin(), tail.end(), alnum);
}

int removeStaleTempFiles(const fs::path& folder)
{
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& entry = it->path();
        struct stat st {};
        if (!isTempFileName(entry.filename().string()) || ::lstat(entry.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (::unlink(entry.c_str()) == 0)
            ++removed;
    }
    return removed;
}

// Started writes of this many bytes go to the disk while the caller prepares
// the next ones, so that the flush at the end has less left to wait for.
constexpr uint64_t kEarlyFlushBytes = 8ull << 20;

AtomicFileWriter::AtomicFileWriter(fs::path path, DiskFlush flush) : path_(std::move(path)), flush_(flush)
{
    const ReplaceTarget target = prepareTarget(path_);
    target_ = target.path;
    fd_ = openTempBeside(path_, target_, temp_);
    keepOwnerAndMode(target, fd_);
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
    if (const int fault = takeFault(FaultKind::Write, path_.filename().string()); fault != 0)
        fail(path_, fault);
    if (flush_ == DiskFlush::Wait && ::fsync(fd_) != 0)
        fail(path_, errno);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0)
        fail(path_, errno);
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        fail(path_, errno);
    temp_.clear();
    if (flush_ == DiskFlush::Wait)
        syncFolder(target_.parent_path());
}

FileChunkReader::FileChunkReader(const fs::path& path, uint64_t maxSize) : path_(path)
{
    // Non-blocking open, as in readFile: a FIFO without a writer cannot hold it.
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd_ < 0)
        fail(path, errno);
    struct stat st {};
    int error = 0;
    if (::fstat(fd_, &st) != 0)
        error = errno;
    else if (!S_ISREG(st.st_mode) || static_cast<uint64_t>(st.st_size) > maxSize)
        error = S_ISREG(st.st_mode) ? EFBIG : S_ISDIR(st.st_mode) ? EISDIR : -1;
    if (error != 0) {
        ::close(fd_); // a constructor that throws gets no destructor
        fd_ = -1;
        if (error < 0)
            throw Error(notRegularText(path));
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
