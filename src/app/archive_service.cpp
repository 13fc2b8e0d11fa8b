#include "app/archive_service.h"

#include <algorithm>
#include <map>
#include <optional>

#include "app/configuration_service.h"
#include "app/draws_list.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "app/workspace.h"
#include "model/comb_text.h"
#include "model/draws_file.h"
#include "model/layout.h"
#include "stats/custom_stat.h"
#include "stats/stat_bases.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::app {
namespace {

std::string loadErrorText(std::string_view reason)
{
    return support::Message("Ошибка чтения файла тиражей!\r\r{}", reason);
}

// A row per registry entry with a graph that the statistics table offers:
// the method's caption and its value of the numbers.
void addMethodValues(const stats::TStatList& registry, const model::TComb& numbers, int index, bool sorted,
                     std::vector<DetailsRow>& rows)
{
    for (int i = 0; i < registry.MethodCount(); ++i) {
        if (!registry.HasGraph(i) || !registry.InDrawsStat(i))
            continue;
        auto stat = registry.CreateStat(i);
        auto* graph = dynamic_cast<stats::TCustomGraphStat*>(stat.get());
        if (graph == nullptr)
            continue;
        rows.push_back({stat->Caption(), std::to_string(graph->CombValue(numbers, index, sorted, index))});
    }
}

} // namespace

// ---- loading and saving -------------------------------------------------------

bool ArchiveService::Load()
{
    ++revision_;
    const std::filesystem::path file = ws_.Files().draws();
    std::error_code ec;
    if (!std::filesystem::exists(file, ec) && !ec) {
        draws_.clear();
        loadError_.clear();
        ClampOffset();
        return true;
    }
    StatusScope status(ws_.Host(), support::Text("Загрузка файла тиражей..."));
    model::DrawsFileContent content = model::ReadDrawsFile(file);
    draws_ = std::move(content.draws);
    loadError_ = ec ? ec.message() : content.error;
    ClampOffset();
    if (!loadError_.empty()) {
        ws_.Host().showError(loadErrorText(loadError_));
        return false;
    }
    return true;
}

bool ArchiveService::Save()
{
    if (LoadFailed()) {
        // What is in memory is not the archive: saving it would replace the file with a part of it.
        ws_.Host().showError(loadErrorText(loadError_));
        return false;
    }
    StatusScope status(ws_.Host(), support::Text("Сохранение файла тиражей..."));
    try {
        model::WriteDrawsFile(ws_.Files().draws(), draws_);
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка записи в файл тиражей!\r\r{}", e.what()));
        return false;
    }
}

std::vector<int32_t> ChangedDrawNumbers(const model::TDrawsArray& before, const model::TDrawsArray& after)
{
    // Stakes are checked against the first draw with their number.
    auto firstByNumber = [](const model::TDrawsArray& draws) {
        std::map<int32_t, model::TComb> numbers;
        for (const model::TDraw& d : draws) {
            model::TComb balls = d.Balls;
            std::sort(balls.begin(), balls.end());
            numbers.emplace(d.Number, balls);
        }
        return numbers;
    };
    const auto now = firstByNumber(after);
    std::vector<int32_t> changed;
    for (const auto& [number, balls] : firstByNumber(before)) {
        const auto it = now.find(number);
        if (it == now.end() || it->second != balls)
            changed.push_back(number);
    }
    return changed;
}

std::string RecheckedStakesMessage(size_t unchecked, size_t rechecked)
{
    return support::Message("Ставки, проверенные по измененным или удаленным тиражам, снова не проверены: {}.\r\r"
                            "Проверены заново по новым данным: {}.",
                            unchecked, rechecked);
}

bool ArchiveService::Commit(model::TDrawsArray draws, bool checkStakes)
{
    if (LoadFailed()) {
        ws_.Host().showError(loadErrorText(loadError_));
        return false;
    }
    if (draws.size() > model::MaxDrawsInFile) {
        ws_.Host().showError(
            support::Message("Архив тиражей не может содержать более {} тиражей!", model::MaxDrawsInFile));
        return false;
    }
    // Stakes checked against a draw that changes or goes are put back to
    // unchecked in the same change as the archive: a stop halfway undoes both.
    StakesService& book = ws_.Stakes();
    const std::vector<int32_t> changed = ChangedDrawNumbers(draws_, draws);
    const bool uncheck = !changed.empty() && book.Count() > 0;
    std::optional<StakesChange> change = uncheck ? book.BeginChange(true) : std::nullopt;
    stakes::UncheckResult unchecked;
    if (uncheck) {
        if (!change)
            return false;
        unchecked = book.UncheckDraws(changed);
        if (unchecked.Failed)
            return false; // undone whole
    }
    draws_ = std::move(draws);
    ++revision_;
    ClampOffset();
    const bool saved = Save();
    ws_.RefreshAllViews(false);
    if (!saved)
        return false; // an open change is undone and the archive read again
    size_t checked = 0;
    if (checkStakes || unchecked.Unchecked > 0) {
        // Stakes for new or changed draws can be scored now.
        const stakes::CheckResult result = book.Check();
        if (result.Failed && change)
            return false;
        checked = result.Checked;
    }
    if (change && !change->Commit())
        return false;
    if (unchecked.Unchecked > 0) {
        const auto again = static_cast<size_t>(
            std::count_if(unchecked.DrawNumbers.begin(), unchecked.DrawNumbers.end(),
                          [this](int32_t number) { return model::IndexOfNumber(draws_, number) >= 0; }));
        ws_.Host().showInformation(RecheckedStakesMessage(unchecked.Unchecked, std::min(again, checked)));
    }
    return true;
}

