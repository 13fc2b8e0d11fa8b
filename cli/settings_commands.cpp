// belvane-cli settings ...: the window-state keys from the terminal.

#include <fmt/format.h>
#include <iostream>

#include "app/window_settings.h"
#include "cli/command_binding.h"
#include "cli/table_output.h"
#include "support/error.h"
#include "support/text.h"

namespace belvane::cli {
namespace {

const app::SettingKey& keyNamed(const std::string& name)
{
    const app::SettingKey* key = app::FindMainWindowKey(name);
    if (key == nullptr)
        throw Error(fmt::format("Неизвестный параметр \"{}\"!", name));
    return *key;
}

std::string valueText(const app::SettingKey& key, int value)
{
    return key.Kind == app::SettingKind::Boolean ? (value ? "true" : "false") : std::to_string(value);
}

int getSetting(CliContext& ctx, const std::string& name)
{
    const app::SettingKey& key = keyNamed(name);
    WorkspaceSession ws(ctx, Access::Read);
    std::cout << valueText(key, ws->Settings().Get(key.Name)) << '\n';
    return ExitOk;
}

struct SettingSetOptions {
    std::string name;
    std::string value;
};

int setSetting(CliContext& ctx, const SettingSetOptions& o)
{
    const app::SettingKey& key = keyNamed(o.name);
    std::optional<int> value;
    if (key.Kind == app::SettingKind::Boolean) {
        if (text::equalsIgnoreCase(o.value, "true") || o.value == "1")
            value = 1;
        else if (text::equalsIgnoreCase(o.value, "false") || o.value == "0")
            value = 0;
    } else {
        value = text::parseInt(text::trim(o.value));
    }
    if (!value)
        throw Error(fmt::format("Некорректное значение параметра {}: \"{}\"!", key.Name, o.value));
    WorkspaceSession ws(ctx);
    ws->Settings().Set(key.Name, *value);
    ws.close(); // keys written on close are written now; the value is shown once it is stored
    std::cout << key.Name << " = " << valueText(key, *value) << '\n';
    return ExitOk;
}

int listSettings(CliContext& ctx, const std::string& format)
{
    WorkspaceSession ws(ctx, Access::Read);
    Table table;
    table.captions = {"Параметр", "Значение"};
    for (const app::SettingKey& key : app::MainWindowKeys())
        table.rows.push_back({std::string(key.Name), valueText(key, ws->Settings().Get(key.Name))});
    printTable(std::cout, table, tableFormatFromName(format));
    return ExitOk;
}

} // namespace

void addSettingsCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* settings = app.add_subcommand("settings", "Параметры главного окна (файл Belvane_6x45.frm)");
    settings->require_subcommand(1);

    auto name = std::make_shared<std::string>();
    CLI::App* getCmd = settings->add_subcommand("get", "Значение параметра");
    getCmd->add_option("key", *name, "Имя параметра (DrawsStatLen, SortedDraws, ...)")->required();
    onChosen(getCmd, ctx, name, getSetting);

    auto set = std::make_shared<SettingSetOptions>();
    CLI::App* setCmd = settings->add_subcommand("set", "Изменить параметр");
    setCmd->add_option("key", set->name, "Имя параметра")->required();
    setCmd->add_option("value", set->value, "Новое значение (целое число; true/false для флагов)")->required();
    onChosen(setCmd, ctx, set, setSetting);

    auto format = std::make_shared<std::string>("text");
    CLI::App* listCmd = settings->add_subcommand("list", "Все параметры и их значения");
    addFormatOption(listCmd, *format);
    onChosen(listCmd, ctx, format, listSettings);
}

} // namespace belvane::cli
