#include "model/combinatorics.h"

namespace belvane::model {

long double Factorial(int n)
{
    long double r = 1;
    for (int i = 2; i <= n && i <= 255; ++i)
        r *= i;
    return r;
}

} // namespace belvane::model
