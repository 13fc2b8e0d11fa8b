#include "app/comb_list_ops.h"

#include <fmt/format.h>

#include "app/host.h"
#include "combs/clipboard_text.h"
#include "combs/generate.h"
#include "combs/list_file.h"
#include "combs/reductions.h"
#include "support/error.h"

namespace belvane::app {
namespace {

// Status-line progress "( завершено N % )" after a base text, at most once per per cent.
class PercentStatus {
public:
    PercentStatus(Host& host, std::string base) : host_(host), base_(std::move(base)) {}

    bool operator()(size_t done, size_t total)
    {
        const int percent = total ? static_cast<int>(done * 100 / total) : 100;
        if (percent != shown_) {
            shown_ = percent;
            host_.setStatus(fmt::format("{} {}...", base_, CompletedPercentText(percent)));
        }
        return !host_.cancelled();
    }

private:
    Host& host_;
    std::string base_;
    int shown_ = -1;
};

} // namespace

std::string CombsCountText(size_t count)
{
    return fmt::format("Комбинаций: {}", count);
}

bool GenerateList(Host& host, CombinationsState& state, const GenerateSettings& settings, bool showProgress)
{
    StatusScope status(host, "Генерация возможных комбинаций...");
    bool ok = true;
    try {
        combs::CombBuffer& list = state.List.list();
        if (settings.Mode == combs::GenerateFromFile) {
            combs::LoadListFile(settings.Parameters, list);
        } else {
            ProgressScope progress(host, 100, true);
            int64_t shown = 0;
            ok = combs::GenerateCombinations(list, settings.Mode, combs::ParseMyNumbers(settings.Parameters),
                                             [&](size_t done, size_t total) {
                                                 const auto position = static_cast<int64_t>(done * 100 / total);
                                                 host.stepProgress(position - shown);
                                                 shown = position;
                                                 return !host.cancelled();
                                             });
        }
    } catch (const Error& e) {
        state.List.list().clear();
        host.showError(fmt::format("Ошибка генерации файла комбинаций!\r\r{}", e.what()));
        ok = false;
    }
    if (showProgress) {
        state.History.Clear();
        state.List.DropUndo();
    }
    return ok;
}

std::string SkippedLinesText(int skipped)
{
    return fmt::format("Пропущено строк (не комбинации): {}", skipped);
}

int OpenList(Host& host, CombinationsState& state, const std::filesystem::path& file)
{
    state.List.SaveUndo();
    int skipped = -1;
    {
        StatusScope status(host, fmt::format("Загрузка файла \"{}\"...", file.string()));
        try {
            skipped = static_cast<int>(combs::LoadListFile(file, state.List.list()).Skipped);
        } catch (const Error& e) {
            state.List.RestoreUndo();
            host.showError(e.what());
        }
    }
    state.List.DropUndo();
    state.History.Clear();
    return skipped;
}

bool SaveList(Host& host, const CombinationsState& state, const std::filesystem::path& file)
{
    StatusScope status(host, fmt::format("Сохранение файла \"{}\"...", file.string()));
    try {
        combs::SaveListFile(file, state.List.combs());
        return true;
    } catch (const Error& e) {
        host.showError(e.what());
        return false;
    }
}

bool ExcludeLatestDraws(Host& host, CombinationsState& state, const model::TDrawsArray& draws, int n, int offset)
{
    const std::string base = fmt::format("Удаление из списка комбинаций {} последних тиражей", n);
    StatusScope status(host, base + "...");
    PercentStatus percent(host, base);
    const bool complete =
        combs::RemoveDrawnCombinations(state.List, combs::LatestDraws(draws, n, offset), std::ref(percent));
    state.History.Add(combs::HistoryIcon::Remove, "Последние тиражи", std::to_string(n), state.List.count());
    return complete;
}

void DeleteRows(Host& host, CombinationsState& state, std::span<const size_t> rows)
{
    StatusScope status(host, "Удаление выделенных комбинаций...");
    const size_t removed = combs::RemoveRows(state.List, rows);
    state.History.Add(combs::HistoryIcon::Remove, "Выделенные комбинации", std::to_string(removed), state.List.count());
}

bool PasteList(Host& host, CombinationsState& state, std::string_view text)
{
    bool ok = true;
    try {
        const auto combs = combs::ParsePastedText(text);
        if (!combs.empty()) {
            state.List.SaveUndo();
            state.List.list().assign(combs);
            state.History.Clear();
        }
    } catch (const Error& e) {
        host.showError(e.what());
        ok = false;
    }
    state.List.DropUndo();
    return ok;
}

void UndoLast(Host& host, CombinationsState& state)
{
    if (!state.List.canUndo())
        return;
    StatusScope status(host, "Отмена изменений...");
    state.List.RestoreUndo();
    state.History.RemoveLast();
}

} // namespace belvane::app
