#include "app/analysis_service.h"

#include <algorithm>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/filter_request.h"
#include "app/ratings_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "app/window_settings.h"
#include "app/workspace.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"
#include "views/filter_values.h"

namespace belvane::app {
namespace {

constexpr std::array<std::string_view, views::LayoutCompareCount> kCompareKeys = {
    key::LayoutCompareLen1, key::LayoutCompareLen2, key::LayoutCompareLen3, key::LayoutCompareLen4,
    key::LayoutCompareLen5};

} // namespace

int AnalysisService::Offset() const
{
    return ws_.Archive().Offset();
}

ViewInputs AnalysisService::Inputs(int length, int entry) const
{
    return {ws_.Archive().Revision(),
            ws_.Configuration().Revision(),
            static_cast<int>(ws_.Archive().Draws().size()),
            Offset(),
            length,
            entry,
            ws_.Archive().Sorted()};
}

views::MethodGraph AnalysisService::Graph(int entry, int length) const
{
    StatusScope status(ws_.Host(), support::Text("Анализ тиражей и построение графиков..."));
    const auto window = views::WindowAt(static_cast<int>(ws_.Archive().Draws().size()), Offset(), length);
    return views::BuildMethodGraph(ws_.Registry(), entry, window, ws_.Archive().Sorted());
}

int AnalysisService::ChannelSize() const
{
    return ws_.Configuration().Data().ChannelSize;
}

std::vector<views::CardRow> AnalysisService::Card() const
{
    StatusScope status(ws_.Host(), support::Text("Обновление карты тиражей..."));
    const views::CardColoring coloring{ws_.Settings().Flag(key::ColorCard),
                                       ws_.Settings().Flag(key::ColorCardSequences), ChannelSize()};
    return views::BuildDrawCard(ws_.Archive().Draws(), coloring);
}

LayoutView AnalysisService::Layout(int length) const
{
    StatusScope status(ws_.Host(), support::Text("Построение схемы выпадения номеров..."));
    const model::TDrawsArray& draws = ws_.Archive().Draws();
    const int count = static_cast<int>(draws.size());
    LayoutView view;
    const views::TShemaArray numbers = views::CountWindowNumbers(draws, views::WindowAt(count, Offset(), length));
    view.Grid = views::BuildNumberLayout(numbers, views::NextDrawSet(draws, Offset()),
                                         ws_.Settings().Flag(key::LayoutGradient));
    for (size_t i = 0; i < view.Compare.size(); ++i)
        view.Compare[i] =
            views::BuildCompareList(draws, views::WindowAt(count, Offset(), ws_.Settings().Get(kCompareKeys[i])));
    return view;
}

views::WeekGrid AnalysisService::Week(int length) const
{
    StatusScope status(ws_.Host(), support::Text("Построение статистики по дням недели..."));
    const model::TDrawsArray& draws = ws_.Archive().Draws();
    return views::BuildWeekGrid(draws, views::WindowAt(static_cast<int>(draws.size()), Offset(), length));
}

// ---- filtering by cells ---------------------------------------------------------------

bool AnalysisService::RunFilter(const combs::FilterSelection& selection, bool remove)
{
    if (selection.Values.empty()) {
        // The undo copy is taken before the values are looked at, as for every
        // filter: an undo now brings back the list as it stands.
        ws_.Combinations().MutableList().saveUndo();
        ws_.Host().showError(support::Text(views::NoFilterValuesMessage));
        return false;
    }
    FilterRequest request;
    request.Entry = ws_.Registry().FindMethod("NUMS");
    request.Offset = Offset();
    request.Sorted = ws_.Archive().Sorted();
    request.Remove = remove;
    request.Values = selection;
    return ws_.Combinations().Filter(request);
}

bool AnalysisService::FilterByCells(CellSource source, std::span<const std::string> cellTexts, bool remove)
{
    const std::string caption = support::Text(source == CellSource::Card ? CardCaption : LayoutCaption);
    return RunFilter(views::NumbersSelection(cellTexts, caption), remove);
}

bool AnalysisService::FilterByWeekColumns(int firstColumn, int lastColumn, bool remove)
{
    return RunFilter(views::WeekColumnsSelection(firstColumn, lastColumn, support::Text(WeekCaption)), remove);
}

// ---- the analyses ------------------------------------------------------------------------

views::SumDistribution AnalysisService::Sums() const
{
    StatusScope status(ws_.Host(), support::Text("Идет сбор статистики...."));
    return views::BuildSumDistribution(ws_.Archive().Draws());
}

std::optional<views::RepeatsTable> AnalysisService::Repeats(int length, int depth)
{
    auto busy = ws_.Busy();
    Host& host = ws_.Host();
    StatusScope status(host, support::Text("Идет сбор статистики...."));
    const int total = std::min(std::max(1, length), static_cast<int>(ws_.Archive().Draws().size()));
    ProgressScope progress(host, std::max(1, total), true);
    int stepped = 0;
    return views::AnalyzeRepeats(ws_.Archive().Draws(), length, depth, [&](int done, int) {
        progress.step(done - stepped);
        stepped = done;
        return !progress.cancelled();
    });
}

std::optional<RepeatsView> AnalysisService::RepeatsWithGraph(int length, int depth)
{
    auto busy = ws_.Busy();
    std::optional<views::RepeatsTable> table = Repeats(length, depth);
    if (!table)
        return std::nullopt;
    Host& host = ws_.Host();
    StatusScope status(host, support::Text("Создание графиков..."));
    ProgressScope progress(host, std::max<int64_t>(1, static_cast<int64_t>(table->Rows.size())), true);
    int stepped = 0;
    std::optional<views::Chart> graph = views::RepeatsChart(*table, [&](int done, int) {
        progress.step(done - stepped);
        stepped = done;
        return !progress.cancelled();
    });
    if (!graph)
        return std::nullopt;
    return RepeatsView{std::move(*table), std::move(*graph)};
}

int AnalysisService::RepeatsSetting(std::string_view name, int fallback) const
{
    try {
        return std::max(1, ws_.Settings().File().ReadInteger(key::RepeatsSection, name, fallback));
    } catch (const Error&) {
        return fallback;
    }
}

void AnalysisService::SetRepeatsSetting(std::string_view name, int value)
{
    try {
        ws_.Settings().File().WriteInteger(key::RepeatsSection, name, value);
    } catch (const Error& e) {
        ws_.Host().showError(SettingsSaveErrorText(e.what()));
    }
}

std::vector<int> AnalysisService::RepeatsColumnWidths(std::span<const int> defaults) const
{
    try {
        return LoadColumnWidths(ws_.Settings().File(), key::RepeatsSection, key::RepeatsList, defaults);
    } catch (const Error&) {
        return {defaults.begin(), defaults.end()};
    }
}

void AnalysisService::SetRepeatsColumnWidths(std::span<const int> widths)
{
    try {
        SaveColumnWidths(ws_.Settings().File(), key::RepeatsSection, key::RepeatsList, widths);
    } catch (const Error& e) {
        ws_.Host().showError(SettingsSaveErrorText(e.what()));
    }
}

// ---- the graphs of the stakes and ratings ---------------------------------------------

std::optional<views::Chart> AnalysisService::StakesProfitGraph()
{
    auto busy = ws_.Busy();
    StatusScope status(ws_.Host(), support::Text("Создание графиков..."));
    try {
        stakes::StakesFile& file = ws_.Stakes().File();
        const size_t count = file.IsOpen() ? file.RecordCount() : 0;
        views::Chart chart =
            views::ProfitPerDrawChart(views::ProfitPerDraw(count, [&](size_t i) { return file.Read(i); }));
        chart.Caption = support::Text("Суммарный профит по тиражам");
        return chart;
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return std::nullopt;
    }
}

std::optional<views::Chart> AnalysisService::SelectedStakesGraph(std::span<const size_t> ratingRows,
                                                                 views::StakeMeasure measure)
{
    auto busy = ws_.Busy();
    StatusScope status(ws_.Host(), support::Text("Создание графиков..."));
    const stakes::TRatingsArray& records = ws_.Ratings().Ratings().records();
    std::vector<std::string> keys;
    for (size_t row : ratingRows)
        if (row < records.size())
            keys.push_back(records[row].Key);
    try {
        stakes::StakesFile& file = ws_.Stakes().File();
        const size_t count = file.IsOpen() ? file.RecordCount() : 0;
        views::Chart chart = views::SelectedStakesChart(
            count, [&](size_t i) { return file.Read(i); }, keys, measure);
        chart.Caption = measure == views::StakeMeasure::Matches ? support::Text("График совпадений ставок")
                                                                : support::Text("График профита ставок");
        return chart;
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return std::nullopt;
    }
}

std::optional<views::Chart> AnalysisService::MatchDistributionGraph(std::span<const size_t> ratingRows) const
{
    const stakes::TRatingsArray& records = ws_.Ratings().Ratings().records();
    std::vector<stakes::RatingRecord> rows;
    for (size_t row : ratingRows)
        if (row < records.size())
            rows.push_back(records[row]);
    if (rows.empty())
        return std::nullopt;
    views::Chart chart = views::MatchDistributionChart(rows);
    chart.Caption = support::Text("Количество совпадений");
    return chart;
}

std::optional<bool> AnalysisService::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    const bool listed = ws_.Combinations().Count() > 0;
    const auto within = [](int first, int last) { return first > 0 && last < views::CardExtraColumn && last >= first; };
    if (action == "CardFilter_Include" || action == "CardFilter_Exclude")
        return listed && ws_.Settings().Flag(key::TabCard) &&
               within(selection.CardFirstColumn, selection.CardLastColumn);
    if (action == "LayoutFilter_Include" || action == "LayoutFilter_Exclude")
        return listed && ws_.Settings().Flag(key::TabLayout) &&
               within(selection.LayoutFirstColumn, selection.LayoutLastColumn);
    if (action == "WeekFilter_Include" || action == "WeekFilter_Exclude")
        return listed && ws_.Settings().Flag(key::TabWeek) && selection.WeekLastColumn >= selection.WeekFirstColumn &&
               selection.WeekLastColumn > 0;
    // A grid of the draw column alone has nothing to export.
    if (action == "CardXlsExport")
        return ws_.Settings().Flag(key::TabCard) && selection.CardColumns > 2;
    if (action == "LayoutXlsExport")
        return ws_.Settings().Flag(key::TabLayout) && selection.LayoutColumns > 2;
    const bool hasStakes = ws_.Stakes().Count() > 0;
    if (action == "StakesGraphDraws")
        return hasStakes;
    if (action == "StakesGraphOverlap" || action == "StakesGraphProfits")
        return hasStakes && selection.RatingRows > 0;
    return std::nullopt;
}

} // namespace belvane::app
