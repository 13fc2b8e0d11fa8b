#include "support/formula_parser.h"

#include <algorithm>
#include <charconv>
#include <numbers>

namespace belvane {

namespace {

using Op = FormulaStep::Op;
using Operand = FormulaStep::Operand;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'A' && c <= 'F');
}

bool isSign(char c)
{
    return c == '+' || c == '-';
}

// What may follow a number or a variable: the end, an operator or ")".
// Prepared text holds no blank or control character but the end marker.
bool endsOperand(char c)
{
    return static_cast<unsigned char>(c) < '!' || c == ')' || c == '*' || c == '+' || c == '-' || c == '/' || c == '^';
}

// What may follow the constants E and PI.
bool endsConstant(char c)
{
    return c == '\0' || c == ')' || c == '*' || c == '+' || c == '-' || c == '/' || c == '^';
}

// What may follow an expression inside brackets or a function argument.
bool endsInnerExpression(char c)
{
    return c == '\0' || c == ')' || c == ',' || c == '<' || c == '=' || c == '>';
}

// Decimal exponent of the leading significant digit of a validated literal
// (saturated), to tell an underflow from an overflow.
long leadingExponent(std::string_view mantissa, long exponent)
{
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    long position = static_cast<long>(point) - 1;
    for (char c : mantissa) {
        if (c == '.')
            continue;
        if (c != '0')
            return position + exponent;
        --position;
    }
    return position + exponent;
}

