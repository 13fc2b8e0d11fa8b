#include <gtest/gtest.h>

#include "combs/clipboard_text.h"
#include "combs/comb_buffer.h"
#include "combs/list_file.h"
#include "combs/list_queries.h"
#include "helpers/draws_builder.h"
#include "helpers/temp_dir.h"
#include "support/error.h"

namespace belvane::combs {
namespace {

using model::TComb;
using testing::TempDir;

TEST(ListFile, RoundTripAndFormat)
{
    TempDir dir;
    const std::vector<TComb> combs{{1, 2, 3, 4, 5, 45}, {44, 12, 7, 30, 2, 19}};
    SaveListFile(dir / "a.lcv", combs);
    EXPECT_EQ(testing::readBytes(dir / "a.lcv"), "1;2;3;4;5;45\r\n44;12;7;30;2;19\r\n");
    CombBuffer out;
    const ListFileLoad r = LoadListFile(dir / "a.lcv", out);
    EXPECT_EQ(r.Loaded, 2u);
    EXPECT_EQ(r.Skipped, 0u);
    EXPECT_EQ(std::vector<TComb>(out.view().begin(), out.view().end()), combs); // as written, not sorted
}

TEST(ListFile, LinesThatAreNoCombinationAreSkipped)
{
    TempDir dir;
    testing::writeBytes(dir / "b.lcv", "1;2;3;4;5\n"      // five fields
                                       "1;2;3;4;5;6;7\n"  // seven
                                       "\n  \r\n"         // blank lines pass silently
                                       "1, 2 ,3;4;5;6\r"  // "," separates too, fields trimmed
                                       "1;2;3;4;5;5\n"    // repeated number
                                       "0;2;3;4;5;6\n"    // out of range
                                       "1;2;3;4;5;x\n"    // non-number reads as 0
                                       "7;8;9;10;11;46\n" // out of range
                                       "45;44;43;42;41;40");
    CombBuffer out;
    const ListFileLoad r = LoadListFile(dir / "b.lcv", out);
    EXPECT_EQ(r.Loaded, 2u);
    EXPECT_EQ(r.Skipped, 6u);
    EXPECT_EQ(out[0], (TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(out[1], (TComb{45, 44, 43, 42, 41, 40}));
}

TEST(ListFile, FailuresNameTheFile)
{
    TempDir dir;
    CombBuffer out;
    try {
        LoadListFile(dir / "none.lcv", out);
        FAIL();
    } catch (const Error& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("Ошибка чтения файла \"" + (dir / "none.lcv").string() +
                                                      "\"!\r\rnone.lcv: "));
    }
    try {
        SaveListFile(dir / "no/such/x.lcv", {});
        FAIL();
    } catch (const Error& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("Ошибка записи в файл \""));
    }
}

TEST(Clipboard, CopyInListOrderAndPasteChecks)
{
    const std::vector<TComb> combs{{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}};
    const std::vector<size_t> rows{2, 0, 7};
    EXPECT_EQ(CopyText(combs, rows), "1;2;3;4;5;6\r\n13;14;15;16;17;18\r\n");
    EXPECT_EQ(ParsePastedText("01 02 03 04 05 06\n\n7,8,9,10,11,12").size(), 2u);
    for (const char* bad : {"1 2 3 4 5", "1 2 3 4 5 5", "1 2 3 4 5 46"}) {
        try {
            ParsePastedText(std::string("1 2 3 4 5 6\n") + bad);
            FAIL() << bad;
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), std::string("Некорректная комбинация: \"") + bad + "\"!");
        }
    }
}

TEST(CombinationBuffer, KeyedByOffsetAndNumber)
{
    TempDir dir;
    CombinationBuffer buffer(dir / "Belvane_6x45.~buff");
    const std::vector<TComb> combs{{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
    CombBuffer out;
    EXPECT_FALSE(buffer.Load(0, 1, out));
    buffer.Save(0, 1, combs);
    EXPECT_EQ(std::filesystem::file_size(dir / "Belvane_6x45.~buff"), 12u);
    EXPECT_FALSE(buffer.Load(1, 1, out));
    ASSERT_TRUE(buffer.Load(0, 1, out));
    EXPECT_EQ(out.size(), 2u);
    EXPECT_EQ(out[1], combs[1]);

    // The same key does not write again.
    buffer.Save(0, 1, std::vector<TComb>{});
    EXPECT_EQ(std::filesystem::file_size(dir / "Belvane_6x45.~buff"), 12u);

    testing::writeBytes(dir / "Belvane_6x45.~buff", std::string(6, '\0'));
    EXPECT_THROW(buffer.Load(0, 1, out), Error); // a damaged buffer is not loaded
    buffer.Drop();
    EXPECT_FALSE(std::filesystem::exists(dir / "Belvane_6x45.~buff"));
    EXPECT_FALSE(buffer.Load(0, 1, out));
}

TEST(ListQueries, DistinctNumbersAndFindInDraws)
{
    const std::vector<TComb> combs{{1, 2, 3, 4, 5, 6}, {4, 5, 6, 7, 8, 9}};
    EXPECT_EQ(DistinctNumbersMessage(combs), "В текущем списке комбинаций содержится 9 уникальных номеров");

    model::TDrawsArray draws;
    for (int n = 1; n <= 30; ++n)
        draws.push_back(
            testing::makeDraw(n, n % 2 ? TComb{6, 5, 4, 3, 2, 1} : TComb{1, 2, 3, 4, 5, 7}, 9, "01/01/2000"));
    EXPECT_EQ(FindInDraws(draws, {1, 2, 3, 4, 5, 6}).size(), 15u);
    const model::TDrawsArray copy = draws;
    draws.insert(draws.end(), copy.begin(), copy.end());
    const auto found = FindInDraws(draws, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(found.size(), MaxFoundDraws);
    EXPECT_EQ(found.front(), &draws[draws.size() - 2]); // newest first (the last draw holds 7)
    const std::string text = FindInDrawsMessage(draws, {1, 2, 3, 4, 5, 7});
    EXPECT_TRUE(text.starts_with("Выделенная комбинация найдена в следующих тиражах:\r\rТираж № 30 от 01/01/2000"));
    EXPECT_EQ(FindInDrawsMessage(draws, {10, 2, 3, 4, 5, 7}), "Выделенная комбинация не найдена в архиве тиражей!");
}

} // namespace
} // namespace belvane::combs
