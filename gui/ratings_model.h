#pragma once

// The ratings list (lvRatings): a row per rating record in the order of the
// ratings, its cells worded by the core in the chosen efficiency mode, then
// the comparison with random play. The model keeps its own copy of the
// records and their comparison, taken after each operation.

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "stakes/hit_table.h"
#include "stakes/ratings_chance.h"
#include "stakes/rating_record.h"
#include "stakes/ratings_texts.h"

namespace belvane::app {
class Workspace;
}

namespace belvane::gui {

class RatingsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Copies the ratings and the mode from the workspace (no operation runs).
    void reload(const app::Workspace& ws);
    // The keys of these rows; the rows holding these keys.
    std::vector<std::string> keysOfRows(const std::vector<int>& rows) const;
    std::vector<int> rowsOfKeys(const std::vector<std::string>& keys) const;
    // The record and its comparison shown in a row (nullptr outside the list).
    const stakes::RatingRecord* record(int row) const;
    const stakes::RowChance* chance(int row) const;
    size_t rowsCompared() const { return compared_; }

    static constexpr int ColumnCount = stakes::RatingsColumnCount + stakes::ChanceColumnCount;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    stakes::TRatingsArray records_;
    std::vector<stakes::RowChance> chance_;
    size_t compared_ = 0;
    stakes::EfficiencyMode mode_ = stakes::DefaultEfficiencyMode;
    stakes::HitTable hits_{};
};

} // namespace belvane::gui
