#pragma once

// "Карта" (tsCard): the draw map, one row per draw of the archive, newest
// first; cells coloured by repeats and runs or by channel. Selected cells
// keep or remove combinations.

#include <optional>

#include "app/analysis_service.h"
#include "gui/analysis_page.h"

class QTableView;

namespace belvane::gui {

class GridModel;

class CardPage final : public AnalysisPage {
    Q_OBJECT
public:
    explicit CardPage(PageHost& host);

    void fillSelection(app::ViewSelection& selection) const override;
    QTableView* cardView() const { return sgCard_; }
    const GridModel& model() const { return *model_; }

protected:
    void rebuild(bool force) override;

private:
    void registerActions();
    void filter(bool remove);

    QTableView* sgCard_;
    GridModel* model_;
    std::optional<app::ViewInputs> built_;
};

} // namespace belvane::gui
