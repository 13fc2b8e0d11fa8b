#include "app/data_files.h"

#include <string>

namespace belvane::app {

std::filesystem::path DataFiles::named(std::string_view extension) const
{
    return folder_ / (std::string(ProgramBaseName) + std::string(extension));
}

std::filesystem::path DataFiles::prefetch(std::string_view methodId) const
{
    return prefetchFolder() / (std::string(ProgramBaseName) + "_" + std::string(methodId) + ".dfc");
}

} // namespace belvane::app
