#include "update/signature.h"

#include <memory>
#include <openssl/evp.h>

#include "support/error.h"
#include "support/file_io.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::update {
namespace {

// The maker's update key; its private half never enters the repository.
constexpr PublicKey kMakerKey = {0x12, 0x14, 0xc1, 0x95, 0x13, 0xcd, 0x7d, 0x9b, 0xe6, 0x30, 0x0b,
                                 0x19, 0xa1, 0xfd, 0x51, 0x74, 0xc3, 0x77, 0x5e, 0xe4, 0xea, 0x89,
                                 0x9f, 0x92, 0x92, 0x03, 0x0e, 0x64, 0x5e, 0x03, 0x22, 0xc8};

struct DigestFree {
    void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};
struct KeyFree {
    void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
using DigestContext = std::unique_ptr<EVP_MD_CTX, DigestFree>;

std::string hexOf(const unsigned char* bytes, size_t n)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(n * 2);
    for (size_t i = 0; i < n; ++i) {
        out += kDigits[bytes[i] >> 4];
        out += kDigits[bytes[i] & 15];
    }
    return out;
}

class Sha256 {
public:
    Sha256() : ctx_(EVP_MD_CTX_new())
    {
        if (!ctx_ || EVP_DigestInit_ex(ctx_.get(), EVP_sha256(), nullptr) != 1)
            throw Error(support::Text("SHA-256 недоступен"));
    }
    void add(const void* data, size_t n)
    {
        if (EVP_DigestUpdate(ctx_.get(), data, n) != 1)
            throw Error(support::Text("SHA-256 недоступен"));
    }
    std::string hex()
    {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int size = 0;
        if (EVP_DigestFinal_ex(ctx_.get(), digest, &size) != 1)
            throw Error(support::Text("SHA-256 недоступен"));
        return hexOf(digest, size);
    }

private:
    DigestContext ctx_;
};

} // namespace

const PublicKey& BuiltInPublicKey()
{
    return kMakerKey;
}

std::string Sha256OfFile(const std::filesystem::path& file, uint64_t maxSize)
{
    files::FileChunkReader reader(file, maxSize);
    Sha256 sha;
    std::vector<char> buffer(1 << 16);
    while (const size_t n = reader.read(buffer.data(), buffer.size()))
        sha.add(buffer.data(), n);
    return sha.hex();
}

std::string Sha256Hex(std::string_view bytes)
{
    Sha256 sha;
    sha.add(bytes.data(), bytes.size());
    return sha.hex();
}

bool VerifyEd25519(const PublicKey& key, std::string_view message, std::span<const uint8_t> signature)
{
    if (signature.size() != SignatureSize)
        return false;
    std::unique_ptr<EVP_PKEY, KeyFree> pkey(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, key.data(), key.size()));
    DigestContext ctx(EVP_MD_CTX_new());
    if (!pkey || !ctx || EVP_DigestVerifyInit(ctx.get(), nullptr, nullptr, nullptr, pkey.get()) != 1)
        return false;
    return EVP_DigestVerify(ctx.get(), signature.data(), signature.size(),
                            reinterpret_cast<const unsigned char*>(message.data()), message.size()) == 1;
}

std::optional<std::vector<uint8_t>> ParseHex(std::string_view text)
{
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::vector<uint8_t> out;
    out.reserve(text.size() / 2);
    for (size_t i = 0; i < text.size(); i += 2) {
        const int hi = belvane::text::hexDigitValue(text[i]);
        const int lo = belvane::text::hexDigitValue(text[i + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        out.push_back(static_cast<uint8_t>(hi * 16 + lo));
    }
    return out;
}

} // namespace belvane::update
