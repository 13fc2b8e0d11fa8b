#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "stakes/stake_texts.h"
#include "stats/stat_class.h"
#include "stats/stat_list.h"
#include "support/translation.h"

namespace belvane {
namespace {

// The fake language module: a fixed map, and nothing for any other text.
const std::map<std::string, std::string, std::less<>>& fakeModule()
{
    static const std::map<std::string, std::string, std::less<>> texts = {
        {"Ставок: {}", "Stakes: {}"},
        {"Рейтинг: {}", "Rating: {} {}"},      // one field too many
        {"Тираж {} от {}", "Draw {1} of {0}"}, // fields reordered
        {"Ширина {:.0f}", "Width {}"},         // the format spec lost
        {"Набор {{ {} }}", "Set {{ {} }}"},    // escaped braces kept
        {"Скобки {{{}}}", "Braces {}"},        // escaped braces dropped
        {"Ошибка {}", "Error { {}"},           // a stray brace
        {"Числа тиража", "Draw numbers"},
        {"Число в %0:d позиции", "Number at position %0:d"},
        {"Канал %d из %d", "Channel %d"},       // a directive lost
        {"Метод %0:d: %%s", "Method %0:d: %s"}, // "%%" became a directive
        {"Пустой перевод", ""},
    };
    return texts;
}

std::string fakeTranslator(std::string_view base)
{
    const auto& texts = fakeModule();
    const auto it = texts.find(base);
    return it == texts.end() ? std::string() : it->second;
}

class Translation : public ::testing::Test {
protected:
    void SetUp() override { support::SetTextTranslator(&fakeTranslator); }
    void TearDown() override { support::SetTextTranslator(nullptr); }
};

TEST_F(Translation, TextUsesTheModuleAndFallsBackToTheBase)
{
    EXPECT_EQ(support::Text("Числа тиража"), "Draw numbers");
    EXPECT_EQ(support::Text("Нет перевода"), "Нет перевода");
    EXPECT_EQ(support::Text("Пустой перевод"), "Пустой перевод");
    support::SetTextTranslator(nullptr);
    EXPECT_EQ(support::Text("Числа тиража"), "Числа тиража");
}

TEST_F(Translation, MessageFormatsTheTranslationOnlyWhenItKeepsTheFields)
{
    EXPECT_EQ(support::Message("Ставок: {}", 12), "Stakes: 12");
    EXPECT_EQ(support::Message("Рейтинг: {}", 3), "Рейтинг: 3");
    EXPECT_EQ(support::Message("Тираж {} от {}", 7, "01.02.2020"), "Тираж 7 от 01.02.2020");
    EXPECT_EQ(support::Message("Ширина {:.0f}", 12.4), "Ширина 12");
    EXPECT_EQ(support::Message("Ошибка {}", "x"), "Ошибка x");
    EXPECT_EQ(support::Message("Без перевода {}", 1), "Без перевода 1");
    support::SetTextTranslator(nullptr);
    EXPECT_EQ(support::Message("Ставок: {}", 12), "Ставок: 12");
}

TEST_F(Translation, EscapedBracesArePlainText)
{
    EXPECT_EQ(support::Message("Набор {{ {} }}", 5), "Set { 5 }");
    EXPECT_EQ(support::Message("Скобки {{{}}}", 5), "Braces 5");
}

TEST(TranslationFields, SamePlaceholdersComparesFieldsInOrder)
{
    EXPECT_TRUE(support::SamePlaceholders("a {} b {:>3}", "x {} y {:>3} z"));
    EXPECT_TRUE(support::SamePlaceholders("no fields", "none here either"));
    EXPECT_TRUE(support::SamePlaceholders("{{literal}} {}", "{} only"));
    EXPECT_FALSE(support::SamePlaceholders("{} {:>3}", "{:>3} {}"));
    EXPECT_FALSE(support::SamePlaceholders("{}", "{0}"));
    EXPECT_FALSE(support::SamePlaceholders("{}", ""));
    EXPECT_FALSE(support::SamePlaceholders("{}", "{} }"));
    EXPECT_FALSE(support::SamePlaceholders("{}", "{ {}"));
    EXPECT_FALSE(support::SamePlaceholders("{", "{"));
}

TEST(TranslationFields, SameDirectivesComparesPercentDirectivesInOrder)
{
    EXPECT_TRUE(support::SameDirectives("Сумма %d (%d/%d)", "Sum %d (%d/%d)"));
    EXPECT_TRUE(support::SameDirectives("%0:d: %%s", "%0:d - %%s"));
    EXPECT_TRUE(support::SameDirectives("%.2d %-5s", "%.2d / %-5s"));
    EXPECT_FALSE(support::SameDirectives("%0:d", "%d"));
    EXPECT_FALSE(support::SameDirectives("%d %s", "%s %d"));
    EXPECT_FALSE(support::SameDirectives("%%s", "%s"));
    EXPECT_FALSE(support::SameDirectives("100 %d", "100 % %d"));
}

TEST_F(Translation, PercentTemplateKeepsTheDirectives)
{
    EXPECT_EQ(support::PercentTemplate("Число в %0:d позиции"), "Number at position %0:d");
    EXPECT_EQ(support::PercentTemplate("Канал %d из %d"), "Канал %d из %d");
    EXPECT_EQ(support::PercentTemplate("Метод %0:d: %%s"), "Метод %0:d: %%s");
}

TEST_F(Translation, CoreTextsReachTheUserTranslated)
{
    EXPECT_EQ(stakes::StakesCountText(4), "Stakes: 4");
    EXPECT_EQ(stats::TStatList::GroupCaption(stats::GroupNumbers), "{ num } Draw numbers");

    stats::MethodClass position{.id = "POS%d", .caption = "Число в %0:d позиции"};
    EXPECT_EQ(position.CaptionFor(3), "Number at position 3");
    stats::MethodClass channel{.id = "CH%d", .caption = "Канал %d из %d"};
    EXPECT_EQ(channel.CaptionFor(2).rfind("Канал 2", 0), 0u);
}

// ---- The English language module's files of the core ------------------------

struct TsMessage {
    std::string Source;
    std::string Translation;
    bool Unfinished = false;
};

std::string unescapeXml(std::string s)
{
    static const std::pair<std::string_view, std::string_view> entities[] = {
        {"&#13;", "\r"},  {"&#10;", "\n"}, {"&lt;", "<"}, {"&gt;", ">"},
        {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [entity, text] : entities)
        for (size_t at = s.find(entity); at != std::string::npos; at = s.find(entity, at + text.size()))
            s.replace(at, entity.size(), text);
    return s;
}

// The messages of a Qt Linguist file as the text collector writes it.
std::vector<TsMessage> readTs(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string xml = buffer.str();
    static const std::regex message(
        R"(<message>\s*<source>([\s\S]*?)</source>\s*<translation([^>]*?)(?:/>|>([\s\S]*?)</translation>))");
    std::vector<TsMessage> out;
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), message); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        out.push_back(
            {unescapeXml(m[1].str()), unescapeXml(m[3].str()), m[2].str().find("unfinished") != std::string::npos});
    }
    return out;
}

