#include "app/tables_service.h"

#include <algorithm>
#include <fmt/format.h>
#include <utility>

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "app/workspace.h"
#include "scenario/run_texts.h"
#include "stakes/regular_shift.h"
#include "stakes/stake_dialogs.h"
#include "stats/config_data.h"
#include "support/error.h"
#include "support/host.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::app {
namespace {

std::string missingRecordText(size_t index)
{
    return support::Message("Запись со индексом {} в файле данных не найдена!", index);
}

// Rows in list order, each once.
std::vector<size_t> listOrder(std::span<const size_t> rows)
{
    std::vector<size_t> sorted(rows.begin(), rows.end());
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}

model::TComb ascending(model::TComb comb)
{
    std::sort(comb.begin(), comb.end());
    return comb;
}

// The test moves the offset with the views' refresh held back; both are as
// they were once it is over, however it ends.
class OffsetRestorer {
public:
    explicit OffsetRestorer(Workspace& ws)
        : ws_(ws), offset_(ws.Archive().Offset()), suppressed_(std::exchange(ws.RefreshSuppressed, true))
    {
    }
    OffsetRestorer(const OffsetRestorer&) = delete;
    OffsetRestorer& operator=(const OffsetRestorer&) = delete;
    ~OffsetRestorer()
    {
        try {
            ws_.Archive().SetOffset(offset_); // refreshes nothing while suppressed
        } catch (...) {
            // The offset is a plain value; nothing else can be done here.
        }
        ws_.RefreshSuppressed = suppressed_;
    }

private:
    Workspace& ws_;
    int offset_;
    bool suppressed_;
};

} // namespace

bool TablesService::Visible() const
{
    return ws_.Settings().Flag(key::TabTables);
}

void TablesService::SetVisible(bool visible)
{
    ws_.SetSetting(key::TabTables, visible ? 1 : 0);
    if (Visible())
        Load();
    else
        records_.clear();
}

std::array<std::string, stakes::TablesColumnCount> TablesService::RowTexts(size_t row) const
{
    return stakes::RegularRowTexts(records_.at(row));
}

std::vector<std::string> TablesService::Comments() const
{
    std::vector<std::string> comments;
    comments.reserve(records_.size());
    for (const stakes::RegularStake& r : records_)
        comments.push_back(r.Comment);
    return comments;
}

void TablesService::Load()
{
    records_.clear();
    if (!Visible())
        return;
    const std::filesystem::path file = ws_.Files().tables();
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return;
    StatusScope status(ws_.Host(), support::Text(stakes::LoadTablesStatus));
    try {
        records_ = stakes::ReadTablesFile(file);
        loadFailed_ = false;
    } catch (const Error& e) {
        records_.clear();
        loadFailed_ = true;
        ws_.Host().showError(stakes::TablesReadErrorText(e.what()));
    }
}

bool TablesService::Save()
{
    if (!Visible())
        return true;
    const std::filesystem::path file = ws_.Files().tables();
    StatusScope status(ws_.Host(), support::Text(stakes::SaveTablesStatus));
    try {
        if (loadFailed_) {
            // The file that could not be read stays readable beside the new one.
            std::filesystem::path bad = file;
            bad += stakes::BadTablesExtension;
            std::error_code ec;
            std::filesystem::copy_file(file, bad, std::filesystem::copy_options::overwrite_existing, ec);
            if (ec && std::filesystem::exists(file))
                throw Error(fmt::format("{}: {}", bad.filename().string(), ec.message()));
            loadFailed_ = false;
        }
        stakes::WriteTablesFile(file, records_);
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(stakes::TablesWriteErrorText(e.what()));
        return false;
    }
}

bool TablesService::RequireVisible() const
{
    if (Visible())
        return true;
    ws_.Host().showError(support::Text(TablesHiddenMessage));
    return false;
}

stakes::RegularStake TablesService::PrepareNew(std::span<const size_t> combRows) const
{
    stakes::RegularStake r;
    r.Comment = std::string(stakes::DefaultRegularComment);
    r.Base = stakes::RegularBase::Combination;
    r.Step = 1;
    const auto combs = ws_.Combinations().Combs();
    if (combRows.size() == 1 && combRows.front() < combs.size())
        r.Start = r.Current = ascending(combs[combRows.front()]);
    return r;
}

