#include "app/scenario_runner.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <random>
#include <unordered_set>

#include "app/archive_service.h"
#include "app/configuration_service.h"
#include "app/filter_request.h"
#include "app/runner_lists.h"
#include "app/runner_stakes.h"
#include "app/runner_tables.h"
#include "app/stakes_service.h"
#include "app/statistics_service.h"
#include "app/workspace.h"
#include "combs/comb_set.h"
#include "combs/filter.h"
#include "scenario/filter_variants.h"
#include "scenario/row_condition.h"
#include "scenario/run_log.h"
#include "scenario/run_log_writer.h"
#include "scenario/run_observer.h"
#include "scenario/run_texts.h"
#include "scenario/script_codes.h"
#include "scenario/script_line.h"
#include "stakes/random_stakes.h"
#include "stakes/stake_access.h"
#include "stats/custom_stat.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/host.h"
#include "support/random_index.h"
#include "support/text.h"
#include "support/translation.h"
#include "systems/system_play.h"

namespace belvane::app {
namespace {

using namespace scenario;

// The size of a file; nullopt when there is none.
std::optional<uint64_t> sizeIfExists(const std::filesystem::path& path)
{
    std::error_code ec;
    const uintmax_t size = std::filesystem::file_size(path, ec);
    return ec ? std::nullopt : std::optional<uint64_t>(size);
}

// Puts a file that was appended to back to its size (removes it when there
// was none). At worst the lines stay: nothing else depends on them.
void cutBack(const std::filesystem::path& path, std::optional<uint64_t> size)
{
    std::error_code ec;
    if (size)
        std::filesystem::resize_file(path, *size, ec);
    else
        std::filesystem::remove(path, ec);
}

// The many-stake modes refresh their panels at most this often.
constexpr auto kPanelInterval = std::chrono::milliseconds(101);
// A line's share of the run's gauge.
constexpr int64_t kGaugeLineSteps = 1000;

TStatValues statValues(const DrawsStatRow& row)
{
    TStatValues v;
    v.Caption = row.Cells[StatColValue];
    v.Count = row.Cells[StatColCount];
    v.CountPercent = row.Cells[StatColCountPercent];
    v.Deviation = row.Cells[StatColDeviation];
    v.DeviationPercent = row.Cells[StatColDeviationPercent];
    v.Depth = row.Cells[StatColAgo];
    v.DepthPercent = row.Cells[StatColAgoPercent];
    v.Weight = row.Cells[StatColWeight];
    v.PeriodMin = row.Cells[StatColMinGap];
    v.Period = row.Cells[StatColPeriod];
    v.PeriodMax = row.Cells[StatColMaxGap];
    return v;
}

// The table's column a condition reads.
int statColumn(RowColumn column)
{
    switch (column) {
    case RowColumn::Count:
        return StatColCount;
    case RowColumn::CountPercent:
        return StatColCountPercent;
    case RowColumn::Deviation:
        return StatColDeviation;
    case RowColumn::DeviationPercent:
        return StatColDeviationPercent;
    case RowColumn::Depth:
        return StatColAgo;
    case RowColumn::DepthPercent:
        return StatColAgoPercent;
    case RowColumn::Weight:
        return StatColWeight;
    case RowColumn::PeriodMin:
        return StatColMinGap;
    case RowColumn::Period:
        return StatColPeriod;
    case RowColumn::PeriodMax:
        return StatColMaxGap;
    case RowColumn::None:
        break;
    }
    return StatColValue;
}

RowTexts rowTexts(const DrawsStatRow& row)
{
    return {row.Cells[StatColValue],
            row.Cells[StatColCount],
            row.Cells[StatColCountPercent],
            row.Cells[StatColDeviation],
            row.Cells[StatColDeviationPercent],
            row.Cells[StatColAgo],
            row.Cells[StatColAgoPercent],
            row.Cells[StatColWeight]};
}

// One run: the state it keeps from its start to its end.
class OneRun {
public:
    // `logFile`: where the run log goes; empty: no log.
    OneRun(Workspace& ws, std::atomic<bool>& stopRequested, std::mt19937_64& random,
           const ScenarioRunSettings& settings, std::filesystem::path logFile)
        : ws_(ws), registry_(ws.Registry()), stopRequested_(stopRequested), random_(random),
          control_(settings.Seed ? *settings.Seed ^ 0x9E3779B97F4A7C15ULL : std::random_device{}()),
          settings_(settings), logFile_(std::move(logFile)), lists_(ws), tables_(ws), stakes_(ws), observer_(&silent_)
    {
    }

