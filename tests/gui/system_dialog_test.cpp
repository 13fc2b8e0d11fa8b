// The dialog "Система": its lines normalised when the list is left, its
// checks in their order with the focus on the wrong field, the number fields
// taking digits only, another's system shown read-only, and the guarantee
// its lines really give beside the block it claims.

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/system_dialog.h"
#include "gui_test_support.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

systems::tSystemData newSystem()
{
    systems::tSystemData s;
    s.Author = "User";
    s.AuthorMail = "user@club.example";
    return s;
}

bool activate(QWidget& dialog)
{
    dialog.show();
    dialog.activateWindow();
    return QTest::qWaitForWindowActive(&dialog);
}

class SystemDialogTest : public QObject {
    Q_OBJECT

private slots:
    void leavingTheListNormalisesItsLines()
    {
        gui::TFormSystem dialog(nullptr, newSystem(), true);
        QVERIFY(activate(dialog));
        dialog.combsEdit()->setFocus();
        QTRY_VERIFY(dialog.combsEdit()->hasFocus());
        dialog.combsEdit()->setPlainText(
            QStringLiteral("1,2;3 4-5/6\n1 2 3 4 5\n07*08+09=10\\11|12\n\nслова 1 2 3 4 5 6\n3:4.5_6~7 8"));
        dialog.titleEdit()->setFocus(); // leaving the list
        QTRY_VERIFY(dialog.titleEdit()->hasFocus());
        QCOMPARE(dialog.combsEdit()->toPlainText(),
                 QStringLiteral("01 02 03 04 05 06\n07 08 09 10 11 12\n03 04 05 06 07 08"));
        QCOMPARE(dialog.numsEdit()->text(), QStringLiteral("12")); // largest - smallest + 1
        QCOMPARE(dialog.combCountEdit()->text(), QStringLiteral("3"));

        // No valid line: no numbers, no combinations.
        dialog.combsEdit()->setFocus();
        QTRY_VERIFY(dialog.combsEdit()->hasFocus());
        dialog.combsEdit()->setPlainText(QStringLiteral("1 2 3 4 5"));
        dialog.titleEdit()->setFocus();
        QTRY_VERIFY(dialog.titleEdit()->hasFocus());
        QCOMPARE(dialog.combsEdit()->toPlainText(), QString());
        QCOMPARE(dialog.numsEdit()->text(), QStringLiteral("0"));
        QCOMPARE(dialog.combCountEdit()->text(), QStringLiteral("0"));
    }

    void okChecksTheFieldsInOrderAndFocusesTheWrongOne()
    {
        gui::TFormSystem dialog(nullptr, newSystem(), true);
        QVERIFY(activate(dialog));
        BoxAnswerer boxes;
        // Each step mends the field the step before refused.
        auto refused = [&](QWidget* field) {
            const qsizetype before = boxes.texts.size();
            dialog.accept();
            return boxes.texts.size() == before + 1 && dialog.isVisible() && dialog.focusWidget() == field;
        };
        QVERIFY(refused(dialog.titleEdit()));
        QCOMPARE(boxes.texts.last(), QStringLiteral("Название системы должно быть указано обязательно!"));

        dialog.titleEdit()->setText(QStringLiteral("Система"));
        dialog.combsEdit()->setPlainText(QStringLiteral("1 2 3 4 5 6"));
        dialog.normalizeCombs(); // six numbers: too few
        QVERIFY(refused(dialog.numsEdit()));
        QCOMPARE(boxes.texts.last(), QStringLiteral("Указано недопустмое количество используемых чисел!"));

        dialog.combsEdit()->setPlainText(QStringLiteral("1 2 3 4 5 6\n2 3 4 5 6 7"));
        dialog.normalizeCombs();
        dialog.olapEdit()->setText(QStringLiteral("6"));
        QVERIFY(refused(dialog.olapEdit()));
        QCOMPARE(boxes.texts.last(), QStringLiteral("Указан недопустмый размер блока!"));

        dialog.olapEdit()->setText(QStringLiteral("5"));
        dialog.authorEdit()->setText(QStringLiteral("   "));
        QVERIFY(refused(dialog.authorEdit()));
        QCOMPARE(boxes.texts.last(), QStringLiteral("Имя автора должно быть указано обязательно!"));

        dialog.authorEdit()->setText(QStringLiteral("User"));
        QVERIFY(refused(dialog.descrEdit()));
        QCOMPARE(boxes.texts.last(), QStringLiteral("Описание системы должно быть указано обязательно!"));

        // Numbers typed by hand over a list that was emptied without leaving it.
        dialog.descrEdit()->setPlainText(QStringLiteral("Две строки"));
        dialog.combsEdit()->setPlainText(QString());
        dialog.numsEdit()->setText(QStringLiteral("7"));
        QVERIFY(refused(dialog.combsEdit()));
        QCOMPARE(boxes.texts.last(), QStringLiteral("Содержимое системы должно быть указано обязательно!"));

        dialog.combsEdit()->setPlainText(QStringLiteral("01 02 03 04 05 06\n02 03 04 05 06 07"));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const systems::tSystemData s = dialog.system();
        QCOMPARE(s.Numbers, 7);
        QCOMPARE(s.Block, 5);
        QCOMPARE(s.Description, std::string("Две строки"));
        QCOMPARE(s.AuthorMail, std::string("user@club.example"));
    }

