#include "app/language_service.h"

#include <system_error>

#include "app/setting_keys.h"
#include "app/statistics_service.h"
#include "app/workspace.h"
#include "stats/stat_list.h"
#include "support/data_folder.h"

namespace belvane::app {

LanguageService::LanguageService(Workspace& workspace)
    : ws_(workspace), modules_({programFolder(), workspace.Files().folder()})
{
}

void LanguageService::Init()
{
    modules_.InitLanguages();
    ws_.Registry().LanguageCode = Code();
    findHelpFile();
}

int LanguageService::Wanted() const
{
    return ws_.Options().NoLanguage ? modules_.BaseLanguage() : ws_.Settings().Get(key::Language);
}

std::string LanguageService::Code() const
{
    if (const support::LanguageInfo* language = modules_.Language(Current()))
        return language->Abbreviation;
    const support::LocaleInfo* locale = support::FindLocale(Current());
    return locale ? std::string(locale->Abbreviation) : std::string();
}

void LanguageService::Switched(int lcid, bool store)
{
    modules_.SetCurrentLanguage(lcid);
    ws_.Registry().LanguageCode = Code();
    ws_.Statistics().LoadFilterList(false);
    ws_.Statistics().RebuildTypeLists(false, true);
    findHelpFile();
    if (store)
        ws_.SetSetting(key::Language, lcid);
}

void LanguageService::findHelpFile()
{
    // The help file of the interface language: in the data folder, its "help"
    // folder, or "help" beside the folder above it.
    ws_.Registry().HelpFile.clear();
    const std::string name = "Kalvo_" + ws_.Registry().LanguageCode + ".chm";
    const auto& folder = ws_.Files().folder();
    for (const auto& candidate : {folder / name, folder / "help" / name, folder.parent_path() / "help" / name}) {
        std::error_code ec;
        if (std::filesystem::exists(candidate, ec)) {
            ws_.Registry().HelpFile = candidate;
            return;
        }
    }
}

} // namespace belvane::app
