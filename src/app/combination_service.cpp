#include "app/combination_service.h"

#include <fmt/format.h>

#include "app/archive_service.h"
#include "app/configuration_service.h"
#include "app/filter_request.h"
#include "app/setting_keys.h"
#include "app/workspace.h"
#include "combs/clipboard_text.h"
#include "combs/filter.h"
#include "combs/generate.h"
#include "combs/list_file.h"
#include "combs/list_queries.h"
#include "combs/reductions.h"
#include "stats/custom_stat.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::app {
namespace {

// Status-line progress "( завершено N % )" after a base text, at most once per
// per cent; stops the operation when the person cancels.
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
    return support::Message("Комбинаций: {}", count);
}

std::string SkippedLinesText(int skipped)
{
    return support::Message("Пропущено строк (не комбинации): {}", skipped);
}

size_t CountList(const GenerateSettings& settings)
{
    try {
        if (settings.Mode == combs::GenerateFromFile)
            return combs::CountListFile(settings.Parameters).Loaded;
        return static_cast<size_t>(combs::GeneratedCount(settings.Mode, combs::ParseMyNumbers(settings.Parameters)));
    } catch (const Error& e) {
        throw Error(support::Message("Ошибка генерации файла комбинаций!\r\r{}", e.what()));
    }
}

CombinationService::CombinationService(Workspace& workspace, const std::filesystem::path& bufferFile, bool keepUndo)
    : ws_(workspace), list_(keepUndo), buffer_(bufferFile)
{
}

// ---- new lists ---------------------------------------------------------------------

bool BuildList(Host& host, const GenerateSettings& settings, combs::CombBuffer& out)
{
    try {
        if (settings.Mode == combs::GenerateFromFile) {
            combs::LoadListFile(settings.Parameters, out);
            return true;
        }
        out.reserve(static_cast<size_t>(model::FullSetSize));
        ProgressScope progress(host, 100, true);
        int64_t shown = 0;
        return combs::GenerateCombinations(out, settings.Mode, combs::ParseMyNumbers(settings.Parameters),
                                           [&](size_t done, size_t total) {
                                               const auto position = static_cast<int64_t>(done * 100 / total);
                                               host.stepProgress(position - shown);
                                               shown = position;
                                               return !host.cancelled();
                                           });
    } catch (const Error& e) {
        out.clear();
        throw Error(support::Message("Ошибка генерации файла комбинаций!\r\r{}", e.what()));
    }
}

size_t CombinationService::ListSize() const
{
    if (made_)
        return Count();
    if (!savedListSize_) {
        savedListSize_ = 0;
        try {
            savedListSize_ = CountList(ws_.Configuration().SavedGenerateSettings());
        } catch (const Error& e) {
            ws_.Host().showError(e.what());
        }
    }
    return *savedListSize_;
}

bool CombinationService::Generate(const GenerateSettings& settings, bool userAction)
{
    made_ = true;
    Host& host = ws_.Host();
    StatusScope status(host, support::Text("Генерация возможных комбинаций..."));
    bool ok = true;
    try {
        if (settings.Mode != combs::GenerateFromFile)
            list_.reserveFullSet();
        ok = BuildList(host, settings, list_.list());
    } catch (const Error& e) {
        host.showError(e.what());
        ok = false;
    }
    if (userAction) {
        history_.Clear();
        list_.dropUndo();
    }
    return ok;
}

bool CombinationService::NewList(const GenerateSettings& settings, bool saveAsDefault)
{
    auto busy = ws_.Busy();
    if (const auto problem = combs::MyNumbersProblem(settings.Mode, settings.Parameters)) {
        ws_.Host().showError(*problem); // the current list stays
        return false;
    }
    if (saveAsDefault)
        ws_.Configuration().SaveGenerateSettings(settings);
    return Generate(settings, true);
}

std::optional<int> CombinationService::Open(const std::filesystem::path& file)
{
    auto busy = ws_.Busy();
    list_.saveUndo(); // the previous list, should the file fail
    std::optional<int> skipped;
    {
        StatusScope status(ws_.Host(), support::Message("Загрузка файла \"{}\"...", file.string()));
        try {
            skipped = static_cast<int>(combs::LoadListFile(file, list_.list()).Skipped);
            made_ = true;
        } catch (const Error& e) {
            list_.restoreUndo();
            ws_.Host().showError(e.what());
        }
    }
    list_.dropUndo();
    history_.Clear();
    return skipped;
}

