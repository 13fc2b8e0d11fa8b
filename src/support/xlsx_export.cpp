#include "support/xlsx_export.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <fmt/format.h>
#include <xlsxwriter.h>

#include "support/error.h"
#include "support/file_io.h"
#include "support/sheet_layout.h"
#include "support/translation.h"

namespace belvane::xlsx {
namespace fs = std::filesystem;

namespace {

constexpr int FixedSteps = 5;
// Beyond this estimate of the sheet's size the zip container needs its 64-bit extensions.
constexpr int64_t Zip32Cells = 40'000'000;

[[noreturn]] void FailExport(std::string_view reason)
{
    throw Error(support::Message(ExportDataError, reason));
}

void Check(lxw_error error)
{
    if (error != LXW_NO_ERROR)
        FailExport(lxw_strerror(error));
}

// The temporary file: removed unless it became the target.
class TempFile {
public:
    explicit TempFile(fs::path path) : path_(std::move(path)) {}
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile()
    {
        if (!path_.empty()) {
            std::error_code ec;
            fs::remove(path_, ec);
        }
    }
    const fs::path& path() const { return path_; }
    void release() { path_.clear(); }

private:
    fs::path path_;
};

// An open workbook: freed without writing anything unless it was closed.
class Workbook {
public:
    // The rows wait in a file of the target's folder, not in a temporary
    // folder that may live in memory.
    Workbook(const fs::path& file, bool zip64) : rowFolder_(file.has_parent_path() ? file.parent_path().string() : ".")
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = rowFolder_.data();
        options.use_zip64 = zip64 ? LXW_TRUE : LXW_FALSE;
        book_ = workbook_new_opt(file.c_str(), &options);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;
    ~Workbook()
    {
        if (book_ == nullptr)
            return;
        // Freeing an unwritten workbook leaves the sheet's row file open.
        if (sheet_ != nullptr && sheet_->optimize_tmpfile != nullptr) {
            std::fclose(sheet_->optimize_tmpfile);
            sheet_->optimize_tmpfile = nullptr;
        }
        lxw_workbook_free(book_);
    }
    lxw_workbook* get() const { return book_; }

    lxw_worksheet* addSheet(const std::string& name)
    {
        sheet_ = workbook_add_worksheet(book_, name.c_str());
        return sheet_;
    }

    // Writes the file; the workbook is gone afterwards whatever the outcome.
    lxw_error close()
    {
        lxw_workbook* book = book_;
        book_ = nullptr;
        return workbook_close(book);
    }

private:
    std::string rowFolder_;
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
};

// One format object per distinct look. The library numbers a format the first
// time a cell uses it, but a second object that looks the same is never
// numbered and gets looked up again for every cell it formats.
class Formats {
public:
    explicit Formats(lxw_workbook* book) : book_(book) {}

    // `decimals` >= 0: a number shown with that many decimals.
    lxw_format* get(uint8_t align, int fontSize, int decimals = -1)
    {
        for (const Entry& e : made_)
            if (e.Align == align && e.FontSize == fontSize && e.Decimals == decimals)
                return e.Format;
        lxw_format* format = workbook_add_format(book_);
        if (format == nullptr)
            FailExport(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED));
        format_set_align(format, align);
        format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
        format_set_font_size(format, fontSize);
        if (decimals >= 0) {
            const std::string pattern = decimals == 0 ? "0" : "0." + std::string(static_cast<size_t>(decimals), '0');
            format_set_num_format(format, pattern.c_str());
        }
        made_.push_back({align, fontSize, decimals, format});
        return format;
    }

private:
    struct Entry {
        uint8_t Align;
        int FontSize;
        int Decimals;
        lxw_format* Format;
    };
    lxw_workbook* book_;
    std::vector<Entry> made_;
};

uint8_t HorizontalAlign(Alignment align)
{
    switch (align) {
    case Alignment::Right:
        return LXW_ALIGN_RIGHT;
    case Alignment::Center:
        return LXW_ALIGN_CENTER;
    default:
        return LXW_ALIGN_LEFT;
    }
}

struct SheetColumn {
    int Source = 0; // the source column, or -1 when the source has no such column
    uint8_t Align = LXW_ALIGN_LEFT;
    lxw_format* Cells = nullptr;
};

constexpr size_t kMaxNumberDigits = 15; // what a double holds exactly

// Advances the progress in steps of about 1 % of the rows.
class RowTicker {
public:
    RowTicker(ExportProgress& progress, int64_t rows) : progress_(progress), batch_(std::max<int64_t>(1, rows / 100)) {}
    void tick()
    {
        if (++pending_ >= batch_)
            flush();
    }
    void flush()
    {
        if (pending_ > 0)
            progress_.advance(pending_);
        pending_ = 0;
    }

private:
    ExportProgress& progress_;
    int64_t batch_;
    int64_t pending_ = 0;
};

// Failures of the file system, where the system's reason says more.
bool IsFileError(lxw_error error)
{
    return error == LXW_ERROR_CREATING_XLSX_FILE || error == LXW_ERROR_CREATING_TMPFILE ||
           error == LXW_ERROR_READING_TMPFILE || error == LXW_ERROR_ZIP_FILE_OPERATION ||
           error == LXW_ERROR_ZIP_FILE_ADD || error == LXW_ERROR_ZIP_CLOSE;
}

bool IsContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Length of a well-formed UTF-8 sequence that XML allows at s[i], or 0.
size_t SequenceLength(const std::string& s, size_t i)
{
    const auto c = static_cast<unsigned char>(s[i]);
    const size_t left = s.size() - i;
    auto at = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
    if (c < 0x80)
        return c >= 0x20 || c == '\t' || c == '\n' ? 1 : 0;
    if (c >= 0xC2 && c <= 0xDF)
        return left >= 2 && IsContinuation(at(1)) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (left < 3 || !IsContinuation(at(1)) || !IsContinuation(at(2)))
            return 0;
        const unsigned cp = ((c & 0x0Fu) << 12) | ((at(1) & 0x3Fu) << 6) | (at(2) & 0x3Fu);
        const bool allowed = cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF) && cp != 0xFFFE && cp != 0xFFFF;
        return allowed ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (left < 4 || !IsContinuation(at(1)) || !IsContinuation(at(2)) || !IsContinuation(at(3)))
            return 0;
        const unsigned cp = ((c & 0x07u) << 18) | ((at(1) & 0x3Fu) << 12) | ((at(2) & 0x3Fu) << 6) | (at(3) & 0x3Fu);
        return cp >= 0x10000 && cp <= 0x10FFFF ? 4 : 0;
    }
    return 0;
}

} // namespace

