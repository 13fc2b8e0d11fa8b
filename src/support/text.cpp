#include "support/text.h"

#include <charconv>
#include <cstdlib>
#include <limits>
#include <utility>

namespace belvane::text {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char toUpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string toUpperAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = toUpperAscii(c);
    return out;
}

namespace {

// The folded code point of the character at s[i] and its length in bytes.
// Every letter that folds is one byte (Latin) or two (Cyrillic) and folds to
// a letter of the same length, so texts of different lengths never match. A
// byte that starts no well-formed two-byte sequence stands for itself, kept
// apart from every code point.
std::pair<char32_t, size_t> foldedAt(std::string_view s, size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    if (c < 0x80)
        return {foldCodePoint(c), 1};
    if ((c & 0xE0) == 0xC0 && i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) {
        const char32_t cp = (static_cast<char32_t>(c & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F);
        return {foldCodePoint(cp), 2};
    }
    return {0x80000000u | c, 1};
}

} // namespace

std::string foldCase(std::string_view utf8)
{
    std::string out(utf8);
    for (size_t i = 0; i < out.size();) {
        const auto [cp, length] = foldedAt(out, i);
        if (length == 1 && cp < 0x80) {
            out[i] = static_cast<char>(cp);
        } else if (length == 2) {
            out[i] = static_cast<char>(0xC0 | (cp >> 6));
            out[i + 1] = static_cast<char>(0x80 | (cp & 0x3F));
        }
        i += length;
    }
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size();) {
        const auto x = foldedAt(a, i);
        if (x != foldedAt(b, i))
            return false;
        i += x.second;
    }
    return true;
}

bool startsWithIgnoreCase(std::string_view s, std::string_view prefix)
{
    // Folding keeps every character's length, so the prefix covers as many
    // bytes of s, and must end where a character of s ends.
    if (s.size() < prefix.size())
        return false;
    if (s.size() > prefix.size() && (static_cast<unsigned char>(s[prefix.size()]) & 0xC0) == 0x80)
        return false;
    return equalsIgnoreCase(s.substr(0, prefix.size()), prefix);
}

std::vector<std::string_view> split(std::string_view s, std::string_view delimiters, bool skipEmpty)
{
    std::vector<std::string_view> words;
    size_t start = 0;
    for (size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || delimiters.find(s[i]) != std::string_view::npos) {
            if (!skipEmpty || i > start)
                words.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    return words;
}

std::vector<std::string_view> splitLines(std::string_view s)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n' || s[i] == '\r') {
            lines.push_back(s.substr(start, i - start));
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < s.size())
        lines.push_back(s.substr(start));
    return lines;
}

std::optional<int64_t> parseInt64(std::string_view s)
{
    const bool plus = !s.empty() && s.front() == '+';
    if (plus)
        s.remove_prefix(1);
    if (s.empty() || s.front() == '+' || (plus && s.front() == '-'))
        return std::nullopt;
    int64_t value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc{} || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

std::optional<int32_t> parseInt(std::string_view s)
{
    auto v = parseInt64(s);
    if (!v || *v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(*v);
}

int32_t toIntDef(std::string_view s, int32_t def)
{
    return parseInt(trim(s)).value_or(def);
}

std::optional<double> parseDouble(std::string_view s)
{
    s = trim(s);
    if (s.empty() || s.size() > 64)
        return std::nullopt;
    std::string buf(s);
    for (char& c : buf) {
        if (c == ',')
            c = '.';
        else if (!(c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E' || (c >= '0' && c <= '9')))
            return std::nullopt;
    }
    // strtod would honour the C locale's decimal point; the program only ever
    // runs with the "C" numeric locale, where it is ".".
    char* end = nullptr;
    double value = std::strtod(buf.c_str(), &end);
    if (end != buf.c_str() + buf.size())
        return std::nullopt;
    return value;
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to)
{
    std::string out;
    out.reserve(s.size());
    size_t pos = 0;
    while (!from.empty()) {
        size_t hit = s.find(from, pos);
        if (hit == std::string_view::npos)
            break;
        out.append(s.substr(pos, hit - pos)).append(to);
        pos = hit + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

size_t utf8Length(std::string_view s)
{
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace belvane::text
