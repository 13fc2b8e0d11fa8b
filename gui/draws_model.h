#pragma once

// The draws list (lvDraws): newest first, the offset row light red, the six
// numbers in channel colours. The model holds its own copy of the archive,
// taken after each operation, so it shows the last data while the next
// operation runs and never reads the workspace from the painting thread.

#include <QAbstractTableModel>

#include "model/draws.h"

namespace belvane::app {
class Workspace;
}

namespace belvane::gui {

class DrawsModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Copies what the list shows from the workspace (no operation runs).
    void reload(const app::Workspace& ws);
    int offset() const { return offset_; }
    // The draw shown at a row; nullptr outside the list.
    const model::TDraw* drawAt(int row) const;
    // The row showing the draw of that number; -1 when there is none.
    int rowOfNumber(int number) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    model::TDrawsArray draws_;
    int offset_ = 0;
    bool sorted_ = false;
    bool colored_ = false;
    int channelSize_ = 5;
};

} // namespace belvane::gui
