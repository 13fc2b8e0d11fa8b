#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "helpers/cli_runner.h"
#include "helpers/operator_site.h"
#include "helpers/scoped_env.h"
#include "helpers/temp_dir.h"
#include "model/draws_file.h"
#include "support/http.h"
#include "support/text.h"

namespace belvane::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class DownloadCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ServeOperatorSite(site);
        model::WriteDrawsFile(drawsFile(), ArchiveUpTo(100, "06/01/2024"));
    }
    CliResult run(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--data-dir", dir.path().string()});
        return runCli(args);
    }
    std::filesystem::path drawsFile() const { return dir / "Belvane_6x45.ldr"; }
    model::TDrawsArray archive() const { return model::ReadDrawsFile(drawsFile()).draws; }

    TestHttpServer site;
    TempDir dir;
};

TEST_F(DownloadCli, NewDrawsAreAddedAfterTheNewestAndASecondRunChangesNothing)
{
    auto r = run({"stakes", "add", "10;20;30;40;41;42", "--draw", "102"});
    ASSERT_EQ(r.exitCode, 0) << r.err;

    r = run({"draws", "download", "--site", site.url()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Добавлено тиражей: 3\nАрхив тиражей: 5\n");
    const model::TDrawsArray draws = archive();
    ASSERT_EQ(draws.size(), 5u);
    EXPECT_EQ(draws[2].Number, 101);
    EXPECT_EQ(draws[2].dateText(), "13/01/2024");
    EXPECT_EQ(draws[3].Number, 102);
    EXPECT_EQ(draws[4].Number, 103);
    EXPECT_EQ(draws[4].Balls, (model::TComb{1, 2, 3, 4, 5, 45}));

    // The stake on draw 102 has been checked: all six numbers.
    r = run({"stakes", "list", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto rows = text::splitLines(r.out);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(text::split(rows[1], "\t", false)[6], "6");

    const std::string bytes = readBytes(drawsFile());
    const auto written = std::filesystem::last_write_time(drawsFile());
    r = run({"draws", "download", "--site", site.url()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Добавлено тиражей: 0\nАрхив тиражей: 5\n");
    EXPECT_EQ(readBytes(drawsFile()), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(drawsFile()), written);
}

TEST_F(DownloadCli, TheSiteOfTheConfigurationAndLoadOnly)
{
    writeBytes(dir / "Belvane_6x45.ini", "[DOWNLOAD]\r\nSiteUrl=" + site.url() + "\r\n");
    auto r = run({"loadonly"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(archive().size(), 5u);

    writeBytes(dir / "Belvane_6x45.ini", "[DOWNLOAD]\r\nSiteUrl=mailto:lotto@example.org\r\n");
    r = run({"--loadonly"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("Некорректный адрес сайта лотереи"));
}

TEST_F(DownloadCli, WithoutATerminalAFailureIsNotRetriedUnlessAskedFor)
{
    site.serveStatus(std::string(app::ResultsPagePath), 503);
    auto r = run({"draws", "download", "--site", site.url()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, StartsWith("Ошибка загрузки архива тиражей с сайта: \""));
    EXPECT_THAT(r.err, HasSubstr("503"));
    EXPECT_EQ(site.requests().size(), 1u);

    r = run({"--yes", "draws", "download", "--site", site.url(), "--attempts", "2"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(site.requests().size(), 3u);
    EXPECT_EQ(archive().size(), 2u);
    EXPECT_EQ(run({"draws", "download", "--attempts", "0"}).exitCode, 2);
}

TEST_F(DownloadCli, HttpsVerifiesTheCertificateAndTrustsTheCaFile)
{
    TestHttpServer tls(TestHttpServer::Tls::On);
    ServeOperatorSite(tls);
    {
        ScopedEnv noCa(std::string(http::CaFileVariable), "");
        const auto r = run({"draws", "download", "--site", tls.url()});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_THAT(r.err, HasSubstr("certificate"));
        EXPECT_TRUE(tls.requests().empty());
        EXPECT_EQ(archive().size(), 2u);
    }
    ScopedEnv ca(std::string(http::CaFileVariable), tls.certificateFile().string());
    const auto r = run({"draws", "download", "--site", tls.url()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(archive().size(), 5u);
}

TEST_F(DownloadCli, AManualProxySeesEveryRequest)
{
    auto r = run({"proxy", "set", "--mode", "2", "--server", "127.0.0.1", "--port", std::to_string(site.port()),
                  "--user", "u", "--password", "p w"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    site.requireProxyCredentials("u", "p w");
    r = run({"proxy", "show", "--format", "tsv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_THAT(r.out, HasSubstr("Режим\t2 (Ручной выбор proxy-сервера:)\n"));
    EXPECT_THAT(r.out, HasSubstr("Сервер\t127.0.0.1\n"));
    EXPECT_THAT(r.out, HasSubstr("Пароль\t********\n"));

    // The site's host exists nowhere: only the proxy can answer for it.
    r = run({"draws", "download", "--site", "http://lottery.invalid"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(archive().size(), 5u);
    const auto requests = site.requests();
    ASSERT_EQ(requests.size(), 2u);
    for (const auto& request : requests) {
        EXPECT_TRUE(request.viaProxy);
        EXPECT_THAT(request.target, StartsWith("http://lottery.invalid/"));
    }

    // Automatic mode forgets the server, the user and the password.
    ASSERT_EQ(run({"proxy", "set", "--mode", "1"}).exitCode, 0);
    r = run({"proxy", "show", "--format", "tsv"});
    EXPECT_THAT(r.out, HasSubstr("Сервер\t\n"));
    EXPECT_THAT(r.out, HasSubstr("Пароль\t\n"));
    EXPECT_EQ(run({"proxy", "set", "--mode", "3"}).exitCode, 2);
    // The manual mode needs a server: the automatic mode forgot the last one.
    r = run({"proxy", "set", "--mode", "2"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("Не указано имя или адрес proxy-сервера."));
}

TEST_F(DownloadCli, HttpDiagnostics)
{
    site.serve("/hello", "hello, world");
    site.route("/form",
               [](const httplib::Request& req, httplib::Response& res) { res.set_content(req.body, "text/plain"); });
    auto r = runCli({"http", "get", site.url("/hello")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "hello, world");
    r = runCli({"http", "get", site.url("/hello"), "--out", (dir / "h.txt").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(readBytes(dir / "h.txt"), "hello, world");
    // Never over a file of the data folder.
    const std::string archiveBytes = readBytes(drawsFile());
    r = run({"http", "get", site.url("/hello"), "--out", drawsFile().string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(readBytes(drawsFile()), archiveBytes);
    r = runCli({"http", "post", site.url("/form"), "a=1 2", "b=&"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "a=1%202&b=%26");

    r = runCli({"http", "get", site.url("/missing")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_THAT(r.err, HasSubstr("404"));
    EXPECT_EQ(runCli({"http", "post", site.url("/form"), "novalue"}).exitCode, 1);
    EXPECT_EQ(runCli({"http", "get", site.url("/hello"), "--proxy", "nohost"}).exitCode, 1);
}

} // namespace
} // namespace belvane::testing
