#pragma once

// "Статистика" (tsDrawsStat): the chosen method and window, the statistics
// table with its chart, and filtering the combination list by its rows.

#include <QPointer>
#include <vector>

#include "gui/method_info_window.h"
#include "gui/page.h"

class QComboBox;
class QSortFilterProxyModel;
class QSpinBox;
class QSplitter;
class QTableView;

namespace belvane::gui {

class DeferredInput;
class StatChart;
class StatTableModel;

class StatPage final : public Page {
    Q_OBJECT
public:
    explicit StatPage(PageHost& host);

    void fillSelection(app::ViewSelection& selection) const override;
    void restoreState(const app::WindowStateFile& file) override;
    void saveState(app::WindowClosingState& state) override;
    void refresh() override;

    QTableView* statView() const { return lvDrawsStat_; }
    QComboBox* statTypeBox() const { return cbDrawsStatType_; }
    QSpinBox* statLengthBox() const { return edDrawsStatLen_; }
    StatChart* chart() const { return crtDrawsStat_; }
    // The description window once FiltersInfo has opened it.
    TFormFiltersInfo* infoWindow() const { return info_; }

    // Rows of the table as the model (and the service) numbers them, top to bottom as shown.
    std::vector<int> selectedStatRows() const;
    void selectStatRows(const std::vector<int>& modelRows);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void registerActions();
    void statXlsExport();
    // "Избранные статистики": the favourites dialog, then its OK on the worker.
    void filtersManager();
    // "Описание статистики": the chosen method's description in its own window.
    void filtersInfo();
    void refreshTypeList();
    // The chosen method's first sentence as the type box's tool tip.
    void showTypeSummary();

    QComboBox* cbDrawsStatType_;
    QSpinBox* edDrawsStatLen_;
    QSplitter* splitter_;
    QTableView* lvDrawsStat_;
    StatChart* crtDrawsStat_;
    StatTableModel* model_;
    QSortFilterProxyModel* sorted_;
    DeferredInput* typeInput_;
    DeferredInput* lengthInput_;
    bool updating_ = false;
    QPointer<TFormFiltersInfo> info_;
};

} // namespace belvane::gui
