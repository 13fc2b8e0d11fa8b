#include "app/download_service.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <thread>

#include "app/archive_service.h"
#include "app/configuration_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "helpers/operator_site.h"
#include "helpers/stakes_fixture.h"
#include "helpers/workspace_fixture.h"
#include "support/ini_document.h"

namespace belvane::app {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::StartedWorkspace;
using testing::TempDir;

constexpr std::string_view kStakesCheckStatus = "Проверка результатов ставок...";

int countOf(const std::vector<std::string>& texts, std::string_view text)
{
    return static_cast<int>(std::count(texts.begin(), texts.end(), text));
}

void writeConfig(const TempDir& dir, std::string_view text)
{
    testing::writeBytes(dir / "Belvane_6x45.ini", text);
}

class DownloadServiceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::ServeOperatorSite(site);
        testing::writeArchiveFile(dir.path(), testing::ArchiveUpTo(100, "06/01/2024"));
        writeConfig(dir, "[DOWNLOAD]\r\nSiteUrl=" + site.url() + "\r\n");
    }

    StartedWorkspace start() { return StartedWorkspace(dir.path(), {}, {.Interactive = false}); }

    testing::TestHttpServer site;
    TempDir dir;
};

TEST_F(DownloadServiceTest, NewDrawsAreSavedAndTheStakesCheckedOnce)
{
    StartedWorkspace s = start();
    s->Stakes().File().Append(testing::stakeFor(102, {10, 20, 30, 40, 41, 42}));
    s.host.statuses.clear();

    const DrawsDownloadResult result = s->Download().DrawsDownload();
    EXPECT_TRUE(DownloadService::Succeeded(result));
    EXPECT_TRUE(result.Saved);
    const auto& draws = s->Archive().Draws();
    ASSERT_EQ(draws.size(), 5u);
    EXPECT_EQ(draws[2].Number, 101);
    EXPECT_EQ(draws[4].Number, 103);
    EXPECT_EQ(draws[4].dateText(), "27/01/2024");
    EXPECT_EQ(model::ReadDrawsFile(dir / "Belvane_6x45.ldr").draws, draws);

    const stakes::StakeRecord stake = s->Stakes().File().Read(0);
    EXPECT_TRUE(stake.Checked);
    EXPECT_EQ(stake.Matches, 6);
    EXPECT_EQ(countOf(s.host.statuses, kStakesCheckStatus), 1);
    EXPECT_TRUE(s.host.errors().empty());
    EXPECT_FALSE(s->IsBusy());
}

TEST_F(DownloadServiceTest, NothingNewSavesNothingAndStillChecksTheStakes)
{
    testing::writeArchiveFile(dir.path(), testing::ArchiveUpTo(103, "27/01/2024"));
    const auto before = std::filesystem::last_write_time(dir / "Belvane_6x45.ldr");
    StartedWorkspace s = start();
    // A stake the last check did not reach (its draw came in by hand).
    s->Stakes().File().Append(testing::stakeFor(103, {1, 2, 3, 4, 5, 45}));
    s.host.statuses.clear();

    const DrawsDownloadResult result = s->Download().DrawsDownload();
    EXPECT_TRUE(DownloadService::Succeeded(result));
    EXPECT_TRUE(result.NewDraws.empty());
    EXPECT_FALSE(result.Saved);
    EXPECT_EQ(std::filesystem::last_write_time(dir / "Belvane_6x45.ldr"), before);
    EXPECT_TRUE(s->Stakes().File().Read(0).Checked);
    EXPECT_EQ(countOf(s.host.statuses, kStakesCheckStatus), 1);
}

