#pragma once

// Systems kept on this computer: covering designs of six-number lines over n
// positions, one file per number count in the folder "Systems", named
// "6-NN-B_IIII.dat" (n, the guaranteed block, the service's id). A line holds
// six positions 1..n separated by any run of the separator characters.
// Files are hostile input: every line is checked before a system is used.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "support/error.h"
#include "systems/system_line.h"
#include "systems/system_guarantee.h"

namespace belvane::systems {

// The characters that separate the numbers of a line (besides blanks).
inline constexpr std::string_view SystemLineSeparators = " \t*+,-./:;=\\_|~";

struct SystemName {
    int Numbers = 0; // n
    int Block = 0;   // the guaranteed overlap ("olap")
    int Id = 0;

    friend bool operator==(const SystemName&, const SystemName&) = default;
};

// "6-12-3_0042.dat".
std::string SystemFileName(const SystemName& name);
// The parts of a name that fits "6-NN-B_IIII.dat"; nullopt for any other name.
std::optional<SystemName> ParseSystemFileName(std::string_view fileName);

// Six integers separated by runs of the separator characters; nullopt otherwise.
std::optional<SystemLine> ParseSystemLine(std::string_view line);
// Six two-digit numbers separated by blanks: "01 02 03 04 05 06".
std::string SystemLineText(const SystemLine& line);
// What the system dialog keeps of a text: every valid line normalised, the others dropped.
std::string NormalizeSystemText(std::string_view text);

// The lines of a system text for n positions, checked: every line that is
// not blank holds six different positions 1..n. Throws Error naming the file
// and the first bad line.
std::vector<SystemLine> ParseSystemText(std::string_view text, int numbers, const std::filesystem::path& file);

// The file of a system for n numbers in `folder`: the first name in name
// order that fits "6-NN-*_*.dat"; nullopt when there is none.
std::optional<std::filesystem::path> FindSystemFile(const std::filesystem::path& folder, int numbers);
// Reads and checks a system file (n from its name). Throws Error.
std::vector<SystemLine> ReadSystemFile(const std::filesystem::path& path);

// The systems of the folder, in name order.
struct LocalSystem {
    std::filesystem::path Path;
    SystemName Name;
    int Lines = 0;                           // combinations, when the file is valid
    std::string Problem;                     // why it cannot be used; empty when valid
    std::optional<SystemGuarantee> Verified; // recorded when it was installed or downloaded
};
std::vector<LocalSystem> LocalSystems(const std::filesystem::path& folder);

// A system file that could not be written, or the older systems of its count
// not removed: "Ошибка сохранения системы #<id>!" with the reason.
class SystemSaveFailed : public Error {
public:
    SystemSaveFailed(int id, std::string_view reason);
};

// Writes `text` as the file of the system `name` in `folder` (creating the
// folder; whole or not at all) with the record of its verified guarantee,
// then removes every other system of its number count. Throws
// SystemSaveFailed (a bad line: Error).
struct SavedSystem {
    int Removed = 0; // older systems of the same count
    SystemGuarantee Verified;
};
SavedSystem SaveSystemFile(const std::filesystem::path& folder, const SystemName& name, std::string_view text);
// Removes a system file and the record of its guarantee; false when the file was not there.
bool RemoveSystemFile(const std::filesystem::path& file, std::error_code& ec);

// The lines of a file of position lines (any separators) and their number
// count, the largest position. Throws Error (a bad line names its file and line).
struct PositionLines {
    std::vector<SystemLine> Lines;
    int Numbers = 0;
};
PositionLines ReadPositionLines(const std::filesystem::path& source);

// Installs a file of position lines (any separators) as the system of its
// number count (the largest position): the lines normalised into
// folder/"6-NN-B_IIII.dat", written whole or not at all; then every other
// system of that count is removed. Without an id the next free one is taken.
// Throws Error with the reason (a bad line names its file and line).
struct InstalledSystem {
    std::filesystem::path Path;
    SystemName Name;
    int Lines = 0;
    int Removed = 0; // older systems of the same count
    SystemGuarantee Verified;
    bool BlockMet() const { return Verified.Meets(Name.Block); }
};
InstalledSystem InstallSystem(const std::filesystem::path& folder, const std::filesystem::path& source, int block,
                              std::optional<int> id);
// The same for lines already in memory, over `numbers` positions.
InstalledSystem InstallSystemLines(const std::filesystem::path& folder, std::span<const SystemLine> lines, int numbers,
                                   int block, std::optional<int> id);

} // namespace belvane::systems
