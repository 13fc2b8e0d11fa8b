#include "fuzz_support.h"

#include <openssl/evp.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <system_error>

#include <fmt/format.h>

namespace belvane::fuzz {

namespace fs = std::filesystem;

namespace {

fs::path MakeScratchDir()
{
    std::error_code ec;
    fs::path base = "/dev/shm";
    if (!fs::is_directory(base, ec))
        base = fs::temp_directory_path();
    fs::path dir = base / fmt::format("belvane-fuzz-{}", getpid());
    fs::remove_all(dir, ec);
    fs::create_directories(dir);
    return dir;
}

void RemoveScratchDir()
{
    std::error_code ec;
    fs::remove_all(ScratchDir(), ec);
}

// A fixed key: the signatures it makes are the same on every run, so a
// corpus entry signed once stays signed.
constexpr unsigned char kSeed[32] = {0x42, 0x65, 0x6c, 0x76, 0x61, 0x6e, 0x65, 0x20, 0x36, 0x78, 0x34,
                                     0x35, 0x20, 0x66, 0x75, 0x7a, 0x7a, 0x20, 0x6b, 0x65, 0x79, 0x01,
                                     0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a, 0x0b};

EVP_PKEY* FuzzKey()
{
    static EVP_PKEY* key = [] {
        EVP_PKEY* k = EVP_PKEY_new_raw_private_key(EVP_PKEY_ED25519, nullptr, kSeed, sizeof kSeed);
        if (k == nullptr)
            throw std::runtime_error("no Ed25519 key");
        return k;
    }();
    return key;
}

} // namespace

const fs::path& ScratchDir()
{
    static const fs::path dir = [] {
        fs::path d = MakeScratchDir();
        std::atexit(RemoveScratchDir);
        return d;
    }();
    return dir;
}

fs::path WriteScratchFile(std::string_view name, std::string_view bytes)
{
    const fs::path file = ScratchDir() / name;
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + file.string());
    return file;
}

fs::path FreshScratchFolder(std::string_view name)
{
    const fs::path folder = ScratchDir() / name;
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

const update::PublicKey& FuzzPublicKey()
{
    static const update::PublicKey key = [] {
        update::PublicKey k{};
        size_t size = k.size();
        if (EVP_PKEY_get_raw_public_key(FuzzKey(), k.data(), &size) != 1 || size != k.size())
            throw std::runtime_error("no Ed25519 public key");
        return k;
    }();
    return key;
}

std::string SignWithFuzzKey(std::string_view body)
{
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    unsigned char signature[64];
    size_t size = sizeof signature;
    if (EVP_DigestSignInit(ctx.get(), nullptr, nullptr, nullptr, FuzzKey()) != 1 ||
        EVP_DigestSign(ctx.get(), signature, &size, reinterpret_cast<const unsigned char*>(body.data()), body.size()) !=
            1)
        throw std::runtime_error("signing failed");
    std::string text(body);
    text += "[Signature]\r\nEd25519=";
    for (size_t i = 0; i < size; ++i)
        text += fmt::format("{:02x}", signature[i]);
    text += "\r\n";
    return text;
}

} // namespace belvane::fuzz
