#include "support/data_folder.h"

#include <cstdlib>
#include <fmt/format.h>
#include <system_error>
#include <unistd.h>

#include "support/error.h"
#include "support/translation.h"

namespace belvane {
namespace fs = std::filesystem;

namespace {

std::optional<std::string> env(const char* name)
{
    const char* v = std::getenv(name);
    if (v == nullptr || *v == '\0')
        return std::nullopt;
    return std::string(v);
}

} // namespace

fs::path chooseDataFolder(const DataFolderInputs& in)
{
    if (in.explicitFolder && !in.explicitFolder->empty())
        return *in.explicitFolder;
    if (in.belvaneHome)
        return *in.belvaneHome;
    if (in.programFolderWritable && !in.programFolder.empty())
        return in.programFolder;
    fs::path base = in.xdgDataHome ? fs::path(*in.xdgDataHome)
                    : in.home      ? fs::path(*in.home) / ".local" / "share"
                                   : fs::path(".");
    return base / "belvane-6x45";
}

fs::path programFolder()
{
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

DataFolderInputs currentDataFolderInputs(std::optional<fs::path> explicitFolder)
{
    DataFolderInputs in;
    in.explicitFolder = std::move(explicitFolder);
    in.belvaneHome = env("BELVANE_HOME");
    in.xdgDataHome = env("XDG_DATA_HOME");
    in.home = env("HOME");
    in.programFolder = programFolder();
    in.programFolderWritable = !in.programFolder.empty() && ::access(in.programFolder.c_str(), W_OK) == 0;
    return in;
}

void ensureFolder(const fs::path& folder)
{
    std::error_code ec;
    if (fs::is_directory(folder, ec))
        return;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder))
        throw Error(support::Message("Не удалось создать папку данных \"{}\"!\r\r{}", folder.string(),
                                     ec ? ec.message() : support::Text("не является папкой")));
}

} // namespace belvane
