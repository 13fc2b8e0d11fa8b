#include "stakes/regular_rules.h"

#include <fmt/format.h>

#include "model/comb_text.h"
#include "stakes/stake_dialogs.h"
#include "support/cp1251.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

std::string foldedAsKept(std::string_view utf8)
{
    std::string bytes = cp1251::fromUtf8(utf8);
    if (bytes.size() > RegularCommentCapacity)
        bytes.resize(RegularCommentCapacity);
    return cp1251::foldCase(bytes);
}

} // namespace

std::string TablesReadErrorText(std::string_view reason)
{
    return support::Message("Ошибка чтения файла регулярных ставок!\r\r{}", reason);
}

std::string TablesWriteErrorText(std::string_view reason)
{
    return support::Message("Ошибка записи в файл регулярных ставок!\r\r{}", reason);
}

std::array<std::string, TablesColumnCount> RegularRowTexts(const RegularStake& r)
{
    return {r.Comment, model::CombToListText(r.Start), std::to_string(r.Step), model::CombToListText(r.Current),
            std::to_string(r.Stakes)};
}

bool SameRegularComment(std::string_view a, std::string_view b)
{
    return foldedAsKept(a) == foldedAsKept(b);
}

bool RegularCommentTaken(std::span<const std::string> comments, std::string_view comment)
{
    const std::string folded = foldedAsKept(comment);
    for (const std::string& c : comments)
        if (foldedAsKept(c) == folded)
            return true;
    return false;
}

std::string NumberedRegularComment(std::string_view comment, size_t position)
{
    return fmt::format("{} ({})", comment, position);
}

bool RegularStartEditable(bool useLastDraw, size_t combinations)
{
    return !useLastDraw && combinations <= 1;
}

std::optional<RegularDialogRefusal> ValidateRegularDialog(const RegularDialogInput& in,
                                                          std::span<const std::string> comments)
{
    if (RegularStartEditable(in.UseLastDraw, in.Combinations) && !ParseStakeNumbers(in.StartText))
        return RegularDialogRefusal{support::Text(InvalidStakeMessage), RegularDialogField::Start};
    if (in.Step < MinRegularStep || in.Step > MaxRegularStep)
        return RegularDialogRefusal{support::Message("Шаг должен быть от {} до {}!", MinRegularStep, MaxRegularStep),
                                    RegularDialogField::Step};
    if (text::trim(in.Comment).empty())
        return RegularDialogRefusal{support::Text(EmptyCommentMessage), RegularDialogField::Comment};
    if (RegularCommentTaken(comments, in.Comment))
        return RegularDialogRefusal{support::Text(DuplicateRegularCommentMessage), RegularDialogField::Comment};
    return std::nullopt;
}

} // namespace belvane::stakes
