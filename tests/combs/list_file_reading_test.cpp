// The list-file reader against the rule it keeps: a whole-text reading that
// splits lines at CR LF, LF or CR, passes blank lines over and reads six
// trimmed fields per line, written here the plain way.

#include <fmt/format.h>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "combs/comb_list.h"
#include "combs/list_file.h"
#include "helpers/temp_dir.h"
#include "support/text.h"

namespace belvane::combs {
namespace {

using model::TComb;
using testing::TempDir;

struct Reading {
    std::vector<TComb> combs;
    size_t skipped = 0;
};

Reading readPlainly(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    Reading r;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        if (text::trim(line).empty())
            continue;
        const auto fields = text::split(line, ",;", false);
        TComb c{};
        bool ok = fields.size() == c.size();
        for (size_t i = 0; ok && i < c.size(); ++i) {
            const int n = text::toIntDef(fields[i], 0);
            c[i] = static_cast<model::Ball>(n >= 0 && n <= 255 ? n : 0);
        }
        if (ok && IsValidCombination(c))
            r.combs.push_back(c);
        else
            ++r.skipped;
    }
    return r;
}

Reading readFile(const std::filesystem::path& path)
{
    CombBuffer out;
    const ListFileLoad load = LoadListFile(path, out);
    EXPECT_EQ(load.Loaded, out.size());
    const ListFileLoad counted = CountListFile(path); // the same, without the list
    EXPECT_EQ(counted.Loaded, load.Loaded);
    EXPECT_EQ(counted.Skipped, load.Skipped);
    return {std::vector<TComb>(out.view().begin(), out.view().end()), load.Skipped};
}

void expectSameReading(const std::filesystem::path& path, std::string_view text)
{
    testing::writeBytes(path, text);
    const Reading expected = readPlainly(text);
    const Reading got = readFile(path);
    EXPECT_EQ(got.skipped, expected.skipped);
    ASSERT_EQ(got.combs.size(), expected.combs.size());
    EXPECT_TRUE(got.combs == expected.combs);
}

TEST(ListFileReading, OddLinesFollowTheRule)
{
    TempDir dir;
    for (const char* text :
         {"", "\r\n", "1;2;3;4;5;6", "1;2;3;4;5;6\r", "\n\n\r\r1,2,3,4,5,6\n\r", " 1 ;\t2;3 ;4;5;6 \r\n",
          "+1;2;3;4;5;6\n-1;2;3;4;5;6\n", "001;02;3;4;5;006\n", "1;2;3;4;5;6;\n", ";1;2;3;4;5;6\n",
          "1;2;3;4;5;255\n1;2;3;4;5;256\n", "100;2;3;4;5;6\n", "1;;3;4;5;6\n", "1;2;3;4;5;6\x0B\x0C\n", "\x0B\n\t \n",
          "12;34;45;1;2;3\n45;44;43;42;41;40", "1;2;3;4;5;99999999999999999999\n", "9;8;7;6;5;4\r\n9;8;7;6;5;4\r\n"})
        expectSameReading(dir / "odd.lcv", text);
}

TEST(ListFileReading, ByteOrderMarkAtTheStartIsPassedOver)
{
    TempDir dir;
    testing::writeBytes(dir / "bom.lcv", "\xEF\xBB\xBF"
                                         "1;2;3;4;5;6\r\n\xEF\xBB\xBF"
                                         "7;8;9;10;11;12\r\n");
    const Reading r = readFile(dir / "bom.lcv");
    ASSERT_EQ(r.combs.size(), 1u);
    EXPECT_EQ(r.combs[0], (TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(r.skipped, 1u); // a mark inside the file is no number
    expectSameReading(dir / "bom-only.lcv", "\xEF\xBB\xBF");
}

TEST(ListFileReading, RandomTextsReadAsTheRuleSays)
{
    TempDir dir;
    std::mt19937 rng(5);
    const std::vector<std::string> pieces{"1",
                                          "7",
                                          "23",
                                          "45",
                                          "46",
                                          "0",
                                          "09",
                                          ";",
                                          ";",
                                          ",",
                                          " ",
                                          "\t",
                                          "\r\n",
                                          "\n",
                                          "\r",
                                          "+",
                                          "-",
                                          "x",
                                          "123",
                                          "\xEF\xBB\xBF",
                                          std::string(1, '\0')};
    for (int round = 0; round < 200; ++round) {
        std::string text;
        const int n = static_cast<int>(rng() % 60);
        for (int i = 0; i < n; ++i) {
            if (rng() % 4 == 0)
                text += "3;14;15;9;26;5\r\n"; // whole lines between the noise
            text += pieces[rng() % pieces.size()];
        }
        SCOPED_TRACE(text);
        expectSameReading(dir / "r.lcv", text);
    }
}

TEST(ListFileReading, LinesAcrossReadPiecesAndLongerThanOne)
{
    TempDir dir;
    std::string text;
    std::vector<TComb> expected;
    TComb c{1, 2, 3, 4, 5, 6};
    // Enough lines for several pieces, with line ends of every kind so that
    // some CR LF pairs straddle a piece boundary.
    for (int i = 0; text.size() < 3'500'000; ++i) {
        c[5] = static_cast<model::Ball>(6 + i % 40);
        text += fmt::format("{};{};{};{};{};{}", c[0], c[1], c[2], c[3], c[4], c[5]);
        text += i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r";
        expected.push_back(c);
        if (i == 100'000) { // a valid line longer than a piece: blanks are trimmed
            text += std::string(2'500'000, ' ') + "7;8;9;10;11;12" + std::string(10, '\t') + "\n";
            expected.push_back({7, 8, 9, 10, 11, 12});
        }
    }
    testing::writeBytes(dir / "big.lcv", text);
    const Reading r = readFile(dir / "big.lcv");
    EXPECT_EQ(r.skipped, 0u);
    EXPECT_TRUE(r.combs == expected);
}

TEST(ListFileReading, ProgressRunsAndCanStop)
{
    TempDir dir;
    std::vector<TComb> combs(200'000, TComb{1, 2, 3, 4, 5, 6});
    SaveListFile(dir / "p.lcv", combs);
    const auto size = std::filesystem::file_size(dir / "p.lcv");
    CombBuffer out;
    size_t calls = 0;
    size_t last = 0;
    LoadListFile(dir / "p.lcv", out, [&](size_t done, size_t total) {
        EXPECT_EQ(total, size);
        EXPECT_GT(done, last);
        last = done;
        ++calls;
        return true;
    });
    EXPECT_EQ(out.size(), combs.size());
    EXPECT_GE(calls, 90u);
    EXPECT_LE(last, size);

    const ListFileLoad stopped =
        LoadListFile(dir / "p.lcv", out, [](size_t done, size_t total) { return done < total / 2; });
    EXPECT_GT(stopped.Loaded, 0u);
    EXPECT_LT(stopped.Loaded, combs.size());
    EXPECT_EQ(out.size(), stopped.Loaded);
}

TEST(ListFileWriting, ChunkedFileIsTheListText)
{
    TempDir dir;
    std::vector<TComb> combs;
    std::mt19937 rng(3);
    for (int i = 0; i < 150'000; ++i) { // about 2.5 MB: several written pieces
        TComb c;
        for (auto& n : c)
            n = static_cast<model::Ball>(rng() % 256); // any byte is written as its number
        combs.push_back(c);
    }
    SaveListFile(dir / "w.lcv", combs);
    const std::string bytes = testing::readBytes(dir / "w.lcv");
    EXPECT_EQ(bytes, ListFileText(combs));
    EXPECT_TRUE(bytes.starts_with(fmt::format("{};{};{};{};{};{}\r\n", combs[0][0], combs[0][1], combs[0][2],
                                              combs[0][3], combs[0][4], combs[0][5])));
    EXPECT_EQ(ListFileText(std::vector<TComb>{{255, 100, 99, 10, 9, 0}}), "255;100;99;10;9;0\r\n");
    EXPECT_EQ(ListFileText({}), "");
}

} // namespace
} // namespace belvane::combs
