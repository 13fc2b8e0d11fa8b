#pragma once

// The rules and texts of the regular stakes page: the list's columns, the
// dialog "Добавление регулярной ставки" and what it accepts, comments that
// must differ letter case aside, and the names given to many stakes at once.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "stakes/regular_table.h"

#include "support/translation.h"

namespace belvane::stakes {

inline constexpr std::string_view TablesPageCaption = BELVANE_TEXT("Регуляры");
inline constexpr std::string_view TableDialogCaption = BELVANE_TEXT("Добавление регулярной ставки");
inline constexpr std::string_view DefaultRegularComment = "Регулярная ставка";
// The start field when several combinations are concerned.
inline constexpr std::string_view SelectedCombsText = BELVANE_TEXT("{...Выделенные комбинации...}");
inline constexpr std::string_view DuplicateRegularCommentMessage =
    BELVANE_TEXT("Запись с таким комментарием уже присутствует в списке!\rВыберите другой комментарий.");

inline constexpr std::string_view LoadTablesStatus = BELVANE_TEXT("Загрузка файла регулярных ставок...");
inline constexpr std::string_view SaveTablesStatus = BELVANE_TEXT("Сохранение файла регулярных ставок...");
inline constexpr std::string_view AddTablesStatus = BELVANE_TEXT("Создание регулярных ставок...");
inline constexpr std::string_view DeleteTablesStatus = BELVANE_TEXT("Удаление регулярных ставок...");
inline constexpr std::string_view TestTablesStatus = BELVANE_TEXT("Создание ставок по регулярным табличным ставкам...");
std::string TablesReadErrorText(std::string_view reason); // "Ошибка чтения файла регулярных ставок!..."
std::string TablesWriteErrorText(std::string_view reason); // "Ошибка записи в файл регулярных ставок!..."
inline constexpr std::string_view BadTablesExtension = ".bad";

// lvTables: one row per regular stake.
inline constexpr int TablesColumnCount = 5;
inline constexpr std::array<std::string_view, TablesColumnCount> TablesColumnCaptions = {
    BELVANE_TEXT("Комментарий"), BELVANE_TEXT("Стартовая комбинация"), BELVANE_TEXT("Шаг"),
    BELVANE_TEXT("Текущая комбинация"), BELVANE_TEXT("Ставок")};
std::array<std::string, TablesColumnCount> RegularRowTexts(const RegularStake& regular);

// Whether two comments name the same regular stake: equal as the file keeps
// them (Windows-1251, at most 255 characters) once letter case, Cyrillic
// included, is set aside.
bool SameRegularComment(std::string_view a, std::string_view b);
bool RegularCommentTaken(std::span<const std::string> comments, std::string_view comment);

// The comment of the stake made for the combination at 1-based `position`
// of the list: "<comment> (<position>)".
std::string NumberedRegularComment(std::string_view comment, size_t position);

// ---- the dialog ----------------------------------------------------------------
// The start field can be typed into with "Использовать постоянную стартовую
// комбинацию" when at most one combination is concerned: with none selected
// the person types the start instead of getting nothing.
bool RegularStartEditable(bool useLastDraw, size_t combinations);

enum class RegularDialogField { Comment, Start, Step };
struct RegularDialogRefusal {
    std::string Message;
    RegularDialogField Focus;
};
struct RegularDialogInput {
    std::string Comment;
    bool UseLastDraw = false;
    size_t Combinations = 0; // rows of the combination list concerned
    std::string StartText;
    int Step = 1;
};
// OK of "Добавление регулярной ставки": nothing, or the message and the field to focus.
std::optional<RegularDialogRefusal> ValidateRegularDialog(const RegularDialogInput& input,
                                                          std::span<const std::string> comments);

} // namespace belvane::stakes
