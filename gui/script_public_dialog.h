#pragma once

// "Свойства сценария" (TFormScrPublic): an entry of the online library — its
// author, language, title, description, who sees it and where it applies.
// Editable for publishing and replacing, read-only for viewing. OK asks the
// checker (the title's uniqueness is the service's to tell) and stays open
// with the refusal's message and the focus on its field.

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

#include "scenario/library_exchange.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace belvane::gui {

class TFormScrPublic final : public QDialog {
    Q_OBJECT
public:
    // The refusal of the data, or nothing; `done` may be called later (after an exchange).
    using Done = std::function<void(std::optional<std::string> refusal)>;
    using Checker = std::function<void(const scenario::tScriptData& data, Done done)>;

    // Without a checker only the title and the author are checked.
    TFormScrPublic(QWidget* parent, scenario::tScriptData data, bool editable, Checker checker = {});

    scenario::tScriptData data() const;

    QLineEdit* authorEdit() const { return edClName_; }
    QComboBox* languageBox() const { return cbClLcid_; }
    QLineEdit* titleEdit() const { return edTitle_; }
    QPlainTextEdit* descrEdit() const { return edDescr_; }
    QRadioButton* publicButton() const { return rbPublic_; }
    QRadioButton* universalButton() const { return rbUniversal_; }
    QPushButton* okButton() const { return ok_; }

    void accept() override;

private:
    void checked(const std::optional<std::string>& refusal);

    scenario::tScriptData data_;
    bool editable_;
    Checker checker_;
    QLineEdit* edClName_;
    QComboBox* cbClLcid_;
    QLineEdit* edTitle_;
    QPlainTextEdit* edDescr_;
    QRadioButton* rbPublic_;
    QRadioButton* rbPrivate_;
    QRadioButton* rbThisApp_;
    QRadioButton* rbUniversal_;
    QPushButton* ok_ = nullptr;
};

} // namespace belvane::gui
