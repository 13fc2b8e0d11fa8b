#pragma once

// The storage and rules of the exchange service: the systems catalogue and
// the scenario library in one SQLite database, authors identified by their
// contact address, one rating per author and scenario, hidden entries, the
// catalogue filters. Every operation returns the answer document; a refused
// request throws RequestRefused, whose text goes back as an "<error>" row.

#include <cstdint>
#include <filesystem>
#include <mutex>
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

// Who asks: "appid", "appver", "cl_name", "cl_mail", "cl_lcid".
struct Caller {
    std::string AppId;
    std::string AppVersion;
    std::string Name;
    std::string Mail;
    int64_t Lcid = 0;
};

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
    // Opens the database and creates the schema on first start.
    explicit ExchangeStore(const std::filesystem::path& database);

    std::string ListSystems(const Caller& caller);
    std::string SystemData(int64_t id);
    // del_mode 0 publishes or replaces (the author's own only), 1 deletes (answer 0).
    std::string PutSystem(const Caller& author, const SystemInput& system, bool remove);

    std::string ListScripts(const Caller& caller, int64_t filter);
    std::string ScriptData(int64_t id);
    std::string PutScript(const Caller& author, const ScriptInput& script, bool remove);
    std::string CheckTitle(int64_t id, const std::string& title);
    std::string SetRate(const Caller& caller, int64_t id, int64_t rate, const std::string& notes);
    std::string Rates(int64_t id);

private:
    std::mutex mutex_;
    Database db_;
};

// Checks shared by the request parsing: UTF-8 text without control
// characters (line breaks and tabs allowed where `multiline`), at most
// `maxChars` characters. Throws RequestRefused naming the field.
void CheckText(std::string_view field, std::string_view value, size_t maxChars, bool multiline);
// The contact address as a key: trimmed, ASCII letters in lower case.
std::string MailKey(std::string_view mail);

} // namespace belvane::service