// ---- the offset and the sorted view -----------------------------------------------

void ArchiveService::ClampOffset()
{
    offset_ = std::clamp(offset_, 0, std::max(static_cast<int>(draws_.size()) - 1, 0));
}

void ArchiveService::SetOffset(int offset)
{
    offset = std::clamp(offset, 0, std::max(static_cast<int>(draws_.size()) - 1, 0));
    if (offset == offset_)
        return;
    offset_ = offset;
    ws_.RefreshAllViews(false);
}

bool ArchiveService::Sorted() const
{
    return ws_.Settings().Flag(key::SortedDraws);
}

void ArchiveService::ToggleSorted()
{
    ws_.SetSetting(key::SortedDraws, Sorted() ? 0 : 1);
    ws_.RefreshAllViews(true);
}

std::string ArchiveService::ArchivePanelText() const
{
    return ArchiveCountText(draws_.size());
}

int ArchiveService::NextDrawNumber() const
{
    return model::NextDrawNumber(draws_, offset_);
}

std::string ArchiveService::NextDrawPanelText() const
{
    if (draws_.empty())
        return NextDrawNumberText(1);
    // Counted wide: the draw after the largest number a record holds is shown, not wrapped.
    return NextDrawNumberText(static_cast<int64_t>(DrawAtRow(draws_, offset_).Number) + 1);
}

std::string ArchiveService::OffsetDrawPanelText() const
{
    // The draw just above the offset row: the first one the statistics do not see.
    if (offset_ == 0 || offset_ > static_cast<int>(draws_.size()))
        return {};
    return model::CombToListText(model::ViewBalls(DrawAtRow(draws_, offset_ - 1), Sorted()));
}

// ---- editing ------------------------------------------------------------------------

model::TDraw ArchiveService::NewDraw() const
{
    model::TDraw d;
    d.Number = std::max(model::NextDrawNumber(draws_, 0), 0);
    d.setDate(model::Today());
    return d;
}

std::string ArchiveService::NoNextDrawNumberText()
{
    return support::Message("Номер последнего тиража - наибольший возможный ({}): номер нового тиража укажите явно!",
                            model::MaxDrawNumber);
}

bool ArchiveService::RefuseBadDraw(const model::TDraw& draw, int index)
{
    std::string message;
    if (draw.Number <= 0)
        message = support::Message("Некорректный номер тиража: {}!", draw.Number);
    else if (const int other = FindDrawIndex(draw.Number); other >= 0 && other != index)
        message = support::Message("Тираж {} уже есть в архиве!", draw.Number);
    else if (!draw.dateText().empty() && !model::ParseDrawDate(draw.dateText()))
        message = support::Message("Некорректная дата тиража: \"{}\"!", draw.dateText());
    if (message.empty())
        return false;
    ws_.Host().showError(message);
    return true;
}

bool ArchiveService::AddDraw(const model::TDraw& draw)
{
    auto busy = ws_.Busy();
    if (RefuseBadDraw(draw, -1))
        return false;
    model::TDrawsArray draws = draws_;
    draws.push_back(draw);
    return Commit(std::move(draws));
}

bool ArchiveService::ReplaceDraw(int index, const model::TDraw& draw)
{
    auto busy = ws_.Busy();
    if (index < 0 || index >= static_cast<int>(draws_.size()))
        throw Error(support::Message("Запись со индексом {} в файле данных не найдена!", index));
    if (RefuseBadDraw(draw, index))
        return false;
    model::TDrawsArray draws = draws_;
    draws[static_cast<size_t>(index)] = draw;
    return Commit(std::move(draws));
}

