#pragma once

// The wait window: one text and no gauge, for an operation whose length is
// unknown (the download), with "Отмена" to ask it to stop.

#include <QDialog>

class QLabel;
class QPushButton;

namespace belvane::gui {

class WaitDialog : public QDialog {
    Q_OBJECT
public:
    explicit WaitDialog(QWidget* parent);

    // Shows the window (again) with this text; "Отмена" is pressable anew.
    void showText(const QString& text);
    QString text() const;
    QPushButton* cancelButton() const { return cancel_; }

signals:
    void cancelRequested();

protected:
    // Closing the window with Esc or its title bar would leave the operation
    // running behind it: that is what "Отмена" is for.
    void reject() override;

private:
    QLabel* text_;
    QPushButton* cancel_;
};

} // namespace belvane::gui
