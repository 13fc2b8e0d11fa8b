// Answers a service should not give: the client fails or degrades safely.

#include <gtest/gtest.h>

#include "exchange/base64.h"
#include "exchange/exchange_client.h"
#include "helpers/test_http_server.h"
#include "scenario/library_exchange.h"
#include "support/error.h"
#include "systems/system_exchange.h"

namespace belvane::exchange {
namespace {

std::string messageOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no failure)";
}

struct HostileAnswers : ::testing::Test {
    testing::TestHttpServer server;
    ExchangeClient client{server.url(), ExchangeIdentity{.UserName = "u", .UserMail = "u@x"}};
};

TEST_F(HostileAnswers, PutAnswersWithoutAValidIdAreFailures)
{
    server.serve("/scripts/scr_putscript.php", "<result><row><id_scripts>0</id_scripts></row></result>");
    scenario::tScriptData data;
    data.Title = "t";
    EXPECT_EQ(messageOf([&] { scenario::PutScript(client, data, "x"); }), "Код возврата: 0");
    server.serve("/scripts/scr_putscript.php", "<result></result>");
    EXPECT_EQ(messageOf([&] { scenario::PutScript(client, data, "x"); }), "Код возврата: -1");
    server.serve("/scripts/sys_putdata.php", "<result><row><id_systems>-5</id_systems></row></result>");
    EXPECT_EQ(messageOf([&] { systems::PutSystem(client, {}, false); }), "Код возврата: -1");
    server.serve("/scripts/scr_setrate.php", "<result><row><res_code>-3</res_code></row></result>");
    EXPECT_EQ(messageOf([&] { scenario::SetRate(client, 1, 3, ""); }), "Код возврата: -3");
    server.serve("/scripts/scr_setrate.php", "<result></result>");
    EXPECT_EQ(messageOf([&] { scenario::SetRate(client, 1, 3, ""); }), "Код возврата: -1");
}

TEST_F(HostileAnswers, ImpossibleSystemsAreListedButNotDownloadable)
{
    const std::string title = EncodeBase64("T");
    server.serve("/scripts/sys_getlist.php", "<result>"
                                             "<row><id>1</id><nums>50</nums><olap>1</olap><csize>3</csize><title>" +
                                                 title +
                                                 "</title><created>2024-02-30 00:00:00</created></row>"
                                                 "<row><id>2</id><nums>12</nums><olap>9</olap><csize>3</csize></row>"
                                                 "<row><id>0</id><nums>12</nums><olap>1</olap><csize>3</csize></row>"
                                                 "<row><id>4</id><nums>12</nums><olap>1</olap><csize>0</csize></row>"
                                                 "<row><id>5</id><nums>12</nums><olap>1</olap><csize>3</csize>"
                                                 "<created>2024-01-31 23:59:59</created></row>"
                                                 "</result>");
    const auto list = systems::ListSystems(client);
    ASSERT_EQ(list.size(), 5u);
    EXPECT_EQ(list[0].Title, "T");
    EXPECT_EQ(list[0].Created, 0); // no such day
    for (size_t i = 0; i < 4; ++i)
        EXPECT_FALSE(list[i].Downloadable()) << i;
    EXPECT_TRUE(list[4].Downloadable());
    EXPECT_EQ(list[4].Created, 1706745599);
    // The request said who asks and for which game.
    const auto sent = server.requestsTo("/scripts/sys_getlist.php").at(0).body;
    EXPECT_NE(sent.find("comblen=6"), std::string::npos);
    EXPECT_NE(sent.find("maxnums=45"), std::string::npos);
    EXPECT_NE(sent.find("cl_mail=u%40x"), std::string::npos) << sent;
}

TEST_F(HostileAnswers, MalformedAnswersFailWithTheReason)
{
    server.serve("/scripts/scr_getlist.php", "<result><row><title>@@@</title></row></result>");
    EXPECT_NE(messageOf([&] { scenario::ListScripts(client, 2); }).find("Base64"), std::string::npos);
    server.serve("/scripts/scr_getlist.php", "<result><row>");
    EXPECT_NE(messageOf([&] { scenario::ListScripts(client, 2); }).find("Ответ сервиса не прочитан"),
              std::string::npos);
    server.serveStatus("/scripts/scr_getdata.php", 500, "oops");
    EXPECT_THROW(scenario::FetchScript(client, 1), Error);
    server.serve("/scripts/scr_getrates.php", "<result><row><error>Нет такого сценария</error></row></result>");
    EXPECT_EQ(messageOf([&] { scenario::ListRates(client, 1); }), "Нет такого сценария");
}

TEST_F(HostileAnswers, EscapedFormValuesArePercentEncoded)
{
    server.serve("/scripts/scr_chktitle.php", "<result><row><ret_code>0</ret_code></row></result>");
    EXPECT_TRUE(scenario::TitleIsFree(client, -1, " a&b=c+d%'\"?\\ Ж "));
    const auto body = server.requestsTo("/scripts/scr_chktitle.php").at(0).body;
    // a&b=c+d%\'\"\?\\ Ж, trimmed, escaped, then percent-encoded.
    EXPECT_NE(body.find("scr_title=a%26b%3Dc%2Bd%25%5C%27%5C%22%5C%3F%5C%5C%20%D0%96"), std::string::npos) << body;
}

TEST_F(HostileAnswers, TheTitleCheckSendsTheEntryAndTheTitleOnly)
{
    server.serve("/scripts/scr_chktitle.php", "<result><row><ret_code>1</ret_code></row></result>");
    EXPECT_FALSE(scenario::TitleIsFree(client, 7, "T"));
    EXPECT_EQ(server.requestsTo("/scripts/scr_chktitle.php").at(0).body, "scr_id=7&scr_title=T");
}

} // namespace
} // namespace belvane::exchange
