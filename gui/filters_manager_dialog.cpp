#include "gui/filters_manager_dialog.h"

#include <QAction>
#include <algorithm>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/statistics_service.h"
#include "app/workspace.h"
#include "gui/method_info_window.h"
#include "gui/qt_text.h"
#include "support/host.h"

namespace belvane::gui {
namespace {

constexpr int MethodRole = Qt::UserRole;
constexpr int IconRole = Qt::UserRole + 1;

constexpr int IconUnmarked = 0;
constexpr int IconMarked = 1;
constexpr int IconGroup = 2;

// A box, ticked for a marked method.
QIcon markIcon(bool marked)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(96, 96, 96), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(2.5, 2.5, 11, 11));
    if (marked) {
        painter.setPen(QPen(QColor(0, 128, 0), 2));
        painter.drawPolyline(QPolygonF({QPointF(4.5, 8), QPointF(7, 11), QPointF(12, 4.5)}));
    }
    return QIcon(pixmap);
}

} // namespace

TFormFiltersManager::TFormFiltersManager(QWidget* parent, app::Workspace& workspace)
    : QDialog(parent), ws_(workspace), draft_(workspace.Statistics().MakeFavoritesDraft()), markedIcon_(markIcon(true)),
      unmarkedIcon_(markIcon(false)), groupIcon_(style()->standardIcon(QStyle::SP_DirIcon))
{
    const StatusScope status(ws_.Host(), ProgressWindowText);
    setObjectName(QStringLiteral("TFormFiltersManager"));
    setWindowTitle(tr("Менеджер избранных методов расчета статистики"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(tr("Отметьте методы расчета статистики, которые Вы хотите использовать:"), this);
    label->setObjectName(QStringLiteral("lblFilters"));
    layout->addWidget(label);

    auto* body = new QHBoxLayout;
    tvFilters_ = new QTreeWidget(this);
    tvFilters_->setObjectName(QStringLiteral("tvFilters"));
    tvFilters_->setHeaderHidden(true);
    tvFilters_->setColumnCount(1);
    tvFilters_->setMinimumSize(480, 360);
    tvFilters_->installEventFilter(this);
    body->addWidget(tvFilters_, 1);

    auto* buttons = new QVBoxLayout;
    makeAction("CheckNone", tr("Сбросить все"), tr("Снять отметки со всех фильтров"), &TFormFiltersManager::checkNone);
    makeAction("CheckAll", tr("Выбрать все"), tr("Поставить отметки у всех фильтров"), &TFormFiltersManager::checkAll);
    makeAction("GroupNone", tr("Сбросить группу"), tr("Снять отметки со всех фильтров группы"),
               &TFormFiltersManager::groupNone);
    makeAction("GroupAll", tr("Выбрать группу"), tr("Поставить отметки у всех фильтров группы"),
               &TFormFiltersManager::groupAll);
    makeAction("Rename", tr("Переименовать"), tr("Переименовать фильтр"), &TFormFiltersManager::rename);
    makeAction("ResetName", tr("Вернуть"), tr("Вернуть наименование \"по умолчанию\""),
               &TFormFiltersManager::resetName);
    makeAction("NamesImport", tr("Импорт названий"), tr("Импорт названий фильтров из файла"),
               &TFormFiltersManager::namesImport);
    makeAction("NamesExport", tr("Экспорт названий"), tr("Экспорт названий фильтров в файл"),
               &TFormFiltersManager::namesExport);
    makeAction("Info", tr("Описание"), tr("Справочная информация о выделенном методе расчета статистики"),
               &TFormFiltersManager::info);
    // Two marking pairs, the captions, the names file, the description.
    const std::vector<size_t> gapsAfter = {1, 3, 5, 7};
    for (size_t i = 0; i < actions_.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setDefaultAction(actions_[i]);
        button->setObjectName(QStringLiteral("btn") + actions_[i]->objectName());
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        buttons->addWidget(button);
        if (std::find(gapsAfter.begin(), gapsAfter.end(), i) != gapsAfter.end())
            buttons->addSpacing(8);
    }
    buttons->addStretch(1);
    lblCount_ = new QLabel(tr("всего %1 методов").arg(draft_.MethodCount()), this);
    lblCount_->setObjectName(QStringLiteral("lblCount"));
    buttons->addWidget(lblCount_);
    body->addLayout(buttons);
    layout->addLayout(body, 1);

    auto* options = new QGroupBox(tr(" Параметры вывода наименований в списках методов расчета статистики "), this);
    options->setObjectName(QStringLiteral("gbOptions"));
    auto* optionsLayout = new QVBoxLayout(options);
    cbSortOnName_ = new QCheckBox(tr("Сортировать списки по названию метода"), options);
    cbSortOnName_->setObjectName(QStringLiteral("cbSortOnName"));
    cbShowGroupName_ = new QCheckBox(tr("Отображать идентификатор группы { xxx } перед названием метода"), options);
    cbShowGroupName_->setObjectName(QStringLiteral("cbShowGroupName"));
    cbShowFlags_ = new QCheckBox(tr("Отображать особенности метода [ YYY ] после названия метода"), options);
    cbShowFlags_->setObjectName(QStringLiteral("cbShowFlags"));
    for (QCheckBox* box : {cbSortOnName_, cbShowGroupName_, cbShowFlags_})
        optionsLayout->addWidget(box);
    layout->addWidget(options);

    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, this, &TFormFiltersManager::accept);
    connect(box, &QDialogButtonBox::rejected, this, &TFormFiltersManager::reject);

    connect(tvFilters_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { toggle(item); });
    connect(tvFilters_, &QTreeWidget::currentItemChanged, this, [this] { updateActions(); });

    // Opening: the tree fully expanded, the options as the registry has them.
    cbSortOnName_->setChecked(draft_.Ordered);
    cbShowGroupName_->setChecked(draft_.ShowGroupName);
    cbShowFlags_->setChecked(draft_.ShowMethodFlags);
    fillTree();
}

QAction* TFormFiltersManager::makeAction(const char* name, const QString& caption, const QString& hint,
                                         void (TFormFiltersManager::*slot)())
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    action->setStatusTip(hint);
    connect(action, &QAction::triggered, this, slot);
    actions_.push_back(action);
    return action;
}

