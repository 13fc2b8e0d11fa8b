#include <gtest/gtest.h>

#include "app/combination_service.h"
#include "app/filter_request.h"
#include "combs/filter.h"
#include "combs/generate.h"
#include "combs/reductions.h"
#include "helpers/draws_builder.h"
#include "helpers/recording_host.h"
#include "helpers/temp_dir.h"
#include "helpers/workspace_fixture.h"
#include "model/full_set.h"
#include "stats/stat_list.h"
#include "support/error.h"

namespace belvane::combs {
namespace {

using model::TComb;
using testing::makeDraw;
using testing::StartedWorkspace;
using testing::TempDir;

// A workspace over an archive; its list is the full set.
struct Fixture {
    TempDir dir;
    std::unique_ptr<StartedWorkspace> s;

    explicit Fixture(const model::TDrawsArray& draws = {})
    {
        testing::writeArchiveFile(dir.path(), draws);
        s = std::make_unique<StartedWorkspace>(dir.path());
    }
    app::Workspace& ws() { return **s; }
    testing::RecordingHost& host() { return s->host; }
    app::CombinationService& combs() { return ws().Combinations(); }

    // Keep or remove the combinations having these values of a method.
    app::FilterRequest request(std::string_view id, std::vector<std::string> values, bool remove)
    {
        app::FilterRequest r;
        r.Entry = ws().Registry().FindMethod(id);
        r.Remove = remove;
        r.ValueTexts = std::move(values);
        return r;
    }
};

TEST(Filter, KeepThenRemoveTheSameValuesEmptiesTheList)
{
    Fixture f({makeDraw(1, {1, 2, 3, 4, 5, 6})});
    f.host().statuses.clear();
    ASSERT_TRUE(f.combs().Filter(f.request("NUMS", {"1", "2", "3"}, false)));
    EXPECT_EQ(f.combs().Count(), 2'899'274u);
    ASSERT_TRUE(f.combs().Filter(f.request("NUMS", {"1", "2", "3"}, true)));
    EXPECT_EQ(f.combs().Count(), 0u);
    const auto& rows = f.combs().History().Rows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].Count, 2'899'274u);
    EXPECT_EQ(rows[0].Icon, HistoryIcon::Keep);
    EXPECT_EQ(rows[0].Caption, "{ num } Числа тиража [ N ]");
    EXPECT_EQ(rows[0].Values, "1; 2; 3");
    EXPECT_EQ(rows[1].Count, 0u);
    EXPECT_EQ(rows[1].Icon, HistoryIcon::Remove);
    EXPECT_EQ(f.host().statuses.front(), "Фильтрация комбинаций...");

    // Undo takes back the last filter and its history row; a second undo has nothing.
    f.combs().Undo();
    EXPECT_EQ(f.combs().Count(), 2'899'274u);
    EXPECT_EQ(f.combs().History().Rows().size(), 1u);
    EXPECT_FALSE(f.combs().CanUndo());
}

TEST(Filter, SelectionFormsAgree)
{
    // Rows of the table, their value texts and the value records select the same.
    Fixture f({makeDraw(1, {1, 2, 3, 4, 5, 6}), makeDraw(2, {7, 8, 9, 10, 11, 12})});
    app::FilterRequest byRows = f.request("NUMS", {}, false);
    byRows.Rows = {4, 9}; // 5 and 10
    const FilterSelection rows = app::ResolveFilterSelection(f.ws().Registry(), byRows);
    const FilterSelection texts = app::ResolveFilterSelection(f.ws().Registry(), f.request("NUMS", {"5", "10"}, false));
    EXPECT_EQ(rows.ValuesText, "5; 10");
    EXPECT_EQ(texts.ValuesText, rows.ValuesText);
    ASSERT_EQ(texts.Values.size(), 2u);
    EXPECT_EQ(texts.Values[1].V1, 10);

    try {
        app::ResolveFilterSelection(f.ws().Registry(), f.request("NUMS", {"46"}, false));
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Значение \"46\" не найдено в таблице статистики метода NUMS!");
    }
    EXPECT_FALSE(f.combs().Filter(f.request("NUMS", {"46"}, false)));
    EXPECT_EQ(f.host().errors().back(), "Значение \"46\" не найдено в таблице статистики метода NUMS!");
    EXPECT_EQ(f.combs().Count(), static_cast<size_t>(model::FullSetSize));
}

