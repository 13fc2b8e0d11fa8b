#pragma once

// The regular stakes of the running program: the tables file
// "Belvane_6x45.ltb" read at start-up and rewritten after every change while
// the "Регуляры" page is shown, adding and deleting regular stakes, the next
// stake of one of them, and the test that stakes them at past offsets.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/view_selection.h"
#include "model/game.h"
#include "stakes/regular_rules.h"
#include "stakes/regular_table.h"
#include "stakes/stake_record.h"
#include "support/translation.h"

namespace belvane::app {

class Workspace;

inline constexpr std::string_view TablesHiddenMessage =
    BELVANE_TEXT("Вкладка \"Регуляры\" скрыта: регулярные ставки не загружаются и не сохраняются!");

// What "Добавление регулярной ставки" hands over.
struct RegularAddRequest {
    std::string Comment;
    stakes::RegularBase Base = stakes::RegularBase::Combination;
    int32_t Step = 1;
    // The typed start combination (one combination concerned, or none).
    std::optional<model::TComb> Start;
};

// The next stake of one regular stake, made on a copy: the regular stake
// moves on only when the stake was added.
struct PreparedRegularStake {
    size_t Row = 0;
    stakes::RegularStake Advanced; // the regular stake once this stake is made
    stakes::StakeRecord Stake;     // kind 2, for the draw new stakes are for
};

struct RegularTestResult {
    size_t Stakes = 0; // stakes added
    bool Cancelled = false;
    bool Failed = false; // a failure ended the test; its message was shown
};

class TablesService {
public:
    explicit TablesService(Workspace& workspace) : ws_(workspace) {}

    // "Вкладка \"Регуляры\"" (TabTables): while hidden the list is empty and
    // the file is neither read nor written.
    bool Visible() const;
    // Stores the key; shown, the file is loaded; hidden, the list is emptied.
    void SetVisible(bool visible);

    const std::vector<stakes::RegularStake>& Records() const { return records_; }
    size_t Count() const { return records_.size(); }
    std::array<std::string, stakes::TablesColumnCount> RowTexts(size_t row) const;
    std::vector<std::string> Comments() const;

    // At initialisation and when the page is shown. A file that cannot be
    // read leaves the list empty, and its bytes are kept as
    // "Belvane_6x45.ltb.bad" before the next save replaces it.
    void Load();

    // "Добавить регулярную ставку": the record the dialog opens on, for these
    // rows of the combination list (the one row's combination is the start).
    stakes::RegularStake PrepareNew(std::span<const size_t> combRows) const;
    // The dialog's OK: one regular stake (the newest-draw mode, or at most one
    // combination), or one per combination row named "<comment> (<row>)".
    // A comment already taken refuses the whole add.
    bool Add(const RegularAddRequest& request, std::span<const size_t> combRows);
    // "Удалить регулярную ставку"; the front end asks DeleteRowsQuestion first.
    bool Delete(std::span<const size_t> rows);

    // "Сделать ставку по регуляру": the next stake of the regular stake in
    // `row`, for the stake dialog; nothing when it cannot be made (shown).
    std::optional<PreparedRegularStake> PrepareStake(size_t row) const;
    // The stake dialog's OK: the stake (possibly edited) for `drawsCount`
    // draws, then the check; once it is in the file the regular stake moves on.
    bool MakeStake(const PreparedRegularStake& prepared, const stakes::StakeRecord& stake, int drawsCount);

    // "Тест регуляров": asks for the number of tests (1 .. draws - 1);
    // nothing when declined or the archive holds fewer than two draws.
    std::optional<int> AskTestCount();
    // Stakes the regular stakes of `rows` at the offsets count, count - 1,
    // ..., 1, with the views' refresh held back; the offset is back where it
    // was afterwards, whatever happened. The stakes are written once every
    // offset is done: a cancelled test leaves every file as it was.
    RegularTestResult Test(int count, std::span<const size_t> rows);

    std::optional<bool> ActionEnabled(std::string_view action, const ViewSelection& selection) const;

private:
    bool Save();
    // A refusal while the page is hidden (shown); true when it is shown.
    bool RequireVisible() const;

    Workspace& ws_;
    std::vector<stakes::RegularStake> records_;
    bool loadFailed_ = false;
};

} // namespace belvane::app
