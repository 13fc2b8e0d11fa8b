#pragma once

// The automatic proxy mode: candidates from a list of "host:port" lines, and
// the choice of the proxy for each request of one download.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/proxy_settings.h"
#include "support/http.h"
#include "support/translation.h"

namespace belvane::app {

inline constexpr std::string_view ProxySearchFailedMessage =
    BELVANE_TEXT("Ошибка получения списка proxy-серверов!\r\r{}");
inline constexpr std::string_view ProxyChoiceFailedMessage =
    BELVANE_TEXT("Ошибка автоматического выбора proxy сервера!\r\r{}");
inline constexpr std::string_view NoProxyFoundMessage =
    BELVANE_TEXT("Не найдено ни одного proxy-сервера с заданными параметрами");
inline constexpr std::string_view ProxyListUrlMissingMessage =
    BELVANE_TEXT("Не задан адрес списка proxy-серверов (ключ ProxyListUrl раздела PROXY)");

// At most this many candidates are kept from one list.
inline constexpr size_t MaxProxyCandidates = 30;

struct ProxyCandidate {
    std::string Host;
    int Port = 0;

    friend bool operator==(const ProxyCandidate&, const ProxyCandidate&) = default;
};

// One "host:port" per line; blank lines and lines starting with "#" are
// skipped, and so are lines whose host is not a plain name or IPv4 address or
// whose port is outside 1..65535. Duplicates count once.
std::vector<ProxyCandidate> ParseProxyCandidates(std::string_view text);

// Chooses the proxy of each request of one download from the settings:
// manual mode uses the stored server; automatic mode the server it chose
// before (remembered in the settings, which are then marked unsaved), else the
// first candidate, fetching the list when there is none; any other mode none.
class ProxyChooser {
public:
    // Returns the candidate list's text or throws Error with the message to show.
    using FetchList = std::function<std::string()>;

    ProxyChooser(ProxySettings& settings, FetchList fetchList);

    // The proxy of the next request (Server empty: none). Throws Error when
    // the automatic mode has no candidate.
    http::ProxySettings forRequest();

    // After a failed attempt: the automatic mode forgets the proxy that
    // failed, in the settings and in the list. True when another candidate
    // can be tried at once (the list is still to come, or not used up).
    bool dropFailed();

private:
    ProxySettings& settings_;
    FetchList fetchList_;
    std::vector<ProxyCandidate> candidates_;
    bool listFetched_ = false;
};

} // namespace belvane::app
