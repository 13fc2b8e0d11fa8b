#pragma once

// Four-part program versions ("1.2.3.45"): the running program's own, the
// ones update manifests offer, and the rule that decides whether an offered
// version is an update.

#include <array>
#include <compare>
#include <string>
#include <string_view>

namespace belvane::update {

struct ProgramVersion {
    std::array<int, 4> Parts{};

    // The fourth component: the build number.
    int Build() const { return Parts[3]; }
    // "a.b.c.d": the canonical text, also the one used in file names.
    std::string Text() const;

    friend auto operator<=>(const ProgramVersion&, const ProgramVersion&) = default;
};

// Components separated by ".", ",", "-" or "_"; a missing component or one
// that is not a non-negative number reads as 0, as do components past the fourth.
ProgramVersion ParseVersion(std::string_view text);

// The version this program was built as.
ProgramVersion RunningVersion();

// An offered version is an update when its build number is higher than the
// running one's and it is not a lower version as a whole (no downgrade
// dressed up with a high build number).
bool IsNewerBuild(const ProgramVersion& running, const ProgramVersion& offered);

} // namespace belvane::update
