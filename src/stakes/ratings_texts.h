#pragma once

// What the ratings page and its CSV export show of the ratings.

#include <array>
#include <string>
#include <string_view>

#include "stakes/hit_table.h"
#include "stakes/ratings.h"
#include "support/translation.h"

namespace belvane::stakes {

inline constexpr int RatingsColumnCount = 20;
inline constexpr int RatingsExportColumnCount = 13; // every column but E0..E6
inline constexpr int FirstEfficiencyColumn = 13;

inline constexpr std::array<std::string_view, RatingsColumnCount> RatingsColumnCaptions = {BELVANE_TEXT("Комментарий"),
                                                                                           BELVANE_TEXT("Ставок"),
                                                                                           BELVANE_TEXT("Угадано"),
                                                                                           BELVANE_TEXT("Среднее"),
                                                                                           BELVANE_TEXT("Профит"),
                                                                                           BELVANE_TEXT("Ср. профит"),
                                                                                           "0",
                                                                                           "1",
                                                                                           "2",
                                                                                           "3",
                                                                                           "4",
                                                                                           "5",
                                                                                           "6",
                                                                                           "E0",
                                                                                           "E1",
                                                                                           "E2",
                                                                                           "E3",
                                                                                           "E4",
                                                                                           "E5",
                                                                                           "E6"};

inline constexpr std::string_view BadRatingCaption = "# bad data #";

// How the E0..E6 columns compare the stakes with chance (window-state key
// "RatingsEffMode"): the expected count, the observed share minus the
// expected share in percentage points, the observed count relative to the
// expected one.
enum class EfficiencyMode { Expected = 0, Absolute = 1, Relative = 2 };
inline constexpr EfficiencyMode DefaultEfficiencyMode = EfficiencyMode::Absolute;

inline constexpr std::array<std::string_view, 3> EfficiencyModeCaptions = {
    BELVANE_TEXT("Ожидаемые значения совпадений"), BELVANE_TEXT("Абсолютные значения эффективности"),
    BELVANE_TEXT("Относительные значения эффективности")};

// A stored setting as a mode; a value outside 0..2 is the default.
EfficiencyMode EfficiencyModeFromSetting(int value);

// The text of one cell of row `record`; an invalid record shows only its
// "# bad data #" caption.
std::string RatingCellText(const RatingRecord& record, int column, EfficiencyMode mode, const HitTable& hits);
std::array<std::string, RatingsColumnCount> RatingRowTexts(const RatingRecord& record, EfficiencyMode mode,
                                                           const HitTable& hits);

// "Рейтинг: %d", the status panel.
std::string RatingsCountText(size_t count);

// The CSV file: a line of the 13 quoted captions, then a line per record in
// array order (UTF-8, lines ending CR LF; written as Windows-1251).
std::string RatingsCsvText(const TRatingsArray& records);

} // namespace belvane::stakes
