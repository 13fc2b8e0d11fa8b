#include "gui/script_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>
#include <span>

#include "gui/qt_text.h"
#include "scenario/script_codes.h"
#include "stats/stat_list.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

QComboBox* codeBox(QWidget* parent, const char* name, std::span<const scenario::ScriptCode> table, int current)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (int i = 0; i < static_cast<int>(table.size()); ++i)
        box->addItem(qs(scenario::CodeTableCaption(table, i, scenario::CodeForm::Dialog)));
    box->setCurrentIndex(current >= 0 && current < box->count() ? current : 0);
    return box;
}

} // namespace

ScriptDialog::ScriptDialog(QWidget* parent, const QString& caption, int32_t defaultDrawCount, const std::string& line,
                           FilterDialogSetup setup)
    : QDialog(parent), setup_(std::move(setup))
{
    setObjectName(QStringLiteral("FormScript"));
    setWindowTitle(caption.isEmpty() ? qs(support::Text(scenario::ElementDialogCaption)) : caption);
    const scenario::ScriptElementFields fields = scenario::ElementFieldsFromLine(line, defaultDrawCount);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QFormLayout;
    edComments_ = new QLineEdit(qs(fields.Comment), this);
    edComments_->setObjectName(QStringLiteral("edComments"));
    top->addRow(tr("Комментарии:"), edComments_);
    layout->addLayout(top);

    auto* options = new QGroupBox(tr(" Опции "), this);
    auto* optionsForm = new QFormLayout(options);
    cbStartCombsType_ = codeBox(options, "cbStartCombsType", scenario::StartModes, fields.StartMode);
    optionsForm->addRow(tr("Исходный список:"), cbStartCombsType_);
    edDrawsExclude_ = new QSpinBox(options);
    edDrawsExclude_->setObjectName(QStringLiteral("edDrawsExclude"));
    edDrawsExclude_->setRange(0, std::numeric_limits<int32_t>::max());
    edDrawsExclude_->setValue(std::max(fields.DrawCount, 0));
    optionsForm->addRow(tr("Количество тиражей:"), edDrawsExclude_);
    cbResultCombsMode_ = codeBox(options, "cbResultCombsMode", scenario::ResultModes, fields.ResultMode);
    optionsForm->addRow(tr("Результат:"), cbResultCombsMode_);
    cbClearStakes_ = new QCheckBox(qs(support::Text(scenario::ClearStakesCaption)), options);
    cbClearStakes_->setObjectName(QStringLiteral("cbClearStakes"));
    cbClearStakes_->setChecked(fields.ClearStakes);
    optionsForm->addRow(cbClearStakes_);
    cbNewOnly_ = new QCheckBox(qs(support::Text(scenario::NewOnlyCaption)), options);
    cbNewOnly_->setObjectName(QStringLiteral("cbNewOnly"));
    cbNewOnly_->setChecked(fields.NewOnly);
    optionsForm->addRow(cbNewOnly_);
    layout->addWidget(options);

    auto* filters = new QGroupBox(tr(" Фильтры "), this);
    auto* grid = new QGridLayout(filters);
    for (int i = 0; i < scenario::FilterSlotCount; ++i) {
        const auto slot = static_cast<size_t>(i);
        grid->addWidget(new QLabel(tr("Фильтр %1:").arg(i + 1), filters), i, 0);
        auto* edit = new QLineEdit(qs(fields.Filters[slot]), filters);
        edit->setObjectName(QStringLiteral("edFilter%1").arg(i + 1));
        edit->setMinimumWidth(480);
        edit->installEventFilter(this);
        grid->addWidget(edit, i, 1);
        auto* button = new QToolButton(filters);
        button->setObjectName(QStringLiteral("btnFilter%1").arg(i + 1));
        button->setText(QStringLiteral("..."));
        button->setToolTip(tr("Изменить фильтр %1").arg(i + 1));
        connect(button, &QToolButton::clicked, this, [this, i] { editFilter(i); });
        grid->addWidget(button, i, 2);
        edFilters_[slot] = edit;
        btnFilters_[slot] = button;
    }
    layout->addWidget(filters);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ScriptDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ScriptDialog::reject);
    edComments_->setFocus();
}

bool ScriptDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Double-clicking a filter field does what its "..." button does.
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < scenario::FilterSlotCount; ++i) {
            if (watched == edFilters_[static_cast<size_t>(i)]) {
                editFilter(i);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ScriptDialog::editFilter(int slot)
{
    if (slot < 0 || slot >= scenario::FilterSlotCount || setup_.Registry == nullptr)
        return;
    QLineEdit* edit = edFilters_[static_cast<size_t>(slot)];
    scenario::TFilterItem item = scenario::ParseFilterItem(*setup_.Registry, ss(edit->text()));
    if (!item.Active)
        item = setup_.NewStep; // an empty field starts a new step
    FilterDialog dialog(this, setup_, item);
    if (dialog.exec() != QDialog::Accepted)
        return;
    edit->setText(qs(scenario::FilterItemText(*setup_.Registry, dialog.item())));
    edit->setFocus();
}

scenario::ScriptElementFields ScriptDialog::fieldsFromControls() const
{
    scenario::ScriptElementFields fields;
    fields.Comment = ss(edComments_->text());
    fields.StartMode = cbStartCombsType_->currentIndex();
    fields.DrawCount = edDrawsExclude_->value();
    fields.ResultMode = cbResultCombsMode_->currentIndex();
    fields.ClearStakes = cbClearStakes_->isChecked();
    fields.NewOnly = cbNewOnly_->isChecked();
    for (size_t i = 0; i < edFilters_.size(); ++i)
        fields.Filters[i] = ss(edFilters_[i]->text());
    return fields;
}

void ScriptDialog::accept()
{
    const scenario::ScriptElementFields fields = fieldsFromControls();
    if (const auto problem = scenario::ValidateElementFields(fields)) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(problem->Message));
        if (auto* control = findChild<QWidget*>(qs(problem->Control)))
            control->setFocus();
        return; // the dialog stays open
    }
    line_ = scenario::ElementLineText(fields);
    QDialog::accept();
}

} // namespace belvane::gui
