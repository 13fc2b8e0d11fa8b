#pragma once

// Prefetch files: each method's value distribution over the full set of
// combinations, "Prefetchs/Belvane_6x45_<ID>.dfc" in the data folder. One
// 12-byte record (key V1..V4, count) per value in ascending key order, then a
// 12-byte trailer: the smallest count, the largest count, 4 zero bytes.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "stats/stat_values.h"

namespace belvane::stats {
class TStatList;
}

namespace belvane::app {

class DataFiles;
class Host;

struct PrefetchData {
    std::vector<stats::TStatCount> Records;
    int32_t MinCount = 0;
    int32_t MaxCount = 0;
};

inline constexpr size_t PrefetchRecordSize = 12;
// No method has anywhere near this many values.
inline constexpr size_t MaxPrefetchRecords = 4'000'000;

// The file's records; throws Error on a read failure or a malformed file.
PrefetchData ReadPrefetchFile(const std::filesystem::path& path);
// Writes the records (already in ascending key order) and the trailer, atomically.
void WritePrefetchFile(const std::filesystem::path& path, const std::vector<stats::TStatCount>& records);

// The prefetch data of a registry entry for the statistics table: read from
// its file, built first when the file is missing or empty. nullopt when the
// method has no full-set form, or after a failure (shown through the host).
std::optional<PrefetchData> OpenPrefetch(Host& host, const stats::TStatList& list, int entry, const DataFiles& files);

// Builds the files of every method with a full-set form whose file is missing,
// and those of the groups in groupMask (bit g = group g) even when present.
// Runs only when forced or when prefetch files are enabled. Shows progress and
// stops when cancelled. Returns the number of files written.
int BuildPrefetchFiles(Host& host, const stats::TStatList& list, const DataFiles& files, bool force, bool enabled,
                       uint16_t groupMask);

// Deletes the file of a method whose values changed, so that it is counted
// again when next needed. A failure is shown; returns whether no file is left.
bool DeletePrefetchFile(Host& host, const DataFiles& files, std::string_view methodId);

// The group masks of the batch runs.
inline constexpr uint16_t AllPrefetchGroups = 0x1FFF;

} // namespace belvane::app
