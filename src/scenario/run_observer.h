#pragma once

// What a scenario run tells whoever follows it, step by step: the run log
// writes it down, and anything else that wants to know how a run went can
// listen the same way. Every notification does nothing unless overridden.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/game.h"
#include "scenario/run_texts.h"

namespace belvane::scenario {

class RunObserver {
public:
    virtual ~RunObserver() = default;

    // Whether the follower needs every step of every variant carried out,
    // even the filters a variant shares with the one before (a log shows them all).
    virtual bool WantsEveryStep() const { return false; }

    // ---- the run ---------------------------------------------------------------
    virtual void RunStarted() {}
    virtual void RunStopped() {} // "Стоп" was seen
    virtual void RunFinished() {}
    virtual void OffsetStarted(int /*offset*/) {}

    // ---- a line and its variants ------------------------------------------------
    virtual void LineStarted(int /*lineNumber*/, std::string_view /*line*/) {}
    virtual void ExpandingFilters() {}
    virtual void VariantsMade(int /*count*/) {}
    virtual void NoFilters() {}
    virtual void VariantStarted(int /*variant*/, std::string_view /*filtersText*/) {}
    virtual void VariantFinished() {}
    virtual void BuildingStartList() {}
    virtual void CombinationsCounted(size_t /*count*/) {}

    // ---- a filter step -------------------------------------------------------
    virtual void Analysing(std::string_view /*methodText*/, int /*drawCount*/) {}
    virtual void TableRow(const RowTexts& /*row*/) {}
    virtual void RowSelected(int /*step*/, const RowTexts& /*row*/) {}
    virtual void Filtering(bool /*keep*/) {}
    virtual void RolledBack() {}

    // ---- the stakes ------------------------------------------------------------
    virtual void StakeMode(std::string_view /*modeText*/) {}
    virtual void StoppedByLine() {}
    virtual void StakeSkipped() {}
    virtual void CommentCut(std::string_view /*fullComment*/) {}
    virtual void Staked(int32_t /*drawNumber*/, const model::TComb& /*comb*/, bool /*added*/) {}
    virtual void SystemFailed(int /*numbers*/, std::string_view /*reason*/) {}
    virtual void SystemLoaded(bool /*wholeSystem*/, int /*numbers*/, std::string_view /*title*/) {}
};

} // namespace belvane::scenario
