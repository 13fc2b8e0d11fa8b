#pragma once

// "Фильтр" (TFormFilter): one filter step of a scenario line. The method
// comes from the statistic types the main window offers, then the window of
// draws, the sort column and direction, how rows are selected and when the
// walk stops, and the step's own weight coefficients.

#include <QDialog>
#include <QStringList>
#include <vector>

#include "scenario/filter_item.h"
#include "stats/config_data.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLineEdit;
class QSpinBox;

namespace belvane::stats {
class TStatList;
}

namespace belvane::gui {

// What the step editor needs from the window, read while no operation runs.
struct FilterDialogSetup {
    const stats::TStatList* Registry = nullptr;
    // The statistic types of the main window: registry entries and their texts.
    std::vector<int> Entries;
    QStringList Texts;
    // A new step: the main window's type and window, the global coefficients.
    scenario::TFilterItem NewStep;
    stats::WeightCoefficients GlobalWeights;
};

class FilterDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on an active item (a new step is setup.NewStep).
    FilterDialog(QWidget* parent, const FilterDialogSetup& setup, const scenario::TFilterItem& item);

    // The step built from the controls (valid after accept()).
    const scenario::TFilterItem& item() const { return item_; }

    void accept() override;

private:
    void addMethods(const FilterDialogSetup& setup, const scenario::TFilterItem& item);
    void updateWeightControls();
    scenario::TFilterItem itemFromControls() const;

    const stats::TStatList& registry_;
    scenario::TFilterItem item_;
    // The method word of a step whose method the registry lacks ("" otherwise).
    QString unknownMethod_;

    QComboBox* cbDrawsStatType_;
    QLineEdit* edDrawsLen_;
    QComboBox* cbDrawsSortOrder_;
    QComboBox* cbDirection_;
    QCheckBox* cbMultiSelect_;
    QComboBox* cbFilterMode_;
    QComboBox* cbLevelMode_;
    QLineEdit* edLevelValue_;
    QComboBox* cbStopMode_;
    QSpinBox* edStopValue_;
    QGroupBox* gbCDL_;
    QCheckBox* cbCDLOverride_;
    QDoubleSpinBox* edCoefCount_;
    QDoubleSpinBox* edCoefDeviation_;
    QDoubleSpinBox* edCoefLevel_;
    QCheckBox* cbCoefPercents_;
    QCheckBox* cbCoefAbs_;
};

} // namespace belvane::gui
