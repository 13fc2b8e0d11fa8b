#include "app/draws_csv.h"

#include <fmt/format.h>
#include <iterator>

#include "model/draw.h"
#include "support/cp1251.h"
#include "support/delimited_text.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/host.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::app {
namespace {

using model::TDraw;

constexpr char kDelimiter = ';';
constexpr char kQuote = '"';

// A CSV file of draws is small; anything this large is not one.
constexpr uint64_t kMaxCsvSize = 64u << 20;

// Editors that save "UTF-8 with BOM" start the file with it; such a file is UTF-8 throughout.
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Fields that are not numbers read as 0.
int numberField(const std::string& field)
{
    return text::toIntDef(field, 0);
}

// The draw of a nine- or eight-field line; nullopt for any other line.
std::optional<TDraw> drawFromFields(const std::vector<std::string>& fields, int nextNumber)
{
    size_t f = 0;
    TDraw draw;
    if (fields.size() == 9)
        draw.Number = numberField(fields[f++]);
    else if (fields.size() == 8)
        draw.Number = nextNumber;
    else
        return std::nullopt;

    // A date is stored as the program writes it, or not at all: a text that is
    // no "dd/mm/yyyy" day makes the line no draw.
    const std::string_view dateText = text::trim(fields[f++]);
    if (!dateText.empty()) {
        const auto date = model::ParseDrawDate(dateText);
        if (!date)
            return std::nullopt;
        draw.setDate(date);
    }
    std::string numbers;
    for (; f < fields.size(); ++f)
        numbers += fields[f] + (f + 1 < fields.size() ? ";" : "");
    const auto parsed = model::ParseDrawText(numbers);
    if (!parsed || draw.Number <= 0)
        return std::nullopt;
    draw.Balls = parsed->Balls;
    draw.Extra = parsed->Extra;
    return draw;
}

// Inserts the draw after the last one with a lower number, so that an archive
// in ascending number order stays so; a newer draw lands at the end at once.
void insertByNumber(model::TDrawsArray& draws, const TDraw& draw)
{
    auto at = draws.end();
    while (at != draws.begin() && std::prev(at)->Number > draw.Number)
        --at;
    draws.insert(at, draw);
}

} // namespace

std::string ImportSummaryText(const DrawsCsvImport& result)
{
    std::string text = support::Message("Добавлено тиражей: {}", result.appended);
    if (result.present > 0)
        text += support::Message("\rУже были в архиве: {}", result.present);
    if (result.rejected > 0)
        text += support::Message("\rПропущено строк (не тиражи): {}", result.rejected);
    return text;
}

DrawsCsvImport AppendDrawsFromCsv(std::string_view text, model::TDrawsArray& draws)
{
    if (text.starts_with(kUtf8Bom))
        text.remove_prefix(kUtf8Bom.size());
    DrawsCsvImport result;
    for (std::string_view line : text::splitLines(text)) {
        if (text::trim(line).empty())
            continue;
        const int nextNumber = static_cast<int>(draws.size()) + 1;
        const auto draw = drawFromFields(splitDelimited(line, kDelimiter, kQuote), nextNumber);
        if (!draw)
            ++result.rejected;
        else if (model::IndexOfNumber(draws, draw->Number) >= 0)
            ++result.present;
        else {
            insertByNumber(draws, *draw);
            ++result.appended;
        }
    }
    return result;
}

std::string DrawsToCsv(const model::TDrawsArray& draws)
{
    std::string out;
    out.reserve(draws.size() * 40);
    for (const TDraw& d : draws) {
        out += fmt::format("{};{};{};{};{};{};{};{};{}\r\n", d.Number, quoteField(d.dateText(), kQuote), d.Balls[0],
                           d.Balls[1], d.Balls[2], d.Balls[3], d.Balls[4], d.Balls[5], d.Extra);
    }
    return out;
}

std::optional<DrawsCsvImport> ImportDrawsCsv(Host& host, const std::filesystem::path& csvFile,
                                             model::TDrawsArray& draws)
{
    std::string content;
    try {
        content = files::readFile(csvFile, kMaxCsvSize);
        if (content.starts_with(kUtf8Bom))
            content.erase(0, kUtf8Bom.size());
        else
            content = cp1251::toUtf8(content);
    } catch (const Error& e) {
        host.showError(e.what());
        return std::nullopt;
    }
    return AppendDrawsFromCsv(content, draws);
}

std::optional<int> ExportDrawsCsv(Host& host, const std::filesystem::path& csvFile, const model::TDrawsArray& draws)
{
    StatusScope status(host, support::Message("Экспорт тиражей в файл \"{}\"...", csvFile.string()));
    try {
        files::writeFileAtomically(csvFile, cp1251::fromUtf8(DrawsToCsv(draws)));
    } catch (const Error& e) {
        host.showError(e.what());
        return std::nullopt;
    }
    return static_cast<int>(draws.size());
}

} // namespace belvane::app
