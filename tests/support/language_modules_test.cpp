// The interface languages: which modules are offered, where they are found,
// and how a missing or hostile module is refused.

#include <gtest/gtest.h>

#include <filesystem>

#include "helpers/temp_dir.h"
#include "support/error.h"
#include "support/language_modules.h"

namespace belvane::support {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::writeBytes;

// The first bytes of a compiled catalogue, then anything.
const std::string kCatalogue =
    std::string("\x3C\xB8\x64\x18\xCA\xEF\x9C\x95\xCD\x21\x1C\xBF\x60\xA1\xBD\xDD", 16) + "x";

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return {};
}

TEST(LanguageModules, TheBaseLanguageAloneWithoutModules)
{
    TempDir program, data;
    LanguageModules modules({program.path(), data.path()});
    modules.InitLanguages();
    EXPECT_EQ(modules.TLCIDs(), std::vector<int>{1049});
    EXPECT_EQ(modules.LanguageNames(), std::vector<std::string>{"Русский"});
    EXPECT_EQ(modules.CurrentLanguage(), 1049);
    EXPECT_EQ(modules.IndexOfLanguage(1033, 1049), 0);
    EXPECT_EQ(modules.IndexOfLanguage(1033, 1058), -1);
    EXPECT_EQ(modules.LanguageAt(1, 1049), 1049);
    EXPECT_NO_THROW(modules.CheckLanguage(1049));
}

TEST(LanguageModules, ModulesBesideTheProgramOrInTheDataFolderAreListedInIdentifierOrder)
{
    TempDir program, data;
    writeBytes(data / "Belvane_6x45_UKR.lng", kCatalogue);
    writeBytes(program / "Belvane_6x45_ENU.lng", kCatalogue);
    writeBytes(program / "Belvane_6x45_XYZ.lng", kCatalogue); // no such language
    writeBytes(program / "belvane_6x45_DEU.lng", kCatalogue); // another name
    LanguageModules modules({program.path(), data.path()});
    modules.InitLanguages();
    EXPECT_EQ(modules.TLCIDs(), (std::vector<int>{1033, 1049, 1058}));
    EXPECT_EQ(modules.LanguageNames(), (std::vector<std::string>{"English (United States)", "Русский", "Українська"}));
    EXPECT_EQ(modules.IndexOfLanguage(1058, 1049), 2);
    EXPECT_EQ(modules.LanguageAt(0, 1049), 1033);
    EXPECT_EQ(modules.ModuleFile(1058), data / "Belvane_6x45_UKR.lng");
    // The program's own folder wins over the data folder.
    writeBytes(data / "Belvane_6x45_ENU.lng", "other");
    EXPECT_EQ(modules.ModuleFile(1033), program / "Belvane_6x45_ENU.lng");
    EXPECT_EQ(modules.ReadModule(1033), kCatalogue);
}

TEST(LanguageModules, AMissingOrHostileModuleIsRefusedWithItsName)
{
    TempDir program, data;
    LanguageModules modules({program.path(), data.path()});
    const std::string missing = (program / "Belvane_6x45_ENU.lng").string();
    EXPECT_EQ(errorOf([&] { modules.CheckLanguage(1033); }), "Языковый модуль \"" + missing + "\" не найден!");
    EXPECT_EQ(errorOf([&] { modules.ReadModule(1033); }), "Языковый модуль \"" + missing + "\" не найден!");

    writeBytes(program / "Belvane_6x45_ENU.lng", "MZ\x90\x00 not a catalogue at all");
    EXPECT_EQ(errorOf([&] { modules.ReadModule(1033); }),
              "Не удалось загрузить языковый модуль \"" + missing + "\"!\r\rФайл не является языковым модулем.");
    writeBytes(program / "Belvane_6x45_ENU.lng", "");
    EXPECT_NE(errorOf([&] { modules.ReadModule(1033); }), "");

    // Never read a huge file into memory.
    writeBytes(program / "Belvane_6x45_ENU.lng", kCatalogue);
    fs::resize_file(program / "Belvane_6x45_ENU.lng", kMaxLanguageModuleSize + 1);
    EXPECT_EQ(errorOf([&] { modules.ReadModule(1033); }),
              "Не удалось загрузить языковый модуль \"" + missing + "\"!\r\rФайл слишком велик для языкового модуля.");
}

TEST(LanguageModules, LocalesAndTheirCharacterSets)
{
    ASSERT_NE(FindLocale(1049), nullptr);
    EXPECT_EQ(FindLocale(1049)->Abbreviation, "RUS");
    EXPECT_EQ(FindLocale(1033)->Abbreviation, "ENU");
    EXPECT_EQ(FindLocale(4242), nullptr);
    EXPECT_EQ(FontCharset(1049), 204);
    EXPECT_EQ(FontCharset(1033), 0);
    EXPECT_EQ(FontCharset(4242), 1);
    // A locale the program does not know has no module file to look for.
    LanguageModules modules({fs::temp_directory_path()});
    EXPECT_TRUE(modules.ModuleFile(4242).empty());
}

} // namespace
} // namespace belvane::support
