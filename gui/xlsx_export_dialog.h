#pragma once

// "Экспорт в Microsoft Excel" (TFormExpExcel): the report's title lines, the
// sheet, the page, the exported fields in sheet order, which rows go, the
// workbook file; the stored parameters of the list are applied on opening
// and written back on OK when the caller allows storing.

#include <QDialog>
#include <filesystem>
#include <vector>

#include "app/data_files.h"
#include "support/export_parameters.h"
#include "support/table_source.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace belvane::gui {

class XlsxExportDialog final : public QDialog {
    Q_OBJECT
public:
    // `selected` are the source's selected rows; `multiSelect` whether the
    // list allows several selected items.
    XlsxExportDialog(QWidget* parent, const xlsx::ExportCall& call, const xlsx::TableSource& source,
                     std::vector<xlsx::RowRange> selected, bool multiSelect, app::DataFiles files);

    // What OK decided (valid once the dialog was accepted).
    xlsx::ExportParameters parameters() const;
    std::vector<xlsx::RowRange> rows() const;
    std::filesystem::path target() const;

    // Shows the choices of an export that failed, to be tried again.
    void restore(const xlsx::ExportParameters& params, const std::filesystem::path& target);

    // "Загрузить из файла" and "Сохранить в файле" once the file is chosen.
    void loadParameters(const std::filesystem::path& file);
    void saveParameters(const std::filesystem::path& file);
    // "Свойства" once the editor gave the field its values.
    void setField(int position, const xlsx::ExportField& field);
    // "Вверх" (-1) and "Вниз" (+1) on the selected field.
    void moveSelectedField(int step);

    QLineEdit* titleEdit() const { return edTitle_; }
    QLineEdit* notesEdit() const { return edNotes_; }
    QCheckBox* createdBox() const { return dateCreateCheckBox_; }
    QComboBox* orientationBox() const { return edOrientation_; }
    QSpinBox* fontSizeEdit() const { return edFontSize_; }
    QLineEdit* sheetEdit() const { return edPageName_; }
    QComboBox* sendModeBox() const { return edSendMode_; }
    QLabel* rowCountLabel() const { return lblRowCount_; }
    QCheckBox* saveBox() const { return saveCheckBox_; }
    QTreeWidget* fieldList() const { return lvFields_; }
    QLineEdit* fileEdit() const { return edFileName_; }

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildFields();
    void showParameters(const xlsx::ExportParameters& params);
    void showFields(int selectRow);
    void showRowCount();
    void editField();
    void chooseFile();
    void chooseLoadFile();
    void chooseSaveFile();
    void showProblem(const std::string& message, QWidget* focus);
    int64_t chosenRowCount() const;

    xlsx::ExportCall call_;
    std::string section_;
    int64_t sourceRows_;
    std::vector<xlsx::RowRange> selected_;
    app::DataFiles files_;
    std::vector<xlsx::ExportField> fields_;
    std::vector<std::string> openingErrors_; // shown once the dialog is up
    bool updatingFields_ = false;

    QLineEdit* edTitle_;
    QLineEdit* edNotes_;
    QCheckBox* dateCreateCheckBox_;
    QComboBox* edOrientation_;
    QSpinBox* edFontSize_;
    QLineEdit* edPageName_;
    QComboBox* edSendMode_;
    QLabel* lblRowCount_;
    QCheckBox* saveCheckBox_;
    QTreeWidget* lvFields_;
    QLineEdit* edFileName_;
};

} // namespace belvane::gui
