#pragma once

// The nine scripts of the exchange service on an HTTP server: each reads its
// form fields, checks them and answers with the store's document, or with an
// "<error>" row when the request is refused.

#include <cstddef>

namespace httplib {
class Server;
}

namespace belvane::service {

class ExchangeStore;

// Largest request body the server reads.
inline constexpr std::size_t MaxRequestBytes = 64u << 20;

void InstallExchangeRoutes(httplib::Server& server, ExchangeStore& store);

} // namespace belvane::service
