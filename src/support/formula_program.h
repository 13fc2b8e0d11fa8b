#pragma once

// A formula compiled into a postfix program for a small value stack, and the
// faults an evaluation can end in. The parser appends each operation when its
// operands are complete, so running the program meets the faults in the same
// order as evaluating while reading; a text that stops fitting the grammar
// ends its program with a Fail step at the point where reading stopped.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/error.h"

namespace belvane {

// Every failure of a formula; what() is one of the texts below.
class ERxParserError : public Error {
public:
    using Error::Error;
};

enum class FormulaFault : uint8_t {
    None,
    FloatingPoint, // overflow, a result that is not a number, an argument out of a function's domain
    LogOfNonPositive,
    RootOfNegative,
    DivisionByZero,
    MissingBracket,
    Syntax,
    TooDeep, // brackets or function calls nested deeper than the parser follows
};

// The message shown for a fault (empty for None).
std::string FormulaFaultText(FormulaFault fault);

// The variables a formula may use, in this order: n1..n6, p1..p6, t1..t6.
inline constexpr int FormulaVariableCount = 18;
using FormulaValues = std::array<uint32_t, FormulaVariableCount>;

// The built-in functions, in table order (the first name that fits wins).
inline constexpr int FormulaFunctionCount = 18;
inline constexpr std::array<std::string_view, FormulaFunctionCount> FormulaFunctionNames = {
    "ARCTAN", "COS", "SIN",  "TAN",   "ABS",   "EXP",    "LN",     "LOG",  "SQRT",
    "SQR",    "INT", "FRAC", "TRUNC", "ROUND", "ARCSIN", "ARCCOS", "SIGN", "NOT"};

// One step of the program. The machine keeps the newest value in an
// accumulator and the older ones on a stack; an operation whose right operand
// is a number or a variable takes it from the step itself.
struct FormulaStep {
    enum class Op : uint8_t {
        Load, // the operand becomes the only value
        Push, // the newest value goes on the stack, the operand becomes the newest
        // newest = left op right: with an operand from the stack, left is popped
        // and right is the newest value; otherwise left is the newest value and
        // right the operand
        Add,
        Subtract,
        Multiply,
        Divide,
        Power,
        Function, // newest = built-in function `index` of newest
        Fail,     // stop with fault `fault`
    };
    enum class Operand : uint8_t {
        Stack,
        Constant,        // value
        Variable,        // variable `index`
        NegatedVariable, // minus variable `index` (a sign that belongs to the number)
    };
    Op op = Op::Load;
    Operand operand = Operand::Stack;
    uint8_t index = 0;
    FormulaFault fault = FormulaFault::None;
    long double value = 0;
};

struct FormulaProgram {
    std::vector<FormulaStep> steps;
    int stackDepth = 0; // the most values the program keeps at once
};

struct FormulaResult {
    long double value = 0;
    FormulaFault fault = FormulaFault::None;

    bool ok() const { return fault == FormulaFault::None; }
};

} // namespace belvane
