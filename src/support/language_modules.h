#pragma once

// The interface languages: the base language (Russian) built into the program
// and the language modules found as files "Belvane_6x45_<ABBR>.lng" beside the
// program or in the data folder. A module is a compiled translation catalogue;
// the front end loads its bytes. A module is untrusted data: it is read only
// up to a size limit and only when it carries the catalogue's signature.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace belvane::support {

inline constexpr int kBaseLanguage = 1049;
inline constexpr std::uintmax_t kMaxLanguageModuleSize = 32u << 20;

// What the platform tells about a locale: the three-letter abbreviation that
// names module files and method-caption sections, the language's own name
// and the default ANSI code page.
struct LocaleInfo {
    int Lcid;
    std::string_view Abbreviation;
    std::string_view Name;
    std::string_view IsoCode; // two-letter language code of the toolkit's own catalogues
    int CodePage;
};

// The known locale, or nullptr.
const LocaleInfo* FindLocale(int lcid);
// The known locale of that abbreviation (ignoring case), or nullptr.
const LocaleInfo* FindLocaleByAbbreviation(std::string_view abbreviation);

// A language offered: the base language, or a module file found. A module of
// a locale the program does not know is offered too: its header names its
// language (the catalogue's language code, "pt_BR"), which is also its name,
// and it gets an identifier of the user-defined range (primary language
// 0x200..0x3FF), the same for the same abbreviation on every start.
struct LanguageInfo {
    int Lcid = 0;
    std::string Abbreviation;   // "ENU": names the module file, the help file and the caption section
    std::string Name;           // shown in the language list
    std::string IsoCode;        // language code of the toolkit's own catalogues ("en"); empty when unknown
    std::filesystem::path File; // the module; empty for the base language
};

// The language code a compiled catalogue's header names ("en_US"); empty when
// the file is no catalogue or names none. Reads only the header's sections.
std::string ModuleLanguageCode(const std::filesystem::path& file);
// The font character set of the locale's code page (204 for Cyrillic; 1, the
// default set, when the locale is unknown).
int FontCharset(int lcid);

class LanguageModules {
public:
    // Folders searched for module files, in order (the program's, then the data folder).
    explicit LanguageModules(std::vector<std::filesystem::path> folders, int base = kBaseLanguage);

    // Builds the list of available languages (TLCIDs), in ascending order:
    // the base language always, and every module file "Belvane_6x45_<ABBR>.lng"
    // in the folders (the first folder's wins for one abbreviation).
    void InitLanguages();
    const std::vector<int>& TLCIDs() const { return lcids_; }
    // The available language of that identifier, or nullptr.
    const LanguageInfo* Language(int lcid) const;

    std::vector<std::string> LanguageNames() const;
    int LanguageAt(int index, int fallback) const;
    int IndexOfLanguage(int wanted, int fallback) const;

    // The module file of a language: the first that exists in the folders,
    // else its name in the first folder; for a module of an unknown locale
    // the file it was found in; empty for any other unknown identifier.
    std::filesystem::path ModuleFile(int lcid) const;
    // Throws Error("Языковый модуль \"...\" не найден!") when a language other
    // than the base has no module file.
    void CheckLanguage(int lcid) const;
    // The module's bytes; throws Error with "Не удалось загрузить языковый
    // модуль ..." when it is too large, unreadable or not a catalogue.
    std::string ReadModule(int lcid) const;

    int BaseLanguage() const { return base_; }
    int CurrentLanguage() const { return current_; }
    void SetCurrentLanguage(int lcid) { current_ = lcid; }

private:
    std::vector<std::filesystem::path> folders_;
    int base_;
    int current_;
    std::vector<int> lcids_;
    std::vector<LanguageInfo> languages_; // in the order of lcids_
};

// "Не удалось загрузить языковый модуль ..." with the file and the reason.
std::string LanguageModuleLoadFailure(const std::filesystem::path& file, std::string_view reason);
// The reason when a module's bytes are no translation catalogue.
std::string NotALanguageModuleText();

// The base name of every module file: Belvane_6x45_<ABBR>.lng.
std::string LanguageModuleName(std::string_view abbreviation);

} // namespace belvane::support
