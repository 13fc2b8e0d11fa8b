#include "app/configuration_service.h"

#include <optional>

#include <algorithm>

#include "app/config_editing.h"
#include "app/prefetch_files.h"
#include "app/statistics_service.h"
#include "app/workspace.h"
#include "exchange/author_key.h"
#include "stats/shredding.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/host.h"
#include "support/ini_document.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::app {

bool ConfigurationService::Load()
{
    StatusScope status(ws_.Host(), support::Text("Загрузка файла конфигурации..."));
    ++revision_;
    try {
        const IniDocument ini = IniDocument::load(ws_.Files().config());
        stats::LoadConfig(ini, data_);
        stats::LoadGenerateSettings(ini, data_);
        stats::LoadShredding(ini, data_);
        data_.SaveWeights();
        proxy_ = LoadProxySettings(ini);
        download_ = LoadDownloadSettings(ini);
        // A --service given before the file was read stays.
        const std::string serviceUrl = online_.ServiceUrl;
        online_ = LoadOnlineSettings(ini);
        if (!serviceUrl.empty())
            online_.ServiceUrl = serviceUrl;
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка чтения файла конфигурации!\r\r{}", e.what()));
        return false;
    }
}

bool ConfigurationService::Save()
{
    StatusScope status(ws_.Host(), support::Text("Сохранение файла конфигурации..."));
    try {
        IniDocument ini = IniDocument::load(ws_.Files().config());
        stats::SaveConfig(ini, data_);
        ini.saveIfChanged(ws_.Files().config());
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка записи в файл конфигурации!\r\r{}", e.what()));
        return false;
    }
}

uint16_t ConfigurationService::Apply(const stats::TConfigData& edited)
{
    auto busy = ws_.Busy();
    const uint16_t affected = AffectedGroups(data_, edited);
    // The methods of a changed group may differ after the rebuild (another
    // channel count): the files of both sets are out of date.
    const std::vector<std::string> before = PrefetchIdsOfGroups(ws_.Registry(), affected);
    // The weights' saved copy and the generator and shredding settings are not the dialog's.
    data_.MatrixCols = edited.MatrixCols;
    data_.ChannelSize = edited.ChannelSize;
    data_.MatrixSegments = edited.MatrixSegments;
    data_.Cost = edited.Cost;
    data_.MaxStake = edited.MaxStake;
    data_.Profits = edited.Profits;
    data_.Weights = edited.Weights;
    data_.SaveWeights();
    ++revision_;
    Save();
    StatisticsService& statistics = ws_.Statistics();
    statistics.RebuildTypeLists(true, true);
    if (affected != 0) {
        // Files nobody rebuilds now must not be taken for the new configuration later.
        const std::vector<std::string> after = PrefetchIdsOfGroups(ws_.Registry(), affected);
        std::vector<std::string> stale;
        for (const std::string& id : before)
            if (!statistics.PrefetchsEnabled() || std::find(after.begin(), after.end(), id) == after.end())
                stale.push_back(id);
        if (!statistics.PrefetchsEnabled())
            stale.insert(stale.end(), after.begin(), after.end());
        DeletePrefetchFiles(ws_.Host(), ws_.Files(), stale);
        if (statistics.PrefetchsEnabled())
            statistics.BuildPrefetchFiles(false, affected);
    }
    ws_.RefreshAllViews(true);
    return affected;
}

const std::string& ConfigurationService::EnsureAuthorKey()
{
    if (exchange::IsAuthorKey(online_.AuthorKey))
        return online_.AuthorKey;
    try {
        // Another program on this folder may have made one since the file was read.
        IniDocument ini = IniDocument::load(ws_.Files().config());
        const std::string stored = ini.readString(OnlineSection, AuthorKeyKey);
        std::string key(text::trim(stored));
        if (!exchange::IsAuthorKey(key)) {
            key = exchange::NewAuthorKey();
            ini.writeString(OnlineSection, AuthorKeyKey, key);
            ini.save(ws_.Files().config());
        }
        online_.AuthorKey = std::move(key);
        return online_.AuthorKey;
    } catch (const Error& e) {
        throw Error(support::Message("Ключ автора не записан в файл конфигурации!\r\r{}", e.what()));
    }
}