bool TablesService::Add(const RegularAddRequest& request, std::span<const size_t> combRows)
{
    auto busy = ws_.Busy();
    if (!RequireVisible())
        return false;
    Host& host = ws_.Host();
    StatusScope status(host, support::Text(stakes::AddTablesStatus));
    std::vector<stakes::RegularStake> added;
    try {
        if (text::trim(request.Comment).empty())
            throw Error(support::Text(stakes::EmptyCommentMessage));
        if (request.Step < stakes::MinRegularStep || request.Step > stakes::MaxRegularStep)
            throw Error(
                support::Message("Шаг должен быть от {} до {}!", stakes::MinRegularStep, stakes::MaxRegularStep));
        const auto combs = ws_.Combinations().Combs();
        const std::vector<size_t> rows = listOrder(combRows);
        for (size_t row : rows)
            if (row >= combs.size())
                throw Error(missingRecordText(row));
        stakes::RegularStake base;
        base.Comment = request.Comment;
        base.Base = request.Base;
        base.Step = request.Step;
        if (request.Base == stakes::RegularBase::LastDraw || rows.size() <= 1) {
            if (request.Start) {
                base.Start = ascending(*request.Start);
            } else if (rows.size() == 1) {
                base.Start = ascending(combs[rows.front()]);
            } else if (request.Base == stakes::RegularBase::LastDraw) {
                // The draw its first stake would shift is where it starts from.
                const auto newest = stakes::NewestVisibleNumbers(ws_.Archive().Draws(), ws_.Archive().Offset());
                if (!newest)
                    throw Error(support::Text(stakes::EmptyArchiveBaseMessage));
                base.Start = *newest;
            } else {
                throw Error(support::Text(stakes::InvalidStakeMessage)); // nothing to start from
            }
            base.Current = base.Start;
            if (stakes::RegularStakeFault(base))
                throw Error(support::Text(stakes::InvalidStakeMessage));
            added.push_back(base);
        } else {
            for (size_t row : rows) {
                stakes::RegularStake r = base;
                r.Comment = stakes::NumberedRegularComment(request.Comment, row + 1);
                r.Start = r.Current = ascending(combs[row]);
                if (stakes::RegularStakeFault(r))
                    throw Error(support::Text(stakes::InvalidStakeMessage));
                added.push_back(std::move(r));
            }
        }
        std::vector<std::string> comments = Comments();
        for (const stakes::RegularStake& r : added) {
            if (stakes::RegularCommentTaken(comments, r.Comment))
                throw Error(support::Text(stakes::DuplicateRegularCommentMessage));
            comments.push_back(r.Comment);
        }
    } catch (const Error& e) {
        host.showError(e.what());
        return false;
    }
    records_.insert(records_.end(), added.begin(), added.end());
    return Save();
}

bool TablesService::Delete(std::span<const size_t> rows)
{
    auto busy = ws_.Busy();
    if (!RequireVisible())
        return false;
    const std::vector<size_t> sorted = listOrder(rows);
    if (sorted.empty())
        return false;
    if (sorted.back() >= records_.size()) {
        ws_.Host().showError(missingRecordText(sorted.back()));
        return false;
    }
    {
        StatusScope status(ws_.Host(), support::Text(stakes::DeleteTablesStatus));
        for (auto it = sorted.rbegin(); it != sorted.rend(); ++it)
            records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(*it));
    }
    return Save();
}

std::optional<PreparedRegularStake> TablesService::PrepareStake(size_t row) const
{
    if (!RequireVisible())
        return std::nullopt;
    if (row >= records_.size()) {
        ws_.Host().showError(missingRecordText(row));
        return std::nullopt;
    }
    try {
        PreparedRegularStake prepared;
        prepared.Row = row;
        prepared.Advanced = records_[row];
        const model::TComb comb =
            stakes::NextRegularComb(prepared.Advanced, ws_.Archive().Draws(), ws_.Archive().Offset());
        stakes::AdvanceRegular(prepared.Advanced, comb);
        prepared.Stake = stakes::MakeStake(
            stakes::StakeKind::Regular, ws_.Stakes().NextDrawNumber(), comb,
            static_cast<int32_t>(ws_.Combinations().ListSize()), prepared.Advanced.Comment,
            stats::SystemStakeCost(ws_.Configuration().Data(), model::BallCount, stakes::UncheckedMatches));
        return prepared;
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return std::nullopt;
    }
}

bool TablesService::MakeStake(const PreparedRegularStake& prepared, const stakes::StakeRecord& stake, int drawsCount)
{
    auto busy = ws_.Busy();
    if (!RequireVisible())
        return false;
    // The list may have changed since the stake was prepared.
    if (prepared.Row >= records_.size() ||
        !stakes::SameRegularComment(records_[prepared.Row].Comment, prepared.Advanced.Comment)) {
        ws_.Host().showError(missingRecordText(prepared.Row));
        return false;
    }
    // The stake and the regular stake's next step are kept together or not at all.
    auto change = ws_.Stakes().BeginChange();
    if (!change)
        return false;
    if (!ws_.Stakes().AddStake(stake, drawsCount))
        return false;
    const stakes::RegularStake before = records_[prepared.Row];
    records_[prepared.Row] = prepared.Advanced;
    if (Save() && change->Commit())
        return true;
    records_[prepared.Row] = before;
    return false;
}