TEST(Filter, APreparedRequestIsTheTestTheServiceRuns)
{
    // The runner and the service prepare a request alike: its test keeps what the service keeps.
    Fixture f({makeDraw(1, {1, 2, 3, 4, 5, 6})});
    const app::PreparedFilter keep = app::PrepareFilter(f.ws().Registry(), f.request("NUMS", {"1", "2", "3"}, false));
    ASSERT_NE(keep.Test, nullptr);
    EXPECT_TRUE(keep.KeepMatching);
    EXPECT_EQ(keep.Selection.Caption, "{ num } Числа тиража [ N ]");
    EXPECT_EQ(keep.Selection.ValuesText, "1; 2; 3");
    EXPECT_TRUE(keep.Test->matches({3, 10, 20, 30, 40, 45}));
    EXPECT_FALSE(keep.Test->matches({4, 10, 20, 30, 40, 45}));
    std::vector<TComb> full(static_cast<size_t>(model::FullSetSize));
    model::FillCombinations(0, full);
    std::vector<TComb> kept(full.size());
    EXPECT_EQ(keep.Test->filter(full, kept.data(), keep.KeepMatching), 2'899'274u);
    ASSERT_TRUE(f.combs().Filter(f.request("NUMS", {"1", "2", "3"}, false)));
    EXPECT_EQ(f.combs().Count(), 2'899'274u);

    const app::PreparedFilter remove = app::PrepareFilter(f.ws().Registry(), f.request("NUMS", {"1"}, true));
    EXPECT_FALSE(remove.KeepMatching);

    // Nothing selected: nothing to test, and no failure.
    const app::PreparedFilter none = app::PrepareFilter(f.ws().Registry(), f.request("NUMS", {}, false));
    EXPECT_EQ(none.Test, nullptr);
    EXPECT_TRUE(none.Selection.Values.empty());

    // No method: the method box's message, before anything is resolved.
    app::FilterRequest noMethod = f.request("NUMS", {"1"}, false);
    noMethod.Entry = -1;
    try {
        app::PrepareFilter(f.ws().Registry(), noMethod);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Не выбран метод расчета статистики (cb: cbDrawsStatType)!");
    }
}

TEST(Filter, EmptySelectionDoesNothing)
{
    Fixture f;
    ASSERT_TRUE(f.combs().Paste("1 2 3 4 5 6"));
    EXPECT_FALSE(f.combs().Filter(f.request("NUMS", {}, false)));
    EXPECT_EQ(f.combs().Count(), 1u);
    EXPECT_FALSE(f.combs().CanUndo());
    EXPECT_TRUE(f.combs().History().Rows().empty());
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
    Fixture f({makeDraw(1, {5, 12, 23, 31, 40, 44})});
    ASSERT_TRUE(f.combs().Filter(f.request("POS1", {"40"}, false)));
    EXPECT_EQ(f.combs().Count(), static_cast<size_t>(model::Binomial(5, 5))); // 40 41 42 43 44 45
    ASSERT_TRUE(f.combs().Filter(f.request("POS1", {"40"}, true)));
    EXPECT_EQ(f.combs().Count(), 0u);
}

TEST(Filter, CancelledFilterChangesNothing)
{
    Fixture f({makeDraw(1, {1, 2, 3, 4, 5, 6})});
    f.host().requestCancel();
    EXPECT_FALSE(f.combs().Filter(f.request("NUMS", {"1"}, false)));
    EXPECT_EQ(f.combs().Count(), static_cast<size_t>(model::FullSetSize));
    EXPECT_TRUE(f.combs().History().Rows().empty());
    EXPECT_FALSE(f.combs().CanUndo());
}

