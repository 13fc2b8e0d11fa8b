#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/draws_list.h"
#include "app/draws_stat_table.h"
#include "app/proxy_settings.h"
#include "helpers/recording_host.h"
#include "scenario/library_exchange.h"
#include "scenario/run_texts.h"
#include "scenario/script_codes.h"
#include "scenario/script_line.h"
#include "scenario/script_options.h"
#include "support/delphi_format.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane {
namespace {

namespace fs = std::filesystem;

// ---- a language module for the tests ------------------------------------------------------

std::map<std::string, std::string, std::less<>>& fakeLanguage()
{
    static std::map<std::string, std::string, std::less<>> texts;
    return texts;
}

std::string fakeTranslate(std::string_view base)
{
    const auto& texts = fakeLanguage();
    const auto it = texts.find(base);
    return it == texts.end() ? std::string() : it->second;
}

class TranslatedServiceTexts : public ::testing::Test {
protected:
    void SetUp() override { support::SetTextTranslator(&fakeTranslate); }
    void TearDown() override
    {
        support::SetTextTranslator(nullptr);
        fakeLanguage().clear();
    }
    static void translate(std::string base, std::string english) { fakeLanguage()[std::move(base)] = english; }
};

TEST_F(TranslatedServiceTexts, MessageFormatsTheTranslationAndFallsBackWhenItsFieldsDiffer)
{
    translate("Тираж {} уже есть в архиве!", "Draw {} is already in the archive!");
    EXPECT_EQ(support::Message("Тираж {} уже есть в архиве!", 17), "Draw 17 is already in the archive!");

    // A field lost, added, reordered or given other format options: the base template is used.
    translate("Фильтр {} из {}: {}", "Filter {} of {}");
    EXPECT_EQ(support::Message("Фильтр {} из {}: {}", 1, 2, "x"), "Фильтр 1 из 2: x");
    translate("Цикл: {}", "Cycle: {} {}");
    EXPECT_EQ(support::Message("Цикл: {}", 3), "Цикл: 3");
    translate("( завершено {:.0f} % )", "( {} % done )");
    EXPECT_EQ(support::Message("( завершено {:.0f} % )", 45.4), "( завершено 45 % )");
    translate("Попытка {1}, proxy {0}", "Attempt {0}, proxy {1}");
    EXPECT_EQ(support::Message("Попытка {1}, proxy {0}", "p", 2), "Попытка 2, proxy p");

    // Escaped braces are no fields, on either side.
    translate("{{+}} Ставка на тираж {}", "{{+}} Stake on draw {}");
    EXPECT_EQ(support::Message("{{+}} Ставка на тираж {}", 5), "{+} Stake on draw 5");
    translate("{{*}} Режим: \"{}\"", "{*} Mode: \"{}\"");
    EXPECT_EQ(support::Message("{{*}} Режим: \"{}\"", "m"), "{*} Режим: \"m\"");

    // An unknown text, or a hook that knows nothing, leaves the base.
    EXPECT_EQ(support::Message("Строка: {}", 4), "Строка: 4");
    EXPECT_EQ(support::Text("Карта"), "Карта");
}

TEST_F(TranslatedServiceTexts, HostCaptionsAndQuestionsFollowTheLanguage)
{
    translate(std::string(CaptionError), "Error");
    translate(std::string(CaptionWarning), "Attention!");
    translate(std::string(CaptionCaution), "Warning");
    translate(std::string(CaptionConfirm), "Confirmation");
    translate("Удалить выделенную запись?", "Delete the selected record?");
    translate("Удалить все выделенные записи (всего будет удалено {} записи(ей))?",
              "Delete all selected records ({} record(s) in total)?");
    translate("( завершено {:.0f} % )", "( {:.0f} % done )");

    testing::RecordingHost host;
    host.showError("e");
    host.showWarning("w");
    host.showWarning("c", CaptionCaution);
    host.confirm("q", true);
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0].caption, "Error");
    EXPECT_EQ(host.messages[1].caption, "Attention!");
    EXPECT_EQ(host.messages[2].caption, "Warning");
    EXPECT_EQ(host.questions.at(0).caption, "Confirmation");

    EXPECT_EQ(DeleteRowsQuestion(1), "Delete the selected record?");
    EXPECT_EQ(DeleteRowsQuestion(3), "Delete all selected records (3 record(s) in total)?");
    EXPECT_EQ(CompletedPercentText(44.6), "( 45 % done )");
}

