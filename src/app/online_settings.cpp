#include "app/online_settings.h"

#include "support/ini_document.h"
#include "support/text.h"

namespace belvane::app {

OnlineSettings LoadOnlineSettings(const IniDocument& ini)
{
    const auto read = [&ini](std::string_view key) {
        const std::string value = ini.readString(OnlineSection, key);
        return std::string(text::trim(value));
    };
    OnlineSettings s;
    s.ServiceUrl = read(ServiceUrlKey);
    s.UserName = read(UserNameKey);
    s.UserMail = read(UserMailKey);
    s.AuthorKey = read(AuthorKeyKey);
    return s;
}

} // namespace belvane::app
