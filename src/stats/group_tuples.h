#pragma once

// Tuples of groups: the numbers of a draw or a combination are mapped to
// groups (matrix column or row, channel, segment, or the number itself), and
// every k-subset of positions (Mix) or every run of k neighbouring positions
// (Seq) gives one value, the k groups in position order in V1..Vk.
//
// The grouping is a table over all 256 byte values: a combination read from a
// file may hold any byte, and a byte that is no number of the game belongs to
// no group (NoGroup); a tuple that would need its group is not formed.

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/game.h"
#include "stats/custom_stat.h"
#include "stats/matcher.h"

namespace belvane::stats {

// The group of every byte value; real groups are 0..254.
using GroupTable = std::array<uint8_t, 256>;
inline constexpr uint8_t NoGroup = 255;

// The table of groupOf(n) for the numbers 1..45, NoGroup for every other byte.
// groupOf must give 0..254.
template <class GroupOf>
GroupTable MakeGroupTable(GroupOf groupOf)
{
    GroupTable t;
    t.fill(NoGroup);
    for (int n = model::MinNumber; n <= model::MaxNumber; ++n)
        t[static_cast<size_t>(n)] = static_cast<uint8_t>(groupOf(n));
    return t;
}

enum class TupleRule {
    Mix, // every k-subset of the six positions, in lexicographic order
    Seq, // every run of k neighbouring positions, from the first
};

template <TupleRule Rule, int K>
class GroupTuples {
public:
    static_assert(K >= 2 && K <= 4, "a tuple key holds two to four groups");

    static constexpr int Count =
        Rule == TupleRule::Mix ? static_cast<int>(model::Binomial(model::BallCount, K)) : model::BallCount - K + 1;
    using Positions = std::array<std::array<uint8_t, K>, Count>;

    // The positions of each tuple, in the order the tuples are formed.
    static constexpr Positions TuplePositions = [] {
        Positions p{};
        std::array<int, K> at{};
        for (int j = 0; j < K; ++j)
            at[static_cast<size_t>(j)] = j;
        for (int t = 0; t < Count; ++t) {
            for (int j = 0; j < K; ++j)
                p[static_cast<size_t>(t)][static_cast<size_t>(j)] = static_cast<uint8_t>(at[static_cast<size_t>(j)]);
            if (Rule == TupleRule::Seq) {
                for (int& a : at)
                    ++a;
                continue;
            }
            // The next subset: raise the rightmost position that can still move.
            int j = K - 1;
            while (j >= 0 && at[static_cast<size_t>(j)] == model::BallCount - K + j)
                --j;
            if (j < 0)
                break;
            ++at[static_cast<size_t>(j)];
            for (int l = j + 1; l < K; ++l)
                at[static_cast<size_t>(l)] = at[static_cast<size_t>(l - 1)] + 1;
        }
        return p;
    }();

    // The tuples of six numbers, in order; a repeated tuple comes each time.
    static void Values(const TComb& numbers, const GroupTable& groups, KeyList& keys)
    {
        std::array<uint8_t, model::BallCount> g{};
        for (size_t i = 0; i < g.size(); ++i)
            g[i] = groups[numbers[i]];
        for (const auto& pos : TuplePositions) {
            std::array<int16_t, 4> parts{};
            bool grouped = true;
            for (size_t j = 0; j < K; ++j) {
                parts[j] = g[pos[j]];
                grouped = grouped && g[pos[j]] != NoGroup;
            }
            if (grouped)
                keys.add(PackKey(parts[0], parts[1], parts[2], parts[3]));
        }
    }

    // The k parts in decimal joined by ":", as in 1:1:3.
    static std::string Text(const TStatDraw& value)
    {
        const int16_t parts[4] = {value.V1, value.V2, value.V3, value.V4};
        char buf[4 * 7]; // "-32768:" four times
        char* end = buf;
        for (int j = 0; j < K; ++j) {
            if (j > 0)
                *end++ = ':';
            end = std::to_chars(end, buf + sizeof buf, parts[j]).ptr;
        }
        return std::string(buf, end);
    }

