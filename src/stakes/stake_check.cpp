#include "stakes/stake_check.h"

#include <algorithm>
#include <array>
#include <bit>
#include <ctime>
#include <fmt/format.h>
#include <limits>
#include <optional>
#include <vector>

#include "stakes/pass_progress.h"
#include "stakes/ratings_ops.h"
#include "stakes/stake_fields.h"
#include "stakes/stake_log.h"
#include "support/error.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

constexpr size_t kBlockRecords = 4096;
constexpr int kParts = 100;
constexpr std::string_view kCheckStatus = BELVANE_TEXT("Проверка результатов ставок...");
constexpr std::string_view kCheckProgressBase = BELVANE_TEXT("Проверка результатов ставок");

constexpr int kMinNumbers = model::BallCount;
constexpr int kMaxNumbers = static_cast<int>(StakeNumbersCapacity);

// The profit of a checked stake by its count of numbers and its matches.
using ProfitTable = std::array<std::array<Money, model::BallCount + 1>, kMaxNumbers - kMinNumbers + 1>;

ProfitTable makeProfits(const stats::TConfigData& config)
{
    ProfitTable t{};
    for (int n = kMinNumbers; n <= kMaxNumbers; ++n)
        for (int m = 0; m <= model::BallCount; ++m)
            t[static_cast<size_t>(n - kMinNumbers)][static_cast<size_t>(m)] = stats::SystemStakeCost(config, n, m);
    return t;
}

uint64_t numberMask(const uint8_t* numbers, size_t count)
{
    uint64_t mask = 0;
    for (size_t i = 0; i < count; ++i)
        if (model::isValidNumber(numbers[i]))
            mask |= uint64_t{1} << numbers[i];
    return mask;
}

// The draw with a given number, remembering the last one looked up: stakes
// come in runs for the same draw.
class DrawLookup {
public:
    explicit DrawLookup(const model::TDrawsArray& draws) : draws_(draws) {}

    const model::TDraw* find(int32_t number)
    {
        if (number != lastNumber_) {
            lastNumber_ = number;
            const int index = model::IndexOfNumber(draws_, number);
            last_ = index >= 0 ? &draws_[static_cast<size_t>(index)] : nullptr;
        }
        return last_;
    }

private:
    const model::TDrawsArray& draws_;
    int32_t lastNumber_ = std::numeric_limits<int32_t>::min();
    const model::TDraw* last_ = nullptr;
};

// Fills in a stake in place; returns its matches.
int fill(uint8_t* r, const model::TDraw& draw, int count, const ProfitTable& profits)
{
    const uint64_t matched = numberMask(draw.Balls.data(), draw.Balls.size()) &
                             numberMask(r + StakeNumbersOffset, static_cast<size_t>(count));
    const int matches = std::popcount(matched); // at most six: the draw's numbers
    r[StakeCheckedOffset] = 1;
    std::copy(draw.Balls.begin(), draw.Balls.end(), r + StakeDrawnOffset);
    fields::writeI32(r + StakeMatchesOffset, matches);
    uint8_t* out = r + StakeMatchedOffset;
    std::fill_n(out, StakeNumbersCapacity, uint8_t{0});
    for (uint64_t bits = matched; bits != 0; bits &= bits - 1)
        *out++ = static_cast<uint8_t>(std::countr_zero(bits));
    fields::writeI64(r + StakeProfitOffset,
                     profits[static_cast<size_t>(count - kMinNumbers)][static_cast<size_t>(matches)]);
    return matches;
}

// Writes the filled-in records of a block back, one write per run of
// neighbours.
void writeFilled(StakesFile& file, size_t first, const std::vector<uint8_t>& block, const std::vector<uint32_t>& filled)
{
    for (size_t i = 0; i < filled.size();) {
        size_t j = i + 1;
        while (j < filled.size() && filled[j] == filled[j - 1] + 1)
            ++j;
        const size_t runFirst = filled[i];
        const size_t runLength = j - i;
        file.WriteBlock(first + runFirst, std::span<const uint8_t>(block.data() + runFirst * StakeRecordSize,
                                                                   runLength * StakeRecordSize));
        i = j;
    }
}

} // namespace

