#pragma once

// "Количество повторов в зависимости от тиража" (TFormRepeats): the repeats
// of the latest draws in the earlier ones, as a list and a chart; the two
// spin boxes and the chart height are kept in the window's own section.

#include <QDialog>

class QChartView;
class QSpinBox;
class QSplitter;
class QTableView;

namespace belvane::app {
class Workspace;
}

namespace belvane::gui {

class GridModel;

class RepeatsDialog final : public QDialog {
    Q_OBJECT
public:
    RepeatsDialog(QWidget* parent, app::Workspace& ws);
    ~RepeatsDialog() override;

    // "Рассчитать".
    void calculate();
    QTableView* listView() const { return lvRepeats_; }
    QChartView* chartView() const { return crtRepeats_; }
    QSpinBox* lengthBox() const { return edLength_; }
    QSpinBox* depthBox() const { return edDepth_; }

private:
    app::Workspace& ws_;
    QSpinBox* edLength_;
    QSpinBox* edDepth_;
    QSplitter* splitter_;
    QTableView* lvRepeats_;
    GridModel* model_;
    QChartView* crtRepeats_;
};

} // namespace belvane::gui
