#include <gtest/gtest.h>

#include "exchange/base64.h"
#include "exchange/exchange_answer.h"
#include "exchange/exchange_client.h"
#include "exchange/exchange_text.h"
#include "support/error.h"

namespace belvane::exchange {
namespace {

TEST(ExchangeBase64, RoundTripsEveryPaddingAndCyrillic)
{
    for (const std::string text : {"", "a", "ab", "abc", "abcd", "Сценарий №1\r\n\xff\x00 end"})
        EXPECT_EQ(DecodeBase64(EncodeBase64(text)), text);
    EXPECT_EQ(EncodeBase64("Man"), "TWFu");
    EXPECT_EQ(EncodeBase64("Ma"), "TWE=");
    EXPECT_EQ(DecodeBase64("TWFu\r\nTWE="), "ManMa"); // line breaks between groups
}

TEST(ExchangeBase64, RefusesAnythingElse)
{
    for (const std::string_view bad : {"TWF", "TW=u", "TWE=TWFu", "T===", "TW-u", "TWF u", "TWF=\n",
                                       "TWE=="
                                       "=",
                                       "TWF\nu", "TWF="})
        EXPECT_THROW(DecodeBase64(bad), Error) << bad;
}

TEST(ExchangeEscape, EscapesControlBytesQuotesAndBackslash)
{
    const std::string raw("\x00\x01\x06\x07\x08\t\n\x0b\x0c\r\x1b\"'?\\ & = + % Ж", 26);
    EXPECT_EQ(EscapeText(raw), "\\0\\1\\6\\a\\b\\t\\n\\v\\f\\r\\e\\\"\\'\\?\\\\ & = + % Ж");
    EXPECT_EQ(UnescapeText(EscapeText(raw)), raw);
    EXPECT_EQ(EscapeText(std::string_view("\x0e\x1f", 2)), std::string_view("\x0e\x1f", 2)); // not in the table
    EXPECT_THROW(UnescapeText("abc\\"), Error);
    EXPECT_THROW(UnescapeText("\\x"), Error);
}

TEST(ExchangeDateTime, ReadsOnlyTheFixedLayoutOfValidTimes)
{
    EXPECT_EQ(ParseExchangeDateTime("1970-01-01 00:00:01"), 1);
    EXPECT_EQ(ParseExchangeDateTime("2024-01-31 23:59:59"), 1706745599);
    EXPECT_EQ(ExchangeDateTimeText(1706745599), "2024-01-31 23:59:59");
    EXPECT_EQ(ParseExchangeDateTime("2024-02-29 12:00:00"), 1709208000);
    for (const std::string_view bad :
         {"", "2023-02-29 12:00:00", "2024-13-01 00:00:00", "2024-01-31 24:00:00", "2024-01-31T23:59:59",
          "2024-1-31 23:59:59", "1969-12-31 23:59:59", "2024-01-31 23:59:59Z", "abcd-ef-gh ij:kl:mn"})
        EXPECT_EQ(ParseExchangeDateTime(bad), 0) << bad;
    EXPECT_EQ(LocalDateTimeText(0), "");
    EXPECT_EQ(LocalDateTimeText(1706745599).size(), 19u);
}

TEST(ExchangeAnswer, ReadsRowsAndFailsOnErrorRowsAndMalformedText)
{
    ExchangeAnswerWriter w;
    w.BeginRow();
    w.Field("id", int64_t{42});
    w.Field("title", EncodeBase64("<Заголовок & \"кавычки\">"));
    w.Field("author", "A & B <c>");
    w.Field("created", "2024-01-31 23:59:59");
    w.EndRow();
    w.BeginRow();
    w.Field("id", "x12");
    w.EndRow();
    const auto rows = ReadExchangeAnswer(w.Finish());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Integer("id"), 42);
    EXPECT_EQ(rows[0].Base64Text("title"), "<Заголовок & \"кавычки\">");
    EXPECT_EQ(rows[0].Text("author"), "A & B <c>");
    EXPECT_EQ(rows[0].DateTime("created"), 1706745599);
    EXPECT_EQ(rows[1].Integer("id", -1), -1);
    EXPECT_EQ(rows[1].Text("missing"), "");

    try {
        ReadExchangeAnswer("<result><row><id>1</id></row><row><error>Нет доступа</error></row></result>");
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Нет доступа");
    }
    EXPECT_THROW(ReadExchangeAnswer("<result><row><id>1</id></row>"), Error);
    EXPECT_THROW(ReadExchangeAnswer("<html>502</html>"), Error);
    EXPECT_THROW(ReadExchangeAnswer(""), Error);
    ExchangeRow row;
    row.Add("title", "not base64!");
    EXPECT_THROW(row.Base64Text("title"), Error);
}

TEST(ExchangeClient, NeedsAnHttpAddress)
{
    EXPECT_THROW(ExchangeClient("", {}), Error);
    EXPECT_THROW(ExchangeClient("  ", {}), Error);
    EXPECT_THROW(ExchangeClient("ftp://127.0.0.1/", {}), Error);
    EXPECT_EQ(ExchangeClient("http://127.0.0.1:8080//", {}).ScriptUrl("sys_getlist.php"),
              "http://127.0.0.1:8080/scripts/sys_getlist.php");
}

} // namespace
} // namespace belvane::exchange
