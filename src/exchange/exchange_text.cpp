#include "exchange/exchange_text.h"

#include <chrono>
#include <ctime>
#include <fmt/format.h>

#include "support/error.h"
#include "support/translation.h"

namespace belvane::exchange {
namespace {

constexpr std::string_view kControlEscapes = "0123456abtnvfr"; // bytes 0..13 in order

int digits(std::string_view s, size_t at, size_t n)
{
    int v = 0;
    for (size_t i = at; i < at + n; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

} // namespace

std::string EscapeText(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < kControlEscapes.size()) {
            out += '\\';
            out += kControlEscapes[b];
        } else if (b == 27) {
            out += "\\e";
        } else if (c == '"' || c == '\'' || c == '?' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    return out;
}

std::string UnescapeText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            throw Error(support::Text("Некорректная escape-последовательность в конце текста"));
        const char c = text[i];
        if (const size_t k = kControlEscapes.find(c); k != std::string_view::npos)
            out += static_cast<char>(k);
        else if (c == 'e')
            out += '\x1b';
        else if (c == '"' || c == '\'' || c == '?' || c == '\\')
            out += c;
        else
            throw Error(support::Message("Некорректная escape-последовательность \"\\{}\"", c));
    }
    return out;
}

int64_t ParseExchangeDateTime(std::string_view s)
{
    if (s.size() != 19 || s[4] != '-' || s[7] != '-' || s[10] != ' ' || s[13] != ':' || s[16] != ':')
        return 0;
    const int year = digits(s, 0, 4), month = digits(s, 5, 2), day = digits(s, 8, 2);
    const int hour = digits(s, 11, 2), minute = digits(s, 14, 2), second = digits(s, 17, 2);
    if (year < 1970 || month < 1 || month > 12 || day < 1 || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
        second < 0 || second > 59)
        return 0;
    using namespace std::chrono;
    const year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                              std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok())
        return 0;
    return sys_days(date).time_since_epoch().count() * 86400LL + hour * 3600LL + minute * 60LL + second;
}

std::string ExchangeDateTimeText(int64_t utcSeconds)
{
    using namespace std::chrono;
    const sys_seconds t{seconds(utcSeconds)};
    const sys_days day = floor<days>(t);
    const year_month_day date{day};
    const hh_mm_ss time{t - day};
    return fmt::format("{:04d}-{:02d}-{:02d} {:02d}:{:02d}:{:02d}", static_cast<int>(date.year()),
                       static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), time.hours().count(),
                       time.minutes().count(), time.seconds().count());
}

std::string LocalDateTimeText(int64_t utcSeconds)
{
    if (utcSeconds == 0)
        return {};
    const std::time_t t = static_cast<std::time_t>(utcSeconds);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr)
        return {};
    return fmt::format("{:04d}-{:02d}-{:02d} {:02d}:{:02d}:{:02d}", local.tm_year + 1900, local.tm_mon + 1,
                       local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
}

} // namespace belvane::exchange
