#pragma once

// Combination list files (".lcv"): one combination per line, the six numbers
// in decimal separated by ";", CR LF line ends.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "combs/comb_list.h"

namespace belvane::combs {

inline constexpr std::string_view ListFileFilter = "Файлы комбинаций (*.lcv)|*.lcv";
inline constexpr std::string_view ListFileExtension = "lcv";

// A list file larger than this is not a list of combinations of this game.
inline constexpr uint64_t MaxListFileSize = 1ull << 30;

struct ListFileLoad {
    size_t Loaded = 0;
    size_t Skipped = 0; // lines that hold no combination of six distinct numbers 1..45
};

// Fills `out` with the file's combinations as written (not sorted). Empty lines
// are passed over; lines that do not split (at "," or ";") into exactly six
// fields, or whose numbers are not six distinct values 1..45, are skipped and
// counted. Throws Error("Ошибка чтения файла \"<file>\"!\r\r<reason>").
ListFileLoad LoadListFile(const std::filesystem::path& path, CombBuffer& out,
                          const std::function<bool(size_t, size_t)>& progress = {});

// Throws Error("Ошибка записи в файл \"<file>\"!\r\r<reason>"); the old file stays intact.
void SaveListFile(const std::filesystem::path& path, std::span<const TComb> combs);

// The list-file form of the combinations (also the clipboard's form).
std::string ListFileText(std::span<const TComb> combs);

// Six distinct numbers 1..45.
bool IsValidCombination(const TComb& c);

} // namespace belvane::combs
