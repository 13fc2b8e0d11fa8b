#pragma once

// "График" (TFormGraph): a chart filled by an operation and shown modally,
// with "Отображать метки на графиках" for the value marks of the series that
// were added with marks, and the series' titles listed in full below it.

#include <QDialog>

#include "views/chart.h"

class QChartView;
class QCheckBox;
class QListWidget;

namespace belvane::gui {

class GraphWindow final : public QDialog {
    Q_OBJECT
public:
    // The caption is the action's hint, or the chart's own caption when empty.
    GraphWindow(QWidget* parent, const views::Chart& chart, const QString& caption = {});

    QChartView* chartView() const { return crtGraph_; }
    QCheckBox* marksBox() const { return cbShowMarks_; }
    // The series below the chart, each title in full (the chart's own legend
    // cuts long titles short).
    QListWidget* legendList() const { return lvLegend_; }

private:
    QChartView* crtGraph_;
    QCheckBox* cbShowMarks_;
    QListWidget* lvLegend_;
};

// Shows the chart modally in a graph window.
void ShowGraph(QWidget* parent, const views::Chart& chart, const QString& caption = {});

} // namespace belvane::gui
