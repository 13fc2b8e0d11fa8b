#pragma once

// The online scenario library of the exchange service: the catalogue with
// its ratings, fetching a scenario's text, publishing, replacing and deleting
// one, the title check, and the users' ratings.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_client.h"

namespace belvane::scenario {

inline constexpr std::string_view ScrGetListScript = "scr_getlist.php";
inline constexpr std::string_view ScrGetDataScript = "scr_getdata.php";
inline constexpr std::string_view ScrPutScript = "scr_putscript.php";
inline constexpr std::string_view ScrChkTitleScript = "scr_chktitle.php";
inline constexpr std::string_view ScrSetRateScript = "scr_setrate.php";
inline constexpr std::string_view ScrGetRatesScript = "scr_getrates.php";

// The catalogue filters, by index (the service does the filtering).
inline constexpr int LibraryFilterCount = 8;
inline constexpr int DefaultLibraryFilter = 2;
std::string LibraryFilterCaption(int index);

inline constexpr int HiddenRating = -1;
inline constexpr int MaxRating = 5;

// One catalogue entry.
struct tScriptInfo {
    int32_t Id = 0;
    std::string AuthorName;
    std::string AuthorMail;
    int Lcid = 0;
    std::string AppName;
    std::string AppVersion;
    std::string AppGuid; // the application an entry that is not universal belongs to
    bool Universal = false;
    bool Public = false;
    int64_t Created = 0; // seconds since 1970, UTC; 0 none
    double RatingAvg = 0;
    int32_t RatingCount = 0;
    int YourRating = 0; // 0 none, 1..5, -1 hidden
    int32_t Downloads = 0;
    int64_t LastDownload = 0;
    std::string Title;
    std::string Description;
    bool Own = false;
    bool Usable = false;
    bool Editable = false;
};

// What is published.
struct tScriptData {
    int32_t Id = -1; // -1: a new entry
    std::string AuthorName;
    int Lcid = 0;
    bool Universal = false;
    bool Public = true;
    std::string Title;
    std::string Description;
};

// One user's rating of an entry.
struct ScriptRate {
    std::string Name;
    int Rate = 0;
    int64_t Created = 0;
    std::string AppName;
    std::string AppVersion;
    std::string Notes;
};

// The catalogue under a filter, with the own, usable and editable flags derived for the client's user.
std::vector<tScriptInfo> ListScripts(const exchange::ExchangeClient& client, int filter);
// The scenario text of an entry: the first row whose text is not empty.
std::string FetchScript(const exchange::ExchangeClient& client, int32_t id);
// Publishes (Id -1) or replaces an entry with the scenario text; the entry's
// id. An answer without a positive id throws Error("Код возврата: %d").
int32_t PutScript(const exchange::ExchangeClient& client, const tScriptData& data, std::string_view script);
int32_t DeleteScript(const exchange::ExchangeClient& client, const tScriptInfo& entry);
// Whether no other entry has this title (trimmed).
bool TitleIsFree(const exchange::ExchangeClient& client, int32_t id, std::string_view title);
// Rates an entry -1..5 (0 removes the rating, -1 hides it).
void SetRate(const exchange::ExchangeClient& client, int32_t id, int rate, std::string_view notes);
std::vector<ScriptRate> ListRates(const exchange::ExchangeClient& client, int32_t id);

// The scenario's text as it is published: every line followed by CR LF.
std::string LibraryScriptText(const std::vector<std::string>& lines);
// The lines of a fetched text (CR LF or LF).
std::vector<std::string> LibraryScriptLines(std::string_view text);

// The "Язык" column: the language of a Windows locale identifier, named in
// the interface language.
std::string LanguageName(int lcid);

} // namespace belvane::scenario
