#pragma once

// The proxy settings of the download (section PROXY of the configuration file).

#include <string>
#include <string_view>

namespace belvane {
class IniDocument;
}

namespace belvane::app {

inline constexpr std::string_view ProxySection = "PROXY";
inline constexpr std::string_view ProxyServerKey = "ProxyServer";
inline constexpr std::string_view ProxyPortKey = "ProxyPort";
inline constexpr std::string_view ProxyUsernameKey = "ProxyUsername";
inline constexpr std::string_view ProxyPasswordKey = "ProxyPassword";
inline constexpr std::string_view ProxyModeKey = "ProxyMode";

enum class ProxyMode { None = 0, Automatic = 1, Manual = 2 };

struct ProxySettings {
    int Mode = 0; // 0 no proxy, 1 automatic search, 2 manual (anything else: no proxy)
    std::string Server;
    int Port = 80;
    std::string Username;
    std::string Password;
    bool Saved = true; // cleared when the settings change without being written
};

// ProxyMode absent: 2 when a server is set, else 0.
ProxySettings LoadProxySettings(const IniDocument& ini);
void SaveProxySettings(IniDocument& ini, ProxySettings& settings);

} // namespace belvane::app
