#include "helpers/test_certificate.h"

#include <cstdio>
#include <memory>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <random>
#include <stdexcept>

namespace belvane::testing {
namespace {

struct KeyDeleter {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct CertDeleter {
    void operator()(X509* cert) const { X509_free(cert); }
};
struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

void require(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(std::string("test certificate: ") + what);
}

void addExtension(X509* cert, int nid, const char* value)
{
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, cert, cert, nullptr, nullptr, 0);
    X509_EXTENSION* ext = X509V3_EXT_conf_nid(nullptr, &ctx, nid, value);
    require(ext != nullptr, value);
    const int added = X509_add_ext(cert, ext, -1);
    X509_EXTENSION_free(ext);
    require(added == 1, value);
}

} // namespace

TestCertificate MakeTestCertificate(const std::filesystem::path& folder)
{
    std::unique_ptr<EVP_PKEY, KeyDeleter> key(EVP_EC_gen("P-256"));
    require(key != nullptr, "key");
    std::unique_ptr<X509, CertDeleter> cert(X509_new());
    require(cert != nullptr, "certificate");

    X509_set_version(cert.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), static_cast<long>(std::random_device{}() & 0x7FFFFFFF));
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), -3600);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), 24 * 3600);
    require(X509_set_pubkey(cert.get(), key.get()) == 1, "public key");
    X509_NAME* name = X509_get_subject_name(cert.get());
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1,
                               0);
    X509_set_issuer_name(cert.get(), name);
    addExtension(cert.get(), NID_basic_constraints, "critical,CA:TRUE");
    addExtension(cert.get(), NID_key_usage, "critical,keyCertSign,digitalSignature");
    addExtension(cert.get(), NID_ext_key_usage, "serverAuth");
    addExtension(cert.get(), NID_subject_key_identifier, "hash");
    addExtension(cert.get(), NID_subject_alt_name, "IP:127.0.0.1");
    require(X509_sign(cert.get(), key.get(), EVP_sha256()) > 0, "signature");

    TestCertificate files{folder / "test-ca.pem", folder / "test-key.pem"};
    {
        std::unique_ptr<FILE, FileCloser> out(std::fopen(files.CertificateFile.c_str(), "wb"));
        require(out && PEM_write_X509(out.get(), cert.get()) == 1, "certificate file");
    }
    {
        std::unique_ptr<FILE, FileCloser> out(std::fopen(files.KeyFile.c_str(), "wb"));
        require(out && PEM_write_PrivateKey(out.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) == 1,
                "key file");
    }
    return files;
}

} // namespace belvane::testing
