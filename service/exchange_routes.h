#pragma once

// The nine scripts of the exchange service on an HTTP server: each reads its
// form fields, checks them and answers with the store's document, or with an
// "<error>" row when the request is refused. The server's limits and its
// threads are set here too, for the service and for the tests alike.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "service/exchange_store.h"

namespace httplib {
class Server;
}

namespace belvane::service {

// What one form field may hold once percent-decoded: the largest value the
// store keeps, in the form the client sends it.
// A system: C(45,6) lines of "NN NN NN NN NN NN" and an escaped CR LF, in Base64.
inline constexpr size_t MaxClistFieldBytes = (MaxSystemLines * 21 + 2) / 3 * 4;
// A scenario: every byte escaped at worst.
inline constexpr size_t MaxScriptFieldBytes = 2 * MaxScriptBytes;
// Descriptions and comments: four bytes a character, escaped at worst.
inline constexpr size_t MaxDescrFieldBytes = 8 * MaxDescrLength;
// Every other field (names, contacts, titles, links, numbers).
inline constexpr size_t MaxFieldBytes = 8 * 1024;
inline constexpr size_t MaxFormFields = 32;
// Largest request body the server reads: the largest system and room for the other fields.
inline constexpr size_t MaxRequestBytes = MaxClistFieldBytes + (1u << 20);
// Requests served at once; further connections wait in the listen queue.
inline constexpr size_t ServiceThreads = 64;
inline constexpr int ListenBacklog = 4096;

// The fields of an application/x-www-form-urlencoded body ("+" is a blank).
// Throws RequestRefused for a malformed body, a field over its limit or too many fields.
std::vector<std::pair<std::string, std::string>> ParseFormBody(std::string_view body);
// The limit of a field by its name.
size_t FieldLimit(std::string_view name);

// Threads, time-outs, keep-alive and the body limit of the exchange server.
void ConfigureExchangeServer(httplib::Server& server);
void InstallExchangeRoutes(httplib::Server& server, ExchangeStore& store);
// Binds host:port (0: a free port) with a listen queue long enough for a
// crowd of clients; the port, or -1.
int BindExchangeServer(httplib::Server& server, const std::string& host, int port);

} // namespace belvane::service
