#include <gtest/gtest.h>

#include <cstdint>

#include "model/full_set.h"
#include "stats/shredding_value.h"

namespace belvane::stats {
namespace {

constexpr const char* kDefaultFormula = "(n1+n2+n3)/(n4+n5+n6)";

TEST(ShreddingValue, Examples)
{
    const ShreddingFormula f(kDefaultFormula, 2);
    EXPECT_EQ(f.value({1, 2, 3, 4, 5, 6}), 40);
    EXPECT_EQ(f.value({10, 20, 30, 5, 6, 7}), 33); // drawn order, 60/18
    EXPECT_EQ(ShreddingFormula("n1+n2", 2).value({1, 2, 3, 4, 5, 6}), 0);
    EXPECT_EQ(ShreddingFormula("(n1-n2)/3", 2).value({1, 2, 3, 4, 5, 6}), 33); // |-1/3|
    EXPECT_EQ(ShreddingFormula("(N1+N2+N3)/(N4+N5+N6)", 2).value({1, 2, 3, 4, 5, 6}), 40);
    EXPECT_EQ(ShreddingFormula(kDefaultFormula, 4).value({10, 20, 30, 5, 6, 7}), 3333);
    EXPECT_EQ(ShreddingFormula(kDefaultFormula, 1).value({10, 20, 30, 5, 6, 7}), 3);
}

TEST(ShreddingValue, TheDrawsBeforeAreVariables)
{
    const ShreddingFormula f("p1/t1+n1", 3);
    EXPECT_EQ(f.value({7, 8, 9, 10, 11, 12}, {1, 2, 3, 4, 5, 6}, {3, 4, 5, 6, 7, 8}), 333);
    EXPECT_EQ(ShreddingFormula("n6/p6/t6", 2).value({7, 8, 9, 10, 11, 12}, {1, 2, 3, 4, 5, 8}, {3, 4, 5, 6, 7, 5}), 30);
    // a combination valued on its own has zeros for the draws before
    EXPECT_EQ(f.value({7, 8, 9, 10, 11, 12}), 0);
    EXPECT_EQ(ShreddingFormula("n1/3+p1", 2).value({1, 2, 3, 4, 5, 6}), 33);
}

TEST(ShreddingValue, AnyFailureGivesZero)
{
    const TComb comb{1, 2, 3, 4, 5, 6};
    for (const char* text :
         {"", "n1/", "(n1+n2", "n1/(n2-n2)", "SQRT(n1-n2)", "LN(n1-1)", "n9", "n6^99999", "EXP(n6*10000)", "n1)+(n2"})
        EXPECT_EQ(ShreddingFormula(text, 2).value(comb), 0) << text;
}

// The dialog refuses a text that never reads, with the evaluator's message,
// and takes one that fails only for some numbers.
TEST(ShreddingValue, FormulaProblems)
{
    EXPECT_EQ(ShreddingFormulaProblem("(n1+n2"), "Не хватает скобочки");
    EXPECT_EQ(ShreddingFormulaProblem("n1)+(n2"), "Синтаксическая ошибка");
    EXPECT_EQ(ShreddingFormulaProblem("2PI*n1"), "Синтаксическая ошибка");
    EXPECT_EQ(ShreddingFormulaProblem("SIN(1,2)"), "Синтаксическая ошибка");
    EXPECT_EQ(ShreddingFormulaProblem(""), "Синтаксическая ошибка");
    EXPECT_EQ(ShreddingFormulaProblem("(n1+n2+n3)/(n4+n5+n6)"), std::nullopt);
    EXPECT_EQ(ShreddingFormulaProblem("n1/(n2-n2)"), std::nullopt);
    EXPECT_EQ(ShreddingFormulaProblem("sqrt(p1-t1)*N2"), std::nullopt);
}

TEST(ShreddingValue, DigitsOfTheFractionalPart)
{
    EXPECT_EQ(ShreddingDigits(0.4L, 2), 40);
    EXPECT_EQ(ShreddingDigits(-0.4L, 2), 40);
    EXPECT_EQ(ShreddingDigits(123.456789L, 4), 4567);
    EXPECT_EQ(ShreddingDigits(0.999L, 2), 99);
    EXPECT_EQ(ShreddingDigits(7, 3), 0);
    // 13/10 is held as 1.2999...: still 30
    EXPECT_EQ(ShreddingDigits(13.0L / 10.0L, 2), 30);
    // a value a hair below a whole number is that whole number: 0, never 100
    EXPECT_EQ(ShreddingDigits(3.0L - 1e-15L, 2), 0);
    EXPECT_EQ(ShreddingDigits(1e30L, 2), 0);
    EXPECT_EQ(ShreddingDigits(0.123456789L, 0), 0);
    EXPECT_EQ(ShreddingDigits(0.25L, 9), 250000000);
}

TEST(ShreddingValue, DigitCountIsLimited)
{
    EXPECT_EQ(ShreddingFormula(kDefaultFormula, 0).digits(), MinShreddingDigits);
    EXPECT_EQ(ShreddingFormula(kDefaultFormula, 5).digits(), MaxShreddingDigits);
    EXPECT_EQ(ShreddingFormula(kDefaultFormula, 3).digits(), 3);
}

// The digits of num/den against integer arithmetic: floor(num * 10^d / den) mod 10^d.
TEST(ShreddingValue, AgreesWithIntegerArithmetic)
{
    const Formula f("n1/n2");
    ASSERT_TRUE(f.IsCompiledWithVariables());
    FormulaValues v{};
    for (uint32_t den = 1; den <= 300; ++den) {
        for (uint32_t num = 0; num <= 1000; ++num) {
            v[0] = num;
            v[1] = den;
            const long double x = f.Evaluate(v).value;
            int64_t scale = 1;
            for (int d = 1; d <= MaxShreddingDigits; ++d) {
                scale *= 10;
                const int64_t expected = static_cast<int64_t>(num) * scale / den % scale;
                ASSERT_EQ(ShreddingDigits(x, d), expected) << num << "/" << den << " d=" << d;
            }
        }
    }
}

// The default formula over a sample of the full set, against the same integer
// arithmetic.
TEST(ShreddingValue, DefaultFormulaOverTheFullSet)
{
    const ShreddingFormula f(kDefaultFormula, 2);
    for (int64_t rank = 0; rank < model::FullSetSize; rank += 997) {
        const TComb c = model::CombinationAtRank(rank);
        const int num = c[0] + c[1] + c[2];
        const int den = c[3] + c[4] + c[5];
        ASSERT_EQ(f.value(c), num * 100 / den % 100) << rank;
    }
}

} // namespace
} // namespace belvane::stats
