#include "app/wheel_outcome_text.h"

#include "support/translation.h"

namespace belvane::app {

std::vector<std::string> WheelOutcomeLines(const WheelRequest& request, const WheelOutcome& outcome)
{
    const systems::WheelDesign& d = request.Design;
    std::vector<std::string> lines;
    lines.push_back(support::Message("Система для {} чисел: {} из {}", d.Numbers, d.Guarantee, d.Condition));
    const std::string bound =
        support::Message("нижняя граница: {}, {}", outcome.Bound.Lines, systems::BoundKindName(outcome.Bound.Kind));
    lines.push_back(outcome.Wheel.Optimal
                        ? support::Message("Комбинаций: {} ({}; меньше не бывает)", outcome.Wheel.Lines.size(), bound)
                        : support::Message("Комбинаций: {} ({})", outcome.Wheel.Lines.size(), bound));
    lines.push_back(
        support::Message("Проверка: все {} наборов из {} чисел среди чисел системы дают не меньше {} совпадений",
                         outcome.Table.Subsets(d.Condition), d.Condition, d.Guarantee));
    lines.push_back(support::Message("Зерно: {}, раундов: {}", request.Seed, outcome.Wheel.Rounds));
    return lines;
}

std::vector<std::string> WheelInstalledLines(int numbers, const systems::InstalledSystem& installed)
{
    std::vector<std::string> lines;
    lines.push_back(support::Message("Установлена: {}", installed.Path.filename().string()));
    if (installed.Removed > 0)
        lines.push_back(support::Message("Удалено прежних систем для {} чисел: {}", numbers, installed.Removed));
    return lines;
}

std::string ReplaceSystemQuestion(int numbers, std::string_view installedFile)
{
    return support::Message("Для {} чисел уже установлена система \"{}\".\r\rЗаменить ее созданной системой?", numbers,
                            installedFile);
}

std::string WheelDesignSummary(const systems::WheelDesign& design)
{
    if (const auto problem = systems::CheckWheelDesign(design))
        return *problem;
    const systems::WheelBound bound = systems::LowerBound(design.Numbers, design.Guarantee, design.Condition);
    return support::Message("Меньше {} комбинаций не бывает ({}).", bound.Lines, systems::BoundKindName(bound.Kind));
}

} // namespace belvane::app
