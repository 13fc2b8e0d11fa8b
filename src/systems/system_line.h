#pragma once

// One line of a system: six positions 1..n, and the limits of a system.

#include <array>
#include <cstdint>
#include <string_view>

namespace belvane::systems {

inline constexpr std::string_view SystemsFolderName = "Systems";
inline constexpr int SystemCombLength = 6;
inline constexpr int MinSystemNumbers = 7;
inline constexpr int MaxSystemNumbers = 45;
inline constexpr int MaxSystemBlock = 5;
inline constexpr int MaxSystemId = 2147483647;
// A system file larger than this is no system (C(45,6) lines of 18 bytes fit easily).
inline constexpr uint64_t MaxSystemFileSize = 160ull << 20;

using SystemLine = std::array<int, SystemCombLength>;

} // namespace belvane::systems
