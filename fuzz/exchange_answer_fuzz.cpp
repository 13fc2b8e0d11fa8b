// The exchange service's answers: "<result>" documents of "<row>" elements
// from the network. Every field of every row is read the ways the systems
// and scenario library read them.

#include "exchange/base64.h"
#include "exchange/exchange_answer.h"
#include "exchange/exchange_text.h"
#include "fuzz_support.h"

using namespace belvane;

namespace {

constexpr std::string_view kFields[] = {"id", "title", "notes", "data", "rate", "count", "date", "error", "name"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text = fuzz::AsText(data, size);
    try {
        for (const exchange::ExchangeRow& row : exchange::ReadExchangeAnswer(text)) {
            for (std::string_view field : kFields) {
                (void)row.Has(field);
                (void)row.Text(field);
                (void)row.Integer(field, -1);
                (void)row.Decimal(field);
                (void)row.DateTime(field);
                try {
                    (void)row.Base64Text(field);
                } catch (const Error&) {
                }
            }
        }
    } catch (const Error&) {
    }
    try {
        (void)exchange::DecodeBase64(text);
    } catch (const Error&) {
    }
    (void)exchange::ParseExchangeDateTime(text);
    return 0;
}
