#include "views/method_graph.h"

#include "stats/stat_bases.h"
#include "stats/stat_list.h"
#include "stats/stat_values.h"
#include "support/translation.h"
#include "views/chart_layout.h"

namespace belvane::views {

MethodGraph BuildMethodGraph(const stats::TStatList& list, int entry, const DrawWindow& window, bool sorted)
{
    MethodGraph graph;
    if (entry < 0 || entry >= list.MethodCount())
        return graph;
    std::unique_ptr<stats::TCustomStat> method = list.CreateStat(entry);
    graph.Caption = list.Item(entry).DisplayCaption();
    auto* graphed = dynamic_cast<stats::TCustomGraphStat*>(method.get());
    if (graphed == nullptr || window.Empty())
        return graph;
    const model::TDrawsArray& draws = *method->Draws;
    stats::TStatSimpleArray counts;
    double sum = 0;
    graph.Values.reserve(static_cast<size_t>(window.Size()));
    for (int i = window.First; i <= window.Last; ++i) {
        const int value = graphed->GraphValue(i, window.Last, sorted);
        const int number = draws[static_cast<size_t>(i)].Number;
        graph.Values.push_back({static_cast<double>(number), static_cast<double>(value), std::to_string(number)});
        stats::AddStatSimple(counts, value, 1);
        sum += value;
    }
    graph.Mean = sum / static_cast<double>(graph.Values.size());
    int best = 0;
    for (const stats::TStatSimple& c : counts)
        if (c.Value > best) {
            best = c.Value;
            graph.MostFrequent = c.Key;
        }
    return graph;
}

Chart MethodGraphChart(const MethodGraph& graph, bool marks)
{
    Chart chart;
    chart.Caption = graph.Caption;
    if (graph.Values.empty())
        return chart;
    ChartSeries values;
    values.Title = graph.Caption;
    values.Points = graph.Values;
    values.Color = Green;
    values.MarkerOutline = Magenta;
    values.MarkerSize = 2;
    values.Marks = marks;
    values.MarksFollowToggle = true;
    chart.Series.push_back(std::move(values));
    // The mean may be fractional; the method's values decide the ticks.
    chart.WholeY = AllWholeY(chart);

    auto flat = [&](std::string_view title, double y, Rgb color) {
        ChartSeries s;
        s.Title = support::Text(title);
        s.Color = color;
        for (const ChartPoint& p : graph.Values)
            s.Points.push_back({p.X, y, p.Label});
        chart.Series.push_back(std::move(s));
    };
    flat(MeanSeriesTitle, graph.Mean, Blue);
    flat(MostFrequentSeriesTitle, graph.MostFrequent, Red);
    return chart;
}

} // namespace belvane::views
