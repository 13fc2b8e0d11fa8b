#pragma once

// The names of the program's files inside its data folder.

#include <filesystem>
#include <string_view>

namespace belvane::app {

inline constexpr std::string_view ProgramBaseName = "Belvane_6x45";

class DataFiles {
public:
    explicit DataFiles(std::filesystem::path folder) : folder_(std::move(folder)) {}

    const std::filesystem::path& folder() const { return folder_; }

    std::filesystem::path config() const { return named(".ini"); }      // game configuration
    std::filesystem::path windowState() const { return named(".frm"); } // window placement and view settings
    std::filesystem::path filterList() const { return named(".flt"); }  // favourite methods, captions
    std::filesystem::path draws() const { return named(".ldr"); }       // the draws archive
    std::filesystem::path stakes() const { return named(".lsk"); }
    std::filesystem::path ratings() const { return named(".lrt"); }
    std::filesystem::path tables() const { return named(".ltb"); } // regular stakes
    std::filesystem::path scenario() const { return named(".lss"); }
    std::filesystem::path combsBuffer() const { return named(".~buff"); }
    std::filesystem::path prefetchFolder() const { return folder_ / "Prefetchs"; }
    std::filesystem::path prefetch(std::string_view methodId) const;

private:
    std::filesystem::path named(std::string_view extension) const;

    std::filesystem::path folder_;
};

} // namespace belvane::app
