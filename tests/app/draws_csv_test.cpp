#include <gtest/gtest.h>

#include "app/archive_service.h"
#include "app/draws_csv.h"
#include "helpers/draws_builder.h"
#include "helpers/recording_host.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "model/draws_file.h"

namespace belvane::app {
namespace {

using model::TDrawsArray;
using testing::makeDraw;
using testing::readBytes;
using testing::RecordingHost;
using testing::StartedWorkspace;
using testing::TempDir;
using testing::writeBytes;

TEST(DrawsCsv, NineAndEightFieldLines)
{
    TDrawsArray draws;
    const auto r = AppendDrawsFromCsv("1;\"07/12/2002\";10;23;29;33;37;40;16\r\n"
                                      "\"14/12/2002\";9;13;21;25;32;42;2\r\n"
                                      "\r\n"
                                      "  \r\n"
                                      "5 14/12/2002 9 13 21 25 32 42 2\n",
                                      draws);
    EXPECT_EQ(r.appended, 3);
    EXPECT_EQ(r.rejected, 0);
    ASSERT_EQ(draws.size(), 3u);
    EXPECT_EQ(draws[0], makeDraw(1, {10, 23, 29, 33, 37, 40}, 16, "07/12/2002"));
    EXPECT_EQ(draws[1], makeDraw(2, {9, 13, 21, 25, 32, 42}, 2, "14/12/2002")); // count + 1
    EXPECT_EQ(draws[2].Number, 5);                                              // blanks separate fields too
}

TEST(DrawsCsv, EightFieldLineTakesNextCountAndIsSkippedWhenThatExists)
{
    TDrawsArray draws = testing::drawsNumbered({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    auto r = AppendDrawsFromCsv("\"01/01/2020\";1;2;3;4;5;6;7", draws);
    EXPECT_EQ(r.appended, 1);
    EXPECT_EQ(draws.back().Number, 11);

    draws = testing::drawsNumbered({1, 2, 3, 4, 5, 6, 7, 8, 9, 11});
    r = AppendDrawsFromCsv("\"01/01/2020\";1;2;3;4;5;6;7", draws);
    EXPECT_EQ(r.appended, 0);
    EXPECT_EQ(r.present, 1);
    EXPECT_EQ(draws.size(), 10u);
}

TEST(DrawsCsv, LinesThatAreNoDrawAreRejected)
{
    TDrawsArray draws;
    const auto r = AppendDrawsFromCsv("Тираж;Дата;1;2;3;4;5;6;E\n" // header: number reads as 0
                                      "Datum;Nummer 1;Nummer 2;Nummer 3;Nummer 4;Nummer 5;Nummer 6;Bonus\n"
                                      "1;\"01/02/2003\";1;2;3;4;5;6\n"     // seven fields
                                      "2;\"01/02/2003\";1;2;3;4;5;6;7;8\n" // ten fields
                                      "-3;\"01/02/2003\";1;2;3;4;5;6;7\n"  // number not positive
                                      "4;\"01/02/2003\";1;2;3;4;5;5;7\n"   // repeated number
                                      "5;\"01/02/2003\";1;2;3;4;5;46;7\n"  // out of range
                                      "6;\"01/02/2003\";1;2;3;4;5;6;0\n"   // no extra number
                                      "7;\"01/02/2003\";1;2;3;4;5;6;7\n",
                                      draws);
    EXPECT_EQ(r.rejected, 8);
    EXPECT_EQ(r.appended, 1);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].Number, 7);
    EXPECT_EQ(draws[0].dateText(), "01/02/2003");
}

TEST(DrawsCsv, DuplicatesWithinOneFileAppendOnce)
{
    TDrawsArray draws;
    const auto r = AppendDrawsFromCsv("3;\"01/01/2001\";1;2;3;4;5;6;7\n3;\"02/01/2001\";1;2;3;4;5;6;7\n", draws);
    EXPECT_EQ(r.appended, 1);
    EXPECT_EQ(r.present, 1);
    EXPECT_EQ(draws[0].dateText(), "01/01/2001");
}

TEST(DrawsCsv, AnOlderDrawGoesToItsPlaceByNumber)
{
    TDrawsArray draws = testing::drawsNumbered({1, 2, 5, 9});
    const auto r = AppendDrawsFromCsv("3;\"01/01/2020\";1;2;3;4;5;6;7\n"
                                      "12;\"02/01/2020\";1;2;3;4;5;6;7\n"
                                      "4;\"03/01/2020\";1;2;3;4;5;6;7\n"
                                      "\"04/01/2020\";1;2;3;4;5;6;7\n" // eight fields: count + 1 = 8, before 9
                                      "10;\"05/01/2020\";1;2;3;4;5;6;7\n",
                                      draws);
    EXPECT_EQ(r.appended, 5);
    std::vector<int> numbers;
    for (const auto& d : draws)
        numbers.push_back(d.Number);
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3, 4, 5, 8, 9, 10, 12}));
    EXPECT_EQ(draws[5].dateText(), "04/01/2020");

    // A file of the newest draw first builds the same ascending archive.
    TDrawsArray reversed;
    AppendDrawsFromCsv("3;\"\";1;2;3;4;5;6;7\n2;\"\";1;2;3;4;5;6;7\n1;\"\";1;2;3;4;5;6;7\n", reversed);
    EXPECT_EQ(reversed, testing::drawsNumbered({1, 2, 3}));
}

