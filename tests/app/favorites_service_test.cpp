// The favourites dialog's operations in the workspace: OK, names import and
// export, and the description of the chosen method.

#include <gtest/gtest.h>

#include <algorithm>

#include "app/demo_archive.h"
#include "app/statistics_service.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "stats/stat_list.h"
#include "support/file_faults.h"
#include "support/ini_document.h"

namespace belvane::app {
namespace {

using testing::StartedWorkspace;
using testing::TempDir;

std::vector<std::string> typeIds(const Workspace& ws)
{
    std::vector<std::string> ids;
    for (int entry : ws.Statistics().StatTypes())
        ids.push_back(ws.Registry().Item(entry).ID());
    return ids;
}

int methodOf(const stats::FavoritesDraft& draft, const Workspace& ws, std::string_view id)
{
    return draft.MethodOfEntry(ws.Registry().FindMethod(id));
}

TEST(Favorites, OkSavesRebuildsTheListsAndChoosesTheFirstType)
{
    TempDir dir;
    testing::writeArchiveFile(dir.path(), MakeDemoDraws(30, 5));
    StartedWorkspace s(dir.path());
    Workspace& ws = *s;
    ws.Statistics().SetStatTypeIndex(5);

    stats::FavoritesDraft draft = ws.Statistics().MakeFavoritesDraft();
    draft.MarkAll(false);
    draft.SetMarked(methodOf(draft, ws, "SUMS"), true);
    draft.SetMarked(methodOf(draft, ws, "EVEN"), true);
    draft.Rename(methodOf(draft, ws, "SUMS"), "0 Суммы тиража");
    draft.Ordered = true;
    draft.ShowGroupName = false;
    s.host.statuses.clear();
    ASSERT_TRUE(ws.Statistics().ApplyFavorites(draft));
    EXPECT_TRUE(std::find(s.host.statuses.begin(), s.host.statuses.end(), "Подождите пожалуйста...") !=
                s.host.statuses.end());

    // Ordered by name, without the group tags: the digit sorts before the letters.
    EXPECT_EQ(typeIds(ws), (std::vector<std::string>{"SUMS", "EVEN"}));
    EXPECT_EQ(ws.Statistics().StatTypeIndex(), 0);
    EXPECT_FALSE(ws.Statistics().Table().Rows.empty()); // the views show the first type
    const IniDocument ini = IniDocument::load(ws.Files().filterList());
    EXPECT_EQ(ini.readString("FILTERS", "Favorites"), "EVEN,SUMS");
    EXPECT_TRUE(ini.readBool("FILTERS", "Ordered", false));
    EXPECT_FALSE(ini.readBool("FILTERS", "ShowGroupName", true));
    EXPECT_EQ(ini.readString("STRINGS_RUS", "SUMS"), "0 Суммы тиража");
    EXPECT_FALSE(ini.valueExists("STRINGS_RUS", "NUMS"));

    // The next start reads it all back.
    s.ws.reset();
    StartedWorkspace again(dir.path());
    EXPECT_EQ(typeIds(*again), (std::vector<std::string>{"SUMS", "EVEN"}));
    EXPECT_EQ(again->Registry().Item(again->Registry().FindMethod("SUMS")).UserCaption, "0 Суммы тиража");
}

TEST(Favorites, AFailedSaveIsReported)
{
    TempDir dir;
    StartedWorkspace s(dir.path());
    stats::FavoritesDraft draft = s->Statistics().MakeFavoritesDraft();
    draft.MarkAll(false);
    draft.SetMarked(methodOf(draft, *s, "NUMS"), true);
    files::injectFault({files::FaultKind::Write, "Belvane_6x45.flt", 1});
    EXPECT_FALSE(s->Statistics().ApplyFavorites(draft));
    files::clearFaults();
    ASSERT_FALSE(s.host.errors().empty());
    EXPECT_TRUE(s.host.errors().back().starts_with("Ошибка сохранения списка фильтров!\r\r")) << s.host.errors().back();
    // The choice is in use even so.
    EXPECT_EQ(typeIds(*s), (std::vector<std::string>{"NUMS"}));
}

TEST(Favorites, ExportThenCancelLeavesTheSavedCaptions)
{
    TempDir dir;
    StartedWorkspace s(dir.path());
    Workspace& ws = *s;
    {
        stats::FavoritesDraft draft = ws.Statistics().MakeFavoritesDraft();
        draft.Rename(methodOf(draft, ws, "DIGS"), "Цифры");
        ASSERT_TRUE(ws.Statistics().ApplyFavorites(draft));
    }
    const std::string saved = testing::readBytes(ws.Files().filterList());

    stats::FavoritesDraft draft = ws.Statistics().MakeFavoritesDraft();
    draft.Rename(methodOf(draft, ws, "DIGS"), "Другие цифры");
    draft.Rename(methodOf(draft, ws, "NUMS"), "Мои числа");
    ASSERT_TRUE(ws.Statistics().ExportFavoriteNames(draft, dir / "names.flt"));
    EXPECT_EQ(IniDocument::load(dir / "names.flt").readString("STRINGS_RUS", "DIGS"), "Другие цифры");
    // Cancel: the draft is dropped.
    EXPECT_EQ(ws.Registry().Item(ws.Registry().FindMethod("DIGS")).UserCaption, "Цифры");
    EXPECT_EQ(ws.Registry().Item(ws.Registry().FindMethod("NUMS")).UserCaption, "");
    EXPECT_EQ(testing::readBytes(ws.Files().filterList()), saved);

    // The program's own file is not a names file.
    s.host.messages.clear();
    EXPECT_FALSE(ws.Statistics().ExportFavoriteNames(draft, ws.Files().filterList()));
    ASSERT_EQ(s.host.errors().size(), 1u);
    EXPECT_EQ(s.host.errors()[0], ws.Files().ownFileRefusal(ws.Files().filterList()));
    EXPECT_EQ(testing::readBytes(ws.Files().filterList()), saved);
}

TEST(Favorites, ImportThenCancelChangesNothing)
{
    TempDir dir;
    StartedWorkspace s(dir.path());
    Workspace& ws = *s;
    {
        IniDocument names;
        names.writeString("STRINGS_RUS", "NUMS", "Числа из файла");
        names.save(dir / "names.flt");
    }
    stats::FavoritesDraft draft = ws.Statistics().MakeFavoritesDraft();
    ASSERT_TRUE(ws.Statistics().ImportFavoriteNames(draft, dir / "names.flt"));
    EXPECT_EQ(draft.Method(methodOf(draft, ws, "NUMS")).Caption, "Числа из файла");
    EXPECT_EQ(ws.Registry().Item(ws.Registry().FindMethod("NUMS")).UserCaption, "");
    EXPECT_FALSE(std::filesystem::exists(ws.Files().filterList()) &&
                 IniDocument::load(ws.Files().filterList()).valueExists("STRINGS_RUS", "NUMS"));

    EXPECT_FALSE(ws.Statistics().ImportFavoriteNames(draft, dir / "missing.flt"));
    ASSERT_FALSE(s.host.errors().empty());
    EXPECT_TRUE(s.host.errors().back().starts_with("Ошибка загрузки списка фильтров!\r\r")) << s.host.errors().back();
    EXPECT_EQ(draft.Method(methodOf(draft, ws, "NUMS")).Caption, "Числа из файла"); // kept after the failure
}

// A configured help file that exists answers with its page; otherwise the
// built-in description is the only one.
TEST(Favorites, HelpPageOnlyWithAnExistingHelpFile)
{
    TempDir dir;
    StartedWorkspace s(dir.path());
    Workspace& ws = *s;
    const int sdz = ws.Registry().FindMethod("SDZ2");
    ws.Registry().HelpFile.clear();
    EXPECT_EQ(ws.Statistics().MethodHelpURL(sdz), "");
    ws.Registry().HelpFile = dir.path() / "Belvane_RUS.chm";
    EXPECT_EQ(ws.Statistics().MethodHelpURL(sdz), "");
    testing::writeBytes(dir.path() / "Belvane_RUS.chm", "x");
    EXPECT_EQ(ws.Statistics().MethodHelpURL(sdz),
              "ms-its:" + (dir.path() / "Belvane_RUS.chm").string() + "::/Filters_1049_SDZ2.htm");
    EXPECT_EQ(ws.Statistics().MethodHelpURL(-1), "");
    EXPECT_NE(ws.Statistics().MethodDescription(sdz).find("<h3>Что вычисляет метод</h3>"), std::string::npos);
}

TEST(Favorites, DescriptionOfTheChosenType)
{
    TempDir dir;
    StartedWorkspace s(dir.path());
    Workspace& ws = *s;
    ViewSelection none;
    EXPECT_EQ(ws.Statistics().ActionEnabled("FiltersManager", none), std::optional<bool>(true));
    ASSERT_EQ(ws.Statistics().StatTypeIndex(), 0);
    EXPECT_EQ(ws.Statistics().ActionEnabled("FiltersInfo", none), std::optional<bool>(true));
    EXPECT_NE(ws.Statistics().MethodDescription(ws.Statistics().ChosenEntry()).find("NUMS"), std::string::npos);
    ws.Statistics().SetStatTypeIndex(-1);
    EXPECT_EQ(ws.Statistics().ActionEnabled("FiltersInfo", none), std::optional<bool>(false));
}

} // namespace
} // namespace belvane::app
