// The descriptions of the methods: every method of a described family has
// one, each names the forms of the values the statistics table prints for
// it, and the page shows a worked example the method computes itself.

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <set>

#include "helpers/stats_fixture.h"
#include "stats/class_table.h"
#include "stats/method_description.h"
#include "stats/method_example.h"
#include "stats/method_help.h"

namespace belvane::stats {
namespace {

using testing::StatsFixture;

TEST(MethodHelp, EveryMethodHasItsDescription)
{
    for (const MethodClass* c : StatClassTable()) {
        if (c == nullptr || !c->Available())
            continue;
        const MethodHelp* help = FindMethodHelp(*c);
        ASSERT_NE(help, nullptr) << c->GetID() << " has no description";
        SCOPED_TRACE(std::string(c->GetID()));
        EXPECT_NE(help->Computes, nullptr);
        EXPECT_NE(help->Values, nullptr);
        EXPECT_NE(help->Keep, nullptr);
        // A parameter is explained exactly where the method has one.
        EXPECT_EQ(help->Param != nullptr, c->HasParam());
    }
    // Every entry of the registry, in each game configuration the tests use.
    StatsFixture f;
    for (int i = 0; i < f.list.MethodCount(); ++i)
        EXPECT_NE(FindMethodHelp(*f.list.Item(i).StatClass), nullptr) << f.list.Item(i).ID();
    EXPECT_GT(f.list.MethodCount(), 200);
}

TEST(MethodHelp, EachDescriptionBelongsToOneRegisteredClass)
{
    for (auto family :
         {NumbersHelp(), SumsHelp(), DifferencesHelp(), ChannelsHelp(), MatrixHelp(), SegmentsHelp(), SequencesHelp(),
          RepeatsHelp(), SerialHelp(), PeriodsHelp(), ChainsHelp(), OgnevHelp(), ShreddingHelp(), CombValuesHelp()}) {
        for (const MethodHelp& help : family) {
            const auto table = StatClassTable();
            const auto owners = std::count_if(table.begin(), table.end(), [&](const MethodClass* c) {
                return c != nullptr && c->GetID() == help.Id;
            });
            EXPECT_EQ(owners, 1) << help.Id;
            EXPECT_EQ(FindMethodHelp(
                          **std::find_if(table.begin(), table.end(),
                                         [&](const MethodClass* c) { return c != nullptr && c->GetID() == help.Id; })),
                      &help)
                << help.Id << ": described twice";
        }
    }
}

// A value text reduced to its form: every run of digits is one "9" ("12 -> 07"
// is "9 -> 9") and every run of mask letters one "A" ("ЧнЧнЧн (021)" is "A (9)").
std::string formOf(std::string_view text)
{
    constexpr std::string_view maskLetters[] = {"Ч", "н", "П", "С"};
    const auto maskLetterAt = [&](size_t i) {
        return std::any_of(std::begin(maskLetters), std::end(maskLetters),
                           [&](std::string_view l) { return text.substr(i).starts_with(l); });
    };
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (maskLetterAt(i)) {
            out += 'A';
            while (i + 2 < text.size() && maskLetterAt(i + 2))
                i += 2;
            ++i; // the second byte of the letter
            continue;
        }
        if (std::isdigit(static_cast<unsigned char>(text[i]))) {
            out += '9';
            while (i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1])))
                ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

// The forms a description quotes as «...».
std::set<std::string> quotedForms(std::string_view text)
{
    std::set<std::string> forms;
    constexpr std::string_view open = "«", close = "»";
    for (size_t at = text.find(open); at != std::string_view::npos; at = text.find(open, at + 1)) {
        const size_t end = text.find(close, at);
        if (end == std::string_view::npos)
            break;
        forms.insert(formOf(text.substr(at + open.size(), end - at - open.size())));
    }
    return forms;
}

// Random draws of six distinct numbers, some from a narrow band so that
// numbers, channels and segments repeat between neighbouring draws.
model::TDrawsArray randomDraws(unsigned seed, int count)
{
    std::mt19937 rng(seed);
    model::TDrawsArray draws;
    for (int i = 0; i < count; ++i) {
        std::vector<model::Ball> pool(i % 3 == 0 ? 12 : 45);
        std::iota(pool.begin(), pool.end(), model::Ball{1});
        std::shuffle(pool.begin(), pool.end(), rng);
        model::TComb c{};
        std::copy_n(pool.begin(), 6, c.begin());
        draws.push_back(testing::makeDraw(1 + i, c));
    }
    return draws;
}

// What a description says about typing values in is what the method allows.
TEST(MethodHelp, DescriptionsSayWhetherValuesCanBeTyped)
{
    for (const MethodClass* c : StatClassTable()) {
        const MethodHelp* help = c != nullptr ? FindMethodHelp(*c) : nullptr;
        if (help == nullptr)
            continue;
        const std::string_view values = help->Values;
        EXPECT_EQ(values.find("Значения можно ввести списком") != std::string_view::npos, c->ValueFromText())
            << c->GetID();
        EXPECT_EQ(values.find("не вводятся списком") != std::string_view::npos, !c->ValueFromText()) << c->GetID();
    }
}

TEST(MethodHelp, DescriptionsNameTheValueFormsTheTablePrints)
{
    int checked = 0;
    for (int channel : {5, 4, 9}) {
        StatsFixture f(randomDraws(static_cast<unsigned>(channel), 60));
        f.config.ChannelSize = channel;
        f.list.BuildMethods();
        const int high = static_cast<int>(f.draws.size()) - 1;
        for (int i = 0; i < f.list.MethodCount(); ++i) {
            const TStatMethod& m = f.list.Item(i);
            const MethodHelp* help = FindMethodHelp(*m.StatClass);
            if (help == nullptr)
                continue;
            SCOPED_TRACE(m.ID());
            const std::set<std::string> named = quotedForms(help->Values);
            EXPECT_FALSE(named.empty());
            auto stat = f.list.CreateStat(i);
            for (bool sorted : {false, true})
                for (int last : {high / 2, high})
                    for (const TStatDraw& v : CalculateRange(*stat, {std::max(0, last - 30), last}, sorted)) {
                        const std::string text = stat->ValueToText(v);
                        EXPECT_TRUE(named.contains(formOf(text))) << "the table prints " << text;
                    }
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}

// An archive whose newest draws are known: the draw before the newest shares
// 12 and 40 with it.
StatsFixture knownArchive()
{
    model::TDrawsArray draws = randomDraws(7, 20);
    draws.push_back(testing::makeDraw(21, {12, 1, 2, 40, 27, 44}, 1, "01/03/2025"));
    draws.push_back(testing::makeDraw(22, {32, 12, 17, 40, 5, 9}, 1, "08/03/2025"));
    return StatsFixture(std::move(draws));
}

// A registry entry whose family is not described yet; -1 once every one is.
int undescribedEntry(const TStatList& list)
{
    for (int i = 0; i < list.MethodCount(); ++i)
        if (FindMethodHelp(*list.Item(i).StatClass) == nullptr)
            return i;
    return -1;
}

TEST(MethodExample, TheMethodComputesTheNewestDrawAndTheCombinationAsTheNextDraw)
{
    StatsFixture f = knownArchive();
    const auto knp = ComputeMethodExample(f.list, f.list.FindMethod("KNP32"), false);
    ASSERT_TRUE(knp);
    EXPECT_EQ(knp->Draw.Number, 22);
    EXPECT_EQ(knp->DrawValues, std::vector<std::string>{"12:17:40"}); // positions 2..4 as drawn
    EXPECT_EQ(knp->CombValues, std::vector<std::string>{"11:18:24"});
    EXPECT_FALSE(knp->KeptByDrawValues);

    const auto sorted = ComputeMethodExample(f.list, f.list.FindMethod("KNP32"), true);
    EXPECT_EQ(sorted->DrawValues, std::vector<std::string>{"9:12:17"});

    // The combination follows the newest draw, so every number of that draw is
    // followed. Channels of five: the combination has a number in the channels
    // of 32, 12, 17 and 5 (32, 11, 18, 3) and none in 6..10 and 36..40.
    const auto sdz = ComputeMethodExample(f.list, f.list.FindMethod("SDZ2"), false);
    EXPECT_EQ(sdz->CombValues, (std::vector<std::string>{"09 -> 00", "40 -> 00"}));
    const auto sdg = ComputeMethodExample(f.list, f.list.FindMethod("SDG2"), false);
    EXPECT_EQ(sdg->CombValues, (std::vector<std::string>{"05 -> 03", "12 -> 11", "17 -> 18", "32 -> 32"}));
    const auto sdc = ComputeMethodExample(f.list, f.list.FindMethod("SDC2"), false);
    EXPECT_EQ(sdc->CombValues,
              (std::vector<std::string>{"5 -> 1", "9 -> 0", "12 -> 1", "17 -> 1", "32 -> 1", "40 -> 0"}));
    // Within the window the draw before the newest shares 12 and 40 with it: only those are followed.
    for (const std::string& v : sdc->DrawValues)
        EXPECT_TRUE(v.starts_with("12 -> ") || v.starts_with("40 -> ")) << v;

    // The pair 12:32 of the newest draw is not in the combination; 32 alone does not make a pair.
    const auto knm = ComputeMethodExample(f.list, f.list.FindMethod("KNM2"), false);
    EXPECT_EQ(knm->DrawValues.size(), 15u);
    EXPECT_EQ(knm->CombValues.size(), 15u);
    EXPECT_FALSE(knm->KeptByDrawValues);

    // The dynamic Ognev method gives values for the newest draw of a window only,
    // and its candidates are numbers a combination can hold.
    const auto hco = ComputeMethodExample(f.list, f.list.FindMethod("HCO3"), false);
    EXPECT_FALSE(hco->DrawValues.empty());
    EXPECT_TRUE(hco->CombValues.empty());
}

// Periods and series carry from draw to draw: the example follows the window
// up to the newest draw as the table does, and the combination after it.
TEST(MethodExample, PeriodsAndSeriesFollowTheWindow)
{
    StatsFixture f = knownArchive();
    const auto prd = ComputeMethodExample(f.list, f.list.FindMethod("PRDV"), false);
    const auto has = [](const std::vector<std::string>& texts, const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    EXPECT_TRUE(has(prd->DrawValues, "12 x 1")) << prd->DrawValues.size();
    EXPECT_TRUE(has(prd->DrawValues, "40 x 1"));
    EXPECT_TRUE(has(prd->CombValues, "32 x 1")); // 32 is in the newest draw

    // 12 came in the last two draws: its series at the newest draw is at least two long.
    const auto grp = ComputeMethodExample(f.list, f.list.FindMethod("GRPV"), false);
    const auto twelve = std::find_if(grp->DrawValues.begin(), grp->DrawValues.end(),
                                     [](const std::string& t) { return t.starts_with("12 x "); });
    ASSERT_NE(twelve, grp->DrawValues.end());
    EXPECT_NE(*twelve, "12 x 1");
    // A window of one draw sees no history.
    const auto alone = ComputeMethodExample(f.list, f.list.FindMethod("PRDV"), false, 1);
    EXPECT_TRUE(alone->DrawValues.empty());
}

TEST(MethodExample, NoneWithoutAnArchiveOrOutsideTheRegistry)
{
    StatsFixture empty;
    EXPECT_FALSE(ComputeMethodExample(empty.list, empty.list.FindMethod("KNM2"), false));
    StatsFixture f = knownArchive();
    EXPECT_FALSE(ComputeMethodExample(f.list, -1, false));
    EXPECT_FALSE(ComputeMethodExample(f.list, f.list.MethodCount(), false));
}

TEST(MethodDescription, PageAndTextShowTheDescriptionAndTheExample)
{
    StatsFixture f = knownArchive();
    const int knp = f.list.FindMethod("KNP32");
    const std::string page = MethodDescriptionPage(f.list, knp);
    EXPECT_NE(page.find("<h3>Что вычисляет метод</h3>\n<p>Три числа тиража, начиная с выбранной позиции"),
              std::string::npos);
    EXPECT_NE(page.find("<h3>Параметр</h3>"), std::string::npos);
    EXPECT_NE(page.find("<h3>Пример</h3>\n<table border=\"1\""), std::string::npos);
    EXPECT_NE(page.find("<tr><td><b>Последний тираж 22 (08/03/2025): 32 12 17 40 05 09</b></td><td>12:17:40</td></tr>"),
              std::string::npos);
    EXPECT_NE(page.find("<tr><td><b>Комбинация 03 11 18 24 32 41 как следующий тираж</b></td><td>11:18:24</td></tr>"),
              std::string::npos);
    EXPECT_NE(page.find("удалит эту комбинацию"), std::string::npos);
    EXPECT_NE(page.find("<h3>Оставить или удалить</h3>"), std::string::npos);
    EXPECT_NE(page.find("<b>Параметр:</b></td><td>2</td>"), std::string::npos);

    const std::string text = MethodDescriptionText(f.list, knp);
    EXPECT_EQ(text.find('<'), std::string::npos);
    EXPECT_NE(text.find("\nПример\n  Последний тираж 22 (08/03/2025): 32 12 17 40 05 09\n      12:17:40\n"),
              std::string::npos);
    EXPECT_NE(text.find("Идентификатор: KNP32"), std::string::npos);
    EXPECT_EQ(MethodDescriptionText(f.list, -1), "");

    // A combination holding a value of the newest draw is kept by a filter keeping those values.
    const std::string sdv = MethodDescriptionPage(f.list, f.list.FindMethod("SDV2"));
    EXPECT_NE(sdv.find("оставит эту комбинацию"), std::string::npos);

    // A method without a description still shows its example and its facts.
    if (const int bare = undescribedEntry(f.list); bare >= 0) {
        const std::string plainPage = MethodDescriptionPage(f.list, bare);
        EXPECT_EQ(plainPage.find("Что вычисляет метод"), std::string::npos);
        EXPECT_NE(plainPage.find("<h3>Пример</h3>"), std::string::npos);
        EXPECT_NE(plainPage.find(f.list.Item(bare).ID()), std::string::npos);
    }
}

TEST(MethodDescription, SummaryIsTheFirstSentence)
{
    StatsFixture f = knownArchive();
    EXPECT_EQ(MethodSummary(f.list, f.list.FindMethod("KNM2")), "Пары чисел тиража.");
    EXPECT_EQ(MethodSummary(f.list, f.list.FindMethod("NUMS")), "Числа тиража.");
    if (const int bare = undescribedEntry(f.list); bare >= 0) {
        EXPECT_EQ(MethodSummary(f.list, bare), f.list.Item(bare).DisplayCaption());
    }
    EXPECT_EQ(MethodSummary(f.list, -1), "");
}

} // namespace
} // namespace belvane::stats
