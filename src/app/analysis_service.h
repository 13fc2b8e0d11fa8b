#pragma once

// The analysis views of the running program: the data of the "Графики",
// "Карта", "Схема" and "Неделя" tabs at the draws offset, what decides
// whether they need a rebuild, filtering by their cells, the sums and repeats
// analyses, and the graphs of the stakes and ratings.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/setting_keys.h"
#include "app/view_selection.h"
#include "combs/filter.h"
#include "views/chart.h"
#include "views/draw_card.h"
#include "views/method_graph.h"
#include "views/number_layout.h"
#include "views/repeats_analysis.h"
#include "views/stake_graphs.h"
#include "views/sum_distribution.h"
#include "views/week_grid.h"
#include "support/translation.h"

namespace belvane::app {

class Workspace;

// Every input a view is built from; a view whose inputs are as at its last
// build need not be built again. The archive and the configuration count by
// revision, so an edited draw or a new channel size rebuilds what shows them.
struct ViewInputs {
    uint64_t ArchiveRevision = 0;
    uint64_t ConfigRevision = 0;
    int DrawCount = -1;
    int Offset = -1;
    int Length = -1;
    int Entry = -1;
    bool Sorted = false;
    friend bool operator==(const ViewInputs&, const ViewInputs&) = default;
};

struct LayoutView {
    views::NumberLayout Grid;
    std::array<views::LayoutCompareList, views::LayoutCompareCount> Compare;
};

// What the repeats window shows: the list and its chart.
struct RepeatsView {
    views::RepeatsTable Table;
    views::Chart Graph;
};

// The captions the filters record for the views' cells.
inline constexpr std::string_view CardCaption = BELVANE_TEXT("Карта");
inline constexpr std::string_view LayoutCaption = BELVANE_TEXT("Схема");
inline constexpr std::string_view WeekCaption = BELVANE_TEXT("Неделя");

enum class CellSource { Card, Layout, Week };

class AnalysisService {
public:
    explicit AnalysisService(Workspace& workspace) : ws_(workspace) {}

    ViewInputs Inputs(int length, int entry = -1) const;

    // ---- the views at the draws offset ------------------------------------------
    // "Анализ тиражей и построение графиков...": registry entry, window length.
    views::MethodGraph Graph(int entry, int length) const;
    // The whole archive, coloured by the "ColorCard" and "ColorCardSequences" settings.
    std::vector<views::CardRow> Card() const;
    int ChannelSize() const;
    // The layout of the window of `length` draws ("LayoutGradient" colours)
    // and the five side lists of the "LayoutCompareLen1..5" windows.
    LayoutView Layout(int length) const;
    views::WeekGrid Week(int length) const;

    // ---- filtering by cells --------------------------------------------------------
    // Keeps or removes the combinations holding a number of the cells (card
    // and layout: cell texts, column by column; week: the columns first..last).
    // An empty set of values shows "В выделенном диапазоне нет значений для
    // фильтра!" and leaves the list as it is.
    bool FilterByCells(CellSource source, std::span<const std::string> cellTexts, bool remove);
    bool FilterByWeekColumns(int firstColumn, int lastColumn, bool remove);

    // ---- the analyses ----------------------------------------------------------------
    views::SumDistribution Sums() const;
    // With progress (cancellable): nullopt when cancelled.
    std::optional<views::RepeatsTable> Repeats(int length, int depth);
    // The list ("Идет сбор статистики....", a step per analysed draw), then
    // its chart ("Создание графиков...", a step per row); nullopt when cancelled.
    std::optional<RepeatsView> RepeatsWithGraph(int length, int depth);
    // The repeats window's own settings (key::RepeatsLength, key::RepeatsDepth, ...).
    int RepeatsSetting(std::string_view name, int fallback) const;
    void SetRepeatsSetting(std::string_view name, int value);
    // The widths of the repeats list's columns (the saved ones, else the defaults).
    std::vector<int> RepeatsColumnWidths(std::span<const int> defaults) const;
    void SetRepeatsColumnWidths(std::span<const int> widths);

    // ---- the graphs of the stakes and ratings --------------------------------------
    // A failure is shown and gives nullopt.
    std::optional<views::Chart> StakesProfitGraph();
    std::optional<views::Chart> SelectedStakesGraph(std::span<const size_t> ratingRows, views::StakeMeasure measure);
    std::optional<views::Chart> MatchDistributionGraph(std::span<const size_t> ratingRows) const;

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    int Offset() const;
    bool RunFilter(const combs::FilterSelection& selection, bool remove);

    Workspace& ws_;
};

} // namespace belvane::app
