// The combination list of the workspace.

#include <fmt/format.h>

#include "app/host.h"
#include "app/workspace.h"
#include "support/ini_document.h"

namespace belvane::app {

std::string Workspace::CombsPanelText() const
{
    return CombsCountText(combs_.List.count());
}

GenerateSettings Workspace::SavedGenerateSettings() const
{
    return {registry_.Config().CombsGenerateMode, registry_.Config().CombsGenerateParameters};
}

bool Workspace::NewCombinationList(const GenerateSettings& settings, bool saveAsDefault)
{
    auto busy = Busy();
    if (saveAsDefault) {
        stats::TConfigData& config = registry_.Config();
        config.CombsGenerateMode = settings.Mode;
        config.CombsGenerateParameters = settings.Parameters.substr(0, stats::MaxGenerateParametersLength);
        try {
            IniDocument ini = IniDocument::load(files_.config());
            stats::SaveGenerateSettings(ini, config);
            ini.save(files_.config());
        } catch (const Error& e) {
            host_.showError(fmt::format("Ошибка записи в файл конфигурации!\r\r{}", e.what()));
        }
    }
    combs_.List.SaveUndo();
    return GenerateList(host_, combs_, settings, true);
}

} // namespace belvane::app
