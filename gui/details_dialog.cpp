#include "gui/details_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/qt_text.h"
#include "views/colors.h"

namespace belvane::gui {

DetailsDialog::DetailsDialog(QWidget* parent, const std::vector<app::DetailsRow>& rows, CardSource card, int columns)
    : QDialog(parent), source_(std::move(card))
{
    setObjectName(QStringLiteral("FormDetails"));
    setWindowTitle(tr("Подробная информация"));
    resize(900, 560);
    auto* layout = new QHBoxLayout(this);

    auto* properties = new QTableWidget(static_cast<int>(rows.size()), 2, this);
    properties->setObjectName(QStringLiteral("lvProperties"));
    properties->setHorizontalHeaderLabels({tr("Свойство"), tr("Значение")});
    properties->verticalHeader()->hide();
    properties->verticalHeader()->setDefaultSectionSize(properties->fontMetrics().height() + 6);
    properties->setEditTriggers(QAbstractItemView::NoEditTriggers);
    properties->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        properties->setItem(r, 0, new QTableWidgetItem(qs(rows[static_cast<size_t>(r)].Property)));
        auto* value = new QTableWidgetItem(qs(rows[static_cast<size_t>(r)].Value));
        value->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        properties->setItem(r, 1, value);
    }
    properties->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    properties->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    layout->addWidget(properties, 3);

    auto* right = new QVBoxLayout;
    auto* columnsRow = new QHBoxLayout;
    columnsRow->addWidget(new QLabel(tr("Количество столбцов:"), this));
    columns_ = new QSpinBox(this);
    columns_->setObjectName(QStringLiteral("seCols"));
    columns_->setRange(1, 45);
    columns_->setValue(columns);
    columnsRow->addWidget(columns_);
    columnsRow->addStretch();
    right->addLayout(columnsRow);
    card_ = new QTableWidget(this);
    card_->setObjectName(QStringLiteral("sgCardInfo"));
    card_->horizontalHeader()->hide();
    card_->verticalHeader()->hide();
    card_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    card_->setSelectionMode(QAbstractItemView::NoSelection);
    right->addWidget(card_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("Закрыть"));
    right->addWidget(buttons);
    layout->addLayout(right, 2);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(columns_, &QSpinBox::valueChanged, this, [this] { drawCard(); });
    drawCard();
}

void DetailsDialog::drawCard()
{
    const auto cells = source_(columns_->value());
    card_->clear();
    card_->setRowCount(static_cast<int>(cells.size()));
    card_->setColumnCount(cells.empty() ? 0 : static_cast<int>(cells.front().size()));
    QFont bold = card_->font();
    bold.setBold(true);
    for (int r = 0; r < card_->rowCount(); ++r) {
        for (int c = 0; c < card_->columnCount(); ++c) {
            const app::CardCell& cell = cells[static_cast<size_t>(r)][static_cast<size_t>(c)];
            if (cell.Number == 0)
                continue;
            auto* item = new QTableWidgetItem(QString::number(cell.Number));
            item->setTextAlignment(Qt::AlignCenter);
            item->setBackground(qcolor(views::ChannelColor(cell.Channel)));
            if (cell.Marked) {
                item->setFont(bold);
                item->setBackground(QColor(30, 110, 200));
                item->setForeground(Qt::white);
            }
            card_->setItem(r, c, item);
        }
    }
    const int side = card_->fontMetrics().height() + 14;
    for (int c = 0; c < card_->columnCount(); ++c)
        card_->setColumnWidth(c, side);
    for (int r = 0; r < card_->rowCount(); ++r)
        card_->setRowHeight(r, side);
}

} // namespace belvane::gui
