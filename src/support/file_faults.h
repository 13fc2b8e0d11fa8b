#pragma once

// Fault injection for the file layer, for tests: makes the reads or writes of
// chosen files fail as a broken or full disk would, without a real one. Off
// unless a test (or BELVANE_FILE_FAULTS in a process a test starts) arms it.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace belvane::files {

enum class FaultKind {
    Read,  // a whole-file read stops half-way with EIO
    Write, // a save fails half-way with ENOSPC
    Space, // the disk of the file reports FreeBytes free (never counted down)
};

struct Fault {
    FaultKind Kind = FaultKind::Write;
    std::string FileName;   // the file name (no folder) it hits; empty: every file
    int Count = 1;          // how many operations fail; negative: every one
    uint64_t FreeBytes = 0; // Space: what the disk reports free
};

void injectFault(const Fault& fault);
void clearFaults();

// Arms the faults listed in BELVANE_FILE_FAULTS: "<read|write>:<file name or *>:<count>"
// or "space:<file name or *>:<free bytes>", several separated by ";". Returns false (arming nothing) for a malformed
// value.
bool injectFaultsFromEnvironment();
bool injectFaultsFromText(std::string_view text);

// Whether the next operation of that kind on `fileName` fails; counts it down.
// The error number it fails with, or 0.
int takeFault(FaultKind kind, std::string_view fileName);

// The free space a Space fault makes the disk of `fileName` report, if one is armed.
std::optional<uint64_t> injectedFreeSpace(std::string_view fileName);

} // namespace belvane::files
