#include "reference/reference_support.h"

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace belvane::reference {

std::vector<Draw> readDrawsCsv(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("reference: cannot open " + path.string());
    std::vector<Draw> draws;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<std::string> fields;
        std::stringstream ss(line);
        for (std::string f; std::getline(ss, f, ';');)
            fields.push_back(f);
        if (fields.size() != 9)
            throw std::runtime_error("reference: bad CSV line " + line);
        Draw d;
        d.number = std::stoi(fields[0]);
        d.date = fields[1];
        d.date.erase(std::remove(d.date.begin(), d.date.end(), '"'), d.date.end());
        for (size_t i = 0; i < 6; ++i)
            d.balls[i] = std::stoi(fields[2 + i]);
        d.extra = std::stoi(fields[8]);
        draws.push_back(d);
    }
    return draws;
}

} // namespace belvane::reference

namespace belvane::testing {

using reference::TableRequest;
using reference::TableRow;

const ImportedArchive* importedArchive()
{
    static const std::unique_ptr<ImportedArchive> archive = []() -> std::unique_ptr<ImportedArchive> {
        const std::filesystem::path csv = sharedDataFile(kArchiveCsv);
        if (csv.empty())
            return nullptr;
        auto made = std::make_unique<ImportedArchive>();
        const CliResult imported =
            runCli({"--data-dir", made->folder.path().string(), "draws", "import", csv.string()});
        if (imported.exitCode != 0)
            throw std::runtime_error("reference: the archive import failed: " + imported.err);
        made->draws = reference::readDrawsCsv(csv);
        return made;
    }();
    return archive.get();
}

TsvRows parseTsv(const std::string& text)
{
    TsvRows rows;
    std::stringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        std::vector<std::string> cells;
        size_t start = 0;
        for (;;) {
            const size_t tab = line.find('\t', start);
            cells.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

std::string describe(const std::string& id, const TableRequest& request)
{
    std::ostringstream s;
    s << id << " --len " << request.len << " --offset " << request.offset << (request.sorted ? " --sorted" : "")
      << (request.fullSet ? " --prefetch" : "");
    return s.str();
}

std::vector<std::string> statsArgs(const std::string& id, const TableRequest& request)
{
    std::vector<std::string> args{
        "stats",    id,   "--len", std::to_string(request.len), "--offset", std::to_string(request.offset),
        "--format", "tsv"};
    if (request.sorted)
        args.push_back("--sorted");
    if (request.fullSet)
        args.push_back("--prefetch");
    return args;
}

int compareTables(const std::string& what, const CliResult& result, const std::vector<TableRow>& expected,
                  bool withCaptions)
{
    if (result.exitCode != 0) {
        ADD_FAILURE() << what << ": exit " << result.exitCode << ": " << result.err;
        return 1;
    }
    const auto got = parseTsv(result.out);
    const auto& captions = reference::tableCaptions();
    if (withCaptions && !got.empty()) {
        EXPECT_EQ(got.front(), std::vector<std::string>(captions.begin(), captions.end())) << what;
    }
    if (got.size() != expected.size() + 1) {
        ADD_FAILURE() << what << ": " << got.size() << " lines, expected " << expected.size() + 1;
        return 1;
    }
    int differences = 0;
    for (size_t row = 0; row < expected.size(); ++row) {
        const auto& cells = got[row + 1];
        if (cells.size() != captions.size()) {
            ADD_FAILURE() << what << ": row " << row + 1 << " has " << cells.size() << " cells";
            ++differences;
            continue;
        }
        for (size_t col = 0; col < captions.size(); ++col) {
            if (cells[col] == expected[row][col])
                continue;
            if (++differences <= 25)
                ADD_FAILURE() << what << ": row " << row + 1 << " (value " << expected[row][0] << "), column " << col
                              << " \"" << captions[col] << "\": expected \"" << expected[row][col] << "\", got \""
                              << cells[col] << "\"";
        }
    }
    return differences;
}

namespace {

int64_t readLe(const std::string& bytes, size_t at, int size)
{
    uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    if (size == 2)
        return static_cast<int16_t>(v);
    return static_cast<int32_t>(v);
}

} // namespace

PrefetchFile readPrefetch(const std::filesystem::path& path)
{
    const std::string bytes = readBytes(path);
    PrefetchFile f;
    if (bytes.size() < 12 || bytes.size() % 12 != 0) {
        ADD_FAILURE() << path << " has " << bytes.size() << " bytes";
        return f;
    }
    const size_t n = bytes.size() / 12 - 1;
    for (size_t i = 0; i < n; ++i) {
        reference::Key key{};
        for (size_t k = 0; k < 4; ++k)
            key[k] = static_cast<int16_t>(readLe(bytes, i * 12 + k * 2, 2));
        f.records.emplace_back(key, readLe(bytes, i * 12 + 8, 4));
    }
    for (size_t k = 0; k < 3; ++k)
        f.trailer[k] = readLe(bytes, n * 12 + k * 4, 4);
    return f;
}

} // namespace belvane::testing
