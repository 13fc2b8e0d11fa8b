#pragma once

// The names of the program's files inside its data folder.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/data_folder.h"

namespace belvane::app {

class DataFiles {
public:
    explicit DataFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& folder() const { return folder_; }

    std::filesystem::path config() const { return named(".ini"); }      // game configuration
    std::filesystem::path windowState() const { return named(".frm"); } // window placement and view settings
    std::filesystem::path filterList() const { return named(".flt"); }  // favourite methods, captions
    std::filesystem::path draws() const { return named(".ldr"); }       // the draws archive
    std::filesystem::path stakes() const { return named(".lsk"); }
    // The copy of a stakes file of an older version, kept before it is emptied.
    std::filesystem::path stakesCopy() const { return named(".lsk.old"); }
    std::filesystem::path ratings() const { return named(".lrt"); }
    std::filesystem::path tables() const { return named(".ltb"); } // regular stakes
    std::filesystem::path scenario() const { return named(".lss"); }
    std::filesystem::path combsBuffer() const { return named(".~buff"); }
    std::filesystem::path prefetchFolder() const { return folder_ / "Prefetchs"; }
    std::filesystem::path prefetch(std::string_view methodId) const;
    std::filesystem::path systemsFolder() const; // "Systems": the systems played from this computer

    // Whether path names a file the program keeps here, however it is
    // spelled (through a link, another name of the folder or a hard link):
    // the files above, the stakes file's journal and copies, the stake and
    // run logs, language modules, the user's scenario (.lsc), export
    // parameter (.exp) and help files in the data folder, and every file of
    // the prefetch and systems folders. A path that does not exist yet is one
    // when it would create such a file. No output may be written over them.
    // `document` names the one kind of the user's files (an extension without
    // the dot: "lsc", "exp") that this output is, and so may be saved over.
    bool isOwnFile(const std::filesystem::path& path, std::string_view document = {}) const;
    // "Файл "%s" - файл данных программы..." for isOwnFile's paths; empty for the others.
    std::string ownFileRefusal(const std::filesystem::path& path, std::string_view document = {}) const;

    // Removes the temporary files of saves that were killed before their
    // rename, here and in the prefetch folder. Returns how many were removed.
    int removeStaleTempFiles() const;

private:
    std::vector<std::filesystem::path> namedFiles() const;
    // Whether a file of this name in the data folder is one isOwnFile covers.
    bool isKeptName(std::string_view name, std::string_view document) const;

    std::filesystem::path named(std::string_view extension) const;

    std::filesystem::path folder_;
};

} // namespace belvane::app
