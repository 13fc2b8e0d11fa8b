#pragma once

// Combination list files (".lcv"): one combination per line, the six numbers
// in decimal separated by ";", CR LF line ends.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "combs/comb_list.h"

#include "support/translation.h"

namespace belvane::combs {

inline constexpr std::string_view ListFileFilter = BELVANE_TEXT("Файлы комбинаций (*.lcv)|*.lcv");
inline constexpr std::string_view ListFileExtension = "lcv";

// A list file larger than this is not a list of combinations of this game.
inline constexpr uint64_t MaxListFileSize = 1ull << 30;

struct ListFileLoad {
    size_t Loaded = 0;
    size_t Skipped = 0; // lines that hold no combination of six distinct numbers 1..45
};

// Fills `out` with the file's combinations as written (not sorted). Lines end
// at CR LF, LF or CR; a UTF-8 byte-order mark at the start is passed over, and
// so are empty lines; lines that do not split (at "," or ";") into exactly six
// fields, or whose numbers are not six distinct values 1..45, are skipped and
// counted. The file is read a piece at a time, so a list of millions of lines
// costs no more memory than its combinations. Throws
// Error("Ошибка чтения файла \"<file>\"!\r\r<reason>") (and leaves `out` empty
// when the file failed part-way).
ListFileLoad LoadListFile(const std::filesystem::path& path, CombBuffer& out,
                          const std::function<bool(size_t, size_t)>& progress = {});

// What LoadListFile would load, counted without keeping the combinations.
// Throws as LoadListFile does.
ListFileLoad CountListFile(const std::filesystem::path& path);

// Formats the lines into a reused buffer of about 1 MB that is written out
// whenever full. Throws Error("Ошибка записи в файл \"<file>\"!\r\r<reason>");
// the old file stays intact.
void SaveListFile(const std::filesystem::path& path, std::span<const TComb> combs);

// The list-file form of the combinations (also the clipboard's form).
std::string ListFileText(std::span<const TComb> combs);

// Six distinct numbers 1..45.
bool IsValidCombination(const TComb& c);

} // namespace belvane::combs
