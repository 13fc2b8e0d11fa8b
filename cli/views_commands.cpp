// belvane-cli views ..., analysis ... and ratings graph ...: the analysis
// views, the sums and repeats analyses and the stakes graphs as tables, and
// their charts as PNG pictures.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <fmt/format.h>
#include <iostream>
#include <regex>

#include "app/analysis_service.h"
#include "app/ratings_service.h"
#include "app/view_export_sources.h"
#include "app/workspace.h"
#include "cli/cli_context.h"
#include "cli/command_binding.h"
#include "cli/table_output.h"
#include "cli/xlsx_options.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/file_io.h"
#include "views/chart.h"

#ifdef BELVANE_CHART_PNG
#include "frontend/qt_chart.h"
#endif

namespace belvane::cli {
namespace {

struct ChartOutput {
    std::string format = "text";
    std::string png;
    std::string size = "1000x600";
};

void addChartOptions(CLI::App* command, ChartOutput& out)
{
    addFormatOption(command, out.format);
    command->add_option("--png", out.png, "Записать график в PNG-файл");
    command->add_option("--size", out.size, "Размер рисунка, ШИРИНАxВЫСОТА")->capture_default_str();
}

// Writes the picture when asked; throws FailureShown after a shown failure.
void writePng(WorkspaceSession& ws, const views::Chart& chart, const ChartOutput& out)
{
    if (out.png.empty())
        return;
    Host& host = ws->Host();
    static const std::regex kSize(R"((\d{2,5})x(\d{2,5}))");
    std::smatch m;
    if (!std::regex_match(out.size, m, kSize) || std::stoi(m[1]) < 100 || std::stoi(m[2]) < 100 ||
        std::stoi(m[1]) > 10000 || std::stoi(m[2]) > 10000) {
        host.showError(fmt::format("Некорректный размер рисунка: {} (ожидается ШИРИНАxВЫСОТА, 100..10000)!", out.size));
        throw FailureShown{};
    }
#ifdef BELVANE_CHART_PNG
    if (const std::string refusal = ws->Files().ownFileRefusal(out.png); !refusal.empty()) {
        host.showError(refusal);
        throw FailureShown{};
    }
    const std::vector<uint8_t> png = chart::RenderChartPng(chart, std::stoi(m[1]), std::stoi(m[2]));
    if (png.empty()) {
        host.showError("Ошибка построения рисунка графика!");
        throw FailureShown{};
    }
    try {
        files::writeFileAtomically(out.png, png);
    } catch (const Error& e) {
        host.showError(fmt::format("Ошибка записи файла рисунка!\r\r{}", e.what()));
        throw FailureShown{};
    }
#else
    (void)chart;
    host.showError("Эта сборка программы не рисует графики (нет Qt): PNG недоступен!");
    throw FailureShown{};
#endif
}

// A chart as a table: one column per series when every series has the same
// x values, else one row per point.
Table chartTable(const views::Chart& chart, std::string_view xCaption)
{
    Table table;
    bool shared = !chart.Series.empty();
    for (const views::ChartSeries& s : chart.Series) {
        const auto& first = chart.Series.front().Points;
        shared &= s.Points.size() == first.size() &&
                  std::equal(s.Points.begin(), s.Points.end(), first.begin(),
                             [](const views::ChartPoint& a, const views::ChartPoint& b) { return a.X == b.X; });
    }
    if (shared) {
        table.captions.emplace_back(xCaption);
        for (const views::ChartSeries& s : chart.Series)
            table.captions.push_back(s.Title);
        for (size_t i = 0; i < chart.Series.front().Points.size(); ++i) {
            std::vector<std::string> row{chart.Series.front().Points[i].Label};
            for (const views::ChartSeries& s : chart.Series)
                row.push_back(views::NumberLabel(s.Points[i].Y));
            table.rows.push_back(std::move(row));
        }
        return table;
    }
    table.captions = {"Серия", std::string(xCaption), "Значение"};
    for (const views::ChartSeries& s : chart.Series)
        for (const views::ChartPoint& p : s.Points)
            table.rows.push_back({s.Title, p.Label, views::NumberLabel(p.Y)});
    return table;
}

// ---- views ----------------------------------------------------------------------------

struct GraphOptions {
    std::string id;
    std::optional<int> length;
    bool marks = false;
    ChartOutput out;
};

int showGraph(CliContext& ctx, const GraphOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    const int entry = ws.entry(o.id);
    if (!ws->Registry().HasGraph(entry)) {
        ws->Host().showError(fmt::format("Метод {} не строит график по тиражам!", o.id));
        return ExitFailure;
    }
    const int length = o.length.value_or(ws->Settings().Get(app::key::DrawsGraphLen));
    const views::MethodGraph graph = ws->Analysis().Graph(entry, length);
    const views::Chart chart = views::MethodGraphChart(graph, o.marks);
    const TableFormat format = tableFormatFromName(o.out.format);
    printTable(std::cout, chartTable(chart, "Тираж"), format);
    if (format == TableFormat::Text && !graph.Values.empty())
        std::cout << fmt::format("{}: {}\n{}: {}\n", views::MeanSeriesTitle, views::NumberLabel(graph.Mean),
                                 views::MostFrequentSeriesTitle, graph.MostFrequent);
    writePng(ws, chart, o.out);
    return ExitOk;
}

struct CardOptions {
    std::string format = "text";
    XlsxOptions xlsx;
};

std::string_view classLetter(views::CardCellClass c)
{
    switch (c) {
    case views::CardCellClass::RunRepeat:
        return "Ж"; // yellow
    case views::CardCellClass::Repeat:
        return "С"; // lime
    case views::CardCellClass::Run:
        return "Г"; // aqua
    default:
        return "";
    }
}

int showCard(CliContext& ctx, const CardOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    if (o.xlsx.wanted())
        return writeXlsx(ctx, *ws, o.xlsx, app::CardExportSource(ws->Analysis().Card()),
                         {app::CardGridControl, app::CardExportTitle});
    Table table;
    table.captions = {"Тираж", "Числа", "E", "Цвета"};
    for (const views::CardRow& row : ws->Analysis().Card()) {
        std::string numbers, colours;
        for (int n = 1; n <= 45; ++n) {
            if (!row.Filled[static_cast<size_t>(n)])
                continue;
            numbers += (numbers.empty() ? "" : " ") + std::to_string(n);
            const std::string_view letter = classLetter(row.Classes[static_cast<size_t>(n)]);
            if (!letter.empty())
                colours += fmt::format("{}{}:{}", colours.empty() ? "" : " ", n, letter);
        }
        table.rows.push_back({std::to_string(row.DrawNumber), numbers, std::to_string(row.Extra), colours});
    }
    printTable(std::cout, table, tableFormatFromName(o.format));
    return ExitOk;
}

struct LayoutOptions {
    std::optional<int> length;
    bool compare = false;
    std::string format = "text";
    XlsxOptions xlsx;
};

int showLayout(CliContext& ctx, const LayoutOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    const app::LayoutView view = ws->Analysis().Layout(o.length.value_or(ws->Settings().Get(app::key::LayoutLen)));
    if (o.xlsx.wanted())
        return writeXlsx(ctx, *ws, o.xlsx, app::LayoutExportSource(view.Grid),
                         {app::LayoutGridControl, app::LayoutExportTitle});
    const TableFormat format = tableFormatFromName(o.format);
    Table table;
    if (o.compare) {
        table.captions = {"Список", "Тиражи", "Количество", "Числа"};
        for (size_t i = 0; i < view.Compare.size(); ++i)
            for (const views::LayoutCompareItem& item : view.Compare[i].Items)
                table.rows.push_back(
                    {std::to_string(i + 1), view.Compare[i].Heading, std::to_string(item.Count), item.Numbers});
    } else {
        table.captions.push_back("Кол-во");
        for (int d : view.Grid.DrawNumbers)
            table.captions.push_back(std::to_string(d));
        for (size_t r = 0; r < view.Grid.Counts.size(); ++r) {
            std::vector<std::string> row{std::to_string(view.Grid.Counts[r])};
            for (const views::LayoutCell& cell : view.Grid.Cells[r])
                row.push_back(cell.Text);
            table.rows.push_back(std::move(row));
        }
    }
    printTable(std::cout, table, format);
    return ExitOk;
}

struct WeekOptions {
    std::optional<int> length;
    int day = 6;
    std::optional<int> number;
    bool line = false;
    ChartOutput out;
};

int showWeek(CliContext& ctx, const WeekOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    const views::WeekGrid grid = ws->Analysis().Week(o.length.value_or(ws->Settings().Get(app::key::WeekLen)));
    const views::WeekdayNames names = views::RussianWeekdayNames();
    Table table;
    table.captions.push_back("");
    for (int n = 1; n <= 45; ++n)
        table.captions.push_back(std::to_string(n));
    for (int d = 1; d <= 7; ++d) {
        std::vector<std::string> row{names[static_cast<size_t>(d - 1)]};
        for (int n = 1; n <= 45; ++n) {
            const int c = grid.Counts[static_cast<size_t>(d)][static_cast<size_t>(n)];
            row.push_back(c > 0 ? std::to_string(c) : "");
        }
        table.rows.push_back(std::move(row));
    }
    printTable(std::cout, table, tableFormatFromName(o.out.format));
    const views::WeekChartMode mode = o.number ? views::WeekChartMode::ByWeekday : views::WeekChartMode::ByNumber;
    writePng(ws, views::WeekChart(grid, mode, o.line, o.day, o.number.value_or(1), names), o.out);
    return ExitOk;
}

// ---- analysis -----------------------------------------------------------------------------

int showSums(CliContext& ctx, const ChartOutput& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    const views::SumDistribution d = ws->Analysis().Sums();
    const TableFormat format = tableFormatFromName(o.format);
    if (format == TableFormat::Text)
        for (int k = 1; k <= 3; ++k)
            std::cout << views::SumRangeTitle(k, d.Ranges[static_cast<size_t>(k - 1)]) << '\n';
    Table table;
    table.captions = {"Сумма", "Комбинаций", "Тиражей"};
    for (const stats::TStatSimple& t : d.Theoretical) {
        int drawn = 0;
        for (const stats::TStatSimple& a : d.Actual)
            if (a.Key == t.Key)
                drawn = a.Value;
        table.rows.push_back({std::to_string(t.Key), std::to_string(t.Value), std::to_string(drawn)});
    }
    printTable(std::cout, table, format);
    writePng(ws, views::SumDistributionChart(d), o);
    return ExitOk;
}

struct RepeatsOptions {
    std::optional<int> length;
    std::optional<int> depth;
    ChartOutput out;
};

int showRepeats(CliContext& ctx, const RepeatsOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    app::AnalysisService& analysis = ws->Analysis();
    const int length = o.length.value_or(analysis.RepeatsSetting(app::key::RepeatsLength, views::DefaultRepeatsLength));
    const int depth = o.depth.value_or(analysis.RepeatsSetting(app::key::RepeatsDepth, views::DefaultRepeatsDepth));
    const std::optional<views::RepeatsTable> repeats = analysis.Repeats(length, depth);
    if (!repeats)
        return ExitFailure;
    Table table;
    table.captions = {"Тираж", "Совпадений", "Кол-во повторов", "Список тиражей"};
    for (const views::RepeatsRow& row : repeats->Rows)
        table.rows.push_back({std::to_string(row.DrawNumber), std::to_string(row.Matches), std::to_string(row.Count()),
                              row.EarlierText()});
    printTable(std::cout, table, tableFormatFromName(o.out.format));
    writePng(ws, views::RepeatsChart(*repeats), o.out);
    return ExitOk;
}

// ---- ratings graph ----------------------------------------------------------------------

struct RatingsGraphOptions {
    std::string kind;
    std::vector<std::string> keys;
    ChartOutput out;
};

int showRatingsGraph(CliContext& ctx, const RatingsGraphOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    // The rows named by --key (letter case aside); every row without one.
    const stakes::TRatingsArray& records = ws->Ratings().Ratings().records();
    std::vector<size_t> rows;
    for (size_t i = 0; i < records.size(); ++i) {
        const bool named = o.keys.empty() || std::any_of(o.keys.begin(), o.keys.end(), [&](const std::string& k) {
                               return views::SameTitle(k, records[i].Key);
                           });
        if (named)
            rows.push_back(i);
    }
    app::AnalysisService& analysis = ws->Analysis();
    std::optional<views::Chart> chart;
    if (o.kind == "draws")
        chart = analysis.StakesProfitGraph();
    else if (o.kind == "overlap")
        chart = analysis.SelectedStakesGraph(rows, views::StakeMeasure::Matches);
    else if (o.kind == "profits")
        chart = analysis.SelectedStakesGraph(rows, views::StakeMeasure::Profit);
    else {
        chart = analysis.MatchDistributionGraph(rows);
        if (!chart)
            ws->Host().showError("Не выбрано ни одной строки рейтинга!");
    }
    if (!chart)
        return ExitFailure;
    printTable(std::cout, chartTable(*chart, o.kind == "distribution" ? "Совпадений" : "Тираж"),
               tableFormatFromName(o.out.format));
    writePng(ws, *chart, o.out);
    return ExitOk;
}

} // namespace

void addViewsCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* viewsCmd = app.add_subcommand("views", "Аналитические представления архива");
    viewsCmd->require_subcommand(1);

