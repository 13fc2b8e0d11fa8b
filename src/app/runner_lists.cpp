#include "app/runner_lists.h"

#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/workspace.h"
#include "combs/ordered_pass.h"
#include "combs/reductions.h"
#include "scenario/script_codes.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::app {

RunnerLists::RunnerLists(Workspace& ws) : ws_(ws) {}

combs::CombinationList& RunnerLists::List()
{
    return ws_.Combinations().MutableList();
}

combs::OperationHistory& RunnerLists::History()
{
    return ws_.Combinations().MutableHistory();
}

std::span<const model::TComb> RunnerLists::Combs() const
{
    return standsFor_ ? standsFor_->view() : ws_.Combinations().Combs();
}

void RunnerLists::Materialize()
{
    if (standsFor_)
        List().list().assign(standsFor_->view());
    standsFor_ = nullptr;
}

void RunnerLists::StartPass()
{
    Materialize();
    withoutDraws_.clear();
    StartLine();
}

void RunnerLists::StartLine()
{
    Materialize();
    kept_.clear();
    reusable_ = false;
}

bool RunnerLists::BuildStart(const scenario::TScriptOptions& options)
{
    combs::CombinationList& list = List();
    if (options.StartMode == scenario::StartFull || options.StartMode == scenario::StartExclude) {
        if (!generated_) {
            StatusScope status(ws_.Host(), support::Text("Генерация возможных комбинаций..."));
            combs::CombBuffer built;
            if (!BuildList(ws_.Host(), ws_.Configuration().SavedGenerateSettings(), built))
                return false;
            generated_.emplace(std::move(built));
        }
        standsFor_ = &*generated_;
        list.dropUndo();
        History().Clear();
    }
    if (options.StartMode == scenario::StartExclude && options.DrawCount > 0) {
        const int n = options.DrawCount;
        if (const auto it = withoutDraws_.find(n); it != withoutDraws_.end()) {
            standsFor_ = &it->second;
        } else {
            Materialize();
            const ArchiveService& archive = ws_.Archive();
            combs::RemoveDrawnCombinations(list, combs::LatestDraws(archive.Draws(), n, archive.Offset()));
            list.dropUndo();
            History().Add(combs::HistoryIcon::Remove, support::Text("Последние тиражи"), std::to_string(n),
                          list.count());

            withoutDraws_[n].assign(list.combs());
        }
    }
    reusable_ = options.StartMode != scenario::StartCurrent;
    return true;
}

int RunnerLists::Resume(const scenario::TScriptOptions& options, const scenario::TFilterRec& rec, bool allowed)
{
    // The last variant's list may stand for a kept list about to go ("CURR" starts from it).
    Materialize();
    if (!allowed || options.StartMode == scenario::StartCurrent) {
        kept_.clear();
        return 0;
    }
    size_t same = 0;
    while (same < kept_.size() && kept_[same].Part == rec[same])
        ++same;
    kept_.resize(same);
    if (same == 0)
        return 0;
    const Kept& k = kept_.back();
    standsFor_ = &k.Combs;
    List().dropUndo();
    combs::OperationHistory& history = History();
    history.Clear();
    for (const combs::HistoryRow& row : k.History)
        history.Add(row.Icon, row.Caption, row.Values, row.Count);
    return static_cast<int>(same);
}

void RunnerLists::Remember(int slot, const scenario::TFilterRec& rec)
{
    const auto s = static_cast<size_t>(slot);
    if (!reusable_ || s != kept_.size())
        return;
    Kept& k = kept_.emplace_back();
    k.Part = rec[s];
    k.Combs.assign(Combs());
    k.History = History().Rows();
}

size_t RunnerLists::Filter(const stats::Matcher& matcher, bool keepMatching)
{
    const std::span<const model::TComb> in = Combs();
    spare_.reserve(in.size());
    const combs::OrderedPassResult r =
        combs::OrderedParallelPass(in.size(), spare_.data(), [&](size_t begin, size_t end, model::TComb* out) {
            return matcher.filter(in.subspan(begin, end - begin), out, keepMatching);
        });
    if (r.Count == 0)
        return 0;
    spare_.setSize(r.Count);
    List().list().swap(spare_);
    standsFor_ = nullptr;
    return r.Count;
}

} // namespace belvane::app
