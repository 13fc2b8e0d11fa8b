#pragma once

// "Подробная информация": the properties of a draw or a combination, and the
// six numbers on a card of a chosen number of columns.

#include <QDialog>
#include <functional>
#include <vector>

#include "app/archive_service.h"
#include "app/workspace.h"

class QSpinBox;
class QTableWidget;

namespace belvane::gui {

class DetailsDialog : public QDialog {
    Q_OBJECT
public:
    using CardSource = std::function<std::vector<std::vector<app::CardCell>>(int columns)>;

    DetailsDialog(QWidget* parent, const std::vector<app::DetailsRow>& rows, CardSource card, int columns);

private:
    void drawCard();

    QTableWidget* card_;
    QSpinBox* columns_;
    CardSource source_;
};

} // namespace belvane::gui
