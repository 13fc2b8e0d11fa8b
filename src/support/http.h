#pragma once

// Blocking HTTP requests over libcurl. Every call makes its own client,
// performs one request and tears the client down: no connection reuse, no
// cookies. TLS ("https://" in any case) verifies the peer and its host name
// against the system's CA store, TLS 1.2 or newer; the environment variable
// BELVANE_CA_FILE names a PEM file of further CAs to trust (a private CA, the
// tests' own certificate). Redirects go to http and https only, at most ten,
// and from an https address to https only.
// Answers compressed with gzip or deflate are inflated. Any failure — the
// transport's, a TLS one, an HTTP status of 400 or more, an answer over its
// size cap — throws belvane::Error with the transport's own text.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "support/error.h"
#include "support/translation.h"
#include "support/url.h"

namespace belvane::http {

// The headers every request carries.
inline constexpr std::string_view DefaultAccept = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
// Only what is decoded is advertised (a browser would add "sdch", which nothing decodes any more).
inline constexpr std::string_view AcceptEncoding = "gzip, deflate";
inline constexpr std::string_view UserAgent = "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like "
                                              "Gecko) Chrome/47.0.2526.80 Safari/537.36";

inline constexpr std::string_view CaFileVariable = "BELVANE_CA_FILE";
inline constexpr long MaxRedirects = 10;

// Largest answer kept in memory, and largest file written, unless the caller says otherwise.
inline constexpr uint64_t DefaultMaxStringSize = 32ull << 20;
inline constexpr uint64_t DefaultMaxFileSize = 1ull << 30;

inline constexpr std::string_view CancelledMessage = BELVANE_TEXT("Операция прервана пользователем");

// A proxy is used only when Server is not empty and Port is not 0. Server may
// carry a scheme ("socks5://host"); user name and password go as they are,
// empty meaning none.
struct ProxySettings {
    std::string Server;
    int Port = 0;
    std::string Username;
    std::string Password;
};

bool ProxyInUse(const ProxySettings& proxy);

struct FormField {
    std::string Name;
    std::string Value;
};

struct RequestOptions {
    ProxySettings Proxy; // none by default
    bool FollowRedirects = true;
    std::string Accept = std::string(DefaultAccept);
    std::chrono::milliseconds ConnectTimeout{5000};
    // No byte for this long ends the transfer.
    std::chrono::seconds StallTimeout{10};
    // Fewer than MinSpeed bytes a second on average over SlowWindow ends it
    // too: a server that trickles would otherwise hold it until TotalTimeout.
    long MinSpeed = 100;
    std::chrono::seconds SlowWindow{60};
    // The whole exchange, redirects included.
    std::chrono::seconds TotalTimeout{900};
    // Largest answer after inflating; 0: the call's default.
    uint64_t MaxSize = 0;
    // Polled while the request runs (about once a second and on every block of
    // data); true stops it with TransferCancelled.
    std::function<bool()> Cancelled;
};

// The caller's cancel hook stopped the transfer.
class TransferCancelled : public Error {
public:
    TransferCancelled() : Error(support::Text(CancelledMessage)) {}
};

// The transport failed (no connection, reset, no answer, a time-out): the
// request may or may not have reached the server.
class TransferFailed : public Error {
public:
    TransferFailed(std::string message, bool timedOut) : Error(std::move(message)), timedOut_(timedOut) {}
    bool TimedOut() const { return timedOut_; }

private:
    bool timedOut_;
};

// GET; the body. A redirect not followed returns the redirect's own body.
std::string HttpGetString(std::string_view url, const RequestOptions& options = {});

// POST of the fields as an application/x-www-form-urlencoded body, every name
// and value percent-encoded; the answer's body.
std::string HttpPostForm(std::string_view url, std::span<const FormField> fields, const RequestOptions& options = {});

// GET into a file: the body goes to a temporary file beside it, which
// replaces the file only when the whole answer has arrived. A failure leaves
// the old file as it was.
void HttpGetToFile(std::string_view url, const std::filesystem::path& file, const RequestOptions& options = {});

// The form body HttpPostForm sends: name=value pairs joined by "&".
std::string FormBody(std::span<const FormField> fields);

} // namespace belvane::http
