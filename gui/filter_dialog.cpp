#include "gui/filter_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>
#include <span>

#include "app/draws_stat_table.h"
#include "combs/filter.h"
#include "gui/qt_text.h"
#include "scenario/script_codes.h"
#include "stats/stat_list.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

// The two value edits take what the integer-list notation is made of.
const QString kValuePattern = QStringLiteral("[0-9,;\\-]*");

QComboBox* comboBox(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(36);
    return box;
}

void addCodeTexts(QComboBox* box, std::span<const scenario::ScriptCode> table)
{
    for (int i = 0; i < static_cast<int>(table.size()); ++i)
        box->addItem(qs(scenario::CodeTableCaption(table, i, scenario::CodeForm::Dialog)));
}

QLineEdit* valueEdit(QWidget* parent, const char* name, const std::string& text)
{
    auto* edit = new QLineEdit(qs(text), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(kValuePattern), edit));
    return edit;
}

QDoubleSpinBox* coefficientBox(QWidget* parent, const char* name, long double value)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(3);
    box->setRange(-1e6, 1e6);
    box->setValue(static_cast<double>(value));
    return box;
}

} // namespace

FilterDialog::FilterDialog(QWidget* parent, const FilterDialogSetup& setup, const scenario::TFilterItem& item)
    : QDialog(parent), registry_(*setup.Registry), item_(item)
{
    setObjectName(QStringLiteral("FormFilter"));
    setWindowTitle(tr("Фильтр"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);

    cbDrawsStatType_ = comboBox(this, "cbDrawsStatType");
    cbDrawsStatType_->setMinimumContentsLength(50);
    addMethods(setup, item);
    form->addRow(tr("Тип фильтра:"), cbDrawsStatType_);

    // A step whose method the registry lacks keeps its draw counts as typed.
    const std::string draws =
        unknownMethod_.isEmpty() ? item.DrawsText : ss(qs(item.MethodText).section(QLatin1Char(':'), 1, 1).trimmed());
    edDrawsLen_ = valueEdit(this, "edDrawsLen", draws);
    form->addRow(tr("Количество тиражей:"), edDrawsLen_);

    cbDrawsSortOrder_ = comboBox(this, "cbDrawsSortOrder");
    for (std::string_view caption : app::DrawsStatCaptions)
        cbDrawsSortOrder_->addItem(qs(support::Text(caption)));
    // A column the table does not have shows nothing and is kept as it was.
    cbDrawsSortOrder_->setCurrentIndex(
        item.SortColumn >= 0 && item.SortColumn < cbDrawsSortOrder_->count() ? item.SortColumn : -1);
    form->addRow(tr("Сортировать по столбцу:"), cbDrawsSortOrder_);

    cbDirection_ = comboBox(this, "cbDirection");
    cbDirection_->addItems({tr("Сверху-вниз"), tr("Снизу-вверх")});
    cbDirection_->setCurrentIndex(item.BottomUp ? 1 : 0);
    form->addRow(tr("Направление:"), cbDirection_);

    cbMultiSelect_ =
        new QCheckBox(tr("Использовать режим одновременного выделения нескольких значений в списке"), this);
    cbMultiSelect_->setObjectName(QStringLiteral("cbMultiSelect"));
    cbMultiSelect_->setChecked(item.MultiSelect);
    form->addRow(cbMultiSelect_);

    cbFilterMode_ = comboBox(this, "cbFilterMode");
    cbFilterMode_->addItems({tr("Удалить выделенные"), tr("Оставить выделенные")});
    cbFilterMode_->setCurrentIndex(item.Keep ? 1 : 0);
    form->addRow(tr("Режим фильтра:"), cbFilterMode_);

    cbLevelMode_ = comboBox(this, "cbLevelMode");
    addCodeTexts(cbLevelMode_, scenario::Conditions);
    cbLevelMode_->setCurrentIndex(item.Condition);
    form->addRow(new QLabel(tr("Режим выделения значений в списке статистики:"), this));
    form->addRow(cbLevelMode_);
    edLevelValue_ = valueEdit(this, "edLevelValue", item.ConditionText);
    form->addRow(tr("Значения:"), edLevelValue_);

    auto* stopRow = new QHBoxLayout;
    cbStopMode_ = comboBox(this, "cbStopMode");
    cbStopMode_->setMinimumContentsLength(30);
    addCodeTexts(cbStopMode_, scenario::StopModes);
    cbStopMode_->setCurrentIndex(item.StopMode);
    stopRow->addWidget(cbStopMode_, 1);
    stopRow->addWidget(new QLabel(tr("Значение:"), this));
    edStopValue_ = new QSpinBox(this);
    edStopValue_->setObjectName(QStringLiteral("edStopValue"));
    edStopValue_->setRange(1, std::numeric_limits<int>::max());
    edStopValue_->setValue(std::max(item.StopValue, 1));
    stopRow->addWidget(edStopValue_);
    form->addRow(tr("Остановка по:"), stopRow);

    // Without its own coefficients a step shows the global ones.
    const stats::WeightCoefficients& weights = item.CoefOverride ? item.Weights : setup.GlobalWeights;
    gbCDL_ = new QGroupBox(tr(" Коэффициенты для расчета значений \"Вес\" "), this);
    gbCDL_->setObjectName(QStringLiteral("gbCDL"));
    auto* cdl = new QFormLayout(gbCDL_);
    cdl->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint); // numbers need no full-width boxes
    cbCDLOverride_ = new QCheckBox(tr("Использовать собственные коэффициенты фильтра"), gbCDL_);
    cbCDLOverride_->setObjectName(QStringLiteral("cbCDLOverride"));
    cbCDLOverride_->setChecked(item.CoefOverride);
    cdl->addRow(cbCDLOverride_);
    edCoefCount_ = coefficientBox(gbCDL_, "edCoefCount", weights.Count);
    edCoefDeviation_ = coefficientBox(gbCDL_, "edCoefDeviation", weights.Deviation);
    edCoefLevel_ = coefficientBox(gbCDL_, "edCoefLevel", weights.Level);
    cdl->addRow(tr("Количество:"), edCoefCount_);
    cdl->addRow(tr("Отклонение:"), edCoefDeviation_);
    cdl->addRow(tr("Глубина:"), edCoefLevel_);
    cbCoefPercents_ = new QCheckBox(tr("Использовать значения в %"), gbCDL_);
    cbCoefPercents_->setObjectName(QStringLiteral("cbCoefPercents"));
    cbCoefPercents_->setChecked(weights.UsePercents);
    cbCoefAbs_ = new QCheckBox(tr("Использовать абсолютные значения"), gbCDL_);
    cbCoefAbs_->setObjectName(QStringLiteral("cbCoefAbs"));
    cbCoefAbs_->setChecked(weights.UseAbsValues);
    cdl->addRow(cbCoefPercents_);
    cdl->addRow(cbCoefAbs_);
    layout->addWidget(gbCDL_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &FilterDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FilterDialog::reject);

    connect(cbLevelMode_, &QComboBox::currentIndexChanged, this, &FilterDialog::updateWeightControls);
    connect(cbCDLOverride_, &QCheckBox::toggled, this, &FilterDialog::updateWeightControls);
    updateWeightControls();
    cbDrawsStatType_->setFocus();
}

