#pragma once

// "Элемент сценария" (TFormScript): one scenario line as the user edits it,
// its comment, how the start list is built, what the line stakes, and its
// seven filter steps, each typed by hand or edited in "Фильтр".

#include <QDialog>
#include <array>
#include <string>

#include "gui/filter_dialog.h"
#include "scenario/script_element.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QToolButton;

namespace belvane::gui {

class ScriptDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on a line ("" for a new one); the draw count starts at the
    // default and then takes the line's.
    ScriptDialog(QWidget* parent, const QString& caption, int32_t defaultDrawCount, const std::string& line,
                 FilterDialogSetup setup);

    // The line built from the controls (valid after accept()).
    const std::string& line() const { return line_; }

    // Edits filter field `slot` (0..6) in the filter dialog.
    void editFilter(int slot);

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    scenario::ScriptElementFields fieldsFromControls() const;

    FilterDialogSetup setup_;
    std::string line_;

    QLineEdit* edComments_;
    QComboBox* cbStartCombsType_;
    QSpinBox* edDrawsExclude_;
    QComboBox* cbResultCombsMode_;
    QCheckBox* cbClearStakes_;
    QCheckBox* cbNewOnly_;
    std::array<QLineEdit*, scenario::FilterSlotCount> edFilters_{};
    std::array<QToolButton*, scenario::FilterSlotCount> btnFilters_{};
};

} // namespace belvane::gui
