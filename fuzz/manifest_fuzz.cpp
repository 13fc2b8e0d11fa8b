// The update manifest "SelfUpdates.inf": INI text from the network, signed
// by the maker. The first byte chooses whether the rest is taken as it came
// (the signature check must refuse it unless it is signed) or is signed first
// with the fuzz targets' own key, so that what follows the check is reached:
// the program section, its version, address and package hash.

#include <cstdlib>

#include "fuzz_support.h"
#include "update/manifest.h"
#include "update/program_version.h"
#include "update/signature.h"

using namespace belvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::InputReader input(data, size);
    const bool sign = (input.Byte() & 1) != 0;
    const std::string_view rest = input.Rest();
    if (rest.size() > update::MaxManifestSize)
        return 0; // the download refuses it
    const std::string bytes = sign ? fuzz::SignWithFuzzKey(rest) : std::string(rest);

    const update::SignedText split = update::SplitSignature(bytes);
    if (split.Body.size() > bytes.size())
        std::abort();
    (void)update::ParseHex(split.SignatureHex);

    const update::ProgramVersion running = update::ParseVersion("1.0.0.10");
    try {
        const update::UpdateManifest manifest = update::ReadManifest(bytes, running, fuzz::FuzzPublicKey());
        if (update::OffersUpdate(manifest, running)) {
            // An offered package always comes with its hash.
            if (manifest.PackageSha256.size() != 64 || !update::ParseHex(manifest.PackageSha256))
                std::abort();
        }
        (void)manifest.Version.Text();
        if (!(update::ParseVersion(manifest.Version.Text()) == manifest.Version))
            std::abort();
    } catch (const Error&) {
    }
    // Never valid under the maker's key.
    try {
        (void)update::ReadManifest(bytes, running, update::BuiltInPublicKey());
        if (sign)
            std::abort();
    } catch (const Error&) {
    }
    return 0;
}
