#include "gui/kept_pane_size.h"

#include <QEvent>
#include <QSplitter>
#include <QTimer>
#include <algorithm>

namespace belvane::gui {

KeptPaneSize::KeptPaneSize(QSplitter* splitter, int saved) : QObject(splitter), splitter_(splitter), saved_(saved)
{
    splitter_->installEventFilter(this);
}

std::optional<int> KeptPaneSize::current() const
{
    if (!shown_)
        return std::nullopt;
    const QList<int> sizes = splitter_->sizes();
    return sizes.isEmpty() ? std::nullopt : std::optional<int>(sizes.back());
}

bool KeptPaneSize::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == splitter_ && event->type() == QEvent::Show && !shown_) {
        shown_ = true;
        // The layout gives the splitter its size after the show.
        QTimer::singleShot(0, this, [this] { apply(); });
    }
    return QObject::eventFilter(watched, event);
}

void KeptPaneSize::apply()
{
    const int count = splitter_->count();
    if (saved_ <= 0 || count < 2)
        return;
    const int total = splitter_->orientation() == Qt::Vertical ? splitter_->height() : splitter_->width();
    const int room = total - splitter_->handleWidth() * (count - 1);
    const int last = std::clamp(saved_, 1, std::max(room - 1, 1));
    QList<int> sizes = splitter_->sizes();
    const int others = std::max(room - last, count - 1);
    // The panes before the last share what is left as they shared their sizes before.
    int before = 0;
    for (int i = 0; i < count - 1; ++i)
        before += sizes[i];
    for (int i = 0; i < count - 1; ++i)
        sizes[i] = before > 0 ? sizes[i] * others / before : others / (count - 1);
    sizes[count - 1] = last;
    splitter_->setSizes(sizes);
}

} // namespace belvane::gui