// Converts a literal of the form [sign] digits [. digits] [E [sign] digits];
// false when the text has another form or its value is too large. A value too
// small for the type reads as zero.
bool convertDecimal(std::string_view t, long double& out)
{
    size_t i = 0;
    const bool negative = !t.empty() && t[0] == '-';
    if (!t.empty() && isSign(t[0]))
        ++i;
    const size_t mantissaStart = i;
    const auto digits = [&] {
        const size_t from = i;
        while (i < t.size() && isDigit(t[i]))
            ++i;
        return i > from;
    };
    if (!digits())
        return false;
    if (i < t.size() && t[i] == '.') {
        ++i;
        if (!digits())
            return false;
    }
    const std::string_view mantissa = t.substr(mantissaStart, i - mantissaStart);
    long exponent = 0;
    if (i < t.size() && t[i] == 'E') {
        ++i;
        const bool negativeExponent = i < t.size() && t[i] == '-';
        if (i < t.size() && isSign(t[i]))
            ++i;
        const size_t from = i;
        if (!digits())
            return false;
        for (size_t k = from; k < i; ++k)
            exponent = std::min(exponent * 10 + (t[k] - '0'), 1'000'000'000L);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != t.size())
        return false;

    const char* first = t.data() + (t[0] == '+' ? 1 : 0);
    long double value = 0;
    const auto [ptr, ec] = std::from_chars(first, t.data() + t.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (leadingExponent(mantissa, exponent) >= 0)
            return false;
        value = negative ? -0.0L : 0.0L;
    } else if (ec != std::errc() || ptr != t.data() + t.size()) {
        return false;
    }
    out = value;
    return true;
}

class Parser {
public:
    Parser(std::string_view text, bool allowVariables, FormulaProgram& program, std::string& scratch)
        : s_(text), allowVariables_(allowVariables), program_(program), token_(scratch)
    {
    }

    void Run() { Expression(true); }

private:
    std::string_view s_; // ends with the end marker
    size_t pos_ = 0;
    bool allowVariables_;
    FormulaProgram& program_;
    std::string& token_;
    int nesting_ = 0;
    int depth_ = 0;

    char Cur() const { return s_[pos_]; }

    void EmitOperand(Operand operand, uint8_t index = 0, long double value = 0)
    {
        const Op op = depth_ == 0 ? Op::Load : Op::Push;
        program_.steps.push_back({.op = op, .operand = operand, .index = index, .value = value});
        program_.stackDepth = std::max(program_.stackDepth, ++depth_);
    }

    // A binary operation whose right operand was just pushed takes it directly.
    void EmitOperation(Op op)
    {
        --depth_;
        if (!program_.steps.empty() && program_.steps.back().op == Op::Push) {
            program_.steps.back().op = op;
            return;
        }
        program_.steps.push_back({.op = op});
    }

    bool Fail(FormulaFault fault)
    {
        program_.steps.push_back({.op = Op::Fail, .fault = fault});
        return false;
    }

    bool Expression(bool topLevel)
    {
        if (++nesting_ > MaxFormulaNesting)
            return Fail(FormulaFault::TooDeep);
        if (!Term())
            return false;
        while (isSign(Cur())) {
            const Op op = Cur() == '+' ? Op::Add : Op::Subtract;
            ++pos_;
            if (!Term())
                return false;
            EmitOperation(op);
        }
        --nesting_;
        // At the top level nothing may follow: "(1))(" is not the number 1.
        if (topLevel ? Cur() != '\0' : !endsInnerExpression(Cur()))
            return Fail(FormulaFault::Syntax);
        return true;
    }

    bool Term()
    {
        if (!Factor())
            return false;
        for (;;) {
            Op op;
            switch (Cur()) {
            case '*':
                op = Op::Multiply;
                break;
            case '/':
                op = Op::Divide;
                break;
            case '^':
                op = Op::Power;
                break;
            default:
                return true;
            }
            ++pos_;
            if (!Factor())
                return false;
            EmitOperation(op);
        }
    }

    bool Factor()
    {
        if (Cur() == '(') {
            ++pos_;
            if (!Expression(false))
                return false;
            if (Cur() != ')')
                return Fail(FormulaFault::MissingBracket);
            ++pos_;
            return true;
        }
        if (Number() || Variable() || Constant())
            return true;
        for (size_t f = 0; f < FormulaFunctionNames.size(); ++f) {
            const std::string_view name = FormulaFunctionNames[f];
            if (!s_.substr(pos_).starts_with(name) || s_[pos_ + name.size()] != '(')
                continue;
            pos_ += name.size() + 1;
            if (!Expression(false))
                return false;
            if (Cur() != ')')
                return Fail(FormulaFault::MissingBracket);
            ++pos_;
            program_.steps.push_back({.op = Op::Function, .index = static_cast<uint8_t>(f)});
            return true;
        }
        return Fail(FormulaFault::Syntax);
    }

    // A number at the current position; leaves the position unchanged when
    // there is none (or it is followed by something a number cannot be).
    bool Number()
    {
        const char c = Cur();
        size_t end = pos_ + 1;
        long double value = 0;
        if (c == '$') {
            uint32_t hex = 0;
            while (isHexDigit(s_[end])) {
                hex = hex * 16 + static_cast<uint32_t>(isDigit(s_[end]) ? s_[end] - '0' : s_[end] - 'A' + 10);
                ++end;
            }
            const size_t length = end - pos_;
            if (length < 2 || length > 9)
                return false;
            // A 32-bit signed integer: the digits are its bits, so $80000000
            // and above are the negative ones ($FFFFFFFF is -1).
            value = static_cast<int32_t>(hex);
        } else {
            if (!isDigit(c) && !isSign(c) && c != '.')
                return false;
            token_.assign(1, c);
            for (;;) {
                const char d = s_[end];
                if (isDigit(d) || d == '.') {
                    token_ += d;
                    ++end;
                } else if (d == 'E') {
                    if (token_.back() == '.')
                        token_ += '0';
                    token_ += d;
                    ++end;
                    if (isSign(s_[end]))
                        token_ += s_[end++];
                } else {
                    break;
                }
            }
            if (token_[0] == '.')
                token_.insert(0, 1, '0');
            else if (isSign(token_[0]) && token_.size() > 1 && token_[1] == '.')
                token_.insert(1, 1, '0');
            if (token_.back() == '.' && token_.find('E') == std::string::npos)
                token_ += '0';
            if (!convertDecimal(token_, value))
                return false;
        }
        if (!endsOperand(s_[end]))
            return false;
        pos_ = end;
        EmitOperand(Operand::Constant, 0, value);
        return true;
    }

    // A variable mark, perhaps with the sign that belongs to it.
    bool Variable()
    {
        if (!allowVariables_)
            return false;
        size_t p = pos_;
        const bool negative = Cur() == '-';
        if (isSign(Cur()))
            ++p;
        if (static_cast<unsigned char>(s_[p]) != FormulaVariableMark)
            return false;
        const int index = static_cast<unsigned char>(s_[p + 1]) - FormulaVariableBase;
        if (index < 0 || index >= FormulaVariableCount || !endsOperand(s_[p + 2]))
            return false;
        pos_ = p + 2;
        EmitOperand(negative ? Operand::NegatedVariable : Operand::Variable, static_cast<uint8_t>(index));
        return true;
    }

    bool Constant()
    {
        const std::string_view rest = s_.substr(pos_);
        if (rest.starts_with("E") && endsConstant(rest[1])) {
            pos_ += 1;
            EmitOperand(Operand::Constant, 0, std::numbers::e_v<long double>);
            return true;
        }
        if (rest.starts_with("PI") && endsConstant(rest[2])) {
            pos_ += 2;
            EmitOperand(Operand::Constant, 0, std::numbers::pi_v<long double>);
            return true;
        }
        return false;
    }
};

} // namespace

const FormulaProgram& FormulaCompiler::Compile(std::string_view text, bool allowVariables)
{
    program_.steps.clear();
    program_.stackDepth = 0;

    prepared_.clear();
    long balance = 0;
    for (char c : text) {
        if (static_cast<unsigned char>(c) < '!')
            continue;
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        balance += c == '(' ? 1 : c == ')' ? -1 : 0;
        prepared_ += c;
    }
    if (balance != 0) {
        prepared_.clear();
        program_.steps.push_back({.op = FormulaStep::Op::Fail, .fault = FormulaFault::MissingBracket});
        return program_;
    }
    if (!prepared_.empty() && isSign(prepared_[0]))
        prepared_.insert(0, 1, '0');
    prepared_ += '\0';

    Parser(prepared_, allowVariables, program_, token_).Run();
    return program_;
}

std::string_view FormulaCompiler::Prepared() const
{
    return prepared_.empty() ? std::string_view() : std::string_view(prepared_).substr(0, prepared_.size() - 1);
}

} // namespace belvane
