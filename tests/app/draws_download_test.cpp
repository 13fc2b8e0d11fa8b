#include "app/draws_download.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <httplib.h>

#include "app/operator_results.h"
#include "app/proxy_candidates.h"
#include "helpers/draws_builder.h"
#include "helpers/operator_site.h"
#include "helpers/recording_host.h"
#include "helpers/scoped_env.h"
#include "helpers/test_http_server.h"
#include "support/ini_document.h"

namespace belvane::app {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string& kPage = testing::OperatorPage;
const std::string& kCsv = testing::OperatorCsv;

model::TDrawsArray archiveUpTo(int number, std::string_view date)
{
    return testing::ArchiveUpTo(number, date);
}

model::Date day(int y, unsigned m, unsigned d)
{
    return model::Date{std::chrono::year(y), std::chrono::month(m), std::chrono::day(d)};
}

// ---- the operator's page and CSV --------------------------------------------

TEST(OperatorResults, TextBetweenMarkers)
{
    EXPECT_EQ(TextBetween("a <B> \"x\"\"y\" </b> c", "<b>", "</B>"), "x\"y");
    EXPECT_EQ(TextBetween("no markers here", "<b>", "</b>"), std::nullopt);
    try {
        TextBetween("text <b> without end", "<b>", "</b>");
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Не удалось найти пару идентификаторов \"<b>\" - \"</b>\" в тексте\r\r[text <b> without end]!");
    }
    // A huge page is not copied whole into the message.
    const std::string page = "<b>" + std::string(100000, 'z');
    try {
        TextBetween(page, "<b>", "</b>");
        FAIL();
    } catch (const Error& e) {
        EXPECT_LT(std::string(e.what()).size(), 1000u);
    }
}

TEST(OperatorResults, TokenOfTheDownloadForm)
{
    EXPECT_EQ(ExtractRequestToken(kPage), "CfDJ8+Ab/cd==&quot;x");
    EXPECT_EQ(ExtractRequestToken(R"(<FORM ACTION="/drawresults/downloadbrandresultscsv"><INPUT TYPE="hidden" )"
                                  R"(NAME="__RequestVerificationToken" VALUE="t0k" /></FORM>)"),
              "t0k");

    const auto failure = [](std::string_view page) {
        try {
            ExtractRequestToken(page);
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return std::string("(no error)");
    };
    EXPECT_EQ(failure("<html>maintenance</html>"), FormMissingMessage);
    EXPECT_EQ(failure(R"(<form action="/DrawResults/DownloadBrandResultsCsv"><input name="x" /></form>)"),
              TokenFieldMissingMessage);
    EXPECT_EQ(failure(R"(<form action="/DrawResults/DownloadBrandResultsCsv">)"
                      R"(<input name="__RequestVerificationToken" type="hidden" /></form>)"),
              TokenValueMissingMessage);
    EXPECT_EQ(failure(R"(<form action="/DrawResults/DownloadBrandResultsCsv">)"
                      R"(<input name="__RequestVerificationToken" value="" /></form>)"),
              TokenValueMissingMessage);
    EXPECT_EQ(failure(R"(<form action="/DrawResults/DownloadBrandResultsCsv">)"
                      R"(<input name="__RequestVerificationToken" value=")" +
                      std::string(MaxTokenLength + 1, 'a') + R"(" /></form>)"),
              TokenValueMissingMessage);
    EXPECT_THAT(failure("<form action=\"/DrawResults/DownloadBrandResultsCsv\">cut off"),
                StartsWith("Не удалось найти пару идентификаторов \"/DrawResults/DownloadBrandResultsCsv\" - "
                           "\"</form>\""));
    EXPECT_THAT(failure(R"(<form action="/DrawResults/DownloadBrandResultsCsv">)"
                        R"(<input name="__RequestVerificationToken" value="t"></form>)"),
                StartsWith("Не удалось найти пару идентификаторов"));
}

