#pragma once

// Data-parallel loops over an index range, in chunks, on every core. The
// calling thread takes part and is the only one that reports progress, so a
// progress callback may talk to the person; results that must keep their
// order are written per chunk and joined by the caller.

#include <cstddef>
#include <functional>

namespace belvane {

// Number of worker threads loops use (the cores of the machine, at least 1).
unsigned WorkerCount();

// Calls work(begin, end, worker) for consecutive chunks of [0, n), each of at
// most chunkSize indexes, on WorkerCount() threads; `worker` is 0..WorkerCount()-1
// and tells which per-thread state to use. After each chunk the calling thread
// finishes, progress(done, n) is called with the indexes done so far; when it
// returns false no further chunk is started. Returns whether every chunk ran.
// An exception thrown by work stops the loop and is rethrown here.
bool ParallelChunks(size_t n, size_t chunkSize, const std::function<void(size_t, size_t, unsigned)>& work,
                    const std::function<bool(size_t, size_t)>& progress = {});

} // namespace belvane
