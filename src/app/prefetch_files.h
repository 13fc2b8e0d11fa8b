#pragma once

// Prefetch files: each method's value distribution over the full set of
// combinations, "Prefetchs/Belvane_6x45_<ID>.dfc" in the data folder. One
// 12-byte record (key V1..V4, count) per value in ascending key order, then a
// 12-byte trailer: the smallest count, the largest count, 4 zero bytes.
//
// The files can always be counted again, so they are written without waiting
// for the disk; a system crash may then leave one cut short or holding other
// bytes. The layout itself is the check that finds such a file: the size is a
// whole number of records, the keys rise strictly, every count is positive,
// the trailer holds the records' own smallest and largest count and its zero
// bytes, and the counts add up to no more than the full set can give (64
// values per combination). A file that fails counts as missing and is built
// again; the statistics table reports it when it opens one.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "stats/stat_values.h"

namespace belvane {
class Host;
}

namespace belvane::stats {
class TStatList;
}

namespace belvane::app {

class DataFiles;

struct PrefetchData {
    std::vector<stats::TStatCount> Records;
    int32_t MinCount = 0;
    int32_t MaxCount = 0;
};

inline constexpr size_t PrefetchRecordSize = 12;
// No method has anywhere near this many values.
inline constexpr size_t MaxPrefetchRecords = 4'000'000;

// The file's records; throws Error on a read failure or a malformed or damaged file.
PrefetchData ReadPrefetchFile(const std::filesystem::path& path);
// Writes the records (already in ascending key order) and the trailer,
// through a temporary file and a rename, without waiting for the disk.
void WritePrefetchFile(const std::filesystem::path& path, const std::vector<stats::TStatCount>& records);
// Whether the file is there and passes every check of ReadPrefetchFile.
bool IsPrefetchFileIntact(const std::filesystem::path& path);

// The prefetch data of a registry entry for the statistics table: read from
// its file, built first when the file is missing or empty. nullopt when the
// method has no full-set form, or after a failure (shown through the host).
std::optional<PrefetchData> OpenPrefetch(Host& host, const stats::TStatList& list, int entry, const DataFiles& files);

// How many files a build wrote, and how many it failed to write (each failure shown).
struct PrefetchBuildResult {
    int Written = 0;
    int Failed = 0;
};

// Builds the files of every method with a full-set form whose file is missing
// or damaged, and those of the groups in groupMask (bit g = group g) even when present.
// Runs only when forced or when prefetch files are enabled. Shows progress and
// stops when cancelled.
PrefetchBuildResult BuildPrefetchFiles(Host& host, const stats::TStatList& list, const DataFiles& files, bool force,
                                       bool enabled, uint16_t groupMask);

// Deletes the file of a method whose values changed, so that it is counted
// again when next needed. A failure is shown; returns whether no file is left.
bool DeletePrefetchFile(Host& host, const DataFiles& files, std::string_view methodId);

// The method IDs with a full-set form in the groups of groupMask.
std::vector<std::string> PrefetchIdsOfGroups(const stats::TStatList& list, uint16_t groupMask);
// Deletes the files of these methods; returns whether none is left.
bool DeletePrefetchFiles(Host& host, const DataFiles& files, const std::vector<std::string>& methodIds);

// The group masks of the batch runs.
inline constexpr uint16_t AllPrefetchGroups = 0x1FFF;

} // namespace belvane::app
