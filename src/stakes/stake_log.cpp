#include "stakes/stake_log.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include "stakes/stake_fields.h"
#include "support/cp1251.h"
#include "support/data_folder.h"
#include "support/file_faults.h"
#include "support/file_io.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

constexpr std::string_view kLogSeparator = "-";
constexpr std::string_view kLogExtension = ".log";
constexpr size_t kFlushSize = 1 << 20;

// The fixed words of a line, in the file's code page.
struct LineWords {
    std::string Draw = cp1251::fromUtf8(": Тираж № ");
    std::string Stake = cp1251::fromUtf8(". Ставка: \"");
    std::string Results = cp1251::fromUtf8(". Результаты тиража: [");
    std::string Matches = cp1251::fromUtf8("]. Совпадений: ");
    std::string Profit = cp1251::fromUtf8(". Профит: ");
};

const LineWords& words()
{
    static const LineWords w;
    return w;
}

void appendJoined(std::string& out, const uint8_t* numbers, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (i > 0)
            out += ';';
        fmt::format_to(std::back_inserter(out), "{}", numbers[i]);
    }
}

void appendLine(std::string& out, std::time_t now, std::span<const uint8_t, StakeRecordSize> record)
{
    const uint8_t* r = record.data();
    std::tm local{};
    localtime_r(&now, &local);
    fmt::format_to(std::back_inserter(out), "{:04}.{:02}.{:02} {:02}:{:02}:{:02}", local.tm_year + 1900,
                   local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    const LineWords& w = words();
    out += w.Draw;
    fmt::format_to(std::back_inserter(out), "{}", fields::drawNumber(r));
    out += w.Stake;
    out += fields::comment(r);
    out += "\" [";
    appendJoined(out, r + StakeNumbersOffset,
                 static_cast<size_t>(std::clamp<int32_t>(fields::count(r), 0, int32_t{StakeNumbersCapacity})));
    fmt::format_to(std::back_inserter(out), "] {{{}}}", fields::listSize(r));
    out += w.Results;
    appendJoined(out, r + StakeDrawnOffset, model::BallCount);
    out += w.Matches;
    fmt::format_to(std::back_inserter(out), "{}", fields::matches(r));
    out += w.Profit;
    out += FormatMoney(fields::profit(r));
    out += '.';
}

bool writeAll(int fd, const char* p, size_t n)
{
    while (n > 0) {
        const ssize_t written = ::write(fd, p, n);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        p += written;
        n -= static_cast<size_t>(written);
    }
    return true;
}

std::string deleteFailure(const std::filesystem::path& path, int error)
{
    return support::Message("Ошибка удаления файла \"{}\"!\r\r{}", path.string(), files::systemErrorText(path, error));
}

} // namespace

std::filesystem::path StakeLogPath(const std::filesystem::path& folder, int matches)
{
    return folder / fmt::format("{}{}{}{}", ProgramBaseName, kLogSeparator, matches, kLogExtension);
}

bool IsStakeLogName(std::string_view name)
{
    const std::string prefix = std::string(ProgramBaseName) + std::string(kLogSeparator);
    return name.size() >= prefix.size() + kLogExtension.size() && name.starts_with(prefix) &&
           name.ends_with(kLogExtension);
}

std::string StakeLogLine(std::time_t now, std::span<const uint8_t, StakeRecordSize> record)
{
    std::string line;
    appendLine(line, now, record);
    return line;
}

StakeLogWriter::StakeLogWriter(std::filesystem::path folder, uint64_t maxSize)
    : folder_(std::move(folder)), maxSize_(maxSize)
{
}

StakeLogWriter::~StakeLogWriter()
{
    Flush();
}

void StakeLogWriter::Fail(std::string message)
{
    if (failure_.empty())
        failure_ = std::move(message);
    for (File& f : files_)
        f.Pending.clear();
}

void StakeLogWriter::Write(std::time_t now, int matches, std::span<const uint8_t, StakeRecordSize> record)
{
    if (Failed() || matches < 0 || matches >= static_cast<int>(files_.size()))
        return;
    File& f = files_[static_cast<size_t>(matches)];
    const auto path = StakeLogPath(folder_, matches);
    if (!f.Known) {
        struct stat st {};
        f.OnDisk = ::stat(path.c_str(), &st) == 0 ? static_cast<uint64_t>(st.st_size) : 0;
        f.Known = true;
    }
    // The file as it would be with what is pending: past the cap it goes,
    // and the lines not yet written go with it.
    if (f.OnDisk + f.Pending.size() > maxSize_) {
        f.Pending.clear();
        if (::unlink(path.c_str()) != 0 && errno != ENOENT)
            return Fail(deleteFailure(path, errno));
        f.OnDisk = 0;
    }
    appendLine(f.Pending, now, record);
    f.Pending += "\r\n";
    if (f.Pending.size() >= kFlushSize)
        FlushFile(matches);
}

void StakeLogWriter::FlushFile(int matches)
{
    File& f = files_[static_cast<size_t>(matches)];
    if (f.Pending.empty() || Failed())
        return;
    const auto path = StakeLogPath(folder_, matches);
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    // An injected fault fills the disk half-way through the lines.
    const int fault = fd >= 0 ? files::takeFault(files::FaultKind::Write, path.filename().string()) : 0;
    bool ok = fd >= 0 && writeAll(fd, f.Pending.data(), fault != 0 ? f.Pending.size() / 2 : f.Pending.size());
    if (ok && fault != 0) {
        ok = false;
        errno = fault;
    }
    const int error = errno;
    const bool closed = fd >= 0 && ::close(fd) == 0;
    if (!ok || !closed)
        return Fail(support::Message("Ошибка записи в файл \"{}\"!\r\r{}", path.string(),
                                     files::systemErrorText(path, ok ? errno : error)));
    f.OnDisk += f.Pending.size();
    f.Pending.clear();
}

void StakeLogWriter::Flush()
{
    for (size_t m = 0; m < files_.size(); ++m)
        FlushFile(static_cast<int>(m));
}

std::vector<std::filesystem::path> FindStakeLogs(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        std::error_code typeError;
        if (entry.is_regular_file(typeError) && IsStakeLogName(entry.path().filename().string()))
            found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

LogDeletion DeleteStakeLogFiles(const std::filesystem::path& folder)
{
    LogDeletion result;
    const auto logs = FindStakeLogs(folder);
    result.Found = logs.size();
    for (const auto& path : logs) {
        if (::unlink(path.c_str()) == 0)
            ++result.Deleted;
        else
            result.Failures.push_back(deleteFailure(path, errno));
    }
    return result;
}

} // namespace belvane::stakes
