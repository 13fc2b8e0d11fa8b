#include "views/colors.h"

#include <array>
#include <cstddef>

namespace belvane::views {

Rgb ChannelColor(int channel)
{
    static constexpr std::array<Rgb, 12> kPalette = {{
        {255, 228, 225}, // rose
        {255, 244, 204}, // cream
        {226, 247, 214}, // mint
        {214, 236, 255}, // sky
        {236, 226, 255}, // lavender
        {255, 236, 214}, // apricot
        {214, 247, 240}, // aqua
        {247, 222, 240}, // pink
        {240, 240, 214}, // sand
        {222, 230, 247}, // periwinkle
        {230, 247, 222}, // pistachio
        {247, 232, 222}, // peach
    }};
    if (channel < 1)
        return White;
    return kPalette[static_cast<size_t>(channel - 1) % kPalette.size()];
}

} // namespace belvane::views
