#pragma once

// Reads a zip archive whole, entry name -> contents: enough to look inside
// the workbooks the spreadsheet export writes. Stored and deflated entries
// are supported and their checksums verified; anything else, or a damaged
// archive, throws std::runtime_error.

#include <filesystem>
#include <map>
#include <string>

namespace belvane::testing {

std::map<std::string, std::string> ReadZip(const std::filesystem::path& path);

} // namespace belvane::testing
