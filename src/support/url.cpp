#include "support/url.h"

#include "support/text.h"

namespace belvane::http {

std::string JoinQuery(std::string_view a, std::string_view b)
{
    if (a.empty())
        return std::string(b);
    if (b.empty())
        return std::string(a);
    std::string joined(a);
    joined += '&';
    joined += b;
    return joined;
}

std::string UrlDirectory(std::string_view url)
{
    const size_t slash = url.rfind('/');
    return std::string(slash == std::string_view::npos ? url : url.substr(0, slash + 1));
}

std::string PercentEncode(std::string_view value)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(value.size() * 3);
    for (const char c : value) {
        const auto b = static_cast<unsigned char>(c);
        const bool unreserved = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                                b == '-' || b == '.' || b == '_' || b == '~';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
    return out;
}

bool IsHttpUrl(std::string_view url)
{
    return text::startsWithIgnoreCase(url, "http://") || IsHttpsUrl(url);
}

bool IsHttpsUrl(std::string_view url)
{
    return text::startsWithIgnoreCase(url, "https://");
}

} // namespace belvane::http
