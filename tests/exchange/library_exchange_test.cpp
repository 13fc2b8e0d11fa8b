// The library client against the exchange service on 127.0.0.1.

#include <gtest/gtest.h>

#include "exchange/exchange_client.h"
#include "helpers/exchange_service.h"
#include "scenario/library_exchange.h"
#include "support/error.h"

namespace belvane::scenario {
namespace {

struct LibraryExchangeTest : ::testing::Test {
    testing::ExchangeService service;

    exchange::ExchangeClient client(std::string mail, std::string name = "Автор")
    {
        exchange::ExchangeIdentity who;
        who.UserName = std::move(name);
        who.UserMail = std::move(mail);
        who.AuthorKey = testing::TestAuthorKey(who.UserMail);
        return exchange::ExchangeClient(service.url(), who);
    }
    static tScriptData data(std::string title)
    {
        tScriptData d;
        d.Title = std::move(title);
        d.Description = "Описание";
        return d;
    }
};

TEST_F(LibraryExchangeTest, PublishListDownloadReplaceDelete)
{
    const auto me = client("Me@Example.org", "Иван");
    const std::string text = "01 02|A;B|||||||Первый\r\n\r\n\"кавычки\" 'апостроф' ? \\ & = + %\r\n";
    const int32_t id = PutScript(me, data("Сценарий"), text);
    ASSERT_GT(id, 0);

    const auto other = client("other@example.org");
    auto list = ListScripts(other, DefaultLibraryFilter);
    ASSERT_EQ(list.size(), 1u);
    const tScriptInfo& entry = list[0];
    EXPECT_EQ(entry.Id, id);
    EXPECT_EQ(entry.Title, "Сценарий");
    EXPECT_EQ(entry.Description, "Описание");
    EXPECT_EQ(entry.AuthorName, "Иван");
    EXPECT_EQ(entry.AppName, exchange::ApplicationId);
    EXPECT_FALSE(entry.Own);
    EXPECT_TRUE(entry.Usable); // published from this program
    EXPECT_FALSE(entry.Editable);
    EXPECT_GT(entry.Created, 0);
    EXPECT_EQ(FetchScript(other, id), text); // byte for byte, CR LF and Cyrillic included
    EXPECT_EQ(LibraryScriptLines(FetchScript(other, id)),
              (std::vector<std::string>{"01 02|A;B|||||||Первый", "", "\"кавычки\" 'апостроф' ? \\ & = + %"}));
    EXPECT_EQ(ListScripts(other, 1).at(0).Downloads, 2);

    const auto mine = ListScripts(client("me@example.ORG"), 1).at(0);
    EXPECT_TRUE(mine.Own);
    EXPECT_TRUE(mine.Editable);

    tScriptData replaced = data("Сценарий 2");
    replaced.Id = id;
    replaced.Universal = true;
    EXPECT_THROW(PutScript(other, replaced, "x\r\n"), Error); // not the author's
    EXPECT_EQ(PutScript(me, replaced, "new\r\n"), id);
    EXPECT_EQ(FetchScript(other, id), "new\r\n");
    EXPECT_TRUE(ListScripts(other, 1).at(0).Universal);

    EXPECT_THROW(DeleteScript(other, mine), Error);
    EXPECT_EQ(DeleteScript(me, mine), id);
    EXPECT_TRUE(ListScripts(me, 1).empty());
}

TEST_F(LibraryExchangeTest, TitleWithEverySpecialCharacterArrivesIntact)
{
    const auto me = client("me@x");
    const std::string title = "T & = + % ' \" ? \\ ; / # <b> Ёжик №5 \\n";
    const int32_t id = PutScript(me, data(title), "a\r\n");
    EXPECT_EQ(ListScripts(me, 1).at(0).Title, title);
    EXPECT_FALSE(TitleIsFree(me, -1, title));
    EXPECT_FALSE(TitleIsFree(me, -1, "  " + title + " "));
    EXPECT_TRUE(TitleIsFree(me, id, title)); // the entry itself
    EXPECT_TRUE(TitleIsFree(me, -1, title + "!"));
    EXPECT_THROW(PutScript(client("b@x"), data(title), "a\r\n"), Error);
}

TEST_F(LibraryExchangeTest, RateRemoveAndHide)
{
    const auto author = client("author@x");
    const int32_t id = PutScript(author, data("S"), "a\r\n");
    const auto me = client("me@x", "Пётр");
    SetRate(me, id, 4, "Хорошо & \"ясно\"");
    auto entry = ListScripts(me, DefaultLibraryFilter).at(0);
    EXPECT_EQ(entry.YourRating, 4);
    EXPECT_EQ(entry.RatingCount, 1);
    EXPECT_DOUBLE_EQ(entry.RatingAvg, 4.0);
    const auto rates = ListRates(author, id);
    ASSERT_EQ(rates.size(), 1u);
    EXPECT_EQ(rates[0].Name, "Пётр");
    EXPECT_EQ(rates[0].Rate, 4);
    EXPECT_EQ(rates[0].Notes, "Хорошо & \"ясно\"");
    EXPECT_GT(rates[0].Created, 0);

    SetRate(me, id, 0, "");
    EXPECT_EQ(ListScripts(me, DefaultLibraryFilter).at(0).YourRating, 0);
    SetRate(me, id, HiddenRating, "");
    EXPECT_TRUE(ListScripts(me, DefaultLibraryFilter).empty());
    EXPECT_EQ(ListScripts(me, 0).at(0).YourRating, HiddenRating);
    EXPECT_EQ(ListScripts(me, 1).at(0).YourRating, HiddenRating);
    EXPECT_THROW(SetRate(me, id, 6, ""), Error);
    EXPECT_THROW(SetRate(me, id + 100, 3, ""), Error); // an error row
}

TEST_F(LibraryExchangeTest, EntriesOfAnotherProgramAreNotUsable)
{
    exchange::ExchangeIdentity who;
    who.AppId = "Kalvo 5x36";
    who.UserName = "X";
    who.UserMail = "x@x";
    who.AuthorKey = testing::TestAuthorKey(who.UserMail);
    const exchange::ExchangeClient otherProgram(service.url(), who);
    PutScript(otherProgram, data("Чужой"), "a\r\n");
    tScriptData universal = data("Общий");
    universal.Universal = true;
    PutScript(otherProgram, universal, "b\r\n");
    const auto list = ListScripts(client("me@x"), 1);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_FALSE(list[0].Usable);
    EXPECT_EQ(list[0].AppGuid, "Kalvo 5x36");
    EXPECT_TRUE(list[1].Usable);
}

TEST_F(LibraryExchangeTest, ErrorRowsAndUnreachableServiceFail)
{
    try {
        FetchScript(client("me@x"), 12345);
        FAIL();
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("#12345"), std::string::npos);
    }
    EXPECT_THROW(ListScripts(client("me@x"), 9), Error);
    const exchange::ExchangeClient nowhere("http://127.0.0.1:1", {});
    EXPECT_THROW(ListScripts(nowhere, 2), Error);
}

} // namespace
} // namespace belvane::scenario