QAction* TFormFiltersManager::action(const char* name) const
{
    for (QAction* a : actions_)
        if (a->objectName() == QLatin1String(name))
            return a;
    return nullptr;
}

int TFormFiltersManager::methodOf(const QTreeWidgetItem* item)
{
    return item != nullptr ? item->data(0, MethodRole).toInt() : -1;
}

int TFormFiltersManager::iconOf(const QTreeWidgetItem* item)
{
    return item != nullptr ? item->data(0, IconRole).toInt() : -1;
}

QTreeWidgetItem* TFormFiltersManager::nodeOf(int method) const
{
    if (method < 0 || method >= draft_.MethodCount())
        return nullptr;
    const stats::FavoritesDraftMethod& m = draft_.Method(method);
    const auto& methods = draft_.Groups()[static_cast<size_t>(m.Group)].Methods;
    const auto at = std::find(methods.begin(), methods.end(), method) - methods.begin();
    QTreeWidgetItem* group = tvFilters_->topLevelItem(m.Group);
    return group != nullptr ? group->child(static_cast<int>(at)) : nullptr;
}

void TFormFiltersManager::fillTree()
{
    const int current = currentMethod();
    tvFilters_->clear();
    for (const stats::FavoritesDraftGroup& g : draft_.Groups()) {
        auto* group = new QTreeWidgetItem(tvFilters_, {qs(g.Caption)});
        group->setData(0, MethodRole, -1);
        group->setData(0, IconRole, IconGroup);
        group->setIcon(0, groupIcon_);
        for (int method : g.Methods) {
            auto* node = new QTreeWidgetItem(group, {qs(draft_.Method(method).Caption)});
            node->setData(0, MethodRole, method);
            showMark(node);
        }
    }
    tvFilters_->expandAll();
    if (QTreeWidgetItem* again = nodeOf(current))
        tvFilters_->setCurrentItem(again);
    updateActions();
}

void TFormFiltersManager::showMark(QTreeWidgetItem* node)
{
    const int method = methodOf(node);
    if (method < 0)
        return;
    const stats::FavoritesDraftMethod& m = draft_.Method(method);
    node->setData(0, IconRole, m.Marked ? IconMarked : IconUnmarked);
    node->setIcon(0, m.Marked ? markedIcon_ : unmarkedIcon_);
    node->setText(0, qs(m.Caption));
}

