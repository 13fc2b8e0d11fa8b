#include "helpers/exchange_service.h"

#include <chrono>
#include <fmt/format.h>
#include <httplib.h>
#include <stdexcept>

#include "exchange/author_key.h"
#include "service/exchange_routes.h"
#include "service/exchange_store.h"

namespace belvane::testing {

std::string TestAuthorKey(std::string_view contact)
{
    std::string key;
    for (uint64_t seed : {0xcbf29ce484222325ull, 0x84222325cbf29ce4ull}) {
        uint64_t h = seed;
        for (const char c : exchange::ContactKey(contact))
            h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3ull;
        key += fmt::format("{:016x}", h);
    }
    return key;
}

ExchangeService::ExchangeService() : database_(folder_ / "exchange.sqlite")
{
    store_ = std::make_unique<service::ExchangeStore>(database_);
    server_ = std::make_unique<httplib::Server>();
    service::InstallExchangeRoutes(*server_, *store_);
    server_->set_keep_alive_timeout(1);
    port_ = service::BindExchangeServer(*server_, "127.0.0.1", 0);
    if (port_ <= 0)
        throw std::runtime_error("exchange service: no port");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!server_->is_running()) {
        if (std::chrono::steady_clock::now() > deadline) {
            thread_.detach();
            throw std::runtime_error("exchange service: does not start");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

ExchangeService::~ExchangeService()
{
    server_->stop();
    if (thread_.joinable())
        thread_.join();
}

std::string ExchangeService::url() const
{
    return "http://127.0.0.1:" + std::to_string(port_);
}

} // namespace belvane::testing
