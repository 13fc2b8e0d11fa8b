#pragma once

// Reading a formula text: preparation (blanks dropped, letters upper-cased, a
// leading sign applied to zero, brackets counted) and the recursive-descent
// grammar, compiled into a postfix program.
//
//   expression = term { ("+" | "-") term }
//   term       = factor { ("*" | "/" | "^") factor }      one precedence, left to right
//   factor     = "(" expression ")" | number | "E" | "PI" | name "(" expression ")"
//
// A sign right after an operator or "(" belongs to the number that follows.

#include <string>
#include <string_view>

#include "support/formula_program.h"

namespace belvane {

// In text read with variables allowed, this byte followed by 0x80 + index
// stands for variable `index` (0..17). It never occurs in valid UTF-8.
inline constexpr unsigned char FormulaVariableMark = 0xFE;
inline constexpr unsigned char FormulaVariableBase = 0x80;

// Brackets and function calls nested deeper than this end in FormulaFault::TooDeep.
inline constexpr int MaxFormulaNesting = 200;

// Reuses its buffers between texts, so compiling many texts allocates little.
class FormulaCompiler {
public:
    // Compiles `text`. Never throws for any input: a text that does not fit the
    // grammar gives a program that ends in its fault. Without allowVariables,
    // variable marks are ordinary characters (and a syntax error).
    const FormulaProgram& Compile(std::string_view text, bool allowVariables);

    // The text the last Compile read: blanks dropped, upper-cased, "0" put in
    // front of a leading sign; empty when the brackets did not balance.
    std::string_view Prepared() const;

private:
    std::string prepared_; // with a trailing zero character as the end marker
    FormulaProgram program_;
    std::string token_; // a number's text while it is read
};

} // namespace belvane
