// The favourites dialog's working copy: what it shows, and what OK, Cancel,
// names import and names export do to the registry.

#include <gtest/gtest.h>

#include <algorithm>

#include "helpers/stats_fixture.h"
#include "helpers/temp_dir.h"
#include "stats/favorites_draft.h"
#include "stats/method_description.h"
#include "support/error.h"
#include "support/ini_document.h"

namespace belvane::stats {
namespace {

using testing::StatsFixture;
using testing::TempDir;

int methodOf(const FavoritesDraft& draft, const TStatList& list, std::string_view id)
{
    return draft.MethodOfEntry(list.FindMethod(id));
}

TEST(FavoritesDraft, GroupsInFirstMetOrderAndEveryEntryOnce)
{
    StatsFixture f;
    f.list.Item(f.list.FindMethod("DIGS")).UserCaption = "Цифры";
    const FavoritesDraft draft(f.list);
    ASSERT_EQ(draft.MethodCount(), f.list.MethodCount());
    ASSERT_FALSE(draft.Groups().empty());
    EXPECT_EQ(draft.Groups()[0].Caption, "{ num } Числа тиража");

    std::vector<int> seenGroups;
    int methods = 0;
    int lastEntry = -1;
    for (size_t g = 0; g < draft.Groups().size(); ++g) {
        const FavoritesDraftGroup& group = draft.Groups()[g];
        EXPECT_EQ(std::count(seenGroups.begin(), seenGroups.end(), group.StatGroup), 0);
        seenGroups.push_back(group.StatGroup);
        for (int m : group.Methods) {
            const FavoritesDraftMethod& method = draft.Method(m);
            EXPECT_EQ(method.Group, static_cast<int>(g));
            EXPECT_EQ(f.list.Item(method.Entry).StatClass->GetGroup(), group.StatGroup);
            ++methods;
        }
    }
    EXPECT_EQ(methods, draft.MethodCount());
    // Registry order within the draft, and the groups in the order the registry meets them.
    for (const FavoritesDraftMethod& m : draft.Methods()) {
        EXPECT_GT(m.Entry, lastEntry);
        lastEntry = m.Entry;
    }
    for (size_t g = 1; g < draft.Groups().size(); ++g)
        EXPECT_LT(draft.Method(draft.Groups()[g - 1].Methods[0]).Entry,
                  draft.Method(draft.Groups()[g].Methods[0]).Entry);
    EXPECT_EQ(draft.Method(methodOf(draft, f.list, "DIGS")).Caption, "Цифры");
    EXPECT_EQ(draft.Method(methodOf(draft, f.list, "SHR1")).Caption, "Метод шинковки 1: (n1+n2+n3)/(n4+n5+n6)");
}

TEST(FavoritesDraft, OkStoresMarksAndNormalises)
{
    StatsFixture f;
    FavoritesDraft draft(f.list);
    draft.MarkAll(false);
    draft.SetMarked(methodOf(draft, f.list, "SUMS"), true);
    draft.Toggle(methodOf(draft, f.list, "NUMS"));
    draft.Ordered = true;
    draft.ShowGroupName = false;
    draft.ShowMethodFlags = false;
    draft.ApplyTo(f.list);
    EXPECT_FALSE(f.list.AllFavorites);
    EXPECT_EQ(f.list.FavoritesText(), "NUMS,SUMS");
    EXPECT_TRUE(f.list.Ordered);
    EXPECT_FALSE(f.list.ShowGroupName);
    EXPECT_FALSE(f.list.ShowMethodFlags);

    // A group's marks: the number methods only.
    FavoritesDraft groups(f.list);
    groups.MarkAll(false);
    groups.MarkGroup(0, true);
    EXPECT_EQ(groups.MarkedCount(), static_cast<int>(groups.Groups()[0].Methods.size()));
    groups.MarkGroup(0, false);

    // Nothing marked means everything offered.
    groups.ApplyTo(f.list);
    EXPECT_TRUE(f.list.AllFavorites);
    for (int i = 0; i < f.list.MethodCount(); ++i)
        EXPECT_TRUE(f.list.Item(i).Favorite) << f.list.Item(i).ID();
    EXPECT_EQ(f.list.FavoritesText(), "");
}

TEST(FavoritesDraft, CaptionsEqualToTheDefaultStoreNothing)
{
    StatsFixture f;
    f.list.Item(f.list.FindMethod("EVEN")).UserCaption = "Чётные";
    FavoritesDraft draft(f.list);
    const int nums = methodOf(draft, f.list, "NUMS");
    const int shr1 = methodOf(draft, f.list, "SHR1");
    const int digs = methodOf(draft, f.list, "DIGS");
    const int even = methodOf(draft, f.list, "EVEN");
    draft.Rename(nums, "ЧИСЛА ТИРАЖА");
    draft.Rename(shr1, "метод ШИНКОВКИ 1: (N1+N2+N3)/(N4+N5+N6)");
    draft.Rename(digs, "  Мои цифры ");
    draft.ResetName(even);
    EXPECT_EQ(draft.Method(digs).Caption, "Мои цифры");
    EXPECT_EQ(draft.Method(even).Caption, f.list.Item(f.list.FindMethod("EVEN")).DefaultCaption());
    EXPECT_EQ(draft.DefaultCaption(shr1), "Метод шинковки 1: (n1+n2+n3)/(n4+n5+n6)");
    draft.ApplyTo(f.list);
    EXPECT_EQ(f.list.Item(f.list.FindMethod("NUMS")).UserCaption, "");
    EXPECT_EQ(f.list.Item(f.list.FindMethod("SHR1")).UserCaption, "");
    EXPECT_EQ(f.list.Item(f.list.FindMethod("DIGS")).UserCaption, "Мои цифры");
    EXPECT_EQ(f.list.Item(f.list.FindMethod("EVEN")).UserCaption, "");
}

TEST(FavoritesDraft, ImportTouchesOnlyTheDraft)
{
    TempDir dir;
    const auto names = dir / "names.flt";
    {
        IniDocument ini;
        ini.writeString("FILTERS", "Favorites", "NUMS");
        ini.writeBool("FILTERS", "Ordered", true);
        ini.writeString("STRINGS_RUS", "SUMS", " Суммы ");
        ini.save(names);
    }
    StatsFixture f;
    f.list.Item(f.list.FindMethod("DIGS")).UserCaption = "Цифры";
    FavoritesDraft draft(f.list);
    draft.ImportNames(names);
    EXPECT_EQ(draft.Method(methodOf(draft, f.list, "SUMS")).Caption, "Суммы");
    // A method the file does not name shows its own caption again.
    EXPECT_EQ(draft.Method(methodOf(draft, f.list, "DIGS")).Caption,
              f.list.Item(f.list.FindMethod("DIGS")).DefaultCaption());
    // Favourites and options are not read from a names file.
    EXPECT_EQ(draft.MarkedCount(), draft.MethodCount());
    EXPECT_FALSE(draft.Ordered);
    // Cancel: the registry never saw the import.
    EXPECT_EQ(f.list.Item(f.list.FindMethod("SUMS")).UserCaption, "");
    EXPECT_EQ(f.list.Item(f.list.FindMethod("DIGS")).UserCaption, "Цифры");
    // OK: it does now.
    draft.ApplyTo(f.list);
    EXPECT_EQ(f.list.Item(f.list.FindMethod("SUMS")).UserCaption, "Суммы");
    EXPECT_EQ(f.list.Item(f.list.FindMethod("DIGS")).UserCaption, "");
    EXPECT_TRUE(f.list.AllFavorites);

    EXPECT_THROW(draft.ImportNames(dir / "missing.flt"), Error);
    std::filesystem::create_directory(dir / "folder.flt");
    EXPECT_THROW(draft.ImportNames(dir / "folder.flt"), Error);
}

TEST(FavoritesDraft, ExportWritesEveryCaptionAndLeavesTheRegistry)
{
    TempDir dir;
    const auto names = dir / "names.flt";
    StatsFixture f;
    FavoritesDraft draft(f.list);
    draft.MarkAll(false);
    draft.Rename(methodOf(draft, f.list, "SUMS"), "Суммы");
    draft.Rename(methodOf(draft, f.list, "NUMS"), "числа тиража");
    draft.ExportNames(names);
    const IniDocument ini = IniDocument::load(names);
    EXPECT_EQ(ini.readString("STRINGS_RUS", "SUMS"), "Суммы");
    EXPECT_EQ(ini.readString("STRINGS_RUS", "NUMS"), "Числа тиража");
    // A shredding caption is written as a template, its formula left out.
    EXPECT_EQ(ini.readString("STRINGS_RUS", "SHR1"), f.list.Item(f.list.FindMethod("SHR1")).DefaultCaption());
    EXPECT_EQ(ini.keyNames("STRINGS_RUS").size(), static_cast<size_t>(f.list.MethodCount()));
    EXPECT_FALSE(ini.valueExists("FILTERS", "Favorites"));
    EXPECT_EQ(f.list.Item(f.list.FindMethod("SUMS")).UserCaption, "");
    EXPECT_TRUE(f.list.AllFavorites);

    // The file reads back into another draft.
    FavoritesDraft other(f.list);
    other.ImportNames(names);
    EXPECT_EQ(other.Method(methodOf(other, f.list, "SUMS")).Caption, "Суммы");
    EXPECT_THROW(draft.ExportNames(dir / "no" / "such" / "folder.flt"), Error);
}

TEST(MethodDescription, NamesTheMethodItsGroupAndItsFeatures)
{
    StatsFixture f;
    const std::string nums = MethodDescriptionPage(f.list, f.list.FindMethod("NUMS"));
    EXPECT_NE(nums.find("<h2>Числа тиража</h2>"), std::string::npos);
    EXPECT_NE(nums.find("NUMS"), std::string::npos);
    EXPECT_NE(nums.find("{ num } Числа тиража"), std::string::npos);
    EXPECT_NE(nums.find("<b>N</b>"), std::string::npos);
    EXPECT_EQ(nums.find("<b>S</b>"), std::string::npos);

    f.list.Item(f.list.FindMethod("SHR2")).UserCaption = "<Моя> & шинковка";
    const std::string shr = MethodDescriptionPage(f.list, f.list.FindMethod("SHR2"));
    EXPECT_NE(shr.find("&lt;Моя&gt; &amp; шинковка"), std::string::npos);
    EXPECT_NE(shr.find("(n4+n5+n6)/(n1+n2+n3)"), std::string::npos); // the formula
    EXPECT_NE(shr.find("Метод шинковки 2"), std::string::npos);      // the caption it replaces
    EXPECT_EQ(MethodDescriptionPage(f.list, -1), "");
    EXPECT_EQ(MethodDescriptionPage(f.list, f.list.MethodCount()), "");
}

} // namespace
} // namespace belvane::stats
