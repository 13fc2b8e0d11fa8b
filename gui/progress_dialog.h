#pragma once

// The progress window: "Подождите пожалуйста...", what the operation does, a
// gauge and "Отмена".
//
// It is not modal and does not take the keyboard: while an operation runs the
// window's actions are off anyway (but for "Стоп" of a running scenario, which
// must stay reachable by menu and Ctrl+X), and the control that had the focus
// keeps it. It appears only once an operation has lasted a moment, so short
// ones do not flash it.

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace belvane::gui {

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent);

    // Opens the window (shown after the pause); "Отмена" is pressable anew.
    void start(qint64 maximum, bool cancellable);
    void moveTo(qint64 position, qint64 maximum);
    // The operation is over: the window goes (or never comes).
    void finish();
    // What the operation does now (its status text), under the window's text.
    void setActivity(const QString& text);
    QString activity() const;
    // Shows the window now, without the pause.
    void showNow();
    bool active() const { return active_; }
    int permille() const;
    QPushButton* cancelButton() const { return cancel_; }

    // How long an operation runs before the window appears.
    static constexpr int ShowDelayMs = 400;

signals:
    void cancelRequested();

protected:
    // Esc or the title bar would leave the operation running behind the
    // window: they press "Отмена" instead.
    void reject() override;

private:
    QLabel* activity_;
    QProgressBar* gauge_;
    QPushButton* cancel_;
    QTimer showTimer_;
    bool active_ = false;
};

} // namespace belvane::gui
