#pragma once

// The scenario of the running program: its lines, the working copy
// "Belvane_6x45.lss" rewritten after every change, the user's scenario files,
// and the editing actions of the scenario page.

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/scenario_runner.h"
#include "app/view_selection.h"
#include "scenario/scenario.h"
#include "scenario/script_line.h"

namespace belvane::app {

class Workspace;

class ScenarioService {
public:
    explicit ScenarioService(Workspace& workspace) : ws_(workspace), runner_(workspace) {}

    const scenario::Scenario& Lines() const { return scenario_; }
    int Count() const { return scenario_.Count(); }
    // "Строк: %d".
    std::string PanelText() const;
    // The nine cells of the scenario page for line `index`.
    std::array<std::string, scenario::ScriptColumnCount> RowTexts(int index) const;

    // The working copy, at start-up (a missing file is an empty scenario).
    void LoadWorkingCopy();

    // Files the user chooses. Failures are shown ("Ошибка чтения файла \"%s\"!"...)
    // and leave the scenario as it was. Return whether it worked.
    bool Open(const std::filesystem::path& file);
    bool Append(const std::filesystem::path& file);
    bool Save(const std::filesystem::path& file);

    // Editing; each change saves the working copy. Indexes outside the
    // scenario throw Error("Запись со индексом %d в файле данных не найдена!").
    void Add(std::string_view line);
    void AddSeparator();
    void Replace(int index, std::string_view line);
    // "Удаление строк..."; the front end asks DeleteRowsQuestion first.
    bool Delete(std::span<const int> indexes);
    bool Clear();
    // Replaces every line (a scenario from the online library); the working copy is saved.
    bool ReplaceAll(std::vector<std::string> lines);
    // Return the line's new index.
    int MoveUp(int index);
    int MoveDown(int index);

    // A current command line: the line exists and is no separator.
    bool IsCommandLine(int index) const;

    // ---- running ----------------------------------------------------------------------
    // A run's switches as the settings hold them ("ScriptLogEnabled", "StakesCheckOnLine",
    // "ScriptTestControl").
    ScenarioRunSettings RunSettings() const;
    // "Прогноз" over these lines (the scenario's own, or a file's).
    ScenarioRunResult Run(std::span<const std::string> lines, const ScenarioRunSettings& settings);
    // "Тест": asks for the number of tests ("Количество тестов"); nothing when
    // the person declines or the archive holds fewer than two draws.
    std::optional<int> AskTestCount();
    // A count outside 1 .. draws - 1 is refused with a message (the result is a failure).
    ScenarioRunResult Test(std::span<const std::string> lines, int count, const ScenarioRunSettings& settings);
    bool Running() const { return runner_.Running(); }
    // "Стоп": asks "Остановить выполнение сценария?"; on yes the run stops at
    // its next step. Returns whether a stop was requested.
    bool Stop();
    // The same without the question (Ctrl+C at the terminal; safe from a signal handler).
    void RequestStop() { runner_.RequestStop(); }
    bool StopRequested() const { return runner_.StopRequested(); }

    // The run logs: "Журнал выполнения сценария" and "Удалить журналы выполнения сценариев".
    bool LogEnabled() const;
    void ToggleLog();
    // "Контроль случайной игрой": a test stakes the control too.
    bool ControlEnabled() const;
    void ToggleControl();
    void DeleteLogs();

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    // Opening and appending: the status text, the message on failure, the working copy after.
    bool ReadFile(const std::filesystem::path& file, const std::function<void()>& read);
    // The working copy after a change; a failure is shown and the scenario stays in memory.
    bool Changed();

    Workspace& ws_;
    scenario::Scenario scenario_;
    ScenarioRunner runner_;
};

} // namespace belvane::app