    auto graph = std::make_shared<GraphOptions>();
    CLI::App* graphCmd = viewsCmd->add_subcommand("graph", "График значений метода по тиражам");
    graphCmd->add_option("id", graph->id, "ID метода (например, SUMS)")->required();
    graphCmd->add_option("--len", graph->length, "Количество тиражей")->check(CLI::Range(1, MaxOffset));
    graphCmd->add_flag("--marks", graph->marks, "Отображать метки на графике");
    addChartOptions(graphCmd, graph->out);
    onChosen(graphCmd, ctx, graph, showGraph);

    auto card = std::make_shared<CardOptions>();
    CLI::App* cardCmd =
        viewsCmd->add_subcommand("card", "Карта тиражей (цвета: Ж повтор в ряду, С повтор, Г ряд без повтора)");
    addFormatOption(cardCmd, card->format);
    addXlsxOptions(cardCmd, card->xlsx);
    onChosen(cardCmd, ctx, card, showCard);

    auto layout = std::make_shared<LayoutOptions>();
    CLI::App* layoutCmd = viewsCmd->add_subcommand("layout", "Схема выпадения номеров");
    layoutCmd->add_option("--len", layout->length, "Количество тиражей")->check(CLI::Range(1, MaxOffset));
    CLI::Option* compare =
        layoutCmd->add_flag("--compare", layout->compare, "Списки сравнения LayoutCompareLen1..5 вместо схемы");
    addFormatOption(layoutCmd, layout->format);
    addXlsxOptions(layoutCmd, layout->xlsx)->excludes(compare);
    onChosen(layoutCmd, ctx, layout, showLayout);

