#pragma once

// "Система" (TFormSystem): a system of the catalogue — its title,
// description, author, link and lines, with the counts and dates of the
// service. A new system and the user's own can be edited; another's is
// shown read-only. Leaving the lines normalises them; OK checks the fields
// in order and puts the focus on the first one that is wrong. The guarantee
// the lines really give is verified and shown beside the claimed block.

#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>

#include "systems/system_exchange.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace belvane::gui {

class TFormSystem final : public QDialog {
    Q_OBJECT
public:
    // Why a file the user names cannot be written (empty: it can).
    using OutputRefusal = std::function<std::string(const std::filesystem::path&)>;

    TFormSystem(QWidget* parent, systems::tSystemData system, bool editable, OutputRefusal refusal = {});

    // The system as the fields give it.
    systems::tSystemData system() const;
    bool editable() const { return editable_; }
    // What leaving the list does: valid lines as "01 02 03 04 05 06", the
    // others dropped; "Числа" and "Комбинаций" from them.
    void normalizeCombs();

    QLineEdit* titleEdit() const { return edTitle_; }
    QPlainTextEdit* descrEdit() const { return edDescr_; }
    QLineEdit* authorEdit() const { return edAuthor_; }
    QLineEdit* urlEdit() const { return edURL_; }
    QPushButton* urlButton() const { return btnURL_; }
    QPlainTextEdit* combsEdit() const { return edCombs_; }
    QLineEdit* numsEdit() const { return edNums_; }
    QLineEdit* olapEdit() const { return edOlap_; }
    QLineEdit* combCountEdit() const { return edCSize_; }
    QLineEdit* guaranteeEdit() const { return edGuarantee_; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // "Гарантия": what the lines really give, checked exactly, flagged when
    // it falls short of the block; after the lines, the numbers or the block changed.
    void updateGuarantee();
    void showCombsMenu(const QPoint& at);
    void loadCombs();
    void saveCombs();

    systems::tSystemData system_; // what the fields do not show (id, contact, dates)
    bool editable_;
    OutputRefusal refusal_;
    QLineEdit* edTitle_;
    QPlainTextEdit* edDescr_;
    QLineEdit* edAuthor_;
    QLineEdit* edURL_;
    QPushButton* btnURL_;
    QPlainTextEdit* edCombs_;
    QLineEdit* edCreated_;
    QLineEdit* edCSize_;
    QLineEdit* edNums_;
    QLineEdit* edCLen_;
    QLineEdit* edOlap_;
    QLineEdit* edGuarantee_;
    QLineEdit* edDownloads_;
    QLineEdit* edLastDownload_;
};

} // namespace belvane::gui
