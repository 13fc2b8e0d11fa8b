#include "helpers/exchange_service.h"

#include <chrono>
#include <httplib.h>
#include <stdexcept>

#include "service/exchange_routes.h"
#include "service/exchange_store.h"

namespace belvane::testing {

ExchangeService::ExchangeService() : database_(folder_ / "exchange.sqlite")
{
    store_ = std::make_unique<service::ExchangeStore>(database_);
    server_ = std::make_unique<httplib::Server>();
    server_->set_keep_alive_timeout(1);
    service::InstallExchangeRoutes(*server_, *store_);
    port_ = server_->bind_to_any_port("127.0.0.1");
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
