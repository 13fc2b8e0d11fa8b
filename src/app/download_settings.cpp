#include "app/download_settings.h"

#include "support/ini_document.h"
#include "support/text.h"

namespace belvane::app {

DownloadSettings LoadDownloadSettings(const IniDocument& ini)
{
    DownloadSettings settings;
    const std::string site = ini.readString(DownloadSection, SiteUrlKey);
    if (!text::trim(site).empty())
        settings.SiteUrl = std::string(text::trim(site));
    const std::string list = ini.readString(ProxySection, ProxyListUrlKey);
    settings.ProxyListUrl = std::string(text::trim(list));
    return settings;
}

} // namespace belvane::app
