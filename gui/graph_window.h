#pragma once

// "График" (TFormGraph): a chart filled by an operation and shown modally,
// with "Отображать метки на графиках" for the value marks of the series that
// were added with marks.

#include <QDialog>

#include "views/chart.h"

class QChartView;
class QCheckBox;

namespace belvane::gui {

class GraphWindow final : public QDialog {
    Q_OBJECT
public:
    // The caption is the action's hint, or the chart's own caption when empty.
    GraphWindow(QWidget* parent, const views::Chart& chart, const QString& caption = {});

    QChartView* chartView() const { return crtGraph_; }
    QCheckBox* marksBox() const { return cbShowMarks_; }

private:
    QChartView* crtGraph_;
    QCheckBox* cbShowMarks_;
};

// Shows the chart modally in a graph window.
void ShowGraph(QWidget* parent, const views::Chart& chart, const QString& caption = {});

} // namespace belvane::gui
