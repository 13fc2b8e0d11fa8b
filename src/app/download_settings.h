#pragma once

// Where the draws download goes: the lottery operator's site, and the list of
// proxy candidates the automatic proxy mode tries. Both live in the
// configuration file so that a moved site needs no new program.

#include <string>
#include <string_view>

#include "app/proxy_settings.h"

namespace belvane {
class IniDocument;
}

namespace belvane::app {

inline constexpr std::string_view DownloadSection = "DOWNLOAD";
inline constexpr std::string_view SiteUrlKey = "SiteUrl";           // section DOWNLOAD
inline constexpr std::string_view ProxyListUrlKey = "ProxyListUrl"; // section PROXY
inline constexpr std::string_view DefaultSiteUrl = "https://www.lotto.nl";

struct DownloadSettings {
    std::string SiteUrl = std::string(DefaultSiteUrl);
    // A plain-text list of "host:port" lines; empty: the automatic mode has no candidates.
    std::string ProxyListUrl;
};

DownloadSettings LoadDownloadSettings(const IniDocument& ini);

} // namespace belvane::app
