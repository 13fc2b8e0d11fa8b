// The one case rule: UTF-8 keys and captions, and the Windows-1251 fold built from it.

#include <gtest/gtest.h>

#include "support/cp1251.h"
#include "support/text.h"

namespace belvane::text {
namespace {

TEST(CaseFold, CyrillicAndLatinFoldInUtf8)
{
    EXPECT_TRUE(equalsIgnoreCase("ЧИСЛА ТИРАЖА", "Числа тиража"));
    EXPECT_TRUE(equalsIgnoreCase("ЁЖИК", "ёжик"));
    EXPECT_TRUE(equalsIgnoreCase("Ґ Ї Ў Ђ Џ", "ґ ї ў ђ џ"));
    EXPECT_TRUE(equalsIgnoreCase("nums", "NUMS"));
    EXPECT_TRUE(equalsIgnoreCase("", ""));
    EXPECT_FALSE(equalsIgnoreCase("Числа тиража", "Числа тиражи"));
    EXPECT_FALSE(equalsIgnoreCase("Е", "Ё")); // two letters, not one
    EXPECT_FALSE(equalsIgnoreCase("Числа", "Числа "));
    // Latin letters do not meet Cyrillic ones that look alike.
    EXPECT_FALSE(equalsIgnoreCase("A", "А"));
    EXPECT_EQ(foldCase("Метод ШИНКОВКИ 1: (N1+n2)"), "метод шинковки 1: (n1+n2)");
}

TEST(CaseFold, MalformedBytesOnlyMatchThemselves)
{
    const std::string lone = "\xD0";    // a lead byte without its continuation
    const std::string cut = "\xD0\x20"; // a lead byte followed by a blank
    EXPECT_TRUE(equalsIgnoreCase(lone, lone));
    EXPECT_FALSE(equalsIgnoreCase(cut, "\xD0\x40"));
    EXPECT_EQ(foldCase(cut), cut);
    EXPECT_FALSE(equalsIgnoreCase("\x90", "\xB0")); // stray continuation bytes are not letters
}

TEST(CaseFold, PrefixesFoldToo)
{
    EXPECT_TRUE(startsWithIgnoreCase("ЧИСЛА тиража", "числа"));
    EXPECT_TRUE(startsWithIgnoreCase("0X1f", "0x"));
    EXPECT_FALSE(startsWithIgnoreCase("Ч", "Ч "));
    // A prefix that ends inside a character of the text does not match.
    EXPECT_FALSE(startsWithIgnoreCase("Ч", "\xD0"));
}

TEST(CaseFold, Cp1251FoldFollowsTheSameRule)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = cp1251::toUtf8(byte);
        EXPECT_EQ(cp1251::toUtf8(cp1251::foldCase(byte)), foldCase(utf8)) << "byte " << b;
    }
}

} // namespace
} // namespace belvane::text
