#pragma once

// A grid of texts and cell colours the views fill and the table shows as it
// is: a snapshot, so the table never reads the workspace while an operation runs.

#include <QAbstractTableModel>
#include <QColor>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

class QTableView;

namespace belvane::gui {

struct GridCell {
    QString Text;
    QColor Background; // invalid: the table's own
};

class GridModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces everything: the column headings and the rows of cells.
    void reset(QStringList headings, std::vector<std::vector<GridCell>> rows);
    void clear() { reset({}, {}); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const GridCell& cell(int row, int column) const;

private:
    QStringList headings_;
    std::vector<std::vector<GridCell>> rows_;
};

// The first and last column and the texts of the selected cells of a view
// (column by column, within a column row by row). -1, -1 without a selection.
struct GridSelection {
    int FirstColumn = -1;
    int LastColumn = -1;
    std::vector<std::string> Texts;
};
GridSelection SelectedCells(const QTableView* view, const GridModel& model);

} // namespace belvane::gui
