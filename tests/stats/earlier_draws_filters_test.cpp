// The methods whose values depend on earlier draws (repeats, series, periods),
// filtering the full set: keeping a selection of table rows and then removing
// the same rows leaves nothing, and keeping and removing split the full set.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "helpers/stats_fixture.h"
#include "model/full_set.h"
#include "model/layout.h"

namespace belvane::stats {
namespace {

using model::TComb;

model::TDrawsArray randomArchive()
{
    std::mt19937 rng(2207);
    model::TDrawsArray draws;
    for (int i = 0; i < 80; ++i) {
        std::vector<model::Ball> pool(45);
        std::iota(pool.begin(), pool.end(), model::Ball{1});
        std::shuffle(pool.begin(), pool.end(), rng);
        TComb c{};
        std::copy_n(pool.begin(), 6, c.begin());
        draws.push_back(testing::makeDraw(500 + i + (i > 40 ? 3 : 0), c)); // a gap in the numbering
    }
    return draws;
}

TEST(EarlierDrawsFilters, KeepThenRemoveOverTheFullSetLeavesNothing)
{
    testing::StatsFixture f(randomArchive());
    f.config.ChannelSize = 4;
    f.config.MatrixSegments = model::ParseMatrixSegments("0123401234");
    f.list.BuildMethods();

    std::vector<TComb> full(static_cast<size_t>(model::FullSetSize));
    model::FillCombinations(0, full);
    std::vector<TComb> out(full.size());

    int methods = 0;
    for (int i = 0; i < f.list.MethodCount(); ++i) {
        const TStatMethod& m = f.list.Item(i);
        const int group = m.StatClass->GetGroup();
        if (group != GroupRepeats && group != GroupSeries && group != GroupPeriods)
            continue;
        ++methods;
        auto stat = f.list.CreateStat(i);
        const int last = 70;
        const TStatDrawArray rows = CalculateRange(*stat, {30, last}, false);
        TStatDrawArray selected;
        for (size_t r = 0; r < rows.size(); r += 3)
            selected.push_back(rows[r]);
        ASSERT_FALSE(selected.empty()) << m.ID();

        const auto matcher = stat->PrepareMatches(selected, {last, false});
        const size_t kept = matcher->filter(full, out.data(), true);
        EXPECT_GT(kept, 0u) << m.ID();
        EXPECT_EQ(matcher->filter({out.data(), kept}, out.data(), false), 0u) << m.ID();
        EXPECT_EQ(kept + matcher->filter(full, out.data(), false), full.size()) << m.ID();
    }
    EXPECT_EQ(methods, 29);
}

} // namespace
} // namespace belvane::stats
