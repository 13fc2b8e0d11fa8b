#pragma once

// The combination list (lvCombs) and the operation history (lvFilters).
// The history is small: the model keeps its own copy. The list can hold all
// 8,145,060 combinations: while no operation runs the model reads it in
// place; while one runs it shows a copy of the rows around the visible ones.

#include <QAbstractTableModel>
#include <QIcon>
#include <vector>

#include "combs/history.h"
#include "model/game.h"

namespace belvane::app {
class Workspace;
}

namespace belvane::gui {

class CombsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    CombsModel(const app::Workspace& ws, QObject* parent);

    // Re-reads the list (no operation runs); ends a freeze.
    void reload();
    // An operation starts: keep the rows first..last (and the count) and
    // read the workspace no more until reload().
    void freeze(int first, int last);
    bool frozen() const { return frozen_; }
    // The combination at a row (no operation runs).
    const model::TComb* combAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const app::Workspace& ws_;
    bool colored_ = false;
    int channelSize_ = 5;
    bool frozen_ = false;
    int frozenCount_ = 0;
    int windowFirst_ = 0;
    std::vector<model::TComb> window_;
};

class HistoryModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit HistoryModel(QObject* parent);

    void reload(const app::Workspace& ws);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<combs::HistoryRow> rows_;
    QIcon keep_, remove_, rollback_;
};

} // namespace belvane::gui
