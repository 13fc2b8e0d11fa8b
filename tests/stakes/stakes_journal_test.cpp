// A change of the stakes undone: in the program that made it, and after the
// program died in the middle of it (the journal read back from the disk).

#include <gtest/gtest.h>

#include "helpers/stakes_fixture.h"
#include "stakes/stake_access.h"
#include "stakes/stake_check.h"
#include "stakes/stake_log.h"
#include "support/error.h"
#include "support/file_io.h"

namespace belvane::stakes {
namespace {

using testing::readBytes;
using testing::stakeFor;
using testing::StakesFolder;
using testing::writeBytes;

// A folder with three stakes (one of them unchecked, for draw 2), ratings,
// regular stakes and a stake log, as a change finds them.
struct ChangeFolder : StakesFolder {
    std::filesystem::path ratingsFile = dir / "Belvane_6x45.lrt";
    std::filesystem::path tablesFile = dir / "Belvane_6x45.ltb";
    std::filesystem::path log3 = StakeLogPath(dir.path(), 3);

    ChangeFolder()
    {
        file.Append(stakeFor(1, {1, 2, 3, 4, 5, 6}));
        file.Append(stakeFor(2, {7, 8, 9, 10, 11, 12}));
        file.Append(stakeFor(1, {13, 14, 15, 16, 17, 18}));
        writeBytes(ratingsFile, "old ratings");
        writeBytes(tablesFile, "old tables");
        writeBytes(log3, "old log line\r\n");
    }
    void begin()
    {
        std::vector<std::filesystem::path> logs;
        for (int m = 0; m <= 8; ++m)
            logs.push_back(StakeLogPath(dir.path(), m));
        file.BeginChange({ratingsFile, tablesFile}, logs);
    }
    // What a change does: appends, fills in an old record, replaces the
    // ratings and the regular stakes, writes the logs.
    void change()
    {
        for (int d = 3; d <= 5; ++d)
            file.Append(stakeFor(d, {1, 2, 3, 4, 5, 6}));
        StakeRecord checked = file.Read(1);
        checked.Checked = true;
        checked.Matches = 2;
        file.Overwrite(1, checked);
        files::writeFileAtomically(ratingsFile, "new ratings");
        files::writeFileAtomically(tablesFile, "new tables");
        writeBytes(log3, "old log line\r\nnew line\r\n");
        writeBytes(StakeLogPath(dir.path(), 0), "a new log\r\n");
    }
    struct Snapshot {
        std::string stakes, ratings, tables, log3;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };
    Snapshot snapshot() const
    {
        return {readBytes(dir / testing::StakesFileName), readBytes(ratingsFile), readBytes(tablesFile),
                readBytes(log3)};
    }
    std::vector<std::string> leftovers() const
    {
        std::vector<std::string> names;
        for (const auto& item : std::filesystem::directory_iterator(dir.path())) {
            const std::string name = item.path().filename().string();
            if (name.find("-journal") != std::string::npos || name.find("-undo") != std::string::npos ||
                name.find("-snapshot") != std::string::npos)
                names.push_back(name);
        }
        return names;
    }
};

TEST(StakesJournal, AFailedChangeIsUndoneToTheByte)
{
    ChangeFolder f;
    const auto before = f.snapshot();
    f.begin();
    EXPECT_TRUE(f.file.ChangeActive());
    f.change();
    EXPECT_NE(f.snapshot(), before);

    const ChangeUndone undone = f.file.UndoChange();
    EXPECT_EQ(f.snapshot(), before);
    EXPECT_FALSE(std::filesystem::exists(StakeLogPath(f.dir.path(), 0))); // made by the change
    EXPECT_EQ(undone.DroppedBytes, 3 * StakeRecordSize);
    EXPECT_EQ(undone.RestoredRecords, 1u);
    EXPECT_EQ(undone.RestoredFiles, 4u); // ratings, tables, the grown log, the new log
    EXPECT_FALSE(f.file.ChangeActive());
    EXPECT_TRUE(f.leftovers().empty());
}

TEST(StakesJournal, AChangeThatFailedBeforeReplacingAnythingLeavesNoSnapshots)
{
    ChangeFolder f;
    const auto before = f.snapshot();
    f.begin();
    f.file.Append(stakeFor(3, {1, 2, 3, 4, 5, 6})); // the disk filled before the ratings were saved
    const ChangeUndone undone = f.file.UndoChange();
    EXPECT_EQ(f.snapshot(), before);
    EXPECT_EQ(undone.RestoredFiles, 0u);
    EXPECT_TRUE(f.leftovers().empty());
}

TEST(StakesJournal, AChangeTheProgramDidNotFinishIsUndoneAtTheNextOpening)
{
    ChangeFolder f;
    const auto before = f.snapshot();
    f.begin();
    f.change();
    // A record half-written when the program died.
    {
        const std::string torn = readBytes(f.dir / testing::StakesFileName) + std::string(100, '\x02');
        writeBytes(f.dir / testing::StakesFileName, torn);
    }
    f.file.Close(); // the program is gone; its journal stays

    StakesFile reopened;
    reopened.Open(f.dir / testing::StakesFileName);
    ASSERT_TRUE(reopened.ChangePending());
    reopened.UndoChange();
    EXPECT_FALSE(reopened.ChangePending());
    reopened.Close();
    EXPECT_EQ(f.snapshot(), before);
    EXPECT_TRUE(f.leftovers().empty());
}

TEST(StakesJournal, UndoingCanBeInterruptedAndDoneAgain)
{
    ChangeFolder f;
    const auto before = f.snapshot();
    f.begin();
    f.change();
    f.file.Close();
    // The first undoing died after putting the ratings back: their snapshot is gone.
    std::filesystem::rename(f.dir / "Belvane_6x45.lrt-snapshot", f.ratingsFile);

    StakesFile reopened;
    reopened.Open(f.dir / testing::StakesFileName);
    reopened.UndoChange();
    reopened.Close();
    EXPECT_EQ(f.snapshot(), before);
}

TEST(StakesJournal, EmptyingTheFileInAChangeIsUndoneToo)
{
    ChangeFolder f;
    const auto before = f.snapshot();
    f.begin();
    f.file.Truncate();
    f.file.Append(stakeFor(9, {1, 2, 3, 4, 5, 6}));
    f.file.UndoChange();
    EXPECT_EQ(f.snapshot(), before);
}

TEST(StakesJournal, ACommittedChangeStaysAndLeavesNothingBehind)
{
    ChangeFolder f;
    f.begin();
    f.change();
    const auto after = f.snapshot();
    f.file.CommitChange();
    EXPECT_EQ(f.snapshot(), after);
    EXPECT_TRUE(f.leftovers().empty());
    EXPECT_FALSE(f.file.ChangePending());

    // Died right after the commit: what it kept is removed, nothing is undone.
    f.begin();
    f.change();
    std::filesystem::remove(f.dir / "Belvane_6x45.lsk-journal");
    f.file.Close();
    StakesFile reopened;
    reopened.Open(f.dir / testing::StakesFileName);
    EXPECT_FALSE(reopened.ChangePending());
    reopened.RemoveChangeLeftovers();
    EXPECT_TRUE(f.leftovers().empty());
    EXPECT_EQ(reopened.RecordCount(), 9u);
}

TEST(StakesJournal, ATornUndoEntryIsAnOverwriteThatNeverHappened)
{
    ChangeFolder f;
    f.begin();
    StakeRecord checked = f.file.Read(1);
    checked.Checked = true;
    f.file.Overwrite(1, checked);
    f.file.Close();
    // A second entry half-written: its record was never overwritten.
    const auto undo = f.dir / "Belvane_6x45.lsk-undo";
    writeBytes(undo, readBytes(undo) + std::string(40, '\x07'));

    StakesFile reopened;
    reopened.Open(f.dir / testing::StakesFileName);
    reopened.UndoChange();
    EXPECT_FALSE(reopened.Read(1).Checked); // the whole entry before it was applied
    EXPECT_EQ(reopened.RecordCount(), 3u);
    reopened.Close();
}

TEST(StakesJournal, ADamagedJournalIsRefused)
{
    ChangeFolder f;
    f.begin();
    f.file.Close();
    const auto journal = f.dir / "Belvane_6x45.lsk-journal";
    for (const std::string& bad :
         {std::string("something else\nsize 10\n"), std::string("belvane-stakes-journal 1\nsize x\n"),
          std::string("belvane-stakes-journal 1\nsize 10\nreplaced 1 5 ../../etc/passwd\n"),
          std::string("belvane-stakes-journal 1\n")}) {
        writeBytes(journal, bad);
        StakesFile reopened;
        reopened.Open(f.dir / testing::StakesFileName);
        EXPECT_THROW(reopened.UndoChange(), JournalDamaged) << bad;
        EXPECT_TRUE(reopened.ChangePending());
        EXPECT_EQ(reopened.RecordCount(), 3u);
    }
}

TEST(StakesJournal, AChangeCannotBeginOverOneLeftUnfinished)
{
    ChangeFolder f;
    f.begin();
    f.file.Close();
    StakesFile reopened;
    reopened.Open(f.dir / testing::StakesFileName);
    EXPECT_THROW(reopened.BeginChange({}, {}), Error);
    // Nor is the file rewritten over it.
    reopened.UndoChange();
    reopened.BeginChange({}, {});
    EXPECT_THROW(reopened.Rewrite([](size_t, auto) { return true; }), Error);
    reopened.CommitChange();
}

} // namespace
} // namespace belvane::stakes