    auto week = std::make_shared<WeekOptions>();
    CLI::App* weekCmd = viewsCmd->add_subcommand("week", "Статистика по дням недели");
    weekCmd->add_option("--len", week->length, "Количество тиражей")->check(CLI::Range(1, MaxOffset));
    weekCmd->add_option("--day", week->day, "График: день недели 1 (пн) .. 7 (вс)")->check(CLI::Range(1, 7));
    weekCmd->add_option("--number", week->number, "График по дням недели для числа")->check(CLI::Range(1, 45));
    weekCmd->add_flag("--line", week->line, "Линия вместо столбцов");
    addChartOptions(weekCmd, week->out);
    onChosen(weekCmd, ctx, week, showWeek);

    CLI::App* analysisCmd = app.add_subcommand("analysis", "Анализ распределений");
    analysisCmd->require_subcommand(1);
    auto sums = std::make_shared<ChartOutput>();
    CLI::App* sumsCmd = analysisCmd->add_subcommand("sums", "Распределение сумм тиражей и всех возможных комбинаций");
    addChartOptions(sumsCmd, *sums);
    onChosen(sumsCmd, ctx, sums, showSums);

    auto repeats = std::make_shared<RepeatsOptions>();
    CLI::App* repeatsCmd = analysisCmd->add_subcommand("repeats", "Количество повторов в зависимости от тиража");
    repeatsCmd->add_option("--length", repeats->length, "Количество тиражей")->check(CLI::Range(1, MaxOffset));
    repeatsCmd->add_option("--depth", repeats->depth, "Глубина сравнения")->check(CLI::Range(1, MaxOffset));
    addChartOptions(repeatsCmd, repeats->out);
    onChosen(repeatsCmd, ctx, repeats, showRepeats);

    CLI::App* ratingsCmd = app.get_subcommand("ratings");
    auto ratings = std::make_shared<RatingsGraphOptions>();
    CLI::App* ratingsGraph = ratingsCmd->add_subcommand("graph", "Графики ставок и рейтинга");
    ratingsGraph->add_option("kind", ratings->kind, "draws, overlap, profits или distribution")
        ->required()
        ->check(CLI::IsMember({"draws", "overlap", "profits", "distribution"}));
    ratingsGraph->add_option("--key", ratings->keys, "Комментарий строки рейтинга (без --key: все строки)");
    addChartOptions(ratingsGraph, ratings->out);
    onChosen(ratingsGraph, ctx, ratings, showRatingsGraph);
}

} // namespace belvane::cli
