#include <gtest/gtest.h>

#include "app/comb_list_ops.h"
#include "app/filter_ops.h"
#include "combs/filter.h"
#include "combs/generate.h"
#include "combs/reductions.h"
#include "helpers/recording_host.h"
#include "helpers/stats_fixture.h"
#include "helpers/temp_dir.h"
#include "support/error.h"

namespace belvane::combs {
namespace {

using model::TComb;
using testing::makeDraw;
using testing::RecordingHost;
using testing::StatsFixture;

app::CombinationsState fullSet()
{
    app::CombinationsState s;
    s.List.reserveFullSet();
    GenerateCombinations(s.List.list(), GenerateFull, {});
    return s;
}

FilterSelection numbers(std::initializer_list<int> values, std::string text = "")
{
    FilterSelection s;
    for (int v : values) {
        stats::TStatDraw d;
        d.V1 = static_cast<int16_t>(v);
        s.Values.push_back(d);
    }
    s.Caption = "{ num } Числа тиража [ N ]";
    s.ValuesText = std::move(text);
    return s;
}

TEST(Filter, KeepThenRemoveTheSameValuesEmptiesTheList)
{
    StatsFixture f({makeDraw(1, {1, 2, 3, 4, 5, 6})});
    auto nums = f.create("NUMS");
    app::CombinationsState s = fullSet();
    RecordingHost host;
    ASSERT_TRUE(app::RunFilter(host, s, *nums, numbers({1, 2, 3}, "1; 2; 3"), false, 1, 0, false));
    EXPECT_EQ(s.List.count(), 2'899'274u);
    ASSERT_TRUE(app::RunFilter(host, s, *nums, numbers({1, 2, 3}), true, 1, 0, false));
    EXPECT_EQ(s.List.count(), 0u);
    ASSERT_EQ(s.History.rows().size(), 2u);
    EXPECT_EQ(s.History.rows()[0].Count, 2'899'274u);
    EXPECT_EQ(s.History.rows()[0].Icon, HistoryIcon::Keep);
    EXPECT_EQ(s.History.rows()[0].Values, "1; 2; 3");
    EXPECT_EQ(s.History.rows()[1].Count, 0u);
    EXPECT_EQ(s.History.rows()[1].Icon, HistoryIcon::Remove);
    EXPECT_EQ(host.statuses.front(), "Фильтрация комбинаций...");

    // Undo takes back the last filter and its history row; a second undo has nothing.
    app::UndoLast(host, s);
    EXPECT_EQ(s.List.count(), 2'899'274u);
    EXPECT_EQ(s.History.rows().size(), 1u);
    EXPECT_FALSE(s.List.canUndo());
}

TEST(Filter, EmptyTableSelectionDoesNothing)
{
    StatsFixture f;
    auto nums = f.create("NUMS");
    app::CombinationsState s;
    s.List.list().assign(std::vector<TComb>{{1, 2, 3, 4, 5, 6}});
    RecordingHost host;
    EXPECT_FALSE(app::RunFilter(host, s, *nums, FilterSelection{}, false, 0, 0, false));
    EXPECT_EQ(s.List.count(), 1u);
    EXPECT_FALSE(s.List.canUndo());
    EXPECT_TRUE(s.History.rows().empty());
}

TEST(Filter, CardSelectionOfEmptyCellsChangesNothing)
{
    StatsFixture f;
    app::CombinationsState s;
    s.List.list().assign(std::vector<TComb>{{1, 2, 3, 4, 5, 6}});
    RecordingHost host;
    const std::vector<std::string> cells{"", " "};
    EXPECT_FALSE(app::RunNumbersFilter(
        host, s, f.list, [&] { return NumbersFromCells(cells, false, "Карта"); }, false, 0, 0, false));
    EXPECT_EQ(host.errors(), std::vector<std::string>{"В выделенном диапазоне нет значений для фильтра!"});
    EXPECT_EQ(s.List.count(), 1u);
    EXPECT_TRUE(s.History.rows().empty());
    EXPECT_TRUE(s.List.canUndo()); // the undo copy was taken before the values were read
}

TEST(Filter, ValuesFromCardLayoutAndWeek)
{
    const std::vector<std::string> layout{"[12], 7", "", "7,3", "x"};
    const FilterSelection s = NumbersFromCells(layout, true, "Схема");
    ASSERT_EQ(s.Values.size(), 4u);
    EXPECT_EQ(s.Values[0].V1, 12);
    EXPECT_EQ(s.Values[1].V1, 7);
    EXPECT_EQ(s.Values[2].V1, 3);
    EXPECT_EQ(s.Values[3].V1, 0); // not a number: 0
    EXPECT_EQ(s.ValuesText, "12; 7; 3; 0");
    EXPECT_EQ(s.Caption, "Схема");

    const FilterSelection card = NumbersFromCells(std::vector<std::string>{"5", "45", "5"}, false, "Карта");
    EXPECT_EQ(card.ValuesText, "5; 45");

    const FilterSelection week = WeekColumns(2, 4);
    EXPECT_EQ(week.Caption, "Неделя");
    EXPECT_EQ(week.ValuesText, "2; 3; 4");
    EXPECT_THROW(WeekColumns(3, 2), Error);
}

TEST(Filter, LastIndexAndReferenceDraw)
{
    EXPECT_EQ(FilterLastIndex(10, 0), 9);
    EXPECT_EQ(FilterLastIndex(10, 9), 0);
    EXPECT_EQ(FilterLastIndex(10, 12), 0);
    EXPECT_EQ(FilterLastIndex(0, 0), 0);
}

TEST(Filter, SmallArchiveByPosition)
{
    // POS1 keeps combinations whose first number is a selected one.
    StatsFixture f({makeDraw(1, {5, 12, 23, 31, 40, 44})});
    auto pos1 = f.create("POS1");
    app::CombinationsState s = fullSet();
    RecordingHost host;
    ASSERT_TRUE(app::RunFilter(host, s, *pos1, numbers({40}), false, 1, 0, false));
    EXPECT_EQ(s.List.count(), static_cast<size_t>(model::Binomial(5, 5))); // 40 41 42 43 44 45
    ASSERT_TRUE(app::RunFilter(host, s, *pos1, numbers({40}), true, 1, 0, false));
    EXPECT_EQ(s.List.count(), 0u);
}

TEST(Filter, CancelledFilterChangesNothing)
{
    StatsFixture f;
    auto nums = f.create("NUMS");
    app::CombinationsState s = fullSet();
    RecordingHost host;
    host.requestCancel();
    EXPECT_FALSE(app::RunFilter(host, s, *nums, numbers({1}), false, 0, 0, false));
    EXPECT_EQ(s.List.count(), static_cast<size_t>(model::FullSetSize));
    EXPECT_TRUE(s.History.rows().empty());
}

TEST(FilterStep, ChecksInOrder)
{
    FilterStepInput step;
    step.DrawsLen = "100";
    EXPECT_FALSE(ValidateFilterStep(step));
    for (const char* bad : {"", "0", "10-1;1", "x"}) {
        step.DrawsLen = bad;
        const auto p = ValidateFilterStep(step);
        ASSERT_TRUE(p) << bad;
        EXPECT_EQ(p->Message, "Введен некорректный диапазон значений!");
        EXPECT_EQ(p->Control, "edDrawsLen");
    }
    step.DrawsLen = "100-500;100";
    step.LevelMode = 31;
    step.ValueFromText = false;
    EXPECT_EQ(ValidateFilterStep(step)->Message,
              "Для данного вида статистики не доступен режим выделения по списку значений!");
    step.ValueFromText = true;
    EXPECT_EQ(ValidateFilterStep(step)->Control, "edLevelValue");
    step.LevelValue = "1,2";
    EXPECT_FALSE(ValidateFilterStep(step));
    step.MultiSelect = true;
    step.StopMode = 1;
    EXPECT_EQ(ValidateFilterStep(step)->Message,
              "В режиме мультивыделения остановка сценария по количеству комбинаций "
              "или чисел не может быть выполнена!\rВыберите другой способ останова.");
}

TEST(Reductions, LatestDrawsAndSelectedRows)
{
    const model::TDrawsArray draws{makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {6, 5, 4, 3, 2, 7}),
                                   makeDraw(3, {1, 2, 3, 4, 5, 8})};
    EXPECT_EQ(LatestDraws(draws, 1, 0).front().Number, 3);
    EXPECT_EQ(LatestDraws(draws, 2, 1).size(), 2u);
    EXPECT_EQ(LatestDraws(draws, 10, 0).size(), 3u); // more than the archive: every draw up to the offset
    EXPECT_TRUE(LatestDraws(draws, 0, 0).empty());
    EXPECT_TRUE(LatestDraws(draws, 5, 3).empty());

