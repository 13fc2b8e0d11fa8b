#pragma once

// Which files an update may write: only the program's own, in the program's
// folder. Those are the programs themselves, the language modules and the
// help files they ship, each named by the signed manifest; nothing in the
// data folder (systems, stake and run logs, scenarios, export parameters, the
// user's own modules) and nothing a link leads out of the program's folder.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace belvane::update {

// The program files an update installs: the executables ("belvane",
// "belvane-cli", "belvane-service"), language modules
// ("Belvane_6x45_<ABBR>.lng") and help files ("Kalvo_<ABBR>.chm", also in the
// folder "help"). name is relative and "/"-separated.
bool IsProgramFileName(std::string_view name);

// Where an update installs and what it must leave alone.
struct InstallPlace {
    std::filesystem::path Program;
    std::filesystem::path Data;
};

// Why the package's file name may not be installed, or empty: not named by
// the manifest (declared; nullptr when the manifest is not at hand any
// more), not a program file, or a place that leaves the program's folder or
// lies in the data folder (a data folder that is the program's own folder,
// or holds it, has the program's files too, and only those may be written).
std::string RefusedInstall(const std::string& name, const InstallPlace& place,
                           const std::vector<std::string>* declared);

} // namespace belvane::update
