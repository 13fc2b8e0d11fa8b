#include "exchange/author_key.h"

#include <array>
#include <cerrno>
#include <cstdint>
#include <sys/random.h>

#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::exchange {
namespace {

// Code points that print as nothing: one contact must not turn into many by them.
bool invisible(uint32_t cp)
{
    return cp == 0xAD || cp == 0x34F || cp == 0x61C || cp == 0x180E || (cp >= 0x200B && cp <= 0x200F) ||
           (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2060 && cp <= 0x2064) || (cp >= 0x2066 && cp <= 0x206F) ||
           cp == 0xFEFF || (cp >= 0xFE00 && cp <= 0xFE0F);
}

// The length of the UTF-8 sequence at s[i] and its code point; a byte that
// starts no valid sequence is taken as one character of its own.
size_t sequence(std::string_view s, size_t i, uint32_t& cp)
{
    const auto c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 1;
    if (i + n > s.size())
        n = 1;
    cp = n == 1 ? c : c & (0x7F >> n);
    for (size_t k = 1; k < n; ++k) {
        const auto d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) {
            cp = c;
            return 1;
        }
        cp = cp << 6 | (d & 0x3F);
    }
    return n;
}

std::string hexOfRandomBytes(size_t count)
{
    std::array<unsigned char, 64> bytes{};
    if (count > bytes.size())
        count = bytes.size();
    size_t got = 0;
    while (got < count) {
        const ssize_t n = getrandom(bytes.data() + got, count - got, 0);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw Error(support::Text("Системный генератор случайных чисел недоступен"));
        }
        got += static_cast<size_t>(n);
    }
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < count; ++i) {
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 15];
    }
    return out;
}

} // namespace

std::string ContactKey(std::string_view contact)
{
    std::string visible;
    visible.reserve(contact.size());
    for (size_t i = 0; i < contact.size();) {
        uint32_t cp = 0;
        const size_t n = sequence(contact, i, cp);
        if (!invisible(cp))
            visible.append(contact.substr(i, n));
        i += n;
    }
    std::string key(text::trim(visible));
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    const size_t at = key.rfind('@');
    if (at != std::string::npos) {
        const size_t plus = key.find('+');
        if (plus < at && plus > 0)
            key.erase(plus, at - plus);
    }
    return key;
}

std::string NewAuthorKey()
{
    return hexOfRandomBytes(AuthorKeyDigits / 2);
}

bool IsAuthorKey(std::string_view key)
{
    if (key.size() < AuthorKeyDigits || key.size() > 4 * AuthorKeyDigits)
        return false;
    for (const char c : key)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')))
            return false;
    return true;
}

std::string NewRequestId()
{
    return hexOfRandomBytes(16);
}

} // namespace belvane::exchange