TEST_F(TranslatedServiceTexts, ScenarioCodesStayWhileTheirCaptionsAreTranslated)
{
    translate("Исключить %d тиражей", "Exclude %d draws");
    translate("Пропустить", "Skip");
    translate("Удалить ставки", "Delete stakes");
    translate("Только новые ставки", "New stakes only");
    translate("Выбрать одну случайную комбинацию", "Pick one random combination");

    scenario::TScriptOptions o;
    o.StartMode = scenario::StartExclude;
    o.DrawCount = 5;
    o.ResultMode = scenario::ResultSkip;
    o.ClearStakes = true;
    o.NewOnly = true;
    EXPECT_EQ(scenario::ScriptOptionsSummary(o), "Exclude 5 draws; Skip; Delete stakes; New stakes only");
    // What is written into scenario lines keeps its codes.
    EXPECT_EQ(scenario::ScriptOptionsText(o).find("Exclude"), std::string::npos);
    EXPECT_EQ(scenario::CodeTableCaption(scenario::ResultModes, scenario::ResultSkip, scenario::CodeForm::Code),
              "SKIP");
    EXPECT_EQ(scenario::CodeTableCaption(scenario::ResultModes, scenario::ResultRandom, scenario::CodeForm::Dialog),
              "Pick one random combination");
    EXPECT_EQ(scenario::CodeTableCaption(scenario::ResultModes, 99, scenario::CodeForm::Dialog),
              scenario::CodeErrorText);
    EXPECT_EQ(scenario::CodeTableCaption(scenario::Conditions, 0, scenario::CodeForm::List), "");
}

TEST_F(TranslatedServiceTexts, RunLogsStayInTheBaseLanguage)
{
    // The log of a run is a file: its lines never follow the interface.
    translate("{{+}} Ставка на тираж {} добавлена в список ставок: [{}]", "{{+}} Stake on draw {} added: [{}]");
    translate("Количество комбинаций в списке: {}", "Combinations in the list: {}");
    translate("Фильтр {} из {}: {}", "Filter {} of {}: {}");
    EXPECT_EQ(scenario::StakeAddedLog(12, "1, 2"), "{+} Ставка на тираж 12 добавлена в список ставок: [1, 2]");
    EXPECT_EQ(scenario::CombsCountLog(7), "Количество комбинаций в списке: 7");
    // The activity panel is no log.
    EXPECT_EQ(scenario::VariantActivity(1, 2, "x"), "Filter 1 of 2: x");
}

TEST_F(TranslatedServiceTexts, CaptionAccessorsTranslateAndGuardTheirRange)
{
    translate("Комментарии", "Comments");
    translate("Дата тиража", "Draw date");
    translate("Откл-ие в %", "Dev. %");
    translate("Только мои", "Mine only");
    translate(std::string(app::ProxyManualCaption), "Choose a proxy server manually:");

    EXPECT_EQ(scenario::ScriptColumnCaption(0), "Comments");
    EXPECT_EQ(scenario::ScriptColumnCaption(scenario::ScriptColumnCount), "");
    EXPECT_EQ(app::DrawsListCaption(app::ColDate), "Draw date");
    EXPECT_EQ(app::DrawsListCaption(app::ColExtra), "E");
    EXPECT_EQ(app::DrawsListCaption(-1), "");
    EXPECT_EQ(app::DrawsStatCaption(app::DrawsStatColumnCount), "");
    EXPECT_EQ(scenario::LibraryFilterCaption(3), "Mine only");
    EXPECT_EQ(scenario::LibraryFilterCaption(scenario::LibraryFilterCount), "");
    EXPECT_EQ(app::ProxyModeName(static_cast<int>(app::ProxyMode::Manual)), "Choose a proxy server manually:");
    // The tables themselves keep the base texts: exports and files are headed by them.
    EXPECT_EQ(app::DrawsListCaptions[app::ColDate], "Дата тиража");
}

TEST_F(TranslatedServiceTexts, ATranslatedDelphiTemplateKeepsItsArguments)
{
    translate("Строк: %d", "Lines: %d");
    EXPECT_EQ(scenario::ScriptLinesStatus(42), "Lines: 42");
}

} // namespace
} // namespace belvane