TEST(OperatorResults, RequestAddresses)
{
    EXPECT_EQ(ResultsPageUrl("https://www.lotto.nl/"), "https://www.lotto.nl/onze-spelen/lotto/uitslagen-trekking/");
    EXPECT_EQ(ResultsPageUrl("http://127.0.0.1:8080"), "http://127.0.0.1:8080/onze-spelen/lotto/uitslagen-trekking/");
    EXPECT_EQ(DrawsCsvUrl("https://site/", "a+b/c= &\"", 19780201, 20241115),
              "https://site/DrawResults/DownloadBrandResultsCsv?__RequestVerificationToken=a%2Bb%2Fc%3D%20%26%22"
              "&GameId=Lotto6&FirstDrawMonth=2&FirstDrawYear=1978&LastDrawMonth=11&LastDrawYear=2024&ResultType=0");
}

TEST(OperatorResults, CsvLinesBecomeNewDrawsInDateOrder)
{
    const OperatorCsvDraws found = ParseOperatorCsv(kCsv, 100, 20240106);
    ASSERT_EQ(found.Draws.size(), 3u);
    EXPECT_EQ(found.Draws[0].Number, 101);
    EXPECT_EQ(found.Draws[0].dateText(), "13/01/2024");
    EXPECT_EQ(found.Draws[0].Balls, (model::TComb{6, 5, 4, 3, 2, 1})); // drawn order kept
    EXPECT_EQ(found.Draws[0].Extra, 45);
    EXPECT_EQ(found.Draws[2].Number, 103);
    EXPECT_EQ(found.Draws[2].dateText(), "27/01/2024");
    EXPECT_EQ(found.Older, 2);
    EXPECT_EQ(found.Rejected, 0);

    // An empty archive takes the whole history, numbered from 1 on.
    const OperatorCsvDraws all = ParseOperatorCsv(kCsv, 0, 0);
    ASSERT_EQ(all.Draws.size(), 5u);
    EXPECT_EQ(all.Draws.front().Number, 1);
    EXPECT_EQ(all.Draws.front().dateText(), "30/12/2023");
    EXPECT_EQ(all.Draws.back().Number, 5);

    // Lines oldest first give the same draws.
    const OperatorCsvDraws ascending =
        ParseOperatorCsv("datum;nummer 1;nummer 2;nummer 3;nummer 4;nummer 5;nummer 6;bonus\n"
                         "13/01/2024;6;5;4;3;2;1;45\n20/01/2024;10;20;30;40;41;42;10\n27/01/2024;1;2;3;4;5;45;7\n",
                         100, 20240106);
    EXPECT_EQ(ascending.Draws, found.Draws);

    EXPECT_EQ(ParseOperatorCsv(kCsv, 200, 20240127).Draws.size(), 0u);
}

TEST(OperatorResults, CsvLinesThatAreNoDrawAreCounted)
{
    const std::string csv = "\xEF\xBB\xBF"
                            "Datum;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5;Nummer 6;Bonus\r\n"
                            "\"03/02/2024\";\"1\";2;3;4;5;6;7\r\n" // quoted fields are fine
                            "27/01/2024;1;2;3;4;5;45\r\n"          // seven fields
                            "26/01/2024;1;2;3;4;5;6;7;8\r\n"       // nine fields
                            "25/01/2024;1;2;3;4;5;5;7\r\n"         // a number twice
                            "24/01/2024;1;2;3;4;5;46;7\r\n"        // 46
                            "23/01/2024;0;2;3;4;5;6;7\r\n"         // 0
                            "22/01/2024;1;2;3;4;5;6;0\r\n"         // extra 0
                            "21/01/2024;1;2;3;4;5;6;x\r\n"         // not a number
                            "31/02/2024;1;2;3;4;5;6;7\r\n"         // no such day
                            "yesterday;1;2;3;4;5;6;7\r\n"
                            "\r\n"
                            "20/01/2024;1;2;3;4;5;6;6\r\n"      // the extra may repeat a main number
                            "20/01/2024;7;8;9;10;11;12;13\r\n"; // a second draw on the same day
    const OperatorCsvDraws found = ParseOperatorCsv(csv, 10, 20240101);
    ASSERT_EQ(found.Draws.size(), 2u);
    EXPECT_EQ(found.Draws[0].dateText(), "20/01/2024");
    EXPECT_EQ(found.Draws[0].Number, 11);
    EXPECT_EQ(found.Draws[1].dateText(), "03/02/2024");
    EXPECT_EQ(found.Draws[1].Number, 12);
    EXPECT_EQ(found.Rejected, 10);

    EXPECT_THROW(ParseOperatorCsv("<html>Fout</html>", 0, 0), Error);
    try {
        ParseOperatorCsv("1;2;3;4;5;6;7;8\r\n", 0, 0);
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), CsvHeaderMissingMessage);
    }
    EXPECT_TRUE(
        ParseOperatorCsv("Datum;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5;Nummer 6;Bonus", 0, 0).Draws.empty());
}

