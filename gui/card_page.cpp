#include "gui/card_page.h"

#include <QTableView>
#include <QVBoxLayout>

#include "app/analysis_service.h"
#include "app/export_sources.h"
#include "app/setting_keys.h"
#include "app/view_export_sources.h"
#include "app/workspace.h"
#include "gui/action_registry.h"
#include "gui/grid_model.h"
#include "gui/qt_text.h"
#include "gui/view_controls.h"
#include "gui/xlsx_export_launcher.h"

namespace belvane::gui {

CardPage::CardPage(PageHost& host)
    : AnalysisPage(host, QStringLiteral("tsCard"), tr("Карта"), app::key::TabCard, "ViewTabCard")
{
    auto* layout = new QVBoxLayout(this);
    model_ = new GridModel(this);
    sgCard_ = MakeCellGrid(this, QStringLiteral("sgCard"), model_);
    layout->addWidget(sgCard_);
    connect(sgCard_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { host_.updateActions(); });
    registerActions();
}

void CardPage::registerActions()
{
    ActionRegistry& actions = host_.actions();
    actions.add({"CardFilter_Include", tr("Оставить выделенные"), {}, {}, [this] { filter(false); }});
    actions.add({"CardFilter_Exclude", tr("Удалить выделенные"), {}, {}, [this] { filter(true); }});
    actions.add({"CardRefresh", tr("Обновить"), {}, tr("Обновить карту тиражей"), [this] { rebuild(true); }});
    auto toggle = [this](std::string_view key) {
        ws_.SetSetting(key, ws_.Settings().Flag(key) ? 0 : 1);
        rebuild(true);
    };
    actions.add({"CardColor",
                 tr("Раскрашивать карту по каналам"),
                 {},
                 {},
                 [toggle] { toggle(app::key::ColorCard); },
                 [this] { return ws_.Settings().Flag(app::key::ColorCard); }});
    actions.add({"CardColorSequences",
                 tr("Выделять на карте повторы и последовательности"),
                 {},
                 {},
                 [toggle] { toggle(app::key::ColorCardSequences); },
                 [this] { return ws_.Settings().Flag(app::key::ColorCardSequences); }});
    actions.add({"CardXlsExport", tr("Экспорт карты тиражей в Microsoft Excel"), {}, {}, [this] {
                     ExportViewToXlsx(host_, sgCard_, std::make_shared<app::CardExportSource>(ws_.Analysis().Card()),
                                      app::MainWindowExportCall(app::CardGridControl, ss(title())));
                 }});
    sgCard_->addActions({actions["CardFilter_Include"], actions["CardFilter_Exclude"], actions["CardRefresh"],
                         actions["CardColor"], actions["CardColorSequences"], actions["CardXlsExport"]});
    host_.addToMenu(QStringLiteral("Вид"), {"CardColor", "CardColorSequences"});
}

void CardPage::fillSelection(app::ViewSelection& selection) const
{
    const GridSelection cells = SelectedCells(sgCard_, *model_);
    selection.CardFirstColumn = cells.FirstColumn;
    selection.CardLastColumn = cells.LastColumn;
    selection.CardColumns = model_->columnCount();
}

void CardPage::rebuild(bool force)
{
    if (running())
        return;
    app::ViewInputs inputs = ws_.Analysis().Inputs(0);
    // The colours follow two settings of their own.
    inputs.Entry = (ws_.Settings().Flag(app::key::ColorCard) ? 1 : 0) +
                   (ws_.Settings().Flag(app::key::ColorCardSequences) ? 2 : 0);
    if (!force && built_ == inputs)
        return;
    built_ = inputs;
    const int channelSize = ws_.Analysis().ChannelSize();
    QStringList headings{tr("Тираж")};
    for (int n = 1; n <= 45; ++n)
        headings << QString::number(n);
    headings << QStringLiteral("E");
    std::vector<std::vector<GridCell>> rows;
    for (const views::CardRow& row : ws_.Analysis().Card()) {
        std::vector<GridCell> cells(views::CardColumnCount);
        cells[0].Text = QString::number(row.DrawNumber);
        for (int n = 1; n <= 45; ++n) {
            GridCell& cell = cells[static_cast<size_t>(n)];
            if (row.Filled[static_cast<size_t>(n)])
                cell.Text = QString::number(n);
            if (row.Classes[static_cast<size_t>(n)] != views::CardCellClass::Plain)
                cell.Background = qcolor(views::CardCellColor(row.Classes[static_cast<size_t>(n)], n, channelSize));
        }
        cells[views::CardExtraColumn].Text = QString::number(row.Extra);
        rows.push_back(std::move(cells));
    }
    if (rows.empty())
        rows.emplace_back(views::CardColumnCount); // one empty data row
    model_->reset(headings, std::move(rows));
    sgCard_->setColumnWidth(0, 50);
}

void CardPage::filter(bool remove)
{
    const GridSelection cells = SelectedCells(sgCard_, *model_);
    host_.run(
        [this, texts = cells.Texts, remove] { ws_.Analysis().FilterByCells(app::CellSource::Card, texts, remove); });
}

} // namespace belvane::gui
