#include "stakes/stake_texts.h"

#include <fmt/format.h>

#include "model/comb_text.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

constexpr std::array<std::string_view, 5> kKindTexts = {"", BELVANE_TEXT("Вручную"), BELVANE_TEXT("Регуляр"),
                                                        BELVANE_TEXT("Сценарий"), BELVANE_TEXT("Система")};

} // namespace

std::string StakeKindText(uint8_t kind)
{
    if (kind >= kKindTexts.size() || kKindTexts[kind].empty())
        return {};
    return support::Text(kKindTexts[kind]);
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
