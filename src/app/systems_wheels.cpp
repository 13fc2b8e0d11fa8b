// SystemsService: generating a system of one's own.

#include <fmt/format.h>

#include "app/systems_service.h"
#include "app/wheel_outcome_text.h"
#include "app/workspace.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::app {

std::optional<WheelOutcome> SystemsService::GenerateWheel(const WheelRequest& request, bool install)
{
    Host& host = ws_.Host();
    if (const auto problem = systems::CheckWheelDesign(request.Design)) {
        host.showError(*problem);
        return std::nullopt;
    }
    auto busy = ws_.Busy();
    WheelOutcome outcome;
    try {
        const std::string base = support::Message("Создание системы для {} чисел...", request.Design.Numbers);
        StatusScope status(host, base);
        ProgressScope progress(host, 100, true);
        systems::WheelOptions options;
        options.Seconds = request.Seconds;
        options.Seed = request.Seed;
        options.Rounds = request.Rounds;
        options.Cancelled = [&host] { return host.cancelled(); };
        int shown = 0;
        outcome.Wheel = systems::GenerateWheel(request.Design, options, [&](double used) {
            const int percent = static_cast<int>(used * 100);
            if (percent > shown) {
                host.stepProgress(percent - shown);
                host.setStatus(fmt::format("{} {}", base, CompletedPercentText(percent)));
                shown = percent;
            }
            return !host.cancelled();
        });
        if (outcome.Wheel.Cancelled)
            return std::nullopt;
        outcome.Bound = systems::LowerBound(request.Design.Numbers, request.Design.Guarantee, request.Design.Condition);
        outcome.Table = *systems::VerifySystem(outcome.Wheel.Lines, request.Design.Numbers);
        // The search keeps only complete systems; this is the proof.
        if (outcome.Table.Meeting(request.Design.Condition, request.Design.Guarantee) !=
            outcome.Table.Subsets(request.Design.Condition))
            throw Error(support::Text("Созданная система не дает заданной гарантии!"));
    } catch (const Error& e) {
        host.showError(support::Message("Ошибка создания системы!\r\r{}", e.what()));
        return std::nullopt;
    }
    if (install) {
        outcome.Installed = InstallWheel(request.Design, outcome.Wheel.Lines);
        if (!outcome.Installed)
            return std::nullopt;
    }
    return outcome;
}

std::optional<systems::InstalledSystem> SystemsService::InstallWheel(const systems::WheelDesign& design,
                                                                     std::span<const systems::SystemLine> lines)
{
    try {
        auto busy = ws_.Busy();
        return systems::InstallSystemLines(Folder(), lines, design.Numbers, design.Guarantee, std::nullopt);
    } catch (const Error& e) {
        ws_.Host().showError(support::Message("Ошибка установки системы!\r\r{}", e.what()));
        return std::nullopt;
    }
}

std::vector<systems::LocalSystem> SystemsService::LocalFor(int numbers) const
{
    std::vector<systems::LocalSystem> found = Local();
    std::erase_if(found, [numbers](const systems::LocalSystem& s) { return s.Name.Numbers != numbers; });
    return found;
}

std::optional<std::string> SystemsService::WheelReplaceQuestion(int numbers) const
{
    const std::vector<systems::LocalSystem> present = LocalFor(numbers);
    if (present.empty())
        return std::nullopt;
    return ReplaceSystemQuestion(numbers, present.front().Path.filename().string());
}

} // namespace belvane::app
