#pragma once

// A scenario: an ordered list of line texts, each a command line or a
// separator (the empty string). Nothing else is kept; the page, the dialogs
// and the runner parse lines when they need them.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/translation.h"

namespace belvane::scenario {

inline constexpr std::string_view ScenarioFileFilter = BELVANE_TEXT("Файлы сценариев (*.lsc)|*.lsc");
inline constexpr std::string_view ScenarioFileExtension = "lsc";
inline constexpr std::string_view WorkingCopyExtension = "lss";

class Scenario {
public:
    const std::vector<std::string>& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }
    bool Empty() const { return lines_.empty(); }

    // Throws Error("Запись со индексом %d в файле данных не найдена!") outside 0..Count()-1.
    const std::string& Line(int index) const;
    // A command line, not a separator.
    bool IsCommandLine(int index) const;

    // A blank line is stored as the separator "".
    void Add(std::string_view line);
    void AddSeparator() { lines_.emplace_back(); }
    // index may be Count() (appends); outside 0..Count() throws as Line does.
    void Insert(int index, std::string_view line);
    void Replace(int index, std::string_view line);
    // Deletes the given lines (any order, repeats ignored); an index out of
    // range throws before anything is deleted.
    void Delete(std::span<const int> indexes);
    void Clear() { lines_.clear(); }
    // Swap a line with its neighbour; return the line's new index.
    int MoveUp(int index);
    int MoveDown(int index);
    bool CanMoveUp(int index) const { return index > 0 && index < Count(); }
    bool CanMoveDown(int index) const { return index >= 0 && index < Count() - 1; }

    // Replaces every line.
    void Assign(std::vector<std::string> lines);
    // Appends lines as a scenario file is appended: into an empty scenario as
    // they are; otherwise, when there is anything to append, after a separator
    // unless the last line already is one.
    void AppendScenario(std::vector<std::string> lines);

    // Files (".lsc", the working copy ".lss"): Windows-1251, one line per
    // scenario line, CR LF. A failed read leaves the scenario as it was and
    // throws Error("Ошибка чтения файла \"<file>\"!\r\r<reason>"); a failed
    // write leaves the old file and throws Error("Ошибка записи в файл \"<file>\"!\r\r<reason>").
    void Open(const std::filesystem::path& path);
    void Append(const std::filesystem::path& path);
    void Save(const std::filesystem::path& path) const;

    // The working copy is loaded at start-up only when it exists: false when absent.
    bool LoadWorkingCopy(const std::filesystem::path& path);

    friend bool operator==(const Scenario&, const Scenario&) = default;

private:
    void CheckIndex(int index, int limit) const;

    std::vector<std::string> lines_;
};

// A scenario file larger than this is not a scenario.
inline constexpr uint64_t MaxScenarioFileSize = 32ull << 20;

// The lines of a scenario file (separators as ""), and the file text of lines.
std::vector<std::string> ReadScenarioFile(const std::filesystem::path& path);
// The lines of a scenario file's bytes.
std::vector<std::string> ScenarioFileLines(std::string_view bytes);
void WriteScenarioFile(const std::filesystem::path& path, std::span<const std::string> lines);
std::string ScenarioFileText(std::span<const std::string> lines);

inline constexpr std::string_view DeletingLinesStatus = BELVANE_TEXT("Удаление строк...");

// Status texts while a file is read or written (the full file name).
std::string LoadingFileStatus(const std::filesystem::path& path);
std::string SavingFileStatus(const std::filesystem::path& path);

} // namespace belvane::scenario
