#include <gtest/gtest.h>

#include "helpers/scenario_lines.h"
#include "helpers/stats_fixture.h"
#include "scenario/script_codes.h"
#include "scenario/script_element.h"
#include "scenario/script_line.h"

namespace belvane::scenario {
namespace {

using testing::StatsFixture;

using testing::kDoneLine;

std::string idOf(const StatsFixture& f, const TFilterItem& item)
{
    return item.Method < 0 ? std::string("<none>") : f.list.Item(item.Method).ID();
}

TEST(ScriptOptions, ParseFallbacksAndCase)
{
    struct Case {
        std::string_view text;
        int start, count, result;
        bool clear, newOnly;
    } cases[] = {
        {"EXCL", 1, 0, 0, false, false},   // no colon: count 0
        {"excl:7", 1, 7, 0, false, false}, // lower case
        {" cUrR:3 # sysC #nex# clr ", 2, 3, 5, true, true},
        {"FULL:x#ALL", 0, 0, 3, false, false},        // count not a number
        {"XYZ:4#BOGUS#CLR", 0, 4, 0, true, false},    // unknown codes fall back to the first entry
        {"EXCLUDE:2#SKIPPED", 1, 2, 0, false, false}, // start by prefix, result only when equal
        {"", 0, 0, 0, false, false},
        {"FULL:1##NONE###OTHER#NEX", 0, 1, 8, false, true}, // runs of "#" are one delimiter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text));
        const TScriptOptions o = ParseScriptOptions(c.text);
        EXPECT_EQ(o.StartMode, c.start);
        EXPECT_EQ(o.DrawCount, c.count);
        EXPECT_EQ(o.ResultMode, c.result);
        EXPECT_EQ(o.ClearStakes, c.clear);
        EXPECT_EQ(o.NewOnly, c.newOnly);
    }
}

TEST(ScriptOptions, WrittenPrintedAndSummarised)
{
    const TScriptOptions o = ParseScriptOptions("EXCL:5#SKIP#CLR#NEX");
    EXPECT_EQ(ScriptOptionsText(o), "EXCL:5#SKIP#CLR#NEX");
    EXPECT_EQ(PrintScriptOptions(o), "EXCL:5#SKIP#NEX");
    EXPECT_EQ(ScriptOptionsSummary(o), "Исключить 5 тиражей; Пропустить; Удалить ставки; Только новые ставки");

    const TScriptOptions full = ParseScriptOptions("full:3#sysa");
    EXPECT_EQ(ScriptOptionsText(full), "FULL:3#SYSA");
    EXPECT_EQ(PrintScriptOptions(full), "FULL#SYSA"); // the count only for EXCL
    EXPECT_EQ(ScriptOptionsSummary(full), "Исходный список; Система [все]; Все создаваемые ставки");

    EXPECT_EQ(CodeTableText(ResultModes, 9, CodeForm::List), "# ERROR #");
    EXPECT_EQ(CodeTableText(StartModes, -1, CodeForm::Dialog), "# ERROR #");
}

TEST(FilterItem, EveryCodeInMixedCaseReadsAndWritesCanonically)
{
    StatsFixture f;
    for (size_t c = 0; c < Conditions.size(); ++c) {
        for (size_t s = 0; s < StopModes.size(); ++s) {
            std::string cond(Conditions[c].Code), stop(StopModes[s].Code);
            cond[1] = static_cast<char>(std::tolower(static_cast<unsigned char>(cond[1])));
            stop[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(stop[0])));
            const std::string text = "TSD2#nUmS:100#" + cond + ":7#" + stop + ":3";
            SCOPED_TRACE(text);
            const TFilterItem item = ParseFilterItem(f.list, text);
            EXPECT_EQ(item.Condition, c);
            EXPECT_EQ(item.StopMode, s);
            const std::string canonical = FilterItemText(f.list, item);
            EXPECT_EQ(canonical, "TSD2#NUMS:100#" + std::string(Conditions[c].Code) + ":7#" +
                                     std::string(StopModes[s].Code) + ":3");
            TFilterItem again = ParseFilterItem(f.list, canonical);
            again.MethodText = item.MethodText; // the word as read is all that differs
            EXPECT_EQ(again, item);
        }
    }
}

TEST(FilterItem, FlagsAndSortColumn)
{
    StatsFixture f;
    const TFilterItem a = ParseFilterItem(f.list, "BMF12#NUMS:100#LMV:3#SF:1");
    EXPECT_TRUE(a.Active);
    EXPECT_TRUE(a.BottomUp);
    EXPECT_TRUE(a.MultiSelect);
    EXPECT_TRUE(a.Keep);
    EXPECT_EQ(a.SortColumn, 12); // not 1
    EXPECT_EQ(FilterItemText(f.list, a), "BMF12#NUMS:100#LMV:3#SF:1");

    // Letters are case-sensitive and found anywhere; a short or non-numeric tail gives column 1.
    const TFilterItem b = ParseFilterItem(f.list, "bmf#NUMS:100#LNO:#SF:1");
    EXPECT_FALSE(b.BottomUp || b.MultiSelect || b.Keep);
    EXPECT_EQ(b.SortColumn, 1);
    EXPECT_EQ(ParseFilterItem(f.list, "FTBx#NUMS:1").SortColumn, 1);
    EXPECT_TRUE(ParseFilterItem(f.list, "FTBx#NUMS:1").BottomUp);
    EXPECT_EQ(ParseFilterItem(f.list, "TSD25#NUMS:1").SortColumn, 25); // kept; the runner leaves record order

    EXPECT_FALSE(ParseFilterItem(f.list, "   ").Active);
    EXPECT_EQ(FilterItemText(f.list, TFilterItem{}), "");
}

TEST(FilterItem, MissingAndBrokenWords)
{
    StatsFixture f;
    // Unknown method: kept as written, no draw counts.
    const TFilterItem unknown = ParseFilterItem(f.list, "TSD1#XYZQ:100#LMV:3#SF:1");
    EXPECT_EQ(unknown.Method, -1);
    EXPECT_EQ(unknown.DrawsText, "");
    EXPECT_EQ(FilterItemText(f.list, unknown), "TSD1#XYZQ:100#LMV:3#SF:1");

    // No stop word: rule 0 with value 0. A stop value that is no number: 1.
    const TFilterItem noStop = ParseFilterItem(f.list, "TSD1#NUMS:100#LMV:3");
    EXPECT_EQ(noStop.StopMode, 0);
    EXPECT_EQ(noStop.StopValue, 0);
    EXPECT_EQ(FilterItemText(f.list, noStop), "TSD1#NUMS:100#LMV:3#SF:0");
    const TFilterItem badStop = ParseFilterItem(f.list, "TSD1#NUMS:100#LMV:3#SV:many");
    EXPECT_EQ(badStop.StopMode, StopCount);
    EXPECT_EQ(badStop.StopValue, 1);

    // Unknown condition: condition 0 with an empty value.
    const TFilterItem badCond = ParseFilterItem(f.list, "TSD1#NUMS:50#QQQ:4#ST:2");
    EXPECT_EQ(badCond.Condition, 0);
    EXPECT_EQ(badCond.ConditionText, "");
    EXPECT_EQ(FilterItemText(f.list, badCond), "TSD1#NUMS:50#LNO:#ST:2");
}

TEST(FilterItem, CoefficientOverride)
{
    StatsFixture f;
    const TFilterItem item = ParseFilterItem(f.list, "TMF8#NUMS:100#WMV:5#SF:1#0.5:-1:2.25:1:0");
    EXPECT_TRUE(item.CoefOverride);
    EXPECT_EQ(item.Weights.Count, 0.5L);
    EXPECT_EQ(item.Weights.Deviation, -1.0L);
    EXPECT_EQ(item.Weights.Level, 2.25L);
    EXPECT_TRUE(item.Weights.UsePercents);
    EXPECT_FALSE(item.Weights.UseAbsValues);
    EXPECT_EQ(FilterItemText(f.list, item), "TMF8#NUMS:100#WMV:5#SF:1#0.5:-1:2.25:1:0");

    // Stray characters are passed over; what is no number reads as 0; only "1" is true.
    const TFilterItem odd = ParseFilterItem(f.list, "TMF8#NUMS:100#WMV:5#SF:1#x1.5y:abc:-:yes:1");
    EXPECT_EQ(odd.Weights.Count, 1.5L);
    EXPECT_EQ(odd.Weights.Deviation, 0.0L);
    EXPECT_EQ(odd.Weights.Level, 0.0L);
    EXPECT_FALSE(odd.Weights.UsePercents);
    EXPECT_TRUE(odd.Weights.UseAbsValues);
    EXPECT_FALSE(ParseFilterItem(f.list, "TMF8#NUMS:100#WMV:5#SF:1").CoefOverride);
}

TEST(FilterItem, MethodWordMatchesExactlyBeforeByPrefix)
{
    StatsFixture f;
    f.config.ChannelSize = 4; // channels 1..12
    f.config.MatrixCols = 10; // columns 1..10
    f.list.BuildMethods();
    ASSERT_GE(f.list.FindMethod("CHN12"), 0);
    ASSERT_GE(f.list.FindMethod("COL10"), 0);

    EXPECT_EQ(idOf(f, ParseFilterItem(f.list, "TSD1#CHN12:100#LNO:#SF:1")), "CHN12");
    EXPECT_EQ(idOf(f, ParseFilterItem(f.list, "TSD1#col10:50#LNO:#SF:1")), "COL10");
    EXPECT_EQ(idOf(f, ParseFilterItem(f.list, "TSD1#chn1:5#LNO:#SF:1")), "CHN1");
    EXPECT_EQ(FilterItemText(f.list, ParseFilterItem(f.list, "TSD1#CHN12:100#LNO:#SF:1")), "TSD1#CHN12:100#LNO:#SF:1");

    // Nothing equal: the first entry in registry order whose ID the word begins with.
    const TFilterItem prefixed = ParseFilterItem(f.list, "TSD1#CHN12X:100#LNO:#SF:1");
    EXPECT_EQ(idOf(f, prefixed), "CHN1");
    EXPECT_EQ(prefixed.DrawsText, "100");

    // With nine channels CHN12 does not exist and the prefix rule applies.
    StatsFixture nine;
    EXPECT_EQ(idOf(nine, ParseFilterItem(nine.list, "TSD1#CHN12:100#LNO:#SF:1")), "CHN1");
}

TEST(ScriptLine, FiltersOneAndThreeWithAndWithoutComment)
{
    ScriptLineFields fields;
    fields.Options = "FULL:0#RAND";
    fields.Filters[0] = " TSD1#NUMS:100#LNO:#SF:1 ";
    fields.Filters[2] = "BSD6#SUMS:100#LNO:#SZ:1";
    const std::string line = JoinScriptLine(fields);
    EXPECT_EQ(line, "FULL:0#RAND|TSD1#NUMS:100#LNO:#SF:1| |BSD6#SUMS:100#LNO:#SZ:1| | | | |");

    const ScriptLineFields back = SplitScriptLine(line);
    EXPECT_EQ(back.Filters[0], "TSD1#NUMS:100#LNO:#SF:1");
    EXPECT_EQ(back.Filters[1], "");
    EXPECT_EQ(back.Filters[2], "BSD6#SUMS:100#LNO:#SZ:1");
    EXPECT_EQ(back.Comment, "");

    fields.Comment = "  Мой комментарий ";
    const std::string commented = JoinScriptLine(fields);
    EXPECT_EQ(commented, "FULL:0#RAND|TSD1#NUMS:100#LNO:#SF:1| |BSD6#SUMS:100#LNO:#SZ:1| | | | |Мой комментарий");
    EXPECT_EQ(SplitScriptLine(commented).Comment, "Мой комментарий");

    // Words after the ninth are ignored; missing fields are empty.
    EXPECT_EQ(SplitScriptLine(commented + "|extra").Comment, "Мой комментарий");
    EXPECT_EQ(SplitScriptLine("FULL:0#RAND").Filters[0], "");

    // Without options the first filter keeps its place.
    ScriptLineFields bare;
    bare.Filters[5] = "TMF#NUMS:20#LNO:#SF:1";
    bare.Comment = "без опций";
    EXPECT_EQ(JoinScriptLine(bare), " | | | | | |TMF#NUMS:20#LNO:#SF:1| |без опций");
    EXPECT_EQ(SplitScriptLine(JoinScriptLine(bare)), bare);
}

TEST(ScriptLine, DoneLineRoundTripsAndShowsItsColumns)
{
    StatsFixture f;
    EXPECT_EQ(CanonicalScriptLine(f.list, kDoneLine), kDoneLine);
    EXPECT_EQ(JoinScriptLine(SplitScriptLine(kDoneLine)), kDoneLine);

    const auto row = ScriptRowTexts(f.list, kDoneLine);
    EXPECT_EQ(row[0], "");
    EXPECT_EQ(row[1], "Исключить 5 тиражей; Пропустить; Удалить ставки; Только новые ставки");
    EXPECT_EQ(row[2], "TMF1#NUMS:10,20#LMV:1-3;1#SF:1");
    EXPECT_EQ(row[3], "");
    EXPECT_EQ(row[4], "BSD6#SUMS:100#LNO:#SZ:1");
    for (size_t i = 5; i < row.size(); ++i)
        EXPECT_EQ(row[i], "");

    const auto items = ParseLineFilters(f.list, SplitScriptLine(kDoneLine));
    ASSERT_EQ(items.size(), 2u); // compacted: the third field is the second item
    EXPECT_EQ(idOf(f, items[1]), "SUMS");

    // Mixed case reads back as the canonical line.
    EXPECT_EQ(CanonicalScriptLine(f.list,
                                  "excl:5#skip#clr#nex|TMF1#nums:10,20#lmv:1-3;1#sf:1| |BSD6#sums:100#lno:#sz:1| "
                                  "| | | |"),
              kDoneLine);
    EXPECT_EQ(ScriptLinesStatus(12), "Строк: 12");
}

TEST(ScriptLine, BlankLinesAreSeparators)
{
    StatsFixture f;
    for (std::string_view blank : {"", " ", "\r", " \t\r "}) {
        EXPECT_TRUE(IsSeparatorLine(blank));
        for (const std::string& cell : ScriptRowTexts(f.list, blank))
            EXPECT_EQ(cell, "");
        EXPECT_EQ(CanonicalScriptLine(f.list, blank), "");
    }
    EXPECT_FALSE(IsSeparatorLine("FULL:0#RAND| | | | | | | |"));
}

TEST(ScriptElement, FieldsFromLineAndBack)
{
    const ScriptElementFields empty = ElementFieldsFromLine("", 15);
    EXPECT_EQ(empty.DrawCount, 15);
    EXPECT_EQ(empty.StartMode, 0);
    EXPECT_EQ(empty.ResultMode, 0);
    EXPECT_EQ(empty.Comment, "");

    const ScriptElementFields fields = ElementFieldsFromLine(kDoneLine, 15);
    EXPECT_EQ(fields.StartMode, StartExclude);
    EXPECT_EQ(fields.DrawCount, 5);
    EXPECT_EQ(fields.ResultMode, ResultSkip);
    EXPECT_TRUE(fields.ClearStakes);
    EXPECT_TRUE(fields.NewOnly);
    EXPECT_EQ(fields.Filters[2], "BSD6#SUMS:100#LNO:#SZ:1");
    EXPECT_EQ(ElementLineText(fields), kDoneLine);
    EXPECT_FALSE(ValidateElementFields(fields));

    // A filter field keeps what was typed, even what the parser cannot read.
    const ScriptElementFields typed = ElementFieldsFromLine("FULL#RAND|odd text| | | | | | |note", 0);
    EXPECT_EQ(typed.Filters[0], "odd text");
    EXPECT_EQ(ElementLineText(typed), "FULL:0#RAND|odd text| | | | | | |note");
}

TEST(ScriptElement, RefusesWhatWouldCutTheLine)
{
    ScriptElementFields fields;
    fields.Comment = "a|b";
    auto problem = ValidateElementFields(fields);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->Message, "Комментарий не может содержать символ \"|\" или перевод строки!");
    EXPECT_EQ(problem->Control, "edComments");