bool ConfigurationService::SaveProxy(bool showStatus)
{
    std::optional<StatusScope> status;
    if (showStatus)
        status.emplace(ws_.Host(), support::Text("Сохранение файла конфигурации..."));
    try {
        IniDocument ini = IniDocument::load(ws_.Files().config());
        ProxySettings written = proxy_;
        SaveProxySettings(ini, written);
        ini.saveIfChanged(ws_.Files().config());
        proxy_.Saved = true;
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка записи в файл конфигурации!\r\r{}", e.what()));
        return false;
    }
}

bool ConfigurationService::ApplyProxy(const ProxySettings& edited)
{
    if (ProxyServerMissing(edited)) {
        ws_.Host().showError(support::Text(ProxyServerMissingMessage));
        return false;
    }
    auto busy = ws_.Busy();
    proxy_ = edited;
    proxy_.Saved = false;
    return SaveProxy(true);
}

ShreddingSettings ConfigurationService::Shredding() const
{
    return {data_.Formulas, data_.FormulaDigits};
}

ShreddingApplyResult ConfigurationService::ApplyShredding(const ShreddingSettings& edited)
{
    auto busy = ws_.Busy();
    ShreddingApplyResult result;
    for (size_t i = 0; i < data_.Formulas.size(); ++i) {
        const int digits = std::clamp(edited.Digits[i], stats::MinFormulaDigits, stats::MaxFormulaDigits);
        if (edited.Formulas[i] != data_.Formulas[i] || digits != data_.FormulaDigits[i])
            result.ChangedSlots |= 1u << i;
        data_.Formulas[i] = edited.Formulas[i];
        data_.FormulaDigits[i] = digits;
    }
    ++revision_; // the statistics table's key: its values follow the formulas
    {
        StatusScope status(ws_.Host(), support::Text("Сохранение файла конфигурации..."));
        try {
            IniDocument ini = IniDocument::load(ws_.Files().config());
            stats::SaveShredding(ini, data_);
            ini.saveIfChanged(ws_.Files().config());
        } catch (const Error& e) {
            ws_.Host().showError(support::Message("Ошибка записи в файл конфигурации!\r\r{}", e.what()));
            result.Ok = false;
        }
    }
    StatisticsService& statistics = ws_.Statistics();
    statistics.RebuildTypeLists(true, true);
    // A changed slot's file goes first: a rebuild stopped half-way, or one
    // left for later while prefetch files are off, must not leave old counts.
    for (int slot = 1; slot <= stats::ShreddingSlotCount; ++slot)
        if (result.ChangedSlots >> (slot - 1) & 1)
            result.Ok &= DeletePrefetchFile(ws_.Host(), ws_.Files(), stats::TstShreddingStatClass.IDFor(slot));
    if (statistics.PrefetchsEnabled())
        result.Ok &= statistics.BuildPrefetchFiles(false, uint16_t{1} << stats::GroupShredding).Failed == 0;
    ws_.RefreshAllViews(true);
    return result;
}

GenerateSettings ConfigurationService::SavedGenerateSettings() const
{
    return {data_.CombsGenerateMode, data_.CombsGenerateParameters};
}

bool ConfigurationService::SaveGenerateSettings(const GenerateSettings& settings)
{
    data_.CombsGenerateMode = settings.Mode;
    data_.CombsGenerateParameters = settings.Parameters.substr(0, stats::MaxGenerateParametersLength);
    try {
        IniDocument ini = IniDocument::load(ws_.Files().config());
        stats::SaveGenerateSettings(ini, data_);
        ini.saveIfChanged(ws_.Files().config());
        return true;
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка записи в файл конфигурации!\r\r{}", e.what()));
        return false;
    }
}

} // namespace belvane::app
