#include "update/program_files.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "support/data_folder.h"
#include "support/translation.h"
#include "update/package_archive.h"

namespace belvane::update {
namespace fs = std::filesystem;
namespace {

constexpr std::array<std::string_view, 3> kExecutables = {"belvane", "belvane-cli", "belvane-service"};
constexpr std::string_view kHelpFolder = "help/";
constexpr std::string_view kHelpPrefix = "Kalvo_";

bool isAbbreviation(std::string_view s)
{
    return s.size() >= 2 && s.size() <= 4 &&
           std::all_of(s.begin(), s.end(), [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); });
}

bool named(std::string_view name, std::string_view prefix, std::string_view extension)
{
    return name.size() > prefix.size() + extension.size() && name.starts_with(prefix) && name.ends_with(extension) &&
           isAbbreviation(name.substr(prefix.size(), name.size() - prefix.size() - extension.size()));
}

// Whether inner lies inside outer (both made absolute with links resolved).
bool inside(const fs::path& inner, const fs::path& outer)
{
    const std::string o = outer.native();
    return inner.native().size() > o.size() && inner.native().starts_with(o) &&
           (o.ends_with('/') || inner.native()[o.size()] == '/');
}

std::string refusal(const std::string& name)
{
    return DamagedPackageText(support::Message("файл \"{}\" не является файлом программы", name));
}

} // namespace

bool IsProgramFileName(std::string_view name)
{
    if (std::find(kExecutables.begin(), kExecutables.end(), name) != kExecutables.end())
        return true;
    const std::string modulePrefix = std::string(ProgramBaseName) + "_";
    if (named(name, modulePrefix, ".lng"))
        return true;
    if (name.starts_with(kHelpFolder))
        name.remove_prefix(kHelpFolder.size());
    return named(name, kHelpPrefix, ".chm");
}

std::string RefusedInstall(const std::string& name, const InstallPlace& place, const std::vector<std::string>* declared)
{
    const auto safe = SafeEntryName(name);
    if (!safe || *safe != name || !IsProgramFileName(name))
        return refusal(name);
    if (declared != nullptr && std::find(declared->begin(), declared->end(), name) == declared->end())
        return DamagedPackageText(support::Message("файл \"{}\" не назван в описании обновления", name));
    // The file itself is never a link, and a folder on the way is a link only
    // to somewhere that exists (followed below).
    std::error_code ec;
    const fs::path relative(name);
    fs::path along = place.Program;
    for (auto part = relative.begin(); part != relative.end(); ++part) {
        along /= *part;
        const bool last = std::next(part) == relative.end();
        if (fs::is_symlink(fs::symlink_status(along, ec)) && (last || !fs::exists(along, ec)))
            return refusal(name);
    }
    // Links are followed: a "help" that leads into the data folder is the data folder.
    const fs::path program = fs::weakly_canonical(fs::absolute(place.Program, ec), ec);
    const fs::path target = fs::weakly_canonical(fs::absolute(place.Program / name, ec), ec);
    if (ec || !inside(target, program))
        return refusal(name);
    if (!place.Data.empty()) {
        const fs::path data = fs::weakly_canonical(fs::absolute(place.Data, ec), ec);
        // A program folder inside the data folder holds only the program's files.
        if (ec || (data != program && !inside(program, data) && inside(target, data)))
            return refusal(name);
    }
    return {};
}

} // namespace belvane::update
