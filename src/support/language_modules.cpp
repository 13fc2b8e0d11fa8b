#include "support/language_modules.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <system_error>

#include "support/error.h"
#include "support/translation.h"

namespace belvane::support {
namespace fs = std::filesystem;
namespace {

// Sorted by identifier.
constexpr std::array kLocales{
    LocaleInfo{1026, "BGR", "Български", "bg", 1251},
    LocaleInfo{1029, "CSY", "Čeština", "cs", 1250},
    LocaleInfo{1031, "DEU", "Deutsch (Deutschland)", "de", 1252},
    LocaleInfo{1033, "ENU", "English (United States)", "en", 1252},
    LocaleInfo{1036, "FRA", "Français (France)", "fr", 1252},
    LocaleInfo{1040, "ITA", "Italiano (Italia)", "it", 1252},
    LocaleInfo{1043, "NLD", "Nederlands (Nederland)", "nl", 1252},
    LocaleInfo{1045, "PLK", "Polski", "pl", 1250},
    LocaleInfo{1049, "RUS", "Русский", "ru", 1251},
    LocaleInfo{1058, "UKR", "Українська", "uk", 1251},
    LocaleInfo{1059, "BEL", "Беларуская", "be", 1251},
    LocaleInfo{1061, "ETI", "Eesti", "et", 1257},
    LocaleInfo{1062, "LVI", "Latviešu", "lv", 1257},
    LocaleInfo{1063, "LTH", "Lietuvių", "lt", 1257},
    LocaleInfo{1087, "KKZ", "Қазақ тілі", "kk", 1251},
    LocaleInfo{2057, "ENG", "English (United Kingdom)", "en", 1252},
    LocaleInfo{3082, "ESN", "Español (España)", "es", 1252},
};

// The first bytes of every compiled translation catalogue.
constexpr unsigned char kCatalogueMagic[16] = {0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                                               0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};

bool fileExists(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

Error loadFailure(const fs::path& file, std::string_view reason)
{
    return Error(LanguageModuleLoadFailure(file, reason));
}

constexpr std::string_view kModulePrefix = "Belvane_6x45_";
constexpr std::string_view kModuleExtension = ".lng";
constexpr size_t kMaxAbbreviation = 8;

// The abbreviation of a module file's name, or empty when the name is no module's.
std::string moduleAbbreviation(std::string_view fileName)
{
    if (!fileName.starts_with(kModulePrefix) || !fileName.ends_with(kModuleExtension))
        return {};
    const std::string_view abbreviation =
        fileName.substr(kModulePrefix.size(), fileName.size() - kModulePrefix.size() - kModuleExtension.size());
    if (abbreviation.empty() || abbreviation.size() > kMaxAbbreviation)
        return {};
    for (char c : abbreviation)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return {};
    return std::string(abbreviation);
}

std::string upper(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// An identifier of the user-defined range for an abbreviation no known locale
// has: sublanguage 1, primary language 0x200 + (FNV-1a of it mod 0x200), the
// next free one on a collision.
int userDefinedLcid(std::string_view abbreviation, const std::vector<LanguageInfo>& taken)
{
    uint32_t hash = 2166136261u;
    for (char c : upper(abbreviation)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    for (uint32_t i = 0; i < 0x200; ++i) {
        const int lcid = static_cast<int>((1u << 10) | (0x200 + (hash + i) % 0x200));
        if (std::none_of(taken.begin(), taken.end(), [lcid](const LanguageInfo& l) { return l.Lcid == lcid; }))
            return lcid;
    }
    return 0;
}

LanguageInfo knownLanguage(const LocaleInfo& locale, fs::path file)
{
    return {locale.Lcid, std::string(locale.Abbreviation), std::string(locale.Name), std::string(locale.IsoCode),
            std::move(file)};
}

} // namespace

const LocaleInfo* FindLocaleByAbbreviation(std::string_view abbreviation)
{
    const std::string wanted = upper(abbreviation);
    for (const LocaleInfo& locale : kLocales)
        if (locale.Abbreviation == wanted)
            return &locale;
    return nullptr;
}

std::string ModuleLanguageCode(const fs::path& file)
{
    // After the signature, sections of a tag byte and a big-endian length;
    // the language section (tag 0xA7) holds the code.
    constexpr unsigned char kLanguageTag = 0xA7;
    constexpr uint32_t kMaxCode = 64;
    std::ifstream in(file, std::ios::binary);
    unsigned char magic[sizeof kCatalogueMagic];
    if (!in.read(reinterpret_cast<char*>(magic), sizeof magic) ||
        std::memcmp(magic, kCatalogueMagic, sizeof magic) != 0)
        return {};
    for (int section = 0; section < 16; ++section) {
        unsigned char head[5];
        if (!in.read(reinterpret_cast<char*>(head), sizeof head))
            return {};
        const uint32_t length =
            (uint32_t{head[1]} << 24) | (uint32_t{head[2]} << 16) | (uint32_t{head[3]} << 8) | head[4];
        if (head[0] != kLanguageTag) {
            if (!in.seekg(length, std::ios::cur))
                return {};
            continue;
        }
        if (length > kMaxCode)
            return {};
        std::string code(length, '\0');
        if (!in.read(code.data(), static_cast<std::streamsize>(length)))
            return {};
        // Letters, digits, "_" and "-" only: it is shown as the language's name.
        for (char c : code)
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-'))
                return {};
        return code;
    }
    return {};
}

const LocaleInfo* FindLocale(int lcid)
{
    const auto it = std::lower_bound(kLocales.begin(), kLocales.end(), lcid,
                                     [](const LocaleInfo& l, int id) { return l.Lcid < id; });
    return it != kLocales.end() && it->Lcid == lcid ? &*it : nullptr;
}

int FontCharset(int lcid)
{
    const LocaleInfo* locale = FindLocale(lcid);
    switch (locale ? locale->CodePage : 0) {
    case 1250:
        return 238;
    case 1251:
        return 204;
    case 1252:
        return 0;
    case 1257:
        return 186;
    default:
        return 1;
    }
}

std::string LanguageModuleLoadFailure(const fs::path& file, std::string_view reason)
{
    return Message("Не удалось загрузить языковый модуль \"{}\"!\r\r{}", file.string(), reason);
}

std::string NotALanguageModuleText()
{
    return Text("Файл не является языковым модулем.");
}

std::string LanguageModuleName(std::string_view abbreviation)
{
    return "Belvane_6x45_" + std::string(abbreviation) + ".lng";
}

LanguageModules::LanguageModules(std::vector<fs::path> folders, int base)
    : folders_(std::move(folders)), base_(base), current_(base)
{
}

void LanguageModules::InitLanguages()
{
    languages_.clear();
    if (const LocaleInfo* base = FindLocale(base_))
        languages_.push_back(knownLanguage(*base, {}));
    else
        languages_.push_back({base_, {}, {}, {}, {}});
    std::vector<std::string> seen{upper(languages_.front().Abbreviation)};
    std::vector<std::pair<std::string, fs::path>> unknown;
    for (const fs::path& folder : folders_) {
        std::error_code ec;
        if (folder.empty() || !fs::is_directory(folder, ec))
            continue;
        std::vector<fs::path> files;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            files.push_back(it->path());
        std::sort(files.begin(), files.end()); // the same identifiers whatever order the folder lists
        for (const fs::path& file : files) {
            const std::string abbreviation = moduleAbbreviation(file.filename().string());
            if (abbreviation.empty() || !fileExists(file))
                continue;
            if (std::find(seen.begin(), seen.end(), upper(abbreviation)) != seen.end())
                continue;
            seen.push_back(upper(abbreviation));
            if (const LocaleInfo* locale = FindLocaleByAbbreviation(abbreviation))
                languages_.push_back(knownLanguage(*locale, file));
            else
                unknown.emplace_back(abbreviation, file);
        }
    }
    // Known locales first, so that no made-up identifier can take theirs.
    for (auto& [abbreviation, file] : unknown) {
        LanguageInfo language;
        language.Lcid = userDefinedLcid(abbreviation, languages_);
        if (language.Lcid == 0)
            continue;
        const std::string code = ModuleLanguageCode(file);
        language.Abbreviation = abbreviation;
        language.Name = code.empty() ? abbreviation : code;
        language.IsoCode = code.substr(0, code.find_first_of("_-"));
        language.File = file;
        languages_.push_back(std::move(language));
    }
    std::sort(languages_.begin(), languages_.end(),
              [](const LanguageInfo& a, const LanguageInfo& b) { return a.Lcid < b.Lcid; });
    lcids_.clear();
    for (const LanguageInfo& language : languages_)
        lcids_.push_back(language.Lcid);
}

const LanguageInfo* LanguageModules::Language(int lcid) const
{
    const auto it =
        std::find_if(languages_.begin(), languages_.end(), [lcid](const LanguageInfo& l) { return l.Lcid == lcid; });
    return it != languages_.end() ? &*it : nullptr;
}

std::vector<std::string> LanguageModules::LanguageNames() const
{
    std::vector<std::string> names;
    for (const LanguageInfo& language : languages_)
        names.push_back(language.Name);
    return names;
}

int LanguageModules::LanguageAt(int index, int fallback) const
{
    return index >= 0 && index < static_cast<int>(lcids_.size()) ? lcids_[static_cast<size_t>(index)] : fallback;
}

int LanguageModules::IndexOfLanguage(int wanted, int fallback) const
{
    for (int lcid : {wanted, fallback}) {
        const auto it = std::find(lcids_.begin(), lcids_.end(), lcid);
        if (it != lcids_.end())
            return static_cast<int>(it - lcids_.begin());
    }
    return -1;
}

fs::path LanguageModules::ModuleFile(int lcid) const
{
    const LocaleInfo* locale = FindLocale(lcid);
    if (!locale) {
        const LanguageInfo* found = Language(lcid);
        return found ? found->File : fs::path();
    }
    if (folders_.empty())
        return {};
    const std::string name = LanguageModuleName(locale->Abbreviation);
    for (const fs::path& folder : folders_)
        if (!folder.empty() && fileExists(folder / name))
            return folder / name;
    return folders_.front() / name;
}

void LanguageModules::CheckLanguage(int lcid) const
{
    if (lcid == base_)
        return;
    const fs::path file = ModuleFile(lcid);
    if (file.empty() || !fileExists(file)) {
        const LocaleInfo* locale = FindLocale(lcid);
        const std::string shown =
            file.empty() ? LanguageModuleName(locale ? locale->Abbreviation : std::to_string(lcid)) : file.string();
        throw Error(Message("Языковый модуль \"{}\" не найден!", shown));
    }
}

std::string LanguageModules::ReadModule(int lcid) const
{
    CheckLanguage(lcid);
    const fs::path file = ModuleFile(lcid);
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(file, ec);
    if (ec)
        throw loadFailure(file, ec.message());
    if (size > kMaxLanguageModuleSize)
        throw loadFailure(file, Text("Файл слишком велик для языкового модуля."));
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        throw loadFailure(file, std::strerror(errno));
    if (bytes.size() < sizeof kCatalogueMagic ||
        std::memcmp(bytes.data(), kCatalogueMagic, sizeof kCatalogueMagic) != 0)
        throw loadFailure(file, NotALanguageModuleText());
    return bytes;
}

} // namespace belvane::support
