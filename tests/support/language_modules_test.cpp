// The interface languages: which modules are offered, where they are found,
// and how a missing or hostile module is refused.

#include <gtest/gtest.h>

#include <filesystem>

#include "helpers/build_paths.h"
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
    writeBytes(program / "Belvane_6x45_XYZ.lng", kCatalogue); // a language the program does not know
    writeBytes(program / "belvane_6x45_DEU.lng", kCatalogue); // another name
    writeBytes(program / "Belvane_6x45_.lng", kCatalogue);
    LanguageModules modules({program.path(), data.path()});
    modules.InitLanguages();
    ASSERT_EQ(modules.TLCIDs().size(), 4u);
    EXPECT_EQ(std::vector<int>(modules.TLCIDs().begin(), modules.TLCIDs().begin() + 3),
              (std::vector<int>{1033, 1049, 1058}));
    EXPECT_EQ(modules.LanguageNames(),
              (std::vector<std::string>{"English (United States)", "Русский", "Українська", "XYZ"}));
    EXPECT_EQ(modules.IndexOfLanguage(1058, 1049), 2);
    EXPECT_EQ(modules.LanguageAt(0, 1049), 1033);
    EXPECT_EQ(modules.ModuleFile(1058), data / "Belvane_6x45_UKR.lng");
    // The program's own folder wins over the data folder.
    writeBytes(data / "Belvane_6x45_ENU.lng", "other");
    EXPECT_EQ(modules.ModuleFile(1033), program / "Belvane_6x45_ENU.lng");
    EXPECT_EQ(modules.ReadModule(1033), kCatalogue);
}

// A catalogue whose header names `code`, then a messages section.
std::string catalogueOf(std::string_view code)
{
    const auto section = [](unsigned char tag, std::string_view data) {
        std::string out(1, static_cast<char>(tag));
        for (int shift = 24; shift >= 0; shift -= 8)
            out += static_cast<char>((data.size() >> shift) & 0xFF);
        return out + std::string(data);
    };
    return kCatalogue.substr(0, 16) + section(0x42, "hash") + section(0xA7, code) + section(0x69, "messages");
}

TEST(LanguageModules, AModuleOfAnyLanguageIsOfferedUnderTheNameItsHeaderGives)
{
    TempDir program, data;
    writeBytes(data / "Belvane_6x45_PTB.lng", catalogueOf("pt_BR"));
    writeBytes(program / "Belvane_6x45_DEU.lng", catalogueOf("de_DE"));
    LanguageModules modules({program.path(), data.path()});
    modules.InitLanguages();
    ASSERT_EQ(modules.TLCIDs().size(), 3u);
    EXPECT_EQ(modules.TLCIDs()[0], 1031);
    EXPECT_EQ(modules.TLCIDs()[1], 1049);
    const int lcid = modules.TLCIDs()[2];
    EXPECT_GE(lcid, 0x600); // sublanguage 1 of a user-defined primary language
    EXPECT_LT(lcid, 0x800);
    EXPECT_EQ(modules.LanguageNames(), (std::vector<std::string>{"Deutsch (Deutschland)", "Русский", "pt_BR"}));
    const LanguageInfo* pt = modules.Language(lcid);
    ASSERT_NE(pt, nullptr);
    EXPECT_EQ(pt->Abbreviation, "PTB");
    EXPECT_EQ(pt->IsoCode, "pt");
    EXPECT_EQ(modules.ModuleFile(lcid), data / "Belvane_6x45_PTB.lng");
    EXPECT_EQ(modules.ReadModule(lcid), catalogueOf("pt_BR"));
    EXPECT_EQ(modules.IndexOfLanguage(lcid, 1049), 2);

    // The same identifier on the next start, whatever else is there.
    writeBytes(program / "Belvane_6x45_ELL.lng", catalogueOf("el_GR"));
    LanguageModules again({program.path(), data.path()});
    again.InitLanguages();
    ASSERT_NE(again.Language(lcid), nullptr);
    EXPECT_EQ(again.Language(lcid)->Abbreviation, "PTB");
    EXPECT_EQ(again.TLCIDs().size(), 4u);

    // Deleted after the start: reported by its own name.
    fs::remove(data / "Belvane_6x45_PTB.lng");
    EXPECT_EQ(errorOf([&] { modules.CheckLanguage(lcid); }),
              "Языковый модуль \"" + (data / "Belvane_6x45_PTB.lng").string() + "\" не найден!");
}

TEST(LanguageModules, TheHeadersLanguageCodeIsReadWithCare)
{
    TempDir dir;
    const auto code = [&](const std::string& bytes) {
        writeBytes(dir / "m.lng", bytes);
        return ModuleLanguageCode(dir / "m.lng");
    };
    EXPECT_EQ(code(catalogueOf("en_US")), "en_US");
    EXPECT_EQ(code(catalogueOf("")), "");
    EXPECT_EQ(code(kCatalogue), "");                            // no sections
    EXPECT_EQ(code(catalogueOf("a<b>")), "");                   // no language code
    EXPECT_EQ(code(catalogueOf(std::string(65, 'a'))), "");     // too long for one
    EXPECT_EQ(code("not a catalogue" + catalogueOf("en")), ""); // no signature
    std::string cut = catalogueOf("en_US");
    EXPECT_EQ(code(cut.substr(0, cut.size() - 15)), ""); // the language section cut short
    EXPECT_EQ(ModuleLanguageCode(dir / "missing.lng"), "");
    if (!testing::EnglishModulePath().empty() && fs::exists(testing::EnglishModulePath())) {
        EXPECT_EQ(ModuleLanguageCode(testing::EnglishModulePath()), "en_US");
    }
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