TEST(ProxyCandidatesList, HostAndPortLines)
{
    const auto candidates = ParseProxyCandidates("# free proxies\n"
                                                 " 10.0.0.1:8080 \r\n"
                                                 "proxy-2.example.org:3128\n"
                                                 "10.0.0.1:8080\n"  // again
                                                 "10.0.0.3:0\n"     // no port
                                                 "10.0.0.4:70000\n" // no port
                                                 "10.0.0.5:http\n"
                                                 "[::1]:80\n"
                                                 "bad host:80\n"
                                                 "no-port\n"
                                                 ":80\n"
                                                 "\n");
    EXPECT_THAT(candidates, ElementsAre(ProxyCandidate{"10.0.0.1", 8080}, ProxyCandidate{"proxy-2.example.org", 3128}));

    std::string many;
    for (int i = 1; i <= 100; ++i)
        many += "10.0.1." + std::to_string(i) + ":80\n";
    EXPECT_EQ(ParseProxyCandidates(many).size(), MaxProxyCandidates);
}

TEST(DownloadSettingsFile, SiteAndProxyListAddresses)
{
    EXPECT_EQ(LoadDownloadSettings(IniDocument::parse("")).SiteUrl, DefaultSiteUrl);
    EXPECT_EQ(LoadDownloadSettings(IniDocument::parse("")).ProxyListUrl, "");
    const auto settings = LoadDownloadSettings(
        IniDocument::parse("[DOWNLOAD]\nSiteUrl= http://127.0.0.1:8080 \n[PROXY]\nProxyListUrl=http://list/p.txt\n"));
    EXPECT_EQ(settings.SiteUrl, "http://127.0.0.1:8080");
    EXPECT_EQ(settings.ProxyListUrl, "http://list/p.txt");
}

TEST(DownloadAtStartupChoice, AsksOnlyInTheAskingMode)
{
    testing::RecordingHost host;
    host.yesNoAnswers = {false};
    EXPECT_FALSE(DownloadAtStartup(host, 0));
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].text, StartupDownloadQuestion);
    EXPECT_TRUE(DownloadAtStartup(host, 1));
    EXPECT_FALSE(DownloadAtStartup(host, 2));
    EXPECT_EQ(host.questions.size(), 1u);
}

// ---- the attempt loop against a scripted source --------------------------

class ScriptedSource final : public DrawsSource {
public:
    struct Call {
        std::string url;
        http::ProxySettings proxy;
    };

    std::string Get(const std::string& url, const http::ProxySettings& proxy) override
    {
        calls.push_back({url, proxy});
        if (answer)
            return answer(url, proxy);
        return siteAnswer(url);
    }

