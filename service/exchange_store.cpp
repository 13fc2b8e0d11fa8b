#include "service/exchange_store.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <fmt/format.h>
#include <openssl/evp.h>

#include "exchange/author_key.h"
#include "exchange/base64.h"
#include "exchange/exchange_answer.h"
#include "exchange/exchange_text.h"
#include "support/text.h"
#include "systems/system_file.h"

namespace belvane::service {
namespace {

// The schema of a new file. A file of an older schema is brought up to date by migrate().
constexpr const char* kSchema = R"sql(
PRAGMA foreign_keys = ON;
CREATE TABLE IF NOT EXISTS systems (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    nums INTEGER NOT NULL, olap INTEGER NOT NULL, csize INTEGER NOT NULL,
    title TEXT NOT NULL, descr TEXT NOT NULL, author TEXT NOT NULL,
    cl_mail TEXT NOT NULL, mail_key TEXT NOT NULL, url TEXT NOT NULL, clist TEXT NOT NULL,
    app_id TEXT NOT NULL, app_ver TEXT NOT NULL,
    created TEXT NOT NULL, downloads INTEGER NOT NULL DEFAULT 0, last_download TEXT NOT NULL DEFAULT '',
    key_hash TEXT);
CREATE TABLE IF NOT EXISTS scripts (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    app_guid TEXT NOT NULL, app_ver TEXT NOT NULL,
    cl_name TEXT NOT NULL, cl_mail TEXT NOT NULL, mail_key TEXT NOT NULL, cl_lcid INTEGER NOT NULL,
    uniapps INTEGER NOT NULL, publics INTEGER NOT NULL,
    created TEXT NOT NULL, downloads INTEGER NOT NULL DEFAULT 0, last_download TEXT NOT NULL DEFAULT '',
    title TEXT NOT NULL, title_key TEXT NOT NULL, descr TEXT NOT NULL, script TEXT NOT NULL,
    key_hash TEXT);
CREATE TABLE IF NOT EXISTS rates (
    scr_id INTEGER NOT NULL REFERENCES scripts (id) ON DELETE CASCADE,
    mail_key TEXT NOT NULL, cl_name TEXT NOT NULL, rate INTEGER NOT NULL, notes TEXT NOT NULL,
    created TEXT NOT NULL, app_name TEXT NOT NULL, app_ver TEXT NOT NULL,
    key_hash TEXT,
    PRIMARY KEY (scr_id, mail_key));
CREATE TABLE IF NOT EXISTS authors (
    mail_key TEXT PRIMARY KEY, key_hash TEXT NOT NULL, created TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS requests (
    key_hash TEXT NOT NULL, req_id TEXT NOT NULL, answer TEXT NOT NULL, created TEXT NOT NULL,
    PRIMARY KEY (key_hash, req_id));
CREATE INDEX IF NOT EXISTS requests_created ON requests (created);
)sql";

// The schema version migrate() brings a file to (PRAGMA user_version).
constexpr int64_t kSchemaVersion = 1;

// The catalogue filters by index; the texts are constants, the caller's
// contact is parameter ?1 (NULL for a caller whose key is not proven).
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

// Another entry of this title that the author may know of: a public one or the author's own.
constexpr const char* kTitleTaken =
    "SELECT 1 FROM scripts WHERE title_key = ?1 AND id <> ?2 AND (publics = 1 OR mail_key = ?3)";

int64_t nowSeconds()
{
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now()).time_since_epoch().count();
}

std::string now()
{
    return exchange::ExchangeDateTimeText(nowSeconds());
}

std::string nowMinusDay()
{
    return exchange::ExchangeDateTimeText(nowSeconds() - 86400);
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

// The contact of a proven author, or NULL: what the queries compare entries' contacts with.
void bindContact(Statement& statement, int index, const std::string& contact, bool verified)
{
    if (verified && !contact.empty())
        statement.Bind(index, contact);
    else
        statement.BindNull(index);
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
    if (c.RequestId.size() > 64 || !std::all_of(c.RequestId.begin(), c.RequestId.end(), [](char ch) {
            return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || ch == '-';
        }))
        throw RequestRefused("Поле req_id: недопустимое значение");
}

void requireName(const Caller& c)
{
    if (text::trim(c.Name).empty())
        throw RequestRefused("Не указано имя автора (cl_name)");
}

bool hasColumn(Database& db, const char* table, std::string_view column)
{
    Statement info(db, table);
    while (info.Step())
        if (info.Text(1) == column)
            return true;
    return false;
}

// Brings the contacts of one table into the normal form. Rows that then
// meet an existing one (the same rater under two spellings) go.
void renormalize(Database& db, const char* select, const char* update, const char* removal)
{
    std::vector<std::pair<int64_t, std::string>> changed;
    {
        Statement rows(db, select);
        while (rows.Step()) {
            const std::string key = MailKey(rows.Text(1));
            if (key != rows.Text(1))
                changed.emplace_back(rows.Integer(0), key);
        }
    }
    for (const auto& [rowid, key] : changed) {
        Statement set(db, update);
        set.Bind(1, rowid).Bind(2, key);
        try {
            set.Run();
        } catch (const Error&) {
            if (removal == nullptr)
                throw;
            Statement drop(db, removal);
            drop.Bind(1, rowid).Run();
        }
    }
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
    return exchange::ContactKey(mail);
}

std::string KeyHash(std::string_view key)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (EVP_Digest(key.data(), key.size(), digest, &size, EVP_sha256(), nullptr) != 1)
        throw Error("SHA-256 недоступен");
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (unsigned int i = 0; i < size; ++i) {
        out += kDigits[digest[i] >> 4];
        out += kDigits[digest[i] & 15];
    }
    return out;
}

ExchangeStore::ExchangeStore(const std::filesystem::path& database) : db_(database)
{
    migrate();
    db_.Execute(kSchema);
}

void ExchangeStore::migrate()
{
    const auto single = [this](const char* sql) {
        Statement query(db_, sql);
        return query.Step() ? query.Integer(0) : 0;
    };
    if (single("PRAGMA user_version") >= kSchemaVersion)
        return;
    Transaction tx(db_);
    if (single("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND name = 'scripts'") > 0) {
        // A file of the first schema: contacts compared as lower-case text only, titles unique
        // across private entries too, no author keys.
        for (const auto& [info, alter] : {
                 std::pair{"PRAGMA table_info(scripts)", "ALTER TABLE scripts ADD COLUMN key_hash TEXT"},
                 std::pair{"PRAGMA table_info(systems)", "ALTER TABLE systems ADD COLUMN key_hash TEXT"},
                 std::pair{"PRAGMA table_info(rates)", "ALTER TABLE rates ADD COLUMN key_hash TEXT"},
             })
            if (!hasColumn(db_, info, "key_hash"))
                db_.Execute(alter);
        db_.Execute("DROP INDEX IF EXISTS scripts_title");
        renormalize(db_, "SELECT id, mail_key FROM scripts", "UPDATE scripts SET mail_key = ?2 WHERE id = ?1", nullptr);
        renormalize(db_, "SELECT id, mail_key FROM systems", "UPDATE systems SET mail_key = ?2 WHERE id = ?1", nullptr);
        renormalize(db_, "SELECT rowid, mail_key FROM rates", "UPDATE rates SET mail_key = ?2 WHERE rowid = ?1",
                    "DELETE FROM rates WHERE rowid = ?1");
    }
    db_.Execute(kSchema);
    db_.Execute("CREATE INDEX IF NOT EXISTS scripts_title_key ON scripts (title_key);"
                "CREATE UNIQUE INDEX IF NOT EXISTS rates_key ON rates (scr_id, key_hash);"
                "PRAGMA user_version = 1");
    tx.Commit();
}

ExchangeStore::Author ExchangeStore::identify(const Caller& caller)
{
    Author author;
    author.Contact = MailKey(caller.Mail);
    if (!exchange::IsAuthorKey(caller.Key))
        return author;
    author.KeyHash = KeyHash(caller.Key);
    if (author.Contact.empty())
        return author;
    Statement bound(db_, "SELECT key_hash FROM authors WHERE mail_key = ?1");
    bound.Bind(1, author.Contact);
    if (bound.Step()) {
        author.Verified = bound.Text(0) == author.KeyHash;
    } else {
        Statement bind(db_, "INSERT INTO authors (mail_key, key_hash, created) VALUES (?1, ?2, ?3)");
        bind.Bind(1, author.Contact).Bind(2, author.KeyHash).Bind(3, now()).Run();
        author.Verified = true;
    }
    return author;
}

ExchangeStore::Author ExchangeStore::requireAuthor(const Caller& caller)
{
    if (text::trim(caller.Mail).empty())
        throw RequestRefused("Не указан контактный адрес автора (cl_mail)");
    if (caller.Key.empty())
        throw RequestRefused("Не указан ключ автора (cl_key): изменения принимаются только от программы, "
                             "которая хранит ключ автора");
    if (!exchange::IsAuthorKey(caller.Key))
        throw RequestRefused("Поле cl_key: недопустимый ключ автора");
    Author author = identify(caller);
    if (!author.Verified)
        throw RequestRefused(fmt::format("Контакт \"{}\" принадлежит другому автору: ключ автора не совпадает",
                                         text::trim(caller.Mail)));
    return author;
}

std::optional<std::string> ExchangeStore::repeated(const Author& author, const std::string& requestId)
{
    if (requestId.empty())
        return std::nullopt;
    Statement answer(db_, "SELECT answer FROM requests WHERE key_hash = ?1 AND req_id = ?2");
    answer.Bind(1, author.KeyHash).Bind(2, requestId);
    if (!answer.Step())
        return std::nullopt;
    return answer.Text(0);
}

void ExchangeStore::remember(const Author& author, const std::string& requestId, const std::string& answer)
{
    if (requestId.empty())
        return;
    Statement forget(db_, "DELETE FROM requests WHERE created < ?1");
    forget.Bind(1, exchange::ExchangeDateTimeText(nowSeconds() - RequestMemorySeconds)).Run();
    Statement keep(db_, "INSERT INTO requests (key_hash, req_id, answer, created) VALUES (?1, ?2, ?3, ?4)");
    keep.Bind(1, author.KeyHash).Bind(2, requestId).Bind(3, answer).Bind(4, now()).Run();
}

std::string ExchangeStore::ListSystems(const Caller& caller)
{
    checkCaller(caller);
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    const Author who = identify(caller);
    Statement list(db_, "SELECT id, nums, olap, csize, title, descr, author, cl_mail, url, created, last_download, "
                        "downloads, mail_key FROM systems ORDER BY nums, id");
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
        // A contact is its author's to know.
        out.Field("cl_mail", who.Verified && list.Text(12) == who.Contact ? list.Text(7) : std::string());
        out.Field("url", list.Text(8));
        out.Field("created", list.Text(9));
        out.Field("last_download", list.Text(10));
        out.Field("downloads", list.Integer(11));
        out.EndRow();
    }
    tx.Commit();
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

std::string ExchangeStore::PutSystem(const Caller& caller, const SystemInput& s, bool remove)
{
    checkCaller(caller);
    requireName(caller);
    std::string clist;
    if (!remove) {
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
        for (const systems::SystemLine& line : lines)
            clist += systems::SystemLineText(line) + "\r\n";
    }
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    const Author author = requireAuthor(caller);
    if (auto answer = repeated(author, caller.RequestId))
        return *answer;
    int64_t id = remove ? 0 : s.Id;
    if (remove) {
        requireOwner(db_, "SELECT mail_key FROM systems WHERE id = ?1", s.Id, author.Contact, "Система");
        Statement del(db_, "DELETE FROM systems WHERE id = ?1");
        del.Bind(1, s.Id).Run();
    } else if (s.Id > 0) {
        requireOwner(db_, "SELECT mail_key FROM systems WHERE id = ?1", s.Id, author.Contact, "Система");
        Statement update(db_, "UPDATE systems SET nums = ?2, olap = ?3, csize = ?4, title = ?5, descr = ?6, "
                              "author = ?7, url = ?8, clist = ?9, app_id = ?10, app_ver = ?11, created = ?12 "
                              "WHERE id = ?1");
        update.Bind(1, s.Id).Bind(2, s.Numbers).Bind(3, s.Block).Bind(4, s.CombCount).Bind(5, text::trim(s.Title));
        update.Bind(6, s.Description).Bind(7, text::trim(caller.Name)).Bind(8, s.Url).Bind(9, clist);
        update.Bind(10, caller.AppId).Bind(11, caller.AppVersion).Bind(12, now()).Run();
    } else {
        Statement insert(db_, "INSERT INTO systems (nums, olap, csize, title, descr, author, cl_mail, mail_key, "
                              "url, clist, app_id, app_ver, created, key_hash) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, "
                              "?8, ?9, ?10, ?11, ?12, ?13, ?14)");
        insert.Bind(1, s.Numbers).Bind(2, s.Block).Bind(3, s.CombCount).Bind(4, text::trim(s.Title));
        insert.Bind(5, s.Description).Bind(6, text::trim(caller.Name)).Bind(7, text::trim(caller.Mail));
        insert.Bind(8, author.Contact).Bind(9, s.Url).Bind(10, clist).Bind(11, caller.AppId);
        insert.Bind(12, caller.AppVersion).Bind(13, now()).Bind(14, author.KeyHash).Run();
        id = db_.LastInsertId();
    }
    exchange::ExchangeAnswerWriter out;
    out.BeginRow();
    out.Field("id_systems", id);
    out.EndRow();
    std::string answer = out.Finish();
    remember(author, caller.RequestId, answer);
    tx.Commit();
    return answer;
}

std::string ExchangeStore::ListScripts(const Caller& caller, int64_t filter)
{
    checkCaller(caller);
    if (filter < 0 || filter >= static_cast<int64_t>(kScriptFilters.size()))
        throw RequestRefused(fmt::format("Неизвестный фильтр каталога: {}", filter));
    const std::string sql = std::string(kListScripts) + kScriptFilters[static_cast<size_t>(filter)] + " ORDER BY id";
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    const Author who = identify(caller);
    Statement list(db_, sql.c_str());
    bindContact(list, 1, who.Contact, who.Verified);
    if (filter == 7)
        list.Bind(2, nowMinusDay());
    exchange::ExchangeAnswerWriter out;
    while (list.Step()) {
        const bool own = who.Verified && list.Text(16) == who.Contact;
        out.BeginRow();
        out.Field("id", list.Integer(0));
        out.Field("app_name", list.Text(1));
        out.Field("app_ver", list.Text(2));
        out.Field("key_cl_name", list.Text(3));
        out.Field("key_cl_mail", own ? list.Text(4) : std::string());
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
    tx.Commit();
    return out.Finish();
}

std::string ExchangeStore::ScriptData(const Caller& caller, int64_t id)
{
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    const Author who = identify(caller);
    Statement get(db_, "SELECT script FROM scripts WHERE id = ?1 AND (publics = 1 OR mail_key = ?2)");
    get.Bind(1, id);
    bindContact(get, 2, who.Contact, who.Verified);
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

std::string ExchangeStore::PutScript(const Caller& caller, const ScriptInput& s, bool remove)
{
    checkCaller(caller);
    requireName(caller);
    if (!remove) {
        CheckText("scr_title", s.Title, MaxTitleLength, false);
        CheckText("scr_descr", s.Description, MaxDescrLength, true);
        if (s.Script.size() > MaxScriptBytes)
            throw RequestRefused(fmt::format("Сценарий больше {} байт", MaxScriptBytes));
        CheckText("scr_script", s.Script, MaxScriptBytes, true);
        if (text::trim(s.Title).empty())
            throw RequestRefused("Название сценария должно быть указано обязательно!");
        if (text::trim(s.Script).empty())
            throw RequestRefused("Сценарий пуст");
    }
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    const Author author = requireAuthor(caller);
    if (auto answer = repeated(author, caller.RequestId))
        return *answer;
    int64_t id = s.Id;
    if (remove) {
        requireOwner(db_, "SELECT mail_key FROM scripts WHERE id = ?1", s.Id, author.Contact, "Сценарий");
        Statement del(db_, "DELETE FROM scripts WHERE id = ?1");
        del.Bind(1, s.Id).Run();
    } else {
        if (s.Id > 0)
            requireOwner(db_, "SELECT mail_key FROM scripts WHERE id = ?1", s.Id, author.Contact, "Сценарий");
        Statement taken(db_, kTitleTaken);
        taken.Bind(1, titleKey(s.Title)).Bind(2, s.Id).Bind(3, author.Contact);
        if (taken.Step())
            throw RequestRefused("Сценарий с таким названием уже существует!");
        if (s.Id > 0) {
            Statement update(db_, "UPDATE scripts SET app_guid = ?2, app_ver = ?3, cl_name = ?4, cl_lcid = ?5, "
                                  "uniapps = ?6, publics = ?7, created = ?8, title = ?9, title_key = ?10, "
                                  "descr = ?11, script = ?12 WHERE id = ?1");
            update.Bind(1, s.Id).Bind(2, caller.AppId).Bind(3, caller.AppVersion).Bind(4, text::trim(caller.Name));
            update.Bind(5, caller.Lcid).Bind(6, int64_t{s.Universal}).Bind(7, int64_t{s.Public}).Bind(8, now());
            update.Bind(9, text::trim(s.Title)).Bind(10, titleKey(s.Title)).Bind(11, s.Description);
            update.Bind(12, s.Script).Run();
        } else {
            Statement insert(db_, "INSERT INTO scripts (app_guid, app_ver, cl_name, cl_mail, mail_key, cl_lcid, "
                                  "uniapps, publics, created, title, title_key, descr, script, key_hash) VALUES "
                                  "(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)");
            insert.Bind(1, caller.AppId).Bind(2, caller.AppVersion).Bind(3, text::trim(caller.Name));
            insert.Bind(4, text::trim(caller.Mail)).Bind(5, author.Contact).Bind(6, caller.Lcid);
            insert.Bind(7, int64_t{s.Universal}).Bind(8, int64_t{s.Public}).Bind(9, now());
            insert.Bind(10, text::trim(s.Title)).Bind(11, titleKey(s.Title)).Bind(12, s.Description);
            insert.Bind(13, s.Script).Bind(14, author.KeyHash).Run();
            id = db_.LastInsertId();
        }
    }
    exchange::ExchangeAnswerWriter out;
    out.BeginRow();
    out.Field("id_scripts", id);
    out.EndRow();
    std::string answer = out.Finish();
    remember(author, caller.RequestId, answer);
    tx.Commit();
    return answer;
}

std::string ExchangeStore::CheckTitle(const Caller& caller, int64_t id, const std::string& title)
{
    CheckText("scr_title", title, MaxTitleLength, false);
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    const Author who = identify(caller);
    Statement taken(db_, kTitleTaken);
    taken.Bind(1, titleKey(title)).Bind(2, id);
    bindContact(taken, 3, who.Contact, who.Verified);
    const bool isTaken = taken.Step();
    tx.Commit();
    exchange::ExchangeAnswerWriter out;
    out.BeginRow();
    out.Field("ret_code", int64_t{isTaken ? 1 : 0});
    out.EndRow();
    return out.Finish();
}

std::string ExchangeStore::SetRate(const Caller& caller, int64_t id, int64_t rate, const std::string& notes)
{
    checkCaller(caller);
    if (rate < -1 || rate > 5)
        throw RequestRefused(fmt::format("Недопустимая оценка: {}", rate));
    CheckText("rate_notes", notes, MaxNotesLength, true);
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    const Author author = requireAuthor(caller);
    if (auto answer = repeated(author, caller.RequestId))
        return *answer;
    Statement visible(db_, "SELECT mail_key, key_hash FROM scripts WHERE id = ?1 AND (publics = 1 OR mail_key = ?2)");
    visible.Bind(1, id).Bind(2, author.Contact);
    if (!visible.Step())
        throw RequestRefused(fmt::format("Сценарий #{} не найден в базе данных", id));
    // Hiding and taking a rating back are the author's too.
    if (rate > 0 && (visible.Text(0) == author.Contact || visible.Text(1) == author.KeyHash))
        throw RequestRefused("Свои сценарии оценивать нельзя");
    // One rating per key, whatever contact it came with.
    Statement del(db_, "DELETE FROM rates WHERE scr_id = ?1 AND (mail_key = ?2 OR key_hash = ?3)");
    del.Bind(1, id).Bind(2, author.Contact).Bind(3, author.KeyHash).Run();
    if (rate != 0) {
        Statement insert(db_, "INSERT INTO rates (scr_id, mail_key, cl_name, rate, notes, created, app_name, "
                              "app_ver, key_hash) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
        insert.Bind(1, id).Bind(2, author.Contact).Bind(3, text::trim(caller.Name)).Bind(4, rate).Bind(5, notes);
        insert.Bind(6, now()).Bind(7, caller.AppId).Bind(8, caller.AppVersion).Bind(9, author.KeyHash).Run();
    }
    exchange::ExchangeAnswerWriter out;
    out.BeginRow();
    out.Field("res_code", int64_t{0});
    out.EndRow();
    std::string answer = out.Finish();
    remember(author, caller.RequestId, answer);
    tx.Commit();
    return answer;
}

std::string ExchangeStore::Rates(const Caller& caller, int64_t id)
{
    std::lock_guard lock(mutex_);
    Transaction tx(db_);
    const Author who = identify(caller);
    // A hidden entry is no rating; the ratings of a private entry are its author's to read.
    Statement list(db_, "SELECT r.cl_name, r.rate, r.created, r.app_name, r.app_ver, r.notes FROM rates r "
                        "JOIN scripts s ON s.id = r.scr_id WHERE r.scr_id = ?1 AND r.rate > 0 AND "
                        "(s.publics = 1 OR s.mail_key = ?2) ORDER BY r.created, r.mail_key");
    list.Bind(1, id);
    bindContact(list, 2, who.Contact, who.Verified);
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
    tx.Commit();
    return out.Finish();
}

} // namespace belvane::service
