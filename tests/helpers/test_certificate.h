#pragma once

#include <filesystem>

namespace belvane::testing {

// A self-signed certificate for 127.0.0.1 (its own CA), made fresh with its
// key: what a TLS test server presents and what BELVANE_CA_FILE names so that
// a client trusts it.
struct TestCertificate {
    std::filesystem::path CertificateFile; // PEM
    std::filesystem::path KeyFile;         // PEM, unencrypted
};

// Writes the two files into the folder.
TestCertificate MakeTestCertificate(const std::filesystem::path& folder);

} // namespace belvane::testing
