#include "support/delphi_format.h"

#include <fmt/format.h>
#include <vector>

namespace belvane {
namespace {

struct Spec {
    bool left = false;
    int width = -1;
    int precision = -1;
    char type = 0;
};

std::string pad(std::string text, const Spec& spec)
{
    if (spec.width > 0 && static_cast<int>(text.size()) < spec.width) {
        const std::string fill(static_cast<size_t>(spec.width) - text.size(), ' ');
        text = spec.left ? text + fill : fill + text;
    }
    return text;
}

std::string formatOne(const Spec& spec, const FormatArg* arg)
{
    if (arg == nullptr)
        return "#?";
    switch (spec.type) {
    case 'd':
    case 'x': {
        const int64_t* v = std::get_if<int64_t>(arg);
        if (v == nullptr)
            return "#?";
        const bool negative = *v < 0;
        const uint64_t magnitude = negative ? 0 - static_cast<uint64_t>(*v) : static_cast<uint64_t>(*v);
        std::string digits = spec.type == 'x' ? fmt::format("{:X}", magnitude) : std::to_string(magnitude);
        if (spec.precision > static_cast<int>(digits.size()))
            digits.insert(0, static_cast<size_t>(spec.precision) - digits.size(), '0');
        return pad((negative ? "-" : "") + digits, spec);
    }
    case 'f': {
        double value = 0;
        if (const double* d = std::get_if<double>(arg))
            value = *d;
        else if (const int64_t* i = std::get_if<int64_t>(arg))
            value = static_cast<double>(*i);
        else
            return "#?";
        return pad(fmt::format("{:.{}f}", value, spec.precision < 0 ? 2 : spec.precision), spec);
    }
    case 's': {
        const std::string* s = std::get_if<std::string>(arg);
        if (s == nullptr)
            return "#?";
        return pad(spec.precision >= 0 ? s->substr(0, static_cast<size_t>(spec.precision)) : *s, spec);
    }
    default:
        return "#?";
    }
}

int readNumber(std::string_view p, size_t& i)
{
    int n = 0;
    while (i < p.size() && p[i] >= '0' && p[i] <= '9')
        n = n * 10 + (p[i++] - '0');
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
        Spec spec;
        size_t j = i;
        const int index = readNumber(pattern, j);
        if (j > i && j < pattern.size() && pattern[j] == ':') {
            next = static_cast<size_t>(index);
            i = j + 1;
        }
        if (i < pattern.size() && pattern[i] == '-') {
            spec.left = true;
            ++i;
        }
        if (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9')
            spec.width = readNumber(pattern, i);
        if (i < pattern.size() && pattern[i] == '.') {
            ++i;
            spec.precision = readNumber(pattern, i);
        }
        if (i >= pattern.size()) {
            out.append(pattern.substr(start)); // a dangling "%" stays as written
            break;
        }
        spec.type = static_cast<char>(pattern[i] | 0x20); // letter case does not matter
        out += formatOne(spec, next < list.size() ? &list[next] : nullptr);
        ++next;
    }
    return out;
}

} // namespace belvane
