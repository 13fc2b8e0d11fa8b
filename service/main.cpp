// belvane-service --db FILE --listen 127.0.0.1:PORT
// The exchange service for a club of users or a test: the systems catalogue
// and the scenario library over one SQLite database. Port 0 takes a free
// port; the address it listens on is printed on the first line of output.

#include <csignal>
#include <cstdio>
#include <fmt/format.h>
#include <httplib.h>
#include <iostream>
#include <pthread.h>
#include <string>
#include <thread>

#include "service/exchange_routes.h"
#include "service/exchange_store.h"
#include "support/text.h"

namespace {

int usage()
{
    std::cerr << "usage: belvane-service --db FILE --listen HOST:PORT\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    std::string db;
    std::string listen;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--db" || arg == "--listen") && i + 1 < argc)
            (arg == "--db" ? db : listen) = argv[++i];
        else if (arg == "--help" || arg == "-h") {
            std::cout << "usage: belvane-service --db FILE --listen HOST:PORT\n";
            return 0;
        } else
            return usage();
    }
    const size_t colon = listen.rfind(':');
    if (db.empty() || colon == std::string::npos)
        return usage();
    const std::string host = listen.substr(0, colon);
    const auto port = belvane::text::parseInt(listen.substr(colon + 1));
    if (host.empty() || !port || *port < 0 || *port > 65535)
        return usage();

    // Ctrl+C and SIGTERM stop the server from a thread of their own.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    try {
        belvane::service::ExchangeStore store(db);
        httplib::Server server;
        belvane::service::InstallExchangeRoutes(server, store);
        const int bound = belvane::service::BindExchangeServer(server, host, *port);
        if (bound < 0) {
            std::cerr << fmt::format("belvane-service: cannot listen on {}\n", listen);
            return 1;
        }
        std::thread stopper([&server, stopSignals] {
            int signal = 0;
            sigwait(&stopSignals, &signal);
            server.stop();
        });
        stopper.detach();
        std::cout << fmt::format("http://{}:{}", host, bound) << std::endl;
        server.listen_after_bind();
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "belvane-service: " << e.what() << '\n';
        return 1;
    }
}
