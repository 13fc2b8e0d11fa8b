#include "gui/stakes_delegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <span>

#include "gui/qt_text.h"
#include "gui/stakes_model.h"
#include "stakes/stake_texts.h"
#include "views/stake_colors.h"

namespace belvane::gui {
namespace {

struct NumberPiece {
    QString Text;
    bool Matched = false;
    int Width = 0;
};

// The numbers a cell draws one by one; empty when the cell is plain text.
std::vector<NumberPiece> numberPieces(const stakes::StakeRecord& r, int column)
{
    std::vector<NumberPiece> pieces;
    if (r.isSeparator())
        return pieces;
    std::span<const model::Ball> numbers;
    if (column == stakes::StakeNumbersColumn)
        numbers = r.numbers();
    else if (column == stakes::StakeDrawnColumn && r.Checked)
        numbers = r.Drawn;
    const auto matched = r.matchedNumbers();
    for (model::Ball n : numbers)
        pieces.push_back({QString::number(n), std::find(matched.begin(), matched.end(), n) != matched.end(), 0});
    return pieces;
}

} // namespace

void StakesDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget); // background, selection, focus

    const bool selected = (opt.state & QStyle::State_Selected) != 0;
    QColor color = opt.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    if (const QVariant fg = index.data(Qt::ForegroundRole); !selected && fg.canConvert<QColor>())
        color = fg.value<QColor>();
    const QRect rect = opt.rect.adjusted(TextMargin, 0, -TextMargin, 0);

    painter->save();
    painter->setClipRect(opt.rect);
    const auto* model = qobject_cast<const StakesModel*>(index.model());
    const int column = index.column();
    std::vector<NumberPiece> pieces;
    if (model && (column == stakes::StakeNumbersColumn || column == stakes::StakeDrawnColumn))
        if (const auto record = model->recordAt(index.row()))
            pieces = numberPieces(*record, column);

    if (pieces.empty()) {
        painter->setFont(opt.font);
        painter->setPen(color);
        const int alignment = index.data(Qt::TextAlignmentRole).toInt();
        painter->drawText(rect, alignment, QFontMetrics(opt.font).elidedText(text, Qt::ElideRight, rect.width()));
    } else {
        QFont bold = opt.font;
        bold.setBold(true);
        const QFontMetrics normalMetrics(opt.font);
        const QFontMetrics boldMetrics(bold);
        int total = NumberGap * static_cast<int>(pieces.size() - 1);
        for (NumberPiece& p : pieces) {
            p.Width = (p.Matched ? boldMetrics : normalMetrics).horizontalAdvance(p.Text);
            total += p.Width;
        }
        int x = std::max(rect.left(), rect.left() + (rect.width() - total) / 2);
        const QColor matchedColor = selected ? color : qcolor(views::MatchedNumberColor);
        for (const NumberPiece& p : pieces) {
            painter->setFont(p.Matched ? bold : opt.font);
            painter->setPen(p.Matched ? matchedColor : color);
            painter->drawText(QRect(x, rect.top(), p.Width, rect.height()), Qt::AlignLeft | Qt::AlignVCenter, p.Text);
            x += p.Width + NumberGap;
        }
    }
    painter->restore();
}

} // namespace belvane::gui
