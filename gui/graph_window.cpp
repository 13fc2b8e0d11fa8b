#include "gui/graph_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QListWidget>
#include <QPixmap>
#include <QXYSeries>
#include <algorithm>
#include <QMessageBox>
#include <QVBoxLayout>

#include "frontend/qt_chart.h"
#include "gui/qt_text.h"

namespace belvane::gui {

GraphWindow::GraphWindow(QWidget* parent, const views::Chart& chart, const QString& caption) : QDialog(parent)
{
    setObjectName(QStringLiteral("TFormGraph"));
    setWindowTitle(caption.isEmpty() ? (chart.Caption.empty() ? tr("График") : qs(chart.Caption)) : caption);
    auto* layout = new QVBoxLayout(this);
    cbShowMarks_ = new QCheckBox(tr("Отображать метки на графиках"), this);
    cbShowMarks_->setObjectName(QStringLiteral("cbShowMarks"));
    cbShowMarks_->setChecked(true);
    layout->addWidget(cbShowMarks_);
    crtGraph_ = new QChartView(chart::MakeQChart(chart, true), this);
    crtGraph_->setObjectName(QStringLiteral("crtGraph"));
    crtGraph_->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(crtGraph_, 1);
    lvLegend_ = new QListWidget(this);
    lvLegend_->setObjectName(QStringLiteral("lvLegend"));
    lvLegend_->setWordWrap(true);
    lvLegend_->setSelectionMode(QAbstractItemView::NoSelection);
    lvLegend_->setFocusPolicy(Qt::NoFocus);
    QFontMetrics metrics(lvLegend_->font());
    for (QAbstractSeries* series : crtGraph_->chart()->series()) {
        auto* line = qobject_cast<QXYSeries*>(series);
        QPixmap swatch(metrics.height(), metrics.height());
        swatch.fill(line != nullptr ? line->pen().color() : QColor(Qt::gray));
        auto* item = new QListWidgetItem(QIcon(swatch), series->name(), lvLegend_);
        item->setToolTip(series->name());
    }
    crtGraph_->chart()->legend()->setVisible(false);
    // Up to six titles without scrolling.
    const int rows = std::clamp(lvLegend_->count(), 1, 6);
    lvLegend_->setFixedHeight(rows * (metrics.height() + 4) + 2 * lvLegend_->frameWidth() + 4);
    lvLegend_->setVisible(lvLegend_->count() > 0);
    layout->addWidget(lvLegend_);
    connect(cbShowMarks_, &QCheckBox::toggled, this, [this](bool on) {
        try {
            chart::SetToggledMarks(crtGraph_->chart(), on);
        } catch (const std::exception& e) {
            QMessageBox::critical(this, tr("Ошибка"), qs(e.what()));
        }
    });
    resize(900, 560);
}

void ShowGraph(QWidget* parent, const views::Chart& chart, const QString& caption)
{
    GraphWindow window(parent, chart, caption);
    window.exec();
}

} // namespace belvane::gui
