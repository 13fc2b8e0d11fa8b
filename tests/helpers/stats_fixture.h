#pragma once

#include <memory>

#include "helpers/draws_builder.h"
#include "stats/custom_stat.h"
#include "stats/range_stats.h"
#include "stats/stat_list.h"

namespace belvane::testing {

// A registry over an archive the test owns.
struct StatsFixture {
    model::TDrawsArray draws;
    stats::TStatList list{&draws};

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

// The record of the value whose key starts with v1 (nullptr when absent).
inline const stats::TStatDraw* findV1(const stats::TStatDrawArray& arr, int v1)
{
    for (const auto& r : arr)
        if (r.V1 == v1)
            return &r;
    return nullptr;
}

} // namespace belvane::testing
