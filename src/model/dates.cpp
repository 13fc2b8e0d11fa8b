#include "model/dates.h"

#include <ctime>
#include <fmt/format.h>

#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::model {
namespace chr = std::chrono;

namespace {

// The part of the template at [pos, pos+len) when it is all digits.
std::optional<int> digitsAt(std::string_view text, size_t pos, size_t len)
{
    if (text.size() < pos + len)
        return std::nullopt;
    const std::string_view part = text.substr(pos, len);
    for (char c : part)
        if (c < '0' || c > '9')
            return std::nullopt;
    return text::parseInt(part);
}

} // namespace

std::string DateToText(const Date& date)
{
    return fmt::format("{:02}/{:02}/{:04}", static_cast<unsigned>(date.day()), static_cast<unsigned>(date.month()),
                       static_cast<int>(date.year()));
}

std::string DateToText(const std::optional<Date>& date)
{
    return date ? DateToText(*date) : std::string();
}

std::optional<Date> TextToDate(std::string_view text)
{
    text = text::trim(text);
    if (text.empty())
        return std::nullopt;
    const auto day = digitsAt(text, 0, 2);
    const auto month = digitsAt(text, 3, 2);
    const auto year = digitsAt(text, 6, 4);
    if (day && month && year && *year >= 1) {
        const Date date{chr::year(*year), chr::month(static_cast<unsigned>(*month)),
                        chr::day(static_cast<unsigned>(*day))};
        if (date.ok())
            return date;
    }
    throw Error(support::Message("Некорректная дата: \"{}\"!", text));
}

std::optional<Date> ParseDrawDate(std::string_view text)
{
    if (text.size() != 10 || text[2] != '/' || text[5] != '/')
        return std::nullopt;
    const auto day = digitsAt(text, 0, 2);
    const auto month = digitsAt(text, 3, 2);
    const auto year = digitsAt(text, 6, 4);
    if (!day || !month || !year || *year < 1)
        return std::nullopt;
    const Date date{chr::year(*year), chr::month(static_cast<unsigned>(*month)), chr::day(static_cast<unsigned>(*day))};
    return date.ok() ? std::optional(date) : std::nullopt;
}

int DateToInt(const Date& date)
{
    return static_cast<int>(date.year()) * 10000 + static_cast<int>(static_cast<unsigned>(date.month())) * 100 +
           static_cast<int>(static_cast<unsigned>(date.day()));
}

std::optional<Date> IntToDate(int value)
{
    if (value <= 0)
        return std::nullopt;
    const Date date{chr::year(value / 10000), chr::month(static_cast<unsigned>(value / 100 % 100)),
                    chr::day(static_cast<unsigned>(value % 100))};
    return date.ok() ? std::optional(date) : std::nullopt;
}

int DateTextToInt(std::string_view text)
{
    try {
        const auto date = TextToDate(text);
        return date ? DateToInt(*date) : 0;
    } catch (const Error&) {
        return 0;
    }
}

Date AddDays(const Date& date, int days)
{
    return Date{chr::sys_days(date) + chr::days(days)};
}

Date Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return Date{chr::year(local.tm_year + 1900), chr::month(static_cast<unsigned>(local.tm_mon + 1)),
                chr::day(static_cast<unsigned>(local.tm_mday))};
}

} // namespace belvane::model
