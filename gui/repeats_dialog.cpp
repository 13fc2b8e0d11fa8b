#include "gui/repeats_dialog.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTableView>
#include <QPointer>
#include <QVBoxLayout>
#include <array>
#include <memory>
#include <optional>

#include "app/analysis_service.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "frontend/qt_chart.h"
#include "gui/grid_model.h"
#include "gui/page.h"
#include "gui/qt_text.h"
#include "gui/table_views.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

constexpr int kMaxDraws = 1'000'000;
constexpr std::array<int, 4> kDesignWidths = {70, 90, 110, 500};

QSpinBox* spinBox(QWidget* parent, const char* name, int value)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(1, kMaxDraws);
    box->setValue(value);
    return box;
}

} // namespace

RepeatsDialog::RepeatsDialog(QWidget* parent, PageHost& host) : QDialog(parent), host_(host)
{
    setObjectName(QStringLiteral("TFormRepeats"));
    setWindowTitle(qs(support::Text(views::RepeatsCaption)));
    app::AnalysisService& analysis = host_.workspace().Analysis();
    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("Количество тиражей:"), this));
    edLength_ =
        spinBox(this, "edDrawsLength", analysis.RepeatsSetting(app::key::RepeatsLength, views::DefaultRepeatsLength));
    controls->addWidget(edLength_);
    controls->addWidget(new QLabel(tr("Глубина:"), this));
    edDepth_ =
        spinBox(this, "edDrawsDeep", analysis.RepeatsSetting(app::key::RepeatsDepth, views::DefaultRepeatsDepth));
    controls->addWidget(edDepth_);
    auto* button = new QPushButton(tr("Рассчитать"), this);
    button->setObjectName(QStringLiteral("btnCalculate"));
    button->setAutoDefault(false);
    controls->addWidget(button);
    controls->addStretch(1);
    layout->addLayout(controls);

    splitter_ = new QSplitter(Qt::Vertical, this);
    model_ = new GridModel(this);
    lvRepeats_ = MakeTable(splitter_, QStringLiteral("lvRepeats"), model_, true);
    model_->reset(headings(), {});
    const std::vector<int> widths = analysis.RepeatsColumnWidths(kDesignWidths);
    for (int c = 0; c < static_cast<int>(widths.size()); ++c)
        lvRepeats_->setColumnWidth(c, widths[static_cast<size_t>(c)] > 0 ? widths[static_cast<size_t>(c)]
                                                                         : kDesignWidths[static_cast<size_t>(c)]);
    crtRepeats_ = new QChartView(new QChart, splitter_);
    crtRepeats_->setObjectName(QStringLiteral("crtRepeats"));
    crtRepeats_->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(splitter_, 1);
    const int height = analysis.RepeatsSetting(app::key::RepeatsGraphHeight, 300);
    splitter_->setSizes({300, height});

    connect(button, &QPushButton::clicked, this, &RepeatsDialog::calculate);
    // Enter in either spin box recomputes (and does not close the window).
    for (QSpinBox* box : {edLength_, edDepth_})
        connect(box, &QSpinBox::editingFinished, this, [this, box] {
            if (box->hasFocus())
                calculate();
        });
    resize(900, 700);
}

RepeatsDialog::~RepeatsDialog()
{
    // Closed while its analysis runs: nobody is left to see the result.
    if (analysing_)
        host_.workspace().Host().requestCancel();
    app::AnalysisService& analysis = host_.workspace().Analysis();
    analysis.SetRepeatsSetting(app::key::RepeatsLength, edLength_->value());
    analysis.SetRepeatsSetting(app::key::RepeatsDepth, edDepth_->value());
    analysis.SetRepeatsSetting(app::key::RepeatsGraphHeight, splitter_->sizes().value(1));
    analysis.SetRepeatsColumnWidths(ColumnWidths(lvRepeats_));
}

QStringList RepeatsDialog::headings() const
{
    return {tr("Тираж"), tr("Совпадений"), tr("Кол-во повторов"), tr("Список тиражей")};
}

void RepeatsDialog::calculate()
{
    if (host_.isRunning())
        return;
    auto view = std::make_shared<std::optional<app::RepeatsView>>();
    app::Workspace& ws = host_.workspace();
    analysing_ = true;
    host_.run([&ws, view, length = edLength_->value(),
               depth = edDepth_->value()] { *view = ws.Analysis().RepeatsWithGraph(length, depth); },
              // The window may have been closed while the analysis ran.
              [self = QPointer<RepeatsDialog>(this), view] {
                  if (self == nullptr)
                      return;
                  self->analysing_ = false;
                  if (view->has_value())
                      self->showResult(**view);
              });
}

void RepeatsDialog::showResult(const app::RepeatsView& view)
{
    std::vector<std::vector<GridCell>> rows;
    rows.reserve(view.Table.Rows.size());
    for (const views::RepeatsRow& row : view.Table.Rows)
        rows.push_back({{QString::number(row.DrawNumber), {}},
                        {QString::number(row.Matches), {}},
                        {QString::number(row.Count()), {}},
                        {qs(row.EarlierText()), {}}});
    // A new list keeps the widths the person gave its columns.
    const std::vector<int> widths = ColumnWidths(lvRepeats_);
    model_->reset(headings(), std::move(rows));
    for (int c = 0; c < static_cast<int>(widths.size()); ++c)
        lvRepeats_->setColumnWidth(c, widths[static_cast<size_t>(c)]);
    QChart* old = crtRepeats_->chart();
    crtRepeats_->setChart(chart::MakeQChart(view.Graph, false));
    delete old;
}

} // namespace belvane::gui
