#include "app/demo_archive.h"

#include <algorithm>
#include <chrono>
#include <random>

#include "model/number_sets.h"

namespace belvane::app {
namespace {

// A uniform number in 1..45 by rejection, so the result depends only on the
// engine (whose output the standard fixes), not on the library's distributions.
int drawNumber(std::mt19937_64& engine)
{
    constexpr uint64_t range = model::MaxNumber;
    constexpr uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    uint64_t x;
    do
        x = engine();
    while (x >= limit);
    return static_cast<int>(x % range) + model::MinNumber;
}

} // namespace

model::TDrawsArray MakeDemoDraws(int count, uint64_t seed)
{
    using namespace std::chrono;
    std::mt19937_64 engine(seed);
    const model::Date first{year(2003), January, day(4)};

    model::TDrawsArray draws;
    draws.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        model::TDraw draw;
        draw.Number = i + 1;
        // Six distinct numbers in drawn order, then an extra number from the balls left.
        model::TComb balls{};
        for (int b = 0; b < model::BallCount;) {
            const int n = drawNumber(engine);
            if (!model::InComb(balls, n))
                balls[static_cast<size_t>(b++)] = static_cast<model::Ball>(n);
        }
        int extra;
        do
            extra = drawNumber(engine);
        while (model::InComb(balls, extra));
        draw.Balls = balls;
        draw.Extra = static_cast<model::Ball>(extra);
        draw.setDate(model::AddDays(first, 7 * i));
        draws.push_back(draw);
    }
    return draws;
}

} // namespace belvane::app
