#include "support/formula_eval.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace belvane {

namespace {

using Op = FormulaStep::Op;
using Operand = FormulaStep::Operand;
using Fault = FormulaFault;

// A single comparison; false for infinities and NaN.
bool isFinite(long double x)
{
    return std::fabs(x) <= std::numeric_limits<long double>::max();
}

// Real power: x^0 = 1, 0^y = 0 for y > 0, whole exponents of 32 bits by
// repeated squaring, any other through the logarithm.
Fault power(long double base, long double exponent, long double& out)
{
    if (exponent == 0) {
        out = 1;
        return Fault::None;
    }
    if (base == 0) {
        if (exponent > 0) {
            out = 0;
            return Fault::None;
        }
        return Fault::DivisionByZero;
    }
    if (exponent == std::trunc(exponent) && exponent >= INT32_MIN && exponent <= INT32_MAX) {
        const auto e = static_cast<int64_t>(exponent);
        auto m = static_cast<uint64_t>(e < 0 ? -e : e);
        long double result = 1;
        long double square = base;
        while (m != 0) {
            if (m & 1)
                result *= square;
            m >>= 1;
            if (m != 0)
                square *= square;
        }
        out = e < 0 ? 1 / result : result;
    } else {
        if (base < 0)
            return Fault::FloatingPoint;
        out = std::exp(exponent * std::log(base));
    }
    return isFinite(out) ? Fault::None : Fault::FloatingPoint;
}

// Built-in function `index` (table order of FormulaFunctionNames).
Fault function(int index, long double x, long double& out)
{
    switch (index) {
    case 0: // ARCTAN
        out = std::atan(x);
        break;
    case 1: // COS
        out = std::cos(x);
        break;
    case 2: // SIN
        out = std::sin(x);
        break;
    case 3: { // TAN
        const long double c = std::cos(x);
        if (c == 0)
            return Fault::DivisionByZero;
        out = std::sin(x) / c;
        break;
    }
    case 4: // ABS
        out = std::fabs(x);
        break;
    case 5: // EXP
        out = std::exp(x);
        break;
    case 6: // LN
        if (x <= 0)
            return Fault::LogOfNonPositive;
        out = std::log(x);
        break;
    case 7: // LOG, as ln(x) / ln(10): exact at the powers of ten, where log10l is not
        if (x <= 0)
            return Fault::LogOfNonPositive;
        out = std::log(x) / std::log(10.0L);
        break;
    case 8: // SQRT
        if (x < 0)
            return Fault::RootOfNegative;
        out = std::sqrt(x);
        break;
    case 9: // SQR
        out = x * x;
        break;
    case 10: // INT rounds like ROUND
    case 13: // ROUND
        out = RoundHalfEven(x);
        break;
    case 11: // FRAC keeps the sign
        out = x - std::trunc(x);
        break;
    case 12: // TRUNC
        out = std::trunc(x);
        break;
    case 14: // ARCSIN, defined on the whole of [-1, 1]
        if (x < -1 || x > 1)
            return Fault::FloatingPoint;
        out = std::asin(x);
        break;
    case 15: // ARCCOS
        if (x < -1 || x > 1)
            return Fault::FloatingPoint;
        out = std::acos(x);
        break;
    case 16: // SIGN
        out = x > 0 ? 1 : x < 0 ? -1 : 0;
        break;
    case 17: { // NOT: bitwise complement of the 64-bit integer part
        const long double t = std::trunc(x);
        constexpr long double limit = 9223372036854775808.0L; // 2^63
        if (t < -limit || t >= limit)
            return Fault::FloatingPoint;
        out = static_cast<long double>(~static_cast<int64_t>(t));
        break;
    }
    default:
        return Fault::Syntax;
    }
    return isFinite(out) ? Fault::None : Fault::FloatingPoint;
}

FormulaResult failed(Fault fault)
{
    return {.value = 0, .fault = fault};
}

} // namespace

long double RoundHalfEven(long double x)
{
    const long double whole = std::trunc(x);
    const long double rest = std::fabs(x - whole); // exact
    const long double away = whole + (x < 0 ? -1 : 1);
    if (rest > 0.5L)
        return away;
    if (rest < 0.5L)
        return whole;
    return std::fmod(whole, 2.0L) == 0 ? whole : away;
}

FormulaResult RunFormula(const FormulaProgram& program, const FormulaValues& values)
{
    constexpr int kInlineDepth = 64;
    long double inlineStack[kInlineDepth];
    std::vector<long double> deepStack;
    long double* stack = inlineStack;
    if (program.stackDepth > kInlineDepth) {
        deepStack.resize(static_cast<size_t>(program.stackDepth));
        stack = deepStack.data();
    }

    long double newest = 0;
    int older = 0; // values on the stack below the newest
    for (const FormulaStep& step : program.steps) {
        long double operand = 0;
        switch (step.operand) {
        case Operand::Stack:
            break;
        case Operand::Constant:
            operand = step.value;
            break;
        case Operand::Variable:
            operand = values[step.index];
            break;
        case Operand::NegatedVariable:
            operand = -static_cast<long double>(values[step.index]);
            break;
        }
        long double left = newest;
        if (step.operand == Operand::Stack && step.op != Op::Function && step.op != Op::Fail) {
            left = stack[--older];
            operand = newest;
        }
        long double r = 0;
        switch (step.op) {
        case Op::Load:
            newest = operand;
            continue;
        case Op::Push:
            stack[older++] = newest;
            newest = operand;
            continue;
        case Op::Add:
            r = left + operand;
            break;
        case Op::Subtract:
            r = left - operand;
            break;
        case Op::Multiply:
            r = left * operand;
            break;
        case Op::Divide:
            // Any fault of a division, an overflow included, is reported as one.
            if (operand == 0)
                return failed(Fault::DivisionByZero);
            r = left / operand;
            if (!isFinite(r))
                return failed(Fault::DivisionByZero);
            break;
        case Op::Power:
            if (const Fault f = power(left, operand, r); f != Fault::None)
                return failed(f);
            break;
        case Op::Function:
            if (const Fault f = function(step.index, newest, r); f != Fault::None)
                return failed(f);
            break;
        case Op::Fail:
            return failed(step.fault);
        }
        if (!isFinite(r))
            return failed(Fault::FloatingPoint);
        newest = r;
    }
    if (program.steps.empty() || older != 0)
        return failed(Fault::Syntax);
    return {.value = newest, .fault = Fault::None};
}

} // namespace belvane
