#pragma once

// The text forms of the exchange service: the backslash escaping of form
// values, and its date-times ("2024-01-31 23:59:59", universal time).

#include <cstdint>
#include <string>
#include <string_view>

namespace belvane::exchange {

// Bytes 0..6 become "\0".."\6", 7..13 "\a" "\b" "\t" "\n" "\v" "\f" "\r",
// 27 "\e"; double quote, apostrophe, "?" and backslash get a backslash in front.
std::string EscapeText(std::string_view text);
// The inverse. Throws Error for a backslash that starts no escape.
std::string UnescapeText(std::string_view text);

// Seconds since 1970 (UTC) of "yyyy-mm-dd hh:mm:ss"; 0 for anything else
// (a wrong layout, an impossible date or time, a year outside 1970..9999).
int64_t ParseExchangeDateTime(std::string_view text);
// "yyyy-mm-dd hh:mm:ss" in universal time.
std::string ExchangeDateTimeText(int64_t utcSeconds);
// "yyyy-mm-dd hh:mm:ss" in local time; empty for 0.
std::string LocalDateTimeText(int64_t utcSeconds);

} // namespace belvane::exchange
