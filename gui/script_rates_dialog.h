#pragma once

// "Оценки пользователей" (TFormScrRates): every user's rating of an entry of
// the online library — who, the rating, when, from which program, and the
// comment.

#include <QDialog>
#include <vector>

#include "scenario/library_exchange.h"

class QTableView;

namespace belvane::gui {

class GridModel;

class TFormScrRates final : public QDialog {
    Q_OBJECT
public:
    TFormScrRates(QWidget* parent, const QString& title, const std::vector<scenario::ScriptRate>& rates);

    QTableView* ratesView() const { return lvRates_; }

private:
    GridModel* model_;
    QTableView* lvRates_;
};

} // namespace belvane::gui
