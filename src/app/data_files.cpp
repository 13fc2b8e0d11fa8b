#include "app/data_files.h"

#include <string>

#include "support/file_io.h"
#include "support/translation.h"
#include "systems/system_file.h"

namespace belvane::app {

std::filesystem::path DataFiles::named(std::string_view extension) const
{
    return folder_ / (std::string(ProgramBaseName) + std::string(extension));
}

std::filesystem::path DataFiles::prefetch(std::string_view methodId) const
{
    return prefetchFolder() / (std::string(ProgramBaseName) + "_" + std::string(methodId) + ".dfc");
}

std::filesystem::path DataFiles::systemsFolder() const
{
    return folder_ / systems::SystemsFolderName;
}

std::vector<std::filesystem::path> DataFiles::namedFiles() const
{
    return {config(),     windowState(), filterList(), draws(),    stakes(),
            stakesCopy(), ratings(),     tables(),     scenario(), combsBuffer()};
}

bool DataFiles::isOwnFile(const std::filesystem::path& path) const
{
    namespace fs = std::filesystem;
    fs::path target = path;
    try {
        target = files::resolveLinks(path);
    } catch (const std::exception&) {
        return false; // a loop of links: the write itself fails
    }
    if (const auto id = files::fileIdentity(target)) {
        for (const fs::path& own : namedFiles())
            if (files::fileIdentity(own) == id)
                return true;
        std::error_code ec;
        for (fs::directory_iterator it(prefetchFolder(), ec), end; !ec && it != end; it.increment(ec))
            if (files::fileIdentity(it->path()) == id)
                return true;
        return false;
    }
    // A new file: ours when its folder is the data folder and its name one of
    // ours, or when its folder is the prefetch folder.
    const auto folder = files::fileIdentity(target.parent_path().empty() ? fs::path(".") : target.parent_path());
    if (!folder)
        return false;
    if (folder == files::fileIdentity(prefetchFolder()))
        return true;
    if (folder != files::fileIdentity(folder_))
        return false;
    for (const fs::path& own : namedFiles())
        if (own.filename() == target.filename())
            return true;
    return false;
}

std::string DataFiles::ownFileRefusal(const std::filesystem::path& path) const
{
    if (!isOwnFile(path))
        return {};
    return support::Message(
        "Файл \"{}\" - файл данных программы, запись в него невозможна!\r\rВыберите другое имя файла.", path.string());
}

int DataFiles::removeStaleTempFiles() const
{
    return files::removeStaleTempFiles(folder_) + files::removeStaleTempFiles(prefetchFolder()) +
           files::removeStaleTempFiles(systemsFolder());
}

} // namespace belvane::app
