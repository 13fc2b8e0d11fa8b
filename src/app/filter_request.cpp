#include "app/filter_request.h"

#include "app/draws_stat_table.h"
#include "stats/custom_stat.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/translation.h"

namespace belvane::app {

combs::FilterSelection ResolveFilterSelection(const stats::TStatList& registry, const FilterRequest& request)
{
    if (request.Values)
        return *request.Values;

    DrawsStatTable calculated;
    const DrawsStatTable* table = request.Table;
    if (table == nullptr) {
        DrawsStatRequest statRequest;
        statRequest.Entry = request.Entry;
        statRequest.Offset = request.Offset;
        statRequest.Length = request.Length;
        statRequest.Sorted = request.Sorted;
        calculated = CalculateDrawsStat(registry, statRequest);
        table = &calculated;
    }

    std::vector<const DrawsStatRow*> rows;
    for (int r : request.Rows)
        if (r >= 0 && r < static_cast<int>(table->Rows.size()))
            rows.push_back(&table->Rows[static_cast<size_t>(r)]);
    for (const std::string& text : request.ValueTexts) {
        const auto it = std::find_if(table->Rows.begin(), table->Rows.end(),
                                     [&](const DrawsStatRow& row) { return row.Cells[StatColValue] == text; });
        if (it == table->Rows.end())
            throw Error(support::Message("Значение \"{}\" не найдено в таблице статистики метода {}!", text,
                                         registry.Item(request.Entry).ID()));
        rows.push_back(&*it);
    }

    combs::FilterSelection selection;
    selection.Caption = registry.MethodText(request.Entry, true);
    std::vector<std::string> texts;
    for (const DrawsStatRow* row : rows) {
        selection.Values.push_back(row->Value);
        texts.push_back(row->Cells[StatColValue]);
    }
    selection.ValuesText = combs::JoinValueTexts(texts);
    return selection;
}

PreparedFilter::PreparedFilter() = default;
PreparedFilter::PreparedFilter(PreparedFilter&&) noexcept = default;
PreparedFilter& PreparedFilter::operator=(PreparedFilter&&) noexcept = default;
PreparedFilter::~PreparedFilter() = default;

PreparedFilter PrepareFilter(const stats::TStatList& registry, const FilterRequest& request)
{
    PreparedFilter filter;
    filter.Method = registry.CreateStatFromList(request.Entry, "cbDrawsStatType");
    filter.Selection = ResolveFilterSelection(registry, request);
    filter.KeepMatching = !request.Remove;
    if (filter.Selection.Values.empty())
        return filter;
    const int drawCount = static_cast<int>(registry.Draws().size());
    const stats::MatchContext at{combs::FilterLastIndex(drawCount, request.Offset), request.Sorted};
    filter.Test = filter.Method->PrepareMatches(filter.Selection.Values, at);
    return filter;
}

} // namespace belvane::app
