#include "stats/method_description.h"

#include <array>
#include <fmt/format.h>

#include "support/translation.h"

namespace belvane::stats {
namespace {

struct FlagMeaning {
    uint8_t Bit;
    const char* Text;
};

// clang-format off
constexpr std::array<FlagMeaning, 5> kFlagMeanings = {{
    {FlagS, BELVANE_TEXT("значение зависит от порядка, в котором выпали числа тиража")},
    {FlagN, BELVANE_TEXT("значение вычисляется по одной комбинации: метод сравнивается с полным набором комбинаций")},
    {FlagD, BELVANE_TEXT("значение зависит от предыдущего тиража")},
    {FlagP, BELVANE_TEXT("метод периодов: значение - расстояние между тиражами")},
    {FlagG, BELVANE_TEXT("для метода строится график значений")},
}};
// clang-format on

std::string row(std::string_view label, std::string_view value)
{
    return fmt::format("<tr><td><b>{}</b></td><td>{}</td></tr>\n", EscapeHtml(label), EscapeHtml(value));
}

std::string yesNo(bool value)
{
    return value ? support::Text("да") : support::Text("нет");
}

} // namespace

std::string EscapeHtml(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string MethodDescriptionPage(const TStatList& registry, int entry)
{
    if (entry < 0 || entry >= registry.MethodCount())
        return {};
    const TStatMethod& m = registry.Item(entry);
    const MethodClass& c = *m.StatClass;
    std::string page =
        fmt::format("<html><body>\n<h2>{}</h2>\n<table cellspacing=\"4\">\n", EscapeHtml(m.DisplayCaption()));
    if (!m.UserCaption.empty())
        page += row(support::Text("Название по умолчанию:"), m.DefaultDisplayCaption());
    page += row(support::Text("Идентификатор:"), m.ID());
    page += row(support::Text("Группа:"), TStatList::GroupCaption(c.GetGroup()));
    if (c.HasParam())
        page += row(support::Text("Параметр:"), std::to_string(m.Param));
    if (c.GetGroup() == GroupShredding && !m.Formula.empty())
        page += row(support::Text("Формула:"), m.Formula);
    page += row(support::Text("В таблице статистики:"), yesNo(c.InDrawsStat()));
    page += row(support::Text("Выделение по списку значений:"), yesNo(c.ValueFromText()));
    page += "</table>\n";

    page += fmt::format("<h3>{}</h3>\n", EscapeHtml(support::Text("Особенности метода")));
    const uint8_t flags = c.Flags();
    if (flags == 0) {
        page += fmt::format("<p>{}</p>\n", EscapeHtml(support::Text("Особенностей нет.")));
    } else {
        page += "<ul>\n";
        for (const FlagMeaning& f : kFlagMeanings)
            if ((flags & f.Bit) != 0)
                page += fmt::format("<li><b>{}</b> - {}</li>\n", FlagsText(f.Bit), EscapeHtml(support::Text(f.Text)));
        page += "</ul>\n";
    }
    page += "</body></html>\n";
    return page;
}

} // namespace belvane::stats
