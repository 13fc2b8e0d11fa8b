#include "combs/list_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fmt/format.h>
#include <vector>

#include "support/error.h"
#include "support/file_io.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::combs {
namespace {

// ---- writing --------------------------------------------------------------------

// The text of every byte value, ready to be copied as a whole word: "7;" for
// a number followed by another, "7\r\n" for the last of a line. Copying the
// word and moving on by the length leaves the padding to be overwritten.
struct NumberText {
    std::array<char, 8> bytes{};
    size_t length = 0;
};

constexpr NumberText textOf(int n, std::string_view after)
{
    NumberText t;
    if (n >= 100)
        t.bytes[t.length++] = static_cast<char>('0' + n / 100);
    if (n >= 10)
        t.bytes[t.length++] = static_cast<char>('0' + n / 10 % 10);
    t.bytes[t.length++] = static_cast<char>('0' + n % 10);
    for (char c : after)
        t.bytes[t.length++] = c;
    return t;
}

template <size_t... N>
constexpr std::array<NumberText, 256> textTable(std::string_view after, std::index_sequence<N...>)
{
    return {textOf(static_cast<int>(N), after)...};
}

constexpr auto kInLine = textTable(";", std::make_index_sequence<256>());
constexpr auto kLineEnd = textTable("\r\n", std::make_index_sequence<256>());

// "255;" five times, "255\r\n", and the padding the last word copy may write past the line.
constexpr size_t kMaxLine = 5 * 4 + 5;
constexpr size_t kWordSlack = 8;

// Writes the line of c at p (which has kMaxLine + kWordSlack bytes of room);
// returns the end of the line.
char* writeLine(char* p, const TComb& c)
{
    for (size_t i = 0; i + 1 < c.size(); ++i) {
        const NumberText& t = kInLine[c[i]];
        std::memcpy(p, t.bytes.data(), t.bytes.size());
        p += t.length;
    }
    const NumberText& t = kLineEnd[c.back()];
    std::memcpy(p, t.bytes.data(), t.bytes.size());
    return p + t.length;
}

size_t lineLength(const TComb& c)
{
    size_t n = kLineEnd[c.back()].length;
    for (size_t i = 0; i + 1 < c.size(); ++i)
        n += kInLine[c[i]].length;
    return n;
}

// The buffer lines are formatted into before they go to the file.
constexpr size_t kWriteChunk = 1 << 20;

// ---- reading --------------------------------------------------------------------

// The file is read in pieces of this size; a line longer than a piece grows it.
constexpr size_t kReadChunk = 1 << 20;

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// One line's combination by the general rule: exactly six fields split at ","
// or ";", each trimmed and read as a decimal integer (non-numbers read as 0).
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

// Lines as the program writes them: six fields of one or two digits, no
// blanks. Reads one at p; returns where its line end is, or nullptr when the
// line has any other form (the general rule then decides). The caller
// guarantees a line end before the end of the text, so no step runs past it;
// whether a number has one digit or two is taken without a branch.
const char* parsePlainLine(const char* p, TComb& c)
{
    for (size_t i = 0; i < c.size(); ++i) {
        const unsigned first = static_cast<unsigned char>(p[0]) - '0';
        if (first > 9)
            return nullptr;
        const unsigned second = static_cast<unsigned char>(p[1]) - '0';
        const bool two = second <= 9;
        c[i] = static_cast<model::Ball>(two ? first * 10 + second : first);
        p += two ? 2 : 1;
        if (i + 1 < c.size()) {
            if (*p != ';' && *p != ',')
                return nullptr;
            ++p;
        }
    }
    return isLineEnd(*p) ? p : nullptr;
}

// IsValidCombination without a branch per number.
bool isValid(const TComb& c)
{
    uint64_t seen = 0;
    bool bad = false;
    for (model::Ball n : c) {
        const uint64_t bit = uint64_t{1} << (n & 63);
        bad |= static_cast<unsigned>(n - model::MinNumber) > static_cast<unsigned>(model::MaxNumber - model::MinNumber);
        bad |= (seen & bit) != 0;
        seen |= bit;
    }
    return !bad;
}

// Parses whole lines of a piece of the file into the list, writing the
// combinations straight into its storage.
// Without a list it only counts.
class LineParser {
public:
    LineParser(CombBuffer* out, ListFileLoad& result) : out_(out), result_(result)
    {
        if (!out_)
            return;
        out_->clear();
        next_ = out_->data();
        end_ = next_ + out_->capacity();
    }
    // Sets the list's size to what was parsed.
    void finish()
    {
        if (out_)
            out_->setSize(result_.Loaded);
    }

