#include "support/export_parameters.h"

#include <algorithm>
#include <fmt/format.h>

#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::xlsx {

namespace {

constexpr std::string_view FieldLoadError = BELVANE_TEXT("Ошибка загрузки параметров экспортируемого поля ID=\"{}\"!");
constexpr std::string_view SectionLoadError =
    BELVANE_TEXT("Ошибка загрузки параметров экспорта из файла \"{}\"!\r\r{}");
constexpr std::string_view SectionSaveError =
    BELVANE_TEXT("Ошибка сохранения параметров экспорта в файле \"{}\"!\r\r{}");

struct StoredItem {
    std::string Key;
    int Position = 0;
    size_t Field = 0; // index into the fields before any move
    FieldItem Item;
};

size_t FindField(const std::vector<ExportField>& fields, int id)
{
    for (size_t i = 0; i < fields.size(); ++i)
        if (fields[i].Id == id)
            return i;
    return fields.size();
}

void ApplyItems(IniDocument& doc, std::string_view section, ExportParameters& params, LoadReport& report)
{
    std::vector<StoredItem> items;
    for (const std::string& key : doc.keyNames(section)) {
        if (!text::startsWithIgnoreCase(key, ItemKeyPrefix))
            continue;
        const auto position = text::parseInt(std::string_view(key).substr(ItemKeyPrefix.size()));
        const auto item = SplitFieldItem(doc.readString(section, key));
        const size_t field = item ? FindField(params.Fields, item->Id) : params.Fields.size();
        const bool names = position && *position >= 0 && field < params.Fields.size() &&
                           text::equalsIgnoreCase(params.Fields[field].PhysicalField, item->PhysicalField);
        if (!names) {
            // The list's columns changed since the item was stored.
            doc.deleteKey(section, key);
            report.SectionChanged = true;
            continue;
        }
        items.push_back({key, *position, field, *item});
    }

    // Moves in ascending target position put the stored order back whatever
    // order the lines are in.
    std::stable_sort(items.begin(), items.end(),
                     [](const StoredItem& a, const StoredItem& b) { return a.Position < b.Position; });
    for (const StoredItem& stored : items) {
        const size_t at = FindField(params.Fields, stored.Item.Id);
        if (!ApplyFieldItem(stored.Item, params.Fields[at])) {
            report.Errors.push_back(support::Message(FieldLoadError, stored.Item.Id));
            doc.deleteKey(section, stored.Key);
            report.SectionChanged = true;
            continue;
        }
        const size_t to = std::min(static_cast<size_t>(stored.Position), params.Fields.size() - 1);
        MoveField(params.Fields, at, to);
    }
}

} // namespace

ExportParameters InitialParameters(const ExportCall& call, const TableSource& source)
{
    ExportParameters p;
    p.PreTitle = call.PreTitle;
    p.Title = call.Title;
    p.Notes = call.Notes;
    p.SheetName = call.SheetName;
    p.Orientation = call.Orientation;
    p.Fields = BuildExportFields(source);
    return p;
}

std::string ExportSectionName(std::string_view owner, std::string_view control)
{
    return fmt::format(fmt::runtime(ExportSectionTemplate), text::toUpperAscii(owner), text::toUpperAscii(control));
}

LoadReport ApplyStoredParameters(IniDocument& doc, std::string_view section, ExportParameters& params, StoreKind from)
{
    LoadReport report;
    ExportParameters p = params;
    if (from == StoreKind::Configuration) {
        p.RestoreParameters = doc.readBool(section, KeyRestoreParameters, false);
        if (!p.RestoreParameters) {
            params = std::move(p);
            return report;
        }
        if (p.Title.empty())
            p.Title = doc.readString(section, KeyTitle);
    } else {
        p.Title = doc.readString(section, KeyTitle, p.Title);
    }
    if (p.Notes.empty())
        p.Notes = doc.readString(section, KeyNotes);
    p.ShowCreateTime = doc.readBool(section, KeyShowCreateTime, p.ShowCreateTime);
    p.SheetName = doc.readString(section, KeySheetName, p.SheetName);

    const int orientation = doc.readInteger(section, KeyPageOrientation, static_cast<int>(p.Orientation));
    if (orientation >= 0 && orientation < static_cast<int>(std::size(OrientationTexts)))
        p.Orientation = static_cast<PageOrientation>(orientation);
    const int fontSize = doc.readInteger(section, KeyBaseFontSize, p.BaseFontSize);
    if (!ValidateBaseFontSize(fontSize))
        p.BaseFontSize = fontSize;

    ApplyItems(doc, section, p, report);
    params = std::move(p);
    return report;
}

void StoreParameters(IniDocument& doc, std::string_view section, const ExportParameters& params, StoreKind to)
{
    doc.eraseSection(section);
    if (to == StoreKind::Configuration)
        doc.writeBool(section, KeyRestoreParameters, params.RestoreParameters);
    doc.writeString(section, KeyTitle, params.Title);
    doc.writeString(section, KeyNotes, params.Notes);
    doc.writeBool(section, KeyShowCreateTime, params.ShowCreateTime);
    doc.writeString(section, KeySheetName, params.SheetName);
    doc.writeInteger(section, KeyPageOrientation, static_cast<int>(params.Orientation));
    doc.writeInteger(section, KeyBaseFontSize, params.BaseFontSize);
    for (size_t i = 0; i < params.Fields.size(); ++i)
        doc.writeString(section, fmt::format("{}{}", ItemKeyPrefix, i), FieldItemText(params.Fields[i]));
}

LoadReport LoadExportParameters(const std::filesystem::path& file, std::string_view section, ExportParameters& params,
                                StoreKind from)
{
    IniDocument doc;
    try {
        doc = IniDocument::load(file);
    } catch (const Error& e) {
        LoadReport failed;
        failed.Errors.push_back(support::Message(SectionLoadError, file.string(), e.what()));
        return failed;
    }
    LoadReport report = ApplyStoredParameters(doc, section, params, from);
    if (report.SectionChanged) {
        try {
            doc.save(file);
        } catch (const Error& e) {
            report.Errors.push_back(support::Message(SectionSaveError, file.string(), e.what()));
        }
    }
    return report;
}

void SaveExportParameters(const std::filesystem::path& file, std::string_view section, const ExportParameters& params,
                          StoreKind to)
{
    try {
        IniDocument doc = IniDocument::load(file);
        StoreParameters(doc, section, params, to);
        doc.save(file);
    } catch (const Error& e) {
        throw Error(support::Message(SectionSaveError, file.string(), e.what()));
    }
}

void RememberExportFolder(const std::filesystem::path& config, const std::filesystem::path& folder)
{
    IniDocument doc = IniDocument::load(config);
    doc.writeString(FolderSection, KeyFolder, folder.string());
    doc.save(config);
}

std::filesystem::path ProposedExportFolder(const std::filesystem::path& config, const std::filesystem::path& home)
{
    std::string last;
    try {
        last = IniDocument::load(config).readString(FolderSection, KeyFolder);
    } catch (const Error&) {
        return home; // an unreadable configuration only loses the proposal
    }
    std::error_code ec;
    if (!last.empty() && std::filesystem::is_directory(last, ec))
        return last;
    return home;
}

std::optional<std::string> ValidateBaseFontSize(int size)
{
    if (size < MinBaseFontSize || size > MaxBaseFontSize)
        return support::Message("Базовый размер шрифта должен быть в пределах от {} до {}!", MinBaseFontSize,
                                MaxBaseFontSize);
    return std::nullopt;
}

} // namespace belvane::xlsx