std::optional<std::string> TargetFolderProblem(const fs::path& target)
{
    std::error_code ec;
    const fs::path folder = fs::absolute(target, ec).parent_path();
    if (!fs::is_directory(folder, ec))
        return support::Message(FolderMissingError, folder.string());
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return support::Message(FolderReadOnlyError, folder.string());
    return std::nullopt;
}

std::optional<CellNumber> NumberInCell(std::string_view text)
{
    size_t i = 0;
    if (i < text.size() && text[i] == '-')
        ++i;
    const size_t whole = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    const size_t wholeDigits = i - whole;
    if (wholeDigits == 0 || (wholeDigits > 1 && text[whole] == '0'))
        return std::nullopt;
    size_t decimals = 0;
    if (i < text.size() && text[i] == '.') {
        const size_t start = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        decimals = i - start;
        if (decimals == 0)
            return std::nullopt;
    }
    if (i != text.size() || wholeDigits + decimals > kMaxNumberDigits)
        return std::nullopt;
    CellNumber number;
    // Not strtod: the interface's locale may write the decimal point otherwise.
    std::from_chars(text.data(), text.data() + text.size(), number.Value);
    number.Decimals = static_cast<int>(decimals);
    return number;
}

void MakeCellText(std::string& text)
{
    bool plain = text.size() <= MaxCellTextLength;
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80 || (u < 0x20 && c != '\t' && c != '\n')) {
            plain = false;
            break;
        }
    }
    if (plain)
        return;

    std::string clean;
    clean.reserve(text.size());
    size_t units = 0; // a cell's length counts UTF-16 units
    for (size_t i = 0; i < text.size();) {
        const size_t n = SequenceLength(text, i);
        const size_t width = n == 4 ? 2 : 1;
        if (units + width > MaxCellTextLength)
            break;
        units += width;
        if (n == 0) {
            clean += '?';
            ++i;
        } else {
            clean.append(text, i, n);
            i += n;
        }
    }
    text = std::move(clean);
}

int64_t ExportSteps(const ExportParameters& params, int64_t rowCount)
{
    int64_t checked = 0;
    for (const ExportField& f : params.Fields)
        checked += f.Checked ? 1 : 0;
    return FixedSteps + 2 * checked + std::max<int64_t>(rowCount, 0);
}