    // Every line of text, which ends with a line end. Returns false when
    // progress asked to stop (after the line it was asked at).
    bool parse(std::string_view text, uint64_t offset, uint64_t size,
               const std::function<bool(size_t, size_t)>& progress)
    {
        const char* p = text.data();
        const char* const end = text.data() + text.size();
        while (p < end) {
            if (isLineEnd(*p)) {
                ++p; // CR LF, CR and LF all end lines; the empty lines between pass over
                continue;
            }
            TComb c;
            const char* lineEnd = parsePlainLine(p, c);
            if (lineEnd == nullptr) {
                lineEnd = std::find_if(p, end, isLineEnd);
                const std::string_view line(p, static_cast<size_t>(lineEnd - p));
                if (text::trim(line).empty()) {
                    p = lineEnd;
                    continue;
                }
                c = parseLine(line).value_or(TComb{});
            }
            add(c);
            p = lineEnd;
            if (progress) {
                const uint64_t position = offset + static_cast<uint64_t>(p - text.data());
                if (position - reported_ >= size / 100 + 1) {
                    reported_ = position;
                    if (!progress(static_cast<size_t>(position), static_cast<size_t>(size)))
                        return false;
                }
            }
        }
        return true;
    }

private:
    void add(const TComb& c)
    {
        if (!isValid(c)) {
            ++result_.Skipped;
            return;
        }
        if (!out_) {
            ++result_.Loaded;
            return;
        }
        if (next_ == end_) { // more lines than the file's size promised room for
            out_->setSize(result_.Loaded);
            out_->reserve(std::max<size_t>(64, out_->capacity() * 2));
            next_ = out_->data() + result_.Loaded;
            end_ = out_->data() + out_->capacity();
        }
        *next_++ = c;
        ++result_.Loaded;
    }

    CombBuffer* out_;
    ListFileLoad& result_;
    TComb* next_ = nullptr;
    TComb* end_ = nullptr;
    uint64_t reported_ = 0;
};

// The file into `out`, or only counted without one.
ListFileLoad readListFile(const std::filesystem::path& path, CombBuffer* out,
                          const std::function<bool(size_t, size_t)>& progress)
{
    ListFileLoad result;
    bool started = false;
    try {
        files::FileChunkReader file(path, MaxListFileSize);
        started = true;
        if (out) {
            out->clear();
            // Every combination takes a line of at least 11 characters and a line end.
            out->reserve(static_cast<size_t>(file.size() / 12 + 1));
        }
        LineParser parser(out, result);
        std::vector<char> buffer(kReadChunk + 1); // and room for a line end after the last line
        size_t held = 0;                          // bytes of an unfinished line kept at the front
        uint64_t heldAt = 0;                      // their place in the file
        for (bool first = true;; first = false) {
            if (held == buffer.size() - 1)
                buffer.resize(buffer.size() * 2); // a line longer than the buffer
            const size_t got = file.read(buffer.data() + held, buffer.size() - 1 - held);
            size_t filled = held + got;
            size_t start = 0;
            if (first && std::string_view(buffer.data(), filled).starts_with(kUtf8Mark))
                start = kUtf8Mark.size();
            const auto text = [&](size_t to) { return std::string_view(buffer.data() + start, to - start); };
            if (got == 0) {
                buffer[filled++] = '\n'; // the end of the file ends the last line
                parser.parse(text(filled), heldAt + start, file.size(), progress);
                break;
            }
            // Whole lines now; the unfinished one waits for the next piece.
            size_t whole = filled;
            while (whole > start && !isLineEnd(buffer[whole - 1]))
                --whole;
            if (whole > start && !parser.parse(text(whole), heldAt + start, file.size(), progress))
                break;
            const size_t done = std::max(whole, start);
            held = filled - done;
            heldAt += done;
            std::memmove(buffer.data(), buffer.data() + done, held);
        }
        parser.finish();
    } catch (const Error& e) {
        if (started && out)
            out->clear(); // no half list after a failure part-way
        throw Error(support::Message("Ошибка чтения файла \"{}\"!\r\r{}", path.string(), e.what()));
    }
    return result;
}

} // namespace

bool IsValidCombination(const TComb& c)
{
    return isValid(c);
}

ListFileLoad LoadListFile(const std::filesystem::path& path, CombBuffer& out,
                          const std::function<bool(size_t, size_t)>& progress)
{
    return readListFile(path, &out, progress);
}

ListFileLoad CountListFile(const std::filesystem::path& path)
{
    return readListFile(path, nullptr, {});
}

std::string ListFileText(std::span<const TComb> combs)
{
    size_t size = 0;
    for (const TComb& c : combs)
        size += lineLength(c);
    std::string out(size + kMaxLine + kWordSlack, '\0');
    char* p = out.data();
    for (const TComb& c : combs)
        p = writeLine(p, c);
    out.resize(size);
    return out;
}

void SaveListFile(const std::filesystem::path& path, std::span<const TComb> combs)
{
    try {
        files::AtomicFileWriter file(path);
        std::vector<char> buffer(kWriteChunk + kMaxLine + kWordSlack);
        char* const begin = buffer.data();
        char* p = begin;
        for (const TComb& c : combs) {
            p = writeLine(p, c);
            if (static_cast<size_t>(p - begin) >= kWriteChunk) {
                file.write(std::string_view(begin, static_cast<size_t>(p - begin)));
                p = begin;
            }
        }
        file.write(std::string_view(begin, static_cast<size_t>(p - begin)));
        file.commit();
    } catch (const Error& e) {
        throw Error(support::Message("Ошибка записи в файл \"{}\"!\r\r{}", path.string(), e.what()));
    }
}

} // namespace belvane::combs
