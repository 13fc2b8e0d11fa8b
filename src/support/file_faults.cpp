#include "support/file_faults.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "support/text.h"

namespace belvane::files {
namespace {

std::mutex faultsMutex;
std::vector<Fault> faults;
std::atomic<bool> armed{false}; // the unarmed path takes no lock

} // namespace

void injectFault(const Fault& fault)
{
    std::lock_guard lock(faultsMutex);
    faults.push_back(fault);
    armed = true;
}

void clearFaults()
{
    std::lock_guard lock(faultsMutex);
    faults.clear();
    armed = false;
}

bool injectFaultsFromText(std::string_view value)
{
    std::vector<Fault> parsed;
    for (std::string_view item : text::split(value, ";", true)) {
        const auto parts = text::split(item, ":", false);
        if (parts.size() != 3)
            return false;
        Fault f;
        if (parts[0] == "read")
            f.Kind = FaultKind::Read;
        else if (parts[0] == "write")
            f.Kind = FaultKind::Write;
        else if (parts[0] == "space")
            f.Kind = FaultKind::Space;
        else
            return false;
        f.FileName = parts[1] == "*" ? std::string() : std::string(parts[1]);
        if (f.Kind == FaultKind::Space) {
            const auto bytes = text::parseInt64(parts[2]);
            if (!bytes || *bytes < 0)
                return false;
            f.FreeBytes = static_cast<uint64_t>(*bytes);
            parsed.push_back(std::move(f));
            continue;
        }
        const auto count = text::parseInt(parts[2]);
        if (!count)
            return false;
        f.Count = *count;
        parsed.push_back(std::move(f));
    }
    for (const Fault& f : parsed)
        injectFault(f);
    return true;
}

bool injectFaultsFromEnvironment()
{
    const char* value = std::getenv("BELVANE_FILE_FAULTS");
    return value == nullptr || injectFaultsFromText(value);
}

int takeFault(FaultKind kind, std::string_view fileName)
{
    if (!armed)
        return 0;
    std::lock_guard lock(faultsMutex);
    for (Fault& f : faults) {
        if (f.Kind != kind || kind == FaultKind::Space || f.Count == 0 ||
            (!f.FileName.empty() && f.FileName != fileName))
            continue;
        if (f.Count > 0)
            --f.Count;
        return kind == FaultKind::Read ? EIO : ENOSPC;
    }
    return 0;
}

std::optional<uint64_t> injectedFreeSpace(std::string_view fileName)
{
    if (!armed)
        return std::nullopt;
    std::lock_guard lock(faultsMutex);
    for (const Fault& f : faults)
        if (f.Kind == FaultKind::Space && (f.FileName.empty() || f.FileName == fileName))
            return f.FreeBytes;
    return std::nullopt;
}

} // namespace belvane::files
