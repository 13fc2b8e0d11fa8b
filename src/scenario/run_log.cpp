#include "scenario/run_log.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fmt/format.h>
#include <system_error>
#include <unistd.h>

#include "support/cp1251.h"
#include "support/file_faults.h"
#include "support/translation.h"

namespace belvane::scenario {
namespace {

std::tm localTime(std::time_t t)
{
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

} // namespace

std::filesystem::path ScriptLogPath(const std::filesystem::path& folder, std::time_t start)
{
    const std::tm tm = localTime(start);
    return folder / fmt::format("{}{:04d}-{:02d}-{:02d}-{:02d}-{:02d}-{:02d}{}", ScriptLogPrefix, tm.tm_year + 1900,
                                tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, ScriptLogExtension);
}

bool IsScriptLogName(std::string_view fileName)
{
    return fileName.size() >= ScriptLogPrefix.size() + ScriptLogExtension.size() &&
           fileName.starts_with(ScriptLogPrefix) && fileName.ends_with(ScriptLogExtension);
}

std::vector<std::filesystem::path> FindScriptLogs(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> logs;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_regular_file(ec) && IsScriptLogName(it->path().filename().string()))
            logs.push_back(it->path());
    std::sort(logs.begin(), logs.end());
    return logs;
}

std::string ScriptLogLine(std::time_t now, std::string_view text)
{
    const std::tm tm = localTime(now);
    return fmt::format("[{:04d}-{:02d}-{:02d} {:02d}:{:02d}:{:02d}]: {}", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                       tm.tm_hour, tm.tm_min, tm.tm_sec, text);
}

ScriptLog::~ScriptLog()
{
    Finish();
}

void ScriptLog::Start(std::filesystem::path path)
{
    Finish();
    path_ = std::move(path);
    failed_ = false;
}

std::optional<std::string> ScriptLog::Write(std::string_view text)
{
    if (path_.empty() || failed_)
        return std::nullopt;
    int error = 0;
    if (fd_ < 0) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0)
            error = errno;
    }
    if (fd_ >= 0) {
        const std::string line = cp1251::fromUtf8(ScriptLogLine(std::time(nullptr), text)) + "\r\n";
        // One write per line: with O_APPEND a line is never split by another writer.
        // An injected fault fills the disk half-way through the line.
        const int fault = files::takeFault(files::FaultKind::Write, path_.filename().string());
        const ssize_t written = ::write(fd_, line.data(), fault != 0 ? line.size() / 2 : line.size());
        if (fault != 0)
            error = fault;
        else if (written != static_cast<ssize_t>(line.size()))
            error = written < 0 ? errno : ENOSPC;
    }
    if (error == 0)
        return std::nullopt;
    failed_ = true;
    return support::Message("Ошибка записи журнала: {}!", std::system_category().message(error));
}

void ScriptLog::Finish()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    path_.clear();
}

} // namespace belvane::scenario
