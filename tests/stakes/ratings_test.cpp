#include <gtest/gtest.h>

#include <random>

#include "helpers/stakes_fixture.h"
#include "stakes/ratings.h"
#include "stakes/ratings_ops.h"
#include "stakes/ratings_sort.h"
#include "stakes/ratings_texts.h"
#include "stakes/stake_access.h"
#include "support/cp1251.h"

namespace belvane::stakes {
namespace {

using testing::stakeFor;
using testing::StakesFolder;

RatingRecord workedExample()
{
    Ratings r;
    for (int i = 0; i < 10; ++i)
        r.add("Ставка", i < 2 ? 3 : 0, (i < 2 ? 8 : -2) * MoneyScale);
    return r.records().at(0);
}

TEST(Ratings, KeysFoldCaseInBothAlphabets)
{
    Ratings r;
    r.add("Ставка", 1, 10);
    r.add("СТАВКА", 2, 20);
    r.add("ставка", 0, 30);
    r.add("ЁЛКА і Ґ", 0, 0);
    r.add("ёлка І ґ", 0, 0);
    r.add("Abc", 0, 0);
    r.add("aBC", 0, 0);
    r.add("Ставки", -1, 0); // unchecked: nothing
    r.add("Ставки", 7, 0);  // damaged: nothing
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r.records()[0].Key, "Ставка"); // the first spelling stays
    EXPECT_EQ(r.records()[0].Count, 3);
    EXPECT_EQ(r.records()[0].MatchesSum, 3);
    EXPECT_EQ(r.records()[0].MatchCounts, (std::array<int32_t, 7>{1, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(r.records()[0].Profit, 60);
    EXPECT_EQ(r.records()[1].Count, 2);
    EXPECT_EQ(r.records()[2].Count, 2);
    // After a sort, rows are still found by their keys.
    r.setSortOrder(1, false);
    r.sort();
    r.add("сТаВкА", 0, 0);
    EXPECT_EQ(r.size(), 3u);
    EXPECT_EQ(cp1251::foldCase(cp1251::fromUtf8("ЁЖЗ Ўў Її QZ")), cp1251::fromUtf8("ёжз ўў її qz"));
}

TEST(Ratings, TheWorkedExampleInThreeModes)
{
    const RatingRecord r = workedExample();
    const HitTable hits = MakeHitTable();
    auto row = RatingRowTexts(r, EfficiencyMode::Relative, hits);
    EXPECT_EQ(row[0], "Ставка");
    EXPECT_EQ(row[1], "10");
    EXPECT_EQ(row[2], "6");
    EXPECT_EQ(row[3], "0.600");
    EXPECT_EQ(row[4], "0.00");
    EXPECT_EQ(row[5], "0.00");
    EXPECT_EQ(row[6], "8");
    EXPECT_EQ(row[9], "2");
    EXPECT_EQ(row[13], "199.718%");
    EXPECT_EQ(row[16], "891.242%");
    EXPECT_EQ(row[19], "0.000%");

    row = RatingRowTexts(r, EfficiencyMode::Absolute, hits);
    EXPECT_EQ(row[13], "39.944%");
    EXPECT_EQ(row[14], "-42.413%");
    EXPECT_EQ(row[16], "17.756%");
    EXPECT_EQ(row[19], "0.000%"); // -0.0000001 shows no sign

    row = RatingRowTexts(r, EfficiencyMode::Expected, hits);
    EXPECT_EQ(row[13], "4");
    EXPECT_EQ(row[14], "4");
    EXPECT_EQ(row[15], "2");
    EXPECT_EQ(row[16], "0");

    RatingRecord empty;
    empty.Key = "пусто";
    row = RatingRowTexts(empty, EfficiencyMode::Relative, hits);
    EXPECT_EQ(row[1], "0");
    EXPECT_EQ(row[3], "");
    EXPECT_EQ(row[5], "");
    for (int c = FirstEfficiencyColumn; c < RatingsColumnCount; ++c)
        EXPECT_EQ(row[static_cast<size_t>(c)], "");
    RatingRecord bad = r;
    bad.MatchCounts[2] = -1;
    EXPECT_EQ(RatingCellText(bad, 0, EfficiencyMode::Relative, hits), "# bad data #");
    EXPECT_EQ(RatingCellText(bad, 1, EfficiencyMode::Relative, hits), "");
    EXPECT_EQ(EfficiencyModeFromSetting(2), EfficiencyMode::Relative);
    EXPECT_EQ(EfficiencyModeFromSetting(7), EfficiencyMode::Absolute);
    EXPECT_EQ(RatingsCountText(4), "Рейтинг: 4");
}

TEST(Ratings, CsvHasThirteenCaptionsAndEmptyFieldsWithoutStakes)
{
    RatingRecord a = workedExample();
    a.Key = "a \"b\"";
    a.Profit = -12345;
    RatingRecord none;
    none.Key = "none";
    none.Profit = 50000;
    EXPECT_EQ(RatingsCsvText({a, none}), "\"Комментарий\";\"Ставок\";\"Угадано\";\"Среднее\";\"Профит\";\"Ср. профит\";"
                                         "\"0\";\"1\";\"2\";\"3\";\"4\";\"5\";\"6\"\r\n"
                                         "\"a \"\"b\"\"\";10;6;0.600;-1.23;-0.12;8;0;0;2;0;0;0\r\n"
                                         "\"none\";0;0;;5.00;;0;0;0;0;0;0;0\r\n");

    StakesFolder f;
    f.ratings.assign({a});
    ASSERT_TRUE(ExportRatingsCsv(f.host, f.ratings, f.dir / "r.csv"));
    const std::string bytes = testing::readBytes(f.dir / "r.csv");
    EXPECT_TRUE(bytes.starts_with(cp1251::fromUtf8("\"Комментарий\";")));
    EXPECT_FALSE(ExportRatingsCsv(f.host, f.ratings, f.dir / "no" / "r.csv"));
    EXPECT_TRUE(f.host.errors().back().starts_with("Ошибка записи в файл \""));
}

__extension__ using Int128 = __int128;

// n / d rounded to the nearest, halves to even, by floor division in 128 bits.
Int128 roundedQuotient(Int128 n, Int128 d)
{
    Int128 q = n / d;
    Int128 r = n % d;
    if (r < 0) {
        q -= 1;
        r += d;
    }
    if (2 * r > d || (2 * r == d && q % 2 != 0))
        q += 1;
    return q;
}

// The expected key of a numeric column, computed apart from the code under test.
Int128 expectedKey(const RatingRecord& r, int column)
{
    switch (column) {
    case 1:
        return r.Count;
    case 2:
        return r.MatchesSum;
    case 3:
        return roundedQuotient(Int128{r.MatchesSum} * 100, r.Count);
    case 4:
        return roundedQuotient(r.Profit, 100);
    case 5:
        return roundedQuotient(r.Profit, Int128{r.Count} * 100);
    default:
        return r.MatchCounts[static_cast<size_t>(column - 6)];
    }
}

TEST(Ratings, SortIsAStableStrictWeakOrderingForEveryColumn)
{
    std::mt19937 rng(20240613);
    const std::vector<std::string> words = {"Ставка", "ставка", "СТАВКА", "ёж", "еж", "жук",
                                            "abc",    "Abc",    "1 + 2",  "z",  "а",  "Б"};
    TRatingsArray original;
    for (int i = 0; i < 1000; ++i) {
        RatingRecord r;
        r.Key = words[rng() % words.size()] + (rng() % 3 == 0 ? "" : std::to_string(rng() % 4));
        r.Count = rng() % 10 == 0 ? 0 : static_cast<int32_t>(1 + rng() % 400);
        // Near ties: sums around one per stake, so averages crowd round 1.00.
        r.MatchesSum = r.Count == 0 ? 0 : static_cast<int32_t>(r.Count + static_cast<int32_t>(rng() % 5) - 2);
        for (auto& c : r.MatchCounts)
            c = static_cast<int32_t>(rng() % 4);
        // Profits a few units apart around zero and near the 64-bit limits.
        const int spread = static_cast<int>(rng() % 3);
        r.Profit = spread == 0   ? static_cast<int64_t>(rng() % 301) - 150
                   : spread == 1 ? std::numeric_limits<int64_t>::max() - static_cast<int64_t>(rng() % 1000)
                                 : std::numeric_limits<int64_t>::min() + static_cast<int64_t>(rng() % 1000);
        if (rng() % 50 == 0)
            r.Profit = 0;
        original.push_back(r);
    }
    for (int column = 0; column < RatingsSortColumnCount; ++column) {
        for (bool descending : {false, true}) {
            SCOPED_TRACE(::testing::Message() << "column " << column << (descending ? " desc" : " asc"));
            // Each record carries its original place in a field the column does not read.
            TRatingsArray a = original;
            for (size_t i = 0; i < a.size(); ++i) {
                if (column == 0)
                    a[i].Profit = static_cast<int64_t>(i);
                else
                    a[i].Key = std::to_string(i);
            }
            auto place = [column](const RatingRecord& r) {
                return column == 0 ? static_cast<size_t>(r.Profit) : std::stoul(r.Key);
            };
            SortRatingsArray(a, column, descending);
            ASSERT_EQ(a.size(), original.size());
            // Rows without stakes come last, in their old order.
            size_t firstEmpty = a.size();
            for (size_t i = 0; i < a.size(); ++i)
                if (a[i].Count == 0 && firstEmpty == a.size())
                    firstEmpty = i;
            for (size_t i = firstEmpty; i < a.size(); ++i) {
                ASSERT_EQ(a[i].Count, 0);
                if (i > firstEmpty) {
                    EXPECT_LT(place(a[i - 1]), place(a[i]));
                }
            }
            for (size_t i = 1; i < firstEmpty; ++i) {
                if (column == 0) {
                    const std::string ka = CollationKey(a[i - 1].Key);
                    const std::string kb = CollationKey(a[i].Key);
                    if (ka == kb) {
                        EXPECT_LT(place(a[i - 1]), place(a[i])) << "equal keys keep their order";
                    } else {
                        EXPECT_TRUE(descending ? kb < ka : ka < kb);
                    }
                    continue;
                }
                const Int128 ka = expectedKey(a[i - 1], column);
                const Int128 kb = expectedKey(a[i], column);
                if (ka == kb) {
                    EXPECT_LT(place(a[i - 1]), place(a[i])) << "equal keys keep their order";
                } else {
                    EXPECT_TRUE(descending ? ka > kb : ka < kb);
                }
            }
            // Sorting again changes nothing.
            TRatingsArray again = a;
            SortRatingsArray(again, column, descending);
            EXPECT_EQ(again, a);
        }
    }
}

TEST(Ratings, TheCommentColumnFollowsTheRussianAlphabet)
{
    TRatingsArray a;
    for (const char* key : {"жук", "Ёж", "ель", "ёж", "Б", "а", "z", "1", "абг", "Абв", "абв", "A"}) {
        RatingRecord r;
        r.Key = key;
        r.Count = 1;
        a.push_back(r);
    }
    SortRatingsArray(a, 0, false);
    std::vector<std::string> keys;
    for (const auto& r : a)
        keys.push_back(r.Key);
    EXPECT_EQ(keys, (std::vector<std::string>{"1", "A", "z", "а", "абв", "Абв", "абг", "Б", "ель", "ёж", "Ёж", "жук"}));
    SortRatingsArray(a, 14, false); // no such column: the order stays
    EXPECT_EQ(a.front().Key, "1");
}

TEST(Ratings, AnUnreadableFileIsKeptAsBadBeforeItIsOverwritten)
{
    StakesFolder f;
    const std::string damaged(305, '\x01');
    testing::writeBytes(f.ratings.file(), damaged);
    EXPECT_FALSE(LoadRatings(f.host, f.ratings));
    ASSERT_EQ(f.host.errors().size(), 1u);
    EXPECT_TRUE(f.host.errors()[0].starts_with("Ошибка чтения файла рейтинга!\r\rBelvane_6x45.lrt: "));
    EXPECT_TRUE(f.ratings.empty());
    EXPECT_EQ(testing::readBytes(f.ratings.file()), damaged) << "loading writes nothing";

    f.ratings.add("new", 1, 0);
    ASSERT_TRUE(SaveRatings(f.host, f.ratings));
    EXPECT_EQ(testing::readBytes(BadRatingsPath(f.ratings.file())), damaged);
    EXPECT_EQ(std::filesystem::file_size(f.ratings.file()), RatingRecordSize);
    // Later saves leave the kept copy alone.
    f.ratings.add("other", 1, 0);
    ASSERT_TRUE(SaveRatings(f.host, f.ratings));
    EXPECT_EQ(testing::readBytes(BadRatingsPath(f.ratings.file())), damaged);

    // A good file loads, sorted by the order set, and is saved back.
    Ratings loaded(f.ratings.file());
    loaded.setSortOrder(0, true);
    ASSERT_TRUE(LoadRatings(f.host, loaded));
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded.records()[0].Key, "other");
}

TEST(Ratings, RefreshAsksAndBuildsAside)
{
    StakesFolder f;
    StakeRecord checked = stakeFor(10, {1, 2, 3, 4, 5, 6}, "a");
    checked.Checked = true;
    checked.Matches = 2;
    checked.Profit = -20000;
    f.file.Append(checked);
    f.file.Append(stakeFor(11, {1, 2, 3, 4, 5, 6}, "b")); // unchecked: not counted
    StakeRecord damaged = checked;
    damaged.Matches = 40;
    f.file.Append(damaged); // never indexes a slot
    f.file.Append(MakeSeparator());
    f.ratings.add("old", 1, 0);

    f.host.yesNoAnswers = {false};
    EXPECT_FALSE(RefreshRatings(f.host, f.ratings, f.file));
    EXPECT_EQ(f.ratings.records()[0].Key, "old");
    EXPECT_EQ(f.host.questions.back().text, RatingsRefreshQuestion);

    f.host.yesNoAnswers = {true};
    f.host.cancelAtOpen = true;
    EXPECT_FALSE(RefreshRatings(f.host, f.ratings, f.file));
    EXPECT_EQ(f.ratings.records()[0].Key, "old") << "a cancelled refresh keeps the old ratings";

    f.host.cancelAtOpen = false;
    f.host.yesNoAnswers = {true};
    ASSERT_TRUE(RefreshRatings(f.host, f.ratings, f.file));
    ASSERT_EQ(f.ratings.size(), 1u);
    EXPECT_EQ(f.ratings.records()[0].Key, "a");
    EXPECT_EQ(f.ratings.records()[0].MatchCounts[2], 1);
    EXPECT_EQ(ReadRatingsFile(f.ratings.file()), f.ratings.records());

    // Empty ratings are rebuilt without a question.
    Ratings fresh(f.dir / "other.lrt");
    const size_t asked = f.host.questions.size();
    ASSERT_TRUE(RefreshRatings(f.host, fresh, f.file));
    EXPECT_EQ(f.host.questions.size(), asked);
    EXPECT_EQ(fresh.size(), 1u);
}

} // namespace
} // namespace belvane::stakes
