#include "stakes/stakes_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/error.h"
#include "support/file_io.h"

namespace belvane::stakes {
namespace {

constexpr std::string_view kNotOpen = "Файл ставок не открыт!";

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
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        throw Error(files::systemErrorText(path, errno));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        throw Error(files::systemErrorText(path, error));
    }
    fd_ = fd;
    path_ = path;
}

void StakesFile::Close()
{
    if (fd_ < 0)
        return;
    const int fd = fd_;
    fd_ = -1;
    if (::fsync(fd) != 0 || ::close(fd) != 0)
        throw Error(files::systemErrorText(path_, errno));
}

uint64_t StakesFile::Size() const
{
    if (fd_ < 0)
        throw Error(std::string(kNotOpen));
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        throw Error(files::systemErrorText(path_, errno));
    return static_cast<uint64_t>(st.st_size);
}

bool StakesFile::IsOlderVersion() const
{
    const uint64_t size = Size();
    if (size == 0)
        return false;
    if (size % StakeRecordSize != 0)
        return true;
    uint8_t version = 0;
    if (::pread(fd_, &version, 1, 0) != 1)
        throw Error(files::systemErrorText(path_, errno));
    return version != StakeRecordVersion;
}

void StakesFile::Truncate()
{
    if (fd_ < 0)
        throw Error(std::string(kNotOpen));
    if (::ftruncate(fd_, 0) != 0)
        throw Error(files::systemErrorText(path_, errno));
}

} // namespace belvane::stakes
