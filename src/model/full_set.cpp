#include "model/full_set.h"

namespace belvane::model {

TComb CombinationAtRank(int64_t rank)
{
    TComb c{};
    int next = MinNumber;
    for (int pos = 0; pos < BallCount; ++pos) {
        const int left = BallCount - pos - 1; // numbers still to choose after this one
        for (int n = next;; ++n) {
            // Combinations that start with n at this position.
            const int64_t block = Binomial(MaxNumber - n, left);
            if (rank < block || n == MaxNumber - left) {
                c[static_cast<size_t>(pos)] = static_cast<Ball>(n);
                next = n + 1;
                break;
            }
            rank -= block;
        }
    }
    return c;
}

} // namespace belvane::model
