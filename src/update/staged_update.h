#pragma once

// The install side of an update. The verified package is unpacked into a
// staging folder inside the update work folder; the program's files are
// replaced only when the program restarts, each by a rename of a complete
// copy beside it, after the files they replace have been copied into the
// work folder for one rollback. Nothing outside the program's folder and
// the work folder is touched, and in the program's folder only the files
// the package holds.
//
// The apply keeps a journal in the work folder, written before the first
// rename: every file with the SHA-256 of the old and of the new version. A
// killed apply resumes from it (a file whose hash is the new one is in
// place), and a rollback restores exactly the files it names as old, so a
// replaced file is never kept as if it were an old one.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "update/package_archive.h"

namespace belvane::update {

inline constexpr std::string_view WorkFolderName = "SelfUpdate";
inline constexpr std::string_view ManifestFileName = "SelfUpdates.inf";

// The files of the update work folder.
class WorkFolder {
public:
    explicit WorkFolder(std::filesystem::path root) : root_(std::move(root)) {}

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path manifest() const { return root_ / ManifestFileName; }
    // "SelfUpdate_<version>.upd"
    std::filesystem::path package(std::string_view versionText) const;
    std::filesystem::path unpacking() const { return root_ / "Unpacking"; }
    std::filesystem::path staged() const { return root_ / "Staged"; }
    std::filesystem::path stagedInfo() const { return root_ / "Staged.ini"; }
    std::filesystem::path rollback() const { return root_ / "Rollback"; }
    std::filesystem::path rollbackNext() const { return root_ / "Rollback.new"; }
    std::filesystem::path rollbackInfo() const { return root_ / "Rollback.lst"; }
    std::filesystem::path applyJournal() const { return root_ / "Apply.journal"; }

    // Creates the folder when missing.
    void ensure() const;
    // Removes everything but the one rollback (and an apply under way):
    // downloads, staging, manifests.
    void clearDownloads() const;

private:
    std::filesystem::path root_;
};

// Whether files can be created in the folder (tried, not guessed from modes).
bool FolderWritable(const std::filesystem::path& folder);

// Why a file may not be written, or empty (see program_files.h).
using RefuseFile = std::function<std::string(const std::string&)>;
// Called before each step of an apply or rollback that changes a file, with
// the step's kind ("rename", "commit"...): where a kill is survived.
using StepHook = std::function<void(std::string_view)>;

// "Установка обновления "%s" не завершена..." — a new update waits for it.
std::string InterruptedApplyText(std::string_view version);
// The version of an apply that was killed before it completed, if any.
std::optional<std::string> InterruptedApply(const WorkFolder& work);

// Unpacks the package into the staging folder and marks it ready for the
// restart. refuse(name) returns the reason a file of the package may not be
// installed (a data file of the program), or empty. Throws Error; a failure
// leaves no staged update. An interrupted apply is refused (InterruptedApplyText).
void StagePackage(const WorkFolder& work, const std::filesystem::path& package, std::string_view versionText,
                  const std::function<std::string(const std::string&)>& refuse, const ArchiveLimits& limits = {},
                  const std::function<bool()>& cancelled = {});

// The version of the staged update, if one waits for the restart (or an
// interrupted apply's).
std::optional<std::string> StagedVersion(const WorkFolder& work);
// Forgets a staged update.
void DiscardStaged(const WorkFolder& work);

// Replaces the program's files with the staged ones (see above), or
// resumes an interrupted apply. refuse is asked about every file before
// anything is written. A failure throws Error with the program's files as
// they were and the update still staged. Returns the files replaced.
std::vector<std::string> ApplyStaged(const WorkFolder& work, const std::filesystem::path& programFolder,
                                     const RefuseFile& refuse = {}, const StepHook& hook = {});

// Whether a rollback is kept (or an interrupted apply can be taken back),
// and putting the files the last update replaced back (files it added are
// removed); an interrupted apply is taken back instead, leaving the rollback
// of the update before it. Throws Error.
bool RollbackAvailable(const WorkFolder& work);
void RollBack(const WorkFolder& work, const std::filesystem::path& programFolder, const StepHook& hook = {});

// Removes the temporary copies a killed apply or rollback left in the
// program's folder (and its "help" folder) and in the work folder. Returns how many.
int RemoveStaleTempFiles(const WorkFolder& work, const std::filesystem::path& programFolder);

} // namespace belvane::update