std::optional<int> TablesService::AskTestCount()
{
    const auto range = scenario::TestCountRangeFor(static_cast<int>(ws_.Archive().Draws().size()));
    if (!range)
        return std::nullopt;
    return ws_.Host().askNumber(support::Text(scenario::TestCountCaption), support::Text(scenario::TestCountPrompt),
                                range->Default, range->Min, range->Max);
}

RegularTestResult TablesService::Test(int count, std::span<const size_t> rows)
{
    auto busy = ws_.Busy();
    RegularTestResult result;
    Host& host = ws_.Host();
    if (!RequireVisible()) {
        result.Failed = true;
        return result;
    }
    const auto range = scenario::TestCountRangeFor(static_cast<int>(ws_.Archive().Draws().size()));
    const std::vector<size_t> selected = listOrder(rows);
    std::string refusal;
    if (!range)
        refusal = support::Text("Для теста в архиве должно быть не менее двух тиражей!");
    else if (count < range->Min || count > range->Max)
        refusal = support::Message("Количество тестов должно быть от {} до {}!", range->Min, range->Max);
    else if (!selected.empty() && selected.back() >= records_.size())
        refusal = missingRecordText(selected.back());
    if (!refusal.empty()) {
        host.showError(refusal);
        result.Failed = true;
        return result;
    }
    if (selected.empty())
        return result;

    StatusScope status(host, support::Text(stakes::TestTablesStatus));
    OffsetRestorer restorer(ws_);
    struct Planned {
        size_t Row;
        stakes::RegularStake After; // the regular stake once this stake is in the file
        stakes::StakeRecord Stake;
    };
    std::vector<Planned> planned;
    try {
        std::vector<stakes::RegularStake> moving = records_;
        const stats::TConfigData& config = ws_.Configuration().Data();
        const Money cost = stats::SystemStakeCost(config, model::BallCount, stakes::UncheckedMatches);
        ProgressScope progress(host, static_cast<int64_t>(count) * static_cast<int64_t>(selected.size()), true);
        ArchiveService& archive = ws_.Archive();
        planned.reserve(static_cast<size_t>(count) * selected.size());
        for (int offset = count; offset >= 1 && !result.Cancelled; --offset) {
            archive.SetOffset(offset);
            const int32_t draw = ws_.Stakes().NextDrawNumber();
            const auto listSize = static_cast<int32_t>(ws_.Combinations().ListSize());
            for (size_t row : selected) {
                if (progress.cancelled()) {
                    result.Cancelled = true;
                    break;
                }
                stakes::RegularStake& regular = moving[row];
                const model::TComb comb = stakes::NextRegularComb(regular, archive.Draws(), archive.Offset());
                stakes::AdvanceRegular(regular, comb);
                planned.push_back(
                    {row, regular,
                     stakes::MakeStake(stakes::StakeKind::Regular, draw, comb, listSize, regular.Comment, cost)});
                progress.step();
            }
        }
    } catch (const std::exception& e) {
        host.showError(e.what());
        result.Failed = true;
    }
    if (result.Cancelled || result.Failed)
        return result;

    // The stakes in the order they were made, the regular stakes moved on and
    // the check are one change: the first stake that cannot be added ends the
    // test and undoes it whole.
    auto change = ws_.Stakes().BeginChange();
    if (!change) {
        result.Failed = true;
        return result;
    }
    const std::vector<stakes::RegularStake> before = records_;
    stakes::StakesFile& file = ws_.Stakes().File();
    const size_t firstNew = file.IsOpen() ? file.RecordCount() : 0;
    try {
        for (const Planned& p : planned) {
            file.Append(p.Stake);
            records_[p.Row] = p.After;
            ++result.Stakes;
        }
    } catch (const Error& e) {
        host.showError(e.what());
        result.Failed = true;
    }
    if (!result.Failed && result.Stakes > 0 && !Save())
        result.Failed = true;
    if (!result.Failed && ws_.Stakes().Check(firstNew).Failed)
        result.Failed = true;
    if (!result.Failed && !change->Commit())
        result.Failed = true;
    if (result.Failed) {
        records_ = before;
        result.Stakes = 0;
    }
    return result;
}

std::optional<bool> TablesService::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    const bool shown = Visible();
    const bool stakesOpen = ws_.Stakes().File().IsOpen();
    if (action == "TablesAdd")
        return shown;
    if (action == "TablesDel")
        return shown && selection.TableRows > 0;
    if (action == "TablesStakeAdd")
        return shown && stakesOpen && selection.TableCurrent >= 0 &&
               static_cast<size_t>(selection.TableCurrent) < records_.size();
    if (action == "TablesStakeTest")
        return shown && stakesOpen && selection.TableRows > 0 && ws_.Archive().Draws().size() >= 2;
    if (action == "TabTables")
        return true;
    return std::nullopt;
}

} // namespace belvane::app
