#pragma once

// The only way the core talks to a person: the status line, the progress
// window, message boxes and questions. The desktop program implements it with
// widgets, the command-line tool with the terminal, tests with a recorder.
// The core never waits on a person except through ask...().

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "support/translation.h"

namespace belvane {

inline constexpr std::string_view CaptionError = BELVANE_TEXT("Ошибка");
inline constexpr std::string_view CaptionInformation = BELVANE_TEXT("Информация");
inline constexpr std::string_view CaptionWarning = BELVANE_TEXT("Внимание!");
inline constexpr std::string_view CaptionCaution = BELVANE_TEXT("Предупреждение");
inline constexpr std::string_view CaptionConfirm = BELVANE_TEXT("Подтверждение");

inline constexpr std::string_view ProgressWindowText = BELVANE_TEXT("Подождите пожалуйста...");
inline constexpr std::string_view ProgressAlreadyOpenMessage = BELVANE_TEXT("Окно индикатора уже создано!");

enum class MessageKind { Error, Information, Warning };

// The scenario page's status panels while a scenario runs: "Цикл: %d",
// "Строка: %d" (1-based; the line the page selects), "Ставок: %d", the activity.
struct ScriptPanels {
    int Cycle = 0;
    int Line = 0;
    int Stakes = 0;
    std::string Activity;
};

class Host {
public:
    virtual ~Host() = default;

    // The status line; an empty text is the idle text.
    void setStatus(std::string_view text)
    {
        status_ = text;
        showStatus(text);
    }
    const std::string& status() const { return status_; }

    virtual void showMessage(MessageKind kind, std::string_view caption, std::string_view text) = 0;
    // A yes/no question with one answer preselected.
    virtual bool askYesNo(std::string_view caption, std::string_view text, bool defaultYes) = 0;
    // A whole number in min..max, or nullopt when the person declines.
    virtual std::optional<int> askNumber(std::string_view caption, std::string_view prompt, int value, int min,
                                         int max) = 0;

    // The captions are translated here; the texts by their makers.
    void showError(std::string_view text) { showMessage(MessageKind::Error, support::Text(CaptionError), text); }
    void showInformation(std::string_view text)
    {
        showMessage(MessageKind::Information, support::Text(CaptionInformation), text);
    }
    void showWarning(std::string_view text, std::string_view caption = CaptionWarning)
    {
        showMessage(MessageKind::Warning, support::Text(caption), text);
    }
    bool confirm(std::string_view text, bool defaultYes)
    {
        return askYesNo(support::Text(CaptionConfirm), text, defaultYes);
    }

    // The progress window. At most one is open at a time: opening a second one
    // throws Error(ProgressAlreadyOpenMessage). Steps never pass the maximum.
    void openProgress(int64_t maximum, bool cancellable);
    void stepProgress(int64_t by = 1);
    void closeProgress();
    bool progressOpen() const { return progressOpen_; }

    // One window for an operation of many steps (a scenario run): from hold
    // to release the progress window stays open and its gauge shows the
    // operation's own position. The windows its steps open are folded into
    // it: they open no window of their own, close nothing, move no gauge and
    // keep a request to stop, which the operation reads between its steps.
    void holdProgress(int64_t maximum, bool cancellable);
    void moveHeldProgress(int64_t position);
    void releaseProgress();
    bool progressHeld() const { return held_; }

    // "Отмена" of the progress window (or a scenario's stop) asks the running
    // operation to stop; operations poll cancelled() between steps. Safe to
    // call from another thread.
    void requestCancel() { cancel_ = true; }
    bool cancelled() const { return cancel_; }
    // A new operation starts without the last one's request to stop.
    void clearCancel() { cancel_ = false; }

    // The wait window: one text, no gauge (the download). A second call
    // replaces the text. Without a window of its own a host shows the text on
    // the status line.
    virtual void showWait(std::string_view text) { setStatus(text); }
    virtual void closeWait() {}

    // A running scenario's panels; a host without them ignores them.
    virtual void showScriptPanels(const ScriptPanels&) {}

protected:
    virtual void showStatus(std::string_view text) = 0;
    virtual void progressOpened(int64_t maximum, bool cancellable) = 0;
    virtual void progressMoved(int64_t position, int64_t maximum) = 0;
    virtual void progressClosed() = 0;

private:
    std::string status_;
    bool progressOpen_ = false;
    bool held_ = false;
    int64_t heldMax_ = 0;
    int64_t progressMax_ = 0;
    int64_t progressPos_ = 0;
    std::atomic<bool> cancel_ = false;
};

// Shows a status text for the length of a scope and restores the text shown before.
class StatusScope {
public:
    StatusScope(Host& host, std::string_view text) : host_(host), previous_(host.status()) { host_.setStatus(text); }
    StatusScope(const StatusScope&) = delete;
    StatusScope& operator=(const StatusScope&) = delete;
    ~StatusScope() { host_.setStatus(previous_); }

private:
    Host& host_;
    std::string previous_;
};

// The progress window for the length of a scope.
class ProgressScope {
public:
    ProgressScope(Host& host, int64_t maximum, bool cancellable) : host_(host)
    {
        host_.openProgress(maximum, cancellable);
    }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    ~ProgressScope() { host_.closeProgress(); }

    void step(int64_t by = 1) { host_.stepProgress(by); }
    bool cancelled() const { return host_.cancelled(); }

private:
    Host& host_;
};

// The held progress window for the length of a scope.
class HeldProgressScope {
public:
    HeldProgressScope(Host& host, int64_t maximum, bool cancellable) : host_(host)
    {
        host_.holdProgress(maximum, cancellable);
    }
    HeldProgressScope(const HeldProgressScope&) = delete;
    HeldProgressScope& operator=(const HeldProgressScope&) = delete;
    ~HeldProgressScope() { host_.releaseProgress(); }

    void moveTo(int64_t position) { host_.moveHeldProgress(position); }

private:
    Host& host_;
};

// The wait window for the length of a scope.
class WaitScope {
public:
    WaitScope(Host& host, std::string_view text) : host_(host) { host_.showWait(text); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;
    ~WaitScope() { host_.closeWait(); }

    void show(std::string_view text) { host_.showWait(text); }

private:
    Host& host_;
};

// "( завершено 45 % )": the status-line suffix of a long operation.
std::string CompletedPercentText(double percent);

// The question every list asks before deleting rows ("no" preselected,
// caption CaptionCaution): "Удалить выделенную запись?" for one row, else
// "Удалить все выделенные записи (всего будет удалено %d записи(ей))?".
std::string DeleteRowsQuestion(size_t rows);

} // namespace belvane
