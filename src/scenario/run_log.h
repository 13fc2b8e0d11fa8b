#pragma once

// The run log of a scenario, "ScriptLog_yyyy-mm-dd-hh-nn-ss.txt" in the data
// folder: one line per step, "[yyyy-mm-dd hh:nn:ss]: text", Windows-1251, CR LF.
// The file is appended to line by line, so what a run wrote so far is there
// even when the program ends in the middle of it.

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#include "support/translation.h"

namespace belvane::scenario {

inline constexpr std::string_view ScriptLogPrefix = "ScriptLog_";
inline constexpr std::string_view ScriptLogExtension = ".txt";
inline constexpr std::string_view NoScriptLogsMessage = BELVANE_TEXT("Файлы журналов не найдены!");
inline constexpr std::string_view FindScriptLogsStatus = BELVANE_TEXT("Поиск файлов журналов...");

// folder/"ScriptLog_<start time as yyyy-mm-dd-hh-nn-ss>.txt" (local time).
std::filesystem::path ScriptLogPath(const std::filesystem::path& folder, std::time_t start);
// Whether a file name fits "ScriptLog_%s.txt" with any text in place of %s.
bool IsScriptLogName(std::string_view fileName);
std::vector<std::filesystem::path> FindScriptLogs(const std::filesystem::path& folder);

// "[yyyy-mm-dd hh:nn:ss]: text" (local time), without the line end.
std::string ScriptLogLine(std::time_t now, std::string_view text);

class ScriptLog {
public:
    ScriptLog() = default;
    ScriptLog(const ScriptLog&) = delete;
    ScriptLog& operator=(const ScriptLog&) = delete;
    ~ScriptLog();

    // Starts writing to `path` (created when missing, appended to otherwise).
    void Start(std::filesystem::path path);
    bool Active() const { return !path_.empty(); }
    const std::filesystem::path& Path() const { return path_; }

    // Appends one line. A failure stops the writing; its message
    // ("Ошибка записи журнала: %s!") is returned once, for the caller to show.
    std::optional<std::string> Write(std::string_view text);
    // Closes the file; the log is no longer active.
    void Finish();

private:
    std::filesystem::path path_;
    int fd_ = -1;
    bool failed_ = false;
};

} // namespace belvane::scenario