    std::string siteAnswer(const std::string& url) const
    {
        if (url == proxyListUrl)
            return proxyList;
        if (url.find(ResultsPagePath) != std::string::npos)
            return page;
        if (url.find(CsvDownloadPath) != std::string::npos)
            return csv;
        throw Error("Could not resolve host");
    }

    std::vector<std::string> proxiesUsed() const
    {
        std::vector<std::string> out;
        for (const auto& c : calls)
            out.push_back(c.proxy.Server.empty() ? "-" : c.proxy.Server + ":" + std::to_string(c.proxy.Port));
        return out;
    }

    std::string page = kPage;
    std::string csv = kCsv;
    std::string proxyListUrl = "http://proxies/list.txt";
    std::string proxyList;
    std::function<std::string(const std::string&, const http::ProxySettings&)> answer;
    std::vector<Call> calls;
};

class DrawsDownloadLoop : public ::testing::Test {
protected:
    DrawsDownloadResult download(const model::TDrawsArray& archive)
    {
        hooks.AppendAndSave = [this](const model::TDrawsArray& draws) {
            appended.push_back(draws);
            return saveSucceeds;
        };
        hooks.CheckStakes = [this] { ++stakeChecks; };
        hooks.SaveProxy = [this](ProxySettings& settings) {
            savedProxies.push_back(settings);
            settings.Saved = true;
        };
        request.Settings.SiteUrl = "https://lottery.test/";
        request.Settings.ProxyListUrl = source.proxyListUrl;
        request.Today = day(2024, 2, 1);
        return DownloadDraws(host, source, request, archive, proxy, hooks);
    }

    testing::RecordingHost host;
    ScriptedSource source;
    DrawsDownloadRequest request;
    DrawsDownloadHooks hooks;
    ProxySettings proxy;
    std::vector<model::TDrawsArray> appended;
    std::vector<ProxySettings> savedProxies;
    int stakeChecks = 0;
    bool saveSucceeds = true;
};

TEST_F(DrawsDownloadLoop, AppendsTheNewDrawsAndChecksTheStakes)
{
    host.setStatus("Готово");
    const auto result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Outcome, DownloadOutcome::Downloaded);
    EXPECT_EQ(result.Attempts, 1);
    ASSERT_EQ(result.NewDraws.size(), 3u);
    EXPECT_EQ(result.NewDraws[0].Number, 101);
    EXPECT_EQ(result.NewDraws[2].Number, 103);
    EXPECT_TRUE(result.Saved);
    ASSERT_EQ(appended.size(), 1u);
    EXPECT_EQ(appended[0], result.NewDraws);
    EXPECT_EQ(stakeChecks, 1);
    EXPECT_TRUE(savedProxies.empty());
    EXPECT_EQ(DownloadSummaryText(result), "Добавлено тиражей: 3");

    ASSERT_EQ(source.calls.size(), 2u);
    EXPECT_EQ(source.calls[0].url, "https://lottery.test/onze-spelen/lotto/uitslagen-trekking/");
    EXPECT_EQ(source.calls[1].url,
              "https://lottery.test/DrawResults/DownloadBrandResultsCsv?__RequestVerificationToken="
              "CfDJ8%2BAb%2Fcd%3D%3D%26quot%3Bx&GameId=Lotto6&FirstDrawMonth=1&FirstDrawYear=2024"
              "&LastDrawMonth=2&LastDrawYear=2024&ResultType=0");
    EXPECT_EQ(source.proxiesUsed(), (std::vector<std::string>{"-", "-"}));

    EXPECT_EQ(host.waitTexts.front(), DownloadWaitText);
    EXPECT_EQ(host.waitCloses, 1);
    EXPECT_NE(std::find(host.statuses.begin(), host.statuses.end(), "Загрузка тиражей 07/01/2024 - 01/02/2024..."),
              host.statuses.end());
    EXPECT_EQ(host.status(), "Готово");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(host.questions.empty());
}

