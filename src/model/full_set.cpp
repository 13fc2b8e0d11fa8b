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

void FillCombinations(int64_t rank, std::span<TComb> out)
{
    if (out.empty())
        return;
    static_assert(BallCount == 6);
    const TComb first = CombinationAtRank(rank);
    // One loop per position. On the way down to the first combination each
    // loop starts where `first` has it; once the last number has run through
    // once, every loop starts just above the position before it. Everything
    // stays in registers.
    constexpr int top = MaxNumber;
    bool fresh = false;
    size_t i = 0;
    for (int n0 = first[0]; n0 <= top - 5; ++n0)
        for (int n1 = fresh ? n0 + 1 : first[1]; n1 <= top - 4; ++n1)
            for (int n2 = fresh ? n1 + 1 : first[2]; n2 <= top - 3; ++n2)
                for (int n3 = fresh ? n2 + 1 : first[3]; n3 <= top - 2; ++n3)
                    for (int n4 = fresh ? n3 + 1 : first[4]; n4 <= top - 1; ++n4) {
                        for (int n5 = fresh ? n4 + 1 : first[5]; n5 <= top; ++n5) {
                            out[i] = TComb{static_cast<Ball>(n0), static_cast<Ball>(n1), static_cast<Ball>(n2),
                                           static_cast<Ball>(n3), static_cast<Ball>(n4), static_cast<Ball>(n5)};
                            if (++i == out.size())
                                return;
                        }
                        fresh = true;
                    }
}

} // namespace belvane::model
