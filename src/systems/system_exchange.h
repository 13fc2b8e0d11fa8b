#pragma once

// The systems catalogue of the exchange service: listing, fetching the lines
// of a system, publishing, replacing and deleting one, and saving a fetched
// system as the local file of its number count.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/exchange_client.h"
#include "systems/system_guarantee.h"

namespace belvane::systems {

inline constexpr std::string_view SysGetListScript = "sys_getlist.php";
inline constexpr std::string_view SysGetDataScript = "sys_getdata.php";
inline constexpr std::string_view SysPutDataScript = "sys_putdata.php";

// One system of the catalogue.
struct tSystemData {
    int32_t Id = 0; // 0 or less: a placeholder row
    int Numbers = 0;
    int Block = 0;
    int32_t CombCount = 0;
    std::string Title;
    std::string Author;
    std::string AuthorMail;
    std::string Description;
    int64_t Created = 0; // seconds since 1970, UTC; 0 none
    int64_t LastDownload = 0;
    int32_t Downloads = 0;
    std::string Url;
    std::string Combs; // the lines, once fetched

    // The author contact is the user's (compared without regard to case).
    bool OwnedBy(std::string_view userMail) const;
    // Numbers the service may not send: such a row is listed but cannot be downloaded.
    bool Downloadable() const;
};

// The catalogue (status and message are the caller's).
std::vector<tSystemData> ListSystems(const exchange::ExchangeClient& client);
// The lines of a system: the first row with a non-empty list.
std::string FetchSystemCombs(const exchange::ExchangeClient& client, int32_t id);
// Publishes (id 0 or less: a new system) or replaces a system, or deletes it;
// returns the id the service answered (0 or more). An answer without one
// throws Error("Код возврата: %d").
int32_t PutSystem(const exchange::ExchangeClient& client, const tSystemData& system, bool remove);

// The system dialog's OK: the first failed check's message, in the order the
// dialog checks, or nothing.
enum class SystemField { None, Title, Numbers, Block, Author, Description, Combs };
struct SystemProblem {
    SystemField Field = SystemField::None;
    std::string Message;
};
std::optional<SystemProblem> CheckSystemData(const tSystemData& system);
// Leaving the list box: the lines normalised, "Числа" (largest - smallest + 1
// of all numbers, 0 when none) and "Комбинаций" (the line count).
struct NormalizedCombs {
    std::string Text;
    int Numbers = 0;
    int32_t CombCount = 0;
};
NormalizedCombs NormalizeSystemCombs(std::string_view text);

// Writes a fetched system into the folder as "6-NN-B_IIII.dat" after
// checking it: as many lines as the catalogue announced, each six different
// positions 1..n. The file is written whole, and only then are the other
// files for the same count removed; its time is set to the created time.
// The guarantee is verified and recorded; a block the service claims but
// the lines do not give is the caller's to flag (`BlockMet`).
// Throws Error with the reason: SystemSaveFailed when it is the writing that failed.
struct FetchedSystemFile {
    std::filesystem::path Path;
    SystemGuarantee Verified;
    bool BlockMet = true;
};
FetchedSystemFile SaveFetchedSystem(const std::filesystem::path& folder, const tSystemData& system,
                                    std::string_view combs);
// The local file of a listed system, when there is one.
std::optional<std::filesystem::path> LocalSystemFile(const std::filesystem::path& folder, const tSystemData& system);
// Whether the file's modification time differs from the system's created time.
bool FileTimeDiffers(const std::filesystem::path& file, int64_t created);

} // namespace belvane::systems
