#include "app/workspace.h"

#include "app/analysis_service.h"
#include "app/archive_service.h"
#include "app/combination_service.h"
#include "app/configuration_service.h"
#include "app/download_service.h"
#include "app/language_service.h"
#include "app/library_service.h"
#include "app/prefetch_files.h"
#include "app/ratings_service.h"
#include "app/scenario_service.h"
#include "app/setting_keys.h"
#include "app/stakes_service.h"
#include "app/statistics_service.h"
#include "app/systems_service.h"
#include "app/tables_service.h"
#include "app/update_service.h"
#include "app/view_selection.h"
#include "stats/stat_list.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::app {

std::string SettingsLoadErrorText(std::string_view reason)
{
    return support::Message("Ошибка загрузки параметров программы!\r\r{}", reason);
}

std::string SettingsSaveErrorText(std::string_view reason)
{
    return support::Message("Ошибка сохранения параметров программы!\r\r{}", reason);
}

Workspace::Workspace(belvane::Host& host, DataFiles files, StartupOptions options, WorkspaceMode mode)
    : host_(host), files_(std::move(files)), options_(options), mode_(mode),
      settings_(WindowStateFile(files_.windowState())), configuration_(std::make_unique<ConfigurationService>(*this)),
      archive_(std::make_unique<ArchiveService>(*this)),
      registry_(std::make_unique<stats::TStatList>(stats::MethodContext{&archive_->Draws(), &configuration_->Data()})),
      statistics_(std::make_unique<StatisticsService>(*this)),
      combinations_(std::make_unique<CombinationService>(*this, files_.combsBuffer(), mode.Interactive)),
      scenario_(std::make_unique<ScenarioService>(*this)), stakes_(std::make_unique<StakesService>(*this)),
      ratings_(std::make_unique<RatingsService>(*this)), tables_(std::make_unique<TablesService>(*this)),
      download_(std::make_unique<DownloadService>(*this)), systems_(std::make_unique<SystemsService>(*this)),
      analysis_(std::make_unique<AnalysisService>(*this)), library_(std::make_unique<LibraryService>(*this)),
      update_(std::make_unique<UpdateService>(*this)), languages_(std::make_unique<LanguageService>(*this))
{
    if (mode_.ReadOnly)
        settings_.SetReadOnly();
}

int Workspace::LanguageId() const
{
    return languages_->Current();
}

Workspace::~Workspace()
{
    if (initialised_ && !closed_) {
        try {
            Close();
        } catch (...) {
            // Nothing sensible is left to do with a failure while tearing down.
        }
    }
}

void Workspace::Create()
{
    if (options_.Restart && !WaitForOtherInstances(CurrentExecutableName(), options_.RestartPolls))
        throw StartupFailure(support::Text("Другая копия программы не завершила работу."));

    try {
        settings_.Load();
        if (!settings_.Flag(key::PrefetchsInit)) {
            settings_.Set(key::PrefetchsInit, 1);
            settings_.Set(key::PrefetchsEnabled, settings_.Get(key::PrefetchsEnabled));
        }
    } catch (const Error& e) {
        host_.showError(SettingsLoadErrorText(e.what()));
    }
    languages_->Init();
    configuration_->Load();
    registry_->BuildMethods();
    statistics_->LoadFilterList(true);
    statistics_->Invalidate();
    statistics_->RebuildTypeLists(false, false);
}

void Workspace::Initialise()
{
    StatusScope status(host_, support::Text("Инициализация..."));
    auto busy = Busy();
    try {
        hits_ = stakes::MakeHitTable();
        stakes_->Open();
        // The folder is ours alone now: what a killed save left behind can go.
        if (!mode_.ReadOnly) {
            files_.removeStaleTempFiles();
            update_->RemoveStaleTempFiles();
        }
        archive_->Load();
        if (mode_.Interactive)
            combinations_->Generate(configuration_->SavedGenerateSettings());
        initialised_ = true;
    } catch (const StartupFailure&) {
        throw;
    } catch (const std::exception& e) {
        host_.showError(support::Message("Ошибка инициализации программы!\r\r{}", e.what()));
        throw StartupFailure(e.what());
    }
    RefreshAllViews(true);
    ratings_->Load();
    tables_->Load();
    scenario_->LoadWorkingCopy();
}

