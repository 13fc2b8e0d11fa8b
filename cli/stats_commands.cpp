// belvane-cli methods / stats / prefetch: the statistics engine from the terminal.

#include <fmt/format.h>
#include <iostream>

#include "app/draws_stat_table.h"
#include "app/export_sources.h"
#include "app/prefetch_files.h"
#include "app/statistics_service.h"
#include "cli/command_binding.h"
#include "cli/table_output.h"
#include "cli/xlsx_options.h"
#include "stats/class_table.h"
#include "stats/stat_list.h"
#include "support/error.h"
#include "support/text.h"

namespace belvane::cli {
namespace {

struct MethodsOptions {
    std::string format = "text";
};

int listMethods(CliContext& ctx, const MethodsOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    const stats::TStatList& list = ws->Registry();
    Table table;
    table.captions = {"Поз.", "ID", "Метод", "Флаги", "Группа"};
    for (int i = 0; i < list.MethodCount(); ++i) {
        const stats::TStatMethod& m = list.Item(i);
        table.rows.push_back({std::to_string(stats::StatClassPosition(m.StatClass)), m.ID(), list.MethodText(i, true),
                              stats::FlagsText(m.StatClass->Flags()), std::to_string(m.StatClass->GetGroup())});
    }
    printTable(std::cout, table, tableFormatFromName(o.format));
    return ExitOk;
}

struct MethodShowOptions {
    std::string id;
};

int showMethod(CliContext& ctx, const MethodShowOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    std::cout << ws->Statistics().MethodDescriptionText(ws.entry(o.id));
    return ExitOk;
}

struct StatsOptions {
    std::string id;
    int length = 1000;
    bool sorted = false;
    bool prefetch = false;
    std::string format = "text";
    XlsxOptions xlsx;
};

int showStats(CliContext& ctx, const StatsOptions& o)
{
    WorkspaceSession ws(ctx, Access::Read);
    const stats::TStatList& list = ws->Registry();
    app::DrawsStatRequest request = ws->Statistics().Request(ws.entry(o.id), o.length);
    request.Sorted = request.Sorted || o.sorted;

    std::optional<app::PrefetchData> prefetch;
    // A method without a full-set form has no prefetch file: its table shows "-" there.
    if (o.prefetch && list.CanPrefetch(request.Entry)) {
        prefetch = app::OpenPrefetch(ctx.host, list, request.Entry, ws->Files());
        if (!prefetch)
            return ExitFailure;
        request.Prefetch = &*prefetch;
    }

    const app::DrawsStatTable stat = app::CalculateDrawsStat(list, request);
    if (o.xlsx.wanted())
        return writeXlsx(ctx, *ws, o.xlsx, app::DrawsStatSource(stat),
                         {app::DrawsStatControl, app::DrawsStatExportTitle});
    Table table;
    table.captions.assign(app::DrawsStatCaptions.begin(), app::DrawsStatCaptions.end());
    for (const app::DrawsStatRow& row : stat.Rows)
        table.rows.emplace_back(row.Cells.begin(), row.Cells.end());
    printTable(std::cout, table, tableFormatFromName(o.format));
    return ExitOk;
}

struct PrefetchOptions {
    bool force = false;
    std::string groups;
};

uint16_t parseGroupMask(const std::string& text)
{
    const std::string_view t = text::trim(text);
    std::optional<int64_t> v;
    if (text::startsWithIgnoreCase(t, "0x")) {
        // Digit by digit, giving up as soon as the value leaves the mask's range.
        int64_t n = 0;
        bool ok = t.size() > 2;
        for (char c : t.substr(2)) {
            const int digit = (c >= '0' && c <= '9')   ? c - '0'
                              : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                              : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                       : -1;
            ok = ok && digit >= 0 && n <= 0xFFFF;
            if (!ok)
                break;
            n = n * 16 + digit;
        }
        if (ok)
            v = n;
    } else {
        v = text::parseInt64(t);
    }
    if (!v || *v < 0 || *v > 0xFFFF)
        throw Error(fmt::format("Некорректная маска групп: \"{}\"!", text));
    return static_cast<uint16_t>(*v);
}

int buildPrefetch(CliContext& ctx, const PrefetchOptions& o)
{
    const uint16_t mask = o.force ? app::AllPrefetchGroups : (o.groups.empty() ? 0 : parseGroupMask(o.groups));
    WorkspaceSession ws(ctx);
    const app::PrefetchBuildResult built = ws->Statistics().BuildPrefetchFiles(true, mask);
    if (ctx.host.cancelled())
        return ExitFailure;
    std::cout << fmt::format("Создано файлов: {}", built.Written) << '\n';
    if (built.Failed > 0) {
        std::cerr << fmt::format("Не удалось создать файлов: {}", built.Failed) << '\n';
        return ExitFailure;
    }
    return ExitOk;
}

} // namespace

void addStatsCommands(CLI::App& app, CliContext& ctx)
{
    auto methods = std::make_shared<MethodsOptions>();
    CLI::App* methodsCmd = app.add_subcommand("methods", "Зарегистрированные методы расчета статистики");
    addFormatOption(methodsCmd, methods->format);
    auto show = std::make_shared<MethodShowOptions>();
    CLI::App* showCmd = methodsCmd->add_subcommand("show", "Описание метода с примером на последнем тираже");
    showCmd->add_option("id", show->id, "ID метода (SDZ2, KNP32, ...), без учета регистра")->required();
    onChosen(showCmd, ctx, show, showMethod);
    // The list runs only when no subcommand was given: CLI11 calls this after the subcommand's.
    methodsCmd->callback([&ctx, methods, showCmd] {
        if (!showCmd->parsed())
            ctx.action = [&ctx, methods] { return listMethods(ctx, *methods); };
    });

    auto stat = std::make_shared<StatsOptions>();
    CLI::App* statsCmd = app.add_subcommand("stats", "Таблица статистики тиражей по одному методу");
    statsCmd->add_option("id", stat->id, "ID метода (NUMS, POS1, ...), без учета регистра")->required();
    statsCmd->add_option("--len", stat->length, "Количество тиражей для расчета")
        ->check(CLI::Range(1, 1'000'000))
        ->capture_default_str();
    statsCmd->add_flag("--sorted", stat->sorted, "Числа тиражей по возрастанию (Упорядочить MIN->MAX)");
    statsCmd->add_flag("--prefetch", stat->prefetch,
                       "Сравнение с полным набором комбинаций (файл создается, если его нет)");
    addFormatOption(statsCmd, stat->format);
    addXlsxOptions(statsCmd, stat->xlsx);
    onChosen(statsCmd, ctx, stat, showStats);

    auto prefetch = std::make_shared<PrefetchOptions>();
    CLI::App* prefetchCmd = app.add_subcommand("prefetch", "Создать файлы для полного набора комбинаций");
    prefetchCmd->add_flag("--force", prefetch->force, "Пересоздать все файлы");
    prefetchCmd->add_option("--groups", prefetch->groups,
                            "Маска групп, файлы которых пересоздаются (бит g = группа g; 0x1FFF - все)");
    onChosen(prefetchCmd, ctx, prefetch, buildPrefetch);
}

} // namespace belvane::cli
