#include <gtest/gtest.h>

#include "support/cp1251.h"

namespace belvane {
namespace {

TEST(Cp1251, RussianTextRoundTrips)
{
    const std::string utf8 = "Архив тиражей: Ёё № «—» €";
    const std::string bytes = cp1251::fromUtf8(utf8);
    EXPECT_EQ(bytes.size(), 25u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xC0); // А
    EXPECT_EQ(cp1251::toUtf8(bytes), utf8);
}

TEST(Cp1251, EveryByteMapsAndComesBack)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        if (b != 0x98) // unassigned in Windows-1251
            all += static_cast<char>(b);
    EXPECT_EQ(cp1251::fromUtf8(cp1251::toUtf8(all)), all);
}

TEST(Cp1251, WhatCannotBeHeldBecomesQuestionMark)
{
    EXPECT_EQ(cp1251::fromUtf8("a\xE2\x9C\x93z"), "a?z");     // ✓
    EXPECT_EQ(cp1251::fromUtf8("a\xF0\x9F\x98\x80z"), "a?z"); // an emoji
    EXPECT_EQ(cp1251::fromUtf8("a\xD0z"), "a?z");             // malformed
    EXPECT_EQ(cp1251::fromUtf8("\xD0"), "?");                 // truncated at the end
}

} // namespace
} // namespace belvane
