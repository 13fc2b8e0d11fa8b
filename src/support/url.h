#pragma once

// Small pieces of web addresses: query fragments, the folder of an address,
// percent-encoding and the scheme test every request makes.

#include <string>
#include <string_view>

namespace belvane::http {

// a & b joined by "&"; either alone when the other is empty.
std::string JoinQuery(std::string_view a, std::string_view b);

// The address up to and including its last "/" (the whole text when it has none).
std::string UrlDirectory(std::string_view url);

// Every byte except the unreserved ones (letters, digits, "-", ".", "_", "~")
// written as %XX: safe inside a query or a form body whatever the value holds.
std::string PercentEncode(std::string_view value);

// The address starts with "http://" or "https://" (any case).
bool IsHttpUrl(std::string_view url);
// The address starts with "https://" (any case): it is fetched over TLS.
bool IsHttpsUrl(std::string_view url);

} // namespace belvane::http