    ScenarioRunResult Execute(std::span<const std::string> lines, std::optional<int> testCount);

private:
    // ---- the steps ------------------------------------------------------------------
    void runAllLines(std::span<const std::string> lines);
    void runLine(int index, const std::string& line);
    // Returns false when a stop ended it.
    bool buildStart(const TScriptOptions& options);
    // Applies the variant's filters from slot `from` on; the lists after the
    // first `keep` slots are kept for the next variant.
    void applyFilters(const TFilterRec& rec, int from, int keep, const std::vector<TFilterItem>& items);
    void applyPart(const TFilterPart& part, const TFilterItem& item);
    // Keeps or deletes the combinations having the rows' values; false when
    // that would have left none (the list is then as it was).
    bool applyRows(const TFilterPart& part, const DrawsStatTable& table, std::span<const DrawsStatRow* const> rows);
    // The failure of a condition whose column has no value in any row.
    std::string columnWithoutValues(const TFilterPart& part) const;
    void makeStakes(const TScriptOptions& options, int lineNumber, std::string_view text, std::string_view lineComment,
                    int variant);
    void stakeCombinations(const TScriptOptions& options, std::string_view comment);
    // The control of one offset: `count` random stakes from the full set.
    void stakeControl(int count);
    void checkStakes()
    {
        if (!stakes_.Check())
            fail();
    }
    // A stake, a check or a log that could not be written: the run ends, and
    // everything it wrote is undone, its log too.
    void fail()
    {
        stop_ = true;
        result_.Failed = true;
        writeFailed_ = true;
    }

public:
    bool WriteFailed() const { return writeFailed_; }

private:
    // ---- the stop flag, the follower, the panels -------------------------------------------
    // The stop check: true once the run is to stop. The person's "Стоп" is
    // told here, by the run itself.
    bool stopped()
    {
        if (settings_.Poll)
            settings_.Poll();
        Host& host = ws_.Host();
        if (!stop_ && (stopRequested_ || host.cancelled())) {
            stop_ = true;
            observer_->RunStopped();
            // "Отмена" of the progress window is this run's stop ("Стоп" is
            // then off): the checks that finish the run still go through.
            stopRequested_ = true;
            host.clearCancel();
        }
        return stop_;
    }
    // The gauge: passes, then lines, then the variants of the line.
    void moveGauge(int variant, int variants)
    {
        const int64_t done = static_cast<int64_t>(pass_) * lineCount_ + lineIndex_;
        const int64_t part = variants > 0 ? static_cast<int64_t>(variant) * kGaugeLineSteps / variants : 0;
        ws_.Host().moveHeldProgress(done * kGaugeLineSteps + part);
    }
    void showPanels() { ws_.Host().showScriptPanels(panels_); }
    void activity(std::string text)
    {
        panels_.Activity = std::move(text);
        showPanels();
    }

