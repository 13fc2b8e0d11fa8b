#include "scenario/run_texts.h"

#include <algorithm>
#include <fmt/format.h>

#include "stakes/stake_record.h"
#include "support/delphi_format.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::scenario {

std::optional<TestCountRange> TestCountRangeFor(int drawCount)
{
    if (drawCount < 2)
        return std::nullopt;
    TestCountRange range;
    range.Max = drawCount - 1;
    range.Default = std::min(DefaultTestCount, range.Max);
    return range;
}

std::string OffsetBanner(int offset)
{
    return DelphiFormat("=== Выполнение сценария для смещения %.6d ==================================================",
                        {int64_t{offset}});
}

std::string_view LineRule()
{
    static const std::string rule(94, '-');
    return rule;
}

std::string RunningLineLog(int lineNumber, std::string_view line)
{
    return DelphiFormat("Выполнение строки %.3d: \"%s\"", {int64_t{lineNumber}, std::string(line)});
}

std::string VariantsMadeLog(int count)
{
    return fmt::format("Создано {} вариантов фильтров.", count);
}

std::string ApplyingVariantLog(int variant, std::string_view text)
{
    return DelphiFormat("Применение набора фильтров %.3d: \"%s\"", {int64_t{variant}, std::string(text)});
}

std::string VariantActivity(int variant, int count, std::string_view text)
{
    return support::Message("Фильтр {} из {}: {}", variant, count, text);
}

std::string CombsCountLog(size_t count)
{
    return fmt::format("Количество комбинаций в списке: {}", count);
}

std::string AnalysingLog(std::string_view statType, int drawCount)
{
    return fmt::format("Анализ тиражей и расчет статистики \"{}\" для выборки в {} тиражей...", statType, drawCount);
}

std::string StakeModeLog(std::string_view modeText)
{
    return fmt::format("{{*}} Добавление ставки, режим: \"{}\"", modeText);
}

std::string StakeAddedLog(int drawNumber, std::string_view numbers)
{
    return fmt::format("{{+}} Ставка на тираж {} добавлена в список ставок: [{}]", drawNumber, numbers);
}

std::string StakeExistsLog(int drawNumber, std::string_view numbers)
{
    return fmt::format("{{-}} Ставка на тираж {} не добавлена, так как уже имеется в списке ставок: [{}]", drawNumber,
                       numbers);
}

std::string SystemFailedLog(int count, std::string_view reason)
{
    return fmt::format("{{#}} Системная игра для {} чисел [ОШИБКА]: \"{}\"", count, reason);
}

std::string SystemLoadedLog(bool wholeSystem, int count, std::string_view title)
{
    return fmt::format("{{#}} Системная игра для {} чисел [{}]: загружен файл \"{}\"", count,
                       wholeSystem ? "все система" : "система * комбинации", title);
}

std::string TooManyLeftMessage(size_t count, std::string_view comment)
{
    return support::Message("Выполнение сценария прервано, т.к. после применения всех фильтров в списке комбинаций их "
                            "осталось более одной: {}!\r\rФильтры: {}",
                            count, comment);
}

std::string ManyStakesQuestion(size_t count, double megabytes, std::string_view comment)
{
    return support::Message("Будет сделано ставок: {} ({:.1f} МБ в файле ставок).\r\rФильтры: {}\r\rСделать эти "
                            "ставки? Ответ \"Да\" относится и к следующим таким ставкам этого выполнения сценария.",
                            count, megabytes, comment);
}

std::string MethodMissingMessage(std::string_view id, std::string_view caption)
{
    return support::Message("Метод расчета статистики \"{}\" на найден!\r{}\r\rВозможно, Вы отключили данных метод "
                            "расчета либо использовали сценарий от другой модификации программы.",
                            id, caption);
}

std::string RowLog(const RowTexts& r)
{
    return fmt::format("< [{}] кол-во: {} ({} %), отклонение: {} ({} %), глубина: {} ({} %), вес: {} >", r.Value,
                       r.Count, r.CountPercent, r.Deviation, r.DeviationPercent, r.Depth, r.DepthPercent, r.Weight);
}

std::string StepLog(int step, const RowTexts& row)
{
    return DelphiFormat("Шаг %.3d. Выделение строки: ", {int64_t{step}}) + RowLog(row);
}

std::string FullStakeComment(int lineNumber, int variant, std::string_view lineComment, std::string_view text)
{
    std::string comment = DelphiFormat("%.2d.%.3d:", {int64_t{lineNumber}, int64_t{variant}}) + ' ';
    if (!lineComment.empty()) {
        comment += lineComment;
        comment += ' ';
    }
    comment += "@ ";
    comment += text;
    return comment;
}

bool CutToStakeComment(std::string& comment)
{
    // The record holds 255 single-byte characters: cut between characters, never inside one.
    size_t chars = 0;
    for (size_t i = 0; i < comment.size(); ++i) {
        if ((static_cast<unsigned char>(comment[i]) & 0xC0) == 0x80)
            continue; // a continuation byte
        if (chars++ == stakes::StakeCommentCapacity) {
            comment.resize(i);
            return true;
        }
    }
    return false;
}

std::string ScenarioStakeComment(int lineNumber, int variant, std::string_view lineComment, std::string_view text)
{
    std::string comment = FullStakeComment(lineNumber, variant, lineComment, text);
    CutToStakeComment(comment);
    return comment;
}

std::string CommentCutLog(std::string_view fullComment)
{
    return fmt::format("{{!}} Комментарий ставки обрезан до {} символов: \"{}\"", stakes::StakeCommentCapacity,
                       fullComment);
}

std::string ColumnWithoutValuesMessage(std::string_view column, std::string_view filter, std::string_view remedy)
{
    return support::Message(
        "В столбце \"{}\" таблицы статистики нет ни одного значения: фильтр \"{}\" не может быть применен!\r\r{}",
        column, filter, remedy);
}

std::string CyclePanelText(int cycle)
{
    return support::Message("Цикл: {}", cycle);
}

std::string LinePanelText(int line)
{
    return support::Message("Строка: {}", line);
}

std::string StakesPanelText(int stakes)
{
    return support::Message("Ставок: {}", stakes);
}

} // namespace belvane::scenario
