#pragma once

// The ratings operations the front ends call: each shows its status text and
// its own failure message through the host and reports whether it succeeded.
// The ratings file always follows the array after a load, sort, check or
// refresh.

#include <filesystem>
#include <string_view>

#include "stakes/ratings.h"
#include "stakes/stakes_file.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::stakes {

inline constexpr std::string_view RatingsRefreshQuestion =
    BELVANE_TEXT("Пересчитать рейтинг только по текущим ставкам?\r\rНакопленные ранее данные по удаленным ставкам "
                 "будут потеряны.");
// Kept beside the ratings file when that could not be read.
inline constexpr std::string_view BadRatingsExtension = ".bad";
inline constexpr std::string_view RatingsCsvFilter = BELVANE_TEXT("CSV-файлы (*.csv)|*.csv");
inline constexpr std::string_view RatingsCsvExtension = "csv";

std::filesystem::path BadRatingsPath(const std::filesystem::path& ratingsFile);

// Reads the ratings file when it exists, then sorts (which saves). A file
// that cannot be read leaves the ratings empty and is marked for keeping as
// "<file>.bad" on the next save.
bool LoadRatings(Host& host, Ratings& ratings);
// Rewrites the whole file (atomically) from the array.
bool SaveRatings(Host& host, Ratings& ratings);
// The list's column click: sets the order, sorts when the column is 0 or
// more and there are two records or more, and saves in every case.
bool SortRatings(Host& host, Ratings& ratings, int column, bool descending);
// Sorts by the order already set and saves (after a check).
bool SortRatings(Host& host, Ratings& ratings);
// Rebuilds the ratings from the checked stakes of the file, asking first
// when there are ratings to lose ("no" preselected). The new ratings are
// built aside and take the old ones' place only when the whole file was read.
bool RefreshRatings(Host& host, Ratings& ratings, StakesFile& stakes);
// The CSV export to `path` (Windows-1251, CR LF, written atomically).
bool ExportRatingsCsv(Host& host, const Ratings& ratings, const std::filesystem::path& path);

} // namespace belvane::stakes