// A text a Message call can take: every brace group is an fmt replacement
// field. Texts such as "{...Выделенные комбинации...}" are plain captions.
bool isFmtTemplate(const std::string& text)
{
    static const std::regex group(R"(\{[^{}]*\})");
    static const std::regex field(R"(\{\d*(:[^{}]*)?\})");
    std::string plain = text;
    for (const char* escaped : {"{{", "}}"})
        for (size_t at = plain.find(escaped); at != std::string::npos; at = plain.find(escaped, at))
            plain.erase(at, 2);
    for (auto it = std::sregex_iterator(plain.begin(), plain.end(), group); it != std::sregex_iterator(); ++it)
        if (!std::regex_match(it->str(), field))
            return false;
    return true;
}

TEST(CoreTranslationFiles, EveryEnglishTextKeepsTheFieldsOfItsSource)
{
    const std::filesystem::path folder = std::filesystem::path(BELVANE_SOURCE_DIR) / "translations";
    if (!std::filesystem::is_directory(folder))
        GTEST_SKIP() << "no translations folder";
    int checked = 0;
    for (const char* part :
         {"stats", "support", "combs", "update", "systems", "views", "model", "exchange", "stakes"}) {
        const auto path = folder / (std::string("core_") + part + "_en.ts");
        if (!std::filesystem::exists(path))
            continue;
        const std::vector<TsMessage> messages = readTs(path);
        EXPECT_FALSE(messages.empty()) << path;
        for (const TsMessage& m : messages) {
            SCOPED_TRACE(path.filename().string() + ": " + m.Source);
            ++checked;
            EXPECT_FALSE(m.Unfinished);
            EXPECT_FALSE(m.Translation.empty());
            if (isFmtTemplate(m.Source)) {
                EXPECT_TRUE(support::SamePlaceholders(m.Source, m.Translation)) << m.Translation;
            }
            EXPECT_TRUE(support::SameDirectives(m.Source, m.Translation)) << m.Translation;
            EXPECT_EQ(std::count(m.Source.begin(), m.Source.end(), '\r'),
                      std::count(m.Translation.begin(), m.Translation.end(), '\r'))
                << m.Translation;
        }
    }
    if (checked == 0)
        GTEST_SKIP() << "no translation files of these folders";
}

} // namespace
} // namespace belvane
