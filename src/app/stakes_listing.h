#pragma once

// The stakes file printed as a table: a "№" column with the 1-based record
// number, then the stakes grid's columns. The records are read from the file
// a block at a time as they are printed (twice for the aligned text form), so
// a file of any size is printed in the memory of one block.

#include <cstddef>
#include <iosfwd>

#include "stakes/stakes_file.h"
#include "support/text_table.h"

namespace belvane::app {

struct StakesListing {
    size_t First = 0;       // the first record printed
    bool Separators = true; // false: the separators are left out
};

// Throws Error("Ошибка чтения записи из файла ставок!\r\r...") when the file
// cannot be read; what was printed before stays printed.
void PrintStakes(std::ostream& out, stakes::StakesFile& file, text::TableFormat format,
                 const StakesListing& listing = {});

} // namespace belvane::app
