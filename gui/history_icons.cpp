#include "gui/history_icons.h"

#include <QPainter>
#include <QPixmap>
#include <functional>

namespace belvane::gui {
namespace {

QIcon drawnIcon(const QColor& color, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(color, 2.5));
    draw(p);
    return QIcon(pixmap);
}

} // namespace

QIcon KeepIcon()
{
    static const QIcon icon = drawnIcon(QColor(0, 140, 60), [](QPainter& p) {
        p.drawLine(3, 8, 13, 8);
        p.drawLine(8, 3, 8, 13);
    });
    return icon;
}

QIcon RemoveIcon()
{
    static const QIcon icon = drawnIcon(QColor(200, 30, 30), [](QPainter& p) { p.drawLine(3, 8, 13, 8); });
    return icon;
}

QIcon RollbackIcon()
{
    static const QIcon icon = drawnIcon(QColor(30, 90, 200), [](QPainter& p) {
        p.drawArc(3, 3, 10, 10, 90 * 16, 270 * 16);
        p.drawLine(8, 3, 5, 1);
        p.drawLine(8, 3, 5, 6);
    });
    return icon;
}

} // namespace belvane::gui
