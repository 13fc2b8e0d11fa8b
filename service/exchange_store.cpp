#include "service/exchange_store.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <fmt/format.h>

#include "exchange/base64.h"
#include "exchange/exchange_answer.h"
#include "exchange/exchange_text.h"
#include "support/text.h"
#include "systems/system_file.h"

namespace belvane::service {
namespace {

constexpr const char* kSchema = R"sql(
PRAGMA foreign_keys = ON;
CREATE TABLE IF NOT EXISTS systems (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    nums INTEGER NOT NULL, olap INTEGER NOT NULL, csize INTEGER NOT NULL,
    title TEXT NOT NULL, descr TEXT NOT NULL, author TEXT NOT NULL,
    cl_mail TEXT NOT NULL, mail_key TEXT NOT NULL, url TEXT NOT NULL, clist TEXT NOT NULL,
    app_id TEXT NOT NULL, app_ver TEXT NOT NULL,
    created TEXT NOT NULL, downloads INTEGER NOT NULL DEFAULT 0, last_download TEXT NOT NULL DEFAULT '');
CREATE TABLE IF NOT EXISTS scripts (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    app_guid TEXT NOT NULL, app_ver TEXT NOT NULL,
    cl_name TEXT NOT NULL, cl_mail TEXT NOT NULL, mail_key TEXT NOT NULL, cl_lcid INTEGER NOT NULL,
    uniapps INTEGER NOT NULL, publics INTEGER NOT NULL,
    created TEXT NOT NULL, downloads INTEGER NOT NULL DEFAULT 0, last_download TEXT NOT NULL DEFAULT '',
    title TEXT NOT NULL, title_key TEXT NOT NULL, descr TEXT NOT NULL, script TEXT NOT NULL);
CREATE UNIQUE INDEX IF NOT EXISTS scripts_title ON scripts (title_key);
CREATE TABLE IF NOT EXISTS rates (
    scr_id INTEGER NOT NULL REFERENCES scripts (id) ON DELETE CASCADE,
    mail_key TEXT NOT NULL, cl_name TEXT NOT NULL, rate INTEGER NOT NULL, notes TEXT NOT NULL,
    created TEXT NOT NULL, app_name TEXT NOT NULL, app_ver TEXT NOT NULL,
    PRIMARY KEY (scr_id, mail_key));
)sql";

// The catalogue filters by index; the texts are constants, the caller's contact is parameter ?1.
constexpr std::array<const char*, 8> kScriptFilters = {
    "you = -1", "1", "you <> -1", "mail_key = ?1", "publics = 1", "you > 0", "you = 0", "you <> -1 AND created >= ?2",
};

constexpr const char* kListScripts = R"sql(
SELECT * FROM (
  SELECT s.id, s.app_guid, s.app_ver, s.cl_name, s.cl_mail, s.cl_lcid, s.uniapps, s.publics, s.created,
         (SELECT AVG(r.rate) FROM rates r WHERE r.scr_id = s.id AND r.rate > 0) AS avg,
         (SELECT COUNT(*) FROM rates r WHERE r.scr_id = s.id AND r.rate > 0) AS cnt,
         COALESCE((SELECT r.rate FROM rates r WHERE r.scr_id = s.id AND r.mail_key = ?1), 0) AS you,
         s.downloads, s.last_download, s.title, s.descr, s.mail_key
  FROM scripts s
  WHERE s.publics = 1 OR s.mail_key = ?1)
WHERE )sql";

std::string now()
{
    const auto seconds = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    return exchange::ExchangeDateTimeText(seconds.time_since_epoch().count());
}

std::string nowMinusDay()
{
    const auto seconds = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    return exchange::ExchangeDateTimeText(seconds.time_since_epoch().count() - 86400);
}

