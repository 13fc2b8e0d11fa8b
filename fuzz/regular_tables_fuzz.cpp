// The regular stakes file "Belvane_6x45.ltb": 280-byte records of a shift
// rule. A record out of range is refused; one that is accepted is shown,
// shifted on as the tables test does, and written back unchanged.

#include <array>
#include <cstdlib>

#include "fuzz_support.h"
#include "stakes/regular_rules.h"
#include "stakes/regular_shift.h"
#include "stakes/regular_table.h"

using namespace belvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const size_t whole = size - size % stakes::RegularStakeRecordSize;
    for (size_t at = 0; at < whole; at += stakes::RegularStakeRecordSize) {
        const std::span<const uint8_t, stakes::RegularStakeRecordSize> in(data + at, stakes::RegularStakeRecordSize);
        stakes::RegularStake record;
        try {
            record = stakes::DecodeRegularStake(in);
        } catch (const Error&) {
            continue;
        }
        if (stakes::RegularStakeFault(record))
            std::abort(); // decoded, yet out of range
        (void)stakes::RegularRowTexts(record);
        // Written back and read again, a record stays as it is (the first
        // writing may replace characters the comment's code page lacks).
        std::array<uint8_t, stakes::RegularStakeRecordSize> out{};
        stakes::EncodeRegularStake(record, out);
        const stakes::RegularStake again = stakes::DecodeRegularStake(out);
        stakes::EncodeRegularStake(again, out);
        if (!(stakes::DecodeRegularStake(out) == again))
            std::abort();
        static const model::TDrawsArray draws = [] {
            model::TDraw d;
            d.Number = 1;
            d.Balls = {45, 3, 17, 9, 28, 1};
            d.Extra = 5;
            return model::TDrawsArray{d};
        }();
        const model::TComb next = stakes::NextRegularComb(record, draws, 0);
        stakes::AdvanceRegular(record, next);
        (void)stakes::NumberedRegularComment(record.Comment, at / stakes::RegularStakeRecordSize);
    }
    try {
        (void)stakes::ParseTables(fuzz::AsText(data, size), "fuzz.ltb");
    } catch (const Error&) {
    }
    return 0;
}
