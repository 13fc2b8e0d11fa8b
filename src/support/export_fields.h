#pragma once

// The columns of a spreadsheet export: which source column each sheet column
// shows, under which caption, how wide and how aligned. The dialog lists
// them in sheet order; the stored parameters keep them as "Item_%d" lines.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/table_source.h"

#include "support/translation.h"

namespace belvane::xlsx {

struct ExportField {
    int Id = 0;          // the source column's index
    std::string Caption; // the header text on the sheet
    bool Checked = true; // exported at all
    Alignment Align = Alignment::Left;
    double Width = 8;          // sheet column width, in characters
    std::string PhysicalField; // the source column's caption: recognises the column when stored items come back
};

inline constexpr std::string_view AlignmentTexts[] = {BELVANE_TEXT("по левому краю"), BELVANE_TEXT("по правому краю"),
                                                      BELVANE_TEXT("по центру")};
std::string AlignmentText(Alignment align);

// One field per source column, in source order: caption and physical field
// from the column's caption, the width its pixel width / 8, the alignment a
// list view's own (a grid's columns export left-aligned).
std::vector<ExportField> BuildExportFields(const TableSource& source);

// The width as the dialog shows and the stored item holds it ("%.2f").
std::string WidthText(double width);

// "id;physical field;caption;checked;alignment;width", checked as "-1" or "0".
std::string FieldItemText(const ExportField& field);

// A stored item split into its six words, the numbers read. nullopt when the
// line has another word count or its id is no number: such a line names no field.
struct FieldItem {
    int Id = 0;
    std::string PhysicalField;
    std::string Caption;
    std::string Checked;   // "-1" or "0" (any other integer reads as true/false)
    std::string Alignment; // 0..2
    std::string Width;     // a decimal number, "." or ","
};
std::optional<FieldItem> SplitFieldItem(std::string_view line);
// The item's values applied to a field with the same id; false when one of
// them is unreadable (the field is left as it was).
bool ApplyFieldItem(const FieldItem& item, ExportField& field);

// The widest column a sheet allows.
inline constexpr double MaxColumnWidth = 255;

// Properties editor checks: the exact message, or nullopt when the value is fine.
std::optional<std::string> ValidateFieldCaption(std::string_view caption);
std::optional<std::string> ValidateFieldWidth(double width);

// Moves the field at `from` to `to` (the dialog's "Вверх" and "Вниз"); out of
// range does nothing.
void MoveField(std::vector<ExportField>& fields, size_t from, size_t to);

// "Экспортировать все отображенные записи" or "Экспортировать выделенные записи".
enum class SendMode { AllShown, Selected };
inline constexpr std::string_view SendModeTexts[] = {BELVANE_TEXT("Экспортировать все отображенные записи"),
                                                     BELVANE_TEXT("Экспортировать выделенные записи")};

// The mode the dialog opens with. A grid: "selected" when its selection spans
// more than one row and does not start at the first data row. A list view:
// "selected" when it allows several selected items and more than one is.
// `selected` are data rows (0 = the first data row).
SendMode InitialSendMode(SourceKind kind, bool multiSelect, const std::vector<RowRange>& selected);

} // namespace belvane::xlsx