TEST_F(DownloadServiceTest, ACancelledDownloadStillChecksTheStakes)
{
    site.serveStalled(std::string(ResultsPagePath), "<html>");
    StartedWorkspace s = start();
    s->Stakes().File().Append(testing::stakeFor(100, {1, 2, 3, 4, 5, 6}));
    std::thread cancel([&s] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        s.host.requestCancel(); // "Отмена" of the wait window
    });
    const DrawsDownloadResult result = s->Download().DrawsDownload();
    cancel.join();
    EXPECT_EQ(result.Outcome, DownloadOutcome::Cancelled);
    EXPECT_FALSE(DownloadService::Succeeded(result));
    EXPECT_TRUE(s.host.questions.empty());
    EXPECT_TRUE(s->Stakes().File().Read(0).Checked);
    EXPECT_FALSE(s.host.cancelled());
}

TEST_F(DownloadServiceTest, TheSiteOfOneRunAndAFailureThatIsNoSuccess)
{
    StartedWorkspace s = start();
    // Nothing listens on the port of a server that has gone.
    int closedPort = 0;
    {
        testing::TestHttpServer gone;
        closedPort = gone.port();
    }
    const DrawsDownloadResult failed =
        s->Download().DrawsDownload({"http://127.0.0.1:" + std::to_string(closedPort), 1});
    EXPECT_FALSE(DownloadService::Succeeded(failed));
    EXPECT_EQ(failed.Outcome, DownloadOutcome::Failed);
    EXPECT_TRUE(site.requests().empty());
    EXPECT_THAT(s.host.errors(), ElementsAre(HasSubstr("Ошибка загрузки архива тиражей с сайта")));
    EXPECT_EQ(s->Archive().Draws().size(), 2u);

    // The configured site is still the one used without an override.
    EXPECT_TRUE(DownloadService::Succeeded(s->Download().DrawsDownload()));
    EXPECT_EQ(s->Archive().Draws().size(), 5u);
}

TEST_F(DownloadServiceTest, AProxyTheAutomaticModeFoundIsWrittenToTheConfiguration)
{
    testing::TestHttpServer lists;
    lists.serve("/proxies.txt", "127.0.0.1:" + std::to_string(site.port()) + "\n");
    writeConfig(dir, "[DOWNLOAD]\r\nSiteUrl=http://lottery.invalid\r\n[PROXY]\r\nProxyMode=1\r\nProxyListUrl=" +
                         lists.url("/proxies.txt") + "\r\n");
    StartedWorkspace s = start();
    EXPECT_TRUE(DownloadService::Succeeded(s->Download().DrawsDownload()));
    EXPECT_EQ(s->Archive().Draws().size(), 5u);
    for (const auto& r : site.requests())
        EXPECT_TRUE(r.viaProxy);

    const IniDocument ini = IniDocument::load(dir / "Belvane_6x45.ini");
    EXPECT_EQ(ini.readString(ProxySection, ProxyServerKey), "127.0.0.1");
    EXPECT_EQ(ini.readInteger(ProxySection, ProxyPortKey, 0), site.port());
    EXPECT_EQ(ini.readInteger(ProxySection, ProxyModeKey, 0), 1);
    // What else the file holds stays.
    EXPECT_EQ(ini.readString(DownloadSection, SiteUrlKey), "http://lottery.invalid");
    EXPECT_TRUE(s->Configuration().Proxy().Saved);
}

TEST_F(DownloadServiceTest, LoadOnlyDownloadsAndReportsAFailure)
{
    {
        StartedWorkspace s(dir.path(), {.LoadOnly = true}, {.Interactive = false});
        EXPECT_TRUE(s->RunBatchOptions());
        EXPECT_FALSE(s->BatchFailed());
        EXPECT_EQ(s->Archive().Draws().size(), 5u);
    }
    writeConfig(dir, "[DOWNLOAD]\r\nSiteUrl=ftp://127.0.0.1/\r\n");
    StartedWorkspace s(dir.path(), {.LoadOnly = true}, {.Interactive = false});
    EXPECT_TRUE(s->RunBatchOptions());
    EXPECT_TRUE(s->BatchFailed());
    EXPECT_THAT(s.host.errors(), ElementsAre("Некорректный адрес сайта лотереи: \"ftp://127.0.0.1/\"!"));
}

