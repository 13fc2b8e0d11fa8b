#include "stakes/stake_texts.h"

#include <fmt/format.h>

#include "model/comb_text.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

constexpr std::array<std::string_view, 5> kKindTexts = {"", BELVANE_TEXT("Вручную"), BELVANE_TEXT("Регуляр"),
                                                        BELVANE_TEXT("Сценарий"), BELVANE_TEXT("Система")};
constexpr std::array<views::Rgb, 5> kKindColors = {views::Rgb{}, views::Rgb{234, 255, 234}, views::Rgb{255, 234, 234},
                                                   views::Rgb{234, 255, 255}, views::Rgb{252, 253, 217}};

} // namespace

std::string StakeKindText(uint8_t kind)
{
    if (kind >= kKindTexts.size() || kKindTexts[kind].empty())
        return {};
    return support::Text(kKindTexts[kind]);
}

std::optional<views::Rgb> StakeRowColor(uint8_t kind)
{
    if (kind == static_cast<uint8_t>(StakeKind::Separator) || kind >= kKindColors.size())
        return std::nullopt;
    return kKindColors[kind];
}

std::optional<views::Rgb> StakeResultColor(const StakeRecord& record)
{
    if (record.isSeparator() || !record.Checked)
        return std::nullopt;
    return record.Profit > 0 ? views::Rgb{0, 128, 0} : views::Rgb{255, 0, 0};
}

std::string StakeCellText(const StakeRecord& r, int column)
{
    if (r.isSeparator())
        return {};
    switch (column) {
    case 0:
        return fmt::format("{}", r.DrawNumber);
    case 1:
        return StakeKindText(r.Kind);
    case 2:
        return model::JoinNumbers(r.numbers(), ";");
    case 3:
        return fmt::format("{}", r.ListSize);
    case 4:
        return r.Checked ? model::JoinNumbers(r.Drawn, ";") : std::string();
    case 5:
        return r.Checked ? fmt::format("{}", r.Matches) : std::string();
    case 6:
        return r.Checked ? model::JoinNumbers(r.matchedNumbers(), " ") : std::string();
    case 7:
        return FormatMoney(r.Profit);
    case 8:
        return r.Comment;
    default:
        return {};
    }
}

size_t StakeGridRowCount(size_t records)
{
    return records == 0 ? 2 : records + 1;
}

std::string StakesCountText(size_t records)
{
    return support::Message("Ставок: {}", records);
}

} // namespace belvane::stakes
