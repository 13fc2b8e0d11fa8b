#pragma once

// The update manifest: an INI text whose section named after the program
// offers a version (VerId), its description, the package's address and the
// package's SHA-256, followed by the maker's Ed25519 signature of everything
// before it:
//
//   [belvane]
//   VerId=1.2.3.45
//   Description=...
//   DownloadUrl=https://.../Belvane_1.2.3.45.tar
//   SHA256=<64 hexadecimal digits>
//   Files=belvane;belvane-cli;Belvane_6x45_ENG.lng
//   Expires=2025-07-01T00:00:00Z
//   [Signature]
//   Ed25519=<128 hexadecimal digits>
//
// Keys that would name programs to run or files to delete (ExecBefore,
// ExecAfter, DeleteBefore, DeleteAfter, OriginalFileName) are not read: an
// update only ever replaces the program's files with the package's.
//
// Files names every file the package installs: a package holding anything
// else is refused. Expires (UTC; also in section GlobalOptions) bounds how
// long a signed manifest is believed, so that an old one cannot be replayed
// to hide newer updates; a manifest without it is refused.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "update/program_version.h"
#include "support/translation.h"
#include "update/signature.h"

namespace belvane::update {

// The section the manifest offers this program's update in: the desktop
// program's file name (one package updates the whole installation).
inline constexpr std::string_view ProgramSection = "belvane";
inline constexpr std::string_view SignatureSection = "Signature";
inline constexpr std::string_view SignatureKey = "Ed25519";
inline constexpr std::string_view VerIdKey = "VerId";
inline constexpr std::string_view DescriptionKey = "Description";
inline constexpr std::string_view DownloadUrlKey = "DownloadUrl";
inline constexpr std::string_view Sha256Key = "SHA256";
inline constexpr std::string_view FilesKey = "Files";
inline constexpr std::string_view ExpiresKey = "Expires";
inline constexpr std::string_view GlobalSection = "GlobalOptions";

inline constexpr uint64_t MaxManifestSize = 64 << 10;

inline constexpr std::string_view UnsignedManifestMessage = BELVANE_TEXT("Описание обновлений не подписано.");
inline constexpr std::string_view BadSignatureMessage = BELVANE_TEXT("Подпись описания обновлений неверна.");
inline constexpr std::string_view MissingHashMessage =
    BELVANE_TEXT("В описании обновления нет правильной контрольной суммы SHA-256 файла обновления.");
inline constexpr std::string_view NoExpiryMessage =
    BELVANE_TEXT("В описании обновлений нет правильного срока действия (ключ Expires).");
inline constexpr std::string_view MissingFilesMessage =
    BELVANE_TEXT("В описании обновления нет списка файлов программы (ключ Files).");

// "Срок действия описания обновлений истёк %s." — an old manifest served again.
std::string ExpiredManifestText(std::string_view expiry);

struct UpdateManifest {
    bool HasProgramSection = false;
    ProgramVersion Version; // VerId; the running version when absent
    std::string Description;
    std::string DownloadUrl;        // empty: no update
    std::string PackageSha256;      // lower case
    std::vector<std::string> Files; // the package's files, relative "/"-separated names
    std::chrono::system_clock::time_point Expires;
};

// "YYYY-MM-DDTHH:MM:SSZ" or "YYYY-MM-DD" (midnight), UTC; nullopt for anything else.
std::optional<std::chrono::system_clock::time_point> ParseExpiry(std::string_view text);

// Checks the signature with key and reads the manifest file's bytes
// (Windows-1251, or UTF-8 after a byte-order mark). A missing or wrong
// signature, a missing expiry or one before now, or an offered package
// without a valid SHA-256 or list of files throws Error.
UpdateManifest ReadManifest(std::string_view bytes, const ProgramVersion& running, const PublicKey& key,
                            std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// The bytes the signature covers and the signature's hexadecimal text: the
// file up to the last line that reads "[Signature]", and that section's key.
struct SignedText {
    std::string_view Body;
    std::string SignatureHex;  // empty when there is none
    bool TrailingText = false; // the signature's section holds more than the signature
};
SignedText SplitSignature(std::string_view bytes);

// Whether the running program should be offered the manifest's version.
bool OffersUpdate(const UpdateManifest& manifest, const ProgramVersion& running);

} // namespace belvane::update
