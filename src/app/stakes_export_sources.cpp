#include "app/stakes_export_sources.h"

#include "app/ratings_service.h"
#include "app/stakes_service.h"
#include "stakes/ratings_texts.h"
#include "stakes/stake_texts.h"

namespace belvane::app {

namespace {

// The ratings list's widths on screen until the user changes them.
constexpr std::array<int, stakes::RatingsColumnCount> RatingsWidths = {320, 60, 60, 60, 80, 80, 50, 50, 50, 50,
                                                                       50,  50, 50, 80, 80, 80, 80, 80, 80, 80};
// The comment column is as wide as the window on screen; a sheet needs less.
constexpr int StakeCommentWidth = 400;

} // namespace

StakesExportSource::StakesExportSource(StakesService& stakes) : stakes_(&stakes)
{
    for (int c = 0; c < stakes::StakeColumnCount; ++c) {
        const bool comment = c == stakes::StakeColumnCount - 1;
        columns_.push_back({std::string(stakes::StakeColumnCaptions[static_cast<size_t>(c)]), xlsx::Alignment::Left,
                            comment ? StakeCommentWidth : stakes::StakeColumnWidths[static_cast<size_t>(c)]});
    }
}

int64_t StakesExportSource::rowCount() const
{
    return static_cast<int64_t>(stakes_->Count());
}

void StakesExportSource::cellText(int64_t row, int column, std::string& out) const
{
    if (row != cachedRow_) {
        cachedRow_ = -1;
        cached_ = stakes_->Record(static_cast<size_t>(row));
        cachedRow_ = row;
    }
    out += stakes::StakeCellText(cached_, column);
}

RatingsExportSource::RatingsExportSource(const RatingsService& ratings) : ratings_(ratings)
{
    for (int c = 0; c < stakes::RatingsColumnCount; ++c)
        columns_.push_back({std::string(stakes::RatingsColumnCaptions[static_cast<size_t>(c)]),
                            c == 0 ? xlsx::Alignment::Left : xlsx::Alignment::Right,
                            RatingsWidths[static_cast<size_t>(c)]});
}

int64_t RatingsExportSource::rowCount() const
{
    return static_cast<int64_t>(ratings_.Count());
}

void RatingsExportSource::cellText(int64_t row, int column, std::string& out) const
{
    if (row != cachedRow_) {
        cachedRow_ = -1;
        cached_ = ratings_.RowTexts(static_cast<size_t>(row));
        cachedRow_ = row;
    }
    out += cached_.at(static_cast<size_t>(column));
}

} // namespace belvane::app
