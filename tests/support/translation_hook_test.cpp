#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
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
        {"Ширина {:.0f}", "Width {}"},         // the format options lost
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

} // namespace
} // namespace belvane
