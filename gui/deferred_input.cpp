#include "gui/deferred_input.h"

#include <QApplication>

namespace belvane::gui {
namespace {

// How often a change that waits for an operation looks again.
constexpr int kRetryMs = 50;

} // namespace

DeferredInput::DeferredInput(QObject* parent, std::function<bool()> busy, std::function<void()> apply)
    : QObject(parent), busy_(std::move(busy)), apply_(std::move(apply))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &DeferredInput::fire);
}

void DeferredInput::touch()
{
    timer_.start(PauseMs);
}

void DeferredInput::flush()
{
    if (!pending())
        return;
    timer_.stop();
    fire();
}

void DeferredInput::fire()
{
    // Not behind a dialog either: the dialog's own operation comes first.
    if (busy_() || QApplication::activeModalWidget() != nullptr) {
        timer_.start(kRetryMs);
        return;
    }
    apply_();
}

} // namespace belvane::gui