bool validUtf8(std::string_view s)
{
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t n = 0;
        uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            n = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            n = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            n = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + n >= s.size())
            return false;
        for (size_t k = 1; k <= n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            cp = cp << 6 | (d & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are refused.
        if ((n == 1 && cp < 0x80) || (n == 2 && cp < 0x800) || (n == 3 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

std::string titleKey(std::string_view title)
{
    // Case folded for ASCII only: the same spelling in another case is the same title.
    return text::toUpperAscii(text::trim(title));
}

void requireOwner(Database& db, const char* sql, int64_t id, const std::string& mailKey, std::string_view what)
{
    Statement owner(db, sql);
    owner.Bind(1, id);
    if (!owner.Step())
        throw RequestRefused(fmt::format("{} #{} не найден(а) в базе данных", what, id));
    if (owner.Text(0) != mailKey)
        throw RequestRefused("Изменять и удалять можно только свои записи");
}

void checkCaller(const Caller& c)
{
    CheckText("appid", c.AppId, MaxNameLength, false);
    CheckText("appver", c.AppVersion, MaxNameLength, false);
    CheckText("cl_name", c.Name, MaxNameLength, false);
    CheckText("cl_mail", c.Mail, MaxMailLength, false);
}

void requireAuthor(const Caller& c)
{
    if (text::trim(c.Mail).empty())
        throw RequestRefused("Не указан контактный адрес автора (cl_mail)");
    if (text::trim(c.Name).empty())
        throw RequestRefused("Не указано имя автора (cl_name)");
}

} // namespace

void CheckText(std::string_view field, std::string_view value, size_t maxChars, bool multiline)
{
    if (!validUtf8(value))
        throw RequestRefused(fmt::format("Поле {}: текст не в кодировке UTF-8", field));
    for (const char c : value) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 || b == 0x7F) && !(multiline && (c == '\r' || c == '\n' || c == '\t')))
            throw RequestRefused(fmt::format("Поле {}: недопустимый управляющий символ", field));
    }
    if (text::utf8Length(value) > maxChars)
        throw RequestRefused(fmt::format("Поле {}: длиннее {} символов", field, maxChars));
}

std::string MailKey(std::string_view mail)
{
    std::string key(text::trim(mail));
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return key;
}

ExchangeStore::ExchangeStore(const std::filesystem::path& database) : db_(database)
{
    db_.Execute(kSchema);
}

std::string ExchangeStore::ListSystems(const Caller& caller)
{
    checkCaller(caller);
    std::lock_guard lock(mutex_);
    Statement list(db_, "SELECT id, nums, olap, csize, title, descr, author, cl_mail, url, created, last_download, "
                        "downloads FROM systems ORDER BY nums, id");
    exchange::ExchangeAnswerWriter out;
    while (list.Step()) {
        out.BeginRow();
        out.Field("id", list.Integer(0));
        out.Field("nums", list.Integer(1));
        out.Field("olap", list.Integer(2));
        out.Field("csize", list.Integer(3));
        out.Field("title", exchange::EncodeBase64(list.Text(4)));
        out.Field("descr", exchange::EncodeBase64(list.Text(5)));
        out.Field("author", list.Text(6));
        out.Field("cl_mail", list.Text(7));
        out.Field("url", list.Text(8));
        out.Field("created", list.Text(9));
        out.Field("last_download", list.Text(10));
        out.Field("downloads", list.Integer(11));
        out.EndRow();
    }
    return out.Finish();
}

std::string ExchangeStore::SystemData(int64_t id)
{
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    Statement get(db_, "SELECT clist FROM systems WHERE id = ?1");
    get.Bind(1, id);
    if (!get.Step())
        throw RequestRefused(fmt::format("Система #{} не найдена в базе данных", id));
    const std::string clist = get.Text(0);
    Statement count(db_, "UPDATE systems SET downloads = downloads + 1, last_download = ?2 WHERE id = ?1");
    count.Bind(1, id).Bind(2, now()).Run();
    tx.Commit();
    exchange::ExchangeAnswerWriter out;
    out.BeginRow();
    out.Field("clist", exchange::EncodeBase64(clist));
    out.EndRow();
    return out.Finish();
}

