#pragma once

// The proxy settings of the download (section PROXY of the configuration file).

#include <string>
#include <string_view>

#include "support/translation.h"

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

inline constexpr int DefaultProxyPort = 80;

inline constexpr std::string_view ProxyNoneCaption = BELVANE_TEXT("Не использовать proxy-сервер");
inline constexpr std::string_view ProxyAutomaticCaption =
    BELVANE_TEXT("Автоматический поиск сервера (возможны задержки)");
inline constexpr std::string_view ProxyManualCaption = BELVANE_TEXT("Ручной выбор proxy-сервера:");

enum class ProxyMode { None = 0, Automatic = 1, Manual = 2 };

struct ProxySettings {
    int Mode = 0; // 0 no proxy, 1 automatic search, 2 manual (anything else: no proxy)
    std::string Server;
    int Port = DefaultProxyPort;
    std::string Username;
    std::string Password;
    bool Saved = true; // cleared when the settings change without being written
};

// The proxy dialog's (and `proxy set`'s) OK: the mode and the four fields as
// entered, marked unsaved; the automatic mode keeps no server, port, user
// name or password of its own (it finds them), a port outside 1..65535 is 80.
ProxySettings EditedProxy(int mode, std::string server, int port, std::string username, std::string password);

// The manual mode needs a server to go through; otherwise every download would
// fail later with a connection error that does not say why.
inline constexpr std::string_view ProxyServerMissingMessage = BELVANE_TEXT("Не указано имя или адрес proxy-сервера.");
bool ProxyServerMissing(const ProxySettings& p);

// "Не использовать proxy-сервер", "Автоматический поиск...", "Ручной выбор...":
// the mode's name; an unknown mode is shown as no proxy.
std::string ProxyModeName(int mode);

// ProxyMode absent: 2 when a server is set, else 0.
ProxySettings LoadProxySettings(const IniDocument& ini);
void SaveProxySettings(IniDocument& ini, ProxySettings& settings);

} // namespace belvane::app
