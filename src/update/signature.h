#pragma once

// What makes an update authentic: the SHA-256 of the package, and the
// Ed25519 signature of the manifest that names it, checked against a public
// key the program carries.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace belvane::update {

using PublicKey = std::array<uint8_t, 32>;
inline constexpr size_t SignatureSize = 64;

// The key the maker signs manifests with (scripts/sign-update.sh prints it).
const PublicKey& BuiltInPublicKey();

// Lower-case hexadecimal SHA-256 of the file; throws Error when it cannot be read.
std::string Sha256OfFile(const std::filesystem::path& file, uint64_t maxSize);
std::string Sha256Hex(std::string_view bytes);

// Whether signature is key's Ed25519 signature of message. Anything
// malformed is simply not a valid signature.
bool VerifyEd25519(const PublicKey& key, std::string_view message, std::span<const uint8_t> signature);

// Bytes of a hexadecimal text (either case, no separators); nullopt for anything else.
std::optional<std::vector<uint8_t>> ParseHex(std::string_view text);

} // namespace belvane::update
