#include "stats/method_description.h"

#include <array>
#include <fmt/format.h>

#include "model/comb_text.h"
#include "stats/method_example.h"
#include "stats/method_help.h"
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

// The page as a sequence of blocks, rendered once as HTML and once as plain text.
struct Block {
    enum Kind { Title, Heading, Paragraph, Table, List } kind;
    std::string text;
    std::vector<std::pair<std::string, std::string>> rows; // Table: label and value; List: letter and text
    bool valuesBelow = false; // a worked example: framed as HTML, values under their labels as plain text
};
using Page = std::vector<Block>;

std::string yesNo(bool value)
{
    return value ? support::Text("да") : support::Text("нет");
}

std::string joined(const std::vector<std::string>& texts)
{
    if (texts.empty())
        return support::Text("нет значений");
    std::string out;
    for (const std::string& t : texts)
        out += (out.empty() ? "" : "; ") + t;
    return out;
}

void addHelp(Page& page, const TStatMethod& m, const MethodHelp& help)
{
    page.push_back({Block::Heading, support::Text("Что вычисляет метод"), {}});
    page.push_back({Block::Paragraph, support::Text(help.Computes), {}});
    page.push_back({Block::Heading, support::Text("Значения"), {}});
    page.push_back({Block::Paragraph, support::Text(help.Values), {}});
    if (help.Param != nullptr && m.StatClass->HasParam()) {
        page.push_back({Block::Heading, support::Text("Параметр"), {}});
        page.push_back({Block::Paragraph, support::Text(help.Param), {}});
    }
}

void addExample(Page& page, const MethodExample& e)
{
    page.push_back({Block::Heading, support::Text("Пример"), {}});
    Block table{Block::Table, {}, {}, true};
    const std::string date =
        e.Draw.dateText().empty() ? std::string() : fmt::format(" ({})", std::string(e.Draw.dateText()));
    table.rows.emplace_back(
        support::Message("Последний тираж {}{}: {}", e.Draw.Number, date, model::CombToDisplayText(e.Draw.Balls)),
        joined(e.DrawValues));
    table.rows.emplace_back(support::Message("Комбинация {} как следующий тираж", model::CombToDisplayText(e.Comb)),
                            joined(e.CombValues));
    page.push_back(std::move(table));
    if (!e.DrawValues.empty())
        page.push_back({Block::Paragraph,
                        e.KeptByDrawValues
                            ? support::Text("Фильтр, оставляющий значения последнего тиража, оставит эту комбинацию.")
                            : support::Text("Фильтр, оставляющий значения последнего тиража, удалит эту комбинацию."),
                        {}});
}

Page makePage(const TStatList& registry, int entry, bool sorted, int window)
{
    const TStatMethod& m = registry.Item(entry);
    const MethodClass& c = *m.StatClass;
    Page page;
    page.push_back({Block::Title, m.DisplayCaption(), {}});

    const MethodHelp* help = FindMethodHelp(c);
    if (help != nullptr)
        addHelp(page, m, *help);
    if (const std::optional<MethodExample> example = ComputeMethodExample(registry, entry, sorted, window))
        addExample(page, *example);
    if (help != nullptr && help->Keep != nullptr) {
        page.push_back({Block::Heading, support::Text("Оставить или удалить"), {}});
        page.push_back({Block::Paragraph, support::Text(help->Keep), {}});
    }

    page.push_back({Block::Heading, support::Text("Сведения о методе"), {}});
    Block facts{Block::Table, {}, {}};
    if (!m.UserCaption.empty())
        facts.rows.emplace_back(support::Text("Название по умолчанию:"), m.DefaultDisplayCaption());
    facts.rows.emplace_back(support::Text("Идентификатор:"), m.ID());
    facts.rows.emplace_back(support::Text("Группа:"), TStatList::GroupCaption(c.GetGroup()));
    if (c.HasParam())
        facts.rows.emplace_back(support::Text("Параметр:"), std::to_string(m.Param));
    if (c.GetGroup() == GroupShredding && !m.Formula.empty())
        facts.rows.emplace_back(support::Text("Формула:"), m.Formula);
    facts.rows.emplace_back(support::Text("В таблице статистики:"), yesNo(c.InDrawsStat()));
    facts.rows.emplace_back(support::Text("Выделение по списку значений:"), yesNo(c.ValueFromText()));
    page.push_back(std::move(facts));

    page.push_back({Block::Heading, support::Text("Особенности метода"), {}});
    const uint8_t flags = c.Flags();
    if (flags == 0) {
        page.push_back({Block::Paragraph, support::Text("Особенностей нет."), {}});
    } else {
        Block list{Block::List, {}, {}};
        for (const FlagMeaning& f : kFlagMeanings)
            if ((flags & f.Bit) != 0)
                list.rows.emplace_back(FlagsText(f.Bit), support::Text(f.Text));
        page.push_back(std::move(list));
    }
    return page;
}

