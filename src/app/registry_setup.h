#pragma once

// Reading the statistics registry's settings and building its method list,
// with the program's status texts and error messages.

namespace belvane::stats {
class TStatList;
}

namespace belvane::app {

class DataFiles;
class Host;

// The configuration groups from "Belvane_6x45.ini" ("Ошибка чтения файла
// конфигурации!" on failure: what was read stays).
bool LoadConfiguration(Host& host, stats::TStatList& list, const DataFiles& files);
// "Ошибка записи в файл конфигурации!" on failure.
bool SaveConfiguration(Host& host, const stats::TStatList& list, const DataFiles& files);

// The filter-list file ".flt": favourites, display options, caption overrides.
bool LoadFilterList(Host& host, stats::TStatList& list, const DataFiles& files, bool withOptions);
bool SaveFilterList(Host& host, const stats::TStatList& list, const DataFiles& files, bool withOptions,
                    bool allCaptions);

} // namespace belvane::app
