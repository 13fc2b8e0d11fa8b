#pragma once

// The desktop program's host: the status line, the progress window, message
// boxes and questions. Operations run on a worker thread; every call is
// carried over to the window's thread (questions wait for the answer).

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <mutex>

#include "support/host.h"

class QInputDialog;
class QWidget;

namespace belvane::gui {

class ProgressDialog;
class WaitDialog;

// The whole-number question ("Количество тестов"): a spin box from min to max.
void SetUpNumberDialog(QInputDialog& dialog, const QString& title, const QString& label, int value, int min, int max);

class QtHost : public QObject, public Host {
    Q_OBJECT
public:
    explicit QtHost(QWidget* window);

    void showMessage(MessageKind kind, std::string_view caption, std::string_view text) override;
    bool askYesNo(std::string_view caption, std::string_view text, bool defaultYes) override;
    std::optional<int> askNumber(std::string_view caption, std::string_view prompt, int value, int min,
                                 int max) override;
    // The wait window (one text, no gauge); its "Отмена" asks the operation to stop.
    void showWait(std::string_view text) override;
    void closeWait() override;
    WaitDialog* waitDialog() const { return wait_; }
    // The progress window, once an operation has opened one.
    ProgressDialog* progressDialog() const { return progress_; }
    // A running scenario's panels reach the window as scriptPanelsChanged;
    // updates that come faster than the window takes them are merged.
    void showScriptPanels(const ScriptPanels& panels) override;

signals:
    void statusChanged(const QString& text);
    void scriptPanelsChanged(int cycle, int line, int stakes, const QString& activity);

protected:
    void showStatus(std::string_view text) override;
    void progressOpened(int64_t maximum, bool cancellable) override;
    void progressMoved(int64_t position, int64_t maximum) override;
    void progressClosed() override;

private:
    // Runs f on the window's thread: at once when called there, else queued,
    // waiting for it when `wait`.
    void onWindowThread(const std::function<void()>& f, bool wait);

    QPointer<QWidget> window_;
    QPointer<ProgressDialog> progress_; // goes with the modal window that owned it
    WaitDialog* wait_ = nullptr;
    int shownPermille_ = -1;
    std::mutex panelsMutex_;
    ScriptPanels panels_;
    std::atomic<bool> panelsPending_ = false;
};

} // namespace belvane::gui
