#pragma once

// "Параметры системы": the number matrix and its segments, the channel width,
// the stake cost and prizes, and the weight coefficients of the statistics table.

#include <QDialog>

#include "stats/config_data.h"

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;

namespace belvane::gui {

class ConfigDialog : public QDialog {
    Q_OBJECT
public:
    ConfigDialog(QWidget* parent, const stats::TConfigData& config);

    // The record read back from the fields (the fields the dialog does not
    // show pass through unchanged).
    stats::TConfigData config() const;

    QSpinBox* columnsBox() const { return edMatrixCol_; }
    QTableWidget* segmentsGrid() const { return sgSegments_; }
    QTableWidget* profitsGrid() const { return edProfits_; }

private:
    void layOutSegments(const std::vector<int>& segments);
    std::vector<int> segmentsInNumberOrder() const;
    void segmentEdited(QTableWidgetItem* item);

    stats::TConfigData original_;
    QSpinBox* edMatrixCol_;
    QLineEdit* edMatrixRow_;
    QSpinBox* edChannelSize_;
    QTableWidget* sgSegments_;
    QDoubleSpinBox* edCost_;
    QTableWidget* edProfits_;
    QDoubleSpinBox* edCoefCount_;
    QDoubleSpinBox* edCoefDeviation_;
    QDoubleSpinBox* edCoefLevel_;
    QCheckBox* cbCoefPercents_;
    QCheckBox* cbCoefAbs_;
    QSpinBox* edStakeMaxLen_;
    bool laying_ = false;
};

} // namespace belvane::gui
