#pragma once

// "Рейтинг" (tsRatings): the ratings list, sorted by the column clicked, the
// current row beside random play (chart and figures) below it, and the
// "Ставки" menu's ratings actions — rebuilding from the stakes, the CSV
// export and the three ways of showing the efficiency columns.

#include <string>
#include <vector>

#include "gui/page.h"

class QChartView;
class QPlainTextEdit;
class QTableView;

namespace belvane::gui {

class RatingsModel;

class RatingsPage final : public Page {
    Q_OBJECT
public:
    explicit RatingsPage(PageHost& host);

    void fillSelection(app::ViewSelection& selection) const override;
    void restoreState(const app::WindowStateFile& file) override;
    void saveState(app::WindowClosingState& state) override;
    void refresh() override;

    QTableView* ratingsView() const { return lvRatings_; }
    // The key of the row the comparison panel shows (empty: none).
    const std::string& shownChanceKey() const { return shownChanceKey_; }

private:
    void registerActions();
    // A click on a column's header: sorts by it, the other way round when it
    // is the sort column already.
    void sortBy(int column);
    void showSortOrder();
    void ratingsExport();
    std::vector<size_t> selectedRatingRows() const;
    // "Добавить в сценарий": the selected rows as scenario lines.
    void toScript();
    // "Количество совпадений" of the selected rows.
    void graphOverlap();
    // The stakes graphs: read on the worker thread, shown in a graph window.
    void stakesGraph(const char* action);
    // The current row beside random play in the panel below the list.
    void showChance();

    QTableView* lvRatings_;
    RatingsModel* model_;
    QChartView* crtChance_ = nullptr;
    QPlainTextEdit* mmChance_ = nullptr;
    std::string shownChanceKey_;
};

} // namespace belvane::gui
