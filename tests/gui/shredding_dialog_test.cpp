// "Методы шинковки": what it shows, what it refuses, and what OK and Cancel do.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "app/configuration_service.h"
#include "gui/shredding_dialog.h"
#include "gui/stat_page.h"
#include "gui_test_support.h"
#include "support/ini_document.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

class ShreddingDialogTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheSettingsAndRefusesTextsThatDoNotRead()
    {
        app::ShreddingSettings settings{{"n1/7", "(n4+n5+n6)/(n1+n2+n3)", "p1/t1"}, {1, 2, 4}};
        gui::ShreddingDialog dialog(nullptr, settings);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Методы шинковки"));
        QCOMPARE(dialog.formulaEdit(1)->text(), QStringLiteral("n1/7"));
        QCOMPARE(dialog.formulaEdit(3)->objectName(), QStringLiteral("edFormula3"));
        QCOMPARE(dialog.formulaEdit(2)->toolTip(), QStringLiteral("Используемая формула"));
        QCOMPARE(dialog.digitsEdit(3)->value(), 4);
        QCOMPARE(dialog.digitsEdit(1)->minimum(), 1);
        QCOMPARE(dialog.digitsEdit(1)->maximum(), 4);
        QCOMPARE(dialog.digitsEdit(2)->toolTip(), QStringLiteral("Количество используемых знаков после запятой"));
        QVERIFY(dialog.findChild<QLabel*>("lblInfo")->text().startsWith(QStringLiteral("Используемые переменные:\n")));
        QVERIFY(dialog.settings() == settings);

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const std::pair<QString, QString> refused[] = {
            {QStringLiteral("(n1+n2"), QStringLiteral("Не хватает скобочки")},
            {QStringLiteral("SQRT n1"), QStringLiteral("Синтаксическая ошибка")},
            {QStringLiteral("SIN(1,2)"), QStringLiteral("Синтаксическая ошибка")},
            {QString(), QStringLiteral("Синтаксическая ошибка")},
        };
        for (const auto& [text, message] : refused) {
            dialog.formulaEdit(2)->setText(text);
            QString shown;
            whenModal<QMessageBox>([&shown](QMessageBox* box) {
                shown = box->text();
                box->accept();
            });
            dialog.accept();
            QCOMPARE(shown, message);
            QVERIFY(dialog.isVisible()); // still open
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
            QCOMPARE(dialog.formulaEdit(2)->selectedText(), text);
        }
        // A formula that fails only for some numbers is taken.
        dialog.formulaEdit(2)->setText(QStringLiteral("n1/(n2-n3)"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.settings().Formulas[1], std::string("n1/(n2-n3)"));
    }

    void okAppliesAndCancelChangesNothing()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        app::Workspace& ws = w->workspace();
        QAction* action = w->action(QStringLiteral("EditShredding"));
        QVERIFY(action);
        QCOMPARE(action->text(), QStringLiteral("Формулы шинковки"));
        QCOMPARE(action->statusTip(), QStringLiteral("Редактирование формул для методов шинковки"));

        const uint64_t revision = ws.Configuration().Revision();
        whenModal<gui::ShreddingDialog>([](gui::ShreddingDialog* d) {
            QCOMPARE(d->formulaEdit(1)->text(), QStringLiteral("(n1+n2+n3)/(n4+n5+n6)"));
            d->formulaEdit(1)->setText(QStringLiteral("n1/9"));
            d->digitsEdit(1)->setValue(3);
            d->reject();
        });
        action->trigger();
        w->waitUntilIdle();
        QCOMPARE(ws.Configuration().Shredding().Formulas[0], std::string("(n1+n2+n3)/(n4+n5+n6)"));
        QCOMPARE(ws.Configuration().Revision(), revision);
        QVERIFY(!std::filesystem::exists(ws.Files().config()) ||
                IniDocument::load(ws.Files().config()).readString("SHREDDING", "Formula1").empty());

        whenModal<gui::ShreddingDialog>([](gui::ShreddingDialog* d) {
            d->formulaEdit(1)->setText(QStringLiteral("n1/9"));
            d->digitsEdit(1)->setValue(3);
            d->accept();
        });
        action->trigger();
        w->waitUntilIdle();
        QCOMPARE(ws.Configuration().Shredding().Formulas[0], std::string("n1/9"));
        QCOMPARE(ws.Configuration().Shredding().Digits[0], 3);
        QVERIFY(ws.Configuration().Revision() > revision);
        QCOMPARE(IniDocument::load(ws.Files().config()).readString("SHREDDING", "Formula1"), std::string("n1/9"));
        // The method list of the statistics page shows the new formula.
        QVERIFY(w->statPage()->statTypeBox()->findText(QStringLiteral("Метод шинковки 1: n1/9"), Qt::MatchContains) >=
                0);
        w->close();
    }
};

BELVANE_GUI_TEST(ShreddingDialogTest);

} // namespace

#include "shredding_dialog_test.moc"