    Workspace& ws_;
    const stats::TStatList& registry_;
    std::atomic<bool>& stopRequested_;
    std::mt19937_64& random_;
    // The control's own engine, so that RAND picks the same with and without it.
    std::mt19937_64 control_;
    ScenarioRunSettings settings_;
    std::filesystem::path logFile_;
    bool writeFailed_ = false;
    RunnerLists lists_;
    RunnerTables tables_;
    RunnerStakes stakes_;
    RunObserver silent_;                 // follows nothing: the run without a log
    std::optional<RunLogWriter> logger_; // the run log, when one is written
    RunObserver* observer_;              // who is told every step: the log or no one
    ScriptPanels panels_;
    int pass_ = 0;      // passes finished
    int lineIndex_ = 0; // the line being run (0-based)
    int64_t lineCount_ = 1;
    ScenarioRunResult result_;
    std::unordered_set<std::string> comments_;
    bool stop_ = false;
    bool manyAgreed_ = false; // the person agreed to a result's many stakes: the run asks no more
};

ScenarioRunResult OneRun::Execute(std::span<const std::string> lines, std::optional<int> testCount)
{
    Host& host = ws_.Host();
    StatusScope status(host, support::Text(RunningStatus));
    // The views are shown again when the run is over, not at every offset.
    const bool suppressed = std::exchange(ws_.RefreshSuppressed, true);
    if (!logFile_.empty()) {
        observer_ = &logger_.emplace(host, logFile_);
        result_.LogFile = logger_->Path();
    }
    observer_->RunStarted();
    panels_ = {};
    panels_.Cycle = testCount ? 0 : 1;
    activity(support::Text(RunningStatus));
    // One window from the start to the end, whatever the steps open and
    // close; its "Отмена" stops the run as "Стоп" does.
    lineCount_ = std::max<int64_t>(static_cast<int64_t>(lines.size()), 1);
    std::optional<HeldProgressScope> gauge;
    if (!host.progressOpen() && !host.progressHeld())
        gauge.emplace(host, lineCount_ * kGaugeLineSteps * (testCount ? *testCount : 1), true);

    ArchiveService& archive = ws_.Archive();
    if (!testCount) {
        observer_->OffsetStarted(archive.Offset());
        runAllLines(lines);
    } else {
        const int start = archive.Offset();
        for (int cycle = 1; cycle <= *testCount; ++cycle) {
            const int offset = *testCount - cycle + 1; // the oldest test first
            panels_.Cycle = cycle;
            pass_ = cycle - 1;
            activity(support::Text(RunningStatus));
            if (stopped())
                break;
            archive.SetOffset(offset);
            if (stopped())
                break;
            observer_->OffsetStarted(archive.Offset());
            if (stopped())
                break;
            const int before = result_.Stakes;
            runAllLines(lines);
            if (stop_)
                break;
            if (settings_.Control)
                stakeControl(result_.Stakes - before);
            if (stop_)
                break;
        }
        // Stopped or not, the person gets the archive back as the test found it.
        if (archive.Offset() != start)
            archive.SetOffset(start);
    }

    if (!stop_ || testCount)
        activity(support::Text(FinishedActivity));
    // The stakes a stopped run made are kept and checked like any others:
    // the ones of the line it left had no check yet.
    if (stop_ && !result_.Failed && settings_.CheckOnLine)
        checkStakes();
    if (!stakes_.FinishChecks())
        fail();
    panels_.Cycle = 0;
    showPanels();
    observer_->RunFinished();
    if (logger_ && logger_->Failed())
        fail(); // the log misses steps
    ws_.RefreshSuppressed = suppressed;
    ws_.RefreshAllViews(false);
    result_.Stopped = stop_;
    result_.FirstRecord = stakes_.FirstRecord();
    return result_;
}

void OneRun::runAllLines(std::span<const std::string> lines)
{
    // Every pass begins a new block of stakes.
    if (!stakes_.StartPass()) {
        fail();
        return;
    }
    lists_.StartPass();
    tables_.ForgetTables();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (stopped())
            break;
        if (IsSeparatorLine(lines[i]))
            continue;
        panels_.Line = static_cast<int>(i) + 1;
        lineIndex_ = static_cast<int>(i);
        moveGauge(0, 0);
        showPanels();
        observer_->LineStarted(static_cast<int>(i) + 1, lines[i]);
        try {
            runLine(static_cast<int>(i), lines[i]);
        } catch (const std::exception& e) {
            // A failure inside a line ends the run; the finishing steps still run.
            stakes_.Abandon();
            stop_ = true;
            result_.Failed = true;
            ws_.Host().showError(e.what());
        }
        lists_.Materialize();
        lists_.List().dropUndo();
    }
    if (!settings_.CheckOnLine)
        checkStakes();
}

void OneRun::runLine(int index, const std::string& line)
{
    lists_.List().dropUndo();
    lists_.StartLine();
    const ScriptLineFields fields = SplitScriptLine(line);
    const TScriptOptions options = ParseScriptOptions(fields.Options);
    if (stopped())
        return;
    const std::vector<TFilterItem> items = ParseLineFilters(registry_, fields);
    if (stopped())
        return;
    observer_->ExpandingFilters();
    activity(support::Text(ExpandingActivity));
    FilterVariants variants(registry_, items);
    observer_->VariantsMade(variants.Count());
    if (stopped())
        return;

    const int lineNumber = index + 1;
    const std::string printed = PrintScriptOptions(options);
    if (variants.Count() == 0) {
        observer_->NoFilters();
        activity(printed);
        if (!buildStart(options))
            return;
        observer_->CombinationsCounted(lists_.Count());
        if (stopped())
            return;
        makeStakes(options, lineNumber, printed, fields.Comment, 0);
        if (settings_.CheckOnLine)
            checkStakes();
        return;
    }

    // The next variant is read ahead: the lists its first filters share with
    // this one are all that is worth keeping.
    TFilterRec rec;
    TFilterRec next;
    bool more = variants.Next(rec);
    for (int v = 1; more; ++v, std::swap(rec, next)) {
        more = variants.Next(next);
        int shared = 0;
        while (more && shared < FilterSlotCount &&
               rec[static_cast<size_t>(shared)] == next[static_cast<size_t>(shared)])
            ++shared;
        if (stopped())
            return;
        const std::string text = FilterRecText(registry_, rec);
        observer_->VariantStarted(v, text);
        activity(VariantActivity(v, variants.Count(), text));
        moveGauge(v - 1, variants.Count());
        // The filters a previous variant shared with this one ran already,
        // unless the follower is to see every step (a log shows them all).
        const int from = lists_.Resume(options, rec, !observer_->WantsEveryStep());
        if (from == 0) {
            observer_->BuildingStartList();
            if (!buildStart(options))
                return;
        } else if (options.ClearStakes && !stakes_.Clear()) {
            fail();
            return;
        }
        observer_->CombinationsCounted(lists_.Count());
        if (stopped())
            return;
        applyFilters(rec, from, shared, items);
        if (stopped())
            return;
        makeStakes(options, lineNumber, printed + " + " + text, fields.Comment, v);
        if (stopped())
            return;
        observer_->VariantFinished();
        if (settings_.CheckOnLine)
            checkStakes();
    }
}

bool OneRun::buildStart(const TScriptOptions& options)
{
    if (!lists_.BuildStart(options)) {
        stopRequested_ = true; // "Отмена" of the generation stops the run as "Стоп" does
        stopped();
        return false;
    }
    if (stopped())
        return false;
    if (options.ClearStakes && !stakes_.Clear()) {
        fail();
        return false;
    }
    return true;
}

void OneRun::applyFilters(const TFilterRec& rec, int from, int keep, const std::vector<TFilterItem>& items)
{
    for (size_t slot = static_cast<size_t>(from); slot < rec.size(); ++slot) {
        if (!rec[slot].Active)
            continue;
        // A list of one combination (or none) is what the line stakes.
        if (lists_.Count() <= 1)
            return;
        applyPart(rec[slot], items[slot]);
        if (stop_)
            return;
        if (static_cast<int>(slot) < keep)
            lists_.Remember(static_cast<int>(slot), rec);
    }
}

void OneRun::applyPart(const TFilterPart& part, const TFilterItem& item)
{
    const int entry = part.Method;
    const std::vector<int>& types = ws_.Statistics().StatTypes();
    if (entry < 0 || std::find(types.begin(), types.end(), entry) == types.end()) {
        if (entry < 0) {
            const auto words = text::split(item.MethodText, ":", true);
            throw Error(MethodMissingMessage(words.empty() ? std::string_view{} : text::trim(words[0]), ""));
        }
        throw Error(MethodMissingMessage(registry_.Item(entry).ID(), registry_.Item(entry).DisplayCaption()));
    }
    observer_->Analysing(registry_.MethodText(entry, true), part.DrawCount);
    const stats::WeightCoefficients weights = part.CoefOverride ? part.Weights : ws_.Configuration().Data().Weights;
    const std::shared_ptr<const DrawsStatTable> table = tables_.Table(entry, part.DrawCount, weights);
    if (stopped())
        return;

    const std::vector<int> sorted = StatRowOrder(table->Rows, part.SortColumn, true);
    for (int r : sorted)
        observer_->TableRow(rowTexts(table->Rows[static_cast<size_t>(r)]));
    if (sorted.empty())
        return; // an empty table selects nothing

    const RowCondition condition(part.Condition, part.ConditionValue);
    if (std::none_of(table->Rows.begin(), table->Rows.end(),
                     [&](const DrawsStatRow& row) { return condition.HasValue(statValues(row)); }))
        throw Error(columnWithoutValues(part));
    const std::unique_ptr<stats::TCustomStat> method = registry_.CreateStat(entry);
    std::vector<const DrawsStatRow*> selection;
    int step = 0;
    for (size_t k = 0; k < sorted.size(); ++k) {
        if (stopped())
            return; // the part is abandoned at once
        const DrawsStatRow& row = table->Rows[static_cast<size_t>(sorted[part.BottomUp ? sorted.size() - 1 - k : k])];
        TStatValues values = statValues(row);
        if (part.Condition == ConditionValues)
            values.Key = method->ParseValue(values.Caption);
        if (StopsBeforeRow(part.StopMode, part.StopValue, part.BottomUp, part.MultiSelect, values, step,
                           lists_.Count()))
            break;
        const bool holds = condition.Holds(values);
        if (part.MultiSelect) {
            if (holds) {
                selection.push_back(&row);
                observer_->RowSelected(step + 1, rowTexts(row));
            }
            ++step;
            continue;
        }
        if (!holds)
            continue;
        observer_->RowSelected(step + 1, rowTexts(row));
        const DrawsStatRow* one = &row;
        if (!applyRows(part, *table, std::span<const DrawsStatRow* const>(&one, 1)) && part.StopMode == StopEmptyList)
            break;
        ++step;
    }
    if (part.MultiSelect && !stopped())
        applyRows(part, *table, selection);
}

bool OneRun::applyRows(const TFilterPart& part, const DrawsStatTable& table, std::span<const DrawsStatRow* const> rows)
{
    observer_->Filtering(part.Keep);
    // Deleting nothing leaves the list as it is; keeping nothing would leave
    // none, and is rolled back like any filter that empties the list.
    if (rows.empty()) {
        if (!part.Keep) {
            observer_->CombinationsCounted(lists_.Count());
            return lists_.Count() > 0;
        }
        lists_.History().Add(combs::HistoryIcon::Keep, registry_.MethodText(part.Method, true), "", 0);
        observer_->CombinationsCounted(0);
        observer_->RolledBack();
        lists_.History().AddRollback(lists_.Count());
        return false;
    }
    // The rows chosen by rule, filtered as every front end filters.
    const ArchiveService& archive = ws_.Archive();
    FilterRequest request;
    request.Entry = part.Method;
    request.Offset = archive.Offset();
    request.Length = part.DrawCount;
    request.Sorted = archive.Sorted();
    request.Remove = !part.Keep;
    request.Table = &table;
    for (const DrawsStatRow* row : rows)
        request.Rows.push_back(static_cast<int>(row - table.Rows.data()));
    const PreparedFilter filter = PrepareFilter(registry_, request);
    const size_t left = lists_.Filter(*filter.Test, filter.KeepMatching);
    lists_.History().Add(part.Keep ? combs::HistoryIcon::Keep : combs::HistoryIcon::Remove, filter.Selection.Caption,
                         filter.Selection.ValuesText, left);
    observer_->CombinationsCounted(left);
    if (left > 0)
        return true;
    observer_->RolledBack();
    lists_.History().AddRollback(lists_.Count());
    return false;
}

std::string OneRun::columnWithoutValues(const TFilterPart& part) const
{
    const RowColumn column = ConditionColumn(part.Condition);
    std::string_view remedy = ShortWindowRemedy;
    if (column == RowColumn::Deviation || column == RowColumn::DeviationPercent)
        remedy = ws_.Statistics().PrefetchsEnabled() && !registry_.CanPrefetch(part.Method) ? NoFullSetRemedy
                                                                                            : FullSetOffRemedy;
    return ColumnWithoutValuesMessage(DrawsStatCaption(statColumn(column)), FilterPartText(registry_, part),
                                      support::Text(remedy));
}

void OneRun::makeStakes(const TScriptOptions& options, int lineNumber, std::string_view text,
                        std::string_view lineComment, int variant)
{
    observer_->StakeMode(CodeTableText(ResultModes, options.ResultMode, CodeForm::Dialog));
    const size_t count = lists_.Count();
    if (count == 0 || options.ResultMode == ResultNone)
        return;
    const std::string full = FullStakeComment(lineNumber, variant, lineComment, text);
    std::string comment = full;
    const bool cut = CutToStakeComment(comment);
    if (count > 1 && options.ResultMode == ResultStop) {
        stop_ = true;
        observer_->StoppedByLine();
        ws_.Host().showWarning(TooManyLeftMessage(count, comment));
        return;
    }
    if (count > 1 && options.ResultMode == ResultSkip) {
        observer_->StakeSkipped();
        return;
    }
    if (stopped())
        return;
    if (cut)
        observer_->CommentCut(full);

    const int made = result_.Stakes;
    try {
        stakeCombinations(options, comment);
        result_.Stakes = made + static_cast<int>(stakes_.Finish());
    } catch (const Error& e) {
        // The first stake that cannot be written ends the run, with one message.
        result_.Stakes = made + static_cast<int>(stakes_.Written());
        stakes_.Abandon();
        ws_.Host().showError(e.what());
        fail();
    }
    panels_.Stakes = result_.Stakes;
    showPanels();
    if (result_.Stakes > made && comments_.insert(comment).second)
        result_.Comments.push_back(comment);
}

void OneRun::stakeControl(int count)
{
    if (count <= 0)
        return;
    const ArchiveService& archive = ws_.Archive();
    const int32_t drawNumber = stakes::NextStakeDrawNumber(archive.Draws(), archive.Offset());
    const std::string comment(ControlComment);
    try {
        const std::vector<model::TComb> combs = stakes::RandomDistinctCombinations(count, control_);
        stakes_.Begin(drawNumber, static_cast<int32_t>(model::FullSetSize), comment, false);
        stakes_.Expect(combs.size());
        for (const model::TComb& comb : combs) {
            stakes_.Add(comb);
            observer_->Staked(drawNumber, comb, true);
        }
        result_.ControlStakes += static_cast<int>(stakes_.Finish());
    } catch (const Error& e) {
        stakes_.Abandon();
        ws_.Host().showError(e.what());
        fail();
        return;
    }
    if (comments_.insert(comment).second)
        result_.Comments.push_back(comment);
    checkStakes();
}

void OneRun::stakeCombinations(const TScriptOptions& options, std::string_view comment)
{
    const ArchiveService& archive = ws_.Archive();
    const int32_t drawNumber = stakes::NextStakeDrawNumber(archive.Draws(), archive.Offset());
    const std::span<const model::TComb> combs = lists_.Combs();
    const bool many = combs.size() > 1 && (options.ResultMode == ResultAll || options.ResultMode == ResultSystemAll ||
                                           options.ResultMode == ResultSystemCombs);
    // What the many-stake modes stake is known before the first one is made,
    // so that a result too big for the person or for the disk writes nothing.
    std::vector<model::TComb> fromSystem;
    std::span<const model::TComb> manyCombs;
    if (many && options.ResultMode == ResultAll) {
        manyCombs = combs;
    } else if (many) {
        const bool whole = options.ResultMode == ResultSystemAll;
        systems::ListSystem system = systems::LoadSystemForList(ws_.Files().systemsFolder(), combs);
        const int n = static_cast<int>(system.Numbers.size());
        if (!system.Found()) {
            observer_->SystemFailed(n, system.Failure);
            return;
        }
        observer_->SystemLoaded(whole, n, system.Title());
        if (whole) {
            fromSystem = std::move(system.Combs);
        } else {
            const combs::CombinationSet inList(combs);
            std::copy_if(system.Combs.begin(), system.Combs.end(), std::back_inserter(fromSystem),
                         [&](const model::TComb& c) { return inList.contains(c); });
        }
        manyCombs = fromSystem;
    }
    if (manyCombs.size() > ManyStakesLimit && !manyAgreed_) {
        constexpr double kMegabyte = 1024.0 * 1024.0;
        const double megabytes = static_cast<double>(manyCombs.size() * stakes::StakeRecordSize) / kMegabyte;
        if (!ws_.Host().confirm(ManyStakesQuestion(manyCombs.size(), megabytes, comment), false)) {
            stop_ = true;
            result_.Declined = true;
            observer_->StoppedByLine();
            return;
        }
        manyAgreed_ = true;
    }

    stakes_.Begin(drawNumber, static_cast<int32_t>(combs.size()), std::string(comment), options.NewOnly);
    if (!manyCombs.empty())
        stakes_.Expect(manyCombs.size());

    auto lastPanels = std::chrono::steady_clock::time_point{}; // the first stake is shown
    auto stake = [&](const model::TComb& comb) {
        const bool added = stakes_.Add(comb);
        observer_->Staked(drawNumber, comb, added);
        if (!added)
            return;
        panels_.Stakes = ++result_.Stakes;
        const auto now = std::chrono::steady_clock::now();
        if (!many || now - lastPanels >= kPanelInterval) {
            lastPanels = now;
            showPanels();
        }
    };

    if (combs.size() == 1) {
        stake(combs[0]);
        return;
    }
    switch (options.ResultMode) {
    case ResultRandom:
        stake(combs[UniformIndex(random_, combs.size())]);
        break;
    case ResultFirst:
        stake(combs.front());
        break;
    case ResultLast:
        stake(combs.back());
        break;
    case ResultAll:
    case ResultSystemAll:
    case ResultSystemCombs:
        for (const model::TComb& comb : manyCombs) {
            if (stopped())
                break;
            stake(comb);
        }
        break;
    default:
        break;
    }
}

} // namespace

