#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace belvane::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir();

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

// Raw file contents, and writing them without any of the program's machinery.
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

// A file of ../shared/data, or an empty path when that folder is absent (tests
// that need it skip then).
std::filesystem::path sharedDataFile(std::string_view name);

} // namespace belvane::testing

// Skips the current test when the shared real-data file is missing.
#define BELVANE_REQUIRE_SHARED_DATA(var, name)                                                                         \
    const std::filesystem::path var = ::belvane::testing::sharedDataFile(name);                                        \
    if (var.empty())                                                                                                   \
    GTEST_SKIP() << "shared data file " << name << " is absent"