    void numberFieldsTakeDigitsOnly()
    {
        gui::TFormSystem dialog(nullptr, newSystem(), true);
        QVERIFY(activate(dialog));
        for (QLineEdit* field : {dialog.numsEdit(), dialog.olapEdit()}) {
            field->setFocus();
            QTest::keyClicks(field, QStringLiteral("a1-b2 ."));
            QCOMPARE(field->text(), QStringLiteral("12"));
            QTest::keyClick(field, Qt::Key_Backspace); // editing keys still work
            QCOMPARE(field->text(), QStringLiteral("1"));
        }
    }

    void theGuaranteeTheLinesGiveIsVerifiedAgainstTheClaimedBlock()
    {
        // Two lines over 8 numbers: with all six drawn among them only 4
        // are sure, 3 already with five drawn.
        systems::tSystemData s = newSystem();
        s.Numbers = 8;
        s.Block = 5;
        s.Combs = "1 2 3 4 5 6\r\n3 4 5 6 7 8";
        s.CombCount = 2;
        gui::TFormSystem dialog(nullptr, s, true);
        QVERIFY(activate(dialog));
        QLineEdit* guarantee = dialog.guaranteeEdit();
        QCOMPARE(guarantee->text(), QStringLiteral("не выполняется (4 из 6)"));
        QVERIFY(guarantee->toolTip().contains(QStringLiteral("не дает заявленного блока 5")));
        QCOMPARE(guarantee->palette().color(QPalette::Text), QColor(Qt::red));

        // A block the lines give, and the smallest condition that gives it.
        dialog.olapEdit()->setFocus();
        QTRY_VERIFY(dialog.olapEdit()->hasFocus());
        dialog.olapEdit()->setText(QStringLiteral("3"));
        dialog.titleEdit()->setFocus(); // the block field left
        QTRY_COMPARE(guarantee->text(), QStringLiteral("3 из 5"));
        QVERIFY(guarantee->toolTip().isEmpty());
        QVERIFY(guarantee->palette().color(QPalette::Text) != QColor(Qt::red));

        // Lines changed when the list is left: a third line over 7 numbers.
        dialog.combsEdit()->setFocus();
        QTRY_VERIFY(dialog.combsEdit()->hasFocus());
        dialog.combsEdit()->setPlainText(QStringLiteral("1 2 3 4 5 6\n1 2 3 4 5 7\n1 3 4 5 6 7"));
        dialog.titleEdit()->setFocus();
        QTRY_COMPARE(guarantee->text(), QStringLiteral("3 из 4"));

        // Lines beyond the count of numbers cannot be checked.
        dialog.numsEdit()->setFocus();
        QTRY_VERIFY(dialog.numsEdit()->hasFocus());
        dialog.numsEdit()->setText(QStringLiteral("6"));
        dialog.titleEdit()->setFocus();
        QTRY_COMPARE(guarantee->text(), QStringLiteral("не проверена"));
        QVERIFY(guarantee->isReadOnly());
    }

    void anothersSystemIsShownReadOnly()
    {
        systems::tSystemData s = newSystem();
        s.Id = 42;
        s.Title = "Чужая";
        s.Url = "http://127.0.0.1:1/system";
        s.Combs = "01 02 03 04 05 06";
        gui::TFormSystem dialog(nullptr, s, false);
        QVERIFY(dialog.titleEdit()->isReadOnly());
        QVERIFY(dialog.combsEdit()->isReadOnly());
        QVERIFY(dialog.olapEdit()->isReadOnly());
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QVERIFY(buttons->button(QDialogButtonBox::Ok) == nullptr);
        QVERIFY(dialog.urlButton()->isEnabled());

        // The link's button follows the link.
        gui::TFormSystem fresh(nullptr, newSystem(), true);
        QVERIFY(!fresh.urlButton()->isEnabled());
        fresh.urlEdit()->setText(QStringLiteral("http://127.0.0.1:1/"));
        QVERIFY(fresh.urlButton()->isEnabled());
    }
};

} // namespace

BELVANE_GUI_TEST(SystemDialogTest);
#include "system_dialog_test.moc"
