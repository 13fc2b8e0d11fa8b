#include "exchange_load.h"

#include <algorithm>
#include <atomic>
#include <fmt/format.h>
#include <httplib.h>
#include <mutex>
#include <thread>
#include <vector>

#include "exchange/author_key.h"
#include "exchange/exchange_client.h"
#include "exchange/exchange_text.h"
#include "service/exchange_routes.h"
#include "service/exchange_store.h"
#include "service/sqlite_db.h"
#include "support/http.h"

namespace belvane::tools {
namespace {

using Clock = std::chrono::steady_clock;

enum class Outcome { Answer, Refusal, Reset, Failure };

bool isReset(std::string_view message)
{
    // libcurl's words for a connection that ended without an answer.
    return message.find("reset") != std::string_view::npos || message.find("Recv failure") != std::string_view::npos ||
           message.find("Empty reply") != std::string_view::npos ||
           message.find("Send failure") != std::string_view::npos;
}

struct Tally {
    std::atomic<uint64_t> requests{0}, answers{0}, refusals{0}, resets{0}, failures{0}, publishes{0};
    std::mutex mutex;
    std::vector<double> latencies;
};

class Client {
public:
    Client(std::string url, int index, int publishEvery, Tally& tally)
        : client_(url, identity(index)), index_(index), publishEvery_(publishEvery), tally_(tally)
    {
    }

    void run(Clock::time_point deadline)
    {
        std::vector<double> latencies;
        for (int n = 0; Clock::now() < deadline; ++n) {
            const auto start = Clock::now();
            const Outcome outcome = one(n);
            latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
            ++tally_.requests;
            switch (outcome) {
            case Outcome::Answer:
                ++tally_.answers;
                break;
            case Outcome::Refusal:
                ++tally_.refusals;
                break;
            case Outcome::Reset:
                ++tally_.resets;
                break;
            case Outcome::Failure:
                ++tally_.failures;
                break;
            }
        }
        std::lock_guard lock(tally_.mutex);
        tally_.latencies.insert(tally_.latencies.end(), latencies.begin(), latencies.end());
    }

private:
    static exchange::ExchangeIdentity identity(int index)
    {
        exchange::ExchangeIdentity who;
        who.UserName = fmt::format("Load {}", index);
        who.UserMail = fmt::format("load{}@load.test", index);
        who.AuthorKey = exchange::NewAuthorKey();
        return who;
    }

    Outcome one(int n)
    {
        try {
            if (publishEvery_ > 0 && n % publishEvery_ == publishEvery_ - 1) {
                const std::string title = fmt::format("load {} {}", index_, n);
                const auto rows = client_.PostChange("scr_putscript.php",
                                                     {{"del_mode", "0"},
                                                      {"scr_id", "-1"},
                                                      {"scr_uniapps", "1"},
                                                      {"scr_publics", "1"},
                                                      {"scr_title", exchange::EscapeText(title)},
                                                      {"scr_descr", "load"},
                                                      {"scr_script", exchange::EscapeText("FULL:0#|||||||\r\n")}});
                if (!rows.empty() && rows[0].Integer("id_scripts") > 0)
                    ++tally_.publishes;
            } else if (n % 3 == 0) {
                client_.PostAsUser("sys_getlist.php", {{"comblen", "6"}, {"maxnums", "45"}});
            } else if (n % 3 == 1) {
                client_.PostAsUser("scr_getlist.php", {{"fltid", "3"}});
            } else {
                client_.PostAsUser("scr_getdata.php", {{"scr_id", "1"}});
            }
            return Outcome::Answer;
        } catch (const http::TransferFailed& e) {
            return isReset(e.what()) ? Outcome::Reset : Outcome::Failure;
        } catch (const std::exception&) {
            return Outcome::Refusal;
        }
    }

    exchange::ExchangeClient client_;
    int index_;
    int publishEvery_;
    Tally& tally_;
};

double percentile(std::vector<double>& values, double p)
{
    if (values.empty())
        return 0;
    const size_t at = std::min(values.size() - 1, static_cast<size_t>(p * static_cast<double>(values.size())));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(at), values.end());
    return values[at];
}

} // namespace

LoadFigures RunExchangeLoad(const LoadOptions& options)
{
    service::ExchangeStore store(options.Database);
    {
        // One entry for the downloads.
        const service::Caller seed{.AppId = "load",
                                   .AppVersion = "1",
                                   .Name = "Seed",
                                   .Mail = "seed@load.test",
                                   .Lcid = 1049,
                                   .Key = exchange::NewAuthorKey(),
                                   .RequestId = {}};
        store.PutScript(seed,
                        {.Id = -1,
                         .Universal = true,
                         .Public = true,
                         .Title = "seed",
                         .Description = "d",
                         .Script = "FULL:0#|||||||\r\n"},
                        false);
    }
    httplib::Server server;
    service::InstallExchangeRoutes(server, store);
    const int port = service::BindExchangeServer(server, "127.0.0.1", 0);
    if (port <= 0)
        throw std::runtime_error("the service found no port on 127.0.0.1");
    std::thread serving([&server] { server.listen_after_bind(); });
    while (!server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));

    const std::string url = fmt::format("http://127.0.0.1:{}", port);
    Tally tally;
    std::vector<std::unique_ptr<Client>> clients;
    for (int i = 0; i < options.Clients; ++i)
        clients.push_back(std::make_unique<Client>(url, i, options.PublishEvery, tally));
    const auto start = Clock::now();
    const auto deadline = start + options.Duration;
    std::vector<std::thread> threads;
    threads.reserve(clients.size());
    for (auto& client : clients)
        threads.emplace_back([&client, deadline] { client->run(deadline); });
    for (std::thread& t : threads)
        t.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    server.stop();
    serving.join();

    LoadFigures f;
    f.Requests = tally.requests;
    f.Answers = tally.answers;
    f.Refusals = tally.refusals;
    f.Resets = tally.resets;
    f.Failures = tally.failures;
    f.Publishes = tally.publishes;
    f.Seconds = seconds;
    f.MedianMs = percentile(tally.latencies, 0.5);
    f.P99Ms = percentile(tally.latencies, 0.99);
    f.MaxMs = tally.latencies.empty() ? 0 : *std::max_element(tally.latencies.begin(), tally.latencies.end());
    service::Database db(options.Database);
    service::Statement count(db, "SELECT COUNT(*) FROM scripts WHERE title LIKE 'load %'");
    f.Stored = count.Step() ? static_cast<uint64_t>(count.Integer(0)) : 0;
    return f;
}

std::string LoadReport(const LoadOptions& options, const LoadFigures& f)
{
    return fmt::format("clients    {}\nseconds    {:.1f}\nrequests   {}\nanswers    {}\nrefusals   {}\nresets     {}\n"
                       "failures   {}\npublishes  {} answered, {} stored\nrate       {:.0f} requests/s\n"
                       "latency    median {:.1f} ms, 99% {:.1f} ms, max {:.1f} ms\n",
                       options.Clients, f.Seconds, f.Requests, f.Answers, f.Refusals, f.Resets, f.Failures, f.Publishes,
                       f.Stored, f.Seconds > 0 ? static_cast<double>(f.Requests) / f.Seconds : 0.0, f.MedianMs, f.P99Ms,
                       f.MaxMs);
}

} // namespace belvane::tools
