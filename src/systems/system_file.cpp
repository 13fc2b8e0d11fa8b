#include "systems/system_file.h"

#include <algorithm>
#include <fmt/format.h>
#include <system_error>

#include "support/cp1251.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/text.h"
#include "support/translation.h"
#include "systems/wheel_verify.h"

namespace belvane::systems {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".dat";

bool isDigits(std::string_view s)
{
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "6-NN-" for the count, or nullopt when the name does not fit "6-NN-*_*.dat".
std::optional<int> maskNumbers(std::string_view name)
{
    if (name.size() < 10 || !name.starts_with("6-") || name[4] != '-' || !isDigits(name.substr(2, 2)))
        return std::nullopt;
    if (!text::equalsIgnoreCase(name.substr(name.size() - kExtension.size()), kExtension))
        return std::nullopt;
    const std::string_view middle = name.substr(5, name.size() - 5 - kExtension.size());
    if (middle.find('_') == std::string_view::npos)
        return std::nullopt;
    return (name[2] - '0') * 10 + (name[3] - '0');
}

std::string readFailure(const fs::path& file, std::string_view reason)
{
    return support::Message("Ошибка чтения файла \"{}\"!\r\r{}", file.string(), reason);
}

// The systems of the folder whose names fit the mask, in name order.
std::vector<fs::path> systemFiles(const fs::path& folder)
{
    std::vector<fs::path> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file(ec) && maskNumbers(it->path().filename().string()))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

int lineCountOf(const std::vector<SystemLine>& lines)
{
    return static_cast<int>(std::min<size_t>(lines.size(), static_cast<size_t>(MaxSystemId)));
}

} // namespace

std::string SystemFileName(const SystemName& name)
{
    return fmt::format("{}-{:02d}-{}_{:04d}{}", SystemCombLength, name.Numbers, name.Block, name.Id, kExtension);
}

std::optional<SystemName> ParseSystemFileName(std::string_view fileName)
{
    const auto numbers = maskNumbers(fileName);
    if (!numbers)
        return std::nullopt;
    SystemName name;
    name.Numbers = *numbers;
    const std::string_view middle = fileName.substr(5, fileName.size() - 5 - kExtension.size());
    const size_t bar = middle.find('_');
    const auto block = isDigits(middle.substr(0, bar)) ? text::parseInt(middle.substr(0, bar)) : std::nullopt;
    const auto id = isDigits(middle.substr(bar + 1)) ? text::parseInt(middle.substr(bar + 1)) : std::nullopt;
    name.Block = block.value_or(-1);
    name.Id = id.value_or(-1);
    return name;
}

std::optional<SystemLine> ParseSystemLine(std::string_view line)
{
    const auto words = text::split(line, SystemLineSeparators, true);
    if (words.size() != SystemLine{}.size())
        return std::nullopt;
    SystemLine out{};
    for (size_t i = 0; i < words.size(); ++i) {
        // Digits only: "-" separates, so no number here has a sign.
        if (!isDigits(words[i]) || words[i].size() > 9)
            return std::nullopt;
        out[i] = *text::parseInt(words[i]);
    }
    return out;
}

std::string SystemLineText(const SystemLine& line)
{
    return fmt::format("{:02d} {:02d} {:02d} {:02d} {:02d} {:02d}", line[0], line[1], line[2], line[3], line[4],
                       line[5]);
}

std::string NormalizeSystemText(std::string_view text)
{
    std::string out;
    for (std::string_view line : text::splitLines(text)) {
        if (const auto parsed = ParseSystemLine(line)) {
            if (!out.empty())
                out += "\r\n";
            out += SystemLineText(*parsed);
        }
    }
    return out;
}

std::vector<SystemLine> ParseSystemText(std::string_view text, int numbers, const fs::path& file)
{
    std::vector<SystemLine> lines;
    int lineNumber = 0;
    for (std::string_view line : text::splitLines(text)) {
        ++lineNumber;
        if (text::trim(line).empty())
            continue;
        const auto parsed = ParseSystemLine(line);
        bool valid = parsed.has_value();
        if (valid) {
            SystemLine sorted = *parsed;
            std::sort(sorted.begin(), sorted.end());
            valid = sorted.front() >= 1 && sorted.back() <= numbers &&
                    std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
        }
        if (!valid)
            throw Error(support::Message("Некорректная строка {} в файле системы \"{}\": \"{}\"!\r\rВ каждой строке "
                                         "должно быть шесть разных чисел от 1 до {}.",
                                         lineNumber, file.filename().string(), cp1251::toUtf8(text::trim(line)),
                                         numbers));
        lines.push_back(*parsed);
    }
    return lines;
}

std::optional<fs::path> FindSystemFile(const fs::path& folder, int numbers)
{
    for (const fs::path& file : systemFiles(folder))
        if (maskNumbers(file.filename().string()) == numbers)
            return file;
    return std::nullopt;
}

namespace {

std::string readSystemContents(const fs::path& path, int& numbers)
{
    const auto count = maskNumbers(path.filename().string());
    if (!count)
        throw Error(readFailure(path, support::Text("Имя файла не соответствует шаблону \"6-NN-B_IIII.dat\".")));
    numbers = *count;
    try {
        return files::readFile(path, MaxSystemFileSize);
    } catch (const Error& e) {
        throw Error(readFailure(path, e.what()));
    }
}

} // namespace

std::vector<SystemLine> ReadSystemFile(const fs::path& path)
{
    int numbers = 0;
    const std::string text = readSystemContents(path, numbers);
    return ParseSystemText(text, numbers, path);
}

std::vector<LocalSystem> LocalSystems(const fs::path& folder)
{
    std::vector<LocalSystem> systems;
    for (const fs::path& file : systemFiles(folder)) {
        LocalSystem& s = systems.emplace_back();
        s.Path = file;
        s.Name = *ParseSystemFileName(file.filename().string());
        try {
            int numbers = 0;
            const std::string text = readSystemContents(file, numbers);
            s.Lines = lineCountOf(ParseSystemText(text, numbers, file));
            s.Verified = ReadGuarantee(file, text);
        } catch (const Error& e) {
            s.Problem = e.what();
        }
    }
    return systems;
}

PositionLines ReadPositionLines(const fs::path& source)
{
    std::string text;
    try {
        text = files::readFile(source, MaxSystemFileSize);
    } catch (const Error& e) {
        throw Error(readFailure(source, e.what()));
    }
    // The count is the largest position used; every line is then checked against it.
    int numbers = 0;
    for (std::string_view line : text::splitLines(text))
        if (const auto parsed = ParseSystemLine(line))
            numbers = std::max(numbers, *std::max_element(parsed->begin(), parsed->end()));
    PositionLines read;
    read.Lines = ParseSystemText(text, std::min(numbers, MaxSystemNumbers), source);
    read.Numbers = numbers;
    return read;
}

InstalledSystem InstallSystem(const fs::path& folder, const fs::path& source, int block, std::optional<int> id)
{
    if (block < 0 || block > MaxSystemBlock)
        throw Error(support::Text("Указан недопустмый размер блока!"));
    if (id && *id < 0)
        throw Error(support::Message("Номер системы должен быть от 0 до {}!", MaxSystemId));
    const PositionLines read = ReadPositionLines(source);
    return InstallSystemLines(folder, read.Lines, read.Numbers, block, id);
}

InstalledSystem InstallSystemLines(const fs::path& folder, std::span<const SystemLine> lines, int numbers, int block,
                                   std::optional<int> id)
{
    if (block < 0 || block > MaxSystemBlock)
        throw Error(support::Text("Указан недопустмый размер блока!"));
    if (id && *id < 0)
        throw Error(support::Message("Номер системы должен быть от 0 до {}!", MaxSystemId));
    if (lines.empty())
        throw Error(support::Text("Содержимое системы должно быть указано обязательно!"));
    if (numbers < MinSystemNumbers || numbers > MaxSystemNumbers)
        throw Error(support::Text("Указано недопустмое количество используемых чисел!"));

    int nextId = 1;
    for (const LocalSystem& s : LocalSystems(folder))
        if (s.Name.Id >= nextId && s.Name.Id < MaxSystemId)
            nextId = s.Name.Id + 1;

    InstalledSystem installed;
    installed.Name = {numbers, block, id.value_or(nextId)};
    installed.Path = folder / SystemFileName(installed.Name);
    installed.Lines = static_cast<int>(std::min<size_t>(lines.size(), static_cast<size_t>(MaxSystemId)));
    std::string out;
    out.reserve(lines.size() * 19);
    for (const SystemLine& line : lines)
        out += SystemLineText(line) + "\r\n";
    const SavedSystem saved = SaveSystemFile(folder, installed.Name, out);
    installed.Removed = saved.Removed;
    installed.Verified = saved.Verified;
    return installed;
}

SystemSaveFailed::SystemSaveFailed(int id, std::string_view reason)
    : Error(support::Message("Ошибка сохранения системы #{}!\r\r{}", id, reason))
{
}

bool RemoveSystemFile(const fs::path& file, std::error_code& ec)
{
    std::error_code ignored;
    fs::remove(GuaranteeFile(file), ignored); // a stale record is never read: it names other contents
    return fs::remove(file, ec);
}

SavedSystem SaveSystemFile(const fs::path& folder, const SystemName& name, std::string_view text)
{
    const fs::path file = folder / SystemFileName(name);
    // Verified before anything is written: a bad line keeps the old system.
    const std::vector<SystemLine> lines = ParseSystemText(text, name.Numbers, file);
    SavedSystem saved;
    saved.Verified = GuaranteeOf(*VerifySystem(lines, name.Numbers));
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        throw SystemSaveFailed(name.Id,
                               support::Message("Ошибка создания папки \"{}\"!\r\r{}", folder.string(), ec.message()));
    const std::vector<LocalSystem> before = LocalSystems(folder);
    try {
        files::writeFileAtomically(file, text);
        WriteGuarantee(file, text, saved.Verified);
    } catch (const Error& e) {
        throw SystemSaveFailed(name.Id, e.what());
    }
    if (!fs::exists(file, ec))
        throw SystemSaveFailed(name.Id, support::Message("Файл \"{}\" не создан!", file.string()));
    // One system per number count: the older ones go only once the new one is in place.
    for (const LocalSystem& old : before) {
        if (old.Name.Numbers != name.Numbers || old.Path.filename() == file.filename())
            continue;
        if (RemoveSystemFile(old.Path, ec))
            ++saved.Removed;
        else if (ec)
            throw SystemSaveFailed(
                name.Id, support::Message("Ошибка удаления файла \"{}\"!\r\r{}", old.Path.string(), ec.message()));
    }
    return saved;
}

} // namespace belvane::systems
