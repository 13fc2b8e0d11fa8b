#include "stats/method_example.h"

#include <algorithm>

#include "stats/custom_stat.h"

namespace belvane::stats {
namespace {

// The value texts draw `index` adds for a window ending at lastIdx, each text
// once. The draws from `first` on are walked before it as the statistics table
// walks them, so that series and periods carried from draw to draw are there.
std::vector<std::string> valueTexts(TCustomStat& stat, int first, int index, int lastIdx, bool sorted,
                                    TStatDrawArray& values)
{
    TLastValueArray lastValues;
    GapWork work;
    for (int i = first; i < index; ++i) {
        values.clear();
        stat.DrawValues(i, lastIdx, lastValues, work, values, sorted);
    }
    values.clear();
    stat.DrawValues(index, lastIdx, lastValues, work, values, sorted);
    std::vector<std::string> texts;
    for (const TStatDraw& v : values) {
        std::string text = stat.ValueToText(v);
        if (std::find(texts.begin(), texts.end(), text) == texts.end())
            texts.push_back(std::move(text));
    }
    return texts;
}

} // namespace

std::optional<MethodExample> ComputeMethodExample(const TStatList& registry, int entry, bool sorted, int window)
{
    if (entry < 0 || entry >= registry.MethodCount() || registry.Draws().empty())
        return std::nullopt;
    const TStatMethod& method = registry.Item(entry);
    const int newest = static_cast<int>(registry.Draws().size()) - 1;
    const int first = std::max(0, newest - std::max(window, 1) + 1);

    MethodExample example;
    TStatDrawArray drawValues;
    {
        auto stat = method.CreateStat(registry.Context());
        example.DrawValues = valueTexts(*stat, first, newest, newest, sorted, drawValues);
        example.Draw = stat->CurDraw;
        // The filter test reads the window ending at the newest draw, as filtering the list does.
        example.KeptByDrawValues =
            !drawValues.empty() && stat->PrepareMatches(drawValues, {newest, sorted})->matches(example.Comb);
    }

    // The combination as the draw after the newest one: methods that read earlier
    // draws see it where a filter puts it.
    model::TDrawsArray extended = registry.Draws();
    model::TDraw next;
    next.Number = registry.Draws().back().Number + 1;
    next.Balls = example.Comb;
    extended.push_back(next);
    auto stat = method.CreateStat({&extended, &registry.Config()});
    TStatDrawArray combValues;
    example.CombValues = valueTexts(*stat, first, newest + 1, newest, true, combValues);
    return example;
}

} // namespace belvane::stats
