// The update package: a ustar archive from the network (its hash matched the
// signed manifest, but the maker's build may be wrong and the reader must not
// trust it). Unpacked into a fresh folder with small limits; nothing may land
// outside it.

#include <cstdlib>

#include "fuzz_support.h"
#include "update/package_archive.h"

using namespace belvane;

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto archive = fuzz::WriteScratchFile("package.tar", fuzz::AsText(data, size));
    const auto outer = fuzz::FreshScratchFolder("unpack");
    const fs::path folder = outer / "package";
    const update::ArchiveLimits limits{.MaxEntries = 64, .MaxFileSize = 1 << 20, .MaxTotalSize = 4 << 20};
    try {
        const auto unpacked = update::UnpackPackage(archive, folder, limits);
        for (const update::PackageFile& file : unpacked) {
            if (!update::SafeEntryName(file.Name))
                std::abort();
            if (fs::file_size(folder / file.Name) != file.Size)
                std::abort();
        }
    } catch (const Error&) {
    }
    // Only the destination folder appears beside it.
    for (const auto& entry : fs::directory_iterator(outer))
        if (entry.path().filename() != "package")
            std::abort();

    // Entry names by themselves.
    fuzz::InputReader names(data, size);
    for (int i = 0; i < 8 && !names.Rest().empty(); ++i) {
        const std::string_view name = names.Line();
        if (const auto safe = update::SafeEntryName(name)) {
            if (safe->empty() || safe->front() == '/' || *safe == ".." || safe->starts_with("../") ||
                safe->find("/../") != std::string::npos || safe->ends_with("/.."))
                std::abort();
        }
    }
    return 0;
}
