// The scenario page as a person uses it: the lines and their columns, the
// actions and their keys, the element and filter dialogs, moving and deleting
// lines, and scenario files.

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

#include "app/scenario_service.h"
#include "app/statistics_service.h"
#include "gui/combs_page.h"
#include "gui/filter_dialog.h"
#include "gui/script_dialog.h"
#include "gui/script_page.h"
#include "gui/table_views.h"
#include "gui_test_support.h"
#include "scenario/scenario.h"
#include "support/file_faults.h"

using namespace belvane;
using namespace belvane::guitest;

namespace {

const std::string kDone = "EXCL:5#SKIP#CLR#NEX|TMF1#NUMS:10,20#LMV:1-3;1#SF:1| |BSD6#SUMS:100#LNO:#SZ:1| | | | |";
const std::string kSecond = "FULL:0#RAND|TSD1#NUMS:100#LNO:#SF:1| | | | | | |Вторая";

QString cell(const QTableView* view, int row, int column)
{
    return view->model()->index(row, column).data().toString();
}

std::vector<std::string> lines(const std::unique_ptr<gui::MainWindow>& w)
{
    return w->workspace().Scenario().Lines().Lines();
}

void writeLines(const std::filesystem::path& file, const std::vector<std::string>& text)
{
    scenario::WriteScenarioFile(file, text);
}

// Shows the page that holds the control and gives it the keyboard.
bool focusOn(const std::unique_ptr<gui::MainWindow>& w, QWidget* control)
{
    for (QWidget* c = control; c->parentWidget() != nullptr; c = c->parentWidget())
        if (auto* stack = qobject_cast<QStackedWidget*>(c->parentWidget()))
            stack->setCurrentWidget(c);
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()))
        return false;
    control->setFocus();
    return QTest::qWaitFor([control] { return control->hasFocus(); });
}

template <class T>
T* child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

class ScriptPageTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheLinesTheirColumnsAndCount()
    {
        DataFolder folder;
        writeLines(folder.files().scenario(), {kDone, "", kSecond});
        auto w = startWindow(folder);
        QVERIFY(w);
        gui::ScriptPage* p = scriptPage(w);
        QVERIFY(p);
        QCOMPARE(p->objectName(), QStringLiteral("tsScript"));
        QCOMPARE(w->rightPages()->indexOf(p) >= 0, true);
        QVERIFY(w->findChild<QWidget*>(QStringLiteral("sbScript")) != nullptr);
        QTableView* view = p->scriptView();
        QCOMPARE(view->objectName(), QStringLiteral("lvScript"));
        QCOMPARE(view->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(view->model()->columnCount(), 9);
        QCOMPARE(view->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Комментарии"));
        QCOMPARE(view->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Опции"));
        QCOMPARE(view->model()->headerData(8, Qt::Horizontal).toString(), QStringLiteral("Фильтр 7"));

        QCOMPARE(view->model()->rowCount(), 3);
        QCOMPARE(cell(view, 0, 0), QString());
        QCOMPARE(cell(view, 0, 1),
                 QStringLiteral("Исключить 5 тиражей; Пропустить; Удалить ставки; Только новые ставки"));
        QCOMPARE(cell(view, 0, 2), QStringLiteral("TMF1#NUMS:10,20#LMV:1-3;1#SF:1"));
        QCOMPARE(cell(view, 0, 3), QString());
        QCOMPARE(cell(view, 0, 4), QStringLiteral("BSD6#SUMS:100#LNO:#SZ:1"));
        for (int c = 0; c < 9; ++c)
            QCOMPARE(cell(view, 1, c), QString()); // the separator
        QCOMPARE(cell(view, 2, 0), QStringLiteral("Вторая"));
        QCOMPARE(p->scriptPanelText(0), QStringLiteral("Строк: 3"));
        w->close();
    }

    void actionsHaveTheirKeysAndFollowTheSelection()
    {
        DataFolder folder;
        writeLines(folder.files().scenario(), {kDone, "", kSecond});
        auto w = startWindow(folder);
        QVERIFY(w);
        const std::pair<const char*, QKeySequence> keys[] = {
            {"ScriptOpen", QKeySequence(Qt::CTRL | Qt::Key_J)},
            {"ScriptSave", QKeySequence(Qt::CTRL | Qt::Key_I)},
            {"ScriptAdd", QKeySequence(Qt::CTRL | Qt::Key_Insert)},
            {"ScriptEmpty", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Insert)},
            {"ScriptClone", QKeySequence(Qt::CTRL | Qt::Key_K)},
            {"ScriptEdit", QKeySequence(Qt::CTRL | Qt::Key_Return)},
            {"ScriptDel", QKeySequence(Qt::CTRL | Qt::Key_Delete)},
            {"ScriptUp", QKeySequence(Qt::CTRL | Qt::Key_Up)},
            {"ScriptDown", QKeySequence(Qt::CTRL | Qt::Key_Down)},
        };
        for (const auto& [name, key] : keys)
            QCOMPARE(w->action(QString::fromLatin1(name))->shortcut(), key);
        QCOMPARE(w->action("ScriptLoad")->text(), QStringLiteral("Добавить сценарий"));
        QCOMPARE(w->action("ScriptClr")->text(), QStringLiteral("Удалить все"));

        QTableView* view = scriptPage(w)->scriptView();
        view->clearSelection();
        for (const char* name : {"ScriptOpen", "ScriptLoad", "ScriptAdd", "ScriptSave", "ScriptEmpty", "ScriptClr"})
            QVERIFY2(enabled(w, name), name);
        for (const char* name : {"ScriptClone", "ScriptEdit", "ScriptDel", "ScriptUp", "ScriptDown"})
            QVERIFY2(!enabled(w, name), name);

        gui::SelectRows(view, {1}); // a separator: nothing to edit, but it moves and deletes
        QVERIFY(!enabled(w, "ScriptEdit"));
        QVERIFY(!enabled(w, "ScriptClone"));
        QVERIFY(enabled(w, "ScriptDel"));
        QVERIFY(enabled(w, "ScriptUp"));
        QVERIFY(enabled(w, "ScriptDown"));
        gui::SelectRows(view, {0});
        QVERIFY(enabled(w, "ScriptEdit"));
        QVERIFY(enabled(w, "ScriptClone"));
        QVERIFY(!enabled(w, "ScriptUp"));
        gui::SelectRows(view, {2});
        QVERIFY(!enabled(w, "ScriptDown"));
        gui::SelectRows(view, {1, 2}); // the current line is the first selected one
        QCOMPARE(scriptPage(w)->currentLine(), 1);
        QVERIFY(!enabled(w, "ScriptEdit"));
        w->close();
    }

    void addsALineThroughBothDialogs()
    {
        DataFolder folder;
        writeLines(folder.files().scenario(), {kSecond});
        auto w = startWindow(folder);
        QVERIFY(w);
        w->combsPage()->excludeBox()->setValue(3); // the element dialog's default draw count
        app::Workspace& ws = w->workspace();
        const int nums = ws.Statistics().ChosenEntry();
        const QString length = QString::number(ws.Statistics().Length());

        QString title, drawCount, typeOk, newStep, weightsOk, filterText;
        whenModal<gui::ScriptDialog>([&](gui::ScriptDialog* d) {
            title = d->windowTitle();
            drawCount = child<QSpinBox>(d, "edDrawsExclude")->text();
            child<QLineEdit>(d, "edComments")->setText(QStringLiteral("Новая строка"));
            child<QComboBox>(d, "cbStartCombsType")->setCurrentIndex(1);
            child<QComboBox>(d, "cbResultCombsMode")->setCurrentIndex(7);
            child<QCheckBox>(d, "cbNewOnly")->setChecked(true);
            whenModal<gui::FilterDialog>([&](gui::FilterDialog* f) {
                // A new step: the main window's method and window, the defaults of the table.
                typeOk = child<QComboBox>(f, "cbDrawsStatType")->currentData().toInt() == nums ? "yes" : "no";
                newStep = QStringList{child<QLineEdit>(f, "edDrawsLen")->text(),
                                      child<QComboBox>(f, "cbDrawsSortOrder")->currentText(),
                                      child<QComboBox>(f, "cbDirection")->currentText(),
                                      child<QComboBox>(f, "cbFilterMode")->currentText(),
                                      QString::number(child<QComboBox>(f, "cbLevelMode")->currentIndex()),
                                      QString::number(child<QComboBox>(f, "cbStopMode")->currentIndex()),
                                      child<QSpinBox>(f, "edStopValue")->text(),
                                      child<QCheckBox>(f, "cbMultiSelect")->isChecked() ? "M" : "S",
                                      child<QCheckBox>(f, "cbCDLOverride")->isEnabled() ? "on" : "off"}
                              .join(QLatin1Char('|'));
                // The weight group opens for the "Вес" conditions, showing the global coefficients.
                child<QComboBox>(f, "cbLevelMode")->setCurrentIndex(19);
                auto* override = child<QCheckBox>(f, "cbCDLOverride");
                auto* count = child<QDoubleSpinBox>(f, "edCoefCount");
                weightsOk = override->isEnabled() && !count->isEnabled() &&
                                    child<QDoubleSpinBox>(f, "edCoefDeviation")->value() == -1.0
                                ? "yes"
                                : "no";
                override->setChecked(true);
                if (!count->isEnabled())
                    weightsOk = "no";
                count->setValue(0.5);
                child<QLineEdit>(f, "edLevelValue")->setText(QStringLiteral("5"));
                child<QComboBox>(f, "cbDrawsSortOrder")->setCurrentIndex(8);
                child<QComboBox>(f, "cbDirection")->setCurrentIndex(1);
                child<QComboBox>(f, "cbFilterMode")->setCurrentIndex(1);
                child<QCheckBox>(f, "cbMultiSelect")->setChecked(true);
                f->accept();
            });
            child<QToolButton>(d, "btnFilter2")->click();
            filterText = child<QLineEdit>(d, "edFilter2")->text();
            d->accept();
        });
        w->action("ScriptAdd")->trigger();
        w->waitUntilIdle();

        QCOMPARE(title, QStringLiteral("Создание новой строки"));
        QCOMPARE(drawCount, QStringLiteral("3"));
        QCOMPARE(typeOk, QStringLiteral("yes"));
        QCOMPARE(newStep, length + QStringLiteral("|Количество|Сверху-вниз|Удалить выделенные|0|0|1|S|off"));
        QCOMPARE(weightsOk, QStringLiteral("yes"));
        QCOMPARE(filterText, QStringLiteral("BMF8#NUMS:") + length + QStringLiteral("#WMV:5#SF:1#0.5:-1:1:0:0"));
        const std::string added = "EXCL:3#SKIP#NEX| |" + filterText.toStdString() + "| | | | | |Новая строка";
        QCOMPARE(lines(w), (std::vector<std::string>{kSecond, added}));
        // The new last line is selected, and the working copy holds it.
        QCOMPARE(gui::SelectedRows(scriptPage(w)->scriptView()), std::vector<int>{1});
        QCOMPARE(scriptPage(w)->scriptPanelText(0), QStringLiteral("Строк: 2"));
        QCOMPARE(scenario::ReadScenarioFile(folder.files().scenario()), lines(w));

        // A separator is added the same way.
        w->action("ScriptEmpty")->trigger();
        w->waitUntilIdle();
        QCOMPARE(lines(w).size(), size_t{3});
        QCOMPARE(lines(w).back(), std::string());
        QCOMPARE(gui::SelectedRows(scriptPage(w)->scriptView()), std::vector<int>{2});
        w->close();
    }

    void dialogsRefuseWhatTheyCannotKeep()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        BoxAnswerer boxes;
        QStringList focused;
        bool stayedOpen = false;
        QString unknownBack;
        whenModal<gui::ScriptDialog>([&](gui::ScriptDialog* d) {
            // A "|" in the comment would cut the line when it is read back.
            child<QLineEdit>(d, "edComments")->setText(QStringLiteral("a|b"));
            d->accept();
            focused << d->focusWidget()->objectName();
            stayedOpen = d->isVisible();
            child<QLineEdit>(d, "edComments")->clear();
            child<QLineEdit>(d, "edFilter4")->setText(QStringLiteral("TSD1#NUMS:5|x"));
            d->accept();
            focused << d->focusWidget()->objectName();
            child<QLineEdit>(d, "edFilter4")->setText(QStringLiteral("TSD1#XYZ:100#LNO:#SF:1"));

            whenModal<gui::FilterDialog>([&](gui::FilterDialog* f) {
                auto* draws = child<QLineEdit>(f, "edDrawsLen");
                draws->clear();
                f->accept();
                focused << f->focusWidget()->objectName();
                draws->setText(QStringLiteral("0"));
                f->accept();
                child<QComboBox>(f, "cbDrawsStatType")->setCurrentIndex(1); // a known method
                draws->setText(QStringLiteral("50"));
                child<QComboBox>(f, "cbLevelMode")->setCurrentIndex(3);
                f->accept(); // no value for the condition
                focused << f->focusWidget()->objectName();
                child<QLineEdit>(f, "edLevelValue")->setText(QStringLiteral("2"));
                child<QCheckBox>(f, "cbMultiSelect")->setChecked(true);
                child<QComboBox>(f, "cbStopMode")->setCurrentIndex(1);
                f->accept();
                focused << f->focusWidget()->objectName();
                f->reject();
            });
            QTest::mouseDClick(child<QLineEdit>(d, "edFilter4"), Qt::LeftButton);
            // A method the registry lacks comes back as it was written.
            whenModal<gui::FilterDialog>([](gui::FilterDialog* f) { f->accept(); });
            child<QToolButton>(d, "btnFilter4")->click();
            unknownBack = child<QLineEdit>(d, "edFilter4")->text();
            d->reject();
        });
        w->action("ScriptAdd")->trigger();
        w->waitUntilIdle();

        QVERIFY(stayedOpen);
        QCOMPARE(boxes.texts,
                 (QStringList{QStringLiteral("Комментарий не может содержать символ \"|\" или перевод строки!"),
                              QStringLiteral("Фильтр 4 не может содержать символ \"|\" или перевод строки!"),
                              QStringLiteral("Введен некорректный диапазон значений!"),
                              QStringLiteral("Введен некорректный диапазон значений!"),
                              QStringLiteral("Введен некорректный диапазон значений!"),
                              QStringLiteral("В режиме мультивыделения остановка сценария по количеству комбинаций "
                                             "или чисел не может быть выполнена!\nВыберите другой способ останова.")}));
        QCOMPARE(focused,
                 (QStringList{QStringLiteral("edComments"), QStringLiteral("edFilter4"), QStringLiteral("edDrawsLen"),
                              QStringLiteral("edLevelValue"), QStringLiteral("cbStopMode")}));
        QCOMPARE(unknownBack, QStringLiteral("TSD1#XYZ:100#LNO:#SF:1"));
        QVERIFY(lines(w).empty()); // cancelled
        w->close();
    }

    void clonesAndEditsTheCurrentLine()
    {
        DataFolder folder;
        writeLines(folder.files().scenario(), {kDone, kSecond});
        auto w = startWindow(folder);
        QVERIFY(w);
        QTableView* view = scriptPage(w)->scriptView();

        // Clone: a new line from a copy of the current one.
        QString title, comment, filter1;
        gui::SelectRows(view, {0});
        whenModal<gui::ScriptDialog>([&](gui::ScriptDialog* d) {
            title = d->windowTitle();
            filter1 = child<QLineEdit>(d, "edFilter1")->text();
            child<QLineEdit>(d, "edComments")->setText(QStringLiteral("Копия"));
            d->accept();
        });
        w->action("ScriptClone")->trigger();
        w->waitUntilIdle();
        QCOMPARE(title, QStringLiteral("Создание новой строки"));
        QCOMPARE(filter1, QStringLiteral("TMF1#NUMS:10,20#LMV:1-3;1#SF:1"));
        QCOMPARE(lines(w).size(), size_t{3});
        QCOMPARE(lines(w)[2],
                 "EXCL:5#SKIP#CLR#NEX|TMF1#NUMS:10,20#LMV:1-3;1#SF:1| |BSD6#SUMS:100#LNO:#SZ:1| | | | |Копия");
        QCOMPARE(gui::SelectedRows(view), std::vector<int>{2});

        // Edit with Ctrl+Enter: the line is replaced where it stands.
        gui::SelectRows(view, {1});
        QVERIFY(focusOn(w, view));
        whenModal<gui::ScriptDialog>([&](gui::ScriptDialog* d) {
            title = d->windowTitle();
            comment = child<QLineEdit>(d, "edComments")->text();
            child<QLineEdit>(d, "edComments")->setText(QStringLiteral("Изменена"));
            d->accept();
        });
        QTest::keyClick(view, Qt::Key_Return, Qt::ControlModifier);
        w->waitUntilIdle();
        QCOMPARE(title, QStringLiteral("Редактирование строки"));
        QCOMPARE(comment, QStringLiteral("Вторая"));
        QCOMPARE(lines(w)[1], "FULL:0#RAND|TSD1#NUMS:100#LNO:#SF:1| | | | | | |Изменена");
        QCOMPARE(lines(w).size(), size_t{3});
        QCOMPARE(gui::SelectedRows(view), std::vector<int>{1});

        // A double click on a line edits it too; cancelling changes nothing.
        title.clear();
        whenModal<gui::ScriptDialog>([&](gui::ScriptDialog* d) {
            title = d->windowTitle();
            d->reject();
        });
        const QPoint first = view->visualRect(view->model()->index(0, 1)).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, first); // a double click starts with a press
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, first);
        w->waitUntilIdle();
        QCOMPARE(title, QStringLiteral("Редактирование строки"));
        QCOMPARE(lines(w)[0], kDone);
        w->close();
    }

    void movesLinesWithTheSelection()
    {
        DataFolder folder;
        writeLines(folder.files().scenario(), {kDone, "", kSecond});
        auto w = startWindow(folder);
        QVERIFY(w);
        QTableView* view = scriptPage(w)->scriptView();
        gui::SelectRows(view, {2});
        QVERIFY(focusOn(w, view));
        QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier);
        w->waitUntilIdle();
        QCOMPARE(lines(w), (std::vector<std::string>{kDone, kSecond, ""}));
        QCOMPARE(gui::SelectedRows(view), std::vector<int>{1});
        QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier);
        w->waitUntilIdle();
        QCOMPARE(lines(w), (std::vector<std::string>{kSecond, kDone, ""}));
        QCOMPARE(gui::SelectedRows(view), std::vector<int>{0});
        QVERIFY(!enabled(w, "ScriptUp"));
        QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier); // the first line stays
        w->waitUntilIdle();
        QCOMPARE(lines(w)[0], kSecond);
        QTest::keyClick(view, Qt::Key_Down, Qt::ControlModifier);
        w->waitUntilIdle();
        QCOMPARE(lines(w), (std::vector<std::string>{kDone, kSecond, ""}));
        QCOMPARE(gui::SelectedRows(view), std::vector<int>{1});
        QCOMPARE(scenario::ReadScenarioFile(folder.files().scenario()), lines(w));
        w->close();
    }

    void deletesAfterTheQuestion()
    {
        DataFolder folder;
        writeLines(folder.files().scenario(), {kDone, "", kSecond, kDone});
        auto w = startWindow(folder);
        QVERIFY(w);
        QTableView* view = scriptPage(w)->scriptView();

        // Ctrl+Del belongs to the list that has the focus.
        gui::SelectRows(view, {0, 2});
        {
            BoxAnswerer boxes;
            QVERIFY(focusOn(w, w->combsPage()->combsView()));
            QTest::keyClick(w->combsPage()->combsView(), Qt::Key_Delete, Qt::ControlModifier);
            w->waitUntilIdle();
            QVERIFY(boxes.texts.isEmpty());
            QCOMPARE(lines(w).size(), size_t{4});
        }

        QString caption, question;
        bool running = true;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            caption = box->windowTitle();
            question = box->text();
            running = w->isRunning();
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(focusOn(w, view));
        QTest::keyClick(view, Qt::Key_Delete, Qt::ControlModifier);
        w->waitUntilIdle();
        QCOMPARE(caption, QStringLiteral("Предупреждение"));
        QCOMPARE(question, QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"));
        QVERIFY(!running); // asked before the operation starts
        QCOMPARE(lines(w).size(), size_t{4});

        whenModal<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        QVERIFY(focusOn(w, view));
        QTest::keyClick(view, Qt::Key_Delete, Qt::ControlModifier);
        w->waitUntilIdle();
        QCOMPARE(lines(w), (std::vector<std::string>{"", kDone}));
        QCOMPARE(scriptPage(w)->scriptPanelText(0), QStringLiteral("Строк: 2"));
        QVERIFY(gui::SelectedRows(view).empty());

        {
            BoxAnswerer boxes([](const QString&) { return true; });
            gui::SelectRows(view, {1});
            w->action("ScriptDel")->trigger();
            w->waitUntilIdle();
            w->action("ScriptClr")->trigger();
            w->waitUntilIdle();
            QCOMPARE(boxes.texts, (QStringList{QStringLiteral("Удалить выделенную запись?"),
                                               QStringLiteral("Удалить выделенную запись?")}));
        }
        QVERIFY(lines(w).empty());
        QVERIFY(!enabled(w, "ScriptSave"));
        QVERIFY(!enabled(w, "ScriptClr"));
        QVERIFY(!enabled(w, "ScriptEmpty"));
        QCOMPARE(scenario::ReadScenarioFile(folder.files().scenario()), std::vector<std::string>{});
        w->close();
    }

    void opensAppendsAndSavesFiles()
    {
        DataFolder folder;
        writeLines(folder.files().scenario(), {kSecond});
        auto w = startWindow(folder);
        QVERIFY(w);
        QTemporaryDir dir;
        const QString one = dir.filePath(QStringLiteral("one.lsc"));
        const QString two = dir.filePath(QStringLiteral("two.lsc"));
        writeLines(one.toStdString(), {kDone, kSecond});
        writeLines(two.toStdString(), {kDone, ""});

        chooseFile(one);
        w->action("ScriptOpen")->trigger();
        w->waitUntilIdle();
        QCOMPARE(lines(w), (std::vector<std::string>{kDone, kSecond}));

        // Appending puts a separator between the scenarios, unless one is there.
        chooseFile(two);
        w->action("ScriptLoad")->trigger();
        w->waitUntilIdle();
        QCOMPARE(lines(w), (std::vector<std::string>{kDone, kSecond, "", kDone, ""}));
        chooseFile(one);
        w->action("ScriptLoad")->trigger();
        w->waitUntilIdle();
        QCOMPARE(lines(w), (std::vector<std::string>{kDone, kSecond, "", kDone, "", kDone, kSecond}));
        QCOMPARE(scriptPage(w)->scriptPanelText(0), QStringLiteral("Строк: 7"));

        // A name without extension gets ".lsc"; the file is Windows-1251 with CR LF.
        chooseFile(dir.filePath(QStringLiteral("saved")));
        w->action("ScriptSave")->trigger();
        w->waitUntilIdle();
        QFile saved(dir.filePath(QStringLiteral("saved.lsc")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        const QByteArray secondLine = QByteArray("FULL:0#RAND|TSD1#NUMS:100#LNO:#SF:1| | | | | | |") +
                                      QByteArray("\xC2\xF2\xEE\xF0\xE0\xFF") + "\r\n"; // "Вторая"
        QVERIFY(bytes.startsWith(QByteArray::fromStdString(kDone) + "\r\n" + secondLine + "\r\n"));
        QVERIFY(bytes.endsWith(secondLine));
        QCOMPARE(bytes.count("\r\n"), 7);

        w->close();
    }

    void fileFailuresLeaveTheScenarioAsItWas()
    {
        DataFolder folder;
        writeLines(folder.files().scenario(), {kSecond});
        auto w = startWindow(folder);
        QVERIFY(w);
        QTemporaryDir dir;
        const QString one = dir.filePath(QStringLiteral("one.lsc"));
        writeLines(one.toStdString(), {kDone, kDone});
        const QString saved = dir.filePath(QStringLiteral("saved.lsc"));
        const QString workingCopy = QString::fromStdString(folder.files().scenario().string());
        const QString readFailed = QStringLiteral("Ошибка чтения файла \"%1\"!").arg(one);
        const QString writeFailed = QStringLiteral("Ошибка записи в файл \"%1\"!").arg(saved);

        BoxAnswerer boxes([](const QString&) { return true; }); // also "replace the file?"
        // A file that breaks half-way is neither opened nor appended.
        files::injectFault({files::FaultKind::Read, "one.lsc", 2});
        chooseFile(one);
        w->action("ScriptOpen")->trigger();
        w->waitUntilIdle();
        chooseFile(one);
        w->action("ScriptLoad")->trigger();
        w->waitUntilIdle();
        files::clearFaults();
        QCOMPARE(boxes.texts.size(), 2);
        QVERIFY2(boxes.texts[0].startsWith(readFailed), qPrintable(boxes.texts[0]));
        QVERIFY2(boxes.texts[1].startsWith(readFailed), qPrintable(boxes.texts[1]));
        QCOMPARE(lines(w), std::vector<std::string>{kSecond});
        QCOMPARE(scriptPage(w)->scriptPanelText(0), QStringLiteral("Строк: 1"));

        // A failed save leaves no file behind; the program's own files are refused.
        boxes.texts.clear();
        files::injectFault({files::FaultKind::Write, "saved.lsc", 1});
        chooseFile(saved);
        w->action("ScriptSave")->trigger();
        w->waitUntilIdle();
        files::clearFaults();
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].startsWith(writeFailed), qPrintable(boxes.texts[0]));
        QVERIFY(!QFile::exists(saved));
        QVERIFY(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size() == 1); // one.lsc, no temporary

        boxes.texts.clear();
        w->action("ScriptEmpty")->trigger(); // the working copy now differs from the file
        w->waitUntilIdle();
        chooseFile(workingCopy);
        w->action("ScriptSave")->trigger();
        w->waitUntilIdle();
        QVERIFY2(boxes.texts.last().contains(QStringLiteral("файл данных программы")),
                 qPrintable(boxes.texts.join('\n')));
        QCOMPARE(scenario::ReadScenarioFile(folder.files().scenario()), (std::vector<std::string>{kSecond, ""}));

        // The working copy failing to save keeps the change in memory and says so.
        boxes.texts.clear();
        files::injectFault({files::FaultKind::Write, "Belvane_6x45.lss", 1});
        w->action("ScriptEmpty")->trigger();
        w->waitUntilIdle();
        files::clearFaults();
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].startsWith(QStringLiteral("Ошибка записи в файл \"%1\"!").arg(workingCopy)),
                 qPrintable(boxes.texts[0]));
        QCOMPARE(lines(w), (std::vector<std::string>{kSecond, "", ""}));
        QCOMPARE(scriptPage(w)->scriptPanelText(0), QStringLiteral("Строк: 3"));
        w->close();
    }
};

BELVANE_GUI_TEST(ScriptPageTest);

} // namespace

#include "script_page_test.moc"
