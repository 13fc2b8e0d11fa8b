#pragma once

// A bounded load on the exchange service: N clients, each in its own thread,
// send requests through the program's own exchange client for T seconds
// against a service started in this process on 127.0.0.1 with a fresh
// database, and every outcome is counted. A client's requests are a mix of
// what users do: the catalogues, a download, and publishing a scenario.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

namespace belvane::tools {

struct LoadOptions {
    int Clients = 200;
    std::chrono::seconds Duration{30};
    // Every this many requests of a client is a publish.
    int PublishEvery = 10;
    std::filesystem::path Database; // the service's database file (a new one)
};

struct LoadFigures {
    uint64_t Requests = 0;  // sent
    uint64_t Answers = 0;   // answered with a document
    uint64_t Refusals = 0;  // answered with an error row or an HTTP status
    uint64_t Resets = 0;    // the connection was reset or closed without an answer
    uint64_t Failures = 0;  // any other transport failure (no connection, a time-out)
    uint64_t Publishes = 0; // publishes answered with an id
    uint64_t Stored = 0;    // load entries in the database at the end
    double Seconds = 0;
    double MedianMs = 0;
    double P99Ms = 0;
    double MaxMs = 0;
};

// Runs the load and stops by itself after the duration (requests under way are waited for).
LoadFigures RunExchangeLoad(const LoadOptions& options);

// One line per figure, for the terminal and for notes.
std::string LoadReport(const LoadOptions& options, const LoadFigures& figures);

} // namespace belvane::tools
