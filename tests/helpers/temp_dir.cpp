#include "helpers/build_paths.h"
#include "helpers/temp_dir.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace belvane::testing {
namespace fs = std::filesystem;

TempDir::TempDir()
{
    std::string pattern = (fs::temp_directory_path() / "belvane-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

fs::path sharedDataFile(std::string_view name)
{
    const char* env = std::getenv("BELVANE_SHARED_DATA");
    const fs::path folder = env && *env ? fs::path(env) : SharedDataDir();
    const fs::path file = folder / name;
    std::error_code ec;
    return fs::is_regular_file(file, ec) ? file : fs::path();
}

} // namespace belvane::testing
