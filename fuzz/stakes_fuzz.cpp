// The stakes file "Belvane_6x45.lsk": 312-byte records as another program,
// an older version or a damaged disk may have left them. Every record is
// decoded, shown as the grid shows it, re-encoded, and the whole file is
// opened and checked against a small archive as the program does at start.

#include <array>
#include <cstdlib>

#include "fuzz_support.h"
#include "stakes/ratings.h"
#include "stakes/stake_check.h"
#include "stakes/stake_record.h"
#include "stakes/stake_texts.h"
#include "stakes/stakes_file.h"
#include "stats/config_data.h"

using namespace belvane;

namespace {

model::TDrawsArray SmallArchive()
{
    model::TDrawsArray draws;
    for (int n = 1; n <= 8; ++n) {
        model::TDraw d;
        d.Number = n;
        for (int i = 0; i < model::BallCount; ++i)
            d.Balls[static_cast<size_t>(i)] = static_cast<model::Ball>((n * 7 + i * 5) % model::MaxNumber + 1);
        d.Extra = static_cast<model::Ball>(n % model::MaxNumber + 1);
        d.setDateText("01/02/2020");
        draws.push_back(d);
    }
    return draws;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const size_t records = size / stakes::StakeRecordSize;
    for (size_t i = 0; i < records; ++i) {
        const std::span<const uint8_t, stakes::StakeRecordSize> in(data + i * stakes::StakeRecordSize,
                                                                   stakes::StakeRecordSize);
        const stakes::StakeRecord record = stakes::DecodeStake(in);
        (void)record.numbers();
        (void)record.matchedNumbers();
        const int matches = record.validMatches();
        if (matches < -1 || matches > model::BallCount)
            std::abort();
        for (int column = 0; column < stakes::StakeColumnCount; ++column)
            (void)stakes::StakeCellText(record, column);
        (void)stakes::StakeKindText(record.Kind);
        // Written back and read again, a record stays as it is (the first
        // writing may replace characters the comment's code page lacks).
        std::array<uint8_t, stakes::StakeRecordSize> out{};
        stakes::EncodeStake(record, out);
        const stakes::StakeRecord again = stakes::DecodeStake(out);
        stakes::EncodeStake(again, out);
        if (!(stakes::DecodeStake(out) == again))
            std::abort();
    }

    static const model::TDrawsArray draws = SmallArchive();
    static const stats::TConfigData config;
    const auto file = fuzz::WriteScratchFile("stakes.lsk", fuzz::AsText(data, size));
    fuzz::NullHost host;
    try {
        stakes::StakesFile stakesFile;
        stakesFile.Open(file);
        (void)stakesFile.IsOlderVersion();
        if (!stakesFile.Empty()) {
            (void)stakesFile.Read(0);
            (void)stakesFile.Read(0, stakes::ReadOrigin::End);
        }
        stakes::Ratings ratings(fuzz::ScratchDir() / "stakes.lrt");
        stakes::CheckStakes(host, stakesFile, draws, config, ratings);
        stakesFile.Close();
    } catch (const Error&) {
    }
    return 0;
}
