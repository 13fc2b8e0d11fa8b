#include "helpers/workbook_reader.h"

#include <pugixml.hpp>
#include <stdexcept>

#include "helpers/zip_reader.h"

namespace belvane::testing {

namespace {

pugi::xml_document Parse(const std::map<std::string, std::string>& files, const std::string& name)
{
    pugi::xml_document doc;
    const auto it = files.find(name);
    if (it == files.end())
        throw std::runtime_error("workbook without " + name);
    if (!doc.load_buffer(it->second.data(), it->second.size()))
        throw std::runtime_error("malformed " + name);
    return doc;
}

// "AB12" -> (11, 27)
std::pair<int, int> CellPosition(std::string_view ref)
{
    int column = 0;
    size_t i = 0;
    while (i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z')
        column = column * 26 + (ref[i++] - 'A' + 1);
    return {std::stoi(std::string(ref.substr(i))) - 1, column - 1};
}

struct Styles {
    std::vector<WorkbookCell> Xfs; // text empty

    WorkbookCell of(int index) const
    {
        return index >= 0 && static_cast<size_t>(index) < Xfs.size() ? Xfs[static_cast<size_t>(index)] : WorkbookCell{};
    }
};

Styles ReadStyles(const std::map<std::string, std::string>& files)
{
    const auto doc = Parse(files, "xl/styles.xml");
    const auto sheet = doc.child("styleSheet");
    std::vector<double> fontSizes;
    for (auto font : sheet.child("fonts").children("font"))
        fontSizes.push_back(font.child("sz").attribute("val").as_double());
    Styles styles;
    for (auto xf : sheet.child("cellXfs").children("xf")) {
        WorkbookCell cell;
        const auto fontId = xf.attribute("fontId").as_uint();
        cell.FontSize = fontId < fontSizes.size() ? fontSizes[fontId] : 0;
        cell.Horizontal = xf.child("alignment").attribute("horizontal").as_string();
        cell.Vertical = xf.child("alignment").attribute("vertical").as_string();
        styles.Xfs.push_back(cell);
    }
    return styles;
}

} // namespace

std::string WorkbookSheet::text(int row, int column) const
{
    const auto it = Cells.find({row, column});
    return it == Cells.end() ? std::string() : it->second.Text;
}

int WorkbookSheet::lastRow() const
{
    int last = -1;
    for (const auto& [position, cell] : Cells)
        last = std::max(last, position.first);
    return last;
}

WorkbookSheet ReadWorkbook(const std::filesystem::path& path)
{
    const auto files = ReadZip(path);
    WorkbookSheet result;
    const auto book = Parse(files, "xl/workbook.xml");
    for (auto sheet : book.child("workbook").child("sheets").children("sheet"))
        result.SheetNames.emplace_back(sheet.attribute("name").as_string());

    std::vector<std::string> shared;
    if (files.count("xl/sharedStrings.xml") != 0) {
        const auto doc = Parse(files, "xl/sharedStrings.xml");
        for (auto si : doc.child("sst").children("si"))
            shared.emplace_back(si.child("t").text().as_string());
    }
    const Styles styles = ReadStyles(files);

    const auto doc = Parse(files, "xl/worksheets/sheet1.xml");
    const auto sheet = doc.child("worksheet");
    for (auto col : sheet.child("cols").children("col")) {
        for (int c = col.attribute("min").as_int(); c <= col.attribute("max").as_int(); ++c) {
            result.ColumnWidths[c - 1] = col.attribute("width").as_double();
            result.ColumnStyles[c - 1] = styles.of(col.attribute("style").as_int(-1));
        }
    }
    for (auto row : sheet.child("sheetData").children("row")) {
        ++result.RowElements;
        for (auto c : row.children("c")) {
            WorkbookCell cell = styles.of(c.attribute("s").as_int(-1));
            const std::string type = c.attribute("t").as_string();
            if (type == "inlineStr") {
                cell.Text = c.child("is").child("t").text().as_string();
                result.InlineStrings = true;
            } else if (type == "s") {
                const size_t i = c.child("v").text().as_uint();
                cell.Text = i < shared.size() ? shared[i] : std::string();
            } else {
                cell.Text = c.child("v").text().as_string();
                cell.Number = (type.empty() || type == "n") && !c.child("v").empty();
            }
            result.Cells[CellPosition(c.attribute("r").as_string())] = cell;
        }
    }
    result.Orientation = sheet.child("pageSetup").attribute("orientation").as_string();
    return result;
}

} // namespace belvane::testing
