#include "update/program_version.h"

#include <fmt/format.h>

#include "support/text.h"
#include "update/build_version.h"

namespace belvane::update {

std::string ProgramVersion::Text() const
{
    return fmt::format("{}.{}.{}.{}", Parts[0], Parts[1], Parts[2], Parts[3]);
}

ProgramVersion ParseVersion(std::string_view versionText)
{
    ProgramVersion v;
    const std::vector<std::string_view> parts = text::split(text::trim(versionText), ".,-_", false);
    for (size_t i = 0; i < parts.size() && i < v.Parts.size(); ++i) {
        const std::optional<int32_t> n = text::parseInt(text::trim(parts[i]));
        v.Parts[i] = n && *n >= 0 ? *n : 0;
    }
    return v;
}

ProgramVersion RunningVersion()
{
    return ParseVersion(BuildVersionText);
}

bool IsNewerBuild(const ProgramVersion& running, const ProgramVersion& offered)
{
    return offered.Build() > running.Build() && offered >= running;
}

} // namespace belvane::update
