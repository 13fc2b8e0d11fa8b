#pragma once

// The lottery operator's results site: the page whose download form carries a
// request-verification token, the CSV request made with it, and the CSV of
// draws it answers (newest draw first).

#include <optional>
#include <string>
#include <string_view>

#include "model/draws.h"
#include "support/translation.h"

namespace belvane::app {

inline constexpr std::string_view ResultsPagePath = "/onze-spelen/lotto/uitslagen-trekking/";
inline constexpr std::string_view CsvDownloadPath = "/DrawResults/DownloadBrandResultsCsv";
inline constexpr std::string_view FormEndMarker = "</form>";
inline constexpr std::string_view TokenFieldName = "__RequestVerificationToken";
inline constexpr std::string_view OperatorCsvHeader =
    "Datum;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5;Nummer 6;Bonus";

// {0} the text searched (cut short), {1} and {2} the two markers.
inline constexpr std::string_view MarkerPairMessage =
    BELVANE_TEXT("Не удалось найти пару идентификаторов \"{1}\" - \"{2}\" в тексте\r\r[{0}]!");
inline constexpr std::string_view FormMissingMessage =
    BELVANE_TEXT("На странице результатов тиражей нет формы загрузки \"/DrawResults/DownloadBrandResultsCsv\"!");
inline constexpr std::string_view TokenFieldMissingMessage =
    BELVANE_TEXT("В форме загрузки тиражей нет поля \"__RequestVerificationToken\"!");
inline constexpr std::string_view TokenValueMissingMessage =
    BELVANE_TEXT("У поля \"__RequestVerificationToken\" формы загрузки тиражей нет значения!");
inline constexpr std::string_view CsvHeaderMissingMessage =
    BELVANE_TEXT("В ответе сайта нет заголовка списка тиражей "
                 "\"Datum;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5;Nummer 6;Bonus\"!");

// The longest token accepted; a real one is a few hundred characters.
inline constexpr size_t MaxTokenLength = 4096;

// The text after `start` up to the next `end` (both found without regard to
// case), trimmed, enclosing double quotes removed (doubled inner ones become
// single). nullopt when `start` is missing; Error(MarkerPairMessage) when
// `end` is missing after it.
std::optional<std::string> TextBetween(std::string_view text, std::string_view start, std::string_view end);

// The token of the CSV download form. A page without the form, the field or
// its value throws Error naming what is missing.
std::string ExtractRequestToken(std::string_view page);

// The site address without a trailing "/", followed by the path.
std::string ResultsPageUrl(std::string_view siteUrl);
// The CSV of the draws from the month of fromDate to the month of toDate
// (yyyymmdd); the token percent-encoded.
std::string DrawsCsvUrl(std::string_view siteUrl, std::string_view token, int fromDate, int toDate);

struct OperatorCsvDraws {
    model::TDrawsArray Draws; // the new draws, oldest first, numbered on from the archive's newest
    int Rejected = 0;         // lines that are no draw: field count, unreadable date, bad numbers, a repeated date
    int Older = 0;            // draws the archive already has (not later than its newest)
};

// Reads the operator's CSV. Lines are taken from the last to the first; a
// line of eight fields whose date is later than lastDate (yyyymmdd, 0 for an
// empty archive) and whose numbers are six distinct values 1..45 and an extra
// 1..45 becomes a draw. The draws are numbered lastNumber + 1, + 2, … in date
// order. A text without the header line throws Error(CsvHeaderMissingMessage).
OperatorCsvDraws ParseOperatorCsv(std::string_view text, int lastNumber, int lastDate);

} // namespace belvane::app
