#include "support/parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace belvane {

unsigned WorkerCount()
{
    static const unsigned count = std::max(1u, std::thread::hardware_concurrency());
    return count;
}

bool ParallelChunks(size_t n, size_t chunkSize, const std::function<void(size_t, size_t, unsigned)>& work,
                    const std::function<bool(size_t, size_t)>& progress)
{
    if (n == 0)
        return true;
    chunkSize = std::max<size_t>(chunkSize, 1);
    const size_t chunks = (n + chunkSize - 1) / chunkSize;
    std::atomic<size_t> nextChunk{0};
    std::atomic<size_t> done{0};
    std::atomic<bool> stop{false};
    std::exception_ptr failure;
    std::mutex failureLock;

    auto run = [&](unsigned worker, bool reports) {
        while (!stop.load(std::memory_order_relaxed)) {
            const size_t c = nextChunk.fetch_add(1);
            if (c >= chunks)
                break;
            const size_t begin = c * chunkSize;
            const size_t end = std::min(n, begin + chunkSize);
            try {
                work(begin, end, worker);
            } catch (...) {
                std::lock_guard lock(failureLock);
                if (!failure)
                    failure = std::current_exception();
                stop = true;
                break;
            }
            const size_t total = done.fetch_add(end - begin) + (end - begin);
            if (reports && progress && !progress(total, n))
                stop = true;
        }
    };

    const unsigned workers = static_cast<unsigned>(std::min<size_t>(WorkerCount(), chunks));
    std::vector<std::thread> threads;
    for (unsigned w = 1; w < workers; ++w)
        threads.emplace_back(run, w, false);
    run(0, true);
    for (auto& t : threads)
        t.join();
    if (failure)
        std::rethrow_exception(failure);
    return !stop && done == n;
}

} // namespace belvane