    // True as soon as one tuple of the combination equals a selected key in
    // all four parts.
    static std::unique_ptr<Matcher> MakeMatcherFor(const TStatDrawArray& selected, const GroupTable& groups)
    {
        // Each slot of a tuple numbers the groups selected there 1..n (0: not
        // selected there, or no group); a tuple is then one mixed-radix code
        // and the selection a bit set over the codes. At most 45 groups exist,
        // so the set has at most 46^4 bits.
        std::array<bool, 256> exists{};
        for (uint8_t g : groups)
            exists[g] = g != NoGroup;
        if (std::count(exists.begin(), exists.end(), true) > model::MaxNumber)
            throw std::invalid_argument("a grouping of the numbers has at most 45 groups");
        std::array<std::array<uint16_t, 256>, K> digit{};
        std::array<uint32_t, K> radix{};
        radix.fill(1);
        std::vector<std::array<uint8_t, K>> wanted;
        for (const TStatDraw& rec : selected) {
            const int16_t parts[4] = {rec.V1, rec.V2, rec.V3, rec.V4};
            std::array<uint8_t, K> tuple{};
            bool possible = true;
            for (int j = 0; j < 4; ++j) {
                if (j >= K)
                    possible = possible && parts[j] == 0;
                else if (parts[j] < 0 || parts[j] > 255 || !exists[static_cast<size_t>(parts[j])])
                    possible = false;
                else
                    tuple[static_cast<size_t>(j)] = static_cast<uint8_t>(parts[j]);
            }
            if (!possible)
                continue;
            for (size_t j = 0; j < K; ++j)
                if (digit[j][tuple[j]] == 0)
                    digit[j][tuple[j]] = static_cast<uint16_t>(radix[j]++);
            wanted.push_back(tuple);
        }
        std::array<uint32_t, K> stride{};
        uint32_t size = 1;
        for (int j = K - 1; j >= 0; --j) {
            stride[static_cast<size_t>(j)] = size;
            size *= radix[static_cast<size_t>(j)];
        }

        CodeSet set;
        set.bits.assign((size + 63) / 64, 0);
        for (const auto& tuple : wanted) {
            uint32_t code = 0;
            for (size_t j = 0; j < K; ++j)
                code += digit[j][tuple[j]] * stride[j];
            set.bits[code >> 6] |= uint64_t{1} << (code & 63);
        }
        // Per slot, the part of the code each byte contributes.
        for (size_t j = 0; j < K; ++j)
            for (size_t b = 0; b < 256; ++b)
                set.slot[j][b] = groups[b] == NoGroup ? 0 : digit[j][groups[b]] * stride[j];

        return MakeMatcher([set = std::move(set)](const TComb& c) {
            std::array<std::array<uint32_t, model::BallCount>, K> part;
            for (size_t j = 0; j < K; ++j)
                for (size_t i = 0; i < model::BallCount; ++i)
                    part[j][i] = set.slot[j][c[i]];
            uint64_t hit = 0;
            for (const auto& pos : TuplePositions) {
                uint32_t code = 0;
                for (size_t j = 0; j < K; ++j)
                    code += part[j][pos[j]];
                hit |= set.bits[code >> 6] >> (code & 63);
            }
            return (hit & 1) != 0;
        });
    }

private:
    struct CodeSet {
        std::array<std::array<uint32_t, 256>, K> slot{};
        std::vector<uint64_t> bits;
    };
};

// A tuple member over a family base: Groups names the base's grouping table.
// Tuples have no values listed in advance, none for a bare combination (the
// class carries no N flag), and cannot be typed in.
template <class Base, const GroupTable& (Base::*Groups)() const, TupleRule Rule, int K>
class GroupTupleStat final : public Base {
public:
    using Tuples = GroupTuples<Rule, K>;
    using Base::Base;

    std::string ValueToText(const TStatDraw& value) const override { return Tuples::Text(value); }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        Tuples::Values(numbers, (this->*Groups)(), keys);
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return Tuples::MakeMatcherFor(selected, (this->*Groups)());
    }
};

} // namespace belvane::stats
