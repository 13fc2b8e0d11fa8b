#include "gui/script_public_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/library_service.h"
#include "exchange/exchange_client.h"
#include "gui/qt_text.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

// The languages offered: those of the program family's interface.
constexpr int kLanguages[] = {1049, 1033, 1058, 1059, 1031, 1043};

QGroupBox* choiceGroup(QWidget* parent, const QString& name, const QString& title, QRadioButton*& first,
                       const QString& firstText, QRadioButton*& second, const QString& secondText)
{
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    auto* layout = new QVBoxLayout(group);
    first = new QRadioButton(firstText, group);
    second = new QRadioButton(secondText, group);
    layout->addWidget(first);
    layout->addWidget(second);
    return group;
}

} // namespace

TFormScrPublic::TFormScrPublic(QWidget* parent, scenario::tScriptData data, bool editable, Checker checker)
    : QDialog(parent), data_(std::move(data)), editable_(editable), checker_(std::move(checker))
{
    setObjectName(QStringLiteral("TFormScrPublic"));
    setWindowTitle(tr("Свойства сценария"));
    setMinimumWidth(520);
    auto* form = new QFormLayout(this);

    edClName_ = new QLineEdit(qs(data_.AuthorName), this);
    edClName_->setObjectName(QStringLiteral("edClName"));
    form->addRow(tr("Автор:"), edClName_);
    cbClLcid_ = new QComboBox(this);
    cbClLcid_->setObjectName(QStringLiteral("cbClLcid"));
    for (int lcid : kLanguages)
        cbClLcid_->addItem(qs(scenario::LanguageName(lcid)), lcid);
    if (cbClLcid_->findData(data_.Lcid) < 0 && data_.Lcid != 0)
        cbClLcid_->addItem(qs(scenario::LanguageName(data_.Lcid)), data_.Lcid);
    cbClLcid_->setCurrentIndex(std::max(cbClLcid_->findData(data_.Lcid), 0));
    form->addRow(tr("Язык:"), cbClLcid_);
    edTitle_ = new QLineEdit(qs(data_.Title), this);
    edTitle_->setObjectName(QStringLiteral("edTitle"));
    form->addRow(tr("Название:"), edTitle_);
    edDescr_ = new QPlainTextEdit(messageText(data_.Description), this);
    edDescr_->setObjectName(QStringLiteral("edDescr"));
    edDescr_->setTabChangesFocus(true);
    edDescr_->setFixedHeight(edDescr_->fontMetrics().lineSpacing() * 5 + 12);
    form->addRow(tr("Описание:"), edDescr_);

    form->addRow(choiceGroup(this, QStringLiteral("rgViewMode"), tr(" Доступность "), rbPublic_,
                             tr("Сценарий виден всем пользователям"), rbPrivate_, tr("Сценарий виден только мне")));
    form->addRow(choiceGroup(this, QStringLiteral("rgAppMode"), tr(" Применяемость "), rbThisApp_,
                             tr("Только в \"%1\"").arg(qs(exchange::ApplicationId)), rbUniversal_,
                             tr("В любом приложении Kalvo")));
    (data_.Public ? rbPublic_ : rbPrivate_)->setChecked(true);
    (data_.Universal ? rbUniversal_ : rbThisApp_)->setChecked(true);

    auto* buttons = new QDialogButtonBox(this);
    if (editable_) {
        ok_ = buttons->addButton(QDialogButtonBox::Ok);
        buttons->addButton(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    } else {
        buttons->addButton(QDialogButtonBox::Close)->setText(tr("Закрыть"));
        edClName_->setReadOnly(true);
        edTitle_->setReadOnly(true);
        edDescr_->setReadOnly(true);
        for (QWidget* choice :
             {static_cast<QWidget*>(cbClLcid_), static_cast<QWidget*>(rbPublic_), static_cast<QWidget*>(rbPrivate_),
              static_cast<QWidget*>(rbThisApp_), static_cast<QWidget*>(rbUniversal_)})
            choice->setEnabled(false);
    }
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &TFormScrPublic::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormScrPublic::reject);
    edTitle_->setFocus();
}

scenario::tScriptData TFormScrPublic::data() const
{
    scenario::tScriptData d = data_;
    d.AuthorName = ss(edClName_->text().trimmed());
    d.Lcid = cbClLcid_->currentData().toInt();
    d.Title = ss(edTitle_->text().trimmed());
    QString descr = edDescr_->toPlainText();
    descr.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    d.Description = ss(descr);
    d.Public = rbPublic_->isChecked();
    d.Universal = rbUniversal_->isChecked();
    return d;
}

void TFormScrPublic::accept()
{
    if (!editable_) {
        reject();
        return;
    }
    if (!ok_->isEnabled())
        return; // a check is under way
    const scenario::tScriptData d = data();
    if (!checker_) {
        if (d.Title.empty())
            checked(std::string(app::TitleRequiredMessage));
        else if (d.AuthorName.empty())
            checked(std::string(app::AuthorRequiredMessage));
        else
            checked(std::nullopt);
        return;
    }
    ok_->setEnabled(false);
    checker_(d, [dialog = QPointer<TFormScrPublic>(this)](std::optional<std::string> refusal) {
        if (dialog)
            dialog->checked(refusal);
    });
}

void TFormScrPublic::checked(const std::optional<std::string>& refusal)
{
    ok_->setEnabled(true);
    if (!refusal) {
        QDialog::accept();
        return;
    }
    // A refusal of its own is a base-language text, compared below; the service's is translated already.
    QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(support::Text(*refusal)));
    QLineEdit* field = *refusal == app::AuthorRequiredMessage ? edClName_ : edTitle_;
    field->setFocus();
    field->selectAll();
}

} // namespace belvane::gui
