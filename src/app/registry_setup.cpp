#include "app/registry_setup.h"

#include <fmt/format.h>

#include "app/data_files.h"
#include "app/host.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/ini_document.h"

namespace belvane::app {

bool LoadConfiguration(Host& host, stats::TStatList& list, const DataFiles& files)
{
    StatusScope status(host, "Загрузка файла конфигурации...");
    try {
        const IniDocument ini = IniDocument::load(files.config());
        stats::LoadConfig(ini, list.Config());
        stats::LoadGenerateSettings(ini, list.Config());
        stats::LoadShredding(ini, list.Config());
        list.SaveWeights();
        return true;
    } catch (const Error& e) {
        host.showError(fmt::format("Ошибка чтения файла конфигурации!\r\r{}", e.what()));
        return false;
    }
}

bool SaveConfiguration(Host& host, const stats::TStatList& list, const DataFiles& files)
{
    StatusScope status(host, "Сохранение файла конфигурации...");
    try {
        IniDocument ini = IniDocument::load(files.config());
        stats::SaveConfig(ini, list.Config());
        ini.save(files.config());
        return true;
    } catch (const Error& e) {
        host.showError(fmt::format("Ошибка записи в файл конфигурации!\r\r{}", e.what()));
        return false;
    }
}

bool LoadFilterList(Host& host, stats::TStatList& list, const DataFiles& files, bool withOptions)
{
    try {
        list.LoadFilterList(files.filterList(), withOptions);
        return true;
    } catch (const Error& e) {
        host.showError(fmt::format("Ошибка загрузки списка фильтров!\r\r{}", e.what()));
        return false;
    }
}

bool SaveFilterList(Host& host, const stats::TStatList& list, const DataFiles& files, bool withOptions,
                    bool allCaptions)
{
    try {
        list.SaveFilterList(files.filterList(), withOptions, allCaptions);
        return true;
    } catch (const Error& e) {
        host.showError(fmt::format("Ошибка сохранения списка фильтров!\r\r{}", e.what()));
        return false;
    }
}

} // namespace belvane::app
