// belvane-exchange-load [--clients N] [--seconds T] [--publish-every K]
// Starts the exchange service on 127.0.0.1 with a database in a temporary
// folder, runs N clients against it for T seconds and prints what they got.
// Both numbers are bounded (N <= 1000, T <= 600): the tool always stops by itself.

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <unistd.h>

#include "exchange_load.h"
#include "support/text.h"

int main(int argc, char** argv)
{
    belvane::tools::LoadOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const int value = i + 1 < argc ? belvane::text::parseInt(argv[i + 1]).value_or(-1) : -1;
        if (arg == "--clients" && value >= 1 && value <= 1000)
            options.Clients = value;
        else if (arg == "--seconds" && value >= 1 && value <= 600)
            options.Duration = std::chrono::seconds(value);
        else if (arg == "--publish-every" && value >= 0)
            options.PublishEvery = value;
        else {
            std::cerr << "usage: belvane-exchange-load [--clients 1..1000] [--seconds 1..600] [--publish-every K]\n";
            return 2;
        }
        ++i;
    }
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("belvane-load-" + std::to_string(getpid()));
    fs::create_directories(folder);
    options.Database = folder / "exchange.sqlite";
    int rc = 0;
    try {
        const auto figures = belvane::tools::RunExchangeLoad(options);
        std::cout << belvane::tools::LoadReport(options, figures);
        rc = figures.Resets == 0 && figures.Failures == 0 && figures.Publishes == figures.Stored ? 0 : 1;
    } catch (const std::exception& e) {
        std::cerr << "belvane-exchange-load: " << e.what() << '\n';
        rc = 1;
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
    return rc;
}
