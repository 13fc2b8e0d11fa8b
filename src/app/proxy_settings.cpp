#include "app/proxy_settings.h"

#include "support/ini_document.h"
#include "support/translation.h"

namespace belvane::app {

ProxySettings LoadProxySettings(const IniDocument& ini)
{
    ProxySettings p;
    p.Server = ini.readString(ProxySection, ProxyServerKey);
    p.Port = ini.readInteger(ProxySection, ProxyPortKey, DefaultProxyPort);
    p.Username = ini.readString(ProxySection, ProxyUsernameKey);
    p.Password = ini.readString(ProxySection, ProxyPasswordKey);
    p.Mode = ini.valueExists(ProxySection, ProxyModeKey) ? ini.readInteger(ProxySection, ProxyModeKey, 0)
                                                         : (p.Server.empty() ? 0 : 2);
    p.Saved = true;
    return p;
}

ProxySettings EditedProxy(int mode, std::string server, int port, std::string username, std::string password)
{
    ProxySettings p;
    p.Mode = mode;
    p.Saved = false;
    if (mode == static_cast<int>(ProxyMode::Automatic))
        return p; // server and credentials empty, the default port
    p.Server = std::move(server);
    p.Port = port >= 1 && port <= 65535 ? port : DefaultProxyPort;
    p.Username = std::move(username);
    p.Password = std::move(password);
    return p;
}

bool ProxyServerMissing(const ProxySettings& p)
{
    return p.Mode == static_cast<int>(ProxyMode::Manual) && p.Server.find_first_not_of(" \t") == std::string::npos;
}

std::string ProxyModeName(int mode)
{
    switch (static_cast<ProxyMode>(mode)) {
    case ProxyMode::Automatic:
        return support::Text(ProxyAutomaticCaption);
    case ProxyMode::Manual:
        return support::Text(ProxyManualCaption);
    default:
        return support::Text(ProxyNoneCaption);
    }
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
