#include "combs/ordered_pass.h"

#include <cstring>
#include <vector>

#include "support/parallel.h"

namespace belvane::combs {
namespace {

// Large enough to amortise the hand-over, small enough for even shares and steady progress.
constexpr size_t kChunk = 1 << 18;

} // namespace

OrderedPassResult OrderedParallelPass(size_t n, model::TComb* out,
                                      const std::function<size_t(size_t, size_t, model::TComb*)>& produce,
                                      const std::function<bool(size_t, size_t)>& progress)
{
    const size_t chunks = (n + kChunk - 1) / kChunk;
    std::vector<size_t> kept(chunks, 0);
    std::vector<uint8_t> ran(chunks, 0); // one byte per chunk: each thread writes its own
    OrderedPassResult result;
    result.Complete = ParallelChunks(
        n, kChunk,
        [&](size_t begin, size_t end, unsigned) {
            kept[begin / kChunk] = produce(begin, end, out + begin);
            ran[begin / kChunk] = 1;
        },
        progress);

    for (size_t c = 0; c < chunks; ++c) {
        if (!ran[c])
            continue;
        if (result.Count != c * kChunk && kept[c] > 0)
            std::memmove(out + result.Count, out + c * kChunk, kept[c] * sizeof(model::TComb));
        result.Count += kept[c];
    }
    return result;
}

} // namespace belvane::combs
