#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "helpers/stats_fixture.h"
#include "model/full_set.h"
#include "stats/custom_stat.h"

namespace belvane::stats {
namespace {

using model::TComb;
using testing::StatsFixture;

// The keys of every combination one after another, asked one at a time.
std::vector<uint64_t> oneByOne(const TCustomStat& stat, std::span<const TComb> combs)
{
    std::vector<uint64_t> keys;
    for (const TComb& c : combs) {
        KeyList list;
        stat.NumbersValues(c, list);
        keys.insert(keys.end(), list.begin(), list.end());
    }
    return keys;
}

// Every method with a full-set form gives the same keys a chunk at a time
// as one combination at a time, over chunks taken from all over the full set.
void expectChunksAgree(const StatsFixture& f)
{
    std::mt19937_64 rng(12);
    std::vector<TComb> combs(700);
    KeyBuffer buffer(combs.size());
    int checked = 0;
    for (int entry = 0; entry < f.list.MethodCount(); ++entry) {
        if (!f.list.CanPrefetch(entry))
            continue;
        const auto stat = f.list.CreateStat(entry);
        for (int round = 0; round < 4; ++round) {
            const int64_t last = model::FullSetSize - static_cast<int64_t>(combs.size());
            const int64_t start = round == 0 ? 0 : round == 1 ? last : static_cast<int64_t>(rng() % last);
            model::FillCombinations(start, combs);
            buffer.clear();
            stat->ChunkNumbersValues(combs, buffer);
            const auto keys = buffer.keys();
            ASSERT_EQ(std::vector<uint64_t>(keys.begin(), keys.end()), oneByOne(*stat, combs))
                << f.list.Item(entry).ID() << " from rank " << start;
        }
        ++checked;
    }
    EXPECT_GT(checked, 60);
}

TEST(ChunkValues, EveryPrefetchMethodAgreesWithItsOwnValues)
{
    expectChunksAgree(StatsFixture());
}

TEST(ChunkValues, AgreeUnderAnotherGameConfiguration)
{
    StatsFixture f;
    f.config.MatrixCols = 7;
    f.config.ChannelSize = 4;
    f.list.BuildMethods();
    expectChunksAgree(f);
}

TEST(ChunkValues, AFullBufferTakesNoMore)
{
    StatsFixture f;
    const auto nums = f.create("NUMS");
    std::vector<TComb> combs(30); // six keys each: more than two lists' worth
    model::FillCombinations(0, combs);
    KeyBuffer buffer(2);
    nums->ChunkNumbersValues(combs, buffer);
    ASSERT_LE(buffer.size(), 2 * KeyList::MaxKeys);
    ASSERT_EQ(buffer.size() % 6, 0u); // whole combinations only
    EXPECT_EQ(std::vector<uint64_t>(buffer.keys().begin(), buffer.keys().end()),
              oneByOne(*nums, std::span(combs).first(buffer.size() / 6)));
}

} // namespace
} // namespace belvane::stats
