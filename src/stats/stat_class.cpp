#include "stats/stat_class.h"

#include <array>
#include <fmt/format.h>

#include "support/delphi_format.h"
#include "support/translation.h"

namespace belvane::stats {
namespace {

struct GroupInfo {
    std::string_view tag;
    std::string_view name;
};

constexpr std::array<GroupInfo, GroupCount> kGroups = {{
    {"num", BELVANE_TEXT("Числа тиража")},
    {"sum", BELVANE_TEXT("Сумма чисел тиража")},
    {"dif", BELVANE_TEXT("Разности между числами тиража")},
    {"grp", BELVANE_TEXT("Каналы (группы чисел)")},
    {"mtx", BELVANE_TEXT("Матрица тиража")},
    {"sgm", BELVANE_TEXT("Сегменты матрицы тиража")},
    {"seq", BELVANE_TEXT("Последовательности чисел в одном тираже")},
    {"rep", BELVANE_TEXT("Повторяющиеся числа в нескольких тиражах")},
    {"ser", BELVANE_TEXT("Серии (цепочки) значений")},
    {"per", BELVANE_TEXT("Периоды повторения значений")},
    {"mov", BELVANE_TEXT("Переходы (изменения) значений между тиражами")},
    {"ogn", BELVANE_TEXT("Характеристическое число Огнева")},
    {"shr", BELVANE_TEXT("Методы шинковки")},
}};

// The help page number of the Russian help file.
constexpr int kHelpLanguage = 1049;

} // namespace

std::string_view GroupTag(int group)
{
    return group >= 0 && group < GroupCount ? kGroups[static_cast<size_t>(group)].tag : std::string_view();
}

std::string_view GroupName(int group)
{
    return group >= 0 && group < GroupCount ? kGroups[static_cast<size_t>(group)].name : std::string_view();
}

std::string MethodClass::IDFor(int param) const
{
    return DelphiFormat(id, {int64_t{param}});
}

std::string MethodClass::CaptionFor(int param) const
{
    return captionFor ? captionFor(param) : DelphiFormat(support::PercentTemplate(caption), {int64_t{param}});
}

std::string MethodClass::HelpURL(int param, const std::filesystem::path& helpFile) const
{
    std::error_code ec;
    if (helpFile.empty() || !std::filesystem::exists(helpFile, ec))
        return {};
    return "ms-its:" + helpFile.string() +
           DelphiFormat("::/Filters_%.4d_%s.htm",
                        {int64_t{kHelpLanguage}, DelphiFormat(GetHelpID(), {int64_t{param}})});
}

std::string FlagsText(uint8_t flags)
{
    std::string letters;
    for (size_t bit = 0; bit < FlagLetters.size(); ++bit)
        if (flags & (1u << bit))
            letters += FlagLetters[bit];
    return letters;
}

} // namespace belvane::stats
