#pragma once

// User-written arithmetic formulas: evaluating a text once, and a formula with
// the variables n1..n6, p1..p6, t1..t6 compiled once and evaluated for many
// sets of values.
//
// The variables are text: their values replace them in the formula before it
// is read, so "2n1" with n1 = 5 reads 25 and "n1 0" reads 50. A formula whose
// every variable stands alone (between operators or brackets) is compiled once
// with the variables as leaves, which gives the same results as substituting
// and reading the text each time; any other formula is substituted and read
// again for each evaluation.

#include <string>
#include <string_view>

#include "support/formula_parser.h"
#include "support/formula_program.h"

namespace belvane {

// Replaces n1..n6, p1..p6 and t1..t6 (either letter case) by the decimal
// texts of values[0..5], values[6..11] and values[12..17]: for i = 1..6 in turn
// every "n<i>", then every "p<i>", then every "t<i>" of the text as it stands.
std::string SubstituteFormulaVariables(std::string_view text, const FormulaValues& values);

// The value of a formula text without variables, or its fault; never throws.
FormulaResult EvaluateFormulaText(std::string_view text);

class Formula {
public:
    Formula() : Formula(std::string_view()) {}
    explicit Formula(std::string_view text);

    const std::string& Text() const { return text_; }

    // Whether the text was compiled once with its variables as leaves (else
    // each evaluation substitutes the values and reads the text again).
    bool IsCompiledWithVariables() const { return !substitutes_; }

    // The value for the given variables, or the fault; never throws except for
    // lack of memory. Safe to call from several threads at once.
    FormulaResult Evaluate(const FormulaValues& values) const;

    // The same, throwing ERxParserError with the fault's message.
    long double EvaluateOrThrow(const FormulaValues& values) const;

    // The fault of the text itself, whatever values the variables take: a
    // syntax error, a missing bracket or brackets nested too deep; None when
    // it reads as a formula (it may still fail for some values, as 1/(n1-n2)).
    FormulaFault GrammarFault() const;

private:
    std::string text_;
    FormulaProgram program_;
    bool substitutes_ = false;
};

// The one-shot evaluator: one formula text in, one value out.
class TRxMathParser {
public:
    // Throws ERxParserError with the fault's message.
    long double Evaluate(std::string_view text);

private:
    FormulaCompiler compiler_;
};

} // namespace belvane
