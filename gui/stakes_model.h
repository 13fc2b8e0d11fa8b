#pragma once

// The stakes grid (sgStakes): a row per record of the stakes file, read from
// the file as the rows are painted (the file keeps the last record read), so
// a file of millions of stakes costs nothing to show. While an operation
// runs the model shows a copy of the rows around the visible ones and the
// count it had.

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "stakes/stake_record.h"

namespace belvane {
class Host;
}

namespace belvane::app {
class StakesService;
} // namespace belvane::app

namespace belvane::gui {

class StakesModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    StakesModel(app::StakesService& stakes, Host& host, QObject* parent);

    // Re-reads the count of records (no operation runs); ends a freeze.
    void reload();
    // An operation starts: keep the rows first..last and the count, and read
    // the file no more until reload().
    void freeze(int first, int last);
    bool frozen() const { return frozen_; }
    // The record at a row; nullopt outside the file or when it cannot be read.
    std::optional<stakes::StakeRecord> recordAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void reportReadFailure(const QString& message) const;

    app::StakesService& stakes_;
    Host& host_;
    int count_ = 0;
    bool frozen_ = false;
    int windowFirst_ = 0;
    std::vector<stakes::StakeRecord> window_;
    // A file that cannot be read is reported once until the next reload.
    mutable bool readFailureShown_ = false;
};

} // namespace belvane::gui
