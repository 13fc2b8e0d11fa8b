#pragma once

// What a spreadsheet export writes, as the export dialog edits it, and its
// stored form: one INI section per exported list, "EXPORT_EXCEL_<OWNER>.<CONTROL>",
// in the configuration file (when the caller allows storing) or in a
// parameter file of the user's (".exp").

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/export_fields.h"
#include "support/ini_document.h"
#include "support/translation.h"

namespace belvane::xlsx {

enum class PageOrientation : int { NotSet = 0, Portrait = 1, Landscape = 2 };
inline constexpr std::string_view OrientationTexts[] = {BELVANE_TEXT("Не устанавливать"), BELVANE_TEXT("Книжная"),
                                                        BELVANE_TEXT("Альбомная")};

inline constexpr int DefaultBaseFontSize = 8;

struct ExportParameters {
    std::string PreTitle; // given by the caller only; never stored
    std::string Title;
    std::string Notes;
    bool ShowCreateTime = false;
    std::string SheetName;
    PageOrientation Orientation = PageOrientation::NotSet;
    int BaseFontSize = DefaultBaseFontSize;
    bool RestoreParameters = false; // "Сохранить параметры экспорта в файле конфигурации"
    std::vector<ExportField> Fields;
};

// What an export action hands the export: the list it exports (named by its
// owner window and its own name, which name the stored section) and the
// starting values of the dialog.
struct ExportCall {
    std::string Owner;   // e.g. "TFormMain"
    std::string Control; // e.g. "lvDrawsStat"
    std::string Title;
    std::string SheetName;
    bool AllowStore = true;
    PageOrientation Orientation = PageOrientation::NotSet;
    std::string Notes;
    std::string PreTitle;
};

// The dialog's values before anything stored is applied.
ExportParameters InitialParameters(const ExportCall& call, const TableSource& source);

// "EXPORT_EXCEL_%s.%s" with the owner's and the control's names upper-cased.
std::string ExportSectionName(std::string_view owner, std::string_view control);

inline constexpr std::string_view ExportSectionTemplate = "EXPORT_EXCEL_{}.{}";
inline constexpr std::string_view KeyRestoreParameters = "RestoreParameters";
inline constexpr std::string_view KeyTitle = "Title";
inline constexpr std::string_view KeyNotes = "Notes";
inline constexpr std::string_view KeyShowCreateTime = "ShowCreateTime";
inline constexpr std::string_view KeySheetName = "SheetName";
inline constexpr std::string_view KeyPageOrientation = "PageOrientation";
inline constexpr std::string_view KeyBaseFontSize = "BaseFontSize";
inline constexpr std::string_view ItemKeyPrefix = "Item_";

inline constexpr std::string_view ParameterFileFilter =
    BELVANE_TEXT("Файлы параметров экспорта (*.exp)|*.exp|Все файлы (*.*)|*.*");
inline constexpr std::string_view ParameterFileExtension = "exp";

// Where stored parameters come from: the configuration file keeps the
// caller's title unless it is empty and applies nothing while
// RestoreParameters is off; a parameter file always gives its title.
enum class StoreKind { Configuration, ParameterFile };

struct LoadReport {
    std::vector<std::string> Errors; // messages to show, in order
    bool SectionChanged = false;     // stale item lines were deleted
};

// Applies a stored section to the dialog's values. Each "Item_%d" line of six
// words whose id names a field with the same physical field (ignoring case)
// moves that field to position %d and gives it the stored caption, checked
// state, alignment and width; every other item line is deleted from the section.
LoadReport ApplyStoredParameters(IniDocument& doc, std::string_view section, ExportParameters& params, StoreKind from);

// Replaces the section with the dialog's values (RestoreParameters only in
// the configuration file).
void StoreParameters(IniDocument& doc, std::string_view section, const ExportParameters& params, StoreKind to);

// The file operations behind the dialog. Loading reads the file, applies the
// section and writes the file back when stale items were deleted; a failure
// is one of the report's messages and leaves the values as they were. Saving
// throws Error with the message to show.
LoadReport LoadExportParameters(const std::filesystem::path& file, std::string_view section, ExportParameters& params,
                                StoreKind from);
void SaveExportParameters(const std::filesystem::path& file, std::string_view section, const ExportParameters& params,
                          StoreKind to);

// Dialog checks: the exact message, or nullopt when the value is fine.
// The folder the last workbook was written to, kept in the configuration
// file beside the lists' sections.
inline constexpr std::string_view FolderSection = "EXPORT_EXCEL";
inline constexpr std::string_view KeyFolder = "Folder";
void RememberExportFolder(const std::filesystem::path& config, const std::filesystem::path& folder);
// The folder the export dialog proposes: the last one while it exists, else `home`.
std::filesystem::path ProposedExportFolder(const std::filesystem::path& config, const std::filesystem::path& home);

inline constexpr int MinBaseFontSize = 1;
inline constexpr int MaxBaseFontSize = 72;
std::optional<std::string> ValidateBaseFontSize(int size);

} // namespace belvane::xlsx
