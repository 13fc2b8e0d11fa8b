#include "gui/qt_host.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QWidget>
#include <algorithm>

#include "gui/progress_dialog.h"
#include "gui/qt_text.h"
#include "gui/wait_dialog.h"

namespace belvane::gui {

void SetUpNumberDialog(QInputDialog& dialog, const QString& title, const QString& label, int value, int min, int max)
{
    dialog.setObjectName(QStringLiteral("NumberDialog"));
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(min, max);
    dialog.setIntStep(1);
    dialog.setIntValue(std::clamp(value, min, max));
    dialog.setCancelButtonText(QtHost::tr("Отмена"));
}

QtHost::QtHost(QWidget* window) : QObject(window), window_(window) {}

void QtHost::onWindowThread(const std::function<void()>& f, bool wait)
{
    if (QThread::currentThread() == thread()) {
        f();
        return;
    }
    QMetaObject::invokeMethod(this, f, wait ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

void QtHost::showMessage(MessageKind kind, std::string_view caption, std::string_view text)
{
    const QString title = qs(caption);
    const QString body = messageText(text);
    onWindowThread(
        [this, kind, title, body] {
            QMessageBox box(kind == MessageKind::Error         ? QMessageBox::Critical
                            : kind == MessageKind::Information ? QMessageBox::Information
                                                               : QMessageBox::Warning,
                            title, body, QMessageBox::Ok, window_);
            box.setObjectName(QStringLiteral("MessageBox"));
            box.exec();
        },
        true);
}

bool QtHost::askYesNo(std::string_view caption, std::string_view text, bool defaultYes)
{
    const QString title = qs(caption);
    const QString body = messageText(text);
    bool answer = defaultYes;
    onWindowThread(
        [&] {
            QMessageBox box(QMessageBox::Question, title, body, QMessageBox::Yes | QMessageBox::No, window_);
            box.setObjectName(QStringLiteral("QuestionBox"));
            box.button(QMessageBox::Yes)->setText(tr("Да"));
            box.button(QMessageBox::No)->setText(tr("Нет"));
            box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
            answer = box.exec() == QMessageBox::Yes;
        },
        true);
    return answer;
}

std::optional<int> QtHost::askNumber(std::string_view caption, std::string_view prompt, int value, int min, int max)
{
    const QString title = qs(caption);
    const QString label = messageText(prompt);
    std::optional<int> answer;
    onWindowThread(
        [&] {
            QInputDialog dialog(window_);
            SetUpNumberDialog(dialog, title, label, value, min, max);
            if (dialog.exec() == QDialog::Accepted)
                answer = dialog.intValue();
        },
        true);
    return answer;
}

void QtHost::showWait(std::string_view text)
{
    const QString s = messageText(text);
    onWindowThread(
        [this, s] {
            if (wait_ == nullptr) {
                wait_ = new WaitDialog(window_);
                connect(wait_, &WaitDialog::cancelRequested, this, [this] { requestCancel(); });
            }
            wait_->showText(s);
        },
        false);
}

void QtHost::closeWait()
{
    onWindowThread(
        [this] {
            if (wait_)
                wait_->hide();
        },
        false);
}

void QtHost::showScriptPanels(const ScriptPanels& panels)
{
    {
        const std::lock_guard lock(panelsMutex_);
        panels_ = panels;
    }
    // One update on its way shows the newest panels when it arrives.
    if (panelsPending_.exchange(true))
        return;
    onWindowThread(
        [this] {
            panelsPending_ = false;
            ScriptPanels shown;
            {
                const std::lock_guard lock(panelsMutex_);
                shown = panels_;
            }
            emit scriptPanelsChanged(shown.Cycle, shown.Line, shown.Stakes, messageText(shown.Activity));
        },
        false);
}

void QtHost::showStatus(std::string_view text)
{
    const QString s = messageText(text);
    onWindowThread(
        [this, s] {
            emit statusChanged(s);
            // The progress window says what the operation does, above a modal window too.
            if (progress_)
                progress_->setActivity(s);
        },
        false);
}

void QtHost::progressOpened(int64_t maximum, bool cancellable)
{
    shownPermille_ = -1;
    const QString activity = messageText(status());
    onWindowThread(
        [this, maximum, cancellable, activity] {
            // An operation started from a modal window (the repeats analysis)
            // shows its progress over that window: a window of the main
            // window's would be blocked, its "Отмена" out of reach.
            QWidget* owner = QApplication::activeModalWidget();
            if (owner == nullptr || owner == progress_.data())
                owner = window_;
            if (progress_ == nullptr) {
                progress_ = new ProgressDialog(owner);
                connect(progress_, &ProgressDialog::cancelRequested, this, [this] { requestCancel(); });
            } else if (progress_->parentWidget() != owner && !progress_->isVisible()) {
                progress_->setParent(owner, progress_->windowFlags());
            }
            progress_->setActivity(activity);
            progress_->start(maximum, cancellable);
        },
        false);
}

void QtHost::progressMoved(int64_t position, int64_t maximum)
{
    // Only visible changes cross threads.
    const int permille = maximum > 0 ? static_cast<int>(position * 1000 / maximum) : 0;
    if (permille == shownPermille_)
        return;
    shownPermille_ = permille;
    onWindowThread(
        [this, position, maximum] {
            if (progress_)
                progress_->moveTo(position, maximum);
        },
        false);
}

void QtHost::progressClosed()
{
    onWindowThread(
        [this] {
            if (progress_)
                progress_->finish();
        },
        false);
}

} // namespace belvane::gui
