#pragma once

// The install side of an update. The verified package is unpacked into a
// staging folder inside the update work folder; the program's files are
// replaced only when the program restarts, each by a rename of a complete
// copy beside it, after the files they replace have been copied into the
// work folder for one rollback. Nothing outside the program's folder and
// the work folder is touched, and in the program's folder only the files
// the package holds.

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

    // Creates the folder when missing.
    void ensure() const;
    // Removes everything but the one rollback: downloads, staging, manifests.
    void clearDownloads() const;

private:
    std::filesystem::path root_;
};

// Whether files can be created in the folder (tried, not guessed from modes).
bool FolderWritable(const std::filesystem::path& folder);

// Unpacks the package into the staging folder and marks it ready for the
// restart. refuse(name) returns the reason a file of the package may not be
// installed (a data file of the program), or empty. Throws Error; a failure
// leaves no staged update.
void StagePackage(const WorkFolder& work, const std::filesystem::path& package, std::string_view versionText,
                  const std::function<std::string(const std::string&)>& refuse, const ArchiveLimits& limits = {},
                  const std::function<bool()>& cancelled = {});

// The version of the staged update, if one waits for the restart.
std::optional<std::string> StagedVersion(const WorkFolder& work);
// Forgets a staged update.
void DiscardStaged(const WorkFolder& work);

// Replaces the program's files with the staged ones (see above). A failure
// throws Error with the program's files as they were. Returns the files replaced.
std::vector<std::string> ApplyStaged(const WorkFolder& work, const std::filesystem::path& programFolder);

// Whether a rollback is kept, and putting the files the last update replaced
// back (files it added are removed). Throws Error.
bool RollbackAvailable(const WorkFolder& work);
void RollBack(const WorkFolder& work, const std::filesystem::path& programFolder);

} // namespace belvane::update
