#pragma once

// The colours views paint data with, as plain RGB so every front end agrees.

#include <cstdint>

namespace belvane::views {

struct Rgb {
    uint8_t R = 255, G = 255, B = 255;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour stored the way the settings files keep colours: 0x00BBGGRR.
constexpr Rgb FromBgr(uint32_t bgr)
{
    return {static_cast<uint8_t>(bgr), static_cast<uint8_t>(bgr >> 8), static_cast<uint8_t>(bgr >> 16)};
}

inline constexpr Rgb White{255, 255, 255};
// The draws list's row at the offset: the first draw the statistics see.
inline constexpr Rgb OffsetRow = FromBgr(11184895);

// The colour of channel k (1, 2, ...): pale colours far enough apart that
// neighbouring channels differ at a glance; they repeat after twelve.
Rgb ChannelColor(int channel);

} // namespace belvane::views