TEST(Filter, AOneShotSessionFiltersInPlace)
{
    TempDir dir;
    testing::writeArchiveFile(dir.path(), {makeDraw(1, {1, 2, 3, 4, 5, 6})});
    StartedWorkspace s(dir.path(), {}, {.Interactive = false});
    app::CombinationService& combs = s->Combinations();
    EXPECT_EQ(combs.Count(), 0u); // no list until a command asks for one
    ASSERT_TRUE(combs.Generate({GenerateFull, {}}));
    app::FilterRequest r;
    r.Entry = s->Registry().FindMethod("NUMS");
    r.ValueTexts = {"1", "2", "3"};
    ASSERT_TRUE(combs.Filter(r));
    EXPECT_EQ(combs.Count(), 2'899'274u);
    EXPECT_FALSE(combs.CanUndo());
    EXPECT_EQ(combs.List().undo().capacity(), 0u);
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

    Fixture f(draws);
    ASSERT_TRUE(f.combs().Paste("1 2 3 4 5 6\n2 3 4 5 6 7\n1 2 3 4 5 8\n9 10 11 12 13 14"));
    f.combs().ExcludeLatestDraws(2); // draws 2 and 3, in any order of numbers
    ASSERT_EQ(f.combs().Count(), 2u);
    EXPECT_EQ(f.combs().Combs()[0], (TComb{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(f.combs().History().Rows().back().Caption, "Последние тиражи");
    EXPECT_EQ(f.combs().History().Rows().back().Values, "2");

    const std::vector<size_t> rows{0, 0, 99};
    f.combs().DeleteRows(rows);
    ASSERT_EQ(f.combs().Count(), 1u);
    EXPECT_EQ(f.combs().Combs()[0], (TComb{9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(f.combs().History().Rows().back().Caption, "Выделенные комбинации");
    EXPECT_EQ(f.combs().History().Rows().back().Values, "1");
}

TEST(CombListActions, PasteOpenAndGenerate)
{
    Fixture f;
    app::CombinationService& c = f.combs();
    ASSERT_TRUE(c.Paste("1 2 3 4 5 6"));

    EXPECT_FALSE(c.Paste("7 8 9 10 11 12\n1 2 3"));
    EXPECT_EQ(c.Count(), 1u); // the previous list stays
    EXPECT_EQ(f.host().errors().back(), "Некорректная комбинация: \"1 2 3\"!");
    EXPECT_TRUE(c.Paste("7 8 9 10 11 12\n13,14,15,16,17,18"));
    EXPECT_EQ(c.Count(), 2u);
    EXPECT_TRUE(c.History().Rows().empty());
    EXPECT_FALSE(c.CanUndo());

    EXPECT_FALSE(c.Open(f.dir / "missing.lcv"));
    EXPECT_EQ(c.Count(), 2u); // a failed open brings the list back
    testing::writeBytes(f.dir / "l.lcv", "1;2;3;4;5;6\r\n1;2;3\r\n");
    EXPECT_EQ(c.Open(f.dir / "l.lcv"), 1);
    EXPECT_EQ(c.Count(), 1u);
    EXPECT_FALSE(c.CanUndo());

    EXPECT_TRUE(c.Generate({GenerateFromFile, (f.dir / "l.lcv").string()}));
    EXPECT_EQ(c.Count(), 1u);
    EXPECT_FALSE(c.Generate({GenerateFromFile, (f.dir / "none.lcv").string()}));
    EXPECT_TRUE(f.host().errors().back().starts_with("Ошибка генерации файла комбинаций!\r\rОшибка чтения файла \""));
    EXPECT_TRUE(c.Generate({GenerateOnlyOf, "1,2,3,4,5,6,7"}));
    EXPECT_EQ(c.Count(), 7u);
    EXPECT_EQ(app::CombsCountText(7), "Комбинаций: 7");
}

} // namespace
} // namespace belvane::combs
