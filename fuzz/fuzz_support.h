#pragma once

// What the fuzz targets share: a scratch folder in memory for the readers
// that take a file, a host that shows nothing, and a fixed signing key for
// manifests that pass the signature check.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "support/error.h"
#include "support/host.h"
#include "update/signature.h"

namespace belvane::fuzz {

// The input as text.
inline std::string_view AsText(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// Takes the input apart: leading bytes steer the target, the rest is data.
class InputReader {
public:
    InputReader(const uint8_t* data, size_t size) : rest_(AsText(data, size)) {}
    uint8_t Byte()
    {
        if (rest_.empty())
            return 0;
        const auto b = static_cast<uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    // Up to the next "\n" (dropped), or everything left.
    std::string_view Line()
    {
        const size_t end = rest_.find('\n');
        const std::string_view line = rest_.substr(0, end);
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return line;
    }
    std::string_view Rest() const { return rest_; }

private:
    std::string_view rest_;
};

// A folder of this process, in memory where the system has /dev/shm, removed at exit.
const std::filesystem::path& ScratchDir();
// Writes bytes to ScratchDir()/name (replacing it) and returns its path.
std::filesystem::path WriteScratchFile(std::string_view name, std::string_view bytes);
// An empty folder ScratchDir()/name, emptied first when it exists.
std::filesystem::path FreshScratchFolder(std::string_view name);

class NullHost : public Host {
public:
    void showMessage(MessageKind, std::string_view, std::string_view) override {}
    bool askYesNo(std::string_view, std::string_view, bool defaultYes) override { return defaultYes; }
    std::optional<int> askNumber(std::string_view, std::string_view, int, int, int) override { return std::nullopt; }

protected:
    void showStatus(std::string_view) override {}
    void progressOpened(int64_t, bool) override {}
    void progressMoved(int64_t, int64_t) override {}
    void progressClosed() override {}
};

// The public half of the fuzz targets' own Ed25519 key, and the manifest
// body signed with it ("[Signature]\r\nEd25519=..." appended).
const update::PublicKey& FuzzPublicKey();
std::string SignWithFuzzKey(std::string_view body);

} // namespace belvane::fuzz