std::string html(const Page& page)
{
    std::string out = "<html><body>\n";
    for (const Block& b : page) {
        switch (b.kind) {
        case Block::Title:
            out += fmt::format("<h2>{}</h2>\n", EscapeHtml(b.text));
            break;
        case Block::Heading:
            out += fmt::format("<h3>{}</h3>\n", EscapeHtml(b.text));
            break;
        case Block::Paragraph:
            out += fmt::format("<p>{}</p>\n", EscapeHtml(b.text));
            break;
        case Block::Table:
            out += b.valuesBelow ? "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n"
                                 : "<table cellspacing=\"4\">\n";
            for (const auto& [label, value] : b.rows)
                out += fmt::format("<tr><td><b>{}</b></td><td>{}</td></tr>\n", EscapeHtml(label), EscapeHtml(value));
            out += "</table>\n";
            break;
        case Block::List:
            out += "<ul>\n";
            for (const auto& [letter, text] : b.rows)
                out += fmt::format("<li><b>{}</b> - {}</li>\n", EscapeHtml(letter), EscapeHtml(text));
            out += "</ul>\n";
            break;
        }
    }
    return out + "</body></html>\n";
}

std::string plain(const Page& page)
{
    std::string out;
    for (const Block& b : page) {
        switch (b.kind) {
        case Block::Title:
            out += b.text + "\n";
            break;
        case Block::Heading:
            out += "\n" + b.text + "\n";
            break;
        case Block::Paragraph:
            out += "  " + b.text + "\n";
            break;
        case Block::Table:
            for (const auto& [label, value] : b.rows)
                out += b.valuesBelow ? fmt::format("  {}\n      {}\n", label, value)
                                     : fmt::format("  {} {}\n", label, value);
            break;
        case Block::List:
            for (const auto& [letter, text] : b.rows)
                out += fmt::format("  {} - {}\n", letter, text);
            break;
        }
    }
    return out;
}

bool inRegistry(const TStatList& registry, int entry)
{
    return entry >= 0 && entry < registry.MethodCount();
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

std::string MethodDescriptionPage(const TStatList& registry, int entry, bool sorted, int window)
{
    return inRegistry(registry, entry) ? html(makePage(registry, entry, sorted, window)) : std::string();
}

std::string MethodDescriptionText(const TStatList& registry, int entry, bool sorted, int window)
{
    return inRegistry(registry, entry) ? plain(makePage(registry, entry, sorted, window)) : std::string();
}

std::string MethodSummary(const TStatList& registry, int entry)
{
    if (!inRegistry(registry, entry))
        return {};
    const TStatMethod& m = registry.Item(entry);
    const MethodHelp* help = FindMethodHelp(*m.StatClass);
    if (help == nullptr)
        return m.DisplayCaption();
    const std::string computes = support::Text(help->Computes);
    const size_t end = computes.find(". ");
    return end == std::string::npos ? computes : computes.substr(0, end + 1);
}

} // namespace belvane::stats
