#include "stakes/stakes_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <fmt/format.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "support/error.h"
#include "support/file_faults.h"
#include "support/file_io.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

// The new file a deletion writes, named after the stakes file.
constexpr std::string_view kTempExtension = ".~tmp";
constexpr size_t kCopyBlockRecords = 4096;
constexpr int kOpenAttempts = 8;

[[noreturn]] void failWith(const std::filesystem::path& path, int error)
{
    throw Error(files::systemErrorText(path, error));
}

void writeAllAt(int fd, const std::filesystem::path& path, const uint8_t* p, size_t n, uint64_t offset)
{
    // An injected fault fills the disk half-way through the data.
    const int fault = files::takeFault(files::FaultKind::Write, path.filename().string());
    const size_t wanted = n;
    if (fault != 0)
        n /= 2;
    while (n > 0) {
        const ssize_t written = ::pwrite(fd, p, n, static_cast<off_t>(offset));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            failWith(path, errno);
        }
        if (written == 0)
            failWith(path, ENOSPC);
        p += written;
        n -= static_cast<size_t>(written);
        offset += static_cast<uint64_t>(written);
    }
    if (fault != 0 && wanted > 0)
        failWith(path, fault);
}

size_t readAllAt(int fd, const std::filesystem::path& path, uint8_t* p, size_t n, uint64_t offset)
{
    size_t got = 0;
    while (got < n) {
        const ssize_t r = ::pread(fd, p + got, n - got, static_cast<off_t>(offset + got));
        if (r < 0) {
            if (errno == EINTR)
                continue;
            failWith(path, errno);
        }
        if (r == 0)
            break;
        got += static_cast<size_t>(r);
    }
    return got;
}

bool sameFile(int fd, const std::filesystem::path& path)
{
    struct stat a {};
    struct stat b {};
    return ::fstat(fd, &a) == 0 && ::stat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd); // best effort: the rename itself already happened
        ::close(fd);
    }
}

} // namespace

StakesFile::~StakesFile()
{
    if (fd_ >= 0)
        ::close(fd_); // the lock goes with the descriptor
}

void StakesFile::Open(const std::filesystem::path& path)
{
    if (fd_ >= 0)
        Close();
    DropCache();
    // A deletion renames a new file over the old one while holding the lock on
    // both. A program that opened the old file just before the rename could get
    // its lock once the old file is closed; it would then hold an orphan. So
    // the lock counts only when the name still leads to the locked file.
    for (int attempt = 0; attempt < kOpenAttempts; ++attempt) {
        // Non-blocking, so that a FIFO put there cannot hold the open.
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
        if (fd < 0)
            failWith(path, errno);
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            const int error = errno;
            ::close(fd);
            failWith(path, error);
        }
        if (!S_ISREG(st.st_mode)) {
            ::close(fd);
            throw Error(support::Message("{}: это не обычный файл", path.filename().string()));
        }
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            throw StakesFileLocked(files::systemErrorText(path, error));
        }
        if (sameFile(fd, path)) {
            fd_ = fd;
            path_ = path;
            journal_ = std::make_unique<StakesJournal>(path);
            return;
        }
        ::close(fd);
    }
    throw StakesFileLocked(files::systemErrorText(path, EWOULDBLOCK));
}

void StakesFile::OpenForReading(const std::filesystem::path& path)
{
    if (fd_ >= 0)
        Close();
    DropCache();
    path_ = path;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT)
            return;
        failWith(path, errno);
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        throw Error(support::Message("{}: это не обычный файл", path.filename().string()));
    }
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        throw StakesFileLocked(files::systemErrorText(path, error));
    }
    fd_ = fd;
    readOnly_ = true;
    journal_ = std::make_unique<StakesJournal>(path);
}

void StakesFile::Close()
{
    if (fd_ < 0)
        return;
    DropCache();
    const int fd = fd_;
    fd_ = -1;
    if (std::exchange(readOnly_, false)) {
        ::close(fd);
        return;
    }
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    if (::close(fd) != 0)
        failWith(path_, errno);
    if (!synced)
        failWith(path_, error);
}

int StakesFile::Descriptor() const
{
    if (fd_ < 0)
        throw Error(support::Text(StakesNotOpenMessage));
    return fd_;
}

uint64_t StakesFile::Size() const
{
    struct stat st {};
    if (::fstat(Descriptor(), &st) != 0)
        failWith(path_, errno);
    return static_cast<uint64_t>(st.st_size);
}

