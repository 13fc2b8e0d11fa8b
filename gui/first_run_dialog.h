#pragma once

// "Справочная информация": shown at start while FirstRun is on.

#include <QDialog>
#include <filesystem>

class QCheckBox;

namespace belvane::gui {

class FirstRunDialog : public QDialog {
    Q_OBJECT
public:
    FirstRunDialog(QWidget* parent, const std::filesystem::path& helpFile);
    // "Больше не показывать данный диалог".
    bool dontShowAgain() const;

private:
    QCheckBox* dontShow_;
};

} // namespace belvane::gui
