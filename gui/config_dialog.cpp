#include "gui/config_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/config_editing.h"
#include "gui/qt_text.h"
#include "support/host.h"
#include "support/money.h"
#include "support/translation.h"

namespace belvane::gui {
namespace {

// Cells whose editor accepts only the characters a pattern allows.
class PatternDelegate final : public QStyledItemDelegate {
public:
    PatternDelegate(const QString& pattern, QObject* parent)
        : QStyledItemDelegate(parent), pattern_(QRegularExpression(pattern))
    {
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setValidator(new QRegularExpressionValidator(pattern_, line));
        return editor;
    }

private:
    QRegularExpression pattern_;
};

// Prizes: digits and one decimal separator; segments: digits.
const QString kPrizePattern = QStringLiteral("[0-9]*([.,][0-9]*)?");
const QString kSegmentPattern = QStringLiteral("[0-9]*");

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

ConfigDialog::ConfigDialog(QWidget* parent, const stats::TConfigData& config) : QDialog(parent), original_(config)
{
    setObjectName(QStringLiteral("FormConfig"));
    setWindowTitle(tr("Параметры системы"));
    auto* layout = new QHBoxLayout(this);

    // The matrix, its segments and the channels.
    auto* left = new QVBoxLayout;
    auto* sizes = new QFormLayout;
    auto* matrixRow = new QHBoxLayout;
    edMatrixCol_ = new QSpinBox(this);
    edMatrixCol_->setObjectName(QStringLiteral("edMatrixCol"));
    edMatrixCol_->setToolTip(tr("Количество столбцов"));
    edMatrixCol_->setRange(stats::MinMatrixCols, stats::MaxMatrixCols);
    edMatrixCol_->setValue(config.MatrixCols);
    edMatrixRow_ = new QLineEdit(this);
    edMatrixRow_->setObjectName(QStringLiteral("edMatrixRow"));
    edMatrixRow_->setToolTip(tr("Количество строк"));
    edMatrixRow_->setReadOnly(true);
    edMatrixRow_->setMaximumWidth(60);
    matrixRow->addWidget(edMatrixCol_);
    matrixRow->addWidget(new QLabel(QStringLiteral("x"), this));
    matrixRow->addWidget(edMatrixRow_);
    sizes->addRow(tr("Размер матрицы:"), matrixRow);
    edChannelSize_ = new QSpinBox(this);
    edChannelSize_->setObjectName(QStringLiteral("edChannelSize"));
    edChannelSize_->setToolTip(tr("Ширина канала"));
    edChannelSize_->setRange(stats::MinChannelSize, stats::MaxChannelSize);
    edChannelSize_->setValue(config.ChannelSize);
    sizes->addRow(tr("Размер канала:"), edChannelSize_);
    left->addLayout(sizes);
    left->addWidget(new QLabel(tr("Сегменты матрицы:"), this));
    sgSegments_ = new QTableWidget(this);
    sgSegments_->setObjectName(QStringLiteral("sgSegments"));
    sgSegments_->horizontalHeader()->hide();
    sgSegments_->verticalHeader()->hide();
    sgSegments_->setItemDelegate(new PatternDelegate(kSegmentPattern, sgSegments_));
    left->addWidget(sgSegments_, 1);
    layout->addLayout(left, 1);

    // Money and weights.
    auto* right = new QVBoxLayout;
    auto* money = new QFormLayout;
    edCost_ = new QDoubleSpinBox(this);
    edCost_->setObjectName(QStringLiteral("edCost"));
    edCost_->setToolTip(tr("Стоимость одной ставки"));
    edCost_->setDecimals(2);
    edCost_->setRange(0, 1e9);
    edCost_->setValue(static_cast<double>(config.Cost) / MoneyScale);
    money->addRow(tr("Стоимость ставки:"), edCost_);
    edStakeMaxLen_ = new QSpinBox(this); // hidden in this game; the value passes through
    edStakeMaxLen_->setObjectName(QStringLiteral("edStakeMaxLen"));
    edStakeMaxLen_->setRange(0, 45);
    edStakeMaxLen_->setValue(config.MaxStake);
    edStakeMaxLen_->hide();
    right->addLayout(money);
    right->addWidget(new QLabel(tr("Размеры выигрышей:"), this));
    edProfits_ = new QTableWidget(app::ProfitRowCount, 2, this);
    edProfits_->setObjectName(QStringLiteral("edProfits"));
    edProfits_->setHorizontalHeaderLabels({tr("Совпадений"), tr("Сумма выигрыша")});
    edProfits_->verticalHeader()->hide();
    edProfits_->horizontalHeader()->setStretchLastSection(true);
    edProfits_->setItemDelegateForColumn(1, new PatternDelegate(kPrizePattern, edProfits_));
    const auto rows = app::ProfitRows(config);
    for (int r = 0; r < app::ProfitRowCount; ++r) {
        const std::string& row = rows[static_cast<size_t>(r)];
        const size_t eq = row.find('=');
        auto* key = new QTableWidgetItem(qs(row.substr(0, eq)));
        key->setFlags(key->flags() & ~Qt::ItemIsEditable);
        edProfits_->setItem(r, 0, key);
        auto* prize = new QTableWidgetItem(qs(row.substr(eq + 1)));
        prize->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edProfits_->setItem(r, 1, prize);
    }
    right->addWidget(edProfits_);

    auto* weights = new QGroupBox(tr(" Коэффициенты для поля \"Вес\" "), this);
    auto* weightsForm = new QFormLayout(weights);
    edCoefCount_ = coefficientBox(weights, "edCoefCount", config.Weights.Count);
    edCoefDeviation_ = coefficientBox(weights, "edCoefDeviation", config.Weights.Deviation);
    edCoefLevel_ = coefficientBox(weights, "edCoefLevel", config.Weights.Level);
    weightsForm->addRow(tr("Количество:"), edCoefCount_);
    weightsForm->addRow(tr("Отклонение:"), edCoefDeviation_);
    weightsForm->addRow(tr("Глубина:"), edCoefLevel_);
    cbCoefPercents_ = new QCheckBox(tr("Использовать значения в %"), weights);
    cbCoefPercents_->setChecked(config.Weights.UsePercents);
    cbCoefAbs_ = new QCheckBox(tr("Использовать абсолютные значения"), weights);
    cbCoefAbs_->setChecked(config.Weights.UseAbsValues);
    weightsForm->addRow(cbCoefPercents_);
    weightsForm->addRow(cbCoefAbs_);
    right->addWidget(weights);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    right->addWidget(buttons);
    layout->addLayout(right, 1);

    std::vector<int> segments(config.MatrixSegments.begin(), config.MatrixSegments.end());
    layOutSegments(segments);
    connect(edMatrixCol_, &QSpinBox::valueChanged, this, [this] {
        // Each number keeps its segment when the grid changes shape.
        layOutSegments(segmentsInNumberOrder());
    });
    connect(sgSegments_, &QTableWidget::itemChanged, this, &ConfigDialog::segmentEdited);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(860, 520);
}

void ConfigDialog::layOutSegments(const std::vector<int>& segments)
{
    laying_ = true;
    const auto grid = app::SegmentGrid(edMatrixCol_->value());
    edMatrixRow_->setText(QString::number(grid.size()));
    sgSegments_->clear();
    sgSegments_->setRowCount(static_cast<int>(grid.size()));
    sgSegments_->setColumnCount(static_cast<int>(grid.front().size()));
    for (int r = 0; r < sgSegments_->rowCount(); ++r) {
        for (int c = 0; c < sgSegments_->columnCount(); ++c) {
            const int n = grid[static_cast<size_t>(r)][static_cast<size_t>(c)];
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            if (n == 0) {
                item->setFlags(Qt::NoItemFlags); // past number 45: cannot be selected
            } else {
                item->setText(QString::number(segments[static_cast<size_t>(n - 1)]));
                item->setToolTip(tr("Число %1").arg(n));
                item->setData(Qt::UserRole, n);
            }
            sgSegments_->setItem(r, c, item);
        }
    }
    for (int c = 0; c < sgSegments_->columnCount(); ++c)
        sgSegments_->setColumnWidth(c, 32);
    laying_ = false;
}

std::vector<int> ConfigDialog::segmentsInNumberOrder() const
{
    std::vector<int> segments(model::MaxNumber, 1);
    for (int r = 0; r < sgSegments_->rowCount(); ++r)
        for (int c = 0; c < sgSegments_->columnCount(); ++c)
            if (const QTableWidgetItem* item = sgSegments_->item(r, c); item && item->data(Qt::UserRole).toInt() > 0)
                segments[static_cast<size_t>(item->data(Qt::UserRole).toInt() - 1)] =
                    app::SegmentCellValue(ss(item->text()));
    return segments;
}

void ConfigDialog::segmentEdited(QTableWidgetItem* item)
{
    if (laying_ || item->data(Qt::UserRole).toInt() == 0)
        return;
    if (const auto problem = app::SegmentCellProblem(ss(item->text()))) {
        QMessageBox::critical(this, qs(support::Text(CaptionError)), messageText(*problem));
        laying_ = true;
        item->setText(QStringLiteral("1"));
        laying_ = false;
    }
}

stats::TConfigData ConfigDialog::config() const
{
    stats::TConfigData c = original_;
    c.MatrixCols = edMatrixCol_->value();
    c.ChannelSize = edChannelSize_->value();
    const std::vector<int> segments = segmentsInNumberOrder();
    for (size_t i = 0; i < c.MatrixSegments.size(); ++i)
        c.MatrixSegments[i] = static_cast<uint8_t>(segments[i]);
    // The box shows two decimals of the four stored: an untouched cost stays exact.
    const Money cost = ParseMoney(QString::number(edCost_->value(), 'f', 2).toStdString()).value_or(0);
    if (cost != ParseMoney(FormatMoney(original_.Cost, 2)).value_or(0))
        c.Cost = cost;
    c.MaxStake = edStakeMaxLen_->value();
    std::vector<std::string> rows;
    for (int r = 0; r < edProfits_->rowCount(); ++r)
        rows.push_back(ss(edProfits_->item(r, 0)->text() + QLatin1Char('=') + edProfits_->item(r, 1)->text()));
    c.Profits = app::MergeProfitRows(original_.Profits, rows);
    c.Weights.Count = edCoefCount_->value();
    c.Weights.Deviation = edCoefDeviation_->value();
    c.Weights.Level = edCoefLevel_->value();
    c.Weights.UsePercents = cbCoefPercents_->isChecked();
    c.Weights.UseAbsValues = cbCoefAbs_->isChecked();
    return c;
}

} // namespace belvane::gui
