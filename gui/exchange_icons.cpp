#include "gui/exchange_icons.h"

#include <QPainter>
#include <QPixmap>
#include <array>

namespace belvane::gui {
namespace {

QIcon drawSystemIcon(bool loaded, bool own)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = loaded ? QColor(0, 140, 60) : QColor(120, 120, 120);
    p.setPen(QPen(colour, 1.8));
    p.setBrush(loaded ? QBrush(colour.lighter(130)) : QBrush(Qt::NoBrush));
    const QRectF shape(3, 3, 10, 10);
    if (own)
        p.drawRect(shape);
    else
        p.drawEllipse(shape);
    return QIcon(pixmap);
}

QIcon drawScriptIcon(bool isPublic)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = isPublic ? QColor(30, 90, 200) : QColor(150, 110, 40);
    p.setPen(QPen(colour, 1.6));
    if (isPublic) {
        p.drawEllipse(QRectF(1.5, 4.5, 13, 7));
        p.setBrush(colour);
        p.drawEllipse(QRectF(6, 6, 4, 4));
    } else {
        p.drawArc(QRectF(1.5, 2, 13, 8), 200 * 16, 140 * 16);
        for (int x : {4, 8, 12})
            p.drawLine(QPointF(x, 9.5), QPointF(x - (x - 8) / 2.0, 12.5));
    }
    return QIcon(pixmap);
}

} // namespace

QIcon SystemRowIcon(bool loaded, bool own)
{
    static const std::array<QIcon, 4> icons = {drawSystemIcon(false, false), drawSystemIcon(false, true),
                                               drawSystemIcon(true, false), drawSystemIcon(true, true)};
    return icons[(loaded ? 2 : 0) + (own ? 1 : 0)];
}

QIcon ScriptRowIcon(bool isPublic)
{
    static const QIcon publicIcon = drawScriptIcon(true);
    static const QIcon privateIcon = drawScriptIcon(false);
    return isPublic ? publicIcon : privateIcon;
}

} // namespace belvane::gui
