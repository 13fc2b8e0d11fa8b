// "Менеджер избранных методов расчета статистики" and "Описание методики расчета".

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QTextBrowser>
#include <QTreeWidget>
#include <algorithm>

#include "app/statistics_service.h"
#include "app/workspace.h"
#include "gui/filters_manager_dialog.h"
#include "gui/method_info_window.h"
#include "gui/stat_page.h"
#include "gui_test_support.h"
#include "stats/stat_list.h"

using namespace belvane;
using namespace belvane::guitest;
using gui::TFormFiltersManager;

namespace {

void click(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

// The icons of the method nodes: how many are marked.
int markedNodes(const TFormFiltersManager* d)
{
    int marked = 0;
    QTreeWidget* tree = d->tree();
    for (int g = 0; g < tree->topLevelItemCount(); ++g)
        for (int i = 0; i < tree->topLevelItem(g)->childCount(); ++i)
            marked += TFormFiltersManager::iconOf(tree->topLevelItem(g)->child(i)) == 1 ? 1 : 0;
    return marked;
}

QTreeWidgetItem* nodeOfId(const TFormFiltersManager* d, const app::Workspace& ws, const char* id)
{
    return d->nodeOf(d->draft().MethodOfEntry(ws.Registry().FindMethod(id)));
}

class FavoritesManagerTest : public QObject {
    Q_OBJECT

private slots:
    void marksRenamesAndOkRebuildsTheLists()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        app::Workspace& ws = w->workspace();
        const int methods = ws.Registry().MethodCount();
        QAction* manager = w->action(QStringLiteral("FiltersManager"));
        QVERIFY(manager);
        QCOMPARE(manager->text(), QStringLiteral("Избранные статистики"));
        QVERIFY(manager->isEnabled());

        bool checked = false;
        whenModal<TFormFiltersManager>([&](TFormFiltersManager* d) {
            checked = true;
            QCOMPARE(d->windowTitle(), QStringLiteral("Менеджер избранных методов расчета статистики"));
            QCOMPARE(d->findChild<QLabel*>("lblCount")->text(), QStringLiteral("всего %1 методов").arg(methods));
            QVERIFY(d->findChild<QCheckBox*>("cbShowGroupName")->isChecked());
            QVERIFY(!d->findChild<QCheckBox*>("cbSortOnName")->isChecked());
            QCOMPARE(d->findChild<QGroupBox*>("gbOptions")->title(),
                     QStringLiteral(" Параметры вывода наименований в списках методов расчета статистики "));
            QTreeWidget* tree = d->tree();
            QCOMPARE(tree->objectName(), QStringLiteral("tvFilters"));
            QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("{ num } Числа тиража"));
            QCOMPARE(TFormFiltersManager::iconOf(tree->topLevelItem(0)), 2);
            QVERIFY(tree->topLevelItem(0)->isExpanded());
            QCOMPARE(markedNodes(d), methods);
            QCOMPARE(d->action("ResetName")->toolTip(), QStringLiteral("Вернуть наименование \"по умолчанию\""));

            // Nothing chosen: only the whole-tree actions and the names file.
            tree->setCurrentItem(nullptr);
            QVERIFY(d->action("CheckNone")->isEnabled());
            QVERIFY(!d->action("GroupAll")->isEnabled());
            QVERIFY(!d->action("Rename")->isEnabled());
            QVERIFY(!d->action("Info")->isEnabled());
            QVERIFY(d->action("NamesExport")->isEnabled());

            // A click toggles a method; a group node does not toggle.
            QTreeWidgetItem* nums = nodeOfId(d, ws, "NUMS");
            click(tree, nums);
            QCOMPARE(TFormFiltersManager::iconOf(nums), 0);
            click(tree, tree->topLevelItem(0));
            QCOMPARE(TFormFiltersManager::iconOf(tree->topLevelItem(0)), 2);
            QCOMPARE(markedNodes(d), methods - 1);
            QVERIFY(d->action("GroupNone")->isEnabled());
            QVERIFY(!d->action("Rename")->isEnabled()); // a group node
            d->action("GroupNone")->trigger();
            QCOMPARE(markedNodes(d), methods - tree->topLevelItem(0)->childCount());
            d->action("CheckNone")->trigger();
            QCOMPARE(markedNodes(d), 0);

            // The group of a method node, then the method itself back off.
            QTreeWidgetItem* sums = nodeOfId(d, ws, "SUMS");
            tree->setCurrentItem(sums);
            d->action("GroupAll")->trigger();
            const int sumsGroup = sums->parent()->childCount();
            QCOMPARE(markedNodes(d), sumsGroup);
            QTreeWidgetItem* sibling = sums->parent()->child(sums->parent()->child(0) == sums ? 1 : 0);
            click(tree, sibling);
            QCOMPARE(markedNodes(d), sumsGroup - 1);
            d->action("CheckNone")->trigger();
            click(tree, sums);
            click(tree, nodeOfId(d, ws, "EVEN"));
            QCOMPARE(markedNodes(d), 2);

            // Renaming through the box, and back to the method's own caption.
            tree->setCurrentItem(sums);
            QVERIFY(d->action("Rename")->isEnabled());
            whenModal<QInputDialog>([](QInputDialog* box) {
                QCOMPARE(box->windowTitle(), QStringLiteral("Переименование"));
                QCOMPARE(box->labelText(), QStringLiteral("Введите наименование фильтра:"));
                QCOMPARE(box->textValue(), QStringLiteral("Сумма тиража: все значения"));
                box->setTextValue(QStringLiteral("Суммы"));
                box->accept();
            });
            d->action("Rename")->trigger();
            QCOMPARE(sums->text(0), QStringLiteral("Суммы"));
            QCOMPARE(TFormFiltersManager::iconOf(sums), 1);
            QTreeWidgetItem* even = nodeOfId(d, ws, "EVEN");
            tree->setCurrentItem(even);
            const QString evenCaption = even->text(0);
            whenModal<QInputDialog>([](QInputDialog* box) {
                box->setTextValue(QStringLiteral("Другое"));
                box->reject();
            });
            d->action("Rename")->trigger();
            QCOMPARE(even->text(0), evenCaption);
            whenModal<QInputDialog>([](QInputDialog* box) {
                box->setTextValue(QStringLiteral("Другое"));
                box->accept();
            });
            d->action("Rename")->trigger();
            d->action("ResetName")->trigger();
            QCOMPARE(even->text(0), evenCaption);

            // The description of the chosen node, over the dialog.
            whenModal<gui::TFormFiltersInfo>([](gui::TFormFiltersInfo* info) {
                QCOMPARE(info->windowTitle(), QStringLiteral("Описание методики расчета"));
                QVERIFY(info->browser()->toPlainText().contains(QStringLiteral("EVEN")));
                info->reject();
            });
            d->action("Info")->trigger();

            d->findChild<QCheckBox*>("cbShowFlags")->setChecked(false);
            d->accept();
        });
        manager->trigger();
        w->waitUntilIdle();
        QVERIFY(checked);

        QComboBox* types = w->statPage()->statTypeBox();
        QCOMPARE(types->count(), 2);
        QCOMPARE(types->currentIndex(), 0);
        QCOMPARE(types->itemText(1), QStringLiteral("{ sum } Суммы"));
        QVERIFY(!ws.Registry().ShowMethodFlags);
        QCOMPARE(ws.Registry().Item(ws.Registry().FindMethod("SUMS")).UserCaption, std::string("Суммы"));
        QCOMPARE(ws.Registry().Item(ws.Registry().FindMethod("EVEN")).UserCaption, std::string());
        QVERIFY(std::filesystem::exists(ws.Files().filterList()));

        // Cancel after unmarking everything: nothing changes.
        whenModal<TFormFiltersManager>([](TFormFiltersManager* d) {
            QCOMPARE(markedNodes(d), 2);
            d->action("CheckAll")->trigger();
            d->reject();
        });
        manager->trigger();
        w->waitUntilIdle();
        QCOMPARE(types->count(), 2);
        QVERIFY(!ws.Registry().AllFavorites);
        w->close();
    }

