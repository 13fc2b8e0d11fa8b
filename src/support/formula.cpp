#include "support/formula.h"

#include <charconv>

#include "support/formula_eval.h"
#include "support/translation.h"

namespace belvane {

namespace {

constexpr char kVariableLetters[] = {'n', 'p', 't'};
constexpr int kVariablesPerLetter = 6;

bool isSign(char c)
{
    return c == '+' || c == '-';
}

// Runs the substitution passes over `text` into `out`; replace(index, out)
// appends the replacement of variable `index`. `spare` is scratch space.
template <class Replace>
void substitute(std::string_view text, std::string& out, std::string& spare, Replace replace)
{
    out.assign(text);
    for (int i = 1; i <= kVariablesPerLetter; ++i) {
        for (int l = 0; l < 3; ++l) {
            const char lower = kVariableLetters[l];
            const char upper = static_cast<char>(lower - 'a' + 'A');
            const char digit = static_cast<char>('0' + i);
            if (out.find(digit) == std::string::npos)
                continue;
            spare.clear();
            for (size_t k = 0; k < out.size(); ++k) {
                if ((out[k] == lower || out[k] == upper) && k + 1 < out.size() && out[k + 1] == digit) {
                    replace(l * kVariablesPerLetter + i - 1, spare);
                    ++k;
                } else {
                    spare += out[k];
                }
            }
            out.swap(spare);
        }
    }
}

void substituteValues(std::string_view text, const FormulaValues& values, std::string& out, std::string& spare)
{
    substitute(text, out, spare, [&](int index, std::string& to) {
        char digits[16];
        const auto r = std::to_chars(digits, digits + sizeof digits, values[static_cast<size_t>(index)]);
        to.append(digits, r.ptr);
    });
}

// Whether every variable mark of the prepared text reads exactly as its value
// would: only an operator, "(" or the start before it (a sign not part of an
// exponent "E+"), only an operator, ")" or the end after it. Anything else
// could join the value's digits to a neighbour.
bool marksStandAlone(std::string_view p)
{
    for (size_t m = 0; m < p.size(); ++m) {
        if (static_cast<unsigned char>(p[m]) != FormulaVariableMark)
            continue;
        if (m > 0) {
            const char before = p[m - 1];
            if (before != '(' && before != '*' && before != '/' && before != '^' && !isSign(before))
                return false;
            if (isSign(before) && m >= 2 && p[m - 2] == 'E')
                return false;
        }
        if (m + 2 < p.size()) {
            const char after = p[m + 2];
            if (after != ')' && after != '*' && after != '/' && after != '^' && !isSign(after))
                return false;
        }
        ++m;
    }
    return true;
}

// The fault a program ends in when its text does not fit the grammar.
FormulaFault grammarFaultOf(const FormulaProgram& program)
{
    for (const FormulaStep& step : program.steps)
        if (step.op == FormulaStep::Op::Fail)
            return step.fault;
    return FormulaFault::None;
}

} // namespace

std::string FormulaFaultText(FormulaFault fault)
{
    switch (fault) {
    case FormulaFault::None:
        return {};
    case FormulaFault::FloatingPoint:
        return support::Text("Ошибка в операции с плавающей точкой");
    case FormulaFault::LogOfNonPositive:
        return support::Text("Выражение под логарифмом меньне нуля");
    case FormulaFault::RootOfNegative:
        return support::Text("Выражение под корнем меньне нуля");
    case FormulaFault::DivisionByZero:
        return support::Text("Деление на нуль");
    case FormulaFault::MissingBracket:
        return support::Text("Не хватает скобочки");
    case FormulaFault::Syntax:
        return support::Text("Синтаксическая ошибка");
    case FormulaFault::TooDeep:
        return support::Text("Слишком много вложенных скобок");
    }
    return support::Text("Синтаксическая ошибка");
}

std::string SubstituteFormulaVariables(std::string_view text, const FormulaValues& values)
{
    std::string out;
    std::string spare;
    substituteValues(text, values, out, spare);
    return out;
}

FormulaResult EvaluateFormulaText(std::string_view text)
{
    thread_local FormulaCompiler compiler;
    return RunFormula(compiler.Compile(text, false), FormulaValues{});
}

Formula::Formula(std::string_view text) : text_(text)
{
    FormulaCompiler compiler;
    // A text holding the mark byte itself cannot be read with marks.
    if (text_.find(static_cast<char>(FormulaVariableMark)) == std::string::npos) {
        std::string marked;
        std::string spare;
        substitute(text_, marked, spare, [](int index, std::string& to) {
            to += static_cast<char>(FormulaVariableMark);
            to += static_cast<char>(FormulaVariableBase + index);
        });
        program_ = compiler.Compile(marked, true);
        if (marksStandAlone(compiler.Prepared()))
            return;
    }
    substitutes_ = true;
    program_ = {};
}

FormulaResult Formula::Evaluate(const FormulaValues& values) const
{
    if (!substitutes_)
        return RunFormula(program_, values);
    thread_local FormulaCompiler compiler;
    thread_local std::string text;
    thread_local std::string spare;
    substituteValues(text_, values, text, spare);
    return RunFormula(compiler.Compile(text, false), values);
}

long double Formula::EvaluateOrThrow(const FormulaValues& values) const
{
    const FormulaResult r = Evaluate(values);
    if (!r.ok())
        throw ERxParserError(std::string(FormulaFaultText(r.fault)));
    return r.value;
}

FormulaFault Formula::GrammarFault() const
{
    if (!substitutes_)
        return grammarFaultOf(program_);
    // Glued variables read as their digits: typical numbers of a draw and of
    // the two before it, one and two digits long.
    FormulaValues sample{};
    for (size_t i = 0; i < sample.size(); ++i)
        sample[i] = static_cast<uint32_t>(5 + 2 * i);
    FormulaCompiler compiler;
    return grammarFaultOf(compiler.Compile(SubstituteFormulaVariables(text_, sample), false));
}

long double TRxMathParser::Evaluate(std::string_view text)
{
    const FormulaResult r = RunFormula(compiler_.Compile(text, false), FormulaValues{});
    if (!r.ok())
        throw ERxParserError(std::string(FormulaFaultText(r.fault)));
    return r.value;
}

} // namespace belvane