    app::CombinationsState s;
    s.List.list().assign(
        std::vector<TComb>{{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 8}, {9, 10, 11, 12, 13, 14}});
    RecordingHost host;
    app::ExcludeLatestDraws(host, s, draws, 2, 0); // draws 2 and 3, in any order of numbers
    ASSERT_EQ(s.List.count(), 2u);
    EXPECT_EQ(s.List.combs()[0], (TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(s.History.rows().back().Caption, "Последние тиражи");
    EXPECT_EQ(s.History.rows().back().Values, "2");

    const std::vector<size_t> rows{0, 0, 99};
    app::DeleteRows(host, s, rows);
    ASSERT_EQ(s.List.count(), 1u);
    EXPECT_EQ(s.List.combs()[0], (TComb{9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(s.History.rows().back().Caption, "Выделенные комбинации");
    EXPECT_EQ(s.History.rows().back().Values, "1");
}

TEST(CombListActions, PasteOpenAndGenerate)
{
    testing::TempDir dir;
    RecordingHost host;
    app::CombinationsState s;
    s.List.list().assign(std::vector<TComb>{{1, 2, 3, 4, 5, 6}});
    s.History.Add(HistoryIcon::Keep, "x", "", 1);

    EXPECT_FALSE(app::PasteList(host, s, "7 8 9 10 11 12\n1 2 3"));
    EXPECT_EQ(s.List.count(), 1u); // the previous list stays
    EXPECT_EQ(host.errors().back(), "Некорректная комбинация: \"1 2 3\"!");
    EXPECT_TRUE(app::PasteList(host, s, "7 8 9 10 11 12\n13,14,15,16,17,18"));
    EXPECT_EQ(s.List.count(), 2u);
    EXPECT_TRUE(s.History.rows().empty());
    EXPECT_FALSE(s.List.canUndo());

    EXPECT_EQ(app::OpenList(host, s, dir / "missing.lcv"), -1);
    EXPECT_EQ(s.List.count(), 2u); // a failed open brings the list back
    testing::writeBytes(dir / "l.lcv", "1;2;3;4;5;6\r\n1;2;3\r\n");
    EXPECT_EQ(app::OpenList(host, s, dir / "l.lcv"), 1);
    EXPECT_EQ(s.List.count(), 1u);
    EXPECT_FALSE(s.List.canUndo());

    EXPECT_TRUE(app::GenerateList(host, s, {GenerateFromFile, (dir / "l.lcv").string()}));
    EXPECT_EQ(s.List.count(), 1u);
    EXPECT_FALSE(app::GenerateList(host, s, {GenerateFromFile, (dir / "none.lcv").string()}));
    EXPECT_TRUE(host.errors().back().starts_with("Ошибка генерации файла комбинаций!\r\rОшибка чтения файла \""));
    EXPECT_TRUE(app::GenerateList(host, s, {GenerateOnlyOf, "1,2,3,4,5,6,7"}));
    EXPECT_EQ(s.List.count(), 7u);
    EXPECT_EQ(app::CombsCountText(7), "Комбинаций: 7");
}

} // namespace
} // namespace belvane::combs
