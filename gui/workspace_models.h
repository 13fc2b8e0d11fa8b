#pragma once

// Qt models over the workspace's data: virtual, they read the workspace when
// a row is painted. While an operation runs on the worker thread they are
// "frozen" and show nothing new until they are refreshed after it.

#include <QAbstractTableModel>
#include <QIcon>

namespace belvane::app {
class Workspace;
}

namespace belvane::gui {

class WorkspaceModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit WorkspaceModel(app::Workspace& ws, QObject* parent) : QAbstractTableModel(parent), ws_(ws) {}

    void setFrozen(bool frozen) { frozen_ = frozen; }
    // Re-reads the row count and repaints everything.
    void refresh();

protected:
    app::Workspace& ws_;
    bool frozen_ = false;
};

// The draws list: newest first, the offset row light red, numbers in channel colours.
class DrawsModel final : public WorkspaceModel {
    Q_OBJECT
public:
    using WorkspaceModel::WorkspaceModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

// The combination list: position, six numbers, sum.
class CombsModel final : public WorkspaceModel {
    Q_OBJECT
public:
    using WorkspaceModel::WorkspaceModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

// The operation history: caption, values, count, with the direction's icon.
class HistoryModel final : public WorkspaceModel {
    Q_OBJECT
public:
    HistoryModel(app::Workspace& ws, QObject* parent);
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QIcon keep_, remove_, rollback_;
};

// The statistics table: 20 columns; sorting by a column uses the cell's
// number (Qt::UserRole), so "-" cells sort before every number.
class StatTableModel final : public WorkspaceModel {
    Q_OBJECT
public:
    using WorkspaceModel::WorkspaceModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

// The icons of the history rows, drawn once.
QIcon KeepIcon();
QIcon RemoveIcon();
QIcon RollbackIcon();

} // namespace belvane::gui