ScenarioRunner::ScenarioRunner(Workspace& ws) : ws_(ws), random_(std::random_device{}()) {}

ScenarioRunResult ScenarioRunner::Run(std::span<const std::string> lines, const ScenarioRunSettings& settings)
{
    return Execute(lines, std::nullopt, settings);
}

ScenarioRunResult ScenarioRunner::Test(std::span<const std::string> lines, int count,
                                       const ScenarioRunSettings& settings)
{
    return Execute(lines, count, settings);
}

ScenarioRunResult ScenarioRunner::Execute(std::span<const std::string> lines, std::optional<int> testCount,
                                          const ScenarioRunSettings& settings)
{
    auto busy = ws_.Busy();
    if (settings.Seed)
        random_.seed(*settings.Seed);
    stopRequested_ = false;
    running_ = true;
    struct Idle {
        ScenarioRunner& r;
        ~Idle()
        {
            r.running_ = false;
            r.stopRequested_ = false;
        }
    } idle{*this};
    // The run's stakes, checks, ratings and stake logs are one change: a run
    // that fails leaves them as they were before it. Its log stays to tell
    // why, unless a write failed: then it goes back to what it was too (a
    // run killed half-way keeps the log of what it did).
    std::filesystem::path logFile;
    if (settings.Log)
        logFile = ScriptLogPath(ws_.Files().folder(), std::time(nullptr));
    const std::optional<uint64_t> logSize = logFile.empty() ? std::nullopt : sizeIfExists(logFile);
    auto change = ws_.Stakes().BeginChange();
    if (!change)
        return {.Failed = true};
    ScenarioRunResult result;
    bool writeFailed = false;
    {
        OneRun run(ws_, stopRequested_, random_, settings, logFile);
        result = run.Execute(lines, testCount);
        writeFailed = run.WriteFailed();
    }
    if (!result.Failed && change->Commit())
        return result;
    change.reset(); // undone
    if ((writeFailed || !result.Failed) && !logFile.empty()) {
        cutBack(logFile, logSize);
        result.LogFile.clear();
    }
    result.Failed = true;
    result.Stakes = 0;
    result.Comments.clear();
    return result;
}

} // namespace belvane::app
