#include "stats/stat_bases.h"

#include <fmt/format.h>

#include "model/comb_text.h"
#include "support/text.h"

namespace belvane::stats {

std::string TCustomValuesStat::ValueToText(const TStatDraw& value) const
{
    return model::NumberToText(value.V1);
}

std::string TCustomNumbersStat::ValueToText(const TStatDraw& value) const
{
    return std::to_string(value.V1);
}

std::string TCustomGraphStat::ValueToText(const TStatDraw& value) const
{
    return std::to_string(value.V1);
}

int TCustomGraphStat::GraphValue(int index, int lastIdx, bool sorted)
{
    return CombValue(DrawAt(index, sorted).Balls, index, sorted, lastIdx);
}

std::string TCustomRatioStat::ValueToText(const TStatDraw& value) const
{
    return fmt::format("{}:{}", value.V1, model::BallCount - value.V1);
}

int32_t TCustomRatioStat::TextToValue(std::string_view text) const
{
    return text::toIntDef(text.substr(0, text.find(':')), 0);
}

std::string TCustomMaskStat::ValueToText(const TStatDraw& value) const
{
    const int32_t mask = LowInt(value);
    std::string letters;
    for (int bit = model::BallCount - 1; bit >= 0; --bit)
        letters += (mask >> bit) & 1 ? OneLetter() : ZeroLetter();
    return fmt::format("{} ({:03})", letters, mask);
}

int32_t TCustomMaskStat::TextToValue(std::string_view text) const
{
    // Letters may be Cyrillic: walk characters, not bytes. Missing ones are clear bits.
    int32_t mask = 0;
    size_t pos = 0;
    for (int i = 0; i < model::BallCount; ++i) {
        size_t len = 0;
        if (pos < text.size()) {
            len = 1;
            while (pos + len < text.size() && (static_cast<unsigned char>(text[pos + len]) & 0xC0) == 0x80)
                ++len;
        }
        mask = mask << 1 | (len > 0 && text.substr(pos, len) == OneLetter() ? 1 : 0);
        pos += len;
    }
    return mask;
}

void TCustomMaskStat::InitValues(int lastIdx, TStatDrawArray& arr)
{
    TCustomStat::InitValues(lastIdx, arr);
    for (int32_t mask = 0; mask < 64; ++mask)
        AddSeed(arr, KeyOfInts(mask));
}

} // namespace belvane::stats
