#include "gui/graphs_page.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <memory>

#include "app/analysis_service.h"
#include "app/archive_service.h"
#include "app/setting_keys.h"
#include "app/statistics_service.h"
#include "app/workspace.h"
#include "frontend/qt_chart.h"
#include "gui/action_registry.h"
#include "gui/graph_window.h"
#include "gui/qt_text.h"
#include "gui/repeats_dialog.h"
#include "gui/view_controls.h"
#include "stats/stat_list.h"

namespace belvane::gui {

GraphsPage::GraphsPage(PageHost& host)
    : AnalysisPage(host, QStringLiteral("tsGraphs"), tr("Графики"), app::key::TabGraphs, "ViewTabGraphs")
{
    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    controls->addWidget(new QLabel(tr("Тиражей:"), this));
    edDrawsGraphLen_ = SettingSpinBox(this, "edDrawsGraphLen", ws_, app::key::DrawsGraphLen);
    controls->addWidget(edDrawsGraphLen_);
    cbDrawsGraphType_ = new QComboBox(this);
    cbDrawsGraphType_->setObjectName(QStringLiteral("cbDrawsGraphType"));
    cbDrawsGraphType_->setMinimumContentsLength(40);
    controls->addWidget(cbDrawsGraphType_, 1);
    cbDrawsGraphShowMarks_ = new QCheckBox(tr("Метки"), this);
    cbDrawsGraphShowMarks_->setObjectName(QStringLiteral("cbDrawsGraphShowMarks"));
    controls->addWidget(cbDrawsGraphShowMarks_);
    layout->addLayout(controls);
    crtDrawsGraph_ = new QChartView(new QChart, this);
    crtDrawsGraph_->setObjectName(QStringLiteral("crtDrawsGraph"));
    crtDrawsGraph_->setRenderHint(QPainter::Antialiasing);
    layout->addWidget(crtDrawsGraph_, 1);

    registerActions();
    auto* draw = new QPushButton(this);
    draw->setObjectName(QStringLiteral("btnDrawsGraphDraw"));
    controls->addWidget(draw);
    connect(draw, &QPushButton::clicked, host_.actions()["DrawsGraphDraw"], &QAction::trigger);
    draw->setText(host_.actions()["DrawsGraphDraw"]->text());

    connect(edDrawsGraphLen_, &QSpinBox::editingFinished, this, [this] {
        if (edDrawsGraphLen_->value() != ws_.Settings().Get(app::key::DrawsGraphLen))
            ws_.SetSetting(app::key::DrawsGraphLen, edDrawsGraphLen_->value());
        rebuild(false);
    });
    connect(cbDrawsGraphType_, &QComboBox::currentIndexChanged, this, [this] {
        if (!running())
            rebuild(false);
    });
    // Toggling the marks only shows or hides them.
    connect(cbDrawsGraphShowMarks_, &QCheckBox::toggled, this,
            [this](bool on) { chart::SetToggledMarks(crtDrawsGraph_->chart(), on); });
}

void GraphsPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    actions.add({"DrawsGraphDraw", tr("Построить"), {}, tr("Построить график"), [this] { rebuild(true); }});
    actions.add({"TotalSumCombs", tr("Распределение сумм тиражей и всех возможных комбинаций"), {}, {}, [this] {
                     showSums();
                 }});
    actions.add(
        {"AnalyzeRepeats", tr("Количество повторов в зависимости от тиража"), {}, {}, [this] { showRepeats(); }});
    host_.addToMenu(QStringLiteral("Статистика"), {nullptr, "TotalSumCombs", "AnalyzeRepeats"});
}

int GraphsPage::chosenEntry() const
{
    const QVariant entry = cbDrawsGraphType_->currentData();
    return entry.isValid() ? entry.toInt() : -1;
}

void GraphsPage::refreshTypeList()
{
    const std::vector<int>& types = ws_.Statistics().GraphTypes();
    bool same = cbDrawsGraphType_->count() == static_cast<int>(types.size());
    // Captions count too: a renamed method shows its new name.
    for (int i = 0; same && i < cbDrawsGraphType_->count(); ++i)
        same = cbDrawsGraphType_->itemData(i).toInt() == types[static_cast<size_t>(i)] &&
               cbDrawsGraphType_->itemText(i) == qs(ws_.Registry().MethodText(types[static_cast<size_t>(i)], true));
    if (same)
        return;
    const int chosen = chosenEntry();
    const QSignalBlocker block(cbDrawsGraphType_);
    cbDrawsGraphType_->clear();
    for (int entry : types)
        cbDrawsGraphType_->addItem(qs(ws_.Registry().MethodText(entry, true)), entry);
    const int again = cbDrawsGraphType_->findData(chosen);
    cbDrawsGraphType_->setCurrentIndex(again >= 0 ? again : (types.empty() ? -1 : 0));
}

void GraphsPage::rebuild(bool force)
{
    if (running())
        return;
    refreshTypeList();
    const app::ViewInputs inputs = ws_.Analysis().Inputs(edDrawsGraphLen_->value(), chosenEntry());
    if (!force && built_ == inputs)
        return;
    built_ = inputs;
    views::Chart chart;
    if (chosenEntry() >= 0 && !ws_.Archive().Draws().empty())
        chart = views::MethodGraphChart(ws_.Analysis().Graph(chosenEntry(), edDrawsGraphLen_->value()),
                                        cbDrawsGraphShowMarks_->isChecked());
    ShowChart(crtDrawsGraph_, chart, cbDrawsGraphShowMarks_->isChecked());
}

void GraphsPage::showSums()
{
    auto sums = std::make_shared<views::SumDistribution>();
    host_.run([this, sums] { *sums = ws_.Analysis().Sums(); },
              [this, sums] {
                  ShowGraph(this, views::SumDistributionChart(*sums), host_.actions()["TotalSumCombs"]->text());
              });
}

void GraphsPage::showRepeats()
{
    RepeatsDialog dialog(this, host_);
    dialog.calculate();
    dialog.exec();
}

} // namespace belvane::gui
