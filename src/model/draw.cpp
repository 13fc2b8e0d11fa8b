#include "model/draw.h"

#include <algorithm>
#include <fmt/format.h>
#include <numeric>

#include "model/comb_text.h"
#include "model/number_sets.h"
#include "support/byte_codec.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::model {

std::string_view TDraw::dateText() const
{
    return {DateText.data(), std::min<size_t>(DateLen, DrawDateCapacity)};
}

void TDraw::setDateText(std::string_view text)
{
    DateText.fill('\0');
    DateLen = static_cast<uint8_t>(std::min(text.size(), DrawDateCapacity));
    std::copy_n(text.begin(), DateLen, DateText.begin());
}

void TDraw::setDate(const std::optional<Date>& date)
{
    setDateText(DateToText(date));
}

int TDraw::dateInt() const
{
    return DateTextToInt(dateText());
}

int TDraw::sum() const
{
    return std::accumulate(Balls.begin(), Balls.end(), 0);
}

bool operator==(const TDraw& a, const TDraw& b)
{
    return a.Number == b.Number && a.Balls == b.Balls && a.Extra == b.Extra && a.dateText() == b.dateText();
}

TComb ViewBalls(const TDraw& draw, bool sorted)
{
    return sorted ? Sorted(draw.Balls) : draw.Balls;
}

TDraw SortedDraw(TDraw draw)
{
    SortComb(draw.Balls);
    return draw;
}

bool InDraw(const TDraw& draw, int n)
{
    return InComb(draw.Balls, n);
}

void EncodeDraw(const TDraw& draw, std::span<uint8_t, DrawRecordSize> out)
{
    ByteWriter w(out);
    w.i32(draw.Number);
    w.bytes(draw.Balls);
    w.u8(draw.Extra);
    const std::string_view date = draw.dateText();
    w.u8(static_cast<uint8_t>(date.size()));
    w.bytes(std::span(reinterpret_cast<const uint8_t*>(date.data()), date.size()));
    w.zeros(DrawRecordSize - w.position());
}

TDraw DecodeDraw(std::span<const uint8_t, DrawRecordSize> in)
{
    ByteReader r(in);
    TDraw draw;
    draw.Number = r.i32();
    r.bytes(draw.Balls);
    draw.Extra = r.u8();
    const size_t length = std::min<size_t>(r.u8(), DrawDateCapacity);
    std::array<uint8_t, DrawDateCapacity> raw{};
    r.bytes(raw);
    std::string date;
    for (size_t i = 0; i < length; ++i)
        date += (raw[i] >= 0x20 && raw[i] < 0x7F) ? static_cast<char>(raw[i]) : '?';
    draw.setDateText(date);
    return draw;
}

std::string DrawToText(const TDraw& draw)
{
    return support::Message("Тираж № {} от {}, значения: {} e:{}", draw.Number, draw.dateText(),
                            CombToListText(draw.Balls), draw.Extra);
}

std::optional<DrawNumbers> ParseDrawText(std::string_view text)
{
    const auto words = text::split(text, ",;", false);
    if (words.size() != BallCount + ExtraCount)
        return std::nullopt;
    DrawNumbers numbers;
    for (size_t i = 0; i < words.size(); ++i) {
        const int n = TextToNumber(text::trim(words[i]));
        if (!isValidNumber(n))
            return std::nullopt;
        if (i < BallCount) {
            if (InComb(numbers.Balls, n))
                return std::nullopt;
            numbers.Balls[i] = static_cast<Ball>(n);
        } else {
            numbers.Extra = static_cast<Ball>(n);
        }
    }
    return numbers;
}

bool ValidateDrawText(std::string_view text)
{
    return ParseDrawText(text).has_value();
}

std::string DrawNumbersText(const TDraw& draw)
{
    return CombToListText(draw.Balls) + ";" + std::to_string(draw.Extra);
}

} // namespace belvane::model
