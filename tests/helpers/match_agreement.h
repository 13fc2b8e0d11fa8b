#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string_view>

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

// Random selections drawn from the method's own values: the prepared test,
// the one-off test and a search of the combination's own values among the
// selected keys agree, for numbers of the game and for any bytes.
inline void expectMatchesAgree(const StatsFixture& f, std::string_view id, unsigned seed, int rounds = 25)
{
    auto stat = f.create(id);
    std::mt19937 rng(seed);
    auto valuesOf = [&](const model::TComb& c) {
        stats::KeyList keys;
        stat->NumbersValues(c, keys);
        return keys;
    };
    for (int round = 0; round < rounds; ++round) {
        stats::TStatDrawArray selected;
        for (int k = 0; k < 3; ++k)
            for (uint64_t key : valuesOf(randomComb(rng, k % 2))) {
                stats::TStatDraw rec;
                stats::SetKey(rec, key);
                if (rng() % 3 == 0)
                    selected.push_back(rec);
            }
        if (round % 4 == 0) { // keys no combination has
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
        stat->LoadDraws(-1, 0, false);
        const auto matcher = stat->PrepareMatches(selected, {0, false});
        for (int t = 0; t < 60; ++t) {
            const model::TComb c = randomComb(rng, t % 3);
            bool expected = false;
            for (uint64_t key : valuesOf(c))
                expected = expected || stats::HasKey(selected, key);
            ASSERT_EQ(matcher->matches(c), expected) << id << " round " << round;
            ASSERT_EQ(stat->Matches(c, selected, true, false, 0), expected) << id << " round " << round;
        }
    }
}

} // namespace belvane::testing
