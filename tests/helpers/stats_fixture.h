#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "helpers/draws_builder.h"
#include "stats/custom_stat.h"
#include "stats/stat_bases.h"
#include "stats/range_stats.h"
#include "stats/stat_list.h"

namespace belvane::testing {

// A registry over an archive and a configuration the test owns (rebuild the
// methods after changing the configuration).
struct StatsFixture {
    model::TDrawsArray draws;
    stats::TConfigData config;
    stats::TStatList list{{&draws, &config}};

    StatsFixture() { list.BuildMethods(); }
    explicit StatsFixture(model::TDrawsArray d) : draws(std::move(d)) { list.BuildMethods(); }

    std::unique_ptr<stats::TCustomStat> create(std::string_view id) const
    {
        const int entry = list.FindMethod(id);
        if (entry < 0)
            throw std::runtime_error("no method " + std::string(id));
        return list.CreateStat(entry);
    }

    // The statistics of the method over the whole archive.
    stats::TStatDrawArray values(std::string_view id, bool sorted = false) const
    {
        auto stat = create(id);
        return stats::CalculateRange(*stat, stats::DrawsWindow(static_cast<int>(draws.size()), 0, 1'000'000), sorted);
    }
};

// A registry over an archive of one draw.
inline StatsFixture oneDraw(model::TComb balls, int extra = 1)
{
    return StatsFixture({makeDraw(1, balls, extra)});
}

// The texts and counts of the values of a method that occurred, in record order.
using Texts = std::vector<std::pair<std::string, int>>;
inline Texts occurred(const StatsFixture& f, std::string_view id, bool sorted = false)
{
    auto stat = f.create(id);
    Texts out;
    for (const auto& v : f.values(id, sorted))
        if (v.Count > 0)
            out.emplace_back(stat->ValueToText(v), v.Count);
    return out;
}

// The texts of every value of a method, listed in advance or occurred.
inline std::vector<std::string> allTexts(const StatsFixture& f, std::string_view id)
{
    auto stat = f.create(id);
    std::vector<std::string> out;
    for (const auto& v : f.values(id))
        out.push_back(stat->ValueToText(v));
    return out;
}

// The value a graph method plots for six numbers.
inline int graphValue(const StatsFixture& f, std::string_view id, const model::TComb& c)
{
    return dynamic_cast<stats::TCustomGraphStat&>(*f.create(id)).CombValue(c, 0, false, 0);
}

// The record of the value whose key starts with v1 (nullptr when absent).
inline const stats::TStatDraw* findV1(const stats::TStatDrawArray& arr, int v1)
{
    for (const auto& r : arr)
        if (r.V1 == v1)
            return &r;
    return nullptr;
}

} // namespace belvane::testing
