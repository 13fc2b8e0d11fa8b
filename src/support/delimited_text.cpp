#include "support/delimited_text.h"

namespace belvane {
namespace {

bool isSeparatingBlank(char c)
{
    return c != '\0' && static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::vector<std::string> splitDelimited(std::string_view line, char delimiter, char quote)
{
    std::vector<std::string> fields;
    size_t i = 0;
    const size_t n = line.size();
    auto skipBlanks = [&] {
        while (i < n && isSeparatingBlank(line[i]))
            ++i;
    };

    skipBlanks();
    while (i < n) {
        std::string field;
        if (line[i] == quote) {
            ++i;
            while (i < n) {
                if (line[i] == quote) {
                    if (i + 1 < n && line[i + 1] == quote) {
                        field += quote;
                        i += 2;
                        continue;
                    }
                    ++i; // closing quote
                    break;
                }
                field += line[i++];
            }
        } else {
            const size_t start = i;
            while (i < n && !isSeparatingBlank(line[i]) && line[i] != delimiter)
                ++i;
            field.assign(line.substr(start, i - start));
        }
        fields.push_back(std::move(field));

        skipBlanks();
        if (i < n && line[i] == delimiter) {
            if (i + 1 == n)
                fields.emplace_back(); // a delimiter at the end opens one more, empty field
            ++i;
            skipBlanks();
        }
    }
    return fields;
}

std::string quoteField(std::string_view field, char quote)
{
    std::string out(1, quote);
    for (char c : field) {
        out += c;
        if (c == quote)
            out += quote;
    }
    out += quote;
    return out;
}

} // namespace belvane