CheckResult CheckStakes(Host& host, StakesFile& file, const model::TDrawsArray& draws, const stats::TConfigData& config,
                        Ratings& ratings, const CheckOptions& options)
{
    StatusScope status(host, support::Text(kCheckStatus));
    CheckResult result;
    const ProfitTable profits = makeProfits(config);
    std::optional<StakeLogWriter> log;
    if (options.LogEnabled)
        log.emplace(options.LogFolder);
    bool logFailureShown = false;
    auto showLogFailure = [&] {
        if (log && log->Failed() && !logFailureShown) {
            logFailureShown = true;
            host.showError(log->Failure());
        }
    };

    try {
        PassProgress progress(host, support::Text(kCheckProgressBase));
        const size_t total = file.RecordCount();
        std::vector<uint8_t> block(kBlockRecords * StakeRecordSize);
        std::vector<uint32_t> filled;
        filled.reserve(kBlockRecords);
        std::vector<uint8_t> filledMatches;
        filledMatches.reserve(kBlockRecords);
        DrawLookup lookup(draws);

        // Progress counts from the first stake that needs checking.
        size_t start = total;
        size_t part = 1;
        size_t nextMark = std::numeric_limits<size_t>::max();

        for (size_t first = options.From; first < total && !result.Cancelled;) {
            const size_t got = file.ReadBlock(
                first, std::span<uint8_t>(block.data(), std::min(kBlockRecords, total - first) * StakeRecordSize));
            if (got == 0)
                break;
            filled.clear();
            filledMatches.clear();
            for (size_t i = 0; i < got; ++i) {
                const size_t index = first + i;
                if (index >= nextMark) {
                    nextMark += part;
                    if (!progress(index - start, total - start)) {
                        result.Cancelled = true;
                        break;
                    }
                }
                uint8_t* r = block.data() + i * StakeRecordSize;
                const int32_t count = fields::count(r);
                if (fields::checked(r) || fields::drawNumber(r) <= 0 || count < kMinNumbers || count > kMaxNumbers)
                    continue;
                const model::TDraw* draw = lookup.find(fields::drawNumber(r));
                if (!draw)
                    continue;
                if (start == total) {
                    start = index;
                    part = std::max<size_t>(1, (total - start) / kParts);
                    nextMark = start + part;
                }
                filledMatches.push_back(static_cast<uint8_t>(fill(r, *draw, count, profits)));
                filled.push_back(static_cast<uint32_t>(i));
            }
            // The file first: the ratings and logs only get what is written.
            writeFilled(file, first, block, filled);
            result.Checked += filled.size();
            const std::time_t now = std::time(nullptr);
            for (size_t k = 0; k < filled.size(); ++k) {
                const uint8_t* r = block.data() + size_t{filled[k]} * StakeRecordSize;
                ratings.addCp1251(fields::comment(r), filledMatches[k], fields::profit(r));
                if (log)
                    log->Write(now, filledMatches[k], std::span<const uint8_t, StakeRecordSize>(r, StakeRecordSize));
            }
            showLogFailure();
            first += got;
        }
        if (!result.Cancelled && start < total)
            progress(total - start, total - start);
        if (result.Checked > 0 && !options.Deferred)
            file.Sync();
    } catch (const Error& e) {
        result.Failed = true;
        host.showError(support::Message("Ошибка проверки ставок!\r\r{}", e.what()));
    }
    if (log) {
        log->Flush();
        showLogFailure();
        // A log that missed lines is out of step with the stakes it should list.
        if (log->Failed())
            result.Failed = true;
    }
    if (result.Checked > 0 && !options.Deferred && !SortRatings(host, ratings))
        result.Failed = true;
    return result;
}

UncheckResult UncheckStakes(Host& host, StakesFile& file, std::span<const int32_t> drawNumbers,
                            const stats::TConfigData& config, Ratings& ratings)
{
    UncheckResult result;
    if (drawNumbers.empty())
        return result;
    StatusScope status(host, support::Text(kCheckStatus));
    const std::vector<int32_t> numbers = [&] {
        std::vector<int32_t> v(drawNumbers.begin(), drawNumbers.end());
        std::sort(v.begin(), v.end());
        return v;
    }();
    try {
        const size_t total = file.RecordCount();
        std::vector<uint8_t> block(kBlockRecords * StakeRecordSize);
        std::vector<uint32_t> reset;
        for (size_t first = 0; first < total;) {
            const size_t got = file.ReadBlock(
                first, std::span<uint8_t>(block.data(), std::min(kBlockRecords, total - first) * StakeRecordSize));
            if (got == 0)
                break;
            reset.clear();
            std::vector<uint8_t> before;
            for (size_t i = 0; i < got; ++i) {
                uint8_t* r = block.data() + i * StakeRecordSize;
                const int32_t count = fields::count(r);
                if (!fields::checked(r) || count < kMinNumbers || count > kMaxNumbers ||
                    !std::binary_search(numbers.begin(), numbers.end(), fields::drawNumber(r)))
                    continue;
                // What the ratings got when it was checked, before the fields are cleared.
                before.insert(before.end(), r, r + StakeRecordSize);
                r[StakeCheckedOffset] = 0;
                std::fill_n(r + StakeDrawnOffset, model::BallCount, uint8_t{0});
                fields::writeI32(r + StakeMatchesOffset, UncheckedMatches);
                std::fill_n(r + StakeMatchedOffset, StakeNumbersCapacity, uint8_t{0});
                fields::writeI64(r + StakeProfitOffset, stats::SystemStakeCost(config, count, UncheckedMatches));
                reset.push_back(static_cast<uint32_t>(i));
            }
            writeFilled(file, first, block, reset);
            for (size_t k = 0; k < reset.size(); ++k) {
                const uint8_t* r = before.data() + k * StakeRecordSize;
                ratings.removeCp1251(fields::comment(r), fields::matches(r), fields::profit(r));
                result.DrawNumbers.push_back(fields::drawNumber(r));
            }
            result.Unchecked += reset.size();
            first += got;
        }
        if (result.Unchecked > 0)
            file.Sync();
    } catch (const Error& e) {
        result.Failed = true;
        host.showError(support::Message("Ошибка проверки ставок!\r\r{}", e.what()));
    }
    if (result.Unchecked > 0 && !SortRatings(host, ratings))
        result.Failed = true;
    return result;
}

bool FinishChecks(Host& host, StakesFile& file, Ratings& ratings)
{
    try {
        file.Sync();
    } catch (const Error& e) {
        host.showError(support::Message("Ошибка проверки ставок!\r\r{}", e.what()));
        return false;
    }
    return SortRatings(host, ratings);
}

} // namespace belvane::stakes