WriteOutcome WriteXlsx(const fs::path& target, const ExportParameters& params, const TableSource& source,
                       const std::vector<RowRange>& rows, std::string_view createdAt, ExportProgress& progress)
{
    const std::vector<RowRange> ranges = NormalizeRows(rows, source.rowCount());
    const int64_t rowCount = CountRows(ranges);
    if (auto problem = ValidateExport(params, rowCount))
        throw Error(*problem);
    if (auto problem = TargetFolderProblem(target))
        throw Error(*problem);

    std::vector<const ExportField*> fields;
    for (const ExportField& f : params.Fields)
        if (f.Checked)
            fields.push_back(&f);
    const SheetLayout layout = LayOutSheet(params, createdAt);
    progress.start(ExportSteps(params, rowCount));

    progress.stage(support::Text(StageConnect));
    std::unique_ptr<TempFile> temp;
    try {
        temp = std::make_unique<TempFile>(files::createTempFileBeside(target));
    } catch (const Error& e) {
        throw Error(fmt::format("{}\r\r{}", support::Text(WorkbookError), e.what()));
    }
    progress.advance(1);
    if (progress.cancelled())
        return WriteOutcome::Cancelled;

    progress.stage(support::Text(StageWorkbook));
    const bool zip64 = rowCount * static_cast<int64_t>(fields.size()) > Zip32Cells;
    Workbook book(temp->path(), zip64);
    if (book.get() == nullptr)
        throw Error(support::Text(WorkbookError));
    progress.advance(1);

    progress.stage(support::Text(StageSheet));
    lxw_worksheet* sheet = book.addSheet(params.SheetName);
    if (sheet == nullptr)
        throw Error(support::Text(SheetError));
    if (params.Orientation == PageOrientation::Portrait)
        worksheet_set_portrait(sheet);
    else if (params.Orientation == PageOrientation::Landscape)
        worksheet_set_landscape(sheet);
    progress.advance(1);
    if (progress.cancelled())
        return WriteOutcome::Cancelled;

    progress.stage(support::Text(StageFormat));
    Formats formats(book.get());
    std::vector<SheetColumn> columns;
    columns.reserve(fields.size());
    const int sourceColumns = source.columnCount();
    for (const ExportField* f : fields) {
        const auto col = static_cast<lxw_col_t>(columns.size());
        SheetColumn column;
        column.Source = f->Id >= 0 && f->Id < sourceColumns ? f->Id : -1;
        column.Align = HorizontalAlign(f->Align);
        column.Cells = formats.get(column.Align, params.BaseFontSize);
        Check(worksheet_set_column(sheet, col, col, f->Width, column.Cells));
        columns.push_back(column);
        progress.advance(1);
    }

    std::string cell;
    for (const TitleLine& line : layout.Lines) {
        if (line.Text.empty())
            continue;
        cell = line.Text;
        MakeCellText(cell);
        lxw_format* format = formats.get(LXW_ALIGN_LEFT, line.FontSize);
        Check(worksheet_write_string(sheet, static_cast<lxw_row_t>(line.Row), 0, cell.c_str(), format));
    }
    progress.advance(1);

    lxw_format* header = formats.get(LXW_ALIGN_CENTER, params.BaseFontSize);
    for (size_t c = 0; c < fields.size(); ++c) {
        cell = fields[c]->Caption;
        MakeCellText(cell);
        if (!cell.empty())
            Check(worksheet_write_string(sheet, static_cast<lxw_row_t>(layout.HeaderRow), static_cast<lxw_col_t>(c),
                                         cell.c_str(), header));
        progress.advance(1);
    }

    progress.stage(support::Text(StagePrepare));
    auto sheetRow = static_cast<lxw_row_t>(layout.FirstDataRow);
    RowTicker ticker(progress, rowCount);
    for (const RowRange& range : ranges) {
        for (int64_t row = range.Begin; row < range.End; ++row, ++sheetRow) {
            if (progress.cancelled())
                return WriteOutcome::Cancelled;
            for (size_t c = 0; c < columns.size(); ++c) {
                if (columns[c].Source < 0)
                    continue;
                cell.clear();
                try {
                    source.cellText(row, columns[c].Source, cell);
                } catch (const std::exception& e) {
                    FailExport(e.what());
                }
                if (cell.empty())
                    continue;
                if (const std::optional<CellNumber> number = NumberInCell(cell)) {
                    lxw_format* format = formats.get(columns[c].Align, params.BaseFontSize, number->Decimals);
                    Check(worksheet_write_number(sheet, sheetRow, static_cast<lxw_col_t>(c), number->Value, format));
                    continue;
                }
                MakeCellText(cell);
                Check(
                    worksheet_write_string(sheet, sheetRow, static_cast<lxw_col_t>(c), cell.c_str(), columns[c].Cells));
            }
            ticker.tick();
        }
    }
    ticker.flush();
    if (progress.cancelled())
        return WriteOutcome::Cancelled;

    progress.stage(support::Text(StageTransfer));
    errno = 0;
    if (const lxw_error error = book.close(); error != LXW_NO_ERROR) {
        const int systemError = errno;
        std::string reason = lxw_strerror(error);
        if (systemError != 0 && IsFileError(error))
            reason += fmt::format("\r{}", files::systemErrorText(target, systemError));
        FailExport(reason);
    }
    try {
        files::replaceFileWith(target, temp->path());
    } catch (const Error& e) {
        FailExport(e.what());
    }
    temp->release();
    progress.advance(1);
    return WriteOutcome::Written;
}

} // namespace belvane::xlsx
