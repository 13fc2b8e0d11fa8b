#include "app/scenario_service.h"

#include <system_error>

#include "app/archive_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "app/workspace.h"
#include "scenario/run_log.h"
#include "scenario/run_texts.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::app {

std::string ScenarioService::PanelText() const
{
    return scenario::ScriptLinesStatus(Count());
}

std::array<std::string, scenario::ScriptColumnCount> ScenarioService::RowTexts(int index) const
{
    return scenario::ScriptRowTexts(ws_.Registry(), scenario_.Line(index));
}

void ScenarioService::LoadWorkingCopy()
{
    try {
        scenario_.LoadWorkingCopy(ws_.Files().scenario());
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
    }
}

bool ScenarioService::Open(const std::filesystem::path& file)
{
    return ReadFile(file, [&] { scenario_.Open(file); });
}

bool ScenarioService::Append(const std::filesystem::path& file)
{
    return ReadFile(file, [&] { scenario_.Append(file); });
}

bool ScenarioService::ReadFile(const std::filesystem::path& file, const std::function<void()>& read)
{
    StatusScope status(ws_.Host(), scenario::LoadingFileStatus(file));
    try {
        read();
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return false;
    }
    Changed();
    return true;
}

bool ScenarioService::Save(const std::filesystem::path& file)
{
    if (const std::string refusal = ws_.Files().ownFileRefusal(file, scenario::ScenarioFileExtension);
        !refusal.empty()) {
        ws_.Host().showError(refusal);
        return false;
    }
    StatusScope status(ws_.Host(), scenario::SavingFileStatus(file));
    try {
        scenario_.Save(file);
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return false;
    }
}

void ScenarioService::Add(std::string_view line)
{
    scenario_.Add(line);
    Changed();
}

void ScenarioService::AddSeparator()
{
    scenario_.AddSeparator();
    Changed();
}

void ScenarioService::Replace(int index, std::string_view line)
{
    scenario_.Replace(index, line);
    Changed();
}

bool ScenarioService::Delete(std::span<const int> indexes)
{
    if (indexes.empty())
        return false;
    StatusScope status(ws_.Host(), support::Text(scenario::DeletingLinesStatus));
    scenario_.Delete(indexes);
    Changed();
    return true;
}

bool ScenarioService::Clear()
{
    if (scenario_.Empty())
        return false;
    StatusScope status(ws_.Host(), support::Text(scenario::DeletingLinesStatus));
    scenario_.Clear();
    Changed();
    return true;
}

bool ScenarioService::ReplaceAll(std::vector<std::string> lines)
{
    scenario_.Assign(std::move(lines));
    return Changed();
}

int ScenarioService::MoveUp(int index)
{
    const int moved = scenario_.MoveUp(index);
    Changed();
    return moved;
}

int ScenarioService::MoveDown(int index)
{
    const int moved = scenario_.MoveDown(index);
    Changed();
    return moved;
}

bool ScenarioService::IsCommandLine(int index) const
{
    return index >= 0 && index < Count() && scenario_.IsCommandLine(index);
}

bool ScenarioService::Changed()
{
    const std::filesystem::path file = ws_.Files().scenario();
    try {
        scenario_.Save(file);
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return false;
    }
}

ScenarioRunSettings ScenarioService::RunSettings() const
{
    ScenarioRunSettings settings;
    settings.Log = LogEnabled();
    settings.Control = ControlEnabled();
    settings.CheckOnLine = ws_.Stakes().CheckOnLine();
    return settings;
}

ScenarioRunResult ScenarioService::Run(std::span<const std::string> lines, const ScenarioRunSettings& settings)
{
    return runner_.Run(lines, settings);
}

std::optional<int> ScenarioService::AskTestCount()
{
    const auto range = scenario::TestCountRangeFor(static_cast<int>(ws_.Archive().Draws().size()));
    if (!range)
        return std::nullopt;
    return ws_.Host().askNumber(support::Text(scenario::TestCountCaption), support::Text(scenario::TestCountPrompt),
                                range->Default, range->Min, range->Max);
}

ScenarioRunResult ScenarioService::Test(std::span<const std::string> lines, int count,
                                        const ScenarioRunSettings& settings)
{
    const int draws = static_cast<int>(ws_.Archive().Draws().size());
    const auto range = scenario::TestCountRangeFor(draws);
    if (!range || count < range->Min || count > range->Max) {
        ws_.Host().showError(
            range ? support::Message("Количество тестов должно быть от {} до {}!", range->Min, range->Max)
                  : support::Text("Для теста в архиве должно быть не менее двух тиражей!"));
        ScenarioRunResult refused;
        refused.Failed = true;
        return refused;
    }
    return runner_.Test(lines, count, settings);
}

bool ScenarioService::Stop()
{
    if (!runner_.Running() || runner_.StopRequested())
        return false;
    if (!ws_.Host().askYesNo(support::Text(CaptionConfirm), support::Text(scenario::StopQuestion), true))
        return false;
    runner_.RequestStop();
    return true;
}

bool ScenarioService::LogEnabled() const
{
    return ws_.Settings().Flag(key::ScriptLogEnabled);
}

void ScenarioService::ToggleLog()
{
    ws_.SetSetting(key::ScriptLogEnabled, LogEnabled() ? 0 : 1);
}

bool ScenarioService::ControlEnabled() const
{
    return ws_.Settings().Flag(key::ScriptTestControl);
}

void ScenarioService::ToggleControl()
{
    ws_.SetSetting(key::ScriptTestControl, ControlEnabled() ? 0 : 1);
}

void ScenarioService::DeleteLogs()
{
    Host& host = ws_.Host();
    const auto logs = scenario::FindScriptLogs(ws_.Files().folder());
    if (logs.empty()) {
        host.showInformation(support::Text(scenario::NoScriptLogsMessage));
        return;
    }
    size_t deleted = 0;
    std::string failure;
    {
        StatusScope status(host, support::Text(scenario::FindScriptLogsStatus));
        for (const auto& log : logs) {
            std::error_code ec;
            if (std::filesystem::remove(log, ec))
                ++deleted;
            else if (failure.empty())
                failure = support::Message("Ошибка удаления файла \"{}\"!\r\r{}", log.string(), ec.message());
        }
    }
    if (!failure.empty())
        host.showError(failure);
    host.showInformation(support::Message("Удалено файлов журналов: {} из {}.", deleted, logs.size()));
}

std::optional<bool> ScenarioService::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    // Asked from the window's thread while a run goes: only the run's flags are read.
    if (action == "ScriptStop")
        return Running() && !StopRequested();
    const bool any = !scenario_.Empty();
    const int current = selection.ScriptCurrent;
    const size_t draws = ws_.Archive().Draws().size();
    if (action == "ScriptRun")
        return any && draws > 0 && !Running();
    if (action == "ScriptTest")
        return any && draws > 1 && !Running();
    if (action == "LogToggle" || action == "LogsDelete" || action == "ScriptTestControl")
        return !Running();
    if (action == "ScriptOpen" || action == "ScriptLoad" || action == "ScriptAdd")
        return true;
    if (action == "ScriptSave" || action == "ScriptEmpty" || action == "ScriptClr")
        return any;
    if (action == "ScriptClone" || action == "ScriptEdit")
        return IsCommandLine(current);
    if (action == "ScriptDel")
        return selection.ScriptRows > 0;
    if (action == "ScriptUp")
        return scenario_.CanMoveUp(current);
    if (action == "ScriptDown")
        return scenario_.CanMoveDown(current);
    return std::nullopt;
}

} // namespace belvane::app
