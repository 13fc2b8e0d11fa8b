#include "app/proxy_candidates.h"

#include <algorithm>
#include <fmt/format.h>

#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::app {
namespace {

constexpr size_t kMaxHostLength = 253;

bool plainHost(std::string_view host)
{
    if (host.empty() || host.size() > kMaxHostLength)
        return false;
    return std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
    });
}

} // namespace

std::vector<ProxyCandidate> ParseProxyCandidates(std::string_view text)
{
    std::vector<ProxyCandidate> candidates;
    for (std::string_view line : text::splitLines(text)) {
        line = text::trim(line);
        if (line.empty() || line.front() == '#')
            continue;
        const size_t colon = line.rfind(':');
        if (colon == std::string_view::npos)
            continue;
        const std::string_view host = text::trim(line.substr(0, colon));
        const auto port = text::parseInt(text::trim(line.substr(colon + 1)));
        if (!plainHost(host) || !port || *port < 1 || *port > 65535)
            continue;
        ProxyCandidate candidate{std::string(host), *port};
        if (std::find(candidates.begin(), candidates.end(), candidate) != candidates.end())
            continue;
        candidates.push_back(std::move(candidate));
        if (candidates.size() == MaxProxyCandidates)
            break;
    }
    return candidates;
}

ProxyChooser::ProxyChooser(ProxySettings& settings, FetchList fetchList)
    : settings_(settings), fetchList_(std::move(fetchList))
{
}

http::ProxySettings ProxyChooser::forRequest()
{
    switch (static_cast<ProxyMode>(settings_.Mode)) {
    case ProxyMode::Manual:
        return {settings_.Server, settings_.Port, settings_.Username, settings_.Password};
    case ProxyMode::Automatic:
        if (settings_.Server.empty()) {
            if (candidates_.empty()) {
                listFetched_ = true; // also when fetching fails: no endless retry of a list that cannot come
                candidates_ = ParseProxyCandidates(fetchList_());
            }
            if (candidates_.empty())
                throw Error(fmt::format(fmt::runtime(support::Template(ProxyChoiceFailedMessage)),
                                        support::Text(NoProxyFoundMessage)));

            settings_.Server = candidates_.front().Host;
            settings_.Port = candidates_.front().Port;
            settings_.Username.clear();
            settings_.Password.clear();
            settings_.Saved = false;
        }
        return {settings_.Server, settings_.Port, "", ""};
    default:
        return {};
    }
}

bool ProxyChooser::dropFailed()
{
    if (settings_.Mode != static_cast<int>(ProxyMode::Automatic))
        return false;
    if (!settings_.Server.empty()) {
        const ProxyCandidate failed{settings_.Server, settings_.Port};
        std::erase(candidates_, failed);
        settings_.Server.clear();
        settings_.Port = ProxySettings{}.Port;
        settings_.Username.clear();
        settings_.Password.clear();
        settings_.Saved = false;
    }
    return !listFetched_ || !candidates_.empty();
}

} // namespace belvane::app
