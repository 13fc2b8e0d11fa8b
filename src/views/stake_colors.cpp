#include "views/stake_colors.h"

#include <array>

namespace belvane::views {
namespace {

// By stakes::StakeKind: none, by hand, regular, scenario, system.
constexpr std::array<Rgb, 5> kKindColors = {Rgb{}, Rgb{234, 255, 234}, Rgb{255, 234, 234}, Rgb{234, 255, 255},
                                            Rgb{252, 253, 217}};

} // namespace

std::optional<Rgb> StakeRowColor(uint8_t kind)
{
    if (kind == static_cast<uint8_t>(stakes::StakeKind::Separator) || kind >= kKindColors.size())
        return std::nullopt;
    return kKindColors[kind];
}

std::optional<Rgb> StakeResultColor(const stakes::StakeRecord& record)
{
    if (record.isSeparator() || !record.Checked)
        return std::nullopt;
    return record.Profit > 0 ? Rgb{0, 128, 0} : Rgb{255, 0, 0};
}

} // namespace belvane::views