TEST_F(DrawsDownloadLoop, AnUpToDateArchiveSavesNothing)
{
    const auto result = download(archiveUpTo(103, "27/01/2024"));
    EXPECT_EQ(result.Outcome, DownloadOutcome::Downloaded);
    EXPECT_TRUE(result.NewDraws.empty());
    EXPECT_FALSE(result.Saved);
    EXPECT_TRUE(appended.empty());
    EXPECT_EQ(stakeChecks, 1);
    EXPECT_EQ(DownloadSummaryText(result), "Добавлено тиражей: 0");
}

TEST_F(DrawsDownloadLoop, AnEmptyArchiveTakesTheWholeHistory)
{
    const auto result = download({});
    ASSERT_EQ(result.NewDraws.size(), 5u);
    EXPECT_EQ(result.NewDraws[0].Number, 1);
    EXPECT_THAT(source.calls.at(1).url, HasSubstr("&FirstDrawMonth=2&FirstDrawYear=1978&"));
}

TEST_F(DrawsDownloadLoop, RefusesWithoutTheNewestDrawsDateOrAUsableSiteAddress)
{
    auto archive = archiveUpTo(100, "06/01/2024");
    archive.back().setDateText("");
    auto result = download(archive);
    EXPECT_EQ(result.Outcome, DownloadOutcome::Refused);
    EXPECT_TRUE(source.calls.empty());
    EXPECT_THAT(host.errors(), ElementsAre(HasSubstr("№ 100")));
    EXPECT_EQ(stakeChecks, 1);

    request.Settings.SiteUrl = "file:///etc";
    result = DownloadDraws(host, source, request, archiveUpTo(100, "06/01/2024"), proxy, hooks);
    EXPECT_EQ(result.Outcome, DownloadOutcome::Refused);
    EXPECT_TRUE(source.calls.empty());
    EXPECT_EQ(host.errors().back(), "Некорректный адрес сайта лотереи: \"file:///etc\"!");
}

TEST_F(DrawsDownloadLoop, AFailedAttemptAsksWhetherToTryAgain)
{
    int failures = 1;
    source.answer = [&](const std::string& url, const http::ProxySettings&) {
        if (failures-- > 0)
            throw Error("Connection refused");
        return source.siteAnswer(url);
    };
    host.yesNoAnswers = {true};
    auto result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Outcome, DownloadOutcome::Downloaded);
    EXPECT_EQ(result.Attempts, 2);
    EXPECT_EQ(result.NewDraws.size(), 3u);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0].caption, "Ошибка");
    EXPECT_EQ(host.questions[0].text,
              "Ошибка загрузки архива тиражей с сайта: \"Connection refused\"\r\rПовторить попытку?");

    // "No" ends the download; nothing is saved, the stakes are checked all the same.
    failures = 1;
    appended.clear();
    stakeChecks = 0;
    host.yesNoAnswers = {false};
    result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Outcome, DownloadOutcome::Failed);
    EXPECT_EQ(result.Failure, "Connection refused");
    EXPECT_TRUE(appended.empty());
    EXPECT_EQ(stakeChecks, 1);
    EXPECT_TRUE(host.errors().empty()); // the question carried the failure
    EXPECT_FALSE(result.FailureShown);
}

TEST_F(DrawsDownloadLoop, AMissingTokenOrHeaderFailsTheAttemptByName)
{
    source.page = "<html>Onderhoud</html>";
    host.yesNoAnswers = {false};
    auto result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Outcome, DownloadOutcome::Failed);
    EXPECT_EQ(result.Failure, FormMissingMessage);
    EXPECT_THAT(host.questions.back().text, HasSubstr("/DrawResults/DownloadBrandResultsCsv"));

    source.page = kPage;
    source.csv = "<html>Fout</html>";
    host.yesNoAnswers = {false};
    result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Failure, CsvHeaderMissingMessage);
    EXPECT_TRUE(appended.empty());
}

