#pragma once

// The members the matrix, channel and segment families share, each over one
// grouping of the numbers (matrix columns or rows, channels, segments): the
// group of every number, how many numbers each group holds, how many groups
// are occupied, and how many numbers lie in the group named by the parameter.

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <string>

#include "stats/group_tuples.h"
#include "stats/stat_bases.h"
#include "support/delphi_format.h"

namespace belvane::stats {

// One grouping of the numbers 1..45 and what its members list in advance.
struct Grouping {
    GroupTable Of{}; // byte -> group, NoGroup for a byte that is no number
    // The groups in order of their first number: every column 1..C, every
    // segment in the order the table first uses it.
    std::array<uint8_t, model::MaxNumber> Listed{};
    int ListedCount = 0;
    int CountsUpTo = -1;  // group counts: (g, 0..CountsUpTo) for every group; none when below 0
    int OccupiedUpTo = 0; // occupied groups: 1..OccupiedUpTo
    int MembersUpTo = 0;  // numbers in one group: 1..MembersUpTo

    // groupOf must give 0..63 for every number.
    template <class GroupOf>
    static Grouping Make(GroupOf groupOf)
    {
        Grouping g;
        g.Of = MakeGroupTable(groupOf);
        std::array<bool, 256> seen{};
        for (int n = model::MinNumber; n <= model::MaxNumber; ++n) {
            const uint8_t group = g.Of[static_cast<size_t>(n)];
            if (!seen[group]) {
                seen[group] = true;
                g.Listed[static_cast<size_t>(g.ListedCount++)] = group;
            }
        }
        return g;
    }
};

// The bit of a group in a set of groups 0..63; no bit for NoGroup.
constexpr uint64_t GroupBit(uint8_t group)
{
    return uint64_t{group < 64} << (group & 63);
}

// The groups the six numbers occupy.
inline uint64_t OccupiedGroups(const TComb& c, const GroupTable& of)
{
    return GroupBit(of[c[0]]) | GroupBit(of[c[1]]) | GroupBit(of[c[2]]) | GroupBit(of[c[3]]) | GroupBit(of[c[4]]) |
           GroupBit(of[c[5]]);
}

// How many of six numbers each group 0..63 holds, as three bit planes: the
// count of group g is bit g of Ones + 2 Twos + 4 Fours.
struct GroupTally {
    uint64_t Ones = 0;
    uint64_t Twos = 0;
    uint64_t Fours = 0;

    GroupTally(const TComb& c, const GroupTable& of)
    {
        for (model::Ball n : c) {
            const uint64_t bit = GroupBit(of[n]);
            const uint64_t carry = Ones & bit;
            Ones ^= bit;
            Fours |= Twos & carry; // six at most: never beyond the third plane
            Twos ^= carry;
        }
    }
    // How many numbers group g (0..63) holds.
    int Count(uint8_t g) const
    {
        return static_cast<int>((Ones >> g & 1) | (Twos >> g & 1) << 1 | (Fours >> g & 1) << 2);
    }
    // The groups holding exactly k numbers (k = 0..7).
    uint64_t Exactly(int k) const { return (k & 1 ? Ones : ~Ones) & (k & 2 ? Twos : ~Twos) & (k & 4 ? Fours : ~Fours); }
};

// Selected V1 values 0..6 (a count of six numbers) as a table.
inline std::array<uint8_t, model::BallCount + 1> SelectedCounts(const TStatDrawArray& selected)
{
    std::array<uint8_t, model::BallCount + 1> t{};
    for (const TStatDraw& rec : selected)
        if (rec.V1 >= 0 && rec.V1 <= model::BallCount)
            t[static_cast<size_t>(rec.V1)] = 1;
    return t;
}

// The text "%0:d x %1:d" of a (group, count) value.
inline std::string GroupCountText(const TStatDraw& value)
{
    return DelphiFormat("%0:d x %1:d", {int64_t{value.V1}, int64_t{value.V2}});
}

// Members name their base's grouping through a member function.
template <class Base>
using GroupingOf = const Grouping& (Base::*)() const;

// ---- the group of each number: six values per draw ------------------------

template <class Base, GroupingOf<Base> Groups>
class GroupEachStat : public Base {
public:
    using Base::Base;

    // Every group once, in listing order.
    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        const Grouping& g = (this->*Groups)();
        for (int i = 0; i < g.ListedCount; ++i)
            this->AddSeed(arr, PackKey(g.Listed[static_cast<size_t>(i)]));
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        const GroupTable& of = (this->*Groups)().Of;
        for (model::Ball n : numbers)
            if (of[n] != NoGroup)
                keys.add(PackKey(of[n]));
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<GroupEachStat>(*this, combs, keys);
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        // Per byte: whether its group is selected.
        const GroupTable& of = (this->*Groups)().Of;
        std::array<bool, 256> wantedGroup{};
        for (const TStatDraw& rec : selected)
            if (rec.V1 >= 0 && rec.V1 < NoGroup)
                wantedGroup[static_cast<size_t>(rec.V1)] = true;
        std::array<uint8_t, 256> t{};
        for (size_t b = 0; b < t.size(); ++b)
            t[b] = wantedGroup[of[b]] ? 1 : 0;
        return MakeMatcher(
            [t](const TComb& c) { return (t[c[0]] | t[c[1]] | t[c[2]] | t[c[3]] | t[c[4]] | t[c[5]]) != 0; });
    }
};

