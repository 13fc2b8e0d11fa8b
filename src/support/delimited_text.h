#pragma once

// Splitting one line of delimited text the way the program's CSV readers do:
// fields are separated by the delimiter and, outside quotes, also by blanks
// and control characters; a field may be enclosed in the quote character, with
// a doubled quote standing for one; two delimiters in a row give an empty
// field, as does a delimiter at the very end.

#include <string>
#include <string_view>
#include <vector>

namespace belvane {

std::vector<std::string> splitDelimited(std::string_view line, char delimiter, char quote);

// The field in quotes, inner quotes doubled.
std::string quoteField(std::string_view field, char quote);

} // namespace belvane
