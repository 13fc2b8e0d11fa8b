// The draws archive of the workspace: the list, the offset, adding, editing
// and deleting draws, import and export, and the details window.

#include <algorithm>
#include <fmt/format.h>

#include "app/draws_archive.h"
#include "app/draws_list.h"
#include "app/host.h"
#include "app/workspace.h"
#include "model/comb_text.h"
#include "model/layout.h"
#include "stats/custom_stat.h"
#include "stats/stat_bases.h"

namespace belvane::app {

void Workspace::SetDrawsOffset(int offset)
{
    offset = std::max(offset, 0);
    if (offset == offset_)
        return;
    offset_ = offset;
    RefreshAllViews(false);
}

void Workspace::ToggleSortedDraws()
{
    settings_.Set("SortedDraws", SortedDraws() ? 0 : 1);
    RefreshAllViews(true);
}

std::string Workspace::ArchivePanelText() const
{
    return ArchiveCountText(draws_.size());
}

int Workspace::NextDrawNumber() const
{
    return model::NextDrawNumber(draws_, offset_);
}

std::string Workspace::NextDrawPanelText() const
{
    // Beyond the archive there is no draw at the offset row; the next one is then the first.
    const int next = NextDrawNumber();
    return NextDrawNumberText(next < 0 ? 1 : next);
}

std::string Workspace::OffsetDrawPanelText() const
{
    // The draw just above the offset row: the first one the statistics do not see.
    if (offset_ == 0 || offset_ > static_cast<int>(draws_.size()))
        return {};
    return model::CombToListText(model::ViewBalls(DrawAtRow(draws_, offset_ - 1), SortedDraws()));
}

void Workspace::DeleteDrawAt(int index)
{
    model::DeleteDraw(draws_, index);
}

model::TDraw Workspace::NewDraw() const
{
    model::TDraw d;
    d.Number = model::NextDrawNumber(draws_, 0);
    d.setDate(model::Today());
    return d;
}

bool Workspace::LoadArchive()
{
    return LoadDraws(host_, files_.draws(), draws_);
}

bool Workspace::SaveArchive()
{
    return SaveDraws(host_, files_.draws(), draws_);
}

bool Workspace::AddDraw(const model::TDraw& draw)
{
    auto busy = Busy();
    draws_.push_back(draw);
    const bool saved = SaveArchive();
    RefreshAllViews(false);
    return saved;
}

bool Workspace::ReplaceDraw(int index, const model::TDraw& draw)
{
    auto busy = Busy();
    if (index < 0 || index >= static_cast<int>(draws_.size()))
        throw Error(fmt::format("Запись со индексом {} в файле данных не найдена!", index));
    draws_[static_cast<size_t>(index)] = draw;
    const bool saved = SaveArchive();
    RefreshAllViews(false);
    return saved;
}

bool Workspace::DeleteDrawRows(std::span<const int> rows)
{
    if (rows.empty())
        return false;
    const std::string question =
        rows.size() == 1
            ? std::string("Удалить выделенную запись?")
            : fmt::format("Удалить все выделенные записи (всего будет удалено {} записи(ей))?", rows.size());
    if (!host_.askYesNo(CaptionCaution, question, false))
        return false;

    // Rows name draws by the number in their first column.
    std::vector<int> numbers;
    for (int row : rows)
        if (row >= 0 && row < static_cast<int>(draws_.size()))
            numbers.push_back(DrawAtRow(draws_, row).Number);
    try {
        return DeleteDrawNumbers(numbers);
    } catch (const Error& e) {
        host_.showError(e.what());
        return false;
    }
}

bool Workspace::DeleteDrawNumbers(std::span<const int> numbers)
{
    auto busy = Busy();
    model::TDrawsArray kept = draws_;
    for (int number : numbers)
        model::DeleteDraw(kept, model::IndexOfNumber(kept, number)); // throws for a number not there
    bool saved = false;
    {
        StatusScope status(host_, "Удаление выделенных тиражей....");
        draws_ = std::move(kept);
        saved = SaveArchive();
    }
    RefreshAllViews(false);
    return saved;
}

bool Workspace::ReplaceArchive(model::TDrawsArray draws)
{
    auto busy = Busy();
    draws_ = std::move(draws);
    const bool saved = SaveArchive();
    RefreshAllViews(false);
    return saved;
}

std::optional<DrawsCsvImport> Workspace::ImportDraws(const std::filesystem::path& csv)
{
    auto busy = Busy();
    auto result = ImportDrawsCsv(host_, csv, files_.draws(), draws_);
    RefreshAllViews(false);
    return result;
}

std::optional<int> Workspace::ExportDraws(const std::filesystem::path& csv)
{
    auto busy = Busy();
    return ExportDrawsCsv(host_, csv, draws_);
}

namespace {

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

std::vector<DetailsRow> Workspace::DrawDetails(int row) const
{
    std::vector<DetailsRow> rows;
    if (row < 0 || row >= static_cast<int>(draws_.size()))
        return rows;
    const model::TDraw& draw = DrawAtRow(draws_, row);
    rows.push_back({"Номер тиража:", std::to_string(draw.Number)});
    rows.push_back({"Дата тиража:", std::string(draw.dateText())});
    addMethodValues(registry_, model::ViewBalls(draw, SortedDraws()), model::IndexAtDistance(draws_, row),
                    SortedDraws(), rows);
    return rows;
}

std::vector<DetailsRow> Workspace::CombinationDetails(const model::TComb& numbers) const
{
    // A combination stands where the draw after the offset row would be.
    std::vector<DetailsRow> rows;
    const int index = model::IndexAtDistance(draws_, offset_) + 1;
    addMethodValues(registry_, numbers, index, SortedDraws(), rows);
    return rows;
}

std::vector<std::vector<CardCell>> Workspace::Card(const model::TComb& numbers, int columns) const
{
    columns = std::clamp(columns, 1, model::MaxNumber);
    const int rowsCount = model::CeilDiv(model::MaxNumber, columns);
    std::vector<std::vector<CardCell>> card(static_cast<size_t>(rowsCount), std::vector<CardCell>(columns));
    for (int n = model::MinNumber; n <= model::MaxNumber; ++n) {
        CardCell& cell = card[static_cast<size_t>((n - 1) / columns)][static_cast<size_t>((n - 1) % columns)];
        cell.Number = n;
        cell.Marked = std::find(numbers.begin(), numbers.end(), n) != numbers.end();
        cell.Channel = model::ChannelOf(n, registry_.Config().ChannelSize);
    }
    return card;
}

} // namespace belvane::app
