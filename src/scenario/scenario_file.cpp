#include "scenario/scenario.h"

#include "support/cp1251.h"
#include "support/delphi_format.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::scenario {

std::vector<std::string> ReadScenarioFile(const std::filesystem::path& path)
{
    std::string bytes;
    try {
        bytes = files::readFile(path, MaxScenarioFileSize);
    } catch (const Error& e) {
        throw Error(
            DelphiFormat(support::Text("Ошибка чтения файла \"%s\"!\r\r%s"), {path.string(), std::string(e.what())}));
    }
    return ScenarioFileLines(bytes);
}

std::vector<std::string> ScenarioFileLines(std::string_view bytes)
{
    const std::string utf8 = cp1251::toUtf8(bytes);
    std::vector<std::string> lines;
    for (std::string_view line : text::splitLines(utf8))
        lines.emplace_back(text::trim(line).empty() ? std::string_view{} : line);
    return lines;
}

std::string ScenarioFileText(std::span<const std::string> lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += cp1251::fromUtf8(line);
        out += "\r\n";
    }
    return out;
}

void WriteScenarioFile(const std::filesystem::path& path, std::span<const std::string> lines)
{
    try {
        files::writeFileAtomically(path, ScenarioFileText(lines));
    } catch (const Error& e) {
        throw Error(
            DelphiFormat(support::Text("Ошибка записи в файл \"%s\"!\r\r%s"), {path.string(), std::string(e.what())}));
    }
}

} // namespace belvane::scenario
