#pragma once

// The combination list's actions with their status texts, progress and
// messages: what the desktop program's commands and the command-line tool run.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "combs/comb_list.h"
#include "combs/history.h"
#include "model/draws.h"

namespace belvane::app {

class Host;

// The list and its history, as the main window holds them.
struct CombinationsState {
    combs::CombinationList List;
    combs::OperationHistory History;
};

struct GenerateSettings {
    int Mode = 0;
    std::string Parameters; // my numbers, or the list file of mode 4
};

// "Комбинаций: %d" (status panel 3).
std::string CombsCountText(size_t count);

// Rebuilds the list from the settings. With `showProgress` (a user's action
// rather than a scenario step) the history is cleared and the undo copy
// emptied afterwards. A failure shows "Ошибка генерации файла комбинаций!".
bool GenerateList(Host& host, CombinationsState& state, const GenerateSettings& settings, bool showProgress = true);

// "Пропущено строк (не комбинации): %d": what opening a list file passed over.
std::string SkippedLinesText(int skipped);

// Opens a list file: the list becomes its combinations; history and undo are
// cleared (an opened list cannot be undone). A failure shows the read error and
// brings the previous list back. Returns the number of skipped lines, or -1.
int OpenList(Host& host, CombinationsState& state, const std::filesystem::path& file);
bool SaveList(Host& host, const CombinationsState& state, const std::filesystem::path& file);

// Removes the combinations equal to one of the latest n draws at the offset;
// history row "Последние тиражи" with n.
bool ExcludeLatestDraws(Host& host, CombinationsState& state, const model::TDrawsArray& draws, int n, int offset);

// Removes the rows; history row "Выделенные комбинации" with their number.
void DeleteRows(Host& host, CombinationsState& state, std::span<const size_t> rows);

// Replaces the list with the pasted combinations; the parser's message and
// the previous list on a bad line. History cleared, undo emptied either way.
bool PasteList(Host& host, CombinationsState& state, std::string_view text);

// Takes back the last reduction and its history row.
void UndoLast(Host& host, CombinationsState& state);

} // namespace belvane::app
