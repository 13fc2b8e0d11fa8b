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
#include "app/host.h"
#include "app/proxy_settings.h"
#include "helpers/recording_host.h"
#include "scenario/library_exchange.h"
#include "scenario/run_texts.h"
#include "scenario/script_codes.h"
#include "scenario/script_line.h"
#include "scenario/script_options.h"
#include "support/delphi_format.h"
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

    // A field lost, added, reordered or given another spec: the base template is used.
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
    translate(std::string(app::CaptionError), "Error");
    translate(std::string(app::CaptionWarning), "Attention!");
    translate(std::string(app::CaptionCaution), "Warning");
    translate(std::string(app::CaptionConfirm), "Confirmation");
    translate("Удалить выделенную запись?", "Delete the selected record?");
    translate("Удалить все выделенные записи (всего будет удалено {} записи(ей))?",
              "Delete all selected records ({} record(s) in total)?");
    translate("( завершено {:.0f} % )", "( {:.0f} % done )");

    testing::RecordingHost host;
    host.showError("e");
    host.showWarning("w");
    host.showWarning("c", app::CaptionCaution);
    host.confirm("q", true);
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0].caption, "Error");
    EXPECT_EQ(host.messages[1].caption, "Attention!");
    EXPECT_EQ(host.messages[2].caption, "Warning");
    EXPECT_EQ(host.questions.at(0).caption, "Confirmation");

    EXPECT_EQ(app::DeleteRowsQuestion(1), "Delete the selected record?");
    EXPECT_EQ(app::DeleteRowsQuestion(3), "Delete all selected records (3 record(s) in total)?");
    EXPECT_EQ(app::CompletedPercentText(44.6), "( 45 % done )");
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

// ---- the English catalogue -------------------------------------------------------------------

struct CatalogueEntry {
    std::string source;
    std::string translation;
    bool finished = false;
};

std::string unescapeXml(std::string_view s)
{
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        const size_t end = s.find(';', i);
        const std::string_view name = s.substr(i + 1, end - i - 1);
        if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "amp")
            out += '&';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.starts_with("#x"))
            out += static_cast<char>(std::stoi(std::string(name.substr(2)), nullptr, 16));
        else if (name.starts_with("#"))
            out += static_cast<char>(std::stoi(std::string(name.substr(1))));
        else
            ADD_FAILURE() << "unknown entity &" << name << ";";
        i = end;
    }
    return out;
}

// The messages of a Qt Linguist file as the text collector writes it: one
// <source> and one <translation> (text, or empty and self-closed) per message.
std::vector<CatalogueEntry> readCatalogue(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string xml = buffer.str();
    std::vector<CatalogueEntry> entries;
    for (size_t at = xml.find("<message>"); at != std::string::npos; at = xml.find("<message>", at + 1)) {
        const size_t end = xml.find("</message>", at);
        const std::string_view message = std::string_view(xml).substr(at, end - at);
        CatalogueEntry e;
        const size_t s0 = message.find("<source>") + 8;
        e.source = unescapeXml(message.substr(s0, message.find("</source>") - s0));
        const size_t t0 = message.find("<translation");
        const size_t tagEnd = message.find('>', t0);
        const std::string_view tag = message.substr(t0, tagEnd - t0 + 1);
        if (!tag.ends_with("/>")) {
            const size_t t1 = message.find("</translation>", tagEnd);
            e.translation = unescapeXml(message.substr(tagEnd + 1, t1 - tagEnd - 1));
        }
        e.finished = tag.find("unfinished") == std::string_view::npos && !e.translation.empty();
        entries.push_back(std::move(e));
    }
    return entries;
}

// The directives of a DelphiFormat template ("%d", "%.3d", "%1:s"...), in order.
std::vector<std::string> delphiDirectives(std::string_view s)
{
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%')
            continue;
        size_t j = i + 1;
        while (j < s.size() && std::string_view("0123456789:.-").find(s[j]) != std::string_view::npos)
            ++j;
        if (j < s.size() && std::string_view("dsfx%").find(s[j]) != std::string_view::npos) {
            out.emplace_back(s.substr(i, j - i + 1));
            i = j;
        }
    }
    return out;
}

const fs::path kTranslations = fs::path(BELVANE_SOURCE_DIR) / "translations";

std::vector<fs::path> englishCatalogues()
{
    std::vector<fs::path> files;
    if (!fs::is_directory(kTranslations))
        return files;
    for (const auto& item : fs::directory_iterator(kTranslations)) {
        const std::string name = item.path().filename().string();
        if (name.starts_with("core_") && name.ends_with("_en.ts"))
            files.push_back(item.path());
    }
    return files;
}

