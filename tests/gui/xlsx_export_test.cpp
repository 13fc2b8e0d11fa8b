// "Экспорт в Microsoft Excel": the dialog's fields, refusals and stored
// parameters, the properties editor, and every export action of the main
// window writing a workbook.

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTreeWidget>

#include "app/stakes_service.h"
#include "gui/card_page.h"
#include "gui/combs_page.h"
#include "gui/export_field_dialog.h"
#include "gui/layout_page.h"
#include "gui/qt_text.h"
#include "gui/table_views.h"
#include "gui/xlsx_export_dialog.h"
#include "gui/xlsx_export_launcher.h"
#include "gui_test_support.h"
#include "helpers/fake_table.h"
#include "helpers/workbook_reader.h"
#include "support/ini_document.h"
#include "support/xlsx_export.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

testing::FakeTable ThreeColumns()
{
    std::vector<std::vector<std::string>> rows;
    for (int r = 0; r < 5; ++r)
        rows.push_back({std::to_string(r), "b" + std::to_string(r), "c" + std::to_string(r)});
    return testing::FakeTable({{"Тираж", xlsx::Alignment::Right, 80},
                               {"Числа", xlsx::Alignment::Left, 160},
                               {"Дата", xlsx::Alignment::Center, 40}},
                              std::move(rows));
}

xlsx::ExportCall TestCall()
{
    xlsx::ExportCall call;
    call.Owner = "TFormMain";
    call.Control = "lvTest";
    call.Title = "Отчет";
    call.SheetName = "Лист отчета";
    return call;
}

