// belvane-cli ratings show KEY: one rating row beside random play.

#include <iostream>

#include "app/configuration_service.h"
#include "app/ratings_service.h"
#include "app/workspace.h"
#include "cli/command_binding.h"
#include "stakes/ratings_chance.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::cli {
namespace {

int showRatingChance(CliContext& ctx, const std::string& key)
{
    WorkspaceSession ws(ctx, Access::Read);
    const app::RatingsService& ratings = ws->Ratings();
    const std::optional<size_t> row = ratings.Ratings().find(key);
    if (!row) {
        ws->Host().showError(support::Message("В рейтинге нет строки \"{}\".", key));
        return ExitFailure;
    }
    // Every row's hit tail (for the adjustment), the profit's only for this one.
    const std::vector<stakes::RowChance> all = ratings.CompareWithChance();
    const stakes::RatingRecord& record = ratings.Ratings().records()[*row];
    const stakes::RowChance shown = stakes::WithProfitTail(all[*row], record, ws->Configuration().Data());
    std::cout << stakes::ChanceReportText(record, shown, stakes::RowsCompared(all));
    return ExitOk;
}

} // namespace

void addRatingsChanceCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* ratingsCmd = app.get_subcommand("ratings");
    auto key = std::make_shared<std::string>();
    CLI::App* showCmd = ratingsCmd->add_subcommand("show", "Строка рейтинга в сравнении со случайной игрой");
    showCmd->add_option("key", *key, "Комментарий (ключ) строки рейтинга")->required();
    onChosen(showCmd, ctx, key, showRatingChance);
}

} // namespace belvane::cli