bool CombinationService::Save(const std::filesystem::path& file) const
{
    if (const std::string refusal = ws_.Files().ownFileRefusal(file); !refusal.empty()) {
        ws_.Host().showError(refusal);
        return false;
    }
    StatusScope status(ws_.Host(), support::Message("Сохранение файла \"{}\"...", file.string()));
    try {
        combs::SaveListFile(file, list_.combs());
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return false;
    }
}

bool CombinationService::Paste(std::string_view text)
{
    auto busy = ws_.Busy();
    bool ok = true;
    try {
        const auto combs = combs::ParsePastedText(text);
        if (!combs.empty()) {
            list_.list().assign(combs);
            history_.Clear();
            made_ = true;
        }
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        ok = false;
    }
    list_.dropUndo();
    return ok;
}

std::string CombinationService::CopyText(std::span<const size_t> rows) const
{
    return combs::CopyText(list_.combs(), rows);
}

// ---- reductions ----------------------------------------------------------------------

bool CombinationService::ExcludeLatestDraws(int n)
{
    auto busy = ws_.Busy();
    const std::string base = support::Message("Удаление из списка комбинаций {} последних тиражей", n);
    StatusScope status(ws_.Host(), base + "...");
    PercentStatus percent(ws_.Host(), base);
    const ArchiveService& archive = ws_.Archive();
    const bool complete = combs::RemoveDrawnCombinations(
        list_, combs::LatestDraws(archive.Draws(), n, archive.Offset()), std::ref(percent));
    history_.Add(combs::HistoryIcon::Remove, support::Text("Последние тиражи"), std::to_string(n), list_.count());
    return complete;
}

void CombinationService::DeleteRows(std::span<const size_t> rows)
{
    auto busy = ws_.Busy();
    StatusScope status(ws_.Host(), support::Text("Удаление выделенных комбинаций..."));
    const size_t removed = combs::RemoveRows(list_, rows);
    history_.Add(combs::HistoryIcon::Remove, support::Text("Выделенные комбинации"), std::to_string(removed),
                 list_.count());
}

bool CombinationService::Filter(const FilterRequest& request)
{
    auto busy = ws_.Busy();
    Host& host = ws_.Host();
    PreparedFilter filter;
    try {
        filter = PrepareFilter(ws_.Registry(), request);
        if (!filter.Test)
            return false;
    } catch (const Error& e) {
        host.showError(e.what());
        return false;
    }

    StatusScope status(host, support::Text("Фильтрация комбинаций..."));
    const bool complete = combs::ApplyFilter(list_, history_, *filter.Test, filter.Selection, request.Remove,
                                             [&](size_t, size_t) { return !host.cancelled(); });
    if (!complete)
        list_.restoreUndo(); // a cancelled filter leaves the list as it was
    return complete;
}

void CombinationService::Undo()
{
    if (!list_.canUndo())
        return;
    auto busy = ws_.Busy();
    StatusScope status(ws_.Host(), support::Text("Отмена изменений..."));
    list_.restoreUndo();
    history_.RemoveLast();
}

// ---- queries ----------------------------------------------------------------------------

std::string CombinationService::DistinctNumbersMessage() const
{
    return combs::DistinctNumbersMessage(list_.combs());
}

std::string CombinationService::FindInDrawsMessage(size_t row) const
{
    if (row >= list_.count())
        return {};
    StatusScope status(ws_.Host(), support::Text("Поиск по архиву тиражей..."));
    return combs::FindInDrawsMessage(ws_.Archive().Draws(), list_.combs()[row]);
}

std::optional<bool> CombinationService::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    const bool hasCombs = Count() > 0;
    const bool row = selection.CombRows > 0;
    if (action == "CombsGen" || action == "CombsOpen" || action == "CombsCheckNums")
        return true;
    if (action == "CombsSave" || action == "CombsCopy" || action == "CombsSelectAll" || action == "CombsXlsExport")
        return hasCombs;
    if (action == "CombsUndo")
        return CanUndo();
    if (action == "CombsDelExists")
        return hasCombs && !ws_.Archive().Draws().empty() && ws_.Settings().Get(key::DrawsExclude) > 0;
    if (action == "CombsDelSelected")
        return hasCombs && row;
    if (action == "CombsPaste")
        return selection.ClipboardHasText;
    if (action == "CombsInfo" || action == "CombsFindInDraws")
        return row;
    return std::nullopt;
}

} // namespace belvane::app