bool ArchiveService::DeleteDrawRows(std::span<const int> rows)
{
    if (rows.empty())
        return false;
    if (!ws_.Host().askYesNo(support::Text(CaptionCaution), DeleteRowsQuestion(rows.size()), false))
        return false;
    // Rows name draws by the number in their first column.
    std::vector<int> numbers;
    for (int row : rows)
        if (row >= 0 && row < static_cast<int>(draws_.size()))
            numbers.push_back(DrawAtRow(draws_, row).Number);
    try {
        return DeleteDrawNumbers(numbers);
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return false;
    }
}

bool ArchiveService::DeleteDrawNumbers(std::span<const int> numbers)
{
    auto busy = ws_.Busy();
    model::TDrawsArray kept = draws_;
    for (int number : numbers) {
        const int index = model::IndexOfNumber(kept, number);
        if (index < 0)
            throw Error(support::Message("Тираж {} не найден в архиве!", number));
        model::DeleteDraw(kept, index);
    }
    StatusScope status(ws_.Host(), support::Text("Удаление выделенных тиражей...."));
    return Commit(std::move(kept));
}

void ArchiveService::DeleteDrawAt(int index)
{
    model::DeleteDraw(draws_, index);
    ++revision_;
    ClampOffset();
}

bool ArchiveService::ReplaceArchive(model::TDrawsArray draws)
{
    auto busy = ws_.Busy();
    return Commit(std::move(draws));
}

bool ArchiveService::AppendDownloaded(const model::TDrawsArray& newDraws)
{
    auto busy = ws_.Busy();
    model::TDrawsArray draws = draws_;
    draws.insert(draws.end(), newDraws.begin(), newDraws.end());
    return Commit(std::move(draws), false);
}

std::optional<DrawsCsvImport> ArchiveService::Import(const std::filesystem::path& csv)
{
    auto busy = ws_.Busy();
    StatusScope status(ws_.Host(), support::Message("Импорт тиражей из файла \"{}\"...", csv.string()));
    model::TDrawsArray draws = draws_;
    const std::optional<DrawsCsvImport> result = ImportDrawsCsv(ws_.Host(), csv, draws);
    if (!result || !Commit(std::move(draws)))
        return std::nullopt;
    return result;
}

std::optional<int> ArchiveService::Export(const std::filesystem::path& csv)
{
    auto busy = ws_.Busy();
    if (const std::string refusal = ws_.Files().ownFileRefusal(csv); !refusal.empty()) {
        ws_.Host().showError(refusal);
        return std::nullopt;
    }
    return ExportDrawsCsv(ws_.Host(), csv, draws_);
}

// ---- the details window ----------------------------------------------------------------

std::vector<DetailsRow> ArchiveService::DrawDetails(int row) const
{
    std::vector<DetailsRow> rows;
    if (row < 0 || row >= static_cast<int>(draws_.size()))
        return rows;
    const model::TDraw& draw = DrawAtRow(draws_, row);
    rows.push_back({support::Text("Номер тиража:"), std::to_string(draw.Number)});
    rows.push_back({support::Text("Дата тиража:"), std::string(draw.dateText())});

    addMethodValues(ws_.Registry(), model::ViewBalls(draw, Sorted()), model::IndexAtDistance(draws_, row), Sorted(),
                    rows);
    return rows;
}

std::vector<DetailsRow> ArchiveService::CombinationDetails(const model::TComb& numbers) const
{
    // A combination stands where the draw after the offset row would be.
    std::vector<DetailsRow> rows;
    const int index = model::IndexAtDistance(draws_, offset_) + 1;
    addMethodValues(ws_.Registry(), numbers, index, Sorted(), rows);
    return rows;
}

std::vector<std::vector<CardCell>> ArchiveService::Card(const model::TComb& numbers, int columns) const
{
    columns = std::clamp(columns, 1, model::MaxNumber);
    const int rowsCount = model::CeilDiv(model::MaxNumber, columns);
    std::vector<std::vector<CardCell>> card(static_cast<size_t>(rowsCount), std::vector<CardCell>(columns));
    const int channelSize = ws_.Configuration().Data().ChannelSize;
    for (int n = model::MinNumber; n <= model::MaxNumber; ++n) {
        CardCell& cell = card[static_cast<size_t>((n - 1) / columns)][static_cast<size_t>((n - 1) % columns)];
        cell.Number = n;
        cell.Marked = std::find(numbers.begin(), numbers.end(), n) != numbers.end();
        cell.Channel = model::ChannelOf(n, channelSize);
    }
    return card;
}

std::optional<bool> ArchiveService::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    const bool row = selection.DrawRows > 0;
    if (action == "DrawsInfo" || action == "DrawsEdit" || action == "DrawsDel")
        return row;
    if (action == "DrawsAdd" || action == "DrawsSorted" || action == "DrawsImport")
        return true;
    if (action == "DrawsExport" || action == "DrawsXlsExport")
        return !draws_.empty();
    return std::nullopt;
}

} // namespace belvane::app
