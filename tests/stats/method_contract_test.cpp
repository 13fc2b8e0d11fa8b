// What every registered method promises, checked by walking the class table
// and the registry in a few game configurations: a family that lands later is
// covered here without a line of its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>

#include "helpers/match_agreement.h"
#include "helpers/stats_fixture.h"
#include "stats/class_table.h"
#include "stats/sums.h"
#include "support/text.h"

namespace belvane::stats {
namespace {

using testing::StatsFixture;

// The families' places in the table and the group each one belongs to.
struct FamilyRange {
    int first;
    int last;
    int group;
};
constexpr FamilyRange kFamilies[] = {
    {0, 7, GroupNumbers},      {8, 15, GroupSums},         {16, 20, GroupDifferences}, {21, 23, GroupChannels},
    {24, 35, GroupMatrix},     {36, 38, GroupSegments},    {39, 41, GroupSequences},   {42, 61, GroupRepeats},
    {62, 73, GroupNumbers},    {74, 76, GroupDifferences}, {77, 82, GroupChannels},    {83, 94, GroupMatrix},
    {95, 100, GroupSegments},  {101, 102, GroupNumbers},   {103, 103, GroupChannels},  {104, 105, GroupMatrix},
    {106, 106, GroupSegments}, {107, 112, GroupSeries},    {113, 115, GroupPeriods},   {116, 138, GroupChains},
    {139, 141, GroupOgnev},    {142, 142, GroupShredding},
};

// A small archive: random draws in drawn order, and some with runs and steps.
model::TDrawsArray contractDraws()
{
    std::mt19937 rng(2024);
    model::TDrawsArray draws;
    const std::vector<model::TComb> fixed{
        {1, 2, 3, 4, 5, 6}, {5, 10, 15, 20, 25, 30}, {45, 1, 44, 2, 43, 3}, {1, 2, 3, 10, 11, 40}};
    for (int i = 0; i < 48; ++i) {
        model::TComb c{};
        if (i % 12 == 5) {
            c = fixed[static_cast<size_t>(i / 12)];
        } else {
            std::vector<model::Ball> pool(45);
            for (size_t n = 0; n < pool.size(); ++n)
                pool[n] = static_cast<model::Ball>(n + 1);
            std::shuffle(pool.begin(), pool.end(), rng);
            std::copy_n(pool.begin(), 6, c.begin());
        }
        draws.push_back(testing::makeDraw(100 + i, c, static_cast<int>(1 + rng() % 45)));
    }
    return draws;
}

// The default game and three others at the edges of what the methods read.
std::vector<std::unique_ptr<StatsFixture>> configurations()
{
    std::vector<std::unique_ptr<StatsFixture>> out;
    auto add = [&](int cols, int channel, std::string_view segments) {
        auto f = std::make_unique<StatsFixture>(contractDraws());
        f->config.MatrixCols = cols;
        f->config.ChannelSize = channel;
        for (size_t n = 0; n < f->config.MatrixSegments.size(); ++n)
            f->config.MatrixSegments[n] =
                n < segments.size() ? static_cast<uint8_t>(segments[n] - '0') : static_cast<uint8_t>(1);
        f->list.BuildMethods();
        out.push_back(std::move(f));
    };
    add(5, 5, "");
    add(7, 4, "0123456789012345678901234567890123456789");
    add(1, 3, "2222255555");
    add(45, 45, "9");
    return out;
}

// Whether a method's values come from the six numbers alone: those counted over
// the full set, and every other method that reads neither the reference draw
// nor earlier draws (tuples of groups or of numbers).
bool fromNumbersAlone(const MethodClass& c)
{
    return (c.GetFlags() & FlagN) != 0 || (c.GetFlags() & (FlagD | FlagP)) == 0;
}

TEST(MethodContract, EveryClassSitsInItsFamilysRange)
{
    const auto table = StatClassTable();
    int next = 0;
    for (const FamilyRange& r : kFamilies) {
        ASSERT_EQ(r.first, next) << "the ranges cover the table without gaps";
        next = r.last + 1;
        for (int p = r.first; p <= r.last; ++p)
            if (const MethodClass* c = table[static_cast<size_t>(p)]) {
                EXPECT_EQ(c->GetGroup(), r.group) << c->GetID() << " at " << p;
                EXPECT_EQ(StatClassPosition(c), p) << c->GetID() << ": one place per class";
            }
    }
    EXPECT_EQ(next, static_cast<int>(StatClassCount));

    std::set<std::string> ids;
    for (const MethodClass* c : table)
        if (c != nullptr) {
            EXPECT_TRUE(ids.insert(text::toUpperAscii(c->GetID())).second) << c->GetID();
            EXPECT_FALSE(c->GetCaption().empty()) << c->GetID();
            EXPECT_EQ(c->CanPrefetch(), (c->GetFlags() & FlagN) != 0) << c->GetID();
            EXPECT_EQ(c->GetFlags() & FlagG, 0) << c->GetID() << ": G is never declared";
            EXPECT_NE(c->create, nullptr) << c->GetID();
        }
}

TEST(MethodContract, RegisteredEntriesAreUniqueAndInTableOrder)
{
    for (const auto& f : configurations()) {
        std::set<std::string> ids;
        int lastPosition = -1;
        for (int i = 0; i < f->list.MethodCount(); ++i) {
            const TStatMethod& m = f->list.Item(i);
            const std::string id = m.ID();
            EXPECT_TRUE(ids.insert(text::toUpperAscii(id)).second) << id << " registered twice";
            EXPECT_EQ(id.find('%'), std::string::npos) << id;
            EXPECT_EQ(id.find(' '), std::string::npos) << id;
            EXPECT_EQ(f->list.FindMethod(id), i) << id;
            const int position = StatClassPosition(m.StatClass);
            EXPECT_GE(position, lastPosition) << id;
            lastPosition = position;
            EXPECT_TRUE(m.StatClass->Available()) << id;
            if (m.StatClass->HasParam()) {
                const ParamRange range = m.StatClass->GetParamRange(f->config);
                EXPECT_GE(m.Param, range.Min) << id;
                EXPECT_LE(m.Param, range.Max) << id;
            } else {
                EXPECT_EQ(m.Param, 0) << id;
            }
            // The graph flag is the instance's kind.
            auto stat = f->list.CreateStat(i);
            EXPECT_EQ(m.StatClass->HasGraph(), dynamic_cast<TCustomGraphStat*>(stat.get()) != nullptr) << id;
            EXPECT_EQ((m.StatClass->Flags() & FlagG) != 0, m.StatClass->HasGraph()) << id;
        }
    }
}

// Every value a method lists in advance, yields for the archive (in drawn and
// in ascending order) or, when it reads the numbers alone, for combinations.
TStatDrawArray valuesSeen(const StatsFixture& f, int entry)
{
    auto stat = f.list.CreateStat(entry);
    TStatDrawArray all;
    const int last = static_cast<int>(f.draws.size()) - 1;
    for (bool sorted : {false, true})
        for (const TStatDraw& v : CalculateRange(*stat, {0, last}, sorted))
            AddStatDraw(all, v, false);
    for (const TStatDraw& v : CalculateRange(*stat, {0, last / 2}, true))
        AddStatDraw(all, v, false);
    if (fromNumbersAlone(stat->Class())) {
        std::mt19937 rng(static_cast<unsigned>(entry));
        auto add = [&](const TComb& c) {
            for (uint64_t key : testing::numbersValuesOf(*stat, c)) {
                TStatDraw v;
                SetKey(v, key);
                AddStatDraw(all, v, false);
            }
        };
        for (const TComb& c : testing::edgeCombs())
            add(c);
        for (int i = 0; i < 200; ++i)
            add(testing::randomComb(rng, i % 2));
    }
    return all;
}

// A value's text names it: two values never share a text (filters find rows by
// it), and the methods whose values can be typed read a value held in V1 back.
TEST(MethodContract, ValueTextsNameTheirValues)
{
    for (const auto& f : configurations()) {
        for (int i = 0; i < f->list.MethodCount(); ++i) {
            const std::string id = f->list.Item(i).ID();
            auto stat = f->list.CreateStat(i);
            std::map<std::string, uint64_t> byText;
            for (const TStatDraw& v : valuesSeen(*f, i)) {
                const std::string text = stat->ValueToText(v);
                EXPECT_FALSE(text.empty()) << id;
                const auto [it, inserted] = byText.emplace(text, KeyOf(v));
                EXPECT_TRUE(inserted || it->second == KeyOf(v)) << id << ": two values shown as " << text;
                if (!stat->Class().ValueFromText()) {
                    EXPECT_EQ(stat->ParseValue(text), 0) << id << " " << text;
                } else if (v.V2 == 0 && v.V3 == 0 && v.V4 == 0) {
                    EXPECT_EQ(stat->ParseValue(text), LowInt(v)) << id << " " << text;
                }
            }
        }
    }
}

// What a bare combination yields is what the six numbers give, one record per
// distinct value counting its repeats; a method without the full-set form
// yields nothing.
TEST(MethodContract, CombinationValuesAreTheNumbersValues)
{
    std::mt19937 rng(77);
    for (const auto& f : configurations()) {
        for (int i = 0; i < f->list.MethodCount(); ++i) {
            auto stat = f->list.CreateStat(i);
            const std::string id = f->list.Item(i).ID();
            std::vector<TComb> combs = testing::edgeCombs();
            for (int k = 0; k < 20; ++k)
                combs.push_back(testing::randomComb(rng, k % 2));
            for (const TComb& c : combs) {
                TStatDrawArray got;
                stat->CombValues(c, got);
                if (!stat->Class().CanPrefetch()) {
                    EXPECT_TRUE(got.empty()) << id;
                    continue;
                }
                std::vector<std::pair<uint64_t, int>> want;
                for (uint64_t key : testing::numbersValuesOf(*stat, c)) {
                    auto it = std::find_if(want.begin(), want.end(), [&](const auto& w) { return w.first == key; });
                    if (it == want.end())
                        want.emplace_back(key, 1);
                    else
                        ++it->second;
                }
                ASSERT_EQ(got.size(), want.size()) << id;
                for (size_t k = 0; k < want.size(); ++k) {
                    EXPECT_EQ(KeyOf(got[k]), want[k].first) << id;
                    EXPECT_EQ(got[k].Count, want[k].second) << id;
                    EXPECT_EQ(got[k].Ago, 0) << id;
                }
            }
        }
    }
}

// The plain values a selection stands for. The sum ranges read theirs as a
// choice of side: the inside when its row is selected, else the outside.
TStatDrawArray plainValues(const MethodClass& c, const TStatDrawArray& selected)
{
    if (&c != &TstSumRangesClass)
        return selected;
    TStatDraw side;
    side.V1 = HasKey(selected, PackKey(1)) ? 1 : 0;
    return {side};
}

// The prepared filter test of every method that reads the six numbers alone
// agrees with the method's own values, on random and edge combinations, for
// selections made of those values.
TEST(MethodContract, PreparedMatchersAgreeWithTheMethodsValues)
{
    unsigned seed = 1;
    int checked = 0;
    for (const auto& f : configurations()) {
        for (int i = 0; i < f->list.MethodCount(); ++i) {
            const TStatMethod& m = f->list.Item(i);
            if (!fromNumbersAlone(*m.StatClass))
                continue;
            const MethodClass* c = m.StatClass;
            testing::expectMatchesAgree(
                *f, m.ID(), seed++, {.rounds = 4, .oddKeys = false, .plainValues = [c](const TStatDrawArray& selected) {
                                         return plainValues(*c, selected);
                                     }});
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

// A row of the statistics table, selected alone, keeps the combination equal to
// the draw after the window exactly when that draw has the row's value.
TEST(MethodContract, TableRowsAgreeWithTheNextDraw)
{
    const auto all = configurations();
    int rows = 0;
    for (size_t k = 0; k < 2; ++k) {
        const StatsFixture& f = *all[k];
        for (int i = 0; i < f.list.MethodCount(); ++i) {
            const TStatMethod& m = f.list.Item(i);
            if (!fromNumbersAlone(*m.StatClass))
                continue;
            auto stat = f.list.CreateStat(i);
            for (int last : {5, 23, 46}) {
                const TComb next = model::SortedDraw(f.draws[static_cast<size_t>(last + 1)]).Balls;
                const auto nextKeys = testing::numbersValuesOf(*stat, next);
                for (const TStatDraw& row : CalculateRange(*stat, {std::max(0, last - 12), last}, true)) {
                    const TStatDrawArray selected{row};
                    bool expected = false;
                    for (uint64_t key : nextKeys)
                        expected = expected || HasKey(plainValues(*m.StatClass, selected), key);
                    EXPECT_EQ(stat->PrepareMatches(selected, {last, true})->matches(next), expected)
                        << m.ID() << " at " << last << ": " << stat->ValueToText(row);
                    ++rows;
                }
            }
        }
    }
    EXPECT_GT(rows, 1000);
}

} // namespace
} // namespace belvane::stats
