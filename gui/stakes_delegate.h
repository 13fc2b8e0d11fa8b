#pragma once

// Paints the cells of the stakes grid: the stake's numbers and the drawn
// numbers one by one, those that match in bold blue; texts kept 2 pixels off
// the cell's edges.

#include <QStyledItemDelegate>

namespace belvane::gui {

class StakesDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Space between two numbers drawn one by one, in pixels.
    static constexpr int NumberGap = 3;
    static constexpr int TextMargin = 2;
};

} // namespace belvane::gui
