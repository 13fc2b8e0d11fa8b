#pragma once

// "Создать систему" (TFormWheel): the count of numbers, the guarantee, the
// condition and the time the search may take. "Создать" runs the generator
// on the worker thread (the progress window's "Отмена" stops it) and shows
// the system with its lower bound and its exact check; "Установить" makes it
// the system of its count, asking first when one is installed. The fields
// stay as they were, so a second run can follow with another seed or time.

#include <QDialog>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace belvane::app {
struct WheelOutcome;
struct WheelRequest;
} // namespace belvane::app

namespace belvane::gui {

class PageHost;

class TFormWheel final : public QDialog {
    Q_OBJECT
public:
    TFormWheel(QWidget* parent, PageHost& host);
    ~TFormWheel() override;

    // What "Создать" asks the generator.
    app::WheelRequest request() const;
    // The system shown, once one was created; nullptr before.
    const app::WheelOutcome* outcome() const { return outcome_.get(); }
    // Whether the system shown was installed.
    bool installed() const;

    QSpinBox* numbersBox() const { return sbNumbers_; }
    QSpinBox* guaranteeBox() const { return sbGuarantee_; }
    QSpinBox* conditionBox() const { return sbCondition_; }
    QSpinBox* secondsBox() const { return sbSeconds_; }
    QSpinBox* seedBox() const { return sbSeed_; }
    QLabel* summaryLabel() const { return lblSummary_; }
    QPlainTextEdit* resultEdit() const { return mmResult_; }
    QPushButton* createButton() const { return btnCreate_; }
    QPushButton* installButton() const { return btnInstall_; }

    void create();
    void install();

public slots:
    // Closing waits for a running search: "Отмена" of the progress window stops it.
    void reject() override;

private:
    void updateSummary();
    void updateButtons();
    void showOutcome();

    PageHost& host_;
    QSpinBox* sbNumbers_;
    QSpinBox* sbGuarantee_;
    QSpinBox* sbCondition_;
    QSpinBox* sbSeconds_;
    QSpinBox* sbSeed_;
    QLabel* lblSummary_;
    QPlainTextEdit* mmResult_;
    QPushButton* btnCreate_;
    QPushButton* btnInstall_;
    QPushButton* btnClose_;
    std::unique_ptr<app::WheelRequest> shownRequest_; // what made the system shown
    std::unique_ptr<app::WheelOutcome> outcome_;
    bool running_ = false;
};

} // namespace belvane::gui
