// The lottery operator's results site: its HTML page, from which the
// download form's request-verification token is cut, and the CSV of draws
// it answers with. Both come from the network; the CSV is read as the
// download reads it after an archive of a few draws.

#include <cstdlib>

#include "app/operator_results.h"
#include "fuzz_support.h"

using namespace belvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = fuzz::AsText(data, size);
    try {
        const std::string token = app::ExtractRequestToken(text);
        if (token.size() > app::MaxTokenLength)
            std::abort();
        (void)app::DrawsCsvUrl("https://example.invalid", token, 20200101, 20201231);
    } catch (const Error&) {
    }
    try {
        (void)app::TextBetween(text, "<form", app::FormEndMarker);
    } catch (const Error&) {
    }
    for (const int lastDate : {0, 20200115}) {
        try {
            const app::OperatorCsvDraws draws = app::ParseOperatorCsv(text, 100, lastDate);
            int previous = lastDate;
            for (const model::TDraw& draw : draws.Draws) {
                // New draws only, in date order.
                if (draw.dateInt() <= previous)
                    std::abort();
                previous = draw.dateInt();
            }
        } catch (const Error&) {
        }
    }
    return 0;
}
