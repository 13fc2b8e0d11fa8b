#include "support/http.h"

#include <chrono>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <httplib.h>
#include <thread>

#include "helpers/scoped_env.h"
#include "helpers/temp_dir.h"
#include "helpers/test_http_server.h"

namespace belvane::http {
namespace {

using testing::ContentCoding;
using ::testing::HasSubstr;
using testing::ScopedEnv;
using testing::TestHttpServer;

std::string errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

size_t filesIn(const std::filesystem::path& folder)
{
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(HttpText, JoinQueryUrlDirectoryAndPercentEncoding)
{
    EXPECT_EQ(JoinQuery("", "x=1"), "x=1");
    EXPECT_EQ(JoinQuery("a=1", ""), "a=1");
    EXPECT_EQ(JoinQuery("a=1", "b=2"), "a=1&b=2");
    EXPECT_EQ(JoinQuery("", ""), "");

    EXPECT_EQ(UrlDirectory("http://host/scripts/sys_getlist.php"), "http://host/scripts/");
    EXPECT_EQ(UrlDirectory("http://host/scripts/"), "http://host/scripts/");
    EXPECT_EQ(UrlDirectory("no-slash"), "no-slash");

    EXPECT_EQ(PercentEncode("aZ09-._~"), "aZ09-._~");
    EXPECT_EQ(PercentEncode("a b&c=d+e/f?"), "a%20b%26c%3Dd%2Be%2Ff%3F");
    EXPECT_EQ(PercentEncode("Ж"), "%D0%96");
    EXPECT_EQ(PercentEncode(std::string_view("\0", 1)), "%00");

    EXPECT_TRUE(IsHttpsUrl("HTTPS://host/"));
    EXPECT_TRUE(IsHttpUrl("Http://host/"));
    EXPECT_FALSE(IsHttpUrl("ftp://host/"));
    EXPECT_FALSE(IsHttpUrl("file:///etc/passwd"));

    EXPECT_FALSE(ProxyInUse({"proxy", 0, "", ""}));
    EXPECT_FALSE(ProxyInUse({"", 8080, "", ""}));
    EXPECT_TRUE(ProxyInUse({"proxy", 8080, "", ""}));
}

TEST(HttpGet, ReturnsTheBodyAndSendsTheFixedHeaders)
{
    TestHttpServer server;
    server.serve("/page", "Привет, мир");
    EXPECT_EQ(HttpGetString(server.url("/page")), "Привет, мир");
    // The scheme in capitals is still http.
    const std::string upper = "HTTP://127.0.0.1:" + std::to_string(server.port()) + "/page";
    EXPECT_EQ(HttpGetString(upper), "Привет, мир");

    const auto requests = server.requestsTo("/page");
    ASSERT_EQ(requests.size(), 2u);
    const auto& r = requests[0];
    EXPECT_EQ(r.method, "GET");
    EXPECT_FALSE(r.viaProxy);
    EXPECT_EQ(r.header("Accept"), DefaultAccept);
    EXPECT_EQ(r.header("Accept-Encoding"), "gzip, deflate");
    EXPECT_EQ(r.header("User-Agent"), UserAgent);
    EXPECT_EQ(r.header("Cookie"), "");

    RequestOptions options;
    options.Accept = "text/csv";
    HttpGetString(server.url("/page"), options);
    EXPECT_EQ(server.requestsTo("/page").back().header("Accept"), "text/csv");
}

TEST(HttpGet, InflatesGzipAndDeflateAnswers)
{
    TestHttpServer server;
    std::string big;
    for (int i = 0; i < 2000; ++i)
        big += "01/02/2020;1;2;3;4;5;6;7\r\n";
    server.serveCompressed("/gzip", big, ContentCoding::Gzip);
    server.serveCompressed("/deflate", big, ContentCoding::Deflate);
    EXPECT_EQ(HttpGetString(server.url("/gzip")), big);
    EXPECT_EQ(HttpGetString(server.url("/deflate")), big);
}

TEST(HttpGet, ErrorStatusesAndTransportFailuresThrow)
{
    TestHttpServer server;
    server.serveStatus("/missing", 404, "no such page");
    server.serveStatus("/broken", 500, "oops");
    server.serveStatus("/moved", 302, "moved without a place");
    EXPECT_THAT(errorOf([&] { HttpGetString(server.url("/missing")); }), HasSubstr("404"));
    EXPECT_THAT(errorOf([&] { HttpPostForm(server.url("/broken"), std::vector<FormField>{}); }), HasSubstr("500"));
    EXPECT_THAT(errorOf([&] { HttpGetString(server.url("/nowhere")); }), HasSubstr("404"));

    int closedPort = 0;
    {
        TestHttpServer gone;
        closedPort = gone.port();
    }
    const std::string refused = errorOf([&] { HttpGetString("http://127.0.0.1:" + std::to_string(closedPort) + "/"); });
    EXPECT_NE(refused, "(no error)");
    EXPECT_FALSE(refused.empty());

    EXPECT_NE(errorOf([] { HttpGetString("ftp://127.0.0.1/file"); }), "(no error)");
    EXPECT_NE(errorOf([] { HttpGetString("file:///etc/hostname"); }), "(no error)");
}

TEST(HttpGet, FollowsRedirectsToHttpOnlyAndAtMostTen)
{
    TestHttpServer server;
    server.serve("/final", "arrived");
    server.redirect("/one", "/two", 301);
    server.redirect("/two", server.url("/final"), 302);
    EXPECT_EQ(HttpGetString(server.url("/one")), "arrived");

    RequestOptions noFollow;
    noFollow.FollowRedirects = false;
    HttpGetString(server.url("/one"), noFollow);
    EXPECT_EQ(server.requestsTo("/two").size(), 1u); // only the followed request reached it

    server.redirect("/loop", "/loop");
    EXPECT_NE(errorOf([&] { HttpGetString(server.url("/loop")); }), "(no error)");
    EXPECT_EQ(server.requestsTo("/loop").size(), static_cast<size_t>(MaxRedirects) + 1);

    server.redirect("/to-file", "file:///etc/hostname");
    server.redirect("/to-ftp", "ftp://127.0.0.1/x");
    EXPECT_NE(errorOf([&] { HttpGetString(server.url("/to-file")); }), "(no error)");
    EXPECT_NE(errorOf([&] { HttpGetString(server.url("/to-ftp")); }), "(no error)");
}

TEST(HttpGet, AnswersOverTheSizeCapAreRefusedAlsoAfterInflating)
{
    TestHttpServer server;
    const std::string big(5000, 'x');
    server.serve("/big", big);
    server.serveCompressed("/bomb", std::string(200000, '0'), ContentCoding::Gzip);
    server.route("/chunked", [](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("application/octet-stream", [](size_t offset, httplib::DataSink& sink) {
            if (offset >= 100000) {
                sink.done();
                return true;
            }
            const std::string piece(1000, 'y');
            return sink.write(piece.data(), piece.size());
        });
    });
    RequestOptions options;
    options.MaxSize = 1000;
    EXPECT_THAT(errorOf([&] { HttpGetString(server.url("/big"), options); }), HasSubstr("1000 байт"));
    EXPECT_THAT(errorOf([&] { HttpGetString(server.url("/bomb"), options); }), HasSubstr("1000 байт"));
    EXPECT_THAT(errorOf([&] { HttpGetString(server.url("/chunked"), options); }), HasSubstr("1000 байт"));
    options.MaxSize = 5000;
    EXPECT_EQ(HttpGetString(server.url("/big"), options), big);
}

TEST(HttpGet, AStalledAnswerTimesOutAndTheCancelHookStopsIt)
{
    TestHttpServer server;
    server.serveStalled("/stall", "");

    RequestOptions options;
    options.StallTimeout = std::chrono::seconds(1);
    auto start = std::chrono::steady_clock::now();
    EXPECT_NE(errorOf([&] { HttpGetString(server.url("/stall"), options); }), "(no error)");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(8));

    options.StallTimeout = std::chrono::seconds(30);
    start = std::chrono::steady_clock::now();
    options.Cancelled = [start] { return std::chrono::steady_clock::now() - start > std::chrono::milliseconds(200); };
    EXPECT_THROW(HttpGetString(server.url("/stall"), options), TransferCancelled);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    options.Cancelled = [] { return true; };
    server.serve("/page", "text");
    EXPECT_THROW(HttpGetString(server.url("/page"), options), TransferCancelled);
}

TEST(HttpGet, AServerThatTricklesIsCutOffByTheLowSpeedLimit)
{
    TestHttpServer server;
    // A byte every 100 ms: never a stall, but far below the floor.
    server.route("/trickle", [](const httplib::Request&, httplib::Response& res) {
        res.set_chunked_content_provider("application/octet-stream", [](size_t offset, httplib::DataSink& sink) {
            if (offset >= 600) {
                sink.done();
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            return sink.write("x", 1);
        });
    });
    RequestOptions options;
    options.StallTimeout = std::chrono::seconds(30);
    options.SlowWindow = std::chrono::seconds(2);
    const std::string failure = errorOf([&] { HttpGetString(server.url("/trickle"), options); });
    EXPECT_THAT(failure, HasSubstr("too slow"));
    // The same answer at a floor it keeps above arrives whole (600 bytes are not waited for here).
    options.MinSpeed = 1;
    options.MaxSize = 20;
    EXPECT_THAT(errorOf([&] { HttpGetString(server.url("/trickle"), options); }), HasSubstr("20 байт"));
}

TEST(HttpPost, SendsEveryNameAndValuePercentEncoded)
{
    TestHttpServer server;
    server.route("/scripts/echo.php", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content(req.get_param_value("title") + "|" + req.get_param_value("a&b"), "text/plain");
    });
    const std::vector<FormField> fields{{"title", "Сценарий №1 & 50% = «да»?"}, {"a&b", "x+y z"}, {"empty", ""}};
    EXPECT_EQ(HttpPostForm(server.url("/scripts/echo.php"), fields), "Сценарий №1 & 50% = «да»?|x+y z");

    const auto r = server.requestsTo("/scripts/echo.php").at(0);
    EXPECT_EQ(r.method, "POST");
    EXPECT_THAT(r.header("Content-Type"), HasSubstr("application/x-www-form-urlencoded"));
    EXPECT_EQ(r.body, FormBody(fields));
    EXPECT_THAT(r.body, HasSubstr("&a%26b=x%2By%20z&empty="));
}

TEST(HttpGetToFile, ReplacesTheFileOnlyWhenTheWholeAnswerArrived)
{
    TestHttpServer server;
    testing::TempDir dir;
    const auto file = dir / "SelfUpdates.inf";
    testing::writeBytes(file, "an old and rather long content that a shorter answer must not leave behind");

    server.serve("/update.inf", "[Update]\r\nVersion=2\r\n");
    HttpGetToFile(server.url("/update.inf"), file);
    EXPECT_EQ(testing::readBytes(file), "[Update]\r\nVersion=2\r\n");

    server.serveStatus("/gone.inf", 404);
    server.serveStalled("/stall.inf", "");
    RequestOptions options;
    options.StallTimeout = std::chrono::seconds(1);
    EXPECT_THROW(HttpGetToFile(server.url("/gone.inf"), file, options), Error);
    EXPECT_THROW(HttpGetToFile(server.url("/stall.inf"), file, options), Error);
    options.MaxSize = 5;
    EXPECT_THROW(HttpGetToFile(server.url("/update.inf"), file, options), Error);
    EXPECT_EQ(testing::readBytes(file), "[Update]\r\nVersion=2\r\n");
    EXPECT_EQ(filesIn(dir.path()), 1u); // no temporary file left behind

    EXPECT_THROW(HttpGetToFile(server.url("/update.inf"), dir / "no-such-folder" / "x.inf"), Error);
}

TEST(HttpProxy, RequestsGoThroughTheProxyWithItsCredentials)
{
    TestHttpServer proxy;
    proxy.serve("/onze-spelen/", "через прокси");
    // The proxy resolves the host, so a name that exists nowhere still works.
    const std::string url = "http://lottery.invalid/onze-spelen/";

    RequestOptions options;
    options.Proxy = {"127.0.0.1", proxy.port(), "", ""};
    EXPECT_EQ(HttpGetString(url, options), "через прокси");
    auto r = proxy.requests().back();
    EXPECT_TRUE(r.viaProxy);
    EXPECT_EQ(r.target, url);
    EXPECT_EQ(r.header("Proxy-Authorization"), "");

    proxy.requireProxyCredentials("user", "пароль:1");
    EXPECT_THAT(errorOf([&] { HttpGetString(url, options); }), HasSubstr("407"));
    options.Proxy.Username = "user";
    options.Proxy.Password = "пароль:1";
    EXPECT_EQ(HttpGetString(url, options), "через прокси");
    EXPECT_NE(proxy.requests().back().header("Proxy-Authorization"), "");

    // Port 0: no proxy at all, the request goes straight to the server.
    TestHttpServer site;
    site.serve("/page", "напрямую");
    options.Proxy = {"127.0.0.1", 0, "", ""};
    EXPECT_EQ(HttpGetString(site.url("/page"), options), "напрямую");
    EXPECT_FALSE(site.requests().back().viaProxy);
}

TEST(HttpTls, VerifiesTheServerAndTrustsTheCaFileOfTheEnvironment)
{
    TestHttpServer server(TestHttpServer::Tls::On);
    server.serve("/page", "защищено");
    {
        ScopedEnv none(std::string(CaFileVariable), "");
        const std::string failure = errorOf([&] { HttpGetString(server.url("/page")); });
        EXPECT_NE(failure, "(no error)");
        EXPECT_THAT(failure, HasSubstr("certificate"));
    }
    {
        ScopedEnv trusted(std::string(CaFileVariable), server.certificateFile().string());
        EXPECT_EQ(HttpGetString(server.url("/page")), "защищено");
        const std::string upper = "HTTPS://127.0.0.1:" + std::to_string(server.port()) + "/page";
        EXPECT_EQ(HttpGetString(upper), "защищено");
        // The certificate names 127.0.0.1, not localhost: the host name is checked too.
        const std::string otherName = "https://localhost:" + std::to_string(server.port()) + "/page";
        EXPECT_NE(errorOf([&] { HttpGetString(otherName); }), "(no error)");
    }
    {
        // Once on TLS, a redirect stays on TLS: one to plain http is refused before it is sent.
        ScopedEnv trusted(std::string(CaFileVariable), server.certificateFile().string());
        TestHttpServer plain;
        plain.serve("/page", "открыто");
        server.redirect("/to-plain", plain.url("/page"));
        server.redirect("/to-tls", server.url("/page"), 301);
        EXPECT_THAT(errorOf([&] { HttpGetString(server.url("/to-plain")); }), HasSubstr(plain.url("/page")));
        testing::TempDir dir;
        EXPECT_THROW(HttpGetToFile(server.url("/to-plain"), dir / "file"), Error);
        EXPECT_FALSE(std::filesystem::exists(dir / "file"));
        EXPECT_TRUE(plain.requests().empty());
        EXPECT_EQ(HttpGetString(server.url("/to-tls")), "защищено");
    }
    {
        ScopedEnv missing(std::string(CaFileVariable), "/nonexistent/ca.pem");
        EXPECT_THAT(errorOf([&] { HttpGetString(server.url("/page")); }), HasSubstr("BELVANE_CA_FILE"));
    }
    {
        testing::TempDir dir;
        testing::writeBytes(dir / "junk.pem", "not a certificate");
        ScopedEnv junk(std::string(CaFileVariable), (dir / "junk.pem").string());
        EXPECT_THAT(errorOf([&] { HttpGetString(server.url("/page")); }), HasSubstr("BELVANE_CA_FILE"));
    }
}

} // namespace
} // namespace belvane::http