void FilterDialog::addMethods(const FilterDialogSetup& setup, const scenario::TFilterItem& item)
{
    for (size_t i = 0; i < setup.Entries.size() && i < static_cast<size_t>(setup.Texts.size()); ++i)
        cbDrawsStatType_->addItem(setup.Texts[static_cast<qsizetype>(i)], setup.Entries[i]);
    if (item.Method >= 0 && item.Method < registry_.MethodCount()) {
        // A method the main window's list leaves out (no favourite) stays the step's.
        int index = cbDrawsStatType_->findData(item.Method);
        if (index < 0) {
            cbDrawsStatType_->addItem(qs(registry_.MethodText(item.Method, true)), item.Method);
            index = cbDrawsStatType_->count() - 1;
        }
        cbDrawsStatType_->setCurrentIndex(index);
    } else if (!item.MethodText.empty()) {
        // A method word the registry does not know is kept as written unless another is chosen.
        unknownMethod_ = qs(item.MethodText).section(QLatin1Char(':'), 0, 0).trimmed();
        cbDrawsStatType_->insertItem(0, unknownMethod_, -1);
        cbDrawsStatType_->setCurrentIndex(0);
    } else {
        cbDrawsStatType_->setCurrentIndex(-1);
    }
}

void FilterDialog::updateWeightControls()
{
    const bool allowed = scenario::IsWeightCondition(cbLevelMode_->currentIndex());
    cbCDLOverride_->setEnabled(allowed);
    const bool own = allowed && cbCDLOverride_->isChecked();
    for (QWidget* w :
         std::initializer_list<QWidget*>{edCoefCount_, edCoefDeviation_, edCoefLevel_, cbCoefPercents_, cbCoefAbs_})
        w->setEnabled(own);
}

scenario::TFilterItem FilterDialog::itemFromControls() const
{
    scenario::TFilterItem r = item_;
    r.Active = true;
    const QString draws = edDrawsLen_->text();
    const QVariant entry = cbDrawsStatType_->currentData();
    r.Method = entry.isValid() ? entry.toInt() : -1;
    if (r.Method >= 0)
        r.MethodText = registry_.Item(r.Method).ID() + ':' + ss(draws);
    else if (!unknownMethod_.isEmpty() && cbDrawsStatType_->currentIndex() >= 0)
        r.MethodText = ss(draws.isEmpty() ? unknownMethod_ : unknownMethod_ + QLatin1Char(':') + draws);
    else
        r.MethodText.clear();
    r.DrawsText = ss(draws);
    if (cbDrawsSortOrder_->currentIndex() >= 0)
        r.SortColumn = cbDrawsSortOrder_->currentIndex();
    r.BottomUp = cbDirection_->currentIndex() == 1;
    r.MultiSelect = cbMultiSelect_->isChecked();
    r.Keep = cbFilterMode_->currentIndex() == 1;
    r.Condition = static_cast<uint8_t>(std::max(cbLevelMode_->currentIndex(), 0));
    r.ConditionText = ss(edLevelValue_->text());
    r.StopMode = static_cast<uint8_t>(std::max(cbStopMode_->currentIndex(), 0));
    r.StopValue = edStopValue_->value();
    r.CoefOverride = cbCDLOverride_->isChecked();
    r.Weights = scenario::NoWeights;
    if (r.CoefOverride) {
        r.Weights.Count = edCoefCount_->value();
        r.Weights.Deviation = edCoefDeviation_->value();
        r.Weights.Level = edCoefLevel_->value();
        r.Weights.UsePercents = cbCoefPercents_->isChecked();
        r.Weights.UseAbsValues = cbCoefAbs_->isChecked();
    }
    return r;
}

void FilterDialog::accept()
{
    const scenario::TFilterItem built = itemFromControls();
    if (const auto problem = combs::ValidateFilterStep(scenario::FilterStepInputOf(registry_, built))) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(problem->Message));
        if (auto* control = findChild<QWidget*>(qs(problem->Control)))
            control->setFocus();
        return; // the dialog stays open
    }
    item_ = built;
    QDialog::accept();
}

} // namespace belvane::gui
