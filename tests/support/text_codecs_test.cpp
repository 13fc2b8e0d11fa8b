#include <gtest/gtest.h>

#include "support/byte_codec.h"
#include "support/delimited_text.h"
#include "support/text.h"

namespace belvane {
namespace {

using Fields = std::vector<std::string>;

TEST(DelimitedText, QuotesBlanksAndEmptyFields)
{
    EXPECT_EQ(splitDelimited("1;\"07/12/2002\";10;23", ';', '"'), (Fields{"1", "07/12/2002", "10", "23"}));
    EXPECT_EQ(splitDelimited("a b;c", ';', '"'), (Fields{"a", "b", "c"})); // unquoted blanks separate
    EXPECT_EQ(splitDelimited("\"a b\";c", ';', '"'), (Fields{"a b", "c"}));
    EXPECT_EQ(splitDelimited("a;;b", ';', '"'), (Fields{"a", "", "b"}));
    EXPECT_EQ(splitDelimited("a ; b", ';', '"'), (Fields{"a", "b"}));
    EXPECT_EQ(splitDelimited("a;", ';', '"'), (Fields{"a", ""}));
    EXPECT_EQ(splitDelimited("a; ", ';', '"'), (Fields{"a"}));
    EXPECT_EQ(splitDelimited(";a", ';', '"'), (Fields{"", "a"}));
    EXPECT_EQ(splitDelimited("\"say \"\"hi\"\"\";x", ';', '"'), (Fields{"say \"hi\"", "x"}));
    EXPECT_EQ(splitDelimited("\"open", ';', '"'), (Fields{"open"}));
    EXPECT_EQ(splitDelimited("   ", ';', '"'), Fields{});
}

TEST(DelimitedText, QuoteFieldDoublesInnerQuotes)
{
    EXPECT_EQ(quoteField("07/12/2002", '"'), "\"07/12/2002\"");
    EXPECT_EQ(quoteField("a\"b", '"'), "\"a\"\"b\"");
    EXPECT_EQ(splitDelimited(quoteField("a\"b c", '"'), ';', '"'), Fields{"a\"b c"});
}

TEST(ByteCodec, LittleEndianFields)
{
    std::array<uint8_t, 15> buf{};
    ByteWriter w(buf);
    w.i32(-2);
    w.i16(0x1234);
    w.u8(7);
    w.i64(0x0102030405060708);
    EXPECT_EQ(w.position(), 15u);
    EXPECT_EQ(buf[0], 0xFE);
    EXPECT_EQ(buf[3], 0xFF);
    EXPECT_EQ(buf[4], 0x34);
    EXPECT_EQ(buf[7], 0x08);
    ByteReader r(buf);
    EXPECT_EQ(r.i32(), -2);
    EXPECT_EQ(r.i16(), 0x1234);
    EXPECT_EQ(r.u8(), 7);
    EXPECT_EQ(r.i64(), 0x0102030405060708);
    EXPECT_THROW(r.u8(), Error);
    EXPECT_THROW(w.u8(1), Error);
}

TEST(ByteCodec, ShortStringsAreCutAndLengthBytesDistrusted)
{
    std::array<uint8_t, 11> buf{};
    ByteWriter w(buf);
    w.shortString("Тираж № 1177", 10); // twelve characters into ten
    EXPECT_EQ(buf[0], 10);
    EXPECT_EQ(ByteReader(buf).shortString(10), "Тираж № 11");

    buf[0] = 255; // a hostile length byte
    EXPECT_EQ(ByteReader(buf).shortString(10), "Тираж № 11");
    buf[0] = 3;
    EXPECT_EQ(ByteReader(buf).shortString(10), "Тир");

    std::array<uint8_t, 300> big{};
    EXPECT_THROW(ByteWriter(big).shortString("x", 256), Error);
}

TEST(Text, IntegerParsing)
{
    EXPECT_EQ(text::parseInt("42"), 42);
    EXPECT_EQ(text::parseInt("+42"), 42);
    EXPECT_EQ(text::parseInt("-42"), -42);
    EXPECT_FALSE(text::parseInt("+-4"));
    EXPECT_FALSE(text::parseInt(" 4"));
    EXPECT_FALSE(text::parseInt("4 "));
    EXPECT_FALSE(text::parseInt("2147483648"));
    EXPECT_EQ(text::parseInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(text::toIntDef(" 12 ", -1), 12);
    EXPECT_EQ(text::toIntDef("", -1), -1);
}

TEST(Text, DecimalParsingAcceptsBothPoints)
{
    EXPECT_DOUBLE_EQ(*text::parseDouble("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(*text::parseDouble(" 2,5 "), 2.5);
    EXPECT_FALSE(text::parseDouble("2.5x"));
    EXPECT_FALSE(text::parseDouble("nan"));
    EXPECT_FALSE(text::parseDouble(""));
}

TEST(Text, SplittingAndLines)
{
    using Words = std::vector<std::string_view>;
    EXPECT_EQ(text::split(";a;;b;", ";", true), (Words{"a", "b"}));
    EXPECT_EQ(text::split(";a;;b;", ";", false), (Words{"", "a", "", "b", ""}));
    EXPECT_EQ(text::splitLines("a\r\nb\nc\rd"), (Words{"a", "b", "c", "d"}));
    EXPECT_EQ(text::splitLines("a\r\n\r\nb\r\n"), (Words{"a", "", "b"}));
    EXPECT_EQ(text::utf8Length("Тираж"), 5u);
    EXPECT_TRUE(text::equalsIgnoreCase("Draws", "dRAWS"));
}

} // namespace
} // namespace belvane
