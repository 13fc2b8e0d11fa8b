#include "scenario/scenario.h"

#include <algorithm>

#include "scenario/script_line.h"
#include "support/delphi_format.h"
#include "support/error.h"
#include "support/translation.h"

namespace belvane::scenario {
namespace {

std::string normalized(std::string_view line)
{
    return IsSeparatorLine(line) ? std::string() : std::string(line);
}

} // namespace

void Scenario::CheckIndex(int index, int limit) const
{
    if (index < 0 || index >= limit)
        throw Error(DelphiFormat(support::Text("Запись со индексом %d в файле данных не найдена!"), {int64_t{index}}));
}

const std::string& Scenario::Line(int index) const
{
    CheckIndex(index, Count());
    return lines_[static_cast<size_t>(index)];
}

bool Scenario::IsCommandLine(int index) const
{
    return index >= 0 && index < Count() && !IsSeparatorLine(lines_[static_cast<size_t>(index)]);
}

void Scenario::Add(std::string_view line)
{
    lines_.push_back(normalized(line));
}

void Scenario::Insert(int index, std::string_view line)
{
    CheckIndex(index, Count() + 1);
    lines_.insert(lines_.begin() + index, normalized(line));
}

void Scenario::Replace(int index, std::string_view line)
{
    CheckIndex(index, Count());
    lines_[static_cast<size_t>(index)] = normalized(line);
}

void Scenario::Delete(std::span<const int> indexes)
{
    std::vector<int> sorted(indexes.begin(), indexes.end());
    for (int index : sorted)
        CheckIndex(index, Count());
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    // From the last line to the first, so the indexes still to delete stay valid.
    for (auto it = sorted.rbegin(); it != sorted.rend(); ++it)
        lines_.erase(lines_.begin() + *it);
}

int Scenario::MoveUp(int index)
{
    CheckIndex(index, Count());
    if (index == 0)
        return index;
    std::swap(lines_[static_cast<size_t>(index)], lines_[static_cast<size_t>(index - 1)]);
    return index - 1;
}

int Scenario::MoveDown(int index)
{
    CheckIndex(index, Count());
    if (index == Count() - 1)
        return index;
    std::swap(lines_[static_cast<size_t>(index)], lines_[static_cast<size_t>(index + 1)]);
    return index + 1;
}

void Scenario::Assign(std::vector<std::string> lines)
{
    for (std::string& line : lines)
        if (IsSeparatorLine(line))
            line.clear();
    lines_ = std::move(lines);
}

void Scenario::AppendScenario(std::vector<std::string> lines)
{
    if (lines_.empty()) {
        Assign(std::move(lines));
        return;
    }
    if (lines.empty())
        return;
    if (!IsSeparatorLine(lines_.back()))
        lines_.emplace_back();
    for (std::string& line : lines)
        lines_.push_back(normalized(line));
}

void Scenario::Open(const std::filesystem::path& path)
{
    Assign(ReadScenarioFile(path));
}

void Scenario::Append(const std::filesystem::path& path)
{
    AppendScenario(ReadScenarioFile(path));
}

void Scenario::Save(const std::filesystem::path& path) const
{
    WriteScenarioFile(path, lines_);
}

bool Scenario::LoadWorkingCopy(const std::filesystem::path& path)
{
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return false;
    Open(path);
    return true;
}

std::string LoadingFileStatus(const std::filesystem::path& path)
{
    return DelphiFormat(support::Text("Загрузка файла \"%s\"..."), {path.string()});
}

std::string SavingFileStatus(const std::filesystem::path& path)
{
    return DelphiFormat(support::Text("Сохранение файла \"%s\"..."), {path.string()});
}

} // namespace belvane::scenario
