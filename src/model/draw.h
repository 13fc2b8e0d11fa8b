#pragma once

// The draw record: one draw of the archive, in memory and in the draws file.

#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/dates.h"
#include "model/game.h"
#include "support/translation.h"

namespace belvane::model {

inline constexpr size_t DrawDateCapacity = 10;
// The largest draw number the record holds; there is no draw after it.
inline constexpr int32_t MaxDrawNumber = std::numeric_limits<int32_t>::max();

struct TDraw {
    int32_t Number = 0;                            // the operator's running draw number, 1 and up
    TComb Balls{};                                 // six main numbers in drawn order
    Ball Extra = 0;                                // the extra number
    uint8_t DateLen = 0;                           // length of DateText in use; 0 = date unknown
    std::array<char, DrawDateCapacity> DateText{}; // "dd/mm/yyyy"

    std::string_view dateText() const;
    // Stores the text, cut to ten characters.
    void setDateText(std::string_view text);
    void setDate(const std::optional<Date>& date);
    // yyyymmdd, 0 when unknown.
    int dateInt() const;
    int sum() const;

    friend bool operator==(const TDraw& a, const TDraw& b);
};

// The six numbers as a view shows them: ascending when `sorted`, else as drawn.
TComb ViewBalls(const TDraw& draw, bool sorted);

// A copy of the record with its six numbers ascending (the stored one keeps drawn order).
TDraw SortedDraw(TDraw draw);

bool InDraw(const TDraw& draw, int n);

// The 24-byte little-endian file record: Number (4), Balls (6), Extra (1),
// DateLen (1), DateText (10), padding (2, written as zeros, ignored on reading).
inline constexpr size_t DrawRecordSize = 24;
void EncodeDraw(const TDraw& draw, std::span<uint8_t, DrawRecordSize> out);
// A DateLen beyond ten is cut to ten; date bytes outside printable ASCII read as "?".
TDraw DecodeDraw(std::span<const uint8_t, DrawRecordSize> in);

// "Тираж № 12 от 07/03/2015, значения: 5;12;23;31;40;44 e:17"
std::string DrawToText(const TDraw& draw);

// The numbers of a typed-in draw: six main numbers and the extra number.
struct DrawNumbers {
    TComb Balls{};
    Ball Extra = 0;
};

// Seven words separated by "," or ";": six distinct main numbers 1..45, then
// the extra number 1..45 (which may repeat a main number). nullopt otherwise.
std::optional<DrawNumbers> ParseDrawText(std::string_view text);
bool ValidateDrawText(std::string_view text);

// The message a refused draw text gets.
inline constexpr std::string_view InvalidDrawTextMessage = BELVANE_TEXT("Введена некорректная комбинация!");
// The hint of the field the draw text is typed into.
inline constexpr std::string_view DrawTextHint =
    BELVANE_TEXT("Выпавшие числа, разделенные точкой с запятой или запятой");

// The text a draw's numbers are edited as: six numbers and the extra, joined by ";".
std::string DrawNumbersText(const TDraw& draw);

} // namespace belvane::model
