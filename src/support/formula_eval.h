#pragma once

// Running a compiled formula in 80-bit extended precision. Every operation
// checks its result, so no infinity or NaN ever leaves a run: overflow and
// results that are not numbers end in FormulaFault::FloatingPoint.

#include "support/formula_program.h"

namespace belvane {

// The value of the program, or the fault it ended in. `values` are read only
// by programs that use variables. Allocates nothing for any practical formula.
FormulaResult RunFormula(const FormulaProgram& program, const FormulaValues& values);

// x rounded to the nearest integer, halves to even, whatever the FPU's
// rounding mode.
long double RoundHalfEven(long double x);

} // namespace belvane
