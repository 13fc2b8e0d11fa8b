#pragma once

// The exchange service for the tests, in this process: a fresh database in a
// temporary folder, served on 127.0.0.1 at a port the system picks.

#include <memory>
#include <string>
#include <string_view>
#include <thread>

#include "helpers/temp_dir.h"

namespace httplib {
class Server;
}

namespace belvane::service {
class ExchangeStore;
}

namespace belvane::testing {

// A fixed author key for a contact: every client of one contact in a test
// is the same author, and another contact is another author.
std::string TestAuthorKey(std::string_view contact);

class ExchangeService {
public:
    ExchangeService();
    ExchangeService(const ExchangeService&) = delete;
    ExchangeService& operator=(const ExchangeService&) = delete;
    ~ExchangeService();

    // "http://127.0.0.1:PORT".
    std::string url() const;
    const std::filesystem::path& database() const { return database_; }
    service::ExchangeStore& store() { return *store_; }

private:
    TempDir folder_;
    std::filesystem::path database_;
    std::unique_ptr<service::ExchangeStore> store_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;
};

} // namespace belvane::testing
