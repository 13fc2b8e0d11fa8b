#include "gui/program_arguments.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace belvane::gui {
namespace {

constexpr std::string_view DataDirOption = "--data-dir";
constexpr std::string_view ScreenshotsOption = "--screenshots";
constexpr std::array<std::string_view, 2> OptionsWithValue = {DataDirOption, ScreenshotsOption};

} // namespace

ProgramArguments ParseProgramArguments(std::span<const std::string> args)
{
    ProgramArguments a;
    std::vector<std::string> rest;
    a.options = app::ParseStartupOptions(args, &rest, OptionsWithValue);
    // "--data-dir DIR" or "--data-dir=DIR", as the command-line tool takes it.
    const auto valueOf = [&](size_t& i, std::string_view option) -> std::optional<std::string> {
        const std::string_view arg = rest[i];
        if (arg == option && i + 1 < rest.size())
            return rest[++i];
        if (arg.size() > option.size() && arg.starts_with(option) && arg[option.size()] == '=')
            return std::string(arg.substr(option.size() + 1));
        return std::nullopt;
    };
    for (size_t i = 0; i < rest.size(); ++i) {
        if (auto dir = valueOf(i, DataDirOption))
            a.dataDir = *dir;
        else if (auto shots = valueOf(i, ScreenshotsOption))
            a.screenshots = *shots;
    }
    return a;
}

} // namespace belvane::gui
