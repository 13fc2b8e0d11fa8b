#include "gui/screenshots.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMessageBox>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <iostream>

#include "combs/list_queries.h"
#include "gui/details_dialog.h"
#include "gui/draw_dialog.h"
#include "gui/first_run_dialog.h"
#include "gui/generate_dialog.h"
#include "gui/main_window.h"
#include "gui/progress_dialog.h"
#include "gui/stat_page.h"
#include "gui/draws_page.h"
#include "gui/qt_text.h"
#include "gui/shredding_dialog.h"

namespace belvane::gui {
namespace {

void settle()
{
    for (int i = 0; i < 10; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

bool save(QWidget& widget, const std::filesystem::path& folder, const char* name)
{
    settle();
    const QString path = qs((folder / (std::string(name) + ".png")).string());
    const bool ok = widget.grab().save(path);
    std::cout << (ok ? "saved " : "FAILED ") << path.toStdString() << '\n';
    return ok;
}

} // namespace

bool TakeScreenshots(MainWindow& window, const std::filesystem::path& folder)
{
    QDir().mkpath(qs(folder.string()));
    window.resize(1440, 900);
    bool ok = true;

    // The statistics of the plain numbers with a few rows selected.
    StatPage& stat = *window.statPage();
    stat.selectStatRows({0, 6, 12});
    window.leftPages()->setCurrentIndex(0);
    window.drawsPage()->drawsView()->selectRow(0);
    ok &= save(window, folder, "01-main-draws-and-statistics");

    window.leftPages()->setCurrentIndex(1);
    ok &= save(window, folder, "02-main-combinations");
    window.action(QStringLiteral("StatFilter_Include"))->trigger();
    window.waitUntilIdle();
    stat.selectStatRows({1});
    window.action(QStringLiteral("StatFilter_Exclude"))->trigger();
    window.waitUntilIdle();
    ok &= save(window, folder, "03-main-after-filters");

    const app::Workspace& workspace = window.workspace();
    // A method of many values: the chart writes the value texts that fit.
    if (const int sums = stat.statTypeBox()->findText(QStringLiteral("Сумма тиража: все значения"), Qt::MatchContains);
        sums >= 0) {
        stat.statTypeBox()->setCurrentIndex(sums);
        for (int i = 0; i < 100 && (window.isRunning() || workspace.Statistics().StatTypeIndex() != sums); ++i)
            settle(); // the choice applies after a pause
        ok &= save(window, folder, "10-main-statistics-of-sums");
    }
    // A shredding method: its caption carries the formula.
    if (const int shredding = stat.statTypeBox()->findText(QStringLiteral("Метод шинковки 1:"), Qt::MatchContains);
        shredding >= 0) {
        stat.statTypeBox()->setCurrentIndex(shredding);
        for (int i = 0; i < 100 && (window.isRunning() || workspace.Statistics().StatTypeIndex() != shredding); ++i)
            settle();
        ok &= save(window, folder, "12-main-statistics-of-shredding");
    }

    app::Workspace& ws = window.workspace();
    {
        DrawDialog dialog(&window, ws.Archive().NewDraw());
        dialog.show();
        ok &= save(dialog, folder, "04-draw-dialog");
    }
    {
        GenerateDialog dialog(&window, {1, "3, 7, 15, 16, 19, 43"});
        dialog.show();
        ok &= save(dialog, folder, "05-generate-dialog");
    }
    if (!ws.Archive().Draws().empty()) {
        const model::TComb numbers = ws.Archive().Draws().back().Balls;
        DetailsDialog dialog(
            &window, ws.Archive().DrawDetails(0), [&ws, numbers](int c) { return ws.Archive().Card(numbers, c); },
            ws.Configuration().Data().MatrixCols);
        dialog.show();
        ok &= save(dialog, folder, "06-details-dialog");

        QMessageBox box(QMessageBox::Information, QStringLiteral("Информация"),
                        messageText(combs::FindInDrawsMessage(ws.Archive().Draws(), numbers)), QMessageBox::Ok,
                        &window);
        box.show();
        ok &= save(box, folder, "07-find-in-draws");
    }
    {
        ProgressDialog dialog(&window);
        dialog.start(100, true);
        dialog.moveTo(42, 100);
        ok &= save(dialog, folder, "08-progress-window");
    }
    {
        FirstRunDialog dialog(&window, ws.Registry().HelpFile);
        dialog.show();
        ok &= save(dialog, folder, "09-first-run-dialog");
    }
    {
        ShreddingDialog dialog(&window, ws.Configuration().Shredding());
        dialog.show();
        ok &= save(dialog, folder, "11-shredding-dialog");
    }
    return ok;
}

} // namespace belvane::gui