void TFormFiltersManager::updateActions()
{
    const bool any = tvFilters_->topLevelItemCount() > 0;
    const bool node = tvFilters_->currentItem() != nullptr;
    const bool method = currentMethod() >= 0;
    action("CheckNone")->setEnabled(any);
    action("CheckAll")->setEnabled(any);
    action("GroupNone")->setEnabled(node);
    action("GroupAll")->setEnabled(node);
    action("Rename")->setEnabled(method);
    action("ResetName")->setEnabled(method);
    action("Info")->setEnabled(method);
}

void TFormFiltersManager::toggle(QTreeWidgetItem* item)
{
    const int method = methodOf(item);
    if (method < 0)
        return; // group nodes do not toggle
    draft_.Toggle(method);
    showMark(item);
}

int TFormFiltersManager::currentGroup() const
{
    const QTreeWidgetItem* item = tvFilters_->currentItem();
    if (item == nullptr)
        return -1;
    if (item->parent() != nullptr)
        item = item->parent();
    return tvFilters_->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item));
}

int TFormFiltersManager::currentMethod() const
{
    return methodOf(tvFilters_->currentItem());
}

void TFormFiltersManager::markGroup(bool marked)
{
    const int group = currentGroup();
    if (group < 0)
        return;
    draft_.MarkGroup(group, marked);
    QTreeWidgetItem* node = tvFilters_->topLevelItem(group);
    for (int i = 0; i < node->childCount(); ++i)
        showMark(node->child(i));
}

void TFormFiltersManager::markAll(bool marked)
{
    draft_.MarkAll(marked);
    for (int g = 0; g < tvFilters_->topLevelItemCount(); ++g)
        for (int i = 0; i < tvFilters_->topLevelItem(g)->childCount(); ++i)
            showMark(tvFilters_->topLevelItem(g)->child(i));
}

void TFormFiltersManager::rename()
{
    const int method = currentMethod();
    if (method < 0)
        return;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("RenameDialog"));
    dialog.setWindowTitle(tr("Переименование"));
    dialog.setLabelText(tr("Введите наименование фильтра:"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(qs(draft_.Method(method).Caption));
    dialog.setCancelButtonText(tr("Отмена"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    draft_.Rename(method, ss(dialog.textValue()));
    showMark(tvFilters_->currentItem());
}

void TFormFiltersManager::resetName()
{
    const int method = currentMethod();
    if (method < 0)
        return;
    draft_.ResetName(method);
    showMark(tvFilters_->currentItem());
}

void TFormFiltersManager::namesImport()
{
    const QString file = QFileDialog::getOpenFileName(
        this, action("NamesImport")->text(), qs(ws_.Files().folder().string()), tr("Наименования фильтров (*.flt)"));
    if (file.isEmpty())
        return;
    if (ws_.Statistics().ImportFavoriteNames(draft_, file.toStdString()))
        fillTree();
}

void TFormFiltersManager::namesExport()
{
    QString file = QFileDialog::getSaveFileName(this, action("NamesExport")->text(), qs(ws_.Files().folder().string()),
                                                tr("Наименования фильтров (*.flt)"));
    if (file.isEmpty())
        return;
    if (QFileInfo(file).suffix().isEmpty())
        file += QStringLiteral(".flt");
    ws_.Statistics().ExportFavoriteNames(draft_, file.toStdString());
}

void TFormFiltersManager::info()
{
    const int method = currentMethod();
    if (method < 0)
        return;
    if (TFormFiltersInfo::openHelpPage(qs(ws_.Statistics().MethodHelpURL(draft_.Method(method).Entry))))
        return;
    // Modal over this dialog: a window of its own would take no input while the dialog is open.
    TFormFiltersInfo page(this, ws_.Settings().LoadFailed() ? nullptr : &ws_.Settings().File());
    page.showPage(qs(ws_.Statistics().MethodDescription(draft_.Method(method).Entry)));
    page.exec();
}

void TFormFiltersManager::accept()
{
    draft_.Ordered = cbSortOnName_->isChecked();
    draft_.ShowGroupName = cbShowGroupName_->isChecked();
    draft_.ShowMethodFlags = cbShowFlags_->isChecked();
    QDialog::accept();
}

bool TFormFiltersManager::eventFilter(QObject* watched, QEvent* event)
{
    // Space toggles the current method as a click does.
    if (watched == tvFilters_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
        toggle(tvFilters_->currentItem());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace belvane::gui
