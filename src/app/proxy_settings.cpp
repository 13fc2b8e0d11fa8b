#include "app/proxy_settings.h"

#include "support/ini_document.h"

namespace belvane::app {

ProxySettings LoadProxySettings(const IniDocument& ini)
{
    ProxySettings p;
    p.Server = ini.readString(ProxySection, ProxyServerKey);
    p.Port = ini.readInteger(ProxySection, ProxyPortKey, 80);
    p.Username = ini.readString(ProxySection, ProxyUsernameKey);
    p.Password = ini.readString(ProxySection, ProxyPasswordKey);
    p.Mode = ini.valueExists(ProxySection, ProxyModeKey) ? ini.readInteger(ProxySection, ProxyModeKey, 0)
                                                         : (p.Server.empty() ? 0 : 2);
    p.Saved = true;
    return p;
}

void SaveProxySettings(IniDocument& ini, ProxySettings& p)
{
    ini.writeString(ProxySection, ProxyServerKey, p.Server);
    ini.writeInteger(ProxySection, ProxyPortKey, p.Port);
    ini.writeString(ProxySection, ProxyUsernameKey, p.Username);
    ini.writeString(ProxySection, ProxyPasswordKey, p.Password);
    ini.writeInteger(ProxySection, ProxyModeKey, p.Mode);
    p.Saved = true;
}

} // namespace belvane::app
