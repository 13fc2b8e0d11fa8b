#include "stakes/stake_ops.h"

#include <algorithm>
#include <fmt/format.h>
#include <optional>
#include <vector>

#include "stakes/pass_progress.h"
#include "stakes/ratings_ops.h"
#include "stakes/stake_access.h"
#include "stakes/stake_fields.h"
#include "stakes/stake_log.h"
#include "support/error.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

constexpr size_t kProgressEvery = 4096;

bool rewrite(Host& host, StakesFile& file,
             const std::function<bool(size_t, std::span<const uint8_t, StakeRecordSize>)>& keep)
{
    StatusScope status(host, support::Text(DeleteStakesStatus));
    try {
        PassProgress progress(host, {});
        const auto dropped = file.Rewrite(keep, std::ref(progress));
        return dropped.has_value() && *dropped > 0;
    } catch (const Error& e) {
        host.showError(e.what());
        return false;
    }
}

} // namespace

bool AddStake(Host& host, StakesFile& file, const StakeRecord& stake, int drawsCount)
{
    StatusScope status(host, support::Text(AddStakeStatus));
    try {
        stakes::AddStake(file, stake, drawsCount);
        return true;
    } catch (const Error& e) {
        host.showError(e.what());
        return false;
    }
}

AddStakesResult AddStakes(Host& host, StakesFile& file, std::span<const model::TComb> combs,
                          const MultiStakeRequest& request, const stats::TConfigData& config)
{
    StatusScope status(host, support::Text(AddStakesStatus));
    AddStakesResult result;
    std::optional<StakeAppender> appender;
    try {
        if (auto refusal = ValidateMultiStakeDialog(request.DrawNumber, request.Comment, request.DrawsCount))
            throw Error(refusal->Message);
        PassProgress progress(host, {});
        appender.emplace(file);
        // A stake for several draws puts a separator before each copy.
        const uint64_t perStake = request.DrawsCount > 1 ? 2 * static_cast<uint64_t>(request.DrawsCount) : 1;
        appender->Expect(combs.size() * perStake);
        // Every stake is the same record but for its numbers.
        std::array<uint8_t, StakeRecordSize> stake{};
        EncodeStake(MakeStake(request.Kind, request.DrawNumber, model::TComb{}, request.ListSize, request.Comment,
                              stats::SystemStakeCost(config, model::BallCount, UncheckedMatches)),
                    stake);
        for (size_t i = 0; i < combs.size(); ++i) {
            if (i % kProgressEvery == 0 && !progress(i, combs.size())) {
                result.Cancelled = true;
                break;
            }
            model::TComb sorted = combs[i];
            std::sort(sorted.begin(), sorted.end());
            std::copy(sorted.begin(), sorted.end(), stake.begin() + StakeNumbersOffset);
            appender->AddEncoded(stake, request.DrawsCount);
            ++result.Stakes;
        }
        appender->Flush();
        result.Completed = !result.Cancelled;
    } catch (const Error& e) {
        host.showError(e.what());
    }
    if (appender) {
        result.Records = appender->Written();
        if (!result.Completed) // a failed block was rolled back: count what reached the file
            result.Stakes = std::min(result.Stakes, result.Records);
    }
    return result;
}

bool DeleteStakes(Host& host, StakesFile& file, std::span<const size_t> indices)
{
    if (indices.empty())
        return false;
    std::vector<size_t> sorted(indices.begin(), indices.end());
    std::sort(sorted.begin(), sorted.end());
    return rewrite(host, file, [&](size_t index, std::span<const uint8_t, StakeRecordSize>) {
        return !std::binary_search(sorted.begin(), sorted.end(), index);
    });
}

bool DeleteStakesByMatches(Host& host, StakesFile& file, const StakeFilterChoice& choice)
{
    return rewrite(host, file, [&](size_t, std::span<const uint8_t, StakeRecordSize> r) {
        return r[1] == static_cast<uint8_t>(StakeKind::Separator) ||
               !MatchesMeet(choice.Condition, fields::matches(r.data()), choice.Value);
    });
}

size_t CountStakesByMatches(StakesFile& file, const StakeFilterChoice& choice)
{
    constexpr size_t kBlock = 4096;
    std::vector<uint8_t> block(kBlock * StakeRecordSize);
    size_t count = 0;
    const size_t total = file.RecordCount();
    for (size_t first = 0; first < total;) {
        const size_t got =
            file.ReadBlock(first, std::span<uint8_t>(block.data(), std::min(kBlock, total - first) * StakeRecordSize));
        if (got == 0)
            break;
        for (size_t i = 0; i < got; ++i) {
            const uint8_t* r = block.data() + i * StakeRecordSize;
            if (r[1] != static_cast<uint8_t>(StakeKind::Separator) &&
                MatchesMeet(choice.Condition, fields::matches(r), choice.Value))
                ++count;
        }
        first += got;
    }
    return count;
}

std::string DeleteByMatchesQuestion(size_t stakes)
{
    return support::Message("Удалить ставки, удовлетворяющие условию (всего будет удалено {} ставок)?", stakes);
}

std::string DeleteStakeLogsQuestion(size_t files)
{
    return support::Message("Удалить журналы ставок (всего будет удалено {} файлов)?", files);
}

bool ClearStakes(Host& host, StakesFile& file, Ratings& ratings)
{
    try {
        if (file.RecordCount() == 0)
            return false;
        StatusScope status(host, support::Text(DeleteStakesStatus));
        file.Truncate();
    } catch (const Error& e) {
        host.showError(support::Message("Ошибка удаления записи из файла ставок!\r\r{}", e.what()));
        return false;
    }
    RefreshRatings(host, ratings, file);
    return true;
}

void DeleteStakeLogs(Host& host, const std::filesystem::path& folder)
{
    if (FindStakeLogs(folder).empty()) {
        host.showInformation(support::Text(NoStakeLogsMessage));
        return;
    }
    LogDeletion deletion;
    {
        StatusScope status(host, support::Text(FindStakeLogsStatus));
        deletion = DeleteStakeLogFiles(folder);
    }
    if (!deletion.Failures.empty())
        host.showError(deletion.Failures.front());
    host.showInformation(support::Message("Удалено файлов журналов: {} из {}.", deletion.Deleted, deletion.Found));
}

} // namespace belvane::stakes
