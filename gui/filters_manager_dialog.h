#pragma once

// "Менеджер избранных методов расчета статистики": marks and captions of the
// registered methods in a tree of groups, and how the method lists show their
// names. The dialog edits a working copy; the caller applies it after OK.

#include <QDialog>
#include <QIcon>
#include <vector>

#include "stats/favorites_draft.h"

class QAction;
class QCheckBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace belvane::app {
class Workspace;
}

namespace belvane::gui {

class TFormFiltersManager : public QDialog {
    Q_OBJECT
public:
    TFormFiltersManager(QWidget* parent, app::Workspace& workspace);

    // The working copy with the option boxes as they stand.
    const stats::FavoritesDraft& draft() const { return draft_; }

    QTreeWidget* tree() const { return tvFilters_; }
    // "CheckNone", "CheckAll", "GroupNone", "GroupAll", "Rename", "ResetName",
    // "NamesImport", "NamesExport", "Info".
    QAction* action(const char* name) const;
    // The draft's method of a tree node; -1 for a group node.
    static int methodOf(const QTreeWidgetItem* item);
    // 1 marked, 0 not marked, 2 a group node.
    static int iconOf(const QTreeWidgetItem* item);
    // The method node of the draft's method.
    QTreeWidgetItem* nodeOf(int method) const;

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* makeAction(const char* name, const QString& caption, const QString& hint,
                        void (TFormFiltersManager::*slot)());
    void fillTree();
    void showMark(QTreeWidgetItem* node);
    void updateActions();
    void toggle(QTreeWidgetItem* item);
    // The group of the current node (itself or its parent); -1 when none.
    int currentGroup() const;
    int currentMethod() const;
    void markGroup(bool marked);
    void markAll(bool marked);

    void checkNone() { markAll(false); }
    void checkAll() { markAll(true); }
    void groupNone() { markGroup(false); }
    void groupAll() { markGroup(true); }
    void rename();
    void resetName();
    void namesImport();
    void namesExport();
    void info();

    app::Workspace& ws_;
    stats::FavoritesDraft draft_;
    QIcon markedIcon_;
    QIcon unmarkedIcon_;
    QIcon groupIcon_;
    QTreeWidget* tvFilters_;
    QLabel* lblCount_;
    QCheckBox* cbSortOnName_;
    QCheckBox* cbShowGroupName_;
    QCheckBox* cbShowFlags_;
    std::vector<QAction*> actions_;
};

} // namespace belvane::gui
