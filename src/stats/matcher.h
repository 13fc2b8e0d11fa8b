#pragma once

// The filter test, prepared: a statistic analyses the selected values once
// (into a bit set, a lookup table or a small sorted array) and then answers
// for each combination of the list with one cheap call.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "model/game.h"
#include "stats/stat_values.h"

namespace belvane::stats {

using model::TComb;

// Where a filter stands: the last draw it may see (the reference draw of the
// methods that compare with one) and whether draws are read sorted.
struct MatchContext {
    int LastIndex = 0;
    bool Sorted = false;
};

class Matcher {
public:
    virtual ~Matcher() = default;

    virtual bool matches(const TComb& comb) const = 0;

    // Writes to out, in order, the combinations of `in` whose answer equals
    // `keepMatching`; returns how many. `out` may be `in` itself.
    virtual size_t filter(std::span<const TComb> in, TComb* out, bool keepMatching) const = 0;
};

// A matcher around a test object (any callable taking a combination); the
// filter loop inlines the test.
template <class Test>
class TestMatcher final : public Matcher {
public:
    explicit TestMatcher(Test test) : test_(std::move(test)) {}

    bool matches(const TComb& comb) const override { return test_(comb); }

    size_t filter(std::span<const TComb> in, TComb* out, bool keepMatching) const override
    {
        size_t n = 0;
        for (const TComb& comb : in) {
            const TComb c = comb;
            out[n] = c;
            n += static_cast<size_t>(test_(c) == keepMatching);
        }
        return n;
    }

private:
    Test test_;
};

template <class Test>
std::unique_ptr<Matcher> MakeMatcher(Test test)
{
    return std::make_unique<TestMatcher<Test>>(std::move(test));
}

// A matcher that never matches (a statistic that cannot filter).
std::unique_ptr<Matcher> NeverMatcher();

// Selected values that fit in one byte, as a table over all 256 byte values
// (1 for a selected value); a value outside 0..255 can never match.
using ByteTable = std::array<uint8_t, 256>;
template <class Projection>
ByteTable SelectedBytes(const TStatDrawArray& selected, Projection project)
{
    ByteTable t{};
    for (const TStatDraw& rec : selected)
        if (const std::optional<int64_t> v = project(rec); v && *v >= 0 && *v <= 255)
            t[static_cast<size_t>(*v)] = 1;
    return t;
}

// Selected values as a set of integers: a bit set over 0..65535 for the usual
// small values, a sorted array for the rest.
class ValueSet {
public:
    ValueSet() = default;

    // `project` maps a selected record to the integer it is compared by, or to
    // nullopt when the record can never match (for example a key part the
    // statistic never sets is not 0).
    template <class Projection>
    static ValueSet of(const TStatDrawArray& selected, Projection project)
    {
        ValueSet set;
        for (const TStatDraw& rec : selected)
            if (const std::optional<int64_t> v = project(rec))
                set.insert(*v);
        set.finish();
        return set;
    }

    bool contains(int64_t v) const
    {
        if (v >= 0 && v < static_cast<int64_t>(bits_.size()) * 64)
            return (bits_[static_cast<size_t>(v) >> 6] >> (static_cast<uint64_t>(v) & 63)) & 1;
        return !others_.empty() && containsOther(v);
    }
    bool empty() const { return count_ == 0; }
    size_t size() const { return count_; }

private:
    void insert(int64_t v);
    void finish();
    bool containsOther(int64_t v) const;

    std::vector<uint64_t> bits_;
    std::vector<int64_t> others_;
    size_t count_ = 0;
};

// Common projections of a selected record.
namespace project {
// V1, when V2..V4 are 0: a comparison of all four parts with a value held in V1 alone.
inline std::optional<int64_t> V1Alone(const TStatDraw& r)
{
    return (r.V2 == 0 && r.V3 == 0 && r.V4 == 0) ? std::optional<int64_t>(r.V1) : std::nullopt;
}
// V1 whatever the other parts hold.
inline std::optional<int64_t> V1(const TStatDraw& r)
{
    return r.V1;
}
// V1..V2 as a 32-bit integer.
inline std::optional<int64_t> LowInt(const TStatDraw& r)
{
    return stats::LowInt(r);
}
// V1..V2 as a 32-bit integer, when V3..V4 are 0.
inline std::optional<int64_t> LowIntAlone(const TStatDraw& r)
{
    return (r.V3 == 0 && r.V4 == 0) ? std::optional<int64_t>(stats::LowInt(r)) : std::nullopt;
}
// V3..V4 as a 32-bit integer.
inline std::optional<int64_t> HighInt(const TStatDraw& r)
{
    return stats::HighInt(r);
}
// The whole key.
inline std::optional<int64_t> Key(const TStatDraw& r)
{
    return static_cast<int64_t>(KeyOf(r));
}
} // namespace project

} // namespace belvane::stats
