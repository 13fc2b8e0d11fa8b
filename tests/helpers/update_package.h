#pragma once

// Update packages and manifests for the tests: ustar archives built entry by
// entry (hostile ones too), and a throwaway Ed25519 key pair that signs
// manifests the way scripts/sign-update.sh does.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "update/signature.h"

typedef struct evp_pkey_st EVP_PKEY;

namespace belvane::testing {

struct TarEntry {
    std::string name;
    std::string data;
    char type = '0'; // '0' file, '5' folder, '1' hard link, '2' symbolic link, '3' device, 'x' pax...
    unsigned mode = 0644;
    std::string link; // for links
};

// A ustar archive of the entries (names over 100 bytes go partly into the prefix field).
std::string MakeUstar(const std::vector<TarEntry>& entries);

class TestSigningKey {
public:
    TestSigningKey();
    ~TestSigningKey();
    TestSigningKey(const TestSigningKey&) = delete;
    TestSigningKey& operator=(const TestSigningKey&) = delete;

    update::PublicKey publicKey() const;
    std::string signHex(std::string_view message) const;
    // The private key as an unencrypted PEM file (what scripts/sign-update.sh reads).
    void writePem(const std::filesystem::path& file) const;
    // body followed by "[Signature]\r\nEd25519=<signature of body>\r\n".
    std::string signManifest(std::string_view body) const;

private:
    EVP_PKEY* key_ = nullptr;
};

inline constexpr std::string_view DefaultPackageFiles = "belvane;belvane-cli";
inline constexpr std::string_view FarExpiry = "2099-12-31T00:00:00Z";

// The program section of a manifest ("[belvane]\r\nVerId=...\r\n...") with
// the package's files and the manifest's expiry, then extraLines.
std::string ManifestBody(std::string_view version, std::string_view downloadUrl, std::string_view sha256,
                         std::string_view extraLines = "", std::string_view files = DefaultPackageFiles,
                         std::string_view expires = FarExpiry);
// The names of the entries' files joined by ";" (the manifest's Files).
std::string FilesOf(const std::vector<TarEntry>& entries);

} // namespace belvane::testing
