#pragma once

// Pictures of every page and dialog of the program, as a person sees them,
// saved as PNG files (run under a virtual display by scripts/screenshots.sh).

#include <filesystem>

namespace belvane::gui {

class MainWindow;

bool TakeScreenshots(MainWindow& window, const std::filesystem::path& folder);

} // namespace belvane::gui
