#pragma once

// The combination list of the running program: the list with its undo copy,
// the operation history and the combination buffer, and everything the user
// does to them — generate, open, save, paste, remove, filter, undo.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/configuration_service.h"
#include "app/view_selection.h"
#include "combs/comb_buffer.h"
#include "combs/comb_list.h"
#include "combs/history.h"

namespace belvane {
class Host;
}

namespace belvane::app {

class Workspace;
struct FilterRequest;

// "Комбинаций: %d" (status panel 3).
std::string CombsCountText(size_t count);
// "Пропущено строк (не комбинации): %d": what opening a list file passed over.
std::string SkippedLinesText(int skipped);

// Builds a list from the generation settings into `out`, with the progress
// window (cancellable). Returns false when cancelled; throws
// Error("Ошибка генерации файла комбинаций!\r\r<reason>") when it fails.
bool BuildList(Host& host, const GenerateSettings& settings, combs::CombBuffer& out);
// How many combinations BuildList would give, without building them (a list
// file is read through and counted). Throws as BuildList does.
size_t CountList(const GenerateSettings& settings);

class CombinationService {
public:
    // keepUndo: the desktop program takes reductions back; a one-shot command
    // cannot, and filters its list in place.
    CombinationService(Workspace& workspace, const std::filesystem::path& bufferFile, bool keepUndo);

    const combs::CombinationList& List() const { return list_; }
    std::span<const model::TComb> Combs() const { return list_.combs(); }
    size_t Count() const { return list_.count(); }
    const combs::OperationHistory& History() const { return history_; }
    combs::CombinationBuffer& Buffer() { return buffer_; }
    bool CanUndo() const { return list_.canUndo(); }
    // The size of the list a stake is made from (its "Выборка"), and what
    // "Комбинаций: %d" shows: the list's count once one has been made; before
    // that (a command that makes none) the count the saved generation
    // settings give, which is what the desktop program starts with. That is
    // counted, not generated; a list file that cannot be read is reported
    // once and counts 0.
    size_t ListSize() const;
    std::string PanelText() const { return CombsCountText(ListSize()); }

    // ---- new lists -----------------------------------------------------------------
    // Rebuilds the list from the settings ("Генерация возможных комбинаций...",
    // "Ошибка генерации файла комбинаций!"). A user's new list clears the
    // history and the undo copy; a scenario step keeps them.
    bool Generate(const GenerateSettings& settings, bool userAction = true);
    // The new-list action: optionally stores the settings as the default, then generates.
    bool NewList(const GenerateSettings& settings, bool saveAsDefault);
    // Opens a list file: the list becomes its combinations; history and undo
    // are cleared. A failure shows the read error and keeps the previous list.
    // Returns the number of skipped lines, or nullopt.
    std::optional<int> Open(const std::filesystem::path& file);
    // Writes the list file; one of the data folder's own files is refused with a message.
    bool Save(const std::filesystem::path& file) const;
    // Replaces the list with the pasted combinations; the parser's message and
    // the previous list on a bad line. History cleared, undo emptied either way.
    bool Paste(std::string_view text);
    // The clipboard text of these rows.
    std::string CopyText(std::span<const size_t> rows) const;

    // ---- reductions (each one step of the history, undone by Undo) ------------------
    // Removes the combinations equal to one of the latest n draws at the offset.
    bool ExcludeLatestDraws(int n);
    // Removes the rows; history row "Выделенные комбинации" with their number.
    void DeleteRows(std::span<const size_t> rows);
    // Keeps or removes the combinations having one of the selected values
    // ("Фильтрация комбинаций..."). An empty selection does nothing at all; a
    // cancelled run brings the previous list back and records nothing.
    bool Filter(const FilterRequest& request);
    // Takes back the last reduction and its history row.
    void Undo();

    // ---- for operations that rebuild the list themselves (the scenario runner) ---------
    combs::CombinationList& MutableList()
    {
        made_ = true;
        return list_;
    }
    combs::OperationHistory& MutableHistory() { return history_; }

    // ---- queries --------------------------------------------------------------------------
    std::string DistinctNumbersMessage() const;
    // Where the combination of a row came in the archive.
    std::string FindInDrawsMessage(size_t row) const;

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    Workspace& ws_;
    combs::CombinationList list_;
    combs::OperationHistory history_;
    combs::CombinationBuffer buffer_;
    bool made_ = false;                           // a list has been generated, opened or pasted
    mutable std::optional<size_t> savedListSize_; // ListSize before that, once counted
};

} // namespace belvane::app
