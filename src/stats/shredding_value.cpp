#include "stats/shredding_value.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace belvane::stats {

namespace {

constexpr int kMaxDigits = 9;
constexpr int64_t kPowersOfTen[kMaxDigits + 1] = {1,      10,      100,      1000,      10000,
                                                  100000, 1000000, 10000000, 100000000, 1000000000};

// Far below one unit of the last digit kept, far above the error of an 80-bit
// quotient of numbers of the sizes formulas over lottery numbers produce.
constexpr long double kTolerance = 1e-9L;

} // namespace

int ShreddingDigits(long double x, int digits)
{
    if (!std::isfinite(x))
        return 0;
    digits = std::clamp(digits, 0, kMaxDigits);
    const long double a = std::fabs(x);
    const int64_t scale = kPowersOfTen[digits];
    const auto scaled = static_cast<int64_t>((a - std::trunc(a)) * static_cast<long double>(scale) + kTolerance);
    return scaled >= scale ? 0 : static_cast<int>(scaled);
}

FormulaValues ShreddingVariables(const TComb& n, const TComb& p, const TComb& t)
{
    FormulaValues v{};
    for (size_t i = 0; i < n.size(); ++i) {
        v[i] = n[i];
        v[6 + i] = p[i];
        v[12 + i] = t[i];
    }
    return v;
}

std::optional<std::string> ShreddingFormulaProblem(std::string_view text)
{
    const FormulaFault fault = Formula(text).GrammarFault();
    if (fault == FormulaFault::None)
        return std::nullopt;
    return std::string(FormulaFaultText(fault));
}

ShreddingFormula::ShreddingFormula(std::string_view text, int digits)
    : formula_(text), digits_(std::clamp(digits, MinShreddingDigits, MaxShreddingDigits))
{
}

int ShreddingFormula::value(const TComb& n, const TComb& p, const TComb& t) const
{
    const FormulaResult r = formula_.Evaluate(ShreddingVariables(n, p, t));
    return r.ok() ? ShreddingDigits(r.value, digits_) : 0;
}

} // namespace belvane::stats