bool Workspace::RunBatchOptions()
{
    if (options_.LoadOnly) {
        // Nobody may be there to answer the retry question: the attempts are capped.
        batchFailed_ = !DownloadService::Succeeded(download_->DrawsDownload({.MaxAttempts = BatchDownloadAttempts}));
        if (!options_.FullRecreate && !options_.FullRefresh)
            return true;
    }
    if (options_.FullRecreate) {
        statistics_->BuildPrefetchFiles(true, AllPrefetchGroups);
        return true;
    }
    app::BuildPrefetchFiles(host_, *registry_, files_, options_.FullRefresh, statistics_->PrefetchsEnabled(), 0);
    return options_.FullRefresh;
}

bool Workspace::CanClose()
{
    if (!scenario_->Running())
        return true;
    scenario_->Stop();
    return false;
}

bool Workspace::Close(const WindowClosingState& state)
{
    if (closed_)
        return true;
    closed_ = true;
    bool written = true;
    try {
        const WindowStateFile& file = settings_.File();
        if (state.Placement && !mode_.ReadOnly)
            SavePlacement(file, MainWindowSection, *state.Placement, state.PixelsPerInch, state.ScreenWidth,
                          state.ScreenHeight);
        settings_.SaveOnClose();
        for (const auto& [control, widths] : state.ColumnWidths)
            SaveColumnWidths(file, MainWindowSection, control, widths);
        for (const auto& [control, sort] : state.ListSorts)
            SaveListSort(file, MainWindowSection, control, sort);
    } catch (const Error& e) {
        host_.showError(SettingsSaveErrorText(e.what()));
        written = false;
    }
    combinations_->Buffer().ResetKey();
    return stakes_->Close() && written;
}

bool Workspace::SetSetting(std::string_view key, int value)
{
    try {
        settings_.Set(key, value);
        return true;
    } catch (const Error& e) {
        host_.showError(SettingsSaveErrorText(e.what()));
        return false;
    }
}

std::array<std::string, StatusPanelCount> Workspace::StatusPanelTexts() const
{
    return {archive_->ArchivePanelText(), archive_->NextDrawPanelText(), archive_->OffsetDrawPanelText(),
            combinations_->PanelText(),   stakes_->PanelText(),          ratings_->PanelText()};
}

bool Workspace::ActionEnabled(std::string_view action, const ViewSelection& selection) const
{
    if (action == "ScriptStop")
        return *scenario_->ActionEnabled(action, selection);
    if (IsBusy())
        return false;
    for (const std::optional<bool> answer :
         {archive_->ActionEnabled(action, selection), combinations_->ActionEnabled(action, selection),
          statistics_->ActionEnabled(action, selection), scenario_->ActionEnabled(action, selection),
          stakes_->ActionEnabled(action, selection), ratings_->ActionEnabled(action, selection),
          tables_->ActionEnabled(action, selection), download_->ActionEnabled(action, selection),
          systems_->ActionEnabled(action, selection), analysis_->ActionEnabled(action, selection),
          library_->ActionEnabled(action, selection), update_->ActionEnabled(action, selection)})
        if (answer)
            return *answer;
    return true;
}

int Workspace::OnRefresh(RefreshListener listener)
{
    listeners_[nextListener_] = std::move(listener);
    return nextListener_++;
}

void Workspace::RemoveRefreshListener(int id)
{
    listeners_.erase(id);
}

void Workspace::RefreshAllViews(bool force)
{
    if (RefreshSuppressed)
        return;
    statistics_->Calculate(force);
    for (auto& [id, listener] : listeners_)
        listener(force);
}

} // namespace belvane::app
