#include "combs/filter.h"

#include "model/int_list.h"
#include "stats/custom_stat.h"
#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::combs {

int FilterLastIndex(int drawCount, int offset)
{
    const int last = drawCount - 1 - offset;
    return last < 0 ? 0 : last;
}

bool ApplyFilter(CombinationList& list, OperationHistory& history, stats::TCustomStat& method,
                 const FilterSelection& selection, bool remove, const stats::MatchContext& at,
                 const std::function<bool(size_t, size_t)>& progress)
{
    const auto matcher = method.PrepareMatches(selection.Values, at);
    return ApplyFilter(list, history, *matcher, selection, remove, progress);
}

bool ApplyFilter(CombinationList& list, OperationHistory& history, const stats::Matcher& matcher,
                 const FilterSelection& selection, bool remove, const std::function<bool(size_t, size_t)>& progress)
{
    const bool keepMatching = !remove;
    const bool complete = list.reduce(
        [&](size_t, std::span<const TComb> chunk, TComb* out) { return matcher.filter(chunk, out, keepMatching); },
        progress);
    if (complete)
        history.Add(remove ? HistoryIcon::Remove : HistoryIcon::Keep, selection.Caption, selection.ValuesText,
                    list.count());
    return complete;
}

FilterSelection NumbersFromCells(std::span<const std::string> cells, bool layoutCells, std::string caption)
{
    FilterSelection s;
    s.Caption = std::move(caption);
    std::vector<std::string> texts;
    auto take = [&](std::string_view piece) {
        const int n = text::toIntDef(piece, 0);
        for (const auto& v : s.Values)
            if (v.V1 == n)
                return;
        stats::TStatDraw v;
        v.V1 = static_cast<int16_t>(n);
        s.Values.push_back(v);
        texts.push_back(std::to_string(n));
    };
    for (const std::string& cell : cells) {
        if (text::trim(cell).empty())
            continue;
        if (!layoutCells) {
            take(cell);
            continue;
        }
        for (std::string_view piece : text::split(cell, ",", false)) {
            std::string clean;
            for (char c : piece)
                if (c != '[' && c != ']')
                    clean += c;
            if (!text::trim(clean).empty())
                take(clean);
        }
    }
    if (s.Values.empty())
        throw Error(support::Text(NoFilterValuesMessage));
    s.ValuesText = JoinValueTexts(texts);
    return s;
}

FilterSelection WeekColumns(int first, int last)
{
    FilterSelection s;
    s.Caption = support::Text("Неделя");
    std::vector<std::string> texts;
    for (int c = first; c <= last; ++c) {
        stats::TStatDraw v;
        v.V1 = static_cast<int16_t>(c);
        s.Values.push_back(v);
        texts.push_back(std::to_string(c));
    }
    if (s.Values.empty())
        throw Error(support::Text(NoFilterValuesMessage));
    s.ValuesText = JoinValueTexts(texts);
    return s;
}

std::string JoinValueTexts(std::span<const std::string> texts)
{
    std::string out;
    for (size_t i = 0; i < texts.size(); ++i)
        out += (i ? "; " : "") + texts[i];
    return out;
}

std::optional<FilterStepProblem> ValidateFilterStep(const FilterStepInput& step)
{
    const std::string badRange = support::Text("Введен некорректный диапазон значений!");
    const auto lengths = model::ParseIntList(step.DrawsLen);
    if (!lengths || lengths->empty() || (lengths->size() == 1 && (*lengths)[0] == 0))
        return FilterStepProblem{badRange, "edDrawsLen"};
    if (step.LevelMode != 0) {
        if (step.LevelMode == 31 && !step.ValueFromText)
            return FilterStepProblem{
                support::Text("Для данного вида статистики не доступен режим выделения по списку значений!"),
                "cbLevelMode"};
        const auto levels = model::ParseIntList(step.LevelValue);
        if (!levels || levels->empty())
            return FilterStepProblem{badRange, "edLevelValue"};
    }
    if (step.MultiSelect && step.StopMode == 1)
        return FilterStepProblem{
            support::Text("В режиме мультивыделения остановка сценария по количеству комбинаций или чисел не "
                          "может быть выполнена!\rВыберите другой способ останова."),
            "cbStopMode"};
    return std::nullopt;
}

} // namespace belvane::combs