// ---- how many numbers each group holds: one value per group -----------------

template <class Base, GroupingOf<Base> Groups>
class GroupCountsStat : public Base {
public:
    using Base::Base;

    std::string ValueToText(const TStatDraw& value) const override { return GroupCountText(value); }
    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        const Grouping& g = (this->*Groups)();
        for (int i = 0; i < g.ListedCount; ++i)
            for (int k = 0; k <= g.CountsUpTo; ++k)
                this->AddSeed(arr, PackKey(g.Listed[static_cast<size_t>(i)], static_cast<int16_t>(k)));
    }
    // Every group in listing order with its count, 0 included.
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        const Grouping& g = (this->*Groups)();
        const GroupTally tally(numbers, g.Of);
        for (int i = 0; i < g.ListedCount; ++i) {
            const uint8_t group = g.Listed[static_cast<size_t>(i)];
            keys.add(PackKey(group, static_cast<int16_t>(tally.Count(group))));
        }
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<GroupCountsStat>(*this, combs, keys);
    }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        const Grouping& grouping = (this->*Groups)();
        std::array<bool, 256> listed{};
        for (int i = 0; i < grouping.ListedCount; ++i)
            listed[grouping.Listed[static_cast<size_t>(i)]] = true;
        // Per count 0..6, the groups selected with it.
        std::array<uint64_t, model::BallCount + 1> wanted{};
        for (const TStatDraw& rec : selected)
            if (rec.V1 >= 0 && rec.V1 < NoGroup && listed[static_cast<size_t>(rec.V1)] && rec.V2 >= 0 &&
                rec.V2 <= model::BallCount && rec.V3 == 0 && rec.V4 == 0)
                wanted[static_cast<size_t>(rec.V2)] |= GroupBit(static_cast<uint8_t>(rec.V1));
        return MakeMatcher([wanted, of = grouping.Of](const TComb& c) {
            const GroupTally tally(c, of);
            uint64_t hit = 0;
            for (int k = 0; k <= model::BallCount; ++k)
                hit |= tally.Exactly(k) & wanted[static_cast<size_t>(k)];
            return hit != 0;
        });
    }
};

// ---- how many groups the six numbers occupy ------------------------------------

template <class GraphBase, GroupingOf<GraphBase> Groups>
class GroupOccupiedStat final : public GraphBase {
public:
    using GraphBase::GraphBase;

    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        this->AddSeeds(arr, 1, (this->*Groups)().OccupiedUpTo);
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        keys.add(PackKey(static_cast<int16_t>(occupied(numbers))));
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<GroupOccupiedStat>(*this, combs, keys);
    }
    int CombValue(const TComb& numbers, int, bool, int) override { return occupied(numbers); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = SelectedCounts(selected), of = (this->*Groups)().Of](const TComb& c) {
            return t[static_cast<size_t>(std::popcount(OccupiedGroups(c, of)))] != 0;
        });
    }

private:
    int occupied(const TComb& numbers) const { return std::popcount(OccupiedGroups(numbers, (this->*Groups)().Of)); }
};

// ---- how many numbers lie in the group named by the parameter -------------------

template <class GraphBase, GroupingOf<GraphBase> Groups>
class GroupMembersStat final : public GraphBase {
public:
    GroupMembersStat(const MethodClass& c, const MethodContext& context, int param) : GraphBase(c, context, param)
    {
        const GroupTable& of = (this->*Groups)().Of;
        for (size_t b = 0; b < in_.size(); ++b)
            in_[b] = of[b] != NoGroup && of[b] == param ? 1 : 0;
    }

    void InitValues(int lastIdx, TStatDrawArray& arr) override
    {
        TCustomStat::InitValues(lastIdx, arr);
        this->AddSeeds(arr, 1, (this->*Groups)().MembersUpTo);
    }
    void NumbersValues(const TComb& numbers, KeyList& keys) const override
    {
        keys.add(PackKey(static_cast<int16_t>(members(numbers))));
    }
    void ChunkNumbersValues(std::span<const TComb> combs, KeyBuffer& keys) const override
    {
        NumbersValuesOfEach<GroupMembersStat>(*this, combs, keys);
    }
    int CombValue(const TComb& numbers, int, bool, int) override { return members(numbers); }
    std::unique_ptr<Matcher> PrepareMatches(const TStatDrawArray& selected, const MatchContext&) override
    {
        return MakeMatcher([t = SelectedCounts(selected), in = in_](const TComb& c) {
            return t[static_cast<size_t>(in[c[0]] + in[c[1]] + in[c[2]] + in[c[3]] + in[c[4]] + in[c[5]])] != 0;
        });
    }

private:
    int members(const TComb& c) const { return in_[c[0]] + in_[c[1]] + in_[c[2]] + in_[c[3]] + in_[c[4]] + in_[c[5]]; }

    std::array<uint8_t, 256> in_{};
};

} // namespace belvane::stats
