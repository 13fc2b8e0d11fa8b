#include "exchange/base64.h"

#include <array>
#include <cstdint>

#include "support/error.h"
#include "support/translation.h"

namespace belvane::exchange {
namespace {

constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::string_view kInvalid = BELVANE_TEXT("Некорректные данные Base64");

constexpr std::array<int8_t, 256> makeTable()
{
    std::array<int8_t, 256> table{};
    table.fill(-1);
    for (size_t i = 0; i < kAlphabet.size(); ++i)
        table[static_cast<uint8_t>(kAlphabet[i])] = static_cast<int8_t>(i);
    return table;
}
constexpr std::array<int8_t, 256> kTable = makeTable();

} // namespace

std::string EncodeBase64(std::string_view bytes)
{
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const uint32_t v = static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) << 16 |
                           static_cast<uint32_t>(static_cast<uint8_t>(bytes[i + 1])) << 8 |
                           static_cast<uint8_t>(bytes[i + 2]);
        out += kAlphabet[v >> 18];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    const size_t rest = bytes.size() - i;
    if (rest > 0) {
        uint32_t v = static_cast<uint32_t>(static_cast<uint8_t>(bytes[i])) << 16;
        if (rest == 2)
            v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[i + 1])) << 8;
        out += kAlphabet[v >> 18];
        out += kAlphabet[(v >> 12) & 63];
        out += rest == 2 ? kAlphabet[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

std::string DecodeBase64(std::string_view text)
{
    std::string out;
    out.reserve(text.size() / 4 * 3);
    uint32_t group = 0;
    int count = 0;   // characters of the current group
    int padding = 0; // "=" seen; nothing may follow them
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            if (count != 0)
                throw Error(support::Text(kInvalid));
            continue;
        }
        if (padding > 0 && c != '=')
            throw Error(support::Text(kInvalid));
        if (c == '=') {
            // Only the last one or two places of a group, after at least two characters.
            if (count < 2)
                throw Error(support::Text(kInvalid));
            ++padding;
            group <<= 6;
            ++count;
        } else {
            const int8_t v = kTable[static_cast<uint8_t>(c)];
            if (v < 0)
                throw Error(support::Text(kInvalid));
            group = group << 6 | static_cast<uint32_t>(v);
            ++count;
        }
        if (count == 4) {
            out += static_cast<char>(group >> 16);
            if (padding < 2)
                out += static_cast<char>((group >> 8) & 0xFF);
            if (padding < 1)
                out += static_cast<char>(group & 0xFF);
            // The bits a padded group leaves over must be zero (one spelling per text).
            if ((padding == 2 && (group & 0xFFFF) != 0) || (padding == 1 && (group & 0xFF) != 0))
                throw Error(support::Text(kInvalid));
            group = 0;
            count = 0;
            if (padding > 0)
                padding = 3; // the text ends here
        }
    }
    if (count != 0 || (padding > 0 && padding != 3))
        throw Error(support::Text(kInvalid));
    return out;
}

} // namespace belvane::exchange
