#pragma once

// The storage and rules of the exchange service: the systems catalogue and
// the scenario library in one SQLite database, authors identified by their
// contact address (in one normal form) and proven by their secret key, one
// rating per key and scenario, hidden and private entries, the catalogue
// filters, and the answers of changes kept by request id so that a retried
// change is not made twice. Every operation returns the answer document; a
// refused request throws RequestRefused, whose text goes back as an "<error>" row.

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>

#include "service/sqlite_db.h"
#include "support/error.h"

namespace belvane::service {

class RequestRefused : public Error {
public:
    using Error::Error;
};

// Limits on what a request may store.
inline constexpr size_t MaxNameLength = 100;       // user and author names, application ids (characters)
inline constexpr size_t MaxMailLength = 200;       // contact addresses
inline constexpr size_t MaxTitleLength = 200;      // titles
inline constexpr size_t MaxDescrLength = 4000;     // descriptions
inline constexpr size_t MaxNotesLength = 2000;     // rating comments
inline constexpr size_t MaxUrlLength = 1000;       // links
inline constexpr size_t MaxScriptBytes = 8u << 20; // a scenario's text
inline constexpr size_t MaxSystemLines = 8145060;  // C(45,6)

// Who asks: "appid", "appver", "cl_name", "cl_mail", "cl_lcid", the author
// key "cl_key" and, for a change, its request id "req_id".
struct Caller {
    std::string AppId;
    std::string AppVersion;
    std::string Name;
    std::string Mail;
    int64_t Lcid = 0;
    std::string Key;
    std::string RequestId;
};

// How long the answer of a change is kept for its retries.
inline constexpr int64_t RequestMemorySeconds = 7 * 86400;

struct SystemInput {
    int64_t Id = 0; // 0 or less: a new system
    int64_t Numbers = 0;
    int64_t CombLength = 0;
    int64_t Block = 0;
    int64_t CombCount = 0;
    std::string Title;
    std::string Description;
    std::string Combs; // the lines, decoded and unescaped
    std::string Url;
};

struct ScriptInput {
    int64_t Id = -1; // -1 (or less than 1): a new entry
    bool Universal = false;
    bool Public = true;
    std::string Title;
    std::string Description;
    std::string Script;
};

class ExchangeStore {
public:
    // Opens the database, creates the schema on first start and brings the
    // schema of an older file up to date in place.
    explicit ExchangeStore(const std::filesystem::path& database);

    // Contacts are listed to their own authors only.
    std::string ListSystems(const Caller& caller);
    std::string SystemData(int64_t id);
    // del_mode 0 publishes or replaces (the author's own only), 1 deletes (answer 0).
    std::string PutSystem(const Caller& author, const SystemInput& system, bool remove);

    std::string ListScripts(const Caller& caller, int64_t filter);
    // A private entry is served to its author only.
    std::string ScriptData(const Caller& caller, int64_t id);
    std::string PutScript(const Caller& author, const ScriptInput& script, bool remove);
    // Titles are unique among the public entries and the caller's own.
    std::string CheckTitle(const Caller& caller, int64_t id, const std::string& title);
    // One rating per author key and entry; none by the entry's author (who may hide it).
    std::string SetRate(const Caller& caller, int64_t id, int64_t rate, const std::string& notes);
    std::string Rates(const Caller& caller, int64_t id);

private:
    struct Author {
        std::string Contact;   // the normal form
        std::string KeyHash;   // empty without a key
        bool Verified = false; // the key is the one the contact is bound to
    };
    void migrate();
    // Binds the contact to the key the first time both come; a read with
    // another key is served as to a stranger.
    Author identify(const Caller& caller);
    // The same for a change: refused without a key or with another one.
    Author requireAuthor(const Caller& caller);
    // The answer of a change already made under this request id, if any.
    std::optional<std::string> repeated(const Author& author, const std::string& requestId);
    void remember(const Author& author, const std::string& requestId, const std::string& answer);

    std::mutex mutex_;
    Database db_;
};

// Checks shared by the request parsing: UTF-8 text without control
// characters (line breaks and tabs allowed where `multiline`), at most
// `maxChars` characters. Throws RequestRefused naming the field.
void CheckText(std::string_view field, std::string_view value, size_t maxChars, bool multiline);
// The contact address as a key (exchange::ContactKey).
std::string MailKey(std::string_view mail);
// The stored form of an author key: SHA-256, in hexadecimal.
std::string KeyHash(std::string_view key);

} // namespace belvane::service
