#pragma once

// Small text helpers shared by every layer: trimming, case folding,
// splitting and the integer and decimal conversions the program's texts use.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace belvane::text {

bool isBlank(char c);
std::string_view trim(std::string_view s);
// The result would point into a string that is gone at the end of the statement.
std::string_view trim(std::string&& s) = delete;
inline std::string_view trim(const char* s)
{
    return trim(std::string_view(s));
}

char toUpperAscii(char c);
std::string toUpperAscii(std::string_view s);
// The value of a hexadecimal digit (either case); -1 for any other character.
int hexDigitValue(char c);

// The small letter of a Latin or Cyrillic capital (А..Я, Ё, Ђ..Џ, Ґ), as the
// program folds case everywhere it compares keys and captions; any other code
// point as it is. The Windows-1251 fold is built from the same rule.
constexpr char32_t foldCodePoint(char32_t cp)
{
    if (cp >= U'A' && cp <= U'Z')
        return cp + 0x20;
    if (cp >= 0x0410 && cp <= 0x042F)
        return cp + 0x20;
    if (cp >= 0x0400 && cp <= 0x040F)
        return cp + 0x50;
    if (cp == 0x0490)
        return 0x0491;
    return cp;
}
// A UTF-8 text with every letter folded by foldCodePoint; malformed bytes stay as they are.
std::string foldCase(std::string_view utf8);
// UTF-8 texts equal after folding their case.
bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view s, std::string_view prefix);

// Splits at any of the delimiter characters. With skipEmpty, runs of delimiters
// separate two words and leading or trailing delimiters give no empty words.
std::vector<std::string_view> split(std::string_view s, std::string_view delimiters, bool skipEmpty);
// The pieces would point into a string that is gone at the end of the statement.
std::vector<std::string_view> split(std::string&& s, std::string_view delimiters, bool skipEmpty) = delete;
inline std::vector<std::string_view> split(const char* s, std::string_view delimiters, bool skipEmpty)
{
    return split(std::string_view(s), delimiters, skipEmpty);
}

// Splits a text into lines at CR LF, LF or a lone CR.
std::vector<std::string_view> splitLines(std::string_view s);
std::vector<std::string_view> splitLines(std::string&& s) = delete;
inline std::vector<std::string_view> splitLines(const char* s)
{
    return splitLines(std::string_view(s));
}

// A decimal integer: optional sign, then digits, nothing else, within 32 bits.
std::optional<int32_t> parseInt(std::string_view s);
std::optional<int64_t> parseInt64(std::string_view s);
// parseInt of the trimmed text, or the default.
int32_t toIntDef(std::string_view s, int32_t def);

// A decimal number with "." or "," as decimal point (the trimmed text).
std::optional<double> parseDouble(std::string_view s);

// Replaces every occurrence of from by to.
std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);

// Number of characters (code points) of a UTF-8 text, for aligning columns.
size_t utf8Length(std::string_view s);

} // namespace belvane::text
