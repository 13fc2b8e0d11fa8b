#pragma once

// The answers of the exchange service: a "<result>" element of "<row>"
// elements with named child elements. An answer is hostile input: it is
// parsed whole, and a row that holds "<error>" fails the exchange with its text.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace belvane::exchange {

class ExchangeRow {
public:
    void Add(std::string name, std::string value) { fields_.emplace_back(std::move(name), std::move(value)); }
    bool Has(std::string_view name) const;
    // The element's text (the first of that name); empty when absent.
    std::string Text(std::string_view name) const;
    // A whole number in int64 range; `fallback` when absent or not a number.
    int64_t Integer(std::string_view name, int64_t fallback = 0) const;
    // A decimal number ("." or ","); 0 when absent or not a number.
    double Decimal(std::string_view name) const;
    // Base64 of UTF-8, decoded. Throws Error naming the element when it is not Base64.
    std::string Base64Text(std::string_view name) const;
    // A date-time in universal time as seconds since 1970; 0 when absent or invalid.
    int64_t DateTime(std::string_view name) const;

private:
    std::vector<std::pair<std::string, std::string>> fields_;
};

inline constexpr std::string_view ErrorElement = "error";

// The rows of an answer. Throws Error with the parser's text when it is not
// such a document, and with the error's text when a row holds "<error>".
std::vector<ExchangeRow> ReadExchangeAnswer(std::string_view answer);

// Building answers (the service): "<result>" ... "</result>" with each
// value's markup characters escaped.
class ExchangeAnswerWriter {
public:
    ExchangeAnswerWriter();
    void BeginRow();
    void Field(std::string_view name, std::string_view value);
    void Field(std::string_view name, int64_t value);
    void EndRow();
    std::string Finish();

private:
    std::string text_;
};

// One row with one "<error>" element.
std::string ErrorAnswer(std::string_view message);

} // namespace belvane::exchange
