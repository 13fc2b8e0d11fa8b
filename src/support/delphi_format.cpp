#include "support/delphi_format.h"

#include <fmt/format.h>

#include <algorithm>
#include <vector>

namespace belvane {
namespace {

struct Directive {
    bool left = false;
    int width = -1;
    int precision = -1;
    char type = 0;
};

std::string pad(std::string text, const Directive& item)
{
    if (item.width > 0 && static_cast<int>(text.size()) < item.width) {
        const std::string fill(static_cast<size_t>(item.width) - text.size(), ' ');
        text = item.left ? text + fill : fill + text;
    }
    return text;
}

std::string formatOne(const Directive& item, const FormatArg* arg)
{
    if (arg == nullptr)
        return "#?";
    switch (item.type) {
    case 'd':
    case 'x': {
        const int64_t* v = std::get_if<int64_t>(arg);
        if (v == nullptr)
            return "#?";
        const bool negative = *v < 0;
        const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(*v) : static_cast<uint64_t>(*v);
        std::string digits = item.type == 'x' ? fmt::format("{:X}", magnitude) : std::to_string(magnitude);
        if (item.precision > static_cast<int>(digits.size()))
            digits.insert(0, static_cast<size_t>(item.precision) - digits.size(), '0');
        return pad((negative ? "-" : "") + digits, item);
    }
    case 'f': {
        double value = 0;
        if (const double* d = std::get_if<double>(arg))
            value = *d;
        else if (const int64_t* i = std::get_if<int64_t>(arg))
            value = static_cast<double>(*i);
        else
            return "#?";
        return pad(fmt::format("{:.{}f}", value, item.precision < 0 ? 2 : item.precision), item);
    }
    case 's': {
        const std::string* s = std::get_if<std::string>(arg);
        if (s == nullptr)
            return "#?";
        return pad(item.precision >= 0 ? s->substr(0, static_cast<size_t>(item.precision)) : *s, item);
    }
    default:
        return "#?";
    }
}

// Templates come from language modules too: a width, precision or index
// past this is read as this, so "%999999999d" neither overflows nor pads a
// message to a gigabyte.
constexpr int kMaxDirectiveNumber = 1024;

int readNumber(std::string_view p, size_t& i)
{
    int n = 0;
    while (i < p.size() && p[i] >= '0' && p[i] <= '9')
        n = std::min(n * 10 + (p[i++] - '0'), kMaxDirectiveNumber);
    return n;
}

} // namespace

std::string DelphiFormat(std::string_view pattern, std::initializer_list<FormatArg> args)
{
    const std::vector<FormatArg> list(args);
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            out += pattern[i];
            continue;
        }
        const size_t start = i++;
        if (i < pattern.size() && pattern[i] == '%') {
            out += '%';
            continue;
        }
        // [index ":"] ["-"] [width] ["." precision] type
        Directive item;
        size_t j = i;
        const int index = readNumber(pattern, j);
        if (j > i && j < pattern.size() && pattern[j] == ':') {
            next = static_cast<size_t>(index);
            i = j + 1;
        }
        if (i < pattern.size() && pattern[i] == '-') {
            item.left = true;
            ++i;
        }
        if (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9')
            item.width = readNumber(pattern, i);
        if (i < pattern.size() && pattern[i] == '.') {
            ++i;
            item.precision = readNumber(pattern, i);
        }
        if (i >= pattern.size()) {
            out.append(pattern.substr(start)); // a dangling "%" stays as written
            break;
        }
        item.type = static_cast<char>(pattern[i] | 0x20); // letter case does not matter
        out += formatOne(item, next < list.size() ? &list[next] : nullptr);
        ++next;
    }
    return out;
}

} // namespace belvane
