// Which catalogue actions a selection enables, and the exchanges' wait window
// with its "Отмена" (against the exchange service on 127.0.0.1).

#include <gtest/gtest.h>

#include <filesystem>

#include "app/library_service.h"
#include "app/scenario_service.h"
#include "app/setting_keys.h"
#include "app/systems_service.h"
#include "helpers/exchange_service.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"

namespace belvane::app {
namespace {

namespace fs = std::filesystem;

void writeOnline(const fs::path& folder, const std::string& url)
{
    fs::create_directories(folder);
    testing::writeBytes(DataFiles(folder).config(),
                        "[ONLINE]\r\nServiceUrl=" + url + "\r\nUserName=Ivan\r\nUserMail=ivan@x\r\n");
}

TEST(ExchangeActions, SystemRowsNeedAListedSystemAndDeletionTheUsersOwn)
{
    testing::TempDir dir;
    testing::StartedWorkspace s(dir.path());
    const ViewSelection none;
    ViewSelection others;
    others.SystemRows = 2;
    ViewSelection own = others;
    own.SystemCurrentOwn = true;
    for (const char* action : {"SystemsDownload", "SystemsProp", "SystemsDel"})
        EXPECT_FALSE(s->ActionEnabled(action, none)) << action;
    EXPECT_TRUE(s->ActionEnabled("SystemsDownload", others));
    EXPECT_TRUE(s->ActionEnabled("SystemsProp", others));
    EXPECT_FALSE(s->ActionEnabled("SystemsDel", others));
    EXPECT_TRUE(s->ActionEnabled("SystemsDel", own));

    // The page switched off: only the switch is left.
    s->Settings().Set(key::SystemsEnabled, 0);
    for (const char* action : {"SystemsRefresh", "SystemsAdd", "SystemsDownload", "SystemsProp", "SystemsDel"})
        EXPECT_FALSE(s->ActionEnabled(action, own)) << action;
    EXPECT_TRUE(s->ActionEnabled("SystemsOn", none));
}

TEST(ExchangeActions, LibraryEntriesNeedTheirFlagsAndThePanel)
{
    testing::TempDir dir;
    testing::StartedWorkspace s(dir.path());
    const ViewSelection none;
    ViewSelection entry;
    entry.LibraryRows = 1;
    EXPECT_FALSE(s->ActionEnabled("ScriptLibraryDownload", entry)); // not usable here
    EXPECT_FALSE(s->ActionEnabled("ScriptLibraryReplace", entry));
    for (const char* action :
         {"ScriptLibraryView", "ScriptLibraryRates", "ScriptLibraryRate3", "ScriptLibraryRate0", "ScriptLibraryHide"}) {
        EXPECT_TRUE(s->ActionEnabled(action, entry)) << action;
        EXPECT_FALSE(s->ActionEnabled(action, none)) << action;
    }
    entry.LibraryCurrentUsable = true;
    EXPECT_TRUE(s->ActionEnabled("ScriptLibraryDownload", entry));
    EXPECT_FALSE(s->ActionEnabled("ScriptLibraryDelete", entry));
    entry.LibraryCurrentEditable = true;
    EXPECT_TRUE(s->ActionEnabled("ScriptLibraryReplace", entry));
    EXPECT_TRUE(s->ActionEnabled("ScriptLibraryDelete", entry));

    EXPECT_FALSE(s->ActionEnabled("ScriptLibraryUpload", none)); // nothing to publish
    s->Scenario().Add("FULL:0#RAND| | | | | | | |");
    EXPECT_TRUE(s->ActionEnabled("ScriptLibraryUpload", none));

    // The panel hidden: only its switch is left.
    s->Settings().Set(key::ScriptLibraryOn, 0);
    for (const char* action : {"ScriptLibraryRefresh", "ScriptLibraryUpload", "ScriptLibraryDownload",
                               "ScriptLibraryReplace", "ScriptLibraryView", "ScriptLibraryHide"})
        EXPECT_FALSE(s->ActionEnabled(action, entry)) << action;
    EXPECT_TRUE(s->ActionEnabled("ScriptLibrary", none));
}

TEST(ExchangeActions, ExchangesShowTheWaitWindowAndCancellingStopsTheRest)
{
    testing::ExchangeService service;
    testing::TempDir dir;
    writeOnline(dir.path(), service.url());
    testing::StartedWorkspace a(dir.path());
    systems::tSystemData s;
    s.Title = "Семь";
    s.Author = "Ivan";
    s.Description = "Две строки";
    s.Numbers = 7;
    s.Block = 3;
    s.Combs = "1 2 3 4 5 6\r\n2 3 4 5 6 7\r\n";
    ASSERT_TRUE(a->Systems().PublishOnline(s));

    const int closedBefore = a.host.waitCloses;
    const SystemsCatalogue catalogue = a->Systems().ListOnline();
    ASSERT_EQ(catalogue.Systems.size(), 1u);
    EXPECT_EQ(a.host.waitTexts.back(), "Загрузка списка систем...");
    EXPECT_GT(a.host.waitCloses, closedBefore); // the window goes with the exchange

    // "Отмена" pressed: the systems still to come are not asked for.
    a.host.requestCancel();
    EXPECT_EQ(a->Systems().DownloadOnline(catalogue.Systems), 0);
    EXPECT_TRUE(a.host.errors().empty());
    a.host.clearCancel();
    EXPECT_EQ(a->Systems().DownloadOnline(catalogue.Systems), 1);
    EXPECT_TRUE(a->Systems().LocalFile(catalogue.Systems[0]).has_value());
}

} // namespace
} // namespace belvane::app