    void descriptionWindowFollowsTheChosenType()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        QAction* info = w->action(QStringLiteral("FiltersInfo"));
        QVERIFY(info);
        QCOMPARE(info->text(), QStringLiteral("Описание статистики"));
        QCOMPARE(info->shortcut(), QKeySequence(Qt::Key_F8));
        QVERIFY(info->isEnabled());
        info->trigger();
        gui::TFormFiltersInfo* window = w->statPage()->infoWindow();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("NUMS")));
        window->setGeometry(40, 50, 500, 300);
        window->close();
        // The placement is kept for the next time.
        const app::WindowStateFile& file = w->workspace().Settings().File();
        QCOMPARE(file.ReadString("TFormFiltersInfo", "NormPos", ""), std::string("40,50,540,350"));
        w->close();
    }

    // A described method: the box's tool tip is its first sentence and F8 shows
    // its description with the example computed on the archive.
    void descriptionOfADescribedMethod()
    {
        DataFolder folder;
        auto w = startWindow(folder);
        QVERIFY(w);
        app::Workspace& ws = w->workspace();
        const std::vector<int>& types = ws.Statistics().StatTypes();
        const auto at = std::find(types.begin(), types.end(), ws.Registry().FindMethod("KNP32"));
        QVERIFY(at != types.end());
        const int index = static_cast<int>(at - types.begin());
        QComboBox* box = w->statPage()->statTypeBox();
        QCOMPARE(box->itemData(index, Qt::ToolTipRole).toString(),
                 QStringLiteral("Три числа тиража, начиная с выбранной позиции: одно значение на тираж."));
        box->setCurrentIndex(index);
        QCOMPARE(box->toolTip(), box->itemData(index, Qt::ToolTipRole).toString());
        QTRY_COMPARE(ws.Statistics().StatTypeIndex(), index);
        w->waitUntilIdle();

        w->action(QStringLiteral("FiltersInfo"))->trigger();
        gui::TFormFiltersInfo* window = w->statPage()->infoWindow();
        QVERIFY(window && window->isVisible());
        const QString text = window->browser()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Что вычисляет метод")));
        QVERIFY(text.contains(QStringLiteral("Комбинация 03 11 18 24 32 41 как следующий тираж")));
        QVERIFY(text.contains(QStringLiteral("11:18:24")));
        QVERIFY(window->browser()->toHtml().contains(QStringLiteral("<table")));
        window->close();
        w->close();
    }
};

BELVANE_GUI_TEST(FavoritesManagerTest);

} // namespace

#include "favorites_manager_test.moc"