// Whether every brace group of a text is a format field ("{}", "{0}", "{:>3}"):
// a fixed text such as "{...Выделенные комбинации...}" has braces of its own.
bool hasOnlyFormatFields(std::string_view text)
{
    for (size_t open = text.find('{'); open != std::string_view::npos; open = text.find('{', open + 1)) {
        if (open + 1 < text.size() && text[open + 1] == '{') {
            ++open;
            continue;
        }
        const size_t close = text.find('}', open);
        if (close == std::string_view::npos)
            return false;
        const std::string_view field = text.substr(open + 1, close - open - 1);
        const std::string_view index = field.substr(0, field.find(':'));
        if (!std::all_of(index.begin(), index.end(),
                         [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            return false;
    }
    return true;
}

TEST(EnglishCoreCatalogue, EveryTranslationKeepsTheFieldsAndLineBreaksOfItsSource)
{
    const auto files = englishCatalogues();
    if (files.empty())
        GTEST_SKIP() << "no translations folder";
    for (const fs::path& file : files) {
        for (const CatalogueEntry& e : readCatalogue(file)) {
            if (e.translation.empty())
                continue;
            SCOPED_TRACE(file.filename().string() + ": " + e.source);
            // The hook drops a translation whose fields differ: it would silently show Russian.
            if (hasOnlyFormatFields(e.source))
                EXPECT_TRUE(support::SamePlaceholders(e.source, e.translation)) << e.translation;
            EXPECT_EQ(delphiDirectives(e.source), delphiDirectives(e.translation)) << e.translation;
            EXPECT_EQ(std::count(e.source.begin(), e.source.end(), '\r'),
                      std::count(e.translation.begin(), e.translation.end(), '\r'))
                << e.translation;
        }
    }
}

// The texts the collector finds in a folder: the literal first arguments of
// Text(...), Message(...) and BELVANE_TEXT(...), adjacent literals joined.
std::set<std::string> collectedTexts(const fs::path& folder)
{
    std::set<std::string> texts;
    for (const auto& item : fs::directory_iterator(folder)) {
        std::ifstream in(item.path(), std::ios::binary);
        std::stringstream buffer;
        buffer << in.rdbuf();
        const std::string code = buffer.str();
        for (const std::string_view call : {"Text(", "Message(", "BELVANE_TEXT("}) {
            for (size_t at = code.find(call); at != std::string::npos; at = code.find(call, at + 1)) {
                const char before = at > 0 ? code[at - 1] : ' ';
                if (std::isalnum(static_cast<unsigned char>(before)) || before == '_' || before == '.' ||
                    before == '>' || (before == ':' && code.compare(at >= 9 ? at - 9 : 0, 9, "support::") != 0))
                    continue;
                std::string text;
                size_t i = at + call.size();
                for (;;) {
                    while (i < code.size() && std::isspace(static_cast<unsigned char>(code[i])))
                        ++i;
                    if (i >= code.size() || code[i] != '"')
                        break;
                    for (++i; i < code.size() && code[i] != '"'; ++i) {
                        if (code[i] != '\\') {
                            text += code[i];
                            continue;
                        }
                        const char e = code[++i];
                        text += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
                    }
                    ++i;
                }
                if (!text.empty())
                    texts.insert(text);
            }
        }
    }
    return texts;
}

TEST(EnglishCoreCatalogue, ServicesAndScenariosAreTranslatedCompletely)
{
    if (!fs::is_directory(kTranslations))
        GTEST_SKIP() << "no translations folder";
    for (const std::string folder : {"app", "scenario"}) {
        SCOPED_TRACE(folder);
        std::map<std::string, CatalogueEntry> catalogue;
        for (CatalogueEntry& e : readCatalogue(kTranslations / ("core_" + folder + "_en.ts")))
            catalogue[e.source] = std::move(e);
        const std::set<std::string> texts = collectedTexts(fs::path(BELVANE_SOURCE_DIR) / "src" / folder);
        EXPECT_GT(texts.size(), 50u);
        // A text missing here was added without running scripts/extract_core_texts.py.
        for (const std::string& text : texts) {
            const auto it = catalogue.find(text);
            if (it == catalogue.end())
                ADD_FAILURE() << "not in the catalogue: " << text;
            else
                EXPECT_TRUE(it->second.finished) << "not translated: " << text;
        }
    }
}

} // namespace
} // namespace belvane
