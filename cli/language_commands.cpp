// belvane-cli languages: the interface languages whose modules are found
// beside the program or in the data folder, the built-in one always first in
// identifier order.

#include <iostream>

#include "app/language_service.h"
#include "cli/command_binding.h"
#include "cli/table_output.h"

namespace belvane::cli {
namespace {

struct LanguagesOptions {
    std::string format = "text";
};

int listLanguages(CliContext& ctx, const LanguagesOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    const support::LanguageModules& modules = ws->Languages().Modules();
    const std::vector<std::string> names = modules.LanguageNames();
    Table table;
    table.captions = {"LCID", "Код", "Язык", "Файл"};
    for (size_t i = 0; i < names.size(); ++i) {
        const int lcid = modules.TLCIDs()[i];
        const support::LanguageInfo* language = modules.Language(lcid);
        table.rows.push_back({std::to_string(lcid), language ? language->Abbreviation : std::string(), names[i],
                              lcid == modules.BaseLanguage() ? std::string() : modules.ModuleFile(lcid).string()});
    }
    printTable(std::cout, table, tableFormatFromName(o.format));
    return ExitOk;
}

} // namespace

void addLanguageCommands(CLI::App& app, CliContext& ctx)
{
    auto options = std::make_shared<LanguagesOptions>();
    CLI::App* languages = app.add_subcommand("languages", "Языки интерфейса: встроенный и найденные языковые модули");
    addFormatOption(languages, options->format);
    onChosen(languages, ctx, options, listLanguages);
}

} // namespace belvane::cli
