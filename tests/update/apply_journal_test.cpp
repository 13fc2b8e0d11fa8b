// Kills during the apply and the rollback of an update, at every step that
// changes a file: the next apply completes the update, the next rollback
// gives back exactly the files the update replaced, and the next start
// leaves no temporary copy behind.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

#include "helpers/temp_dir.h"
#include "helpers/update_package.h"
#include "support/error.h"
#include "update/signature.h"
#include "update/staged_update.h"

namespace belvane::update {
namespace {

namespace fs = std::filesystem;
using testing::MakeUstar;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

using FolderSnapshot = std::map<std::string, std::string>;

// A file's contents as the snapshot keeps them: a long one by its size and hash.
std::string shownAs(const std::string& bytes)
{
    return bytes.size() <= 40 ? bytes : std::to_string(bytes.size()) + " bytes, " + Sha256Hex(bytes);
}

// Every file under folder (relative name → contents), temporary copies included.
FolderSnapshot snapshotOf(const fs::path& folder)
{
    FolderSnapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).generic_string()] = shownAs(readBytes(entry.path()));
    return files;
}

enum class Ending { Killed, Finished, Failed };

// Runs action in a child process that kills itself with SIGKILL at the
// hook's call number `at`: nothing after that point runs, no destructor, no handler.
Ending runKilledAt(int at, const std::function<void(const StepHook&)>& action)
{
    const pid_t child = ::fork();
    if (child == 0) {
        int calls = 0;
        try {
            action([&calls, at](std::string_view) {
                if (calls++ == at)
                    ::kill(::getpid(), SIGKILL);
            });
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            ::_exit(2);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        return Ending::Killed;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? Ending::Finished : Ending::Failed;
}

// A program folder after one update ("second" build), with a second update
// staged that replaces two files, adds a help file and leaves one alone.
struct KilledInstallation {
    TempDir dir;
    fs::path program = dir / "program";
    WorkFolder work{dir / "data" / std::string(WorkFolderName)};
    FolderSnapshot before;

    KilledInstallation()
    {
        fs::create_directories(program);
        work.ensure();
        writeBytes(program / "belvane", "first program");
        writeBytes(program / "belvane-cli", std::string(100000, 't'));
        writeBytes(program / "Belvane_6x45_ENG.lng", "module");
        stage("1.0.0.2", {{"belvane", "second program"}});
        ApplyStaged(work, program);
        before = snapshotOf(program);
        stage("1.0.0.3", {{"belvane", "third program", '0', 0755},
                          {"belvane-cli", std::string(100000, 'n')},
                          {"Belvane_6x45_ENG.lng", "module"},
                          {"help/Kalvo_ENG.chm", "help"}});
    }

    void stage(const std::string& version, const std::vector<testing::TarEntry>& entries)
    {
        writeBytes(work.package(version), MakeUstar(entries));
        StagePackage(work, work.package(version), version, {});
    }

    FolderSnapshot updated() const
    {
        FolderSnapshot files = before;
        files["belvane"] = "third program";
        files["belvane-cli"] = shownAs(std::string(100000, 'n'));
        files["help/Kalvo_ENG.chm"] = "help";
        return files;
    }
};

TEST(ApplyJournalTest, AKillAtAnyStepOfTheApplyIsUndoneByTheRollbackOrCompletedByTheNextApply)
{
    for (const bool resume : {false, true}) {
        int killed = 0;
        for (int at = 0;; ++at) {
            SCOPED_TRACE(::testing::Message()
                         << "kill at step " << at << (resume ? ", then apply" : ", then rollback"));
            KilledInstallation in;
            const Ending ending =
                runKilledAt(at, [&](const StepHook& hook) { ApplyStaged(in.work, in.program, {}, hook); });
            ASSERT_NE(ending, Ending::Failed);
            if (ending == Ending::Finished)
                break;
            ++killed;
            // The next start removes what the killed apply left beside the program's files.
            RemoveStaleTempFiles(in.work, in.program);
            if (resume) {
                ASSERT_EQ(StagedVersion(in.work), "1.0.0.3");
                ApplyStaged(in.work, in.program);
                EXPECT_EQ(snapshotOf(in.program), in.updated());
                EXPECT_FALSE(StagedVersion(in.work));
            }
            if (!resume && !InterruptedApply(in.work)) {
                // Killed before its journal: not one of the program's files was replaced.
                EXPECT_EQ(snapshotOf(in.program), in.before);
                EXPECT_EQ(StagedVersion(in.work), "1.0.0.3");
                continue;
            }
            // Either way the rollback gives back the files the third build replaced, byte for byte.
            ASSERT_TRUE(RollbackAvailable(in.work));
            RollBack(in.work, in.program);
            EXPECT_EQ(snapshotOf(in.program), in.before);
            EXPECT_FALSE(fs::exists(in.work.applyJournal()));
            if (!resume && RollbackAvailable(in.work)) {
                // A killed apply taken back leaves the rollback of the update before it.
                RollBack(in.work, in.program);
                EXPECT_EQ(readBytes(in.program / "belvane"), "first program");
            }
        }
        // Every file's copy, the journal, each rename and the commit steps.
        EXPECT_GE(killed, 9);
    }
}

TEST(ApplyJournalTest, AKilledRollbackRunsAgainToTheSameOldFiles)
{
    for (const bool afterKilledApply : {false, true}) {
        for (int at = 0;; ++at) {
            SCOPED_TRACE(::testing::Message()
                         << "rollback killed at step " << at << (afterKilledApply ? " of an interrupted apply" : ""));
            KilledInstallation in;
            if (afterKilledApply) {
                // Killed after the first rename: "belvane" is new, the rest old.
                int renames = 0;
                ASSERT_EQ(runKilledAt(100,
                                      [&](const StepHook&) {
                                          ApplyStaged(in.work, in.program, {}, [&renames](std::string_view what) {
                                              if (what == "rename" && renames++ == 1)
                                                  ::kill(::getpid(), SIGKILL);
                                          });
                                      }),
                          Ending::Killed);
                ASSERT_EQ(readBytes(in.program / "belvane"), "third program");
            } else {
                ApplyStaged(in.work, in.program);
            }
            const Ending ending = runKilledAt(at, [&](const StepHook& hook) { RollBack(in.work, in.program, hook); });
            ASSERT_NE(ending, Ending::Failed);
            RemoveStaleTempFiles(in.work, in.program);
            if (ending == Ending::Killed && RollbackAvailable(in.work))
                RollBack(in.work, in.program);
            EXPECT_EQ(snapshotOf(in.program), in.before);
            if (ending == Ending::Finished)
                break;
        }
    }
}

TEST(ApplyJournalTest, AFileReplacedByHandDuringAnInterruptedApplyIsNotTakenForAnOldOne)
{
    KilledInstallation in;
    int renames = 0;
    ASSERT_EQ(runKilledAt(100,
                          [&](const StepHook&) {
                              ApplyStaged(in.work, in.program, {}, [&renames](std::string_view what) {
                                  if (what == "rename" && renames++ == 1)
                                      ::kill(::getpid(), SIGKILL);
                              });
                          }),
              Ending::Killed);
    RemoveStaleTempFiles(in.work, in.program);
    // Someone puts another file where an old one was still to be replaced.
    writeBytes(in.program / "belvane-cli", "somebody else's");
    EXPECT_THROW(ApplyStaged(in.work, in.program), Error);
    // The failed resume put back what the journal proves old; the stranger's file is
    // not taken for the program's, and the update is still there to apply.
    EXPECT_EQ(readBytes(in.program / "belvane"), "second program");
    EXPECT_EQ(shownAs(readBytes(in.program / "belvane-cli")), shownAs(std::string(100000, 't')));
    EXPECT_EQ(StagedVersion(in.work), "1.0.0.3");
    ApplyStaged(in.work, in.program);
    EXPECT_EQ(snapshotOf(in.program), in.updated());
}

TEST(ApplyJournalTest, ANewDownloadWaitsForAnInterruptedApplyAndARefusedFileStopsItBeforeAnyWrite)
{
    KilledInstallation in;
    ASSERT_EQ(runKilledAt(1, [&](const StepHook& hook) { ApplyStaged(in.work, in.program, {}, hook); }),
              Ending::Killed);
    writeBytes(in.work.package("1.0.0.4"), MakeUstar({{"belvane", "fourth"}}));
    try {
        StagePackage(in.work, in.work.package("1.0.0.4"), "1.0.0.4", {});
        ADD_FAILURE() << "staged over an interrupted apply";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), InterruptedApplyText("1.0.0.3"));
    }
    in.work.clearDownloads();
    EXPECT_EQ(StagedVersion(in.work), "1.0.0.3");

    const FolderSnapshot now = snapshotOf(in.program);
    const RefuseFile noHelp = [](const std::string& name) {
        return name.starts_with("help/") ? std::string("not here") : std::string();
    };
    EXPECT_THROW(ApplyStaged(in.work, in.program, noHelp), Error);
    EXPECT_EQ(snapshotOf(in.program), now);
    ApplyStaged(in.work, in.program);
    EXPECT_EQ(snapshotOf(in.program), in.updated());
}

TEST(ApplyJournalTest, ARollbackListOfAnOlderVersionStillRestoresAndADamagedCopyIsRefused)
{
    KilledInstallation in;
    ApplyStaged(in.work, in.program);
    // Lists written before the hashes were kept: "R name" / "N name".
    writeBytes(in.work.rollbackInfo(), "R belvane\nR belvane-cli\nR Belvane_6x45_ENG.lng\nN help/Kalvo_ENG.chm\n");
    RollBack(in.work, in.program);
    EXPECT_EQ(snapshotOf(in.program), in.before);

    KilledInstallation damaged;
    ApplyStaged(damaged.work, damaged.program);
    writeBytes(damaged.work.rollback() / "belvane", "not what was there");
    EXPECT_THROW(RollBack(damaged.work, damaged.program), Error);
    EXPECT_EQ(snapshotOf(damaged.program), damaged.updated());
}

} // namespace
} // namespace belvane::update
