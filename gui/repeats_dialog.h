#pragma once

// "Количество повторов в зависимости от тиража" (TFormRepeats): the repeats
// of the latest draws in the earlier ones, as a list and a chart; the two
// spin boxes, the chart height and the list's column widths are kept in the
// window's own section. The analysis runs as an operation of the main window,
// with its progress.

#include <QDialog>
#include <QStringList>

class QChartView;
class QSpinBox;
class QSplitter;
class QTableView;

namespace belvane::app {
struct RepeatsView;
}

namespace belvane::gui {

class GridModel;
class PageHost;

class RepeatsDialog final : public QDialog {
    Q_OBJECT
public:
    RepeatsDialog(QWidget* parent, PageHost& host);
    ~RepeatsDialog() override;

    // "Рассчитать": the list and the chart are shown once the operation is over.
    void calculate();
    QTableView* listView() const { return lvRepeats_; }
    QChartView* chartView() const { return crtRepeats_; }
    QSpinBox* lengthBox() const { return edLength_; }
    QSpinBox* depthBox() const { return edDepth_; }

private:
    QStringList headings() const;
    void showResult(const app::RepeatsView& view);

    PageHost& host_;
    QSpinBox* edLength_;
    QSpinBox* edDepth_;
    QSplitter* splitter_;
    QTableView* lvRepeats_;
    GridModel* model_;
    QChartView* crtRepeats_;
    bool analysing_ = false; // its analysis runs
};

} // namespace belvane::gui
