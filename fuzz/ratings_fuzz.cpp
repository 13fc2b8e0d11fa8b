// The ratings file "Belvane_6x45.lrt": 304-byte records of counts and sums
// that a damaged file may hold at any value. Every record is shown as the
// ratings page and its CSV export show it, in every efficiency mode, sorted
// by every column, and merged as the checker adds stakes to it.

#include <array>
#include <cstdlib>

#include "fuzz_support.h"
#include "stakes/rating_record.h"
#include "stakes/ratings.h"
#include "stakes/ratings_sort.h"
#include "stakes/ratings_texts.h"

using namespace belvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    stakes::TRatingsArray records;
    try {
        records = stakes::ParseRatings(fuzz::AsText(data, size), "fuzz.lrt");
    } catch (const Error&) {
        // Not a whole number of records: read what there is, as a repair would.
        records = stakes::ParseRatings(fuzz::AsText(data, size - size % stakes::RatingRecordSize), "fuzz.lrt");
    }
    static const stakes::HitTable hits = stakes::MakeHitTable();
    for (const stakes::RatingRecord& record : records) {
        for (int mode = 0; mode <= 2; ++mode)
            (void)stakes::RatingRowTexts(record, static_cast<stakes::EfficiencyMode>(mode), hits);
        // Written back and read again, a record stays as it is (the first
        // writing may replace characters the key's code page lacks).
        std::array<uint8_t, stakes::RatingRecordSize> out{};
        stakes::EncodeRating(record, out);
        const stakes::RatingRecord again = stakes::DecodeRating(out);
        stakes::EncodeRating(again, out);
        if (!(stakes::DecodeRating(out) == again))
            std::abort();
    }
    (void)stakes::RatingsCsvText(records);

    stakes::Ratings ratings;
    ratings.assign(records);
    for (int column = 0; column < stakes::RatingsSortColumnCount; ++column) {
        ratings.setSortOrder(column, column % 2 == 1);
        ratings.sort();
    }
    for (const stakes::RatingRecord& record : records) {
        ratings.add(record.Key, record.Count % 8, record.Profit);
        ratings.addCp1251(record.Key, record.MatchesSum % 8, record.Profit);
    }
    return 0;
}