TEST_F(DrawsDownloadLoop, RejectedLinesAreReported)
{
    source.csv = kCsv + "03/02/2024;1;1;1;1;1;1;1\r\n";
    const auto result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.NewDraws.size(), 3u);
    EXPECT_EQ(result.Rejected, 1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].kind, MessageKind::Warning);
    EXPECT_EQ(host.messages[0].text, "Добавлено тиражей: 3\rПропущено строк (не тиражи): 1");
}

TEST_F(DrawsDownloadLoop, AttemptsAreCappedWhenSet)
{
    source.answer = [](const std::string&, const http::ProxySettings&) -> std::string {
        throw Error("Operation timed out");
    };
    request.MaxAttempts = 3; // the host answers "yes" to every question
    const auto result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Outcome, DownloadOutcome::Failed);
    EXPECT_EQ(result.Attempts, 3);
    EXPECT_EQ(host.questions.size(), 2u);
    EXPECT_THAT(host.errors(), ElementsAre("Ошибка загрузки архива тиражей с сайта: \"Operation timed out\""));
    EXPECT_TRUE(result.FailureShown);
    EXPECT_EQ(stakeChecks, 1);
}

TEST_F(DrawsDownloadLoop, CancellingStopsWithoutAQuestion)
{
    source.answer = [this](const std::string&, const http::ProxySettings&) -> std::string {
        host.requestCancel();
        throw http::TransferCancelled();
    };
    const auto result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Outcome, DownloadOutcome::Cancelled);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(appended.empty());
    EXPECT_EQ(stakeChecks, 1);
}

TEST_F(DrawsDownloadLoop, ManualProxyCarriesItsCredentialsToEveryRequest)
{
    proxy = {2, "proxy.local", 3128, "user", "secret", true};
    const auto result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.NewDraws.size(), 3u);
    ASSERT_EQ(source.calls.size(), 2u);
    for (const auto& call : source.calls) {
        EXPECT_EQ(call.proxy.Server, "proxy.local");
        EXPECT_EQ(call.proxy.Port, 3128);
        EXPECT_EQ(call.proxy.Username, "user");
        EXPECT_EQ(call.proxy.Password, "secret");
    }
    EXPECT_EQ(host.waitTexts.back(), "Загрузка архива тиражей...\r\rПопытка 1, proxy proxy.local : 3128");
    EXPECT_TRUE(savedProxies.empty());

    // Port 0: no proxy at all.
    source.calls.clear();
    proxy = {2, "proxy.local", 0, "", "", true};
    download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(source.proxiesUsed(), (std::vector<std::string>{"-", "-"}));
}

TEST_F(DrawsDownloadLoop, AutomaticProxyDropsFailedCandidatesAndRemembersTheOneThatWorked)
{
    proxy = {1, "", 80, "", "", true};
    source.proxyList = "10.0.0.1:8080\n10.0.0.2:3128\n10.0.0.3:80\n";
    source.answer = [this](const std::string& url, const http::ProxySettings& p) {
        if (p.Server == "10.0.0.1")
            throw Error("Failed to connect to 10.0.0.1 port 8080");
        return source.siteAnswer(url);
    };
    const auto result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Outcome, DownloadOutcome::Downloaded);
    EXPECT_EQ(result.Attempts, 2);
    EXPECT_TRUE(host.questions.empty()); // a candidate was left: tried at once
    EXPECT_EQ(source.proxiesUsed(), (std::vector<std::string>{"-", "10.0.0.1:8080", "10.0.0.2:3128", "10.0.0.2:3128"}));
    EXPECT_EQ(source.calls[0].url, source.proxyListUrl);
    EXPECT_EQ(host.waitTexts[1], "Загрузка архива тиражей...\r\rПоиск proxy-серверов");
    EXPECT_EQ(host.waitTexts.back(), "Загрузка архива тиражей...\r\rПопытка 2, proxy 10.0.0.2 : 3128");
    ASSERT_EQ(savedProxies.size(), 1u);
    EXPECT_EQ(savedProxies[0].Server, "10.0.0.2");
    EXPECT_EQ(savedProxies[0].Port, 3128);
    EXPECT_EQ(savedProxies[0].Mode, 1);
}

