#pragma once

// The ratings of the running program: one row per stake comment with the
// results of its checked stakes, the ratings file kept after every change,
// the page's columns in the three efficiency modes, sorting, the rebuild from
// the stakes and the CSV export.

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/view_selection.h"
#include "stakes/ratings.h"
#include "stakes/ratings_chance.h"
#include "stakes/ratings_texts.h"

namespace belvane::app {

class Workspace;

class RatingsService {
public:
    explicit RatingsService(Workspace& workspace);

    stakes::Ratings& Ratings() { return ratings_; }
    const stakes::Ratings& Ratings() const { return ratings_; }
    size_t Count() const { return ratings_.size(); }
    // "Рейтинг: %d" (status panel 5).
    std::string PanelText() const;
    std::array<std::string, stakes::RatingsColumnCount> RowTexts(size_t row) const;
    // Every row beside random play with the configured prizes and cost.
    std::vector<stakes::RowChance> CompareWithChance(stakes::ProfitTail profit = stakes::ProfitTail::Skip) const;

    // At initialisation, when the file exists.
    void Load();
    // The list's column click: sorts (and saves).
    bool Sort(int column, bool descending);
    // "Обновить рейтинг": rebuilds from the stakes file (asks when ratings would be lost).
    bool Refresh();
    bool ExportCsv(const std::filesystem::path& file);

    // "Добавить в сценарий": the scenario line of each selected row, in list
    // order, appended to the scenario; a key that makes no usable line is
    // shown. Returns how many lines were added.
    int ToScript(std::span<const size_t> rows);
    // The same for one key; false when it makes no usable line (shown).
    bool KeyToScript(std::string_view key);

    stakes::EfficiencyMode Mode() const;
    void SetMode(stakes::EfficiencyMode mode);

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    Workspace& ws_;
    stakes::Ratings ratings_;
};

} // namespace belvane::app
