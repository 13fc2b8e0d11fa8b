#include "stats/method_example.h"

#include <algorithm>

#include "stats/custom_stat.h"

namespace belvane::stats {
namespace {

// The value texts of draw `index` for a window ending at lastIdx, each text once.
std::vector<std::string> valueTexts(TCustomStat& stat, int index, int lastIdx, bool sorted, TStatDrawArray& values)
{
    TLastValueArray lastValues;
    GapWork work;
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

std::optional<MethodExample> ComputeMethodExample(const TStatList& registry, int entry, bool sorted)
{
    if (entry < 0 || entry >= registry.MethodCount() || registry.Draws().empty())
        return std::nullopt;
    const TStatMethod& method = registry.Item(entry);
    const int newest = static_cast<int>(registry.Draws().size()) - 1;

    MethodExample example;
    TStatDrawArray drawValues;
    {
        auto stat = method.CreateStat(registry.Context());
        example.DrawValues = valueTexts(*stat, newest, newest, sorted, drawValues);
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
    example.CombValues = valueTexts(*stat, newest + 1, newest, true, combValues);
    return example;
}

} // namespace belvane::stats