std::string ExchangeStore::PutSystem(const Caller& author, const SystemInput& s, bool remove)
{
    checkCaller(author);
    requireAuthor(author);
    const std::string mailKey = MailKey(author.Mail);
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    if (remove) {
        requireOwner(db_, "SELECT mail_key FROM systems WHERE id = ?1", s.Id, mailKey, "Система");
        Statement del(db_, "DELETE FROM systems WHERE id = ?1");
        del.Bind(1, s.Id).Run();
        tx.Commit();
        exchange::ExchangeAnswerWriter out;
        out.BeginRow();
        out.Field("id_systems", int64_t{0});
        out.EndRow();
        return out.Finish();
    }
    if (s.Numbers < systems::MinSystemNumbers || s.Numbers > systems::MaxSystemNumbers)
        throw RequestRefused("Указано недопустмое количество используемых чисел!");
    if (s.CombLength != systems::SystemCombLength)
        throw RequestRefused("Допустимы только системы из шести чисел (clen=6)");
    if (s.Block < 0 || s.Block > systems::MaxSystemBlock)
        throw RequestRefused("Указан недопустмый размер блока!");
    CheckText("title", s.Title, MaxTitleLength, false);
    CheckText("descr", s.Description, MaxDescrLength, true);
    CheckText("url", s.Url, MaxUrlLength, false);
    if (text::trim(s.Title).empty())
        throw RequestRefused("Название системы должно быть указано обязательно!");
    if (text::trim(s.Description).empty())
        throw RequestRefused("Описание системы должно быть указано обязательно!");
    if (!s.Url.empty() && !text::startsWithIgnoreCase(s.Url, "http://") &&
        !text::startsWithIgnoreCase(s.Url, "https://"))
        throw RequestRefused("Ссылка должна начинаться с http:// или https://");
    // Every line six different positions 1..n, as many lines as announced.
    std::vector<systems::SystemLine> lines;
    try {
        lines = systems::ParseSystemText(s.Combs, static_cast<int>(s.Numbers), "clist");
    } catch (const Error& e) {
        throw RequestRefused(e.what());
    }
    if (lines.empty())
        throw RequestRefused("Содержимое системы должно быть указано обязательно!");
    if (lines.size() > MaxSystemLines || static_cast<int64_t>(lines.size()) != s.CombCount)
        throw RequestRefused(
            fmt::format("Количество комбинаций ( {} ) отличается от указанного ( {} )", lines.size(), s.CombCount));
    std::string clist;
    for (const systems::SystemLine& line : lines)
        clist += systems::SystemLineText(line) + "\r\n";

    int64_t id = s.Id;
    if (s.Id > 0) {
        requireOwner(db_, "SELECT mail_key FROM systems WHERE id = ?1", s.Id, mailKey, "Система");
        Statement update(db_, "UPDATE systems SET nums = ?2, olap = ?3, csize = ?4, title = ?5, descr = ?6, "
                              "author = ?7, url = ?8, clist = ?9, app_id = ?10, app_ver = ?11, created = ?12 "
                              "WHERE id = ?1");
        update.Bind(1, s.Id).Bind(2, s.Numbers).Bind(3, s.Block).Bind(4, s.CombCount).Bind(5, text::trim(s.Title));
        update.Bind(6, s.Description).Bind(7, text::trim(author.Name)).Bind(8, s.Url).Bind(9, clist);
        update.Bind(10, author.AppId).Bind(11, author.AppVersion).Bind(12, now()).Run();
    } else {
        Statement insert(db_, "INSERT INTO systems (nums, olap, csize, title, descr, author, cl_mail, mail_key, "
                              "url, clist, app_id, app_ver, created) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
                              "?10, ?11, ?12, ?13)");
        insert.Bind(1, s.Numbers).Bind(2, s.Block).Bind(3, s.CombCount).Bind(4, text::trim(s.Title));
        insert.Bind(5, s.Description).Bind(6, text::trim(author.Name)).Bind(7, text::trim(author.Mail));
        insert.Bind(8, mailKey).Bind(9, s.Url).Bind(10, clist).Bind(11, author.AppId).Bind(12, author.AppVersion);
        insert.Bind(13, now()).Run();
        id = db_.LastInsertId();
    }
    tx.Commit();
    exchange::ExchangeAnswerWriter out;
    out.BeginRow();
    out.Field("id_systems", id);
    out.EndRow();
    return out.Finish();
}

