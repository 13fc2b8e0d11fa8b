#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string_view>
#include <vector>

#include "helpers/stats_fixture.h"

namespace belvane::testing {

// A random combination: six numbers of the game, six of a narrow band (so
// that groups, neighbours and tuples repeat), or any six bytes.
inline model::TComb randomComb(std::mt19937& rng, int kind)
{
    model::TComb c{};
    for (auto& n : c) {
        if (kind == 0)
            n = static_cast<model::Ball>(1 + rng() % 45);
        else if (kind == 1)
            n = static_cast<model::Ball>(1 + rng() % 12);
        else
            n = static_cast<model::Ball>(rng() % 256);
    }
    return c;
}

// Combinations at the edges: the first and the last of the full set, runs,
// equal steps, descending and mixed order, repeated numbers and bytes that
// are no numbers of the game.
inline const std::vector<model::TComb>& edgeCombs()
{
    static const std::vector<model::TComb> combs{
        {1, 2, 3, 4, 5, 6},    {40, 41, 42, 43, 44, 45}, {1, 2, 3, 10, 11, 40},          {5, 10, 15, 20, 25, 30},
        {1, 5, 6, 20, 30, 40}, {45, 44, 43, 42, 41, 40}, {1, 45, 2, 44, 3, 43},          {1, 6, 11, 16, 21, 26},
        {7, 7, 7, 7, 7, 7},    {0, 0, 0, 0, 0, 0},       {255, 255, 255, 255, 255, 255}, {0, 46, 100, 200, 255, 11},
        {1, 2, 4, 8, 16, 32},  {41, 42, 43, 44, 45, 46}};
    return combs;
}

// The values of six numbers, as the method itself gives them.
inline stats::KeyList numbersValuesOf(const stats::TCustomStat& stat, const model::TComb& c)
{
    stats::KeyList keys;
    stat.NumbersValues(c, keys);
    return keys;
}

struct AgreementOptions {
    int rounds = 25;
    // Add keys no combination has, with parts a method may not compare (for
    // methods that compare every part of a key).
    bool oddKeys = true;
    // The plain set of values a selection stands for, for a method that reads
    // a selection otherwise than as the set of its rows; empty: the rows.
    std::function<stats::TStatDrawArray(const stats::TStatDrawArray&)> plainValues;
};

// Random selections drawn from the method's own values (and from the values
// it lists in advance): the prepared test, the one-off test and a search of
// the combination's own values among the selected keys agree, for numbers of
// the game, for any bytes and for the edge combinations.
inline void expectMatchesAgree(const StatsFixture& f, std::string_view id, unsigned seed,
                               const AgreementOptions& options)
{
    auto stat = f.create(id);
    std::mt19937 rng(seed);
    stats::TStatDrawArray listed;
    stat->InitValues(0, listed);
    const auto& edges = edgeCombs();
    for (int round = 0; round < options.rounds; ++round) {
        stats::TStatDrawArray selected;
        auto pick = [&](const stats::KeyList& keys, unsigned oneIn) {
            for (uint64_t key : keys) {
                stats::TStatDraw rec;
                stats::SetKey(rec, key);
                if (rng() % oneIn == 0)
                    selected.push_back(rec);
            }
        };
        for (int k = 0; k < 3; ++k)
            pick(numbersValuesOf(*stat, randomComb(rng, k % 2)), 3);
        pick(numbersValuesOf(*stat, edges[rng() % edges.size()]), 2);
        for (const stats::TStatDraw& rec : listed)
            if (rng() % 8 == 0)
                selected.push_back(rec);
        if (options.oddKeys && round % 4 == 0) {
            stats::TStatDraw odd;
            odd.V1 = -1;
            odd.V2 = 300;
            selected.push_back(odd);
            odd.V1 = 255;
            odd.V2 = 255;
            odd.V3 = 255;
            odd.V4 = 255;
            selected.push_back(odd);
        }
        const stats::TStatDrawArray plain = options.plainValues ? options.plainValues(selected) : selected;
        stat->LoadDraws(-1, 0, false);
        const auto matcher = stat->PrepareMatches(selected, {0, false});
        auto check = [&](const model::TComb& c) {
            bool expected = false;
            for (uint64_t key : numbersValuesOf(*stat, c))
                expected = expected || stats::HasKey(plain, key);
            ASSERT_EQ(matcher->matches(c), expected) << id << " round " << round;
            ASSERT_EQ(stat->Matches(c, selected, true, false, 0), expected) << id << " round " << round;
        };
        for (int t = 0; t < 60; ++t)
            check(randomComb(rng, t % 3));
        if (round < 2)
            for (const model::TComb& c : edges)
                check(c);
    }
}

inline void expectMatchesAgree(const StatsFixture& f, std::string_view id, unsigned seed, int rounds = 25)
{
    expectMatchesAgree(f, id, seed, AgreementOptions{.rounds = rounds});
}

} // namespace belvane::testing
