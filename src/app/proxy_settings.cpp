#include "app/proxy_settings.h"

#include "support/ini_document.h"

namespace belvane::app {
namespace {
constexpr std::string_view kProxy = "PROXY";
}

ProxySettings LoadProxySettings(const IniDocument& ini)
{
    ProxySettings p;
    p.Server = ini.readString(kProxy, "ProxyServer");
    p.Port = ini.readInteger(kProxy, "ProxyPort", 80);
    p.Username = ini.readString(kProxy, "ProxyUsername");
    p.Password = ini.readString(kProxy, "ProxyPassword");
    p.Mode =
        ini.valueExists(kProxy, "ProxyMode") ? ini.readInteger(kProxy, "ProxyMode", 0) : (p.Server.empty() ? 0 : 2);
    p.Saved = true;
    return p;
}

void SaveProxySettings(IniDocument& ini, ProxySettings& p)
{
    ini.writeString(kProxy, "ProxyServer", p.Server);
    ini.writeInteger(kProxy, "ProxyPort", p.Port);
    ini.writeString(kProxy, "ProxyUsername", p.Username);
    ini.writeString(kProxy, "ProxyPassword", p.Password);
    ini.writeInteger(kProxy, "ProxyMode", p.Mode);
    p.Saved = true;
}

} // namespace belvane::app
