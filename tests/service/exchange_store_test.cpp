#include <gtest/gtest.h>

#include "exchange/base64.h"
#include "exchange/exchange_answer.h"
#include "helpers/temp_dir.h"
#include "service/exchange_store.h"

namespace belvane::service {
namespace {

using exchange::ReadExchangeAnswer;

Caller caller(std::string mail, std::string name = "Автор")
{
    return {
        .AppId = "Belvane 6x45", .AppVersion = "1.0", .Name = std::move(name), .Mail = std::move(mail), .Lcid = 1049};
}

ScriptInput script(std::string title, int64_t id = -1)
{
    return {.Id = id,
            .Universal = false,
            .Public = true,
            .Title = std::move(title),
            .Description = "d",
            .Script = "line\r\n"};
}

int64_t put(ExchangeStore& store, const Caller& who, const ScriptInput& s)
{
    return ReadExchangeAnswer(store.PutScript(who, s, false)).at(0).Integer("id_scripts");
}

struct StoreTest : ::testing::Test {
    testing::TempDir dir;
    ExchangeStore store{dir / "db.sqlite"};
};

TEST_F(StoreTest, InjectionTextsAreStoredAsText)
{
    const std::string evil = "'); DROP TABLE scripts;--";
    const int64_t id = put(store, caller("a@x"), script(evil));
    EXPECT_GT(id, 0);
    ScriptInput other = script("x\" OR 1=1 --");
    other.Description = "'; DELETE FROM rates; --";
    put(store, caller("robert'); DROP TABLE systems;--@x"), other);
    const auto rows = ReadExchangeAnswer(store.ListScripts(caller("a@x"), 1));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Base64Text("title"), evil);
    EXPECT_EQ(rows[1].Base64Text("descr"), "'; DELETE FROM rates; --");
    EXPECT_EQ(rows[1].Text("key_cl_mail"), "robert'); DROP TABLE systems;--@x");
    // The tables are all still there.
    EXPECT_NO_THROW(ReadExchangeAnswer(store.ListSystems(caller("a@x"))));
    // The same file opened again keeps everything (the schema is made once).
    ExchangeStore reopened(dir / "db.sqlite");
    EXPECT_EQ(ReadExchangeAnswer(reopened.ListScripts(caller("a@x"), 1)).size(), 2u);
}

TEST_F(StoreTest, RefusesWhatDoesNotFit)
{
    EXPECT_THROW(put(store, caller("a@x"), script("   ")), RequestRefused);
    EXPECT_THROW(put(store, caller("a@x"), script(std::string(MaxTitleLength + 1, 'T'))), RequestRefused);
    EXPECT_NO_THROW(put(store, caller("a@x"), script(std::string(MaxTitleLength, 'T'))));
    EXPECT_THROW(put(store, caller("a@x"), script("bad \xff utf8")), RequestRefused);
    EXPECT_THROW(put(store, caller("a@x"), script("tab\tin title")), RequestRefused);
    EXPECT_THROW(put(store, caller(""), script("no author")), RequestRefused);
    EXPECT_THROW(put(store, caller("a@x", ""), script("no name")), RequestRefused);
    ScriptInput empty = script("empty");
    empty.Script = " \r\n";
    EXPECT_THROW(put(store, caller("a@x"), empty), RequestRefused);
    EXPECT_THROW(store.ListScripts(caller("a@x"), 8), RequestRefused);
    EXPECT_THROW(store.ListScripts(caller("a@x"), -1), RequestRefused);
    EXPECT_THROW(store.SetRate(caller("a@x"), 1, 6, ""), RequestRefused);
    EXPECT_THROW(store.ScriptData(999), RequestRefused);
}

TEST_F(StoreTest, TitlesAreUniqueAndOnlyAuthorsChangeTheirEntries)
{
    const int64_t id = put(store, caller("Owner@X"), script("Title"));
    EXPECT_THROW(put(store, caller("b@x"), script("title")), RequestRefused);
    EXPECT_EQ(ReadExchangeAnswer(store.CheckTitle(-1, "TITLE")).at(0).Integer("ret_code"), 1);
    EXPECT_EQ(ReadExchangeAnswer(store.CheckTitle(id, "Title")).at(0).Integer("ret_code"), 0);
    EXPECT_THROW(put(store, caller("b@x"), script("Other", id)), RequestRefused);
    EXPECT_THROW(store.PutScript(caller("b@x"), script("", id), true), RequestRefused);
    // The contact is compared without regard to case.
    EXPECT_EQ(put(store, caller("owner@x"), script("Renamed", id)), id);
    EXPECT_EQ(ReadExchangeAnswer(store.PutScript(caller("OWNER@x"), script("", id), true)).at(0).Integer("id_scripts"),
              id);
    EXPECT_TRUE(ReadExchangeAnswer(store.ListScripts(caller("owner@x"), 1)).empty());
}

TEST_F(StoreTest, FiltersFollowRatingsHidingAndVisibility)
{
    const int64_t mine = put(store, caller("me@x"), script("Mine"));
    const int64_t rated = put(store, caller("b@x"), script("Rated"));
    const int64_t hidden = put(store, caller("b@x"), script("Hidden"));
    ScriptInput secret = script("Private");
    secret.Public = false;
    put(store, caller("b@x"), secret);
    store.SetRate(caller("me@x"), rated, 4, "ok");
    store.SetRate(caller("c@x"), rated, 1, "");
    store.SetRate(caller("me@x"), hidden, -1, "");
    // Someone else's private entry can be neither seen nor rated.
    EXPECT_THROW(store.SetRate(caller("me@x"), mine + 3, 5, ""), RequestRefused);

    const auto titles = [&](int filter) {
        std::vector<std::string> out;
        for (const auto& row : ReadExchangeAnswer(store.ListScripts(caller("me@x"), filter)))
            out.push_back(row.Base64Text("title"));
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(titles(0), V{"Hidden"});
    EXPECT_EQ(titles(1), (V{"Mine", "Rated", "Hidden"}));
    EXPECT_EQ(titles(2), (V{"Mine", "Rated"}));
    EXPECT_EQ(titles(3), V{"Mine"});
    EXPECT_EQ(titles(5), V{"Rated"});
    EXPECT_EQ(titles(6), V{"Mine"});
    EXPECT_EQ(titles(7), (V{"Mine", "Rated"}));
    EXPECT_EQ(ReadExchangeAnswer(store.ListScripts(caller("b@x"), 1)).size(), 4u); // the author sees the private one

    const auto row = ReadExchangeAnswer(store.ListScripts(caller("me@x"), 5)).at(0);
    EXPECT_EQ(row.Integer("rating_you"), 4);
    EXPECT_EQ(row.Integer("rating_cnt"), 2);
    EXPECT_DOUBLE_EQ(row.Decimal("rating_avg"), 2.5);
    EXPECT_EQ(ReadExchangeAnswer(store.Rates(rated)).size(), 2u);
    EXPECT_TRUE(ReadExchangeAnswer(store.Rates(hidden)).empty()); // hiding is no rating
    // One rating per author: a second one replaces the first; 0 removes it.
    store.SetRate(caller("ME@x"), rated, 2, "changed");
    EXPECT_EQ(ReadExchangeAnswer(store.Rates(rated)).size(), 2u);
    store.SetRate(caller("me@x"), rated, 0, "");
    EXPECT_EQ(ReadExchangeAnswer(store.ListScripts(caller("me@x"), 1)).at(1).Integer("rating_you"), 0);
}

TEST_F(StoreTest, SystemsAreCheckedLineByLine)
{
    SystemInput s{.Id = 0,
                  .Numbers = 7,
                  .CombLength = 6,
                  .Block = 3,
                  .CombCount = 2,
                  .Title = "S",
                  .Description = "d",
                  .Combs = "1 2 3 4 5 6\r\n2 3 4 5 6 7\r\n",
                  .Url = ""};
    const int64_t id = ReadExchangeAnswer(store.PutSystem(caller("a@x"), s, false)).at(0).Integer("id_systems");
    EXPECT_GT(id, 0);
    for (const auto& change : std::vector<std::function<void(SystemInput&)>>{
             [](SystemInput& x) { x.CombCount = 3; },
             [](SystemInput& x) { x.Combs = "1 2 3 4 5 8\r\n2 3 4 5 6 7"; },
             [](SystemInput& x) { x.Combs = "1 1 3 4 5 6\r\n2 3 4 5 6 7"; },
             [](SystemInput& x) { x.Numbers = 6; },
             [](SystemInput& x) { x.Numbers = 46; },
             [](SystemInput& x) { x.Block = 6; },
             [](SystemInput& x) { x.CombLength = 5; },
             [](SystemInput& x) { x.Url = "javascript:alert(1)"; },
             [](SystemInput& x) { x.Description = " "; },
         }) {
        SystemInput bad = s;
        change(bad);
        EXPECT_THROW(store.PutSystem(caller("a@x"), bad, false), RequestRefused);
    }
    SystemInput other = s;
    other.Id = id;
    EXPECT_THROW(store.PutSystem(caller("b@x"), other, true), RequestRefused);
    const auto data = ReadExchangeAnswer(store.SystemData(id)).at(0);
    EXPECT_EQ(exchange::DecodeBase64(data.Text("clist")), "01 02 03 04 05 06\r\n02 03 04 05 06 07\r\n");
    EXPECT_EQ(ReadExchangeAnswer(store.ListSystems(caller("b@x"))).at(0).Integer("downloads"), 1);
    EXPECT_EQ(ReadExchangeAnswer(store.PutSystem(caller("A@X"), other, true)).at(0).Integer("id_systems"), 0);
    EXPECT_TRUE(ReadExchangeAnswer(store.ListSystems(caller("a@x"))).empty());
}

} // namespace
} // namespace belvane::service
