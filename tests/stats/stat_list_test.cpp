#include <gtest/gtest.h>

#include "helpers/stats_fixture.h"
#include "helpers/temp_dir.h"
#include "stats/class_table.h"
#include "stats/numbers.h"
#include "support/error.h"
#include "support/ini_document.h"

namespace belvane::stats {
namespace {

using testing::StatsFixture;

TEST(StatList, NumberMethodsRegisterInTableOrder)
{
    StatsFixture f;
    std::vector<std::string> ids;
    for (int i = 0; i < f.list.MethodCount(); ++i)
        ids.push_back(f.list.Item(i).ID());
    const std::vector<std::string> numberIds{"NUMS", "DIGS", "EVEN", "EVNV", "SMAL", "SMLV", "PRIM", "PRMV",
                                             "POS1", "POS2", "POS3", "POS4", "POS5", "POS6", "POE1"};
    // Families added later slot in between; the number methods keep their relative order.
    std::vector<std::string> seen;
    for (const auto& id : ids)
        if (std::find(numberIds.begin(), numberIds.end(), id) != numberIds.end())
            seen.push_back(id);
    EXPECT_EQ(seen, numberIds);
    EXPECT_EQ(StatClassPosition(&TstValuesClass), 0);
    EXPECT_EQ(StatClassPosition(&TstPosValClass), 101);
    EXPECT_EQ(StatClassPosition(nullptr), -1);
    EXPECT_EQ(StatClassTable().size(), 143u);
}

TEST(StatList, EntriesAndClassQueries)
{
    StatsFixture f;
    const int pos3 = f.list.FindMethod("pos3");
    ASSERT_GE(pos3, 0);
    const TStatMethod& m = f.list.Item(pos3);
    EXPECT_EQ(m.Param, 3);
    EXPECT_EQ(m.ID(), "POS3");
    EXPECT_EQ(m.DefaultCaption(), "Число в 3 позиции тиража");
    EXPECT_EQ(m.StatClass->GetHelpID(), "POSx");
    EXPECT_EQ(TstValuesClass.GetHelpID(), "NUMS");
    EXPECT_TRUE(f.list.HasGraph(pos3));
    EXPECT_TRUE(f.list.CanPrefetch(pos3));
    EXPECT_FALSE(f.list.CanPrefetch(f.list.FindMethod("POE1")));
    EXPECT_EQ(FlagsText(TstPosExtClass.Flags()), "G");
    EXPECT_EQ(f.list.FindMethod("XXXX"), -1);
}

TEST(StatList, MethodTextOptions)
{
    StatsFixture f;
    const int nums = f.list.FindMethod("NUMS");
    EXPECT_EQ(f.list.MethodText(nums, true), "{ num } Числа тиража [ N ]");
    EXPECT_EQ(f.list.MethodText(nums, false), "{ num } Числа тиража");
    f.list.ShowGroupName = false;
    f.list.ShowMethodFlags = false;
    EXPECT_EQ(f.list.MethodText(nums, true), "Числа тиража");
    f.list.ShowMethodFlags = true;
    f.list.Item(nums).UserCaption = "Мои числа";
    EXPECT_EQ(f.list.MethodText(nums, true), "Мои числа [ N ]");
    EXPECT_EQ(TStatList::GroupCaption(0), "{ num } Числа тиража");
    EXPECT_EQ(TStatList::GroupCaption(12), "{ shr } Методы шинковки");
    EXPECT_EQ(TStatList::GroupCaption(13), "#ERROR#");
    EXPECT_EQ(TStatList::GroupCaption(-1), "#ERROR#");
}

TEST(StatList, FavouritesByIdIgnoringCaseButNotBlanks)
{
    StatsFixture f;
    EXPECT_EQ(f.list.FavoritesText(), "");
    f.list.SetFavorites("nums,EVEN");
    EXPECT_FALSE(f.list.AllFavorites);
    EXPECT_TRUE(f.list.IsListed(f.list.FindMethod("NUMS")));
    EXPECT_TRUE(f.list.IsListed(f.list.FindMethod("EVEN")));
    EXPECT_FALSE(f.list.IsListed(f.list.FindMethod("DIGS")));
    EXPECT_EQ(f.list.FavoritesText(), "NUMS,EVEN");

    f.list.SetFavorites("NUMS, EVEN"); // " EVEN" keeps its blank and marks nothing
    EXPECT_FALSE(f.list.IsListed(f.list.FindMethod("EVEN")));

    f.list.SetFavorites("  ");
    EXPECT_TRUE(f.list.AllFavorites);

    for (int i = 0; i < f.list.MethodCount(); ++i)
        f.list.Item(i).Favorite = false;
    f.list.AllFavorites = false;
    f.list.NormalizeFavorites(); // all the same, all off: everything listed again
    EXPECT_TRUE(f.list.AllFavorites);
    EXPECT_TRUE(f.list.Item(0).Favorite);
    f.list.Item(0).Favorite = false;
    f.list.NormalizeFavorites();
    EXPECT_FALSE(f.list.AllFavorites);
    f.list.SelectAll();
    EXPECT_TRUE(f.list.Item(0).Favorite);
}

TEST(StatList, FilterListFileRoundTrip)
{
    testing::TempDir dir;
    const auto path = dir / "Belvane_6x45.flt";
    {
        StatsFixture f;
        f.list.SetFavorites("NUMS,POS2");
        f.list.Ordered = true;
        f.list.ShowGroupName = false;
        f.list.Item(f.list.FindMethod("DIGS")).UserCaption = "Цифры";
        f.list.SaveFilterList(path, true, false);
    }
    const IniDocument ini = IniDocument::load(path);
    EXPECT_EQ(ini.readString("FILTERS", "Favorites"), "NUMS,POS2");
    EXPECT_EQ(ini.readString("STRINGS_RUS", "DIGS"), "Цифры");
    EXPECT_FALSE(ini.valueExists("STRINGS_RUS", "NUMS"));

    StatsFixture g;
    g.list.LoadFilterList(path, true);
    EXPECT_FALSE(g.list.AllFavorites);
    EXPECT_TRUE(g.list.Item(g.list.FindMethod("POS2")).Favorite);
    EXPECT_FALSE(g.list.Item(g.list.FindMethod("POS3")).Favorite);
    EXPECT_TRUE(g.list.Ordered);
    EXPECT_FALSE(g.list.ShowGroupName);
    EXPECT_TRUE(g.list.ShowMethodFlags);
    EXPECT_EQ(g.list.Item(g.list.FindMethod("DIGS")).DisplayCaption(), "Цифры");

    // All captions: every entry is written, and the old section goes first.
    g.list.SaveFilterList(path, false, true);
    const IniDocument all = IniDocument::load(path);
    EXPECT_EQ(all.readString("STRINGS_RUS", "NUMS"), "Числа тиража");
    EXPECT_EQ(all.keyNames("STRINGS_RUS").size(), static_cast<size_t>(g.list.MethodCount()));
}

TEST(StatList, UnreadableFilterListThrows)
{
    testing::TempDir dir;
    std::filesystem::create_directory(dir / "x.flt");
    StatsFixture f;
    EXPECT_THROW(f.list.LoadFilterList(dir / "x.flt", true), Error);
}

TEST(StatList, CreateFromListNeedsAChoice)
{
    StatsFixture f;
    try {
        f.list.CreateStatFromList(-1, "cbDrawsStatType");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Не выбран метод расчета статистики (cb: cbDrawsStatType)!");
    }
    EXPECT_EQ(f.list.CreateStatFromList(0, "cb")->Class().GetID(), "NUMS");
}

TEST(StatList, HelpAddressOnlyWithAHelpFile)
{
    testing::TempDir dir;
    EXPECT_EQ(TstPosValClass.HelpURL(3, dir / "Kalvo_RUS.chm"), "");
    testing::writeBytes(dir / "Kalvo_RUS.chm", "x");
    EXPECT_EQ(TstPosValClass.HelpURL(3, dir / "Kalvo_RUS.chm"),
              "ms-its:" + (dir / "Kalvo_RUS.chm").string() + "::/Filters_1049_POSx.htm");
}

TEST(StatList, WeightsSaveRestoreApply)
{
    StatsFixture f;
    f.config.Weights.Count = 2;
    f.config.SaveWeights();
    WeightCoefficients step;
    step.Level = 7;
    f.config.ApplyWeights(true, step);
    EXPECT_EQ(f.config.Weights.Level, 7);
    f.config.ApplyWeights(false, step);
    EXPECT_EQ(f.config.Weights.Count, 2);
    EXPECT_EQ(f.config.Weights.Level, 1);
}

} // namespace
} // namespace belvane::stats