std::string ExchangeStore::ListScripts(const Caller& caller, int64_t filter)
{
    checkCaller(caller);
    if (filter < 0 || filter >= static_cast<int64_t>(kScriptFilters.size()))
        throw RequestRefused(fmt::format("Неизвестный фильтр каталога: {}", filter));
    const std::string sql = std::string(kListScripts) + kScriptFilters[static_cast<size_t>(filter)] + " ORDER BY id";
    std::lock_guard lock(mutex_);
    Statement list(db_, sql.c_str());
    list.Bind(1, MailKey(caller.Mail));
    if (filter == 7)
        list.Bind(2, nowMinusDay());
    exchange::ExchangeAnswerWriter out;
    while (list.Step()) {
        out.BeginRow();
        out.Field("id", list.Integer(0));
        out.Field("app_name", list.Text(1));
        out.Field("app_ver", list.Text(2));
        out.Field("key_cl_name", list.Text(3));
        out.Field("key_cl_mail", list.Text(4));
        out.Field("key_cl_lcid", list.Integer(5));
        out.Field("uniapps", list.Integer(6));
        out.Field("publics", list.Integer(7));
        out.Field("created", list.Text(8));
        out.Field("rating_avg", list.IsNull(9) ? std::string("0") : fmt::format("{:.3f}", list.Decimal(9)));
        out.Field("rating_cnt", list.Integer(10));
        out.Field("rating_you", list.Integer(11));
        out.Field("downloads", list.Integer(12));
        out.Field("last_download", list.Text(13));
        out.Field("title", exchange::EncodeBase64(list.Text(14)));
        out.Field("descr", exchange::EncodeBase64(list.Text(15)));
        if (list.Integer(6) <= 0)
            out.Field("app_guid", list.Text(1));
        out.EndRow();
    }
    return out.Finish();
}

std::string ExchangeStore::ScriptData(int64_t id)
{
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    Statement get(db_, "SELECT script FROM scripts WHERE id = ?1");
    get.Bind(1, id);
    if (!get.Step())
        throw RequestRefused(fmt::format("Сценарий #{} не найден в базе данных", id));
    const std::string script = get.Text(0);
    Statement count(db_, "UPDATE scripts SET downloads = downloads + 1, last_download = ?2 WHERE id = ?1");
    count.Bind(1, id).Bind(2, now()).Run();
    tx.Commit();
    exchange::ExchangeAnswerWriter out;
    out.BeginRow();
    out.Field("script", exchange::EncodeBase64(script));
    out.EndRow();
    return out.Finish();
}

std::string ExchangeStore::PutScript(const Caller& author, const ScriptInput& s, bool remove)
{
    checkCaller(author);
    requireAuthor(author);
    const std::string mailKey = MailKey(author.Mail);
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    int64_t id = s.Id;
    if (remove) {
        requireOwner(db_, "SELECT mail_key FROM scripts WHERE id = ?1", s.Id, mailKey, "Сценарий");
        Statement del(db_, "DELETE FROM scripts WHERE id = ?1");
        del.Bind(1, s.Id).Run();
    } else {
        CheckText("scr_title", s.Title, MaxTitleLength, false);
        CheckText("scr_descr", s.Description, MaxDescrLength, true);
        if (s.Script.size() > MaxScriptBytes)
            throw RequestRefused(fmt::format("Сценарий больше {} байт", MaxScriptBytes));
        CheckText("scr_script", s.Script, MaxScriptBytes, true);
        if (text::trim(s.Title).empty())
            throw RequestRefused("Название сценария должно быть указано обязательно!");
        if (text::trim(s.Script).empty())
            throw RequestRefused("Сценарий пуст");
        Statement taken(db_, "SELECT 1 FROM scripts WHERE title_key = ?1 AND id <> ?2");
        taken.Bind(1, titleKey(s.Title)).Bind(2, s.Id);
        if (taken.Step())
            throw RequestRefused("Сценарий с таким названием уже существует!");
        if (s.Id > 0) {
            requireOwner(db_, "SELECT mail_key FROM scripts WHERE id = ?1", s.Id, mailKey, "Сценарий");
            Statement update(db_, "UPDATE scripts SET app_guid = ?2, app_ver = ?3, cl_name = ?4, cl_lcid = ?5, "
                                  "uniapps = ?6, publics = ?7, created = ?8, title = ?9, title_key = ?10, "
                                  "descr = ?11, script = ?12 WHERE id = ?1");
            update.Bind(1, s.Id).Bind(2, author.AppId).Bind(3, author.AppVersion).Bind(4, text::trim(author.Name));
            update.Bind(5, author.Lcid).Bind(6, int64_t{s.Universal}).Bind(7, int64_t{s.Public}).Bind(8, now());
            update.Bind(9, text::trim(s.Title)).Bind(10, titleKey(s.Title)).Bind(11, s.Description);
            update.Bind(12, s.Script).Run();
        } else {
            Statement insert(db_, "INSERT INTO scripts (app_guid, app_ver, cl_name, cl_mail, mail_key, cl_lcid, "
                                  "uniapps, publics, created, title, title_key, descr, script) VALUES (?1, ?2, ?3, "
                                  "?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)");
            insert.Bind(1, author.AppId).Bind(2, author.AppVersion).Bind(3, text::trim(author.Name));
            insert.Bind(4, text::trim(author.Mail)).Bind(5, mailKey).Bind(6, author.Lcid);
            insert.Bind(7, int64_t{s.Universal}).Bind(8, int64_t{s.Public}).Bind(9, now());
            insert.Bind(10, text::trim(s.Title)).Bind(11, titleKey(s.Title)).Bind(12, s.Description);
            insert.Bind(13, s.Script).Run();
            id = db_.LastInsertId();
        }
    }
    tx.Commit();
    exchange::ExchangeAnswerWriter out;
    out.BeginRow();
    out.Field("id_scripts", id);
    out.EndRow();
    return out.Finish();
}

