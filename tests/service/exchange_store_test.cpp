#include <gtest/gtest.h>

#include <functional>

#include "exchange/base64.h"
#include "exchange/exchange_answer.h"
#include "helpers/exchange_service.h"
#include "helpers/temp_dir.h"
#include "service/sqlite_db.h"
#include "service/exchange_store.h"

namespace belvane::service {
namespace {

using exchange::ReadExchangeAnswer;

// Each contact with its own fixed key.
Caller caller(std::string mail, std::string name = "Автор")
{
    std::string key = testing::TestAuthorKey(mail);
    return {.AppId = "Belvane 6x45",
            .AppVersion = "1.0",
            .Name = std::move(name),
            .Mail = std::move(mail),
            .Lcid = 1049,
            .Key = std::move(key),
            .RequestId = {}};
}

Caller withKey(Caller c, std::string key)
{
    c.Key = std::move(key);
    return c;
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
    EXPECT_EQ(
        ReadExchangeAnswer(store.ListScripts(caller("robert'); DROP TABLE systems;--@x"), 1)).at(1).Text("key_cl_mail"),
        "robert'); DROP TABLE systems;--@x");
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
    EXPECT_THROW(store.ScriptData(caller("a@x"), 999), RequestRefused);
}

TEST_F(StoreTest, TitlesAreUniqueAndOnlyAuthorsChangeTheirEntries)
{
    const int64_t id = put(store, caller("Owner@X"), script("Title"));
    EXPECT_THROW(put(store, caller("b@x"), script("title")), RequestRefused);
    EXPECT_EQ(ReadExchangeAnswer(store.CheckTitle(caller("b@x"), -1, "TITLE")).at(0).Integer("ret_code"), 1);
    EXPECT_EQ(ReadExchangeAnswer(store.CheckTitle(caller("b@x"), id, "Title")).at(0).Integer("ret_code"), 0);
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
    EXPECT_EQ(ReadExchangeAnswer(store.Rates(caller("me@x"), rated)).size(), 2u);
    EXPECT_TRUE(ReadExchangeAnswer(store.Rates(caller("me@x"), hidden)).empty()); // hiding is no rating
    // One rating per author: a second one replaces the first; 0 removes it.
    store.SetRate(caller("ME@x"), rated, 2, "changed");
    EXPECT_EQ(ReadExchangeAnswer(store.Rates(caller("me@x"), rated)).size(), 2u);
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

TEST_F(StoreTest, AContactBelongsToTheFirstKeyThatCameWithIt)
{
    const int64_t id = put(store, caller("owner@x"), script("Mine"));
    const Caller impostor = withKey(caller("owner@x"), std::string(32, 'f'));
    const auto refusedWith = [](const std::function<void()>& change) {
        try {
            change();
        } catch (const RequestRefused& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    // The same contact under another key changes nothing: replace, hide from others, delete.
    ScriptInput secret = script("Mine", id);
    secret.Public = false;
    EXPECT_NE(refusedWith([&] { put(store, impostor, secret); }).find("ключ автора не совпадает"), std::string::npos);
    EXPECT_NE(refusedWith([&] { store.PutScript(impostor, script("", id), true); }).find("ключ"), std::string::npos);
    EXPECT_NE(refusedWith([&] { store.SetRate(impostor, id, -1, ""); }).find("ключ"), std::string::npos);
    // Without a key only reading is possible.
    const Caller oldClient = withKey(caller("owner@x"), "");
    EXPECT_NE(refusedWith([&] { store.PutScript(oldClient, script("", id), true); }).find("cl_key"), std::string::npos);
    EXPECT_EQ(ReadExchangeAnswer(store.ListScripts(oldClient, 1)).size(), 1u);
    EXPECT_NO_THROW(store.ScriptData(oldClient, id));
    EXPECT_THROW(store.PutScript(withKey(caller("owner@x"), "not hex at all, not hex at all!!"), script("", id), true),
                 RequestRefused);
    // The contact in any of its spellings is the same author with the same key.
    EXPECT_EQ(put(store, withKey(caller("  Owner+club@X\xE2\x80\x8B "), caller("owner@x").Key), script("Mine 2", id)),
              id);
    EXPECT_THROW(put(store, withKey(caller("OWNER+other@x"), std::string(32, 'f')), script("Mine 3", id)),
                 RequestRefused);

    // Systems alike.
    SystemInput s{.Id = 0,
                  .Numbers = 7,
                  .CombLength = 6,
                  .Block = 3,
                  .CombCount = 1,
                  .Title = "S",
                  .Description = "d",
                  .Combs = "1 2 3 4 5 6\r\n",
                  .Url = ""};
    const int64_t system = ReadExchangeAnswer(store.PutSystem(caller("owner@x"), s, false)).at(0).Integer("id_systems");
    s.Id = system;
    EXPECT_THROW(store.PutSystem(impostor, s, true), RequestRefused);
    EXPECT_EQ(ReadExchangeAnswer(store.ListSystems(caller("b@x"))).size(), 1u);
}

TEST_F(StoreTest, ContactsAndPrivateEntriesAreTheirAuthorsOnly)
{
    ScriptInput secret = script("Secret");
    secret.Public = false;
    const int64_t id = put(store, caller("a@x"), secret);
    put(store, caller("a@x"), script("Open"));
    SystemInput s{.Id = 0,
                  .Numbers = 7,
                  .CombLength = 6,
                  .Block = 3,
                  .CombCount = 1,
                  .Title = "S",
                  .Description = "d",
                  .Combs = "1 2 3 4 5 6\r\n",
                  .Url = ""};
    store.PutSystem(caller("a@x"), s, false);

    const Caller stranger = caller("b@x");
    const Caller impostor = withKey(caller("a@x"), std::string(32, 'e'));
    for (const Caller& other : {stranger, impostor}) {
        const auto list = ReadExchangeAnswer(store.ListScripts(other, 1));
        ASSERT_EQ(list.size(), 1u);
        EXPECT_EQ(list[0].Base64Text("title"), "Open");
        EXPECT_EQ(list[0].Text("key_cl_mail"), "");
        EXPECT_EQ(ReadExchangeAnswer(store.ListSystems(other)).at(0).Text("cl_mail"), "");
        // Asking for the id by number, or for the title, tells nothing.
        EXPECT_THROW(store.ScriptData(other, id), RequestRefused);
        EXPECT_EQ(ReadExchangeAnswer(store.CheckTitle(other, -1, "secret")).at(0).Integer("ret_code"), 0);
        EXPECT_TRUE(ReadExchangeAnswer(store.Rates(other, id)).empty());
    }
    EXPECT_THROW(store.SetRate(stranger, id, 5, ""), RequestRefused);
    // Another user's entry of the same title is theirs to have.
    EXPECT_GT(put(store, stranger, script("Secret")), 0);

    const Caller author = caller("A@X");
    EXPECT_EQ(ReadExchangeAnswer(store.ListScripts(author, 3)).size(), 2u);
    EXPECT_EQ(ReadExchangeAnswer(store.ListScripts(author, 3)).at(0).Text("key_cl_mail"), "a@x");
    EXPECT_EQ(ReadExchangeAnswer(store.ListSystems(author)).at(0).Text("cl_mail"), "a@x");
    EXPECT_EQ(exchange::DecodeBase64(ReadExchangeAnswer(store.ScriptData(author, id)).at(0).Text("script")),
              "line\r\n");
    EXPECT_EQ(ReadExchangeAnswer(store.CheckTitle(author, -1, "SECRET")).at(0).Integer("ret_code"), 1);
}

TEST_F(StoreTest, OneRatingPerKeyAndNoneByTheAuthor)
{
    const int64_t id = put(store, caller("author@x"), script("S"));
    const Caller rater = caller("rater@x");
    // Case, a "+" tag and an invisible character are the same rater.
    for (const char* spelling : {"rater@x", "RATER@X", "rater+1@x", "ra\xE2\x80\x8Bter@x", " rater@x\xEF\xBB\xBF"})
        store.SetRate(withKey(caller(spelling, "R"), rater.Key), id, 5, "");
    // The same key under a new contact still rates once.
    store.SetRate(withKey(caller("second@x", "R"), rater.Key), id, 3, "");
    auto rates = ReadExchangeAnswer(store.Rates(rater, id));
    ASSERT_EQ(rates.size(), 1u);
    EXPECT_EQ(rates[0].Integer("rate"), 3);

    EXPECT_THROW(store.SetRate(caller("author@x"), id, 5, ""), RequestRefused);
    EXPECT_THROW(store.SetRate(withKey(caller("alias@x"), caller("author@x").Key), id, 5, ""), RequestRefused);
    // Hiding one's own entry from one's view is no rating.
    EXPECT_NO_THROW(store.SetRate(caller("author@x"), id, -1, ""));
    EXPECT_EQ(ReadExchangeAnswer(store.Rates(rater, id)).size(), 1u);
}

TEST_F(StoreTest, ARepeatedRequestIdGetsTheFirstAnswer)
{
    Caller a = caller("a@x");
    a.RequestId = "req-1";
    const std::string first = store.PutScript(a, script("Once"), false);
    // The answer was lost; the client sends the same publish again.
    EXPECT_EQ(store.PutScript(a, script("Once"), false), first);
    EXPECT_EQ(ReadExchangeAnswer(store.ListScripts(a, 1)).size(), 1u);
    // Another author's id of the same text is another request.
    Caller b = caller("b@x");
    b.RequestId = "req-1";
    EXPECT_THROW(store.PutScript(b, script("Once"), false), RequestRefused); // the title is taken
    // A refused request is not remembered: sent again after the fault is put right, it is made.
    a.RequestId = "req-2";
    EXPECT_THROW(store.PutScript(a, script(""), false), RequestRefused);
    EXPECT_GT(put(store, a, script("Twice")), 0);
    a.RequestId = "bad id!";
    EXPECT_THROW(store.PutScript(a, script("Thrice"), false), RequestRefused);
}

TEST(StoreMigration, AFileOfTheFirstSchemaKeepsWorking)
{
    testing::TempDir dir;
    {
        Database old(dir / "old.sqlite");
        old.Execute(R"sql(
CREATE TABLE systems (id INTEGER PRIMARY KEY AUTOINCREMENT, nums INTEGER NOT NULL, olap INTEGER NOT NULL,
  csize INTEGER NOT NULL, title TEXT NOT NULL, descr TEXT NOT NULL, author TEXT NOT NULL, cl_mail TEXT NOT NULL,
  mail_key TEXT NOT NULL, url TEXT NOT NULL, clist TEXT NOT NULL, app_id TEXT NOT NULL, app_ver TEXT NOT NULL,
  created TEXT NOT NULL, downloads INTEGER NOT NULL DEFAULT 0, last_download TEXT NOT NULL DEFAULT '');
CREATE TABLE scripts (id INTEGER PRIMARY KEY AUTOINCREMENT, app_guid TEXT NOT NULL, app_ver TEXT NOT NULL,
  cl_name TEXT NOT NULL, cl_mail TEXT NOT NULL, mail_key TEXT NOT NULL, cl_lcid INTEGER NOT NULL,
  uniapps INTEGER NOT NULL, publics INTEGER NOT NULL, created TEXT NOT NULL, downloads INTEGER NOT NULL DEFAULT 0,
  last_download TEXT NOT NULL DEFAULT '', title TEXT NOT NULL, title_key TEXT NOT NULL, descr TEXT NOT NULL,
  script TEXT NOT NULL);
CREATE UNIQUE INDEX scripts_title ON scripts (title_key);
CREATE TABLE rates (scr_id INTEGER NOT NULL REFERENCES scripts (id) ON DELETE CASCADE, mail_key TEXT NOT NULL,
  cl_name TEXT NOT NULL, rate INTEGER NOT NULL, notes TEXT NOT NULL, created TEXT NOT NULL, app_name TEXT NOT NULL,
  app_ver TEXT NOT NULL, PRIMARY KEY (scr_id, mail_key));
INSERT INTO scripts VALUES (1, 'Belvane 6x45', '1.0', 'Old', 'Old+club@X', 'old+club@x', 1049, 0, 0,
  '2024-01-01 00:00:00', 0, '', 'Old', 'OLD', 'd', 'old line');
INSERT INTO systems VALUES (1, 7, 3, 1, 'Sys', 'd', 'Old', 'Old@X', 'old@x', '', '01 02 03 04 05 06', 'B', '1',
  '2024-01-01 00:00:00', 0, '');
INSERT INTO rates VALUES (1, 'r@x', 'R', 4, '', '2024-01-01 00:00:00', 'B', '1');
INSERT INTO rates VALUES (1, 'r+2@x', 'R', 5, '', '2024-01-01 00:00:00', 'B', '1');
)sql");
    }
    ExchangeStore store(dir / "old.sqlite");
    const Caller old = caller("old@x");
    // The old author's private entry is theirs once their key comes, under the contact's normal form.
    const auto mine = ReadExchangeAnswer(store.ListScripts(old, 3));
    ASSERT_EQ(mine.size(), 1u);
    EXPECT_EQ(mine[0].Text("key_cl_mail"), "Old+club@X");
    EXPECT_DOUBLE_EQ(mine[0].Decimal("rating_avg"), 4.0); // the rater's two spellings are one rating
    EXPECT_THROW(store.PutScript(withKey(old, std::string(32, 'a')), script("", 1), true), RequestRefused);
    EXPECT_EQ(put(store, old, script("Old", 1)), 1);
    SystemInput s{.Id = 1,
                  .Numbers = 7,
                  .CombLength = 6,
                  .Block = 3,
                  .CombCount = 1,
                  .Title = "Sys",
                  .Description = "d",
                  .Combs = "1 2 3 4 5 6\r\n",
                  .Url = ""};
    EXPECT_EQ(ReadExchangeAnswer(store.PutSystem(old, s, true)).at(0).Integer("id_systems"), 0);
    // New entries go on after the old ones; opening again changes nothing.
    EXPECT_EQ(put(store, caller("n@x"), script("New")), 2);
    ExchangeStore again(dir / "old.sqlite");
    EXPECT_EQ(ReadExchangeAnswer(again.ListScripts(caller("n@x"), 1)).size(), 2u); // the old one is public now
}

} // namespace
} // namespace belvane::service
