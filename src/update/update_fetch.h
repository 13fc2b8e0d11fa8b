#pragma once

// Bringing the manifest, the description and the package into the work
// folder. A location is an "https://" address (fetched with TLS verified) or
// a file path (copied); a plain "http://" address is refused. Every copy
// has a size cap and replaces its destination only once complete.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "support/http.h"

#include "support/translation.h"

namespace belvane::update {

inline constexpr uint64_t MaxDescriptionSize = 64 << 10;
inline constexpr std::string_view NoDescriptionText = BELVANE_TEXT("< Описание обновления не доступно >");

// "Файл \"%s\" не найден!"
std::string FileNotFoundText(std::string_view file);

// Copies or downloads location into destination.
void FetchToFile(std::string_view location, const std::filesystem::path& destination, uint64_t maxSize,
                 http::RequestOptions options = {});

// A location the manifest names, relative to the manifest's own: an address
// or an absolute path stays as it is, anything else is taken from the
// manifest's folder (or address directory).
std::string ResolveLocation(std::string_view manifestLocation, std::string_view location);

// The update's description from the folder "UpdDescr" beside the manifest:
// "UpdDescr_<language>_<version>.txt", "UpdDescr_<locale>_<version>.txt",
// "UpdDescr_<version>.txt" (only the last without a language), the first
// that can be fetched, copied through workFolder and removed from it again.
// NoDescriptionText when none can be.
std::string FetchDescription(std::string_view manifestLocation, std::string_view language, int locale,
                             std::string_view versionText, const std::filesystem::path& workFolder,
                             const http::RequestOptions& options = {});

} // namespace belvane::update
