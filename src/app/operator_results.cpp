#include "app/operator_results.h"

#include <algorithm>
#include <fmt/format.h>
#include <vector>

#include "model/dates.h"
#include "model/draw.h"
#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"
#include "support/url.h"

namespace belvane::app {
namespace {

// The searched text shown in a message is cut to this many bytes (at a character boundary).
constexpr size_t kShownTextLimit = 300;

size_t findIgnoreCase(std::string_view text, std::string_view what, size_t from = 0)
{
    if (what.empty() || from > text.size())
        return from <= text.size() ? from : std::string_view::npos;
    const auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), what.begin(), what.end(),
                                [](char a, char b) { return text::toUpperAscii(a) == text::toUpperAscii(b); });
    return it == text.end() ? std::string_view::npos : static_cast<size_t>(it - text.begin());
}

std::string shownText(std::string_view text)
{
    if (text.size() <= kShownTextLimit)
        return std::string(text);
    size_t cut = kShownTextLimit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut; // not inside a UTF-8 character
    return std::string(text.substr(0, cut)) + "…";
}

std::string dequoted(std::string_view s)
{
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        return text::replaceAll(s.substr(1, s.size() - 2), "\"\"", "\"");
    return std::string(s);
}

std::string siteBase(std::string_view siteUrl)
{
    std::string_view base = text::trim(siteUrl);
    while (!base.empty() && base.back() == '/')
        base.remove_suffix(1);
    return std::string(base);
}

} // namespace

std::optional<std::string> TextBetween(std::string_view text, std::string_view start, std::string_view end)
{
    const size_t from = findIgnoreCase(text, start);
    if (from == std::string_view::npos)
        return std::nullopt;
    const size_t begin = from + start.size();
    const size_t to = findIgnoreCase(text, end, begin);
    if (to == std::string_view::npos)
        throw Error(fmt::format(fmt::runtime(support::Template(MarkerPairMessage)), shownText(text), start, end));
    return dequoted(text::trim(text.substr(begin, to - begin)));
}

std::string ExtractRequestToken(std::string_view page)
{
    const auto form = TextBetween(page, CsvDownloadPath, FormEndMarker);
    if (!form)
        throw Error(support::Text(FormMissingMessage));
    // The field is found by its name whatever attributes come before it.
    const std::string fieldStart = fmt::format("name=\"{}\"", TokenFieldName);
    const auto field = TextBetween(*form, fieldStart, "/>");
    if (!field)
        throw Error(support::Text(TokenFieldMissingMessage));
    const auto value = TextBetween(*field, "value=\"", "\"");
    if (!value || value->empty() || value->size() > MaxTokenLength)
        throw Error(support::Text(TokenValueMissingMessage));
    return *value;
}

std::string ResultsPageUrl(std::string_view siteUrl)
{
    return siteBase(siteUrl) + std::string(ResultsPagePath);
}

std::string DrawsCsvUrl(std::string_view siteUrl, std::string_view token, int fromDate, int toDate)
{
    return fmt::format("{}{}?{}={}&GameId=Lotto6&FirstDrawMonth={}&FirstDrawYear={}&LastDrawMonth={}&LastDrawYear={}"
                       "&ResultType=0",
                       siteBase(siteUrl), CsvDownloadPath, TokenFieldName, http::PercentEncode(token),
                       fromDate / 100 % 100, fromDate / 10000, toDate / 100 % 100, toDate / 10000);
}

OperatorCsvDraws ParseOperatorCsv(std::string_view text, int lastNumber, int lastDate)
{
    const size_t header = findIgnoreCase(text, OperatorCsvHeader);
    if (header == std::string_view::npos)
        throw Error(support::Text(CsvHeaderMissingMessage));
    const size_t lineEnd = text.find_first_of("\r\n", header);
    const std::string_view body = lineEnd == std::string_view::npos ? std::string_view() : text.substr(lineEnd);

    OperatorCsvDraws result;
    struct Dated {
        int date;
        model::TDraw draw;
    };
    std::vector<Dated> found;
    const auto lines = text::splitLines(body);
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        const std::string_view line = text::trim(*it);
        if (line.empty())
            continue;
        const auto fields = text::split(line, ";", false);
        if (fields.size() != 8) {
            ++result.Rejected;
            continue;
        }
        const std::string dateText = dequoted(text::trim(fields[0]));
        const int date = model::DateTextToInt(dateText);
        if (date == 0) {
            ++result.Rejected;
            continue;
        }
        if (date <= lastDate) {
            ++result.Older;
            continue;
        }
        std::string numbers;
        for (size_t f = 1; f < fields.size(); ++f) {
            numbers += dequoted(text::trim(fields[f]));
            if (f + 1 < fields.size())
                numbers += ';';
        }
        const auto parsed = model::ParseDrawText(numbers);
        if (!parsed) {
            ++result.Rejected;
            continue;
        }
        model::TDraw draw;
        draw.Balls = parsed->Balls;
        draw.Extra = parsed->Extra;
        draw.setDate(model::IntToDate(date));
        found.push_back({date, draw});
    }

    // In date order whatever order the lines came in; one draw per date.
    std::stable_sort(found.begin(), found.end(), [](const Dated& a, const Dated& b) { return a.date < b.date; });
    int previousDate = 0;
    for (Dated& d : found) {
        if (d.date == previousDate) {
            ++result.Rejected;
            continue;
        }
        previousDate = d.date;
        d.draw.Number = lastNumber + static_cast<int>(result.Draws.size()) + 1;
        result.Draws.push_back(d.draw);
    }
    return result;
}

} // namespace belvane::app
