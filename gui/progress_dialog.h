#pragma once

// The progress window: "Подождите пожалуйста...", a gauge and "Отмена".

#include <QDialog>

class QProgressBar;
class QPushButton;

namespace belvane::gui {

class ProgressDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProgressDialog(QWidget* parent);

    void start(qint64 maximum, bool cancellable);
    void moveTo(qint64 position, qint64 maximum);

signals:
    void cancelRequested();

private:
    QProgressBar* gauge_;
    QPushButton* cancel_;
};

} // namespace belvane::gui
