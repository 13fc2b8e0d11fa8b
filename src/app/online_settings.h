#pragma once

// Where the exchange service is and who the user is to it: section ONLINE of
// the configuration file. Without an address nothing is sent anywhere.

#include <string>
#include <string_view>

namespace belvane {
class IniDocument;
}

namespace belvane::app {

inline constexpr std::string_view OnlineSection = "ONLINE";
inline constexpr std::string_view ServiceUrlKey = "ServiceUrl";
inline constexpr std::string_view UserNameKey = "UserName";
inline constexpr std::string_view UserMailKey = "UserMail";
// The author's secret: made once, sent only to the service, never listed.
inline constexpr std::string_view AuthorKeyKey = "AuthorKey";

struct OnlineSettings {
    std::string ServiceUrl; // empty: no service
    std::string UserName;
    std::string UserMail;  // the contact that identifies the user's own entries
    std::string AuthorKey; // empty until the first exchange makes one
};

OnlineSettings LoadOnlineSettings(const IniDocument& ini);

} // namespace belvane::app
