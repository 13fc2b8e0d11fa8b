#pragma once

// Where the data files live. The first that applies wins:
//   1. the folder given on the command line (--data-dir DIR);
//   2. $BELVANE_HOME;
//   3. the program's own folder, when it is writable;
//   4. $XDG_DATA_HOME/belvane-6x45 (XDG_DATA_HOME defaults to ~/.local/share).

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace belvane {

// The base name of every file named after the program in the data folder.
inline constexpr std::string_view ProgramBaseName = "Belvane_6x45";

struct DataFolderInputs {
    std::optional<std::filesystem::path> explicitFolder;
    std::optional<std::string> belvaneHome; // $BELVANE_HOME
    std::optional<std::string> xdgDataHome; // $XDG_DATA_HOME
    std::optional<std::string> home;        // $HOME
    std::filesystem::path programFolder;
    bool programFolderWritable = false;
};

std::filesystem::path chooseDataFolder(const DataFolderInputs& in);

// The inputs as this process sees them.
DataFolderInputs currentDataFolderInputs(std::optional<std::filesystem::path> explicitFolder);

// The folder of the running executable.
std::filesystem::path programFolder();

// Creates the folder (and its parents) when missing; throws Error when that fails.
void ensureFolder(const std::filesystem::path& folder);

} // namespace belvane
