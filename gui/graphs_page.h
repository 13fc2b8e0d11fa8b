#pragma once

// "Графики" (tsGraphs): one statistic method's value for every draw of the
// window, with its mean and its most frequent value.

#include <optional>

#include "app/analysis_service.h"
#include "gui/analysis_page.h"

class QCheckBox;
class QChartView;
class QComboBox;
class QSpinBox;

namespace belvane::gui {

class GraphsPage final : public AnalysisPage {
    Q_OBJECT
public:
    explicit GraphsPage(PageHost& host);

    QComboBox* typeBox() const { return cbDrawsGraphType_; }
    QChartView* chartView() const { return crtDrawsGraph_; }
    QCheckBox* marksBox() const { return cbDrawsGraphShowMarks_; }
    // The registry entry chosen; -1 for none.
    int chosenEntry() const;

protected:
    void rebuild(bool force) override;

private:
    void registerActions();
    void refreshTypeList();
    // The analyses of the archive that show their result in a graph window.
    void showSums();
    void showRepeats();

    QSpinBox* edDrawsGraphLen_;
    QComboBox* cbDrawsGraphType_;
    QCheckBox* cbDrawsGraphShowMarks_;
    QChartView* crtDrawsGraph_;
    std::optional<app::ViewInputs> built_;
};

} // namespace belvane::gui
