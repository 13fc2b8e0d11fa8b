#include "combs/list_file.h"

#include <fmt/format.h>

#include "support/error.h"
#include "support/file_io.h"
#include "support/text.h"

namespace belvane::combs {
namespace {

// One line's combination: exactly six fields split at "," or ";", each
// trimmed and read as a decimal integer (non-numbers read as 0).
std::optional<TComb> parseLine(std::string_view line)
{
    TComb c{};
    size_t field = 0;
    size_t start = 0;
    for (size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != ',' && line[i] != ';')
            continue;
        if (field == model::BallCount)
            return std::nullopt; // a seventh field
        const int n = text::toIntDef(line.substr(start, i - start), 0);
        c[field++] = static_cast<model::Ball>(n >= 0 && n <= 255 ? n : 0);
        start = i + 1;
    }
    if (field != model::BallCount)
        return std::nullopt;
    return c;
}

} // namespace

bool IsValidCombination(const TComb& c)
{
    uint64_t seen = 0;
    for (model::Ball n : c) {
        if (!model::isValidNumber(n) || (seen >> n & 1))
            return false;
        seen |= uint64_t{1} << n;
    }
    return true;
}

ListFileLoad LoadListFile(const std::filesystem::path& path, CombBuffer& out,
                          const std::function<bool(size_t, size_t)>& progress)
{
    std::string content;
    try {
        content = files::readFile(path, MaxListFileSize);
    } catch (const Error& e) {
        throw Error(fmt::format("Ошибка чтения файла \"{}\"!\r\r{}", path.string(), e.what()));
    }
    ListFileLoad result;
    out.clear();
    const std::string_view text = content;
    size_t pos = 0;
    size_t reported = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++pos;
        if (text::trim(line).empty())
            continue;
        const auto comb = parseLine(line);
        if (comb && IsValidCombination(*comb)) {
            out.push_back(*comb);
            ++result.Loaded;
        } else {
            ++result.Skipped;
        }
        if (progress && pos - reported >= text.size() / 100 + 1) {
            reported = pos;
            if (!progress(pos, text.size()))
                break;
        }
    }
    return result;
}

std::string ListFileText(std::span<const TComb> combs)
{
    std::string out;
    out.reserve(combs.size() * 19);
    char buf[32];
    for (const TComb& c : combs) {
        char* p = buf;
        for (size_t i = 0; i < c.size(); ++i) {
            if (i > 0)
                *p++ = ';';
            if (c[i] >= 100)
                *p++ = static_cast<char>('0' + c[i] / 100);
            if (c[i] >= 10)
                *p++ = static_cast<char>('0' + c[i] / 10 % 10);
            *p++ = static_cast<char>('0' + c[i] % 10);
        }
        *p++ = '\r';
        *p++ = '\n';
        out.append(buf, p);
    }
    return out;
}

void SaveListFile(const std::filesystem::path& path, std::span<const TComb> combs)
{
    try {
        files::writeFileAtomically(path, ListFileText(combs));
    } catch (const Error& e) {
        throw Error(fmt::format("Ошибка записи в файл \"{}\"!\r\r{}", path.string(), e.what()));
    }
}

} // namespace belvane::combs
