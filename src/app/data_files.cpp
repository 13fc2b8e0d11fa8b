#include "app/data_files.h"

#include <string>

#include "support/file_io.h"
#include "support/translation.h"
#include "scenario/run_log.h"
#include "scenario/scenario.h"
#include "stakes/stake_log.h"
#include "support/export_parameters.h"
#include "support/text.h"
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

namespace {

bool hasExtension(std::string_view name, std::string_view extension)
{
    return name.size() > extension.size() && name[name.size() - extension.size() - 1] == '.' &&
           text::equalsIgnoreCase(name.substr(name.size() - extension.size()), extension);
}

} // namespace

bool DataFiles::isKeptName(std::string_view name, std::string_view document) const
{
    for (const std::filesystem::path& own : namedFiles()) {
        // The file itself, and what saving it keeps beside it: the copies of
        // older stakes files, a change's journal and snapshots.
        const std::string ownName = own.filename().string();
        if (name == ownName ||
            (name.starts_with(ownName) && (name[ownName.size()] == '.' || name[ownName.size()] == '-')))
            return true;
    }
    if (stakes::IsStakeLogName(name) || scenario::IsScriptLogName(name))
        return true;
    for (std::string_view kept : {scenario::ScenarioFileExtension, xlsx::ParameterFileExtension,
                                  std::string_view("lng"), std::string_view("chm")})
        if (hasExtension(name, kept) && !text::equalsIgnoreCase(kept, document))
            return true;
    return false;
}

bool DataFiles::isOwnFile(const std::filesystem::path& path, std::string_view document) const
{
    namespace fs = std::filesystem;
    fs::path target = path;
    try {
        target = files::resolveLinks(path);
    } catch (const std::exception&) {
        return false; // a loop of links: the write itself fails
    }
    // Every file of the prefetch and systems folders, and the kept names of
    // the data folder.
    const std::vector<std::pair<fs::path, bool>> folders{
        {folder_, false}, {prefetchFolder(), true}, {systemsFolder(), true}};
    if (const auto id = files::fileIdentity(target)) {
        // An existing file, under any of its names (a hard link too).
        for (const auto& [folder, everyFile] : folders) {
            std::error_code ec;
            for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
                if ((everyFile || isKeptName(it->path().filename().string(), document)) &&
                    files::fileIdentity(it->path()) == id)
                    return true;
        }
        return false;
    }
    // A new file: ours when it would be created under a kept name.
    const auto folder = files::fileIdentity(target.parent_path().empty() ? fs::path(".") : target.parent_path());
    if (!folder)
        return false;
    for (const auto& [kept, everyFile] : folders)
        if (folder == files::fileIdentity(kept))
            return everyFile || isKeptName(target.filename().string(), document);
    return false;
}

std::string DataFiles::ownFileRefusal(const std::filesystem::path& path, std::string_view document) const
{
    if (!isOwnFile(path, document))
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
