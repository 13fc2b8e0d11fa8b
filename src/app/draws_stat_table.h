#pragma once

// The draws statistics table: for one method and a window of recent draws,
// every value the method can take, how often and how recently it came, how
// that compares with the full set of combinations, and when it should come
// next. Front ends show the cells as they are; filters take the rows' records.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/prefetch_files.h"
#include "stats/config_data.h"
#include "stats/range_stats.h"
#include "stats/stat_values.h"
#include "support/translation.h"

namespace belvane::stats {
class TStatList;
}

namespace belvane::app {

enum DrawsStatColumn {
    StatColValue,
    StatColCount,
    StatColCountPercent,
    StatColExpected,
    StatColDeviation,
    StatColDeviationPercent,
    StatColAgo,
    StatColAgoPercent,
    StatColWeight,
    StatColLastDraw,
    StatColMinGap,
    StatColPeriod,
    StatColMaxGap,
    StatColWaitPrd,
    StatColWaitStf,
    StatColWaitKrn,
    StatColFact,
    StatColDiffPrd,
    StatColDiffStf,
    StatColDiffKrn,
    DrawsStatColumnCount
};

inline constexpr std::array<std::string_view, DrawsStatColumnCount> DrawsStatCaptions = {
    BELVANE_TEXT("Значение"),   BELVANE_TEXT("Количество"),  BELVANE_TEXT("Кол-во в %"), BELVANE_TEXT("Норма"),
    BELVANE_TEXT("Отклонение"), BELVANE_TEXT("Откл-ие в %"), BELVANE_TEXT("Глубина"),    BELVANE_TEXT("Глубина в %"),
    BELVANE_TEXT("Вес"),        BELVANE_TEXT("Посл. тираж"), BELVANE_TEXT("Период min"), BELVANE_TEXT("Период"),
    BELVANE_TEXT("Период max"), BELVANE_TEXT("Ожд. ПРД"),    BELVANE_TEXT("Ожд. СТФ"),   BELVANE_TEXT("Ожд. КРН"),
    BELVANE_TEXT("Факт"),       BELVANE_TEXT("+/- ПРД"),     BELVANE_TEXT("+/- СТФ"),    BELVANE_TEXT("+/- КРН")};
// A column's caption in the interface language (the table itself heads exports).
std::string DrawsStatCaption(int column);

// The text a cell without a value shows.
inline constexpr std::string_view NoValue = "-";

struct DrawsStatRow {
    stats::TStatDraw Value; // the record the row was built from (filters take it)
    std::array<std::string, DrawsStatColumnCount> Cells;
    // The cells as numbers, for sorting and for rules that pick rows; nullopt where the cell is "-".
    std::array<std::optional<double>, DrawsStatColumnCount> Numbers;
};

struct ChartPoint {
    int Index = 0;
    double Value = 0;
    std::string Label;
};

struct DrawsStatChart {
    std::vector<ChartPoint> Actual; // "Фактические данные"
    std::vector<ChartPoint> Total; // "Все возможные комбинации" (with a prefetch file and the total line on)
};

inline constexpr std::string_view ActualSeriesTitle = BELVANE_TEXT("Фактические данные");
inline constexpr std::string_view TotalSeriesTitle = BELVANE_TEXT("Все возможные комбинации");

struct DrawsStatRequest {
    int Entry = -1;    // registry entry of the method
    int Offset = 0;    // draws offset
    int Length = 1000; // draws in the window
    bool Sorted = false;
    const PrefetchData* Prefetch = nullptr; // the method's full-set distribution, when in use
    stats::WeightCoefficients Weights;
    bool ShowTotalLine = true;
    // "Факт" looks at the draws after the offset. A scenario run must judge
    // only by what was known at its offset: there every "Факт" cell is "-".
    bool FindFacts = true;
};

struct DrawsStatTable {
    std::vector<DrawsStatRow> Rows; // in the order the method recorded the values
    stats::DrawRange Window;
    stats::ValueTotals Totals;
    bool PrefetchUsed = false;
    DrawsStatChart Chart;
};

// The table for one method over the archive the registry reads. An empty
// archive gives an empty table.
DrawsStatTable CalculateDrawsStat(const stats::TStatList& list, const DrawsStatRequest& request);

// The weight of one row ("Вес").
long double StatWeight(const stats::TStatDraw& value, const stats::ValueTotals& totals, bool prefetchUsed,
                       const stats::WeightCoefficients& weights);

// Whether row a (at index ia of the table) comes before row b in the
// table sorted ascending by `column`: numbers by value, a cell without a
// value ("-") below every number, the value column in the method's own order.
// The desktop table and the scenario runner sort with this one rule.
bool StatRowLess(const DrawsStatRow& a, int ia, const DrawsStatRow& b, int ib, int column);

// The row indexes of the table sorted by `column` (stable: equal rows keep
// their order). A column outside the table leaves the rows in record order.
std::vector<int> StatRowOrder(std::span<const DrawsStatRow> rows, int column, bool descending);

// The key that decides whether a non-forced calculation has anything to do:
// every input of the table, the archive and the configuration by revision.
struct DrawsStatKey {
    uint64_t ArchiveRevision = 0;
    uint64_t ConfigRevision = 0;
    int DrawCount = -1;
    int Offset = -1;
    int Length = -1;
    int Entry = -1;
    bool Sorted = false;
    friend bool operator==(const DrawsStatKey&, const DrawsStatKey&) = default;
};

} // namespace belvane::app
