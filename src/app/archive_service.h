#pragma once

// The draws archive of the running program: the draws, the draws offset, the
// sorted view, adding, editing and deleting draws, import and export, the
// status panels and the details window. Every change saves the whole file and
// refreshes every view; a file that failed to load is never saved over.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/draws_csv.h"
#include "app/view_selection.h"
#include "model/draws.h"

namespace belvane::app {

class Workspace;

// One row of the details window: "Свойство", "Значение".
struct DetailsRow {
    std::string Property;
    std::string Value;
};

struct CardCell {
    int Number = 0;      // 0: a cell past 45
    bool Marked = false; // one of the six numbers
    int Channel = 0;     // for its colour
};

// The numbers of the draws of `before` that `after` has not, or has with
// other drawn numbers: stakes checked against them no longer hold.
std::vector<int32_t> ChangedDrawNumbers(const model::TDrawsArray& before, const model::TDrawsArray& after);
// "Ставки, проверенные по измененным или удаленным тиражам, снова не проверены: %d..."
std::string RecheckedStakesMessage(size_t unchecked, size_t rechecked);

class ArchiveService {
public:
    explicit ArchiveService(Workspace& workspace) : ws_(workspace) {}

    const model::TDrawsArray& Draws() const { return draws_; }
    // Raised by every change of the draws.
    uint64_t Revision() const { return revision_; }

    // ---- loading and saving ---------------------------------------------------
    // Reads the draws file (a missing file is an empty archive). After a
    // failure ("Ошибка чтения файла тиражей!") the archive keeps what was read
    // but cannot be saved until a load succeeds.
    bool Load();
    // "Ошибка записи в файл тиражей!"; refused with the load's message after a failed load.
    bool Save();
    bool LoadFailed() const { return !loadError_.empty(); }

    // ---- the offset and the sorted view ----------------------------------------
    int Offset() const { return offset_; }
    // Brought into 0..count-1; refreshes every view when it changes.
    void SetOffset(int offset);
    bool Sorted() const;
    void ToggleSorted();

    // Status panels 0, 1 and 2 (the next number counted without overflow).
    std::string ArchivePanelText() const;
    std::string NextDrawPanelText() const;
    std::string OffsetDrawPanelText() const;
    // The number of the draw at the offset row, plus 1 (1 for an empty archive).
    int NextDrawNumber() const;

    int FindDrawIndex(int number) const { return model::IndexOfNumber(draws_, number); }
    // The date of the draw at the list row plus days, as yyyymmdd (19780201 when there is none).
    int DrawDateAfter(int row, int days) const { return model::DrawDateShift(draws_, row, days); }

    // ---- editing -----------------------------------------------------------------
    // The record the draw dialog opens with for a new draw: the next number
    // after the newest draw (0 when the newest has the largest number a
    // record holds: NoNextDrawNumberText says so), today's date.
    model::TDraw NewDraw() const;
    static std::string NoNextDrawNumberText();
    // Append / replace in place / delete, then save and refresh every view.
    // Refused with a message: a number <= 0, a number another draw of the
    // archive has, a date that is not "dd/mm/yyyy", an archive already at
    // MaxDrawsInFile draws. Return whether the archive was changed and saved.
    bool AddDraw(const model::TDraw& draw);
    bool ReplaceDraw(int index, const model::TDraw& draw);
    // Asks DeleteRowsQuestion, then deletes the draws shown at these list rows (0 = newest).
    bool DeleteDrawRows(std::span<const int> rows);
    // Deletes the draws with these numbers without asking (the caller asked);
    // a number not in the archive throws Error and deletes nothing.
    bool DeleteDrawNumbers(std::span<const int> numbers);
    // Removes the element at an array index; outside the archive throws
    // Error("Запись со индексом %d в файле данных не найдена!").
    void DeleteDrawAt(int index);
    // Replaces the whole archive, saves it and refreshes every view.
    bool ReplaceArchive(model::TDrawsArray draws);

    // A download's new draws (numbered after the newest one, oldest first):
    // appended, saved, every view refreshed. The stakes are left to the
    // download, which checks them once whatever it found.
    bool AppendDownloaded(const model::TDrawsArray& newDraws);

    std::optional<DrawsCsvImport> Import(const std::filesystem::path& csv);
    // Refused with a message when csv is one of the data folder's own files.
    std::optional<int> Export(const std::filesystem::path& csv);

    // ---- the details window ------------------------------------------------------
    // Properties of a draw (list row) or of six numbers.
    std::vector<DetailsRow> DrawDetails(int row) const;
    std::vector<DetailsRow> CombinationDetails(const model::TComb& numbers) const;
    // The card of six numbers laid out in `columns` columns (1..45).
    std::vector<std::vector<CardCell>> Card(const model::TComb& numbers, int columns) const;

    // Whether an action of the draws page may run now (busy aside); nullopt
    // for an action that is not the archive's.
    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    // After a change of the draws: the revision, the offset's bounds, the
    // save, the refresh and, after a good save, the stakes check.
    bool Commit(model::TDrawsArray draws, bool checkStakes = true);
    void ClampOffset();
    // Shows why the draw cannot be stored at index (-1: appended), if it cannot.
    bool RefuseBadDraw(const model::TDraw& draw, int index);

    Workspace& ws_;
    model::TDrawsArray draws_;
    int offset_ = 0;
    uint64_t revision_ = 0;
    std::string loadError_; // why the last load failed; empty after a good one
};

} // namespace belvane::app
