#include "app/scenario_service.h"

#include "app/host.h"
#include "app/workspace.h"
#include "support/error.h"

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
    if (const std::string refusal = ws_.Files().OwnFileRefusal(file); !refusal.empty()) {
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
    StatusScope status(ws_.Host(), scenario::DeletingLinesStatus);
    scenario_.Delete(indexes);
    Changed();
    return true;
}

bool ScenarioService::Clear()
{
    if (scenario_.Empty())
        return false;
    StatusScope status(ws_.Host(), scenario::DeletingLinesStatus);
    scenario_.Clear();
    Changed();
    return true;
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

void ScenarioService::Changed()
{
    const std::filesystem::path file = ws_.Files().scenario();
    try {
        scenario_.Save(file);
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
    }
}

std::optional<bool> ScenarioService::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    const bool any = !scenario_.Empty();
    const int current = selection.ScriptCurrent;
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