bool StakesFile::IsOlderVersion() const
{
    if (Size() == 0)
        return false;
    uint8_t version = 0;
    if (::pread(fd_, &version, 1, 0) != 1)
        failWith(path_, errno);
    return version != StakeRecordVersion;
}

uint64_t StakesFile::TornTailBytes() const
{
    if (IsOlderVersion())
        return 0;
    return Size() % StakeRecordSize;
}

void StakesFile::CutTornTail()
{
    const uint64_t size = Size();
    DropCache();
    if (::ftruncate(Descriptor(), static_cast<off_t>(size / StakeRecordSize * StakeRecordSize)) != 0)
        failWith(path_, errno);
    Sync();
}

void StakesFile::Truncate()
{
    DropCache();
    keepForUndo(0, Size());
    if (::ftruncate(Descriptor(), 0) != 0)
        failWith(path_, errno);
    Sync();
}

void StakesFile::keepForUndo(uint64_t offset, uint64_t length)
{
    if (!ChangeActive() || offset >= journal_->BaseSize())
        return;
    const uint64_t end = std::min(offset + length, journal_->BaseSize());
    std::vector<uint8_t> old(
        static_cast<size_t>(std::min<uint64_t>(end - offset, kCopyBlockRecords * StakeRecordSize)));
    for (uint64_t at = offset; at < end;) {
        const size_t n = static_cast<size_t>(std::min<uint64_t>(old.size(), end - at));
        const size_t got = readAllAt(Descriptor(), path_, old.data(), n, at);
        if (got == 0)
            break;
        journal_->SaveBeforeOverwrite(at, std::span<const uint8_t>(old.data(), got));
        at += got;
    }
}

bool StakesFile::ChangePending() const
{
    return journal_ && journal_->Pending();
}

ChangeUndone StakesFile::UndoChange()
{
    DropCache();
    return journal_->Undo(Descriptor());
}

std::filesystem::path StakesFile::SetAsideChange()
{
    return journal_->SetAside();
}

void StakesFile::RemoveChangeLeftovers() const
{
    if (journal_)
        journal_->RemoveLeftovers();
}

void StakesFile::BeginChange(const std::vector<std::filesystem::path>& replaced,
                             const std::vector<std::filesystem::path>& appended)
{
    Descriptor();
    journal_->Begin(Size(), replaced, appended);
}

void StakesFile::CommitChange()
{
    if (!ChangeActive())
        return;
    Sync();
    journal_->Commit();
}

void StakesFile::CopyTo(const std::filesystem::path& copy) const
{
    files::AtomicFileWriter writer(copy);
    std::vector<uint8_t> block(kCopyBlockRecords * StakeRecordSize);
    for (uint64_t offset = 0;;) {
        const size_t got = readAllAt(Descriptor(), path_, block.data(), block.size(), offset);
        if (got == 0)
            break;
        writer.write(std::span<const uint8_t>(block.data(), got));
        offset += got;
    }
    writer.commit();
}

void StakesFile::Sync()
{
    if (::fsync(Descriptor()) != 0)
        failWith(path_, errno);
}

StakeRecord StakesFile::Read(size_t index, ReadOrigin origin)
{
    try {
        if (cacheValid_ && cacheIndex_ == index && cacheOrigin_ == origin && fd_ >= 0)
            return cache_;
        const size_t count = RecordCount();
        if (index >= count)
            throw Error(support::Message("Запись со индексом {} в файле данных не найдена!", index));
        const size_t position = origin == ReadOrigin::Start ? index : count - 1 - index;
        std::array<uint8_t, StakeRecordSize> buffer{};
        if (readAllAt(fd_, path_, buffer.data(), buffer.size(), uint64_t{position} * StakeRecordSize) != buffer.size())
            throw Error(support::Message("Запись со индексом {} в файле данных не найдена!", index));
        cache_ = DecodeStake(buffer);
        cacheIndex_ = index;
        cacheOrigin_ = origin;
        cacheValid_ = true;
        return cache_;
    } catch (const Error& e) {
        throw Error(support::Message("Ошибка чтения записи из файла ставок!\r\r{}", e.what()));
    }
}

void StakesFile::Append(const StakeRecord& record)
{
    try {
        std::array<uint8_t, StakeRecordSize> buffer{};
        EncodeStake(record, buffer);
        AppendBlock(buffer);
    } catch (const Error& e) {
        throw Error(support::Message("Ошибка добавления записи в файл ставок!\r\r{}", e.what()));
    }
}

