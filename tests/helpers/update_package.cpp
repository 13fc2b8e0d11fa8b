#include "helpers/update_package.h"

#include <array>
#include <cstring>
#include <fmt/format.h>
#include <memory>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <cstdio>
#include <stdexcept>

#include "support/cp1251.h"

namespace belvane::testing {
namespace {

void putOctal(std::array<char, 512>& h, size_t offset, size_t width, uint64_t value)
{
    const std::string digits = fmt::format("{:0{}o}", value, width - 1);
    std::memcpy(h.data() + offset, digits.data(), std::min(digits.size(), width - 1));
}

void putText(std::array<char, 512>& h, size_t offset, size_t width, std::string_view text)
{
    std::memcpy(h.data() + offset, text.data(), std::min(text.size(), width));
}

} // namespace

std::string MakeUstar(const std::vector<TarEntry>& entries)
{
    std::string out;
    for (const TarEntry& e : entries) {
        std::array<char, 512> h{};
        std::string_view name = e.name;
        if (name.size() > 100) {
            const size_t slash = name.find('/', name.size() - 101);
            putText(h, 345, 155, name.substr(0, slash));
            name = name.substr(slash + 1);
        }
        putText(h, 0, 100, name);
        putOctal(h, 100, 8, e.mode);
        putOctal(h, 108, 8, 0);
        putOctal(h, 116, 8, 0);
        putOctal(h, 124, 12, e.type == '0' || e.type == 'x' ? e.data.size() : 0);
        putOctal(h, 136, 12, 1700000000);
        h[156] = e.type;
        putText(h, 157, 100, e.link);
        putText(h, 257, 6, std::string_view("ustar\0", 6));
        putText(h, 263, 2, "00");
        std::memset(h.data() + 148, ' ', 8);
        unsigned sum = 0;
        for (char c : h)
            sum += static_cast<unsigned char>(c);
        const std::string checksum = fmt::format("{:06o}", sum);
        std::memcpy(h.data() + 148, checksum.data(), 6);
        h[154] = '\0';
        out.append(h.data(), h.size());
        if (e.type == '0' || e.type == 'x') {
            out += e.data;
            out.append((512 - e.data.size() % 512) % 512, '\0');
        }
    }
    out.append(1024, '\0');
    return out;
}

TestSigningKey::TestSigningKey() : key_(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519"))
{
    if (key_ == nullptr)
        throw std::runtime_error("no Ed25519 key");
}

TestSigningKey::~TestSigningKey()
{
    EVP_PKEY_free(key_);
}

update::PublicKey TestSigningKey::publicKey() const
{
    update::PublicKey key{};
    size_t size = key.size();
    if (EVP_PKEY_get_raw_public_key(key_, key.data(), &size) != 1 || size != key.size())
        throw std::runtime_error("no public key");
    return key;
}

std::string TestSigningKey::signHex(std::string_view message) const
{
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    unsigned char signature[64];
    size_t size = sizeof signature;
    if (EVP_DigestSignInit(ctx.get(), nullptr, nullptr, nullptr, key_) != 1 ||
        EVP_DigestSign(ctx.get(), signature, &size, reinterpret_cast<const unsigned char*>(message.data()),
                       message.size()) != 1)
        throw std::runtime_error("signing failed");
    std::string hex;
    for (size_t i = 0; i < size; ++i)
        hex += fmt::format("{:02x}", signature[i]);
    return hex;
}

void TestSigningKey::writePem(const std::filesystem::path& file) const
{
    std::unique_ptr<FILE, decltype(&std::fclose)> out(std::fopen(file.c_str(), "wb"), std::fclose);
    if (!out || PEM_write_PrivateKey(out.get(), key_, nullptr, nullptr, 0, nullptr, nullptr) != 1)
        throw std::runtime_error("cannot write the key");
}

std::string TestSigningKey::signManifest(std::string_view body) const
{
    return std::string(body) + "[Signature]\r\nEd25519=" + signHex(body) + "\r\n";
}

std::string ManifestBody(std::string_view version, std::string_view downloadUrl, std::string_view sha256,
                         std::string_view extraLines, std::string_view files, std::string_view expires)
{
    return cp1251::fromUtf8(
        fmt::format("[belvane]\r\nVerId={}\r\nDescription=Исправления\r\nDownloadUrl={}\r\nSHA256={}"
                    "\r\nFiles={}\r\nExpires={}\r\n{}",
                    version, downloadUrl, sha256, files, expires, extraLines));
}

std::string FilesOf(const std::vector<TarEntry>& entries)
{
    std::string out;
    for (const TarEntry& e : entries) {
        if (e.type != '0')
            continue;
        if (!out.empty())
            out += ';';
        out += e.name;
    }
    return out;
}

} // namespace belvane::testing
