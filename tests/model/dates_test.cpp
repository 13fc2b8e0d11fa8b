#include <gtest/gtest.h>

#include "model/dates.h"
#include "support/error.h"

namespace belvane::model {
namespace {

using namespace std::chrono;

TEST(Dates, TextRoundTrip)
{
    const Date d{year(2015), March, day(7)};
    EXPECT_EQ(DateToText(d), "07/03/2015");
    EXPECT_EQ(TextToDate("07/03/2015"), d);
    EXPECT_EQ(TextToDate("  07/03/2015 "), d);
    EXPECT_EQ(DateToText(std::optional<Date>()), "");
}

TEST(Dates, EmptyTextIsNoDate)
{
    EXPECT_EQ(TextToDate(""), std::nullopt);
    EXPECT_EQ(TextToDate("   "), std::nullopt);
    EXPECT_EQ(DateTextToInt(""), 0);
}

TEST(Dates, TextsOffTheTemplateFail)
{
    for (const char* text : {"7/3/2015", "07/03/15", "32/01/2015", "29/02/2015", "00/01/2015", "aa/bb/cccc"}) {
        EXPECT_THROW(TextToDate(text), Error) << text;
        EXPECT_EQ(DateTextToInt(text), 0) << text;
    }
    EXPECT_EQ(TextToDate("29/02/2016"), (Date{year(2016), February, day(29)}));
}

// The form a stored draw date must have: nothing but "dd/mm/yyyy" of a real day.
TEST(Dates, DrawDatesAreStrict)
{
    EXPECT_EQ(ParseDrawDate("07/03/2015"), (Date{year(2015), March, day(7)}));
    EXPECT_EQ(ParseDrawDate("29/02/2016"), (Date{year(2016), February, day(29)}));
    for (const char* text : {"", "07.03.2015", "07/03/2015 ", " 07/03/2015", "07/03/2015x", "29/02/2015", "00/01/2015",
                             "07/13/2015", "07/03/0000", "٠٧/٠٣/٢٠١٥", "07/03/201\xD0", "0७/03/2015", "7/3/2015"})
        EXPECT_EQ(ParseDrawDate(text), std::nullopt) << text;
}

TEST(Dates, IntegerForm)
{
    const Date d{year(2024), January, day(31)};
    EXPECT_EQ(DateToInt(d), 20240131);
    EXPECT_EQ(IntToDate(20240131), d);
    EXPECT_EQ(IntToDate(0), std::nullopt);
    EXPECT_EQ(IntToDate(20240231), std::nullopt);
    EXPECT_EQ(DateTextToInt("07/12/2002"), 20021207);
}

TEST(Dates, AddDaysCrossesMonthsAndYears)
{
    EXPECT_EQ(DateToInt(AddDays(Date{year(2002), December, day(28)}, 7)), 20030104);
    EXPECT_EQ(DateToInt(AddDays(Date{year(2024), March, day(1)}, -1)), 20240229);
}

} // namespace
} // namespace belvane::model
