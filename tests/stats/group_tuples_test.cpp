#include <gtest/gtest.h>

#include <random>
#include <set>

#include "helpers/match_agreement.h"
#include "model/layout.h"
#include "stats/group_tuples.h"

namespace belvane::stats {
namespace {

using model::TComb;

const GroupTable kColumns5 = MakeGroupTable([](int n) { return model::MatrixColumn(n, 5); });
const GroupTable kIdentity = MakeGroupTable([](int n) { return n; });

template <TupleRule Rule, int K>
std::vector<std::string> texts(const TComb& c, const GroupTable& groups)
{
    KeyList keys;
    GroupTuples<Rule, K>::Values(c, groups, keys);
    std::vector<std::string> out;
    for (uint64_t key : keys) {
        TStatDraw v;
        SetKey(v, key);
        out.push_back(GroupTuples<Rule, K>::Text(v));
    }
    return out;
}

TEST(GroupTuples, PositionsInLexicographicOrder)
{
    using Mix2 = GroupTuples<TupleRule::Mix, 2>;
    using Mix3 = GroupTuples<TupleRule::Mix, 3>;
    using Mix4 = GroupTuples<TupleRule::Mix, 4>;
    EXPECT_EQ(Mix2::Count, 15);
    EXPECT_EQ(Mix3::Count, 20);
    EXPECT_EQ(Mix4::Count, 15);
    EXPECT_EQ((GroupTuples<TupleRule::Seq, 2>::Count), 5);
    EXPECT_EQ((GroupTuples<TupleRule::Seq, 3>::Count), 4);
    EXPECT_EQ((GroupTuples<TupleRule::Seq, 4>::Count), 3);

    // Every subset once, each ascending, the list sorted.
    auto check = [](const auto& positions) {
        std::set<std::vector<int>> seen;
        std::vector<int> previous;
        for (const auto& p : positions) {
            const std::vector<int> v(p.begin(), p.end());
            EXPECT_TRUE(std::is_sorted(v.begin(), v.end()));
            EXPECT_EQ(std::adjacent_find(v.begin(), v.end()), v.end());
            EXPECT_LT(previous, v);
            EXPECT_LT(v.back(), 6);
            seen.insert(v);
            previous = v;
        }
        EXPECT_EQ(seen.size(), positions.size());
    };
    check(Mix2::TuplePositions);
    check(Mix3::TuplePositions);
    check(Mix4::TuplePositions);
    EXPECT_EQ(Mix3::TuplePositions.front(), (std::array<uint8_t, 3>{0, 1, 2}));
    EXPECT_EQ(Mix3::TuplePositions.back(), (std::array<uint8_t, 3>{3, 4, 5}));
    EXPECT_EQ((GroupTuples<TupleRule::Seq, 3>::TuplePositions.back()), (std::array<uint8_t, 3>{3, 4, 5}));
}

TEST(GroupTuples, MixAndSeqValues)
{
    // 1..6 in a grid of five columns: columns 1 2 3 4 5 1.
    const auto pairs = texts<TupleRule::Mix, 2>({1, 2, 3, 4, 5, 6}, kColumns5);
    ASSERT_EQ(pairs.size(), 15u);
    EXPECT_EQ(pairs.front(), "1:2");
    EXPECT_EQ(pairs[4], "1:1"); // positions 1 and 6
    EXPECT_EQ(pairs.back(), "5:1");
    EXPECT_EQ((texts<TupleRule::Seq, 2>({1, 2, 3, 4, 5, 6}, kColumns5)),
              (std::vector<std::string>{"1:2", "2:3", "3:4", "4:5", "5:1"}));
    EXPECT_EQ((texts<TupleRule::Seq, 4>({45, 1, 7, 13, 44, 2}, kColumns5)),
              (std::vector<std::string>{"5:1:2:3", "1:2:3:4", "2:3:4:2"}));
    // Repeated tuples come each time: all six in column 1.
    const auto same = texts<TupleRule::Mix, 3>({1, 6, 11, 16, 21, 26}, kColumns5);
    ASSERT_EQ(same.size(), 20u);
    EXPECT_EQ(std::count(same.begin(), same.end(), "1:1:1"), 20);
    // With the numbers themselves as groups: the pairs of the draw.
    const auto numbers = texts<TupleRule::Mix, 2>({5, 17, 23, 31, 40, 44}, kIdentity);
    EXPECT_EQ(numbers.front(), "5:17");
    EXPECT_EQ(numbers.back(), "40:44");
}

TEST(GroupTuples, BytesOfNoGroupFormNoTuple)
{
    // 0 and 200 are no numbers: only the runs and subsets without them remain.
    EXPECT_EQ((texts<TupleRule::Seq, 2>({1, 0, 3, 4, 200, 6}, kColumns5)), (std::vector<std::string>{"3:4"}));
    EXPECT_EQ((texts<TupleRule::Mix, 2>({0, 0, 0, 0, 46, 255}, kColumns5)).size(), 0u);
    EXPECT_EQ((texts<TupleRule::Mix, 4>({1, 2, 3, 4, 5, 46}, kColumns5)).size(), 5u); // C(5, 4)

    TStatDraw wanted;
    wanted.V1 = 3;
    wanted.V2 = 4;
    const auto m = GroupTuples<TupleRule::Seq, 2>::MakeMatcherFor({wanted}, kColumns5);
    EXPECT_TRUE(m->matches({1, 0, 3, 4, 200, 6}));
    EXPECT_FALSE(m->matches({1, 0, 3, 255, 4, 6}));
}

TEST(GroupTuples, SelectionsNoTupleCanHave)
{
    TStatDraw pair;
    pair.V1 = 1;
    pair.V2 = 1;
    TStatDraw wide = pair;
    wide.V3 = 1; // a third part a pair never has
    TStatDraw negative = pair;
    negative.V1 = -1;
    TStatDraw none = pair;
    none.V2 = NoGroup;
    TStatDraw beyond = pair;
    beyond.V2 = 6; // a grid of five columns has no column 6
    const auto only = GroupTuples<TupleRule::Mix, 2>::MakeMatcherFor({wide, negative, none, beyond}, kColumns5);
    EXPECT_FALSE(only->matches({1, 6, 11, 16, 21, 26}));
    EXPECT_FALSE(only->matches({255, 255, 255, 255, 255, 255}));
    const auto with = GroupTuples<TupleRule::Mix, 2>::MakeMatcherFor({wide, pair}, kColumns5);
    EXPECT_TRUE(with->matches({1, 2, 3, 4, 5, 6}));
    EXPECT_FALSE(with->matches({1, 2, 3, 4, 5, 7}));
    EXPECT_FALSE((GroupTuples<TupleRule::Mix, 2>::MakeMatcherFor({}, kColumns5)->matches({1, 6, 11, 16, 21, 26})));

    // A hand-made table of more groups than numbers would make the code space too large.
    GroupTable everyByte{};
    for (size_t b = 0; b < everyByte.size(); ++b)
        everyByte[b] = static_cast<uint8_t>(std::min<size_t>(b, NoGroup - 1));
    EXPECT_THROW((GroupTuples<TupleRule::Mix, 4>::MakeMatcherFor({pair}, everyByte)), std::invalid_argument);

    // Tuples sharing their first parts are told apart by the last.
    TStatDraw triple;
    triple.V1 = 1;
    triple.V2 = 2;
    triple.V3 = 4;
    const auto m = GroupTuples<TupleRule::Seq, 3>::MakeMatcherFor({triple}, kColumns5);
    EXPECT_FALSE(m->matches({1, 2, 3, 10, 20, 30}));
    EXPECT_TRUE(m->matches({10, 1, 2, 4, 20, 30}));
}

// The prepared test against the values, over groupings of every kind and
// selections of many groups (the largest code space: the numbers themselves
// in all four slots).
template <TupleRule Rule, int K>
void expectAgreement(const GroupTable& groups, unsigned seed, int picks)
{
    using Tuples = GroupTuples<Rule, K>;
    std::mt19937 rng(seed);
    for (int round = 0; round < 20; ++round) {
        TStatDrawArray selected;
        for (int k = 0; k < picks; ++k) {
            KeyList keys;
            Tuples::Values(testing::randomComb(rng, k % 2), groups, keys);
            for (uint64_t key : keys) {
                TStatDraw rec;
                SetKey(rec, key);
                if (rng() % 2 == 0)
                    selected.push_back(rec);
            }
        }
        const auto m = Tuples::MakeMatcherFor(selected, groups);
        for (int t = 0; t < 200; ++t) {
            const TComb c = testing::randomComb(rng, t % 3);
            KeyList keys;
            Tuples::Values(c, groups, keys);
            bool expected = false;
            for (uint64_t key : keys)
                expected = expected || HasKey(selected, key);
            ASSERT_EQ(m->matches(c), expected) << "K " << K << " round " << round;
        }
    }
}

TEST(GroupTuples, PreparedTestAgreesWithValues)
{
    const GroupTable segments = MakeGroupTable([](int n) { return n % 3; }); // segment 0 included
    const GroupTable rows1 = MakeGroupTable([](int n) { return model::MatrixRow(n, 1); });
    unsigned seed = 1;
    for (const GroupTable* groups : {&kColumns5, &segments, &rows1, &kIdentity}) {
        expectAgreement<TupleRule::Mix, 2>(*groups, seed++, 4);
        expectAgreement<TupleRule::Mix, 3>(*groups, seed++, 4);
        expectAgreement<TupleRule::Mix, 4>(*groups, seed++, 4);
        expectAgreement<TupleRule::Seq, 2>(*groups, seed++, 4);
        expectAgreement<TupleRule::Seq, 3>(*groups, seed++, 4);
        expectAgreement<TupleRule::Seq, 4>(*groups, seed++, 4);
    }
    expectAgreement<TupleRule::Mix, 4>(kIdentity, 99, 300); // every number in every slot
}

} // namespace
} // namespace belvane::stats
