#include "gui/status_bar_panel.h"

#include <QEvent>
#include <QPainter>
#include <QRegularExpression>
#include <algorithm>

namespace belvane::gui {
namespace {

constexpr int kMargin = 6;          // each side of the text
constexpr int kStretchMinimum = 60; // a stretching panel never shrinks below this
constexpr int kCounterMinimum = 60;

} // namespace

StatusBarPanel::StatusBarPanel(QWidget* parent, Sizing sizing) : QWidget(parent), sizing_(sizing)
{
    setSizePolicy(sizing == Sizing::Stretch ? QSizePolicy::Ignored : QSizePolicy::Fixed, QSizePolicy::Preferred);
    width_ = kCounterMinimum;
}

QString StatusBarPanel::WidestForm(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QString out = text;
    out.replace(number, QStringLiteral("0000000"));
    return out;
}

int StatusBarPanel::widthFor(const QString& text) const
{
    return fontMetrics().horizontalAdvance(text) + 2 * kMargin + 2;
}

void StatusBarPanel::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    setToolTip(text);
    if (sizing_ == Sizing::Counter) {
        const int wanted = widthFor(WidestForm(text));
        if (wanted > width_) {
            width_ = wanted;
            updateGeometry();
        }
    }
    update();
}

QString StatusBarPanel::shownText() const
{
    return fontMetrics().elidedText(text_, Qt::ElideRight, std::max(width() - 2 * kMargin, 0));
}

QSize StatusBarPanel::sizeHint() const
{
    const int height = fontMetrics().height() + 4;
    return {sizing_ == Sizing::Counter ? width_ : kStretchMinimum, height};
}

QSize StatusBarPanel::minimumSizeHint() const
{
    return sizeHint();
}

void StatusBarPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(rect().adjusted(kMargin, 0, -kMargin, 0), Qt::AlignLeft | Qt::AlignVCenter, shownText());
}

void StatusBarPanel::changeEvent(QEvent* event)
{
    // Another font: a counter panel is measured again.
    if (event->type() == QEvent::FontChange && sizing_ == Sizing::Counter) {
        width_ = std::max(kCounterMinimum, widthFor(WidestForm(text_)));
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

} // namespace belvane::gui
