#include "app/ratings_service.h"

#include <algorithm>
#include <vector>

#include "app/configuration_service.h"
#include "app/scenario_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "app/workspace.h"
#include "scenario/rating_key_line.h"
#include "stakes/ratings_ops.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::app {

RatingsService::RatingsService(Workspace& workspace) : ws_(workspace), ratings_(workspace.Files().ratings())
{
    ratings_.setReadOnly(workspace.Mode().ReadOnly);
}

std::string RatingsService::PanelText() const
{
    return stakes::RatingsCountText(ratings_.size());
}

std::array<std::string, stakes::RatingsColumnCount> RatingsService::RowTexts(size_t row) const
{
    return stakes::RatingRowTexts(ratings_.records().at(row), Mode(), ws_.Hits());
}

std::vector<stakes::RowChance> RatingsService::CompareWithChance(stakes::ProfitTail profit) const
{
    return stakes::CompareRowsWithChance(ratings_.records(), ws_.Configuration().Data(), profit);
}

void RatingsService::Load()
{
    stakes::LoadRatings(ws_.Host(), ratings_);
}

bool RatingsService::Sort(int column, bool descending)
{
    auto busy = ws_.Busy();
    return stakes::SortRatings(ws_.Host(), ratings_, column, descending);
}

bool RatingsService::Refresh()
{
    auto busy = ws_.Busy();
    return stakes::RefreshRatings(ws_.Host(), ratings_, ws_.Stakes().File());
}

bool RatingsService::ExportCsv(const std::filesystem::path& file)
{
    auto busy = ws_.Busy();
    if (const std::string refusal = ws_.Files().ownFileRefusal(file); !refusal.empty()) {
        ws_.Host().showError(refusal);
        return false;
    }
    return stakes::ExportRatingsCsv(ws_.Host(), ratings_, file);
}

int RatingsService::ToScript(std::span<const size_t> rows)
{
    auto busy = ws_.Busy();
    StatusScope status(ws_.Host(), support::Text(scenario::RatingsToScriptStatus));
    std::vector<size_t> sorted(rows.begin(), rows.end());
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    int added = 0;
    for (size_t row : sorted)
        if (row < ratings_.size() && KeyToScript(ratings_.records()[row].Key))
            ++added;
    return added;
}

bool RatingsService::KeyToScript(std::string_view key)
{
    std::string line;
    try {
        line = scenario::UsableRatingKeyLine(ws_.Registry(), key);
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return false;
    }
    ws_.Scenario().Add(line);
    return true;
}

stakes::EfficiencyMode RatingsService::Mode() const
{
    return stakes::EfficiencyModeFromSetting(ws_.Settings().Get(key::RatingsEffMode));
}

void RatingsService::SetMode(stakes::EfficiencyMode mode)
{
    ws_.SetSetting(key::RatingsEffMode, static_cast<int>(mode));
}

std::optional<bool> RatingsService::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    if (action == "RatingsRefresh")
        return ws_.Stakes().File().IsOpen();
    if (action == "RatingsExport" || action == "RatingsXlsExport")
        return !ratings_.empty();
    if (action == "RatingsToScript" || action == "RatingsGraphOverlap")
        return selection.RatingRows > 0;
    if (action == "RatingsEffMode0" || action == "RatingsEffMode1" || action == "RatingsEffMode2")
        return true;
    return std::nullopt;
}

} // namespace belvane::app
