#pragma once

// The update package: a ustar archive of the program's files, unpacked by
// the program itself. Only regular files and folders are accepted, under
// relative names that stay inside the destination; links, devices, FIFOs,
// extension headers, absolute names and ".." are refused, and so is an
// archive over its size or entry limits. Nothing in it is ever run.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace belvane::update {

struct ArchiveLimits {
    size_t MaxEntries = 4096;
    uint64_t MaxFileSize = 256ull << 20;
    uint64_t MaxTotalSize = 1ull << 30;
};

struct PackageFile {
    std::string Name; // relative, "/"-separated
    uint64_t Size = 0;
    bool Executable = false;
};

// The name an archive entry may be unpacked under ("./" dropped, a folder's
// trailing "/" dropped), or nullopt when it is absolute, climbs out with
// "..", holds empty or "." components, backslashes or control characters.
std::optional<std::string> SafeEntryName(std::string_view name);

// Unpacks the archive into folder, which must not exist yet (it is created).
// Throws Error naming the first entry refused; what was unpacked before the
// failure stays for the caller to remove. Returns the files, in archive order.
std::vector<PackageFile> UnpackPackage(const std::filesystem::path& archive, const std::filesystem::path& folder,
                                       const ArchiveLimits& limits = {}, const std::function<bool()>& cancelled = {});

// "Файл обновления повреждён: %s" — every refusal of the package says so.
std::string DamagedPackageText(std::string_view reason);

} // namespace belvane::update
