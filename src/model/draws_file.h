#pragma once

// The draws file: a plain sequence of 24-byte draw records, oldest first,
// without header or trailer.

#include <filesystem>
#include <string>

#include "model/draws.h"

namespace belvane::model {

// The one limit of the archive, for reading and writing alike: larger files
// are refused rather than read, and an archive this full takes no more draws
// (a million draws is centuries of a weekly game).
inline constexpr size_t MaxDrawsInFile = 1'000'000;

struct DrawsFileContent {
    TDrawsArray draws;
    std::string error; // empty when the whole file was read
};

// Reads every whole record. A missing file gives an empty archive and no
// error; a trailing partial record is ignored; after a read error the records
// read so far are kept and `error` holds the reason. A file of more than
// MaxDrawsInFile records is refused.
DrawsFileContent ReadDrawsFile(const std::filesystem::path& path);

// Replaces the file atomically; on failure throws Error and leaves the old
// file intact. More than MaxDrawsInFile draws are refused (they could not be read back).
void WriteDrawsFile(const std::filesystem::path& path, const TDrawsArray& draws);

} // namespace belvane::model
