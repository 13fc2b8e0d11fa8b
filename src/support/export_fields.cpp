#include "support/export_fields.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>

#include "support/text.h"
#include "support/translation.h"

namespace belvane::xlsx {

namespace {

constexpr char ItemSeparator = ';';
constexpr size_t ItemWordCount = 6;
constexpr double PixelsPerCharacter = 8;

} // namespace

std::string AlignmentText(Alignment align)
{
    const auto i = static_cast<size_t>(align);
    return support::Text(i < std::size(AlignmentTexts) ? AlignmentTexts[i] : AlignmentTexts[0]);
}

std::vector<ExportField> BuildExportFields(const TableSource& source)
{
    std::vector<ExportField> fields;
    const int count = source.columnCount();
    fields.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int c = 0; c < count; ++c) {
        const SourceColumn column = source.column(c);
        ExportField f;
        f.Id = c;
        // The sheet's heading reads as the list's does; the field keeps the
        // base caption, so stored choices are found whatever the language.
        f.Caption = support::Text(column.Caption);
        f.PhysicalField = column.Caption;
        f.Align = source.kind() == SourceKind::ListView ? column.Align : Alignment::Left;
        f.Width = std::clamp(column.PixelWidth / PixelsPerCharacter, 0.0, MaxColumnWidth);
        fields.push_back(std::move(f));
    }
    return fields;
}

std::string WidthText(double width)
{
    return fmt::format("{:.2f}", width);
}

std::string FieldItemText(const ExportField& field)
{
    return fmt::format("{};{};{};{};{};{}", field.Id, field.PhysicalField, field.Caption, field.Checked ? "-1" : "0",
                       static_cast<int>(field.Align), WidthText(field.Width));
}

std::optional<FieldItem> SplitFieldItem(std::string_view line)
{
    // Empty words count: a field with an empty caption is still six words.
    const auto words = text::split(line, std::string_view(&ItemSeparator, 1), false);
    if (words.size() != ItemWordCount)
        return std::nullopt;
    const auto id = text::parseInt(text::trim(words[0]));
    if (!id)
        return std::nullopt;
    return FieldItem{*id,
                     std::string(words[1]),
                     std::string(words[2]),
                     std::string(text::trim(words[3])),
                     std::string(text::trim(words[4])),
                     std::string(text::trim(words[5]))};
}

bool ApplyFieldItem(const FieldItem& item, ExportField& field)
{
    const auto checked = text::parseInt(item.Checked);
    const auto align = text::parseInt(item.Alignment);
    const auto width = text::parseDouble(item.Width);
    if (!checked || !align || *align < 0 || *align > 2 || !width || !std::isfinite(*width) || *width < 0 ||
        *width > MaxColumnWidth)
        return false;
    field.Caption = item.Caption;
    field.Checked = *checked != 0;
    field.Align = static_cast<Alignment>(*align);
    field.Width = *width;
    return true;
}

std::optional<std::string> ValidateFieldCaption(std::string_view caption)
{
    // The stored item separates its words with ";": such a caption could not come back.
    if (caption.find(ItemSeparator) != std::string_view::npos)
        return support::Text("Наименование столбца не может содержать символ \";\"!");
    return std::nullopt;
}

std::optional<std::string> ValidateFieldWidth(double width)
{
    if (!std::isfinite(width) || width < 0 || width > MaxColumnWidth)
        return support::Message("Ширина столбца должна быть в пределах от 0 до {:.0f}!", MaxColumnWidth);
    return std::nullopt;
}

void MoveField(std::vector<ExportField>& fields, size_t from, size_t to)
{
    if (from >= fields.size() || to >= fields.size() || from == to)
        return;
    ExportField moved = std::move(fields[from]);
    fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(from));
    fields.insert(fields.begin() + static_cast<std::ptrdiff_t>(to), std::move(moved));
}

SendMode InitialSendMode(SourceKind kind, bool multiSelect, const std::vector<RowRange>& selected)
{
    const int64_t count = CountRows(selected);
    if (kind == SourceKind::Grid) {
        // A grid always has a current row; a selection that starts at the first
        // data row is taken for that default rather than a choice.
        if (selected.empty())
            return SendMode::AllShown;
        const int64_t first = selected.front().Begin;
        const int64_t last = selected.back().End - 1;
        return last > first && first > 0 ? SendMode::Selected : SendMode::AllShown;
    }
    return multiSelect && count > 1 ? SendMode::Selected : SendMode::AllShown;
}

} // namespace belvane::xlsx
