#pragma once

// The stakes grid and the ratings list as spreadsheet export sources. The
// stakes are read from their file one record at a time, as the grid reads them.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "stakes/ratings_texts.h"
#include "stakes/stake_record.h"
#include "support/table_source.h"

namespace belvane::app {

class StakesService;
class RatingsService;

inline constexpr std::string_view StakesGridControl = "sgStakes";
inline constexpr std::string_view RatingsListControl = "lvRatings";
inline constexpr std::string_view StakesExportTitle = "Ставки";
inline constexpr std::string_view RatingsExportTitle = "Рейтинг";

class StakesExportSource final : public xlsx::ColumnListSource {
public:
    explicit StakesExportSource(StakesService& stakes);
    xlsx::SourceKind kind() const override { return xlsx::SourceKind::Grid; }
    int64_t rowCount() const override;
    // A record that cannot be read throws Error (the export fails with it).
    void cellText(int64_t row, int column, std::string& out) const override;

private:
    StakesService* stakes_; // its record cache changes as rows are read
    // The row being written: its cells are asked one after the other.
    mutable int64_t cachedRow_ = -1;
    mutable stakes::StakeRecord cached_;
};

// The ratings in the order and the efficiency mode the service has now.
class RatingsExportSource final : public xlsx::ColumnListSource {
public:
    explicit RatingsExportSource(const RatingsService& ratings);
    xlsx::SourceKind kind() const override { return xlsx::SourceKind::ListView; }
    int64_t rowCount() const override;
    void cellText(int64_t row, int column, std::string& out) const override;

private:
    const RatingsService& ratings_;
    mutable int64_t cachedRow_ = -1;
    mutable std::array<std::string, stakes::RatingsColumnCount> cached_;
};

} // namespace belvane::app
