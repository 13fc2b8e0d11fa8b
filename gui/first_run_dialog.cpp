#include "gui/first_run_dialog.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/qt_text.h"

namespace belvane::gui {

FirstRunDialog::FirstRunDialog(QWidget* parent, const std::filesystem::path& helpFile) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormFirstRun"));
    setWindowTitle(tr("Справочная информация"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(tr("Добро пожаловать в Belvane 6x45!\n\n"
                               "Загрузите архив тиражей, выберите метод расчета статистики, выделите "
                               "значения в таблице и оставьте или удалите соответствующие комбинации."),
                            this);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto* help = new QPushButton(tr("Открыть справку"), this);
    std::error_code ec;
    help->setEnabled(!helpFile.empty() && std::filesystem::exists(helpFile, ec));
    connect(help, &QPushButton::clicked, this,
            [helpFile] { QDesktopServices::openUrl(QUrl::fromLocalFile(qs(helpFile.string()))); });
    layout->addWidget(help, 0, Qt::AlignLeft);
    dontShow_ = new QCheckBox(tr("Больше не показывать данный диалог"), this);
    layout->addWidget(dontShow_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

bool FirstRunDialog::dontShowAgain() const
{
    return dontShow_->isChecked();
}

} // namespace belvane::gui
