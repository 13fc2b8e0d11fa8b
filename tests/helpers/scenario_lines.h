#pragma once

// Scenario lines the scenario tests share.

#include <string_view>

namespace belvane::testing {

// A line of a scenario file with two filters, no comment.
inline constexpr std::string_view kDoneLine =
    "EXCL:5#SKIP#CLR#NEX|TMF1#NUMS:10,20#LMV:1-3;1#SF:1| |BSD6#SUMS:100#LNO:#SZ:1| | | | |";

} // namespace belvane::testing