void StakesFile::Overwrite(size_t index, const StakeRecord& record)
{
    try {
        std::array<uint8_t, StakeRecordSize> buffer{};
        EncodeStake(record, buffer);
        if (index >= RecordCount())
            throw Error(support::Message("Запись со индексом {} в файле данных не найдена!", index));
        WriteBlock(index, buffer);
    } catch (const Error& e) {
        throw Error(support::Message("Ошибка записи в файл ставок!\r\r{}", e.what()));
    }
}

size_t StakesFile::ReadBlock(size_t first, std::span<uint8_t> out)
{
    const size_t wanted = out.size() / StakeRecordSize;
    const size_t got =
        readAllAt(Descriptor(), path_, out.data(), wanted * StakeRecordSize, uint64_t{first} * StakeRecordSize);
    return got / StakeRecordSize;
}

void StakesFile::WriteBlock(size_t first, std::span<const uint8_t> records)
{
    const int f = Descriptor();
    DropCache();
    keepForUndo(uint64_t{first} * StakeRecordSize, records.size());
    writeAllAt(f, path_, records.data(), records.size(), uint64_t{first} * StakeRecordSize);
}

void StakesFile::AppendBlock(std::span<const uint8_t> records)
{
    const int f = Descriptor();
    DropCache();
    // Whole records only: the end of the file is put back on a record boundary.
    const uint64_t size = Size() / StakeRecordSize * StakeRecordSize;
    try {
        writeAllAt(f, path_, records.data(), records.size(), size);
    } catch (const Error&) {
        // Disk full part-way: leave no torn record behind, or the next start
        // would take the file for an older version and empty it.
        (void)::ftruncate(f, static_cast<off_t>(size));
        throw;
    }
}

std::optional<size_t>
StakesFile::Rewrite(const std::function<bool(size_t, std::span<const uint8_t, StakeRecordSize>)>& keep,
                    const RecordProgress& progress)
{
    std::filesystem::path temp = path_;
    temp.replace_extension(kTempExtension);
    auto renameFailure = [&](int error) {
        return Error(support::Message("Ошибка переименования / удаления временного файла ставок {}!\r\r{}",
                                      temp.filename().string(), files::systemErrorText(temp, error)));
    };
    int out = -1;
    auto dropTemp = [&] {
        if (out >= 0)
            ::close(out);
        out = -1;
        ::unlink(temp.c_str());
    };

    if (ChangeActive())
        throw Error(support::Message("Ошибка удаления записи из файла ставок!\r\r{}",
                                     support::Text("Предыдущее изменение ставок не завершено!")));
    size_t dropped = 0;
    try {
        const int in = Descriptor();
        const size_t total = RecordCount();
        struct stat st {};
        const mode_t mode = ::fstat(in, &st) == 0 ? (st.st_mode & 07777) : 0644;
        out = ::open(temp.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
        if (out < 0)
            failWith(temp, errno);
        // The lock is taken on the new file before it gets the name: from the
        // rename on, a second program opening the name meets this lock, and
        // until then it meets the lock on the old file, which is closed only
        // after the rename. There is no moment without a locked file there.
        if (::flock(out, LOCK_EX | LOCK_NB) != 0)
            failWith(temp, errno);

        std::vector<uint8_t> block(kCopyBlockRecords * StakeRecordSize);
        std::vector<uint8_t> kept;
        kept.reserve(block.size());
        uint64_t written = 0;
        for (size_t first = 0; first < total;) {
            const size_t got =
                readAllAt(in, path_, block.data(), std::min(kCopyBlockRecords, total - first) * StakeRecordSize,
                          uint64_t{first} * StakeRecordSize) /
                StakeRecordSize;
            if (got == 0)
                break;
            kept.clear();
            for (size_t i = 0; i < got; ++i) {
                const std::span<const uint8_t, StakeRecordSize> record(block.data() + i * StakeRecordSize,
                                                                       StakeRecordSize);
                if (keep(first + i, record))
                    kept.insert(kept.end(), record.begin(), record.end());
                else
                    ++dropped;
            }
            writeAllAt(out, temp, kept.data(), kept.size(), written);
            written += kept.size();
            first += got;
            if (progress && !progress(first, total)) {
                dropTemp();
                return std::nullopt;
            }
        }
        if (::fsync(out) != 0)
            failWith(temp, errno);
    } catch (const Error& e) {
        dropTemp();
        throw Error(support::Message("Ошибка удаления записи из файла ставок!\r\r{}", e.what()));
    }

    if (::rename(temp.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        dropTemp();
        throw renameFailure(error);
    }
    syncFolder(path_.parent_path());
    DropCache();
    const int old = fd_;
    fd_ = out;
    ::close(old);
    return dropped;
}

} // namespace belvane::stakes
