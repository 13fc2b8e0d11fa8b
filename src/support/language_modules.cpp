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

} // namespace

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
    lcids_.clear();
    for (const LocaleInfo& locale : kLocales) {
        if (locale.Lcid == base_) {
            lcids_.push_back(base_);
            continue;
        }
        const fs::path file = ModuleFile(locale.Lcid);
        if (fileExists(file))
            lcids_.push_back(locale.Lcid);
    }
    if (std::find(lcids_.begin(), lcids_.end(), base_) == lcids_.end())
        lcids_.insert(std::upper_bound(lcids_.begin(), lcids_.end(), base_), base_);
}

std::vector<std::string> LanguageModules::LanguageNames() const
{
    std::vector<std::string> names;
    for (int lcid : lcids_) {
        const LocaleInfo* locale = FindLocale(lcid);
        names.emplace_back(locale ? locale->Name : std::string_view());
    }
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
    if (!locale || folders_.empty())
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
