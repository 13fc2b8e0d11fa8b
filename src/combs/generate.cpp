#include "combs/generate.h"

#include <algorithm>

#include "combs/ordered_pass.h"
#include "model/draw.h"
#include "model/full_set.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::combs {
namespace {

// Writes the accepted combinations of ranks begin..end to out; returns how many.
template <class Accept>
size_t enumerate(size_t begin, size_t end, TComb* out, Accept accept)
{
    const size_t count = end - begin;
    model::FillCombinations(static_cast<int64_t>(begin), std::span(out, count));
    size_t n = 0;
    for (size_t i = 0; i < count; ++i) {
        const TComb c = out[i];
        out[n] = c;
        n += static_cast<size_t>(accept(c));
    }
    return n;
}

} // namespace

namespace {

constexpr std::string_view kMyNumbersDelimiters = ",; \t";

} // namespace

std::array<bool, 256> ParseMyNumbers(std::string_view parameter)
{
    std::array<bool, 256> set{};
    for (std::string_view piece : text::split(parameter, kMyNumbersDelimiters, true)) {
        const int n = text::toIntDef(piece, 0);
        if (n >= 0 && n <= 255)
            set[static_cast<size_t>(n)] = true;
    }
    return set;
}

std::optional<std::string> MyNumbersProblem(int mode, std::string_view parameter)
{
    if (mode != GenerateAnyOf && mode != GenerateOnlyOf && mode != GenerateNoneOf)
        return std::nullopt;
    std::array<bool, model::MaxNumber + 1> set{};
    for (std::string_view piece : text::split(parameter, kMyNumbersDelimiters, true)) {
        const auto n = text::parseInt(text::trim(piece));
        if (!n || !model::isValidNumber(*n))
            return support::Text(model::InvalidDrawTextMessage);
        set[static_cast<size_t>(*n)] = true;
    }
    const auto count = static_cast<int>(std::count(set.begin(), set.end(), true));
    const bool none = (mode == GenerateAnyOf && count == 0) || (mode == GenerateOnlyOf && count < model::BallCount) ||
                      (mode == GenerateNoneOf && model::MaxNumber - count < model::BallCount);
    if (none)
        return support::Text(NoCombinationsMessage);
    return std::nullopt;
}

bool GenerateCombinations(CombBuffer& out, int mode, const std::array<bool, 256>& mine,
                          const std::function<bool(size_t, size_t)>& progress)
{
    const size_t total = static_cast<size_t>(model::FullSetSize);
    out.reserve(total);
    out.clear();
    auto inMine = [&mine](const TComb& c) {
        return int{mine[c[0]]} + mine[c[1]] + mine[c[2]] + mine[c[3]] + mine[c[4]] + mine[c[5]];
    };
    auto run = [&](auto accept) {
        return OrderedParallelPass(
            total, out.data(), [&](size_t begin, size_t end, TComb* dst) { return enumerate(begin, end, dst, accept); },
            progress);
    };
    OrderedPassResult r;
    switch (mode) {
    case GenerateAnyOf:
        r = run([&](const TComb& c) { return inMine(c) > 0; });
        break;
    case GenerateOnlyOf:
        r = run([&](const TComb& c) { return inMine(c) == model::BallCount; });
        break;
    case GenerateNoneOf:
        r = run([&](const TComb& c) { return inMine(c) == 0; });
        break;
    default:
        r = OrderedParallelPass(
            total, out.data(),
            [](size_t begin, size_t end, TComb* dst) {
                model::FillCombinations(static_cast<int64_t>(begin), std::span(dst, end - begin));
                return end - begin;
            },
            progress);
        break;
    }
    out.setSize(r.Complete ? r.Count : 0);
    return r.Complete;
}

int64_t GeneratedCount(int mode, const std::array<bool, 256>& mine)
{
    // Only the numbers of the game can be in a combination.
    int marked = 0;
    for (int n = model::MinNumber; n <= model::MaxNumber; ++n)
        marked += mine[static_cast<size_t>(n)] ? 1 : 0;
    const int others = model::MaxNumber - model::MinNumber + 1 - marked;
    // Combinations of six from n numbers (Binomial takes k >= n as 1).
    const auto combinations = [](int n) { return n < model::BallCount ? 0 : model::Binomial(n, model::BallCount); };
    switch (mode) {
    case GenerateAnyOf:
        return model::FullSetSize - combinations(others);
    case GenerateOnlyOf:
        return combinations(marked);
    case GenerateNoneOf:
        return combinations(others);
    default:
        return model::FullSetSize;
    }
}

} // namespace belvane::combs
