#pragma once

// An input control whose change starts an operation: the change applies after
// a short pause in typing or browsing (or at once on Enter), and waits while
// an operation runs or a dialog is open. Every key reaches the control, which keeps its focus and
// stays enabled.

#include <QObject>
#include <QTimer>
#include <functional>

namespace belvane::gui {

class DeferredInput : public QObject {
    Q_OBJECT
public:
    // busy: whether an operation runs now; apply: start the operation for the control's value.
    DeferredInput(QObject* parent, std::function<bool()> busy, std::function<void()> apply);

    // How long typing may pause before the value applies.
    static constexpr int PauseMs = 400;

    // The value changed: apply it after the pause.
    void touch();
    // Enter: apply a waiting change now (or as soon as no operation runs).
    void flush();
    // A change is waiting: what the control shows is newer than the workspace.
    bool pending() const { return timer_.isActive(); }

private:
    void fire();

    QTimer timer_;
    std::function<bool()> busy_;
    std::function<void()> apply_;
};

} // namespace belvane::gui