TEST_F(DrawsDownloadLoop, ARememberedAutomaticProxyThatFailsIsForgotten)
{
    proxy = {1, "10.9.9.9", 1080, "", "", true};
    source.proxyList = "10.0.0.2:3128\n";
    source.answer = [this](const std::string& url, const http::ProxySettings& p) -> std::string {
        if (p.Server == "10.9.9.9" || p.Server == "10.0.0.2")
            throw Error("Proxy CONNECT aborted");
        return source.siteAnswer(url);
    };
    host.yesNoAnswers = {false};
    const auto result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Outcome, DownloadOutcome::Failed);
    // The remembered proxy first, then the list, then its only candidate, then the question.
    EXPECT_EQ(source.proxiesUsed(), (std::vector<std::string>{"10.9.9.9:1080", "-", "10.0.0.2:3128"}));
    EXPECT_EQ(host.questions.size(), 1u);
    ASSERT_EQ(savedProxies.size(), 1u);
    EXPECT_EQ(savedProxies[0].Server, "");
    EXPECT_EQ(proxy.Server, "");
}

TEST_F(DrawsDownloadLoop, AutomaticProxyWithoutCandidatesFailsTheAttemptByName)
{
    proxy = {1, "", 80, "", "", true};
    source.proxyList = "# nothing today\n";
    host.yesNoAnswers = {true, false};
    auto result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Outcome, DownloadOutcome::Failed);
    EXPECT_EQ(result.Failure, "Ошибка автоматического выбора proxy сервера!\r\rНе найдено ни одного proxy-сервера с "
                              "заданными параметрами");
    // "Yes" fetches the list again.
    EXPECT_EQ(source.proxiesUsed(), (std::vector<std::string>{"-", "-"}));
    EXPECT_EQ(host.questions.size(), 2u);

    source.calls.clear();
    source.proxyListUrl.clear();
    host.yesNoAnswers = {false};
    result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Failure, "Ошибка получения списка proxy-серверов!\r\rНе задан адрес списка proxy-серверов "
                              "(ключ ProxyListUrl раздела PROXY)");
    EXPECT_TRUE(source.calls.empty());

    source.proxyListUrl = "http://proxies/list.txt";
    source.answer = [](const std::string&, const http::ProxySettings&) -> std::string {
        throw Error("The requested URL returned error: 503");
    };
    host.yesNoAnswers = {false};
    result = download(archiveUpTo(100, "06/01/2024"));
    EXPECT_EQ(result.Failure, "Ошибка получения списка proxy-серверов!\r\rThe requested URL returned error: 503");
}

// ---- the whole road over HTTP on 127.0.0.1 --------------------------------

class DrawsDownloadOverHttp : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::ServeOperatorSite(site);
        hooks.AppendAndSave = [this](const model::TDrawsArray& draws) {
            archive.insert(archive.end(), draws.begin(), draws.end());
            return true;
        };
        hooks.SaveProxy = [](ProxySettings& settings) { settings.Saved = true; };
        request.Today = day(2024, 2, 1);
    }

    DrawsDownloadResult download(const std::string& siteUrl)
    {
        request.Settings.SiteUrl = siteUrl;
        HttpDrawsSource source(host);
        return DownloadDraws(host, source, request, archive, proxy, hooks);
    }

    testing::TestHttpServer site;
    testing::RecordingHost host;
    DrawsDownloadRequest request;
    DrawsDownloadHooks hooks;
    ProxySettings proxy;
    model::TDrawsArray archive = archiveUpTo(100, "06/01/2024");
};

