#include "gui/generate_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "combs/generate.h"
#include "combs/list_file.h"
#include "gui/file_filters.h"
#include "gui/qt_text.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {

GenerateDialog::GenerateDialog(QWidget* parent, const app::GenerateSettings& settings) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormGenerate"));
    setWindowTitle(tr("Создание нового списка комбинаций"));
    setMinimumWidth(520);
    auto* layout = new QVBoxLayout(this);

    mode_ = new QComboBox(this);
    mode_->setObjectName(QStringLiteral("cbCombsGenerateMode"));
    for (std::string_view text : combs::GenerateModeTexts)
        mode_->addItem(qs(support::Text(text)));
    mode_->setCurrentIndex(settings.Mode >= 0 && settings.Mode < mode_->count() ? settings.Mode : 0);
    layout->addWidget(mode_);

    layout->addWidget(new QLabel(tr("Мои числа или имя файла для загрузки:"), this));
    auto* row = new QHBoxLayout;
    parameter_ = new QLineEdit(qs(settings.Parameters), this);
    parameter_->setObjectName(QStringLiteral("edCombsGenerateParameters"));
    parameter_->setMaxLength(255);
    browse_ = new QToolButton(this);
    browse_->setText(QStringLiteral("..."));
    row->addWidget(parameter_);
    row->addWidget(browse_);
    layout->addLayout(row);

    saveDefault_ = new QCheckBox(tr("Сохранить эти параметры для генерации комбинаций \"по умолчанию\""), this);
    layout->addWidget(saveDefault_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        // Numbers that would give an empty list keep the dialog open for correcting them.
        if (const auto problem = combs::MyNumbersProblem(mode_->currentIndex(), ss(parameter_->text()))) {
            QMessageBox::warning(this, qs(support::Text(CaptionError)), messageText(*problem));
            parameter_->setFocus();
            return;
        }
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(mode_, &QComboBox::currentIndexChanged, this, [this] { updateControls(); });
    connect(browse_, &QToolButton::clicked, this, [this] {
        const QString file =
            QFileDialog::getOpenFileName(this, QString(), parameter_->text(), FileFilter(combs::ListFileFilter));
        if (!file.isEmpty())
            parameter_->setText(file);
    });
    updateControls();
}

void GenerateDialog::updateControls()
{
    parameter_->setEnabled(mode_->currentIndex() != combs::GenerateFull);
    browse_->setEnabled(mode_->currentIndex() == combs::GenerateFromFile);
}

app::GenerateSettings GenerateDialog::settings() const
{
    return {mode_->currentIndex(), ss(parameter_->text())};
}

bool GenerateDialog::saveAsDefault() const
{
    return saveDefault_->isChecked();
}

} // namespace belvane::gui
