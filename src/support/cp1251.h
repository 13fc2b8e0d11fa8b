#pragma once

// Windows-1251 (Cyrillic) is the text encoding of every file the program
// writes; memory holds UTF-8. Convert only at the file boundary.

#include <string>
#include <string_view>

namespace belvane::cp1251 {

std::string toUtf8(std::string_view cp1251);

// Characters that Windows-1251 cannot hold become "?"; so do malformed UTF-8 bytes.
std::string fromUtf8(std::string_view utf8);

// The lower-case form of a Windows-1251 text, as the system folds case: Latin
// and Cyrillic capitals (Ё, Ђ, Ї, Ў and the rest of the code page's letters
// included) to their small letters; every other byte as it is.
std::string foldCase(std::string_view cp1251);
unsigned char foldCase(unsigned char c);

} // namespace belvane::cp1251
