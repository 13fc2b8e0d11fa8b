#pragma once

// The shredding value: a user formula over six numbers (and the numbers of the
// two draws before), reduced to the first decimal digits of the fractional
// part of its value. (n1+n2+n3)/(n4+n5+n6) for 1 2 3 4 5 6 is 0.4, value 40.

#include <optional>
#include <string>
#include <string_view>

#include "model/game.h"
#include "support/formula.h"

namespace belvane::stats {

using model::TComb;

// The digit counts a shredding method offers: values up to 9999 still fit the
// 16-bit key part V1.
inline constexpr int MinShreddingDigits = 1;
inline constexpr int MaxShreddingDigits = 4;

// The first `digits` (0..9) decimal digits of the fractional part of |x| as an
// integer 0 .. 10^digits - 1. A tolerance far below one unit of the last digit
// is added before truncating, so a value such as 13/10, held in binary as
// 1.29999..., gives 30 and not 29; a result that reaches 10^digits is 0.
int ShreddingDigits(long double x, int digits);

// The formula variables n1..n6, p1..p6, t1..t6: the numbers valued and the
// numbers of the draw before and of the draw two before (zeros for a draw
// that does not exist).
FormulaValues ShreddingVariables(const TComb& n, const TComb& p, const TComb& t);

// What the shredding formulas dialog says of a formula text before taking it:
// the evaluator's message when the text does not read as a formula whatever
// the numbers ("Синтаксическая ошибка", "Не хватает скобочки"), else nothing.
// A formula that fails only for some numbers (1/(n1-n2)) is accepted: it
// gives 0 there.
std::optional<std::string> ShreddingFormulaProblem(std::string_view text);

// One shredding formula with its digit count, compiled once.
class ShreddingFormula {
public:
    // digits is brought into MinShreddingDigits..MaxShreddingDigits.
    ShreddingFormula(std::string_view text, int digits);

    const Formula& formula() const { return formula_; }
    int digits() const { return digits_; }

    // The shredding value, 0 when the formula fails for these numbers.
    // Thread-safe; allocates nothing when the formula compiled with variables.
    int value(const TComb& n, const TComb& p, const TComb& t) const;
    // A combination valued on its own: p and t are zeros.
    int value(const TComb& n) const { return value(n, TComb{}, TComb{}); }

private:
    Formula formula_;
    int digits_;
};

} // namespace belvane::stats
