#include "app/runner_stakes.h"

#include <algorithm>
#include <vector>

#include "app/configuration_service.h"
#include "app/stakes_service.h"
#include "app/workspace.h"
#include "combs/comb_set.h"
#include "stakes/stake_fields.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::app {
namespace {

constexpr size_t kBlockRecords = 1024;

// A stake's draw and numbers as one word: the combination's index fits 23 bits.
std::optional<uint64_t> stakeKey(int32_t drawNumber, const model::TComb& comb)
{
    const auto index = combs::CombinationIndex(comb);
    if (!index || drawNumber <= 0)
        return std::nullopt;
    return (static_cast<uint64_t>(drawNumber) << 23) | *index;
}

} // namespace

RunnerStakes::RunnerStakes(Workspace& ws) : ws_(ws), firstRecord_(ws.Stakes().Count()) {}

bool RunnerStakes::StartPass()
{
    try {
        stakes::AppendSeparator(ws_.Stakes().File());
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(e.what());
        return false;
    }
}

bool RunnerStakes::Clear()
{
    try {
        ws_.Stakes().File().Truncate();
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка записи в файл ставок!\r\r{}", e.what()));
        return false;
    }
    checkFrom_ = 0;
    firstRecord_ = 0;
    if (existing_)
        existing_->clear();
    return true;
}

std::unordered_set<uint64_t>& RunnerStakes::Existing()
{
    if (existing_)
        return *existing_;
    std::unordered_set<uint64_t> keys;
    stakes::StakesFile& file = ws_.Stakes().File();
    std::vector<uint8_t> block(4096 * stakes::StakeRecordSize);
    try {
        for (size_t first = 0;;) {
            const size_t got = file.ReadBlock(first, block);
            if (got == 0)
                break;
            for (size_t i = 0; i < got; ++i) {
                const uint8_t* r = block.data() + i * stakes::StakeRecordSize;
                if (stakes::fields::count(r) != model::BallCount)
                    continue;
                model::TComb comb{};
                std::copy_n(r + stakes::StakeNumbersOffset, comb.size(), comb.begin());
                if (const auto key = stakeKey(stakes::fields::drawNumber(r), comb))
                    keys.insert(*key);
            }
            first += got;
        }
    } catch (const Error& e) {
        throw Error(support::Message("Ошибка поиска записи в файле ставок!\r\r{}", e.what()));
    }
    return existing_.emplace(std::move(keys));
}

void RunnerStakes::Begin(int32_t drawNumber, int32_t listSize, const std::string& comment, bool newOnly)
{
    drawNumber_ = drawNumber;
    newOnly_ = newOnly;
    if (newOnly)
        Existing();
    const Money profit = stats::SystemStakeCost(ws_.Configuration().Data(), model::BallCount, stakes::UncheckedMatches);
    stakes::EncodeStake(
        stakes::MakeStake(stakes::StakeKind::Scenario, drawNumber, model::TComb{}, listSize, comment, profit), record_);
    appender_.emplace(ws_.Stakes().File(), kBlockRecords);
}

bool RunnerStakes::Add(const model::TComb& comb)
{
    model::TComb sorted = comb;
    std::sort(sorted.begin(), sorted.end());
    const auto key = stakeKey(drawNumber_, sorted);
    if (newOnly_ && key && existing_->contains(*key))
        return false;
    std::copy(sorted.begin(), sorted.end(), record_.begin() + stakes::StakeNumbersOffset);
    appender_->AddEncoded(record_);
    if (existing_ && key)
        existing_->insert(*key);
    return true;
}

size_t RunnerStakes::Finish()
{
    if (!appender_)
        return 0;
    appender_->Flush();
    const size_t written = appender_->Written();
    appender_.reset();
    return written;
}

bool RunnerStakes::Check()
{
    StakesService& service = ws_.Stakes();
    const stakes::CheckResult result = service.Check(checkFrom_, true);
    checked_ = result.Checked > 0 || checked_;
    checkFrom_ = service.Count();
    return !result.Failed;
}

bool RunnerStakes::FinishChecks()
{
    const bool done = !checked_ || ws_.Stakes().FinishChecks();
    checked_ = false;
    return done;
}

} // namespace belvane::app