TEST(DrawsCsv, ImportSummary)
{
    EXPECT_EQ(ImportSummaryText({3, 0, 0}), "Добавлено тиражей: 3");
    EXPECT_EQ(ImportSummaryText({0, 5, 2}),
              "Добавлено тиражей: 0\rУже были в архиве: 5\rПропущено строк (не тиражи): 2");
}

TEST(DrawsCsv, ExportFormat)
{
    const TDrawsArray draws{makeDraw(1, {10, 23, 29, 33, 37, 40}, 16, "07/12/2002"),
                            makeDraw(2, {42, 9, 13, 21, 25, 32}, 2)};
    EXPECT_EQ(DrawsToCsv(draws), "1;\"07/12/2002\";10;23;29;33;37;40;16\r\n2;\"\";42;9;13;21;25;32;2\r\n");
}

TEST(DrawsCsv, ImportingTheOwnExportAppendsNothing)
{
    TDrawsArray draws{makeDraw(1, {10, 23, 29, 33, 37, 40}, 16, "07/12/2002"), makeDraw(2, {42, 9, 13, 21, 25, 32}, 2)};
    const std::string csv = DrawsToCsv(draws);
    TDrawsArray copy;
    EXPECT_EQ(AppendDrawsFromCsv(csv, copy).appended, 2);
    EXPECT_EQ(copy, draws);
    const auto again = AppendDrawsFromCsv(csv, copy);
    EXPECT_EQ(again.appended, 0);
    EXPECT_EQ(again.present, 2);
}

TEST(DrawsCsvActions, ImportSavesOnceAndExportWritesWindows1251File)
{
    TempDir dir;
    writeBytes(dir / "in.csv", "1;\"07/12/2002\";10;23;29;33;37;40;16\r\n");
    StartedWorkspace s(dir.path(), {}, {.Interactive = false});
    s.host.statuses.clear();
    const auto r = s->Archive().Import(dir / "in.csv");
    ASSERT_TRUE(r);
    EXPECT_EQ(r->appended, 1);
    EXPECT_EQ(model::ReadDrawsFile(dir / "Belvane_6x45.ldr").draws, s->Archive().Draws());
    EXPECT_TRUE(s.host.errors().empty());
    ASSERT_GE(s.host.statuses.size(), 2u);
    EXPECT_EQ(s.host.statuses.front(), "Импорт тиражей из файла \"" + (dir / "in.csv").string() + "\"...");
    EXPECT_EQ(s.host.statuses.back(), ""); // the idle text is back

    ASSERT_EQ(s->Archive().Export(dir / "out.csv"), 1);
    EXPECT_EQ(readBytes(dir / "out.csv"), readBytes(dir / "in.csv"));
}

TEST(DrawsCsvActions, UnreadableFileAppendsNothing)
{
    TempDir dir;
    RecordingHost host;
    TDrawsArray draws = testing::drawsNumbered({1});
    EXPECT_FALSE(ImportDrawsCsv(host, dir / "missing.csv", draws));
    EXPECT_EQ(draws.size(), 1u);
    ASSERT_EQ(host.errors().size(), 1u);
    EXPECT_NE(host.errors()[0].find("missing.csv"), std::string::npos);

    EXPECT_FALSE(ExportDrawsCsv(host, dir / "no/such/out.csv", draws));
    EXPECT_EQ(host.errors().size(), 2u);
}

// The real archive: import into an empty folder, export it back field for
// field, and a second import appends nothing.
TEST(DrawsCsvRealData, ImportExportRoundTrip)
{
    BELVANE_REQUIRE_SHARED_DATA(csv, "draws-6x45-real.csv");
    TempDir dir;
    {
        StartedWorkspace s(dir.path(), {}, {.Interactive = false});
        const auto first = s->Archive().Import(csv);
        ASSERT_TRUE(first);
        EXPECT_EQ(first->appended, 1177);
        EXPECT_EQ(first->rejected, 0);
        const TDrawsArray& draws = s->Archive().Draws();
        EXPECT_EQ(draws.front().Number, 1);
        EXPECT_EQ(draws.back().Number, 1177);
        EXPECT_EQ(draws.back().dateText(), "21/06/2025");
    }
    StartedWorkspace s(dir.path(), {}, {.Interactive = false});
    ASSERT_EQ(s->Archive().Draws().size(), 1177u);
    ASSERT_EQ(s->Archive().Export(dir / "out.csv"), 1177);
    EXPECT_EQ(readBytes(dir / "out.csv"), readBytes(csv));

    const auto second = s->Archive().Import(dir / "out.csv");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->appended, 0);
    EXPECT_EQ(second->present, 1177);
    EXPECT_EQ(s->Archive().Draws().size(), 1177u);
    EXPECT_TRUE(s.host.errors().empty());
}

} // namespace
} // namespace belvane::app