TEST_F(DrawsDownloadOverHttp, FetchesThePageAndTheCsvAndAddsTheNewDraws)
{
    auto result = download(site.url());
    EXPECT_EQ(result.Outcome, DownloadOutcome::Downloaded);
    EXPECT_EQ(result.NewDraws.size(), 3u);
    ASSERT_EQ(archive.size(), 5u);
    EXPECT_EQ(archive.back().Number, 103);
    const auto csvRequests = site.requestsTo(CsvDownloadPath);
    ASSERT_EQ(csvRequests.size(), 1u);
    EXPECT_EQ(csvRequests[0].header("Accept"), DownloadAccept);
    EXPECT_THAT(csvRequests[0].query, HasSubstr("FirstDrawMonth=1&FirstDrawYear=2024"));

    // A second run finds nothing new.
    result = download(site.url());
    EXPECT_EQ(result.Outcome, DownloadOutcome::Downloaded);
    EXPECT_TRUE(result.NewDraws.empty());
    EXPECT_EQ(archive.size(), 5u);
}

TEST_F(DrawsDownloadOverHttp, GoesThroughAManualOrAnAutomaticProxy)
{
    // The site's host exists nowhere: only the proxy (this server) can answer for it.
    proxy = {2, "127.0.0.1", site.port(), "", "", true};
    auto result = download("http://lottery.invalid");
    EXPECT_EQ(result.NewDraws.size(), 3u);
    for (const auto& r : site.requests()) {
        EXPECT_TRUE(r.viaProxy);
        EXPECT_THAT(r.target, StartsWith("http://lottery.invalid/"));
    }

    // Automatic: the first candidate refuses connections, the second is the proxy.
    int closedPort = 0;
    {
        testing::TestHttpServer gone;
        closedPort = gone.port();
    }
    testing::TestHttpServer lists;
    lists.serve("/proxies.txt",
                "127.0.0.1:" + std::to_string(closedPort) + "\n127.0.0.1:" + std::to_string(site.port()) + "\n");
    request.Settings.ProxyListUrl = lists.url("/proxies.txt");
    proxy = {1, "", 80, "", "", true};
    archive = archiveUpTo(100, "06/01/2024");
    result = download("http://lottery.invalid");
    EXPECT_EQ(result.Outcome, DownloadOutcome::Downloaded);
    EXPECT_EQ(result.Attempts, 2);
    EXPECT_EQ(result.NewDraws.size(), 3u);
    EXPECT_EQ(proxy.Server, "127.0.0.1");
    EXPECT_EQ(proxy.Port, site.port());
    EXPECT_TRUE(host.questions.empty());
}

TEST(DrawsDownloadOverTls, RefusesAnUntrustedCertificateAndTrustsTheCaFile)
{
    testing::TestHttpServer site(testing::TestHttpServer::Tls::On);
    site.serve(std::string(ResultsPagePath), kPage, "text/html");
    site.serve(std::string(CsvDownloadPath), kCsv, "text/csv");
    testing::RecordingHost host;
    ProxySettings proxy;
    DrawsDownloadRequest request;
    request.Settings.SiteUrl = site.url();
    request.Today = day(2024, 2, 1);
    request.MaxAttempts = 1;
    HttpDrawsSource source(host);
    const auto archive = archiveUpTo(100, "06/01/2024");
    {
        testing::ScopedEnv noCa(std::string(http::CaFileVariable), "");
        const auto result = DownloadDraws(host, source, request, archive, proxy, {});
        EXPECT_EQ(result.Outcome, DownloadOutcome::Failed);
        EXPECT_THAT(result.Failure, HasSubstr("certificate"));
        EXPECT_TRUE(site.requests().empty());
    }
    {
        testing::ScopedEnv ca(std::string(http::CaFileVariable), site.certificateFile().string());
        const auto result = DownloadDraws(host, source, request, archive, proxy, {});
        EXPECT_EQ(result.Outcome, DownloadOutcome::Downloaded);
        EXPECT_EQ(result.NewDraws.size(), 3u);
    }
}

} // namespace
} // namespace belvane::app
