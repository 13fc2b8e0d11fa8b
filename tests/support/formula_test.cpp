#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>
#include <string>

#include "support/formula.h"
#include "support/formula_eval.h"

namespace belvane {
namespace {

using Fault = FormulaFault;

struct ValueCase {
    const char* text;
    long double expected;
};

TEST(FormulaEvaluator, Values)
{
    constexpr long double pi = std::numbers::pi_v<long double>;
    constexpr long double e = std::numbers::e_v<long double>;
    const ValueCase cases[] = {
        // a leading sign applies to zero; blanks vanish, inside numbers too
        {"-3+5", 2},
        {"+5", 5},
        {"-2^2", -4},
        {"2 * ( 3 + 4 )", 14},
        {"1 000", 1000},
        {" 1\t2\r\n", 12},
        // one precedence for * / ^, left to right; + and - left to right
        {"2^3^2", 64},
        {"2*3^2", 36},
        {"8/2/2", 2},
        {"7-2-1", 4},
        {"1+2*3", 7},
        // a sign after an operator or "(" belongs to the number
        {"2^-1", 0.5},
        {"2*-3", -6},
        {"2--3", 5},
        {"(-3)", -3},
        {"(+3)*2", 6},
        // numbers
        {"$FF", 255},
        {"$ff", 255},
        {".5", 0.5},
        {"5.", 5},
        {"-.5", -0.5},
        {"1.E2", 100},
        {".E1", 0},
        {"1E+2", 100},
        {"2E-1", 0.2L},
        {"2*.5", 1},
        {"1E-5000", 0}, // below the smallest value: zero
        {"10/4", 2.5},
        // constants and functions, either letter case
        {"PI", pi},
        {"2*pi", 2 * pi},
        {"E", e},
        {"E^2", e * e},
        {"sqrt(16)", 4},
        {"SQRT(16)", 4},
        {"SQR(3)", 9},
        {"SQR(-3)+SQRT(SQR(4))", 13},
        {"EXP(1)", e},
        {"LN(E)", 1},
        {"LOG(100)", 2},
        {"ABS(-2.5)", 2.5},
        {"ARCTAN(1)", pi / 4},
        {"COS(0)", 1},
        {"SIN(0)", 0},
        {"TAN(0)", 0},
        {"INT(2.5)", 2},
        {"INT(3.5)", 4},
        {"INT(-2.5)", -2},
        {"INT(2.6)", 3},
        {"ROUND(-3.5)", -4},
        {"ROUND(0.49)", 0},
        {"TRUNC(-2.7)", -2},
        {"TRUNC(2.7)", 2},
        {"FRAC(-2.75)", -0.75},
        {"FRAC(2.75)", 0.75},
        {"ARCSIN(1)", pi / 2},
        {"ARCSIN(-1)", -pi / 2},
        {"ARCSIN(0.5)", pi / 6},
        {"ARCCOS(1)", 0},
        {"ARCCOS(-1)", pi},
        {"ARCCOS(0)", pi / 2},
        {"SIGN(-3)", -1},
        {"SIGN(0.1)", 1},
        {"SIGN(0)", 0},
        {"NOT(0)", -1},
        {"NOT(5.9)", -6},
        {"NOT(-1)", 0},
        // powers
        {"2^0.5", std::sqrt(2.0L)},
        {"0^0", 1},
        {"0^2.5", 0},
        {"(-2)^3", -8},
        {"(-8)^-1", -0.125},
        {"4^-0.5", 0.5},
        {"2^62", 4611686018427387904.0L},
    };
    for (const auto& c : cases) {
        const FormulaResult r = EvaluateFormulaText(c.text);
        ASSERT_TRUE(r.ok()) << c.text << ": " << FormulaFaultText(r.fault);
        EXPECT_NEAR(static_cast<double>(r.value), static_cast<double>(c.expected),
                    1e-15 * std::max(1.0, std::fabs(static_cast<double>(c.expected))))
            << c.text;
    }
}

// "$" and one to eight hex digits are the bits of a 32-bit signed integer.
TEST(FormulaEvaluator, HexLiteralsAreSigned32BitIntegers)
{
    EXPECT_EQ(EvaluateFormulaText("$0").value, 0);
    EXPECT_EQ(EvaluateFormulaText("$7FFFFFFF").value, 2147483647);
    EXPECT_EQ(EvaluateFormulaText("$80000000").value, -2147483648.0L);
    EXPECT_EQ(EvaluateFormulaText("$FFFFFFFF").value, -1);
    EXPECT_EQ(EvaluateFormulaText("$ffffffff").value, -1);
    EXPECT_EQ(EvaluateFormulaText("$0FFFFFFFF").fault, Fault::Syntax); // nine digits, whatever their value
    EXPECT_EQ(EvaluateFormulaText("$FFFFFFFF+1").value, 0);
    EXPECT_EQ(EvaluateFormulaText("-$FFFFFFFF").value, 1);
    EXPECT_EQ(EvaluateFormulaText("ABS($80000000)").value, 2147483648.0L);
}

TEST(FormulaEvaluator, ExactWhereTheArithmeticIsExact)
{
    EXPECT_EQ(EvaluateFormulaText("2^-1").value, 0.5L);
    EXPECT_EQ(EvaluateFormulaText("3^40").value, 12157665459056928801.0L); // below 2^64: exact
    for (const char* text : {"LOG(10)", "LOG(1000)", "LOG(1E6)", "LOG(1E18)"})
        EXPECT_EQ(EvaluateFormulaText(text).value, RoundHalfEven(EvaluateFormulaText(text).value)) << text;
    EXPECT_EQ(EvaluateFormulaText("1/3").value, 1.0L / 3.0L); // 80-bit, not double
}

struct FaultCase {
    const char* text;
    Fault expected;
};

TEST(FormulaEvaluator, Faults)
{
    const FaultCase cases[] = {
        {"", Fault::Syntax},
        {"   ", Fault::Syntax},
        {"SQRT 16", Fault::Syntax}, // the name is not followed by "("
        {"2PI", Fault::Syntax},
        {"2E", Fault::Syntax},
        {"1.2.3", Fault::Syntax},
        {"$", Fault::Syntax},
        {"$123456789", Fault::Syntax}, // more than eight hex digits
        {"$FG", Fault::Syntax},
        {"2*-$1", Fault::Syntax}, // a sign belongs only to a decimal number
        {"PIE", Fault::Syntax},
        {"E2", Fault::Syntax},
        {"ABC", Fault::Syntax},
        {"SIN()", Fault::Syntax},
        {"2*", Fault::Syntax},
        {"*2", Fault::Syntax},
        {"2**3", Fault::Syntax},
        {"n1+1", Fault::Syntax},   // a text without variables
        {"1E5000", Fault::Syntax}, // too large to be a number
        {"(1)(2)", Fault::Syntax},
        {"(1)2", Fault::Syntax},
        {"тираж", Fault::Syntax},
        {"(1+2", Fault::MissingBracket},
        {"1)", Fault::MissingBracket},
        {"SIN(1,2)", Fault::Syntax}, // a number is not followed by ","
        {"SIN(PI,2)", Fault::Syntax},
        {"SIN((1),2)", Fault::MissingBracket},
        {"(ABS(1),2)", Fault::MissingBracket},
        {"((1)<2)", Fault::MissingBracket},
        {"1/0", Fault::DivisionByZero},
        {"0/0", Fault::DivisionByZero},
        {"1/(2-2)", Fault::DivisionByZero},
        {"0^-1", Fault::DivisionByZero},
        {"0^-0.5", Fault::DivisionByZero},
        {"1E4000/1E-4000", Fault::DivisionByZero}, // any fault of a division
        {"LN(0)", Fault::LogOfNonPositive},
        {"LOG(-1)", Fault::LogOfNonPositive},
        {"SQRT(-1)", Fault::RootOfNegative},
        {"ARCSIN(1.0001)", Fault::FloatingPoint},
        {"ARCCOS(-2)", Fault::FloatingPoint},
        {"EXP(100000)", Fault::FloatingPoint},
        {"10^5000", Fault::FloatingPoint},
        {"1E4000*1E4000", Fault::FloatingPoint},
        {"1E4932+1E4932", Fault::FloatingPoint},
        {"-1E4932-1E4932", Fault::FloatingPoint},
        {"SQR(1E3000)", Fault::FloatingPoint},
        {"(-8)^0.5", Fault::FloatingPoint},
        {"2^100000", Fault::FloatingPoint},
        {"(1E-3000)^-2", Fault::FloatingPoint},
        {"NOT(1E19)", Fault::FloatingPoint},
        {"NOT(-1E19)", Fault::FloatingPoint},
    };
    for (const auto& c : cases) {
        const FormulaResult r = EvaluateFormulaText(c.text);
        EXPECT_EQ(r.fault, c.expected) << c.text << " gave " << static_cast<double>(r.value);
    }
}

// Text left after a complete expression is an error, not the value of the
// part before it.
TEST(FormulaEvaluator, NothingFollowsTheWholeExpression)
{
    for (const char* text : {"(1))(", "(1))((2)", "2)*(3", "1<2", "1=1", "1>0", "1,2"})
        EXPECT_EQ(EvaluateFormulaText(text).fault, Fault::Syntax) << text;
}

// Operations are applied as soon as their operands are read, so a fault of
// the part read before a syntax error is the one reported.
TEST(FormulaEvaluator, FaultsInReadingOrder)
{
    EXPECT_EQ(EvaluateFormulaText("1/0*(2+)").fault, Fault::DivisionByZero);
    EXPECT_EQ(EvaluateFormulaText("1/(0+)").fault, Fault::Syntax);
    EXPECT_EQ(EvaluateFormulaText("SQRT((-1),2)").fault, Fault::MissingBracket);
    EXPECT_EQ(EvaluateFormulaText("SQRT(-1)+)(").fault, Fault::RootOfNegative);
    EXPECT_EQ(EvaluateFormulaText("(1/0").fault, Fault::MissingBracket); // brackets are counted first
}

TEST(FormulaEvaluator, NestingIsBounded)
{
    const auto nested = [](int depth) {
        return std::string(static_cast<size_t>(depth), '(') + "1" + std::string(static_cast<size_t>(depth), ')');
    };
    EXPECT_EQ(EvaluateFormulaText(nested(150)).value, 1);
    EXPECT_EQ(EvaluateFormulaText(nested(100000)).fault, Fault::TooDeep);
    std::string calls;
    for (int i = 0; i < 100000; ++i)
        calls += "ABS(";
    calls += "1" + std::string(100000, ')');
    EXPECT_EQ(EvaluateFormulaText(calls).fault, Fault::TooDeep);
    // a long flat text needs no depth
    std::string sum = "1";
    for (int i = 0; i < 100000; ++i)
        sum += "+1";
    EXPECT_EQ(EvaluateFormulaText(sum).value, 100001);
}

TEST(FormulaEvaluator, ParserThrowsTheMessages)
{
    const std::pair<const char*, const char*> cases[] = {
        {"ARCSIN(2)", "Ошибка в операции с плавающей точкой"},
        {"LN(-1)", "Выражение под логарифмом меньне нуля"},
        {"SQRT(-4)", "Выражение под корнем меньне нуля"},
        {"1/0", "Деление на нуль"},
        {"(1+2", "Не хватает скобочки"},
        {"2PI", "Синтаксическая ошибка"},
    };
    TRxMathParser parser;
    for (const auto& [text, message] : cases) {
        try {
            parser.Evaluate(text);
            ADD_FAILURE() << text << " evaluated";
        } catch (const Error& e) {
            EXPECT_NE(dynamic_cast<const ERxParserError*>(&e), nullptr);
            EXPECT_STREQ(e.what(), message) << text;
        }
    }
    EXPECT_EQ(parser.Evaluate("1+1"), 2);
}

TEST(FormulaEvaluator, RoundHalfEven)
{
    EXPECT_EQ(RoundHalfEven(0.5L), 0);
    EXPECT_EQ(RoundHalfEven(1.5L), 2);
    EXPECT_EQ(RoundHalfEven(-1.5L), -2);
    EXPECT_EQ(RoundHalfEven(-0.5L), 0);
    EXPECT_EQ(RoundHalfEven(2.4999999L), 2);
    EXPECT_EQ(RoundHalfEven(1e30L), 1e30L);
}

FormulaValues valuesOf(std::initializer_list<uint32_t> list)
{
    FormulaValues v{};
    std::copy(list.begin(), list.end(), v.begin());
    return v;
}

TEST(FormulaSubstitution, ReplacesEveryVariableInEitherCase)
{
    FormulaValues v{};
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = static_cast<uint32_t>(i + 1);
    EXPECT_EQ(SubstituteFormulaVariables("n1+N1*p2-T6/t1", v), "1+1*8-18/13");
    EXPECT_EQ(SubstituteFormulaVariables("n7+x1+n0", v), "n7+x1+n0");
    // the passes run 1..6 in turn over the text as it stands: n1 gives "n5",
    // which the fifth pass replaces
    v[0] = 5;
    EXPECT_EQ(SubstituteFormulaVariables("nn1", v), "5");
    EXPECT_EQ(SubstituteFormulaVariables("n12", v), "52");
}

TEST(Formula, VariablesStandingAloneCompileOnce)
{
    for (const char* text : {"(n1+n2+n3)/(n4+n5+n6)", "N1*p2-T3", "2^-n1", "-n1^2", "SIN(n1)", "(-t6)", "n1", "+n1",
                             "2*+p3", "1.-n2", "1+2", "n1 + n2", "(1+2", "n7"})
        EXPECT_TRUE(Formula(text).IsCompiledWithVariables()) << text;
    for (const char* text : {"2n1", "n1 0", "n1n2", "nn1", "1E-n1", "1E+n1", "n1.5", ".n1", "$n1", "PIn1", "n1E2",
                             "SIN n1", "n1(2)", "SIN(n1,2)"})
        EXPECT_FALSE(Formula(text).IsCompiledWithVariables()) << text;
}

TEST(Formula, GluedVariablesReadAsTheirText)
{
    const FormulaValues v = valuesOf({5, 7, 0, 0, 3});
    EXPECT_EQ(Formula("2n1").Evaluate(v).value, 25);
    EXPECT_EQ(Formula("n1 0").Evaluate(v).value, 50);
    EXPECT_EQ(Formula("n1n2").Evaluate(v).value, 57);
    EXPECT_EQ(Formula("nn1").Evaluate(v).value, 3); // "n5"
    EXPECT_EQ(Formula("1E-n1").Evaluate(v).value, 1e-5L);
    EXPECT_EQ(Formula("n1.5").Evaluate(v).value, 5.5);
    EXPECT_EQ(Formula("$n1").Evaluate(v).value, 5);
    EXPECT_EQ(Formula("PIn1").Evaluate(v).fault, Fault::Syntax);
}

TEST(Formula, EvaluatesWithTheValuesAndThrowsTheMessage)
{
    const Formula f("(n1+n2+n3)/(n4+n5+n6)");
    EXPECT_EQ(f.Evaluate(valuesOf({1, 2, 3, 4, 5, 6})).value, 6.0L / 15.0L);
    EXPECT_EQ(f.EvaluateOrThrow(valuesOf({10, 20, 30, 5, 6, 7})), 60.0L / 18.0L);
    try {
        f.EvaluateOrThrow(FormulaValues{});
        ADD_FAILURE();
    } catch (const ERxParserError& e) {
        EXPECT_STREQ(e.what(), "Деление на нуль");
    }
    EXPECT_EQ(Formula("").Evaluate(FormulaValues{}).fault, Fault::Syntax);
    EXPECT_EQ(Formula("n1/(n2))*(n3").Evaluate(valuesOf({1, 2, 3})).fault, Fault::Syntax);
}

// What the text itself gets wrong, before any value: a fault that only some
// values meet is not one, even when evaluating meets it first.
TEST(Formula, GrammarFaultWhateverTheValues)
{
    const std::pair<const char*, Fault> cases[] = {
        {"(n1+n2+n3)/(n4+n5+n6)", Fault::None},
        {"1/(n1-n1)", Fault::None},
        {"LN(n1-n1)+SQRT(-t1)", Fault::None},
        {"2n1+n1 0", Fault::None}, // glued variables read as their digits
        {"1/(n1-n1)+*", Fault::Syntax},
        {"", Fault::Syntax},
        {"n7", Fault::Syntax},
        {"n1PI", Fault::Syntax},
        {"SIN(n1,2)", Fault::Syntax},
        {"(n1+n2", Fault::MissingBracket},
        {"SIN((n1),2)", Fault::MissingBracket},
    };
    for (const auto& [text, fault] : cases)
        EXPECT_EQ(Formula(text).GrammarFault(), fault) << text;
}

// The compiled formula gives exactly what substituting the values and reading
// the text gives, for formulas of either kind.
TEST(Formula, BothWaysOfEvaluatingAgree)
{
    const char* const texts[] = {
        "(n1+n2+n3)/(n4+n5+n6)",
        "(n4+n5+n6)/(n1+n2+n3)",
        "(n1+n3+n5)/(n2+n4+n6)",
        "n1/n2^p1",
        "-n1^2+t6",
        "2^-n2/3",
        "SQRT(n1*n2)/LN(n3)",
        "n1/(n2-p2)",
        "(n1-n2)/3",
        "ARCSIN(n1/45)*p1-t1",
        "n1/0+)",
        "n1/(n2))*(n3",
        "2n1/n3",
        "n1 0/n2",
        "n1n2/n3",
        "nn1/7",
        "1E-n1*n2",
        "n1.5/n2",
        "$n1/3",
        "LOG(-n1+p1)",
        "NOT(n1)/n2",
        "FRAC(t1/p1)",
        "n1^n2^n3",
        "-n6",
        "2*-p3/(+t4)",
        "((n1)))(",
    };
    std::mt19937 random(20);
    std::uniform_int_distribution<uint32_t> number(0, 45);
    for (const char* text : texts) {
        const Formula f(text);
        for (int round = 0; round < 300; ++round) {
            FormulaValues v{};
            for (auto& x : v)
                x = round % 7 == 0 ? 0 : number(random);
            const FormulaResult compiled = f.Evaluate(v);
            const FormulaResult substituted = EvaluateFormulaText(SubstituteFormulaVariables(text, v));
            ASSERT_EQ(compiled.fault, substituted.fault) << text;
            if (compiled.ok()) {
                ASSERT_EQ(compiled.value, substituted.value) << text;
            }
        }
    }
}

// The same over random texts made of pieces that glue to variables in every
// way the grammar allows.
TEST(Formula, BothWaysAgreeOnRandomTexts)
{
    const char* const pieces[] = {"n1", "n2", "p1", "t6", "N3", "n", "1", "0",    "5", ".", "E", "PI", "+",
                                  "-",  "*",  "/",  "^",  "(",  ")", " ", "SIN(", "$", ",", "2", "E-", "LN("};
    std::mt19937 random(2015);
    std::uniform_int_distribution<size_t> piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<size_t> length(1, 12);
    std::uniform_int_distribution<uint32_t> number(0, 45);
    int compiled = 0;
    int valued = 0; // compiled with variables and evaluated to a number
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (size_t n = length(random); n > 0; --n)
            text += pieces[piece(random)];
        const Formula f(text);
        compiled += f.IsCompiledWithVariables();
        for (int k = 0; k < 3; ++k) {
            FormulaValues v{};
            for (auto& x : v)
                x = number(random);
            const FormulaResult a = f.Evaluate(v);
            const FormulaResult b = EvaluateFormulaText(SubstituteFormulaVariables(text, v));
            ASSERT_EQ(a.fault, b.fault) << text;
            if (a.ok()) {
                ASSERT_EQ(a.value, b.value) << text;
                valued += f.IsCompiledWithVariables() && f.Text().find_first_of("nNpt") != std::string::npos;
            }
        }
    }
    EXPECT_GT(compiled, 1000); // both ways were taken
    EXPECT_GT(valued, 100);
}

} // namespace
} // namespace belvane