std::string ExchangeStore::CheckTitle(int64_t id, const std::string& title)
{
    CheckText("scr_title", title, MaxTitleLength, false);
    std::lock_guard lock(mutex_);
    Statement taken(db_, "SELECT 1 FROM scripts WHERE title_key = ?1 AND id <> ?2");
    taken.Bind(1, titleKey(title)).Bind(2, id);
    exchange::ExchangeAnswerWriter out;
    out.BeginRow();
    out.Field("ret_code", int64_t{taken.Step() ? 1 : 0});
    out.EndRow();
    return out.Finish();
}

std::string ExchangeStore::SetRate(const Caller& caller, int64_t id, int64_t rate, const std::string& notes)
{
    checkCaller(caller);
    if (text::trim(caller.Mail).empty())
        throw RequestRefused("Не указан контактный адрес (cl_mail)");
    if (rate < -1 || rate > 5)
        throw RequestRefused(fmt::format("Недопустимая оценка: {}", rate));
    CheckText("rate_notes", notes, MaxNotesLength, true);
    const std::string mailKey = MailKey(caller.Mail);
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    Statement visible(db_, "SELECT 1 FROM scripts WHERE id = ?1 AND (publics = 1 OR mail_key = ?2)");
    visible.Bind(1, id).Bind(2, mailKey);
    if (!visible.Step())
        throw RequestRefused(fmt::format("Сценарий #{} не найден в базе данных", id));
    if (rate == 0) {
        Statement del(db_, "DELETE FROM rates WHERE scr_id = ?1 AND mail_key = ?2");
        del.Bind(1, id).Bind(2, mailKey).Run();
    } else {
        Statement upsert(db_, "INSERT INTO rates (scr_id, mail_key, cl_name, rate, notes, created, app_name, app_ver) "
                              "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8) ON CONFLICT (scr_id, mail_key) DO UPDATE SET "
                              "cl_name = excluded.cl_name, rate = excluded.rate, notes = excluded.notes, "
                              "created = excluded.created, app_name = excluded.app_name, app_ver = excluded.app_ver");
        upsert.Bind(1, id).Bind(2, mailKey).Bind(3, text::trim(caller.Name)).Bind(4, rate).Bind(5, notes);
        upsert.Bind(6, now()).Bind(7, caller.AppId).Bind(8, caller.AppVersion).Run();
    }
    tx.Commit();
    exchange::ExchangeAnswerWriter out;
    out.BeginRow();
    out.Field("res_code", int64_t{0});
    out.EndRow();
    return out.Finish();
}

std::string ExchangeStore::Rates(int64_t id)
{
    std::lock_guard lock(mutex_);
    // A hidden entry is no rating.
    Statement list(db_, "SELECT cl_name, rate, created, app_name, app_ver, notes FROM rates WHERE scr_id = ?1 AND "
                        "rate > 0 ORDER BY created, mail_key");
    list.Bind(1, id);
    exchange::ExchangeAnswerWriter out;
    while (list.Step()) {
        out.BeginRow();
        out.Field("key_cl_name", list.Text(0));
        out.Field("rate", list.Integer(1));
        out.Field("created", list.Text(2));
        out.Field("app_name", list.Text(3));
        out.Field("app_ver", list.Text(4));
        out.Field("notes", list.Text(5));
        out.EndRow();
    }
    return out.Finish();
}

} // namespace belvane::service