TEST_F(DownloadServiceTest, TheStartupChoice)
{
    {
        StartedWorkspace s = start();
        EXPECT_EQ(s->Download().StartupChoice(), 0);
        s.host.yesNoAnswers = {false};
        EXPECT_FALSE(s->Download().StartupDownloadWanted());
        ASSERT_EQ(s.host.questions.size(), 1u);
        EXPECT_EQ(s.host.questions[0].text, StartupDownloadQuestion);

        EXPECT_TRUE(s->Download().SetStartupChoice(1));
        EXPECT_TRUE(s->Download().StartupDownloadWanted());
        EXPECT_TRUE(s->Download().SetStartupChoice(7)); // brought into 0..2
        EXPECT_EQ(s->Download().StartupChoice(), 2);
        EXPECT_FALSE(s->Download().StartupDownloadWanted());
        EXPECT_EQ(s.host.questions.size(), 1u);
        s->Close();
    }
    // Written as chosen.
    StartedWorkspace again = start();
    EXPECT_EQ(again->Download().StartupChoice(), 2);
}

TEST(ProxyEditing, TheDialogsOkWritesTheSection)
{
    EXPECT_EQ(EditedProxy(2, "proxy.local", 3128, "u", "p").Server, "proxy.local");
    EXPECT_FALSE(EditedProxy(2, "proxy.local", 3128, "u", "p").Saved);
    EXPECT_EQ(EditedProxy(2, "proxy.local", 0, "", "").Port, 80);
    const ProxySettings automatic = EditedProxy(1, "proxy.local", 3128, "u", "p");
    EXPECT_EQ(automatic.Server, "");
    EXPECT_EQ(automatic.Username, "");
    EXPECT_EQ(automatic.Password, "");
    EXPECT_EQ(automatic.Port, 80);
    // No proxy keeps what was typed for the next time.
    EXPECT_EQ(EditedProxy(0, "proxy.local", 3128, "u", "p").Server, "proxy.local");

    TempDir dir;
    writeConfig(dir, "[GLOBAL]\r\nMatrixCols=9\r\n");
    StartedWorkspace s(dir.path(), {}, {.Interactive = false});
    s.host.statuses.clear();
    EXPECT_TRUE(s->Configuration().ApplyProxy(EditedProxy(2, "proxy.local", 3128, "user", "secret")));
    EXPECT_EQ(s.host.statuses.front(), "Сохранение файла конфигурации...");
    const IniDocument ini = IniDocument::load(dir / "Belvane_6x45.ini");
    EXPECT_EQ(ini.readString(ProxySection, ProxyServerKey), "proxy.local");
    EXPECT_EQ(ini.readInteger(ProxySection, ProxyPortKey, 0), 3128);
    EXPECT_EQ(ini.readString(ProxySection, ProxyUsernameKey), "user");
    EXPECT_EQ(ini.readString(ProxySection, ProxyPasswordKey), "secret");
    EXPECT_EQ(ini.readInteger(ProxySection, ProxyModeKey, 0), 2);
    EXPECT_EQ(ini.readInteger("GLOBAL", "MatrixCols", 0), 9);

    // The manual mode without a server is refused and changes nothing.
    EXPECT_FALSE(s->Configuration().ApplyProxy(EditedProxy(2, "  ", 3128, "", "")));
    EXPECT_EQ(s->Configuration().Proxy().Server, "proxy.local");
    EXPECT_THAT(s.host.errors(), ElementsAre(std::string(ProxyServerMissingMessage)));
    s.host.messages.clear();

    // A configuration file that cannot be written leaves the settings unsaved.
    std::filesystem::remove(dir / "Belvane_6x45.ini");
    std::filesystem::create_directory(dir / "Belvane_6x45.ini");
    EXPECT_FALSE(s->Configuration().ApplyProxy(EditedProxy(0, "", 80, "", "")));
    EXPECT_FALSE(s->Configuration().Proxy().Saved);
    EXPECT_THAT(s.host.errors(), ElementsAre(HasSubstr("Ошибка записи в файл конфигурации!")));
}

} // namespace
} // namespace belvane::app
