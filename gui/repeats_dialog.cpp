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
#include <QVBoxLayout>

#include "app/analysis_service.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "frontend/qt_chart.h"
#include "gui/grid_model.h"
#include "gui/qt_text.h"
#include "gui/table_views.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

constexpr int kMaxDraws = 1'000'000;

QSpinBox* spinBox(QWidget* parent, const char* name, int value)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(1, kMaxDraws);
    box->setValue(value);
    return box;
}

} // namespace

RepeatsDialog::RepeatsDialog(QWidget* parent, app::Workspace& ws) : QDialog(parent), ws_(ws)
{
    setObjectName(QStringLiteral("TFormRepeats"));
    setWindowTitle(qs(support::Text(views::RepeatsCaption)));
    app::AnalysisService& analysis = ws_.Analysis();
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
    app::AnalysisService& analysis = ws_.Analysis();
    analysis.SetRepeatsSetting(app::key::RepeatsLength, edLength_->value());
    analysis.SetRepeatsSetting(app::key::RepeatsDepth, edDepth_->value());
    analysis.SetRepeatsSetting(app::key::RepeatsGraphHeight, splitter_->sizes().value(1));
}

void RepeatsDialog::calculate()
{
    const std::optional<views::RepeatsTable> table = ws_.Analysis().Repeats(edLength_->value(), edDepth_->value());
    if (!table)
        return;
    std::vector<std::vector<GridCell>> rows;
    rows.reserve(table->Rows.size());
    for (const views::RepeatsRow& row : table->Rows)
        rows.push_back({{QString::number(row.DrawNumber), {}},
                        {QString::number(row.Matches), {}},
                        {QString::number(row.Count()), {}},
                        {qs(row.EarlierText()), {}}});
    model_->reset({tr("Тираж"), tr("Совпадений"), tr("Кол-во повторов"), tr("Список тиражей")}, std::move(rows));
    QChart* old = crtRepeats_->chart();
    views::Chart chart = views::RepeatsChart(*table);
    crtRepeats_->setChart(chart::MakeQChart(chart, false));
    delete old;
}

} // namespace belvane::gui