// Presses OK and returns the message it showed (empty when none).
QString acceptShowing(QDialog& dialog)
{
    QString shown;
    QTimer answerer;
    answerer.setInterval(10);
    QObject::connect(&answerer, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    answerer.start();
    dialog.accept();
    QTest::qWait(30);
    return shown;
}

QStringList captions(const QTreeWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(0);
    return texts;
}

template <class P>
P* showPage(gui::MainWindow& w)
{
    P* page = w.findChild<P*>();
    w.rightPages()->setCurrentWidget(page);
    QApplication::processEvents();
    return page;
}

class XlsxExportTest : public QObject {
    Q_OBJECT

private slots:
    void theDialogShowsTheListAndRefusesWhatASheetCannotHold()
    {
        DataFolder folder(5);
        const testing::FakeTable source = ThreeColumns();
        gui::XlsxExportDialog dialog(nullptr, TestCall(), source, {{1, 4}}, true, folder.files());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Экспорт в Microsoft Excel"));
        QCOMPARE(dialog.titleEdit()->text(), QStringLiteral("Отчет"));
        QCOMPARE(dialog.sheetEdit()->text(), QStringLiteral("Лист отчета"));
        QCOMPARE(dialog.fontSizeEdit()->value(), 8);
        QCOMPARE(dialog.orientationBox()->currentText(), QStringLiteral("Не устанавливать"));
        QCOMPARE(captions(dialog.fieldList()), (QStringList{"Тираж", "Числа", "Дата"}));
        QCOMPARE(dialog.fieldList()->topLevelItem(0)->text(1), QStringLiteral("по правому краю"));
        QCOMPARE(dialog.fieldList()->topLevelItem(0)->text(2), QStringLiteral("10.00"));
        QCOMPARE(dialog.fieldList()->topLevelItem(2)->text(3), QStringLiteral("Дата"));
        // Several selected items of a list that allows them: the selected rows go.
        QCOMPARE(dialog.sendModeBox()->currentText(), QStringLiteral("Экспортировать выделенные записи"));
        QCOMPARE(dialog.rowCountLabel()->text(), QStringLiteral("Число строк: 3"));
        dialog.sendModeBox()->setCurrentIndex(0);
        QCOMPARE(dialog.rowCountLabel()->text(), QStringLiteral("Число строк: 5"));
        QVERIFY(dialog.saveBox()->isVisibleTo(&dialog));
        QVERIFY(dialog.fileEdit()->text().endsWith(QStringLiteral("Лист отчета.xlsx")));

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.sheetEdit()->setText(QStringLiteral("a:b"));
        QCOMPARE(acceptShowing(dialog),
                 QStringLiteral("Наименование листа не может содержать символы [ ] : * ? / \\!"));
        QVERIFY(dialog.isVisible());
        dialog.sheetEdit()->setText(QStringLiteral("Лист"));
        dialog.fileEdit()->setText(QString());
        QCOMPARE(acceptShowing(dialog), QStringLiteral("Необходимо указать файл книги Microsoft Excel!"));
        dialog.fileEdit()->setText(gui::qs(folder.files().draws().string()));
        QVERIFY(acceptShowing(dialog).contains(QStringLiteral("файл данных программы")));
        QVERIFY(dialog.isVisible());

        // "Вниз" on the first field, the last one unchecked, then OK: the
        // choices go to the configuration file and come back next time.
        dialog.fieldList()->setCurrentItem(dialog.fieldList()->topLevelItem(0));
        dialog.moveSelectedField(1);
        QCOMPARE(captions(dialog.fieldList()), (QStringList{"Числа", "Тираж", "Дата"}));
        dialog.moveSelectedField(1);
        dialog.moveSelectedField(1); // already last
        QCOMPARE(captions(dialog.fieldList()), (QStringList{"Числа", "Дата", "Тираж"}));
        dialog.fieldList()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
        dialog.saveBox()->setChecked(true);
        dialog.fileEdit()->setText(folder.path() + QStringLiteral("/out"));
        QCOMPARE(acceptShowing(dialog), QString());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.target().filename().string(), std::string("out.xlsx"));
        QCOMPARE(dialog.rows(), (std::vector<xlsx::RowRange>{{0, 5}}));
        const xlsx::ExportParameters params = dialog.parameters();
        QCOMPARE(params.SheetName, std::string("Лист"));
        QVERIFY(!params.Fields[1].Checked);

        const IniDocument ini = IniDocument::load(folder.files().config());
        QCOMPARE(ini.readString("EXPORT_EXCEL_TFORMMAIN.LVTEST", "Item_2"), std::string("0;Тираж;Тираж;-1;1;10.00"));
        gui::XlsxExportDialog again(nullptr, TestCall(), source, {}, true, folder.files());
        QVERIFY(again.saveBox()->isChecked());
        QCOMPARE(again.sheetEdit()->text(), QStringLiteral("Лист"));
        QCOMPARE(captions(again.fieldList()), (QStringList{"Числа", "Дата", "Тираж"}));
        QCOMPARE(again.fieldList()->topLevelItem(1)->checkState(0), Qt::Unchecked);
        QCOMPARE(again.sendModeBox()->currentText(), QStringLiteral("Экспортировать все отображенные записи"));
        QVERIFY(!again.sendModeBox()->isEnabled()); // nothing selected
    }

    void parameterFilesKeepTheFieldsAndTheTitle()
    {
        DataFolder folder(0);
        const testing::FakeTable source = ThreeColumns();
        xlsx::ExportCall call = TestCall();
        call.AllowStore = false;
        gui::XlsxExportDialog dialog(nullptr, call, source, {}, false, folder.files());
        QVERIFY(!dialog.saveBox()->isVisibleTo(&dialog));
        dialog.titleEdit()->setText(QStringLiteral("Сохраненный"));
        dialog.orientationBox()->setCurrentIndex(2);
        dialog.fieldList()->setCurrentItem(dialog.fieldList()->topLevelItem(2));
        dialog.moveSelectedField(-1);
        const std::filesystem::path file = folder.files().folder() / "p.exp";
        dialog.saveParameters(file);

        gui::XlsxExportDialog other(nullptr, call, source, {}, false, folder.files());
        QCOMPARE(captions(other.fieldList()), (QStringList{"Тираж", "Числа", "Дата"}));
        other.loadParameters(file);
        QCOMPARE(other.titleEdit()->text(), QStringLiteral("Сохраненный"));
        QCOMPARE(other.orientationBox()->currentIndex(), 2);
        QCOMPARE(captions(other.fieldList()), (QStringList{"Тираж", "Дата", "Числа"}));
        // Storing is not allowed: the configuration file stays as it was.
        QVERIFY(!std::filesystem::exists(folder.files().config()));
    }

    void thePropertiesEditorRefusesASemicolon()
    {
        xlsx::ExportField field{2, "Дата", true, xlsx::Alignment::Center, 5, "Дата"};
        gui::ExportFieldDialog dialog(nullptr, field);
        QCOMPARE(dialog.captionEdit()->text(), QStringLiteral("Дата"));
        QCOMPARE(dialog.alignmentBox()->currentText(), QStringLiteral("по центру"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.captionEdit()->setText(QStringLiteral("Дата;время"));
        QCOMPARE(acceptShowing(dialog), QStringLiteral("Наименование столбца не может содержать символ \";\"!"));
        QVERIFY(dialog.isVisible());
        dialog.captionEdit()->setText(QStringLiteral("Дата тиража"));
        dialog.alignmentBox()->setCurrentIndex(1);
        dialog.widthEdit()->setValue(12.5);
        QCOMPARE(acceptShowing(dialog), QString());
        const xlsx::ExportField edited = dialog.field();
        QCOMPARE(edited.Caption, std::string("Дата тиража"));
        QCOMPARE(edited.Align, xlsx::Alignment::Right);
        QCOMPARE(edited.Width, 12.5);
        QCOMPARE(edited.PhysicalField, std::string("Дата"));
        QVERIFY(!gui::OpensFinishedWorkbooks()); // offscreen: nothing is handed to the desktop
    }

    void aFailedWriteKeepsTheChoicesAndTheLastFolderIsProposed()
    {
        DataFolder folder(10);
        auto w = startWindow(folder);
        QVERIFY(w);
        BoxAnswerer boxes([](const QString&) { return true; }); // "Заменить?" yes, errors read
        // Nothing exported yet: the home folder, which exists.
        QString proposed;
        whenModal<gui::XlsxExportDialog>([&](gui::XlsxExportDialog* d) {
            proposed = d->fileEdit()->text();
            d->reject();
        });
        w->action("DrawsXlsExport")->trigger();
        w->waitUntilIdle();
        QCOMPARE(QFileInfo(proposed).absolutePath(), QDir::homePath());

        // A missing folder is said in the dialog, which stays open; a target
        // that is itself a folder fails while writing.
        const QString missing = folder.path() + QStringLiteral("/no such folder");
        const QString blocked = folder.path() + QStringLiteral("/blocked.xlsx");
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("blocked.xlsx")));
        bool stayedOpen = false;
        whenModal<gui::XlsxExportDialog>([&](gui::XlsxExportDialog* d) {
            d->fieldList()->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
            d->titleEdit()->setText(QStringLiteral("Мой архив"));
            d->fileEdit()->setText(missing + QStringLiteral("/book.xlsx"));
            d->accept();
            stayedOpen = d->isVisible();
            d->fileEdit()->setText(blocked);
            d->accept();
        });
        w->action("DrawsXlsExport")->trigger();
        w->waitUntilIdle();
        QTest::qWait(50);
        QVERIFY(stayedOpen);
        QVERIFY2(boxes.texts.size() >= 2, qPrintable(boxes.texts.join('|')));
        QCOMPARE(boxes.texts[0], gui::qs(support::Message(xlsx::FolderMissingError, gui::ss(missing)))
                                     .replace(QLatin1Char('\r'), QLatin1Char('\n')));

        // Opened again: the failed export's choices, not the initial ones.
        QString title, file;
        Qt::CheckState second = Qt::Checked;
        const QString written = folder.path() + QStringLiteral("/out/book.xlsx");
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("out")));
        whenModal<gui::XlsxExportDialog>([&](gui::XlsxExportDialog* d) {
            title = d->titleEdit()->text();
            file = d->fileEdit()->text();
            second = d->fieldList()->topLevelItem(1)->checkState(0);
            d->fileEdit()->setText(written);
            d->accept();
        });
        w->action("DrawsXlsExport")->trigger();
        w->waitUntilIdle();
        QCOMPARE(title, QStringLiteral("Мой архив"));
        QCOMPARE(file, blocked);
        QCOMPARE(second, Qt::Unchecked);
        QVERIFY(QFileInfo::exists(written));
        // Draw numbers are numbers in the sheet.
        const testing::WorkbookSheet sheet = testing::ReadWorkbook(written.toStdString());
        QVERIFY(sheet.Cells.at({3, 0}).Number);

        // Written: the next dialog proposes that folder.
        whenModal<gui::XlsxExportDialog>([&](gui::XlsxExportDialog* d) {
            proposed = d->fileEdit()->text();
            d->reject();
        });
        w->action("DrawsXlsExport")->trigger();
        w->waitUntilIdle();
        QCOMPARE(QFileInfo(proposed).absolutePath(), folder.path() + QStringLiteral("/out"));
        w->close();
    }

    void everyExportActionWritesAWorkbook()
    {
        DataFolder folder(40);
        auto w = startWindow(folder);
        QVERIFY(w);
        app::Workspace& ws = w->workspace();
        // A stake for the next draw: the stakes grid has a row (the ratings, none yet).
        QVERIFY(ws.Stakes().AddStake(ws.Stakes().PrepareManualStake(model::TComb{1, 2, 3, 4, 5, 6}), 1));
        w->action("DrawsStatCalc")->trigger();
        w->waitUntilIdle();

        // The full set is more than a sheet holds: refused in the dialog;
        // its selected rows can go.
        gui::SelectRows(w->findChild<gui::CombsPage*>()->combsView(), {0, 1, 2});
        w->updateActions();
        const QString target = folder.path() + QStringLiteral("/book.xlsx");
        QString refusal;
        whenModal<gui::XlsxExportDialog>([&](gui::XlsxExportDialog* d) {
            d->sendModeBox()->setCurrentIndex(0);
            d->fileEdit()->setText(target);
            refusal = acceptShowing(*d);
            d->sendModeBox()->setCurrentIndex(1);
            d->accept();
        });
        QVERIFY(w->action("CombsXlsExport")->isEnabled());
        w->action("CombsXlsExport")->trigger();
        w->waitUntilIdle();
        QVERIFY(refusal.contains(QStringLiteral("больше, чем вмещает лист Microsoft Excel (1048576)")));
        testing::WorkbookSheet sheet = testing::ReadWorkbook(target.toStdString());
        QCOMPARE(sheet.SheetNames, std::vector<std::string>{"Комбинации"});
        QCOMPARE(sheet.lastRow(), 5);

        const std::pair<const char*, std::string> actions[] = {
            {"DrawsXlsExport", "Архив тиражей"}, {"DrawsStatExportToExcel", "Статистика"},
            {"CardXlsExport", "Карта"},          {"LayoutXlsExport", "Схема"},
            {"StakesXlsExport", "Ставки"},
        };
        for (const auto& [name, title] : actions) {
            if (std::string_view(name) == "CardXlsExport")
                showPage<gui::CardPage>(*w);
            if (std::string_view(name) == "LayoutXlsExport")
                showPage<gui::LayoutPage>(*w);
            w->updateActions();
            QVERIFY2(w->action(name)->isEnabled(), name);
            whenModal<gui::XlsxExportDialog>([&target](gui::XlsxExportDialog* d) {
                d->fileEdit()->setText(target);
                BoxAnswerer replace([](const QString&) { return true; });
                d->accept();
            });
            w->action(name)->trigger();
            w->waitUntilIdle();
            sheet = testing::ReadWorkbook(target.toStdString());
            QCOMPARE(sheet.SheetNames, std::vector<std::string>{title});
            QCOMPARE(sheet.text(0, 0), title);
            QVERIFY2(sheet.lastRow() >= 3, name);
        }
        w->close();
    }
};

BELVANE_GUI_TEST(XlsxExportTest);

} // namespace

#include "xlsx_export_test.moc"
