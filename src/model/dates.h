#pragma once

// Calendar dates as the program writes and compares them: the text
// "dd/mm/yyyy" and the integer yyyymmdd.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace belvane::model {

using Date = std::chrono::year_month_day;

// "dd/mm/yyyy", whatever the locale.
std::string DateToText(const Date& date);
// The empty text when there is no date.
std::string DateToText(const std::optional<Date>& date);

// Parses "dd/mm/yyyy" by position: day from characters 1-2, month from 4-5,
// year from 7-10 of the trimmed text. An empty text is "no date" (nullopt); a
// text that does not fit the template, or names no real day, throws Error.
std::optional<Date> TextToDate(std::string_view text);

// The strict form a stored draw date takes: exactly "dd/mm/yyyy" in ASCII
// digits, naming a real day. nullopt for anything else (a text the
// positional parse above would let through with other separators, extra
// characters or letters outside ASCII included).
std::optional<Date> ParseDrawDate(std::string_view text);

// year*10000 + month*100 + day, and back (nullopt for a value that is no date).
int DateToInt(const Date& date);
std::optional<Date> IntToDate(int value);

// The date text as yyyymmdd; 0 when it is empty or not a date.
int DateTextToInt(std::string_view text);

Date AddDays(const Date& date, int days);

// Today by the local clock.
Date Today();

} // namespace belvane::model