    fields.Comment = "ok # too";
    fields.Filters[2] = "TSD1#NUMS:10|";
    problem = ValidateElementFields(fields);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->Message, "Фильтр 3 не может содержать символ \"|\" или перевод строки!");
    EXPECT_EQ(problem->Control, "edFilter3");

    fields.Filters[2] = "";
    fields.Comment = "two\nlines";
    EXPECT_TRUE(ValidateElementFields(fields));
}

TEST(ScriptElement, NewFilterStepPassesTheDialogChecks)
{
    StatsFixture f;
    const int nums = f.list.FindMethod("NUMS");
    TFilterItem item = NewFilterItem(nums, "100", f.config.Weights);
    EXPECT_EQ(FilterItemText(f.list, item), "TSD1#NUMS:100#LNO:#SF:1");
    EXPECT_FALSE(combs::ValidateFilterStep(FilterStepInputOf(f.list, item)));
    item.MultiSelect = true;
    item.StopMode = StopCombCount;
    EXPECT_TRUE(combs::ValidateFilterStep(FilterStepInputOf(f.list, item)));
}

// The filter dialog offers a step's own coefficients for the "Вес" conditions only.
TEST(ScriptCodes, WeightConditionsAreTheWeightColumnOnes)
{
    for (int c = -1; c <= static_cast<int>(Conditions.size()); ++c) {
        const bool weight =
            c >= 0 && c < static_cast<int>(Conditions.size()) && Conditions[static_cast<size_t>(c)].Code[0] == 'W';
        EXPECT_EQ(IsWeightCondition(c), weight) << c;
    }
}

} // namespace
} // namespace belvane::scenario
