#include "update/manifest.h"

#include <fmt/format.h>

#include "support/cp1251.h"
#include "support/error.h"
#include "support/ini_document.h"
#include "support/text.h"
#include "support/translation.h"
#include "update/package_archive.h"

namespace belvane::update {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string toUtf8(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Bom))
        return std::string(bytes.substr(kUtf8Bom.size()));
    return cp1251::toUtf8(bytes);
}

bool isHashText(std::string_view s)
{
    const auto bytes = ParseHex(s);
    return bytes && bytes->size() == 32;
}

std::optional<int> digits(std::string_view s, size_t at, size_t count)
{
    if (at + count > s.size())
        return std::nullopt;
    int v = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

std::vector<std::string> readFiles(std::string_view list)
{
    std::vector<std::string> files;
    for (std::string_view item : text::split(list, ";", true)) {
        item = text::trim(item);
        if (item.empty())
            continue;
        const auto name = SafeEntryName(item);
        if (!name)
            throw Error(support::Message("В описании обновления неверное имя файла \"{}\".", item));
        files.push_back(*name);
    }
    return files;
}

} // namespace

std::string ExpiredManifestText(std::string_view expiry)
{
    return support::Message("Срок действия описания обновлений истёк {}.", expiry);
}

std::optional<std::chrono::system_clock::time_point> ParseExpiry(std::string_view s)
{
    s = text::trim(s);
    if (s.size() != 10 && s.size() != 20)
        return std::nullopt;
    const auto year = digits(s, 0, 4), month = digits(s, 5, 2), day = digits(s, 8, 2);
    if (!year || !month || !day || s[4] != '-' || s[7] != '-')
        return std::nullopt;
    int hour = 0, minute = 0, second = 0;
    if (s.size() == 20) {
        const auto h = digits(s, 11, 2), m = digits(s, 14, 2), sec = digits(s, 17, 2);
        if (s[10] != 'T' || s[13] != ':' || s[16] != ':' || s[19] != 'Z' || !h || !m || !sec || *h > 23 || *m > 59 ||
            *sec > 59)
            return std::nullopt;
        hour = *h;
        minute = *m;
        second = *sec;
    }
    const std::chrono::year_month_day date{std::chrono::year(*year), std::chrono::month(static_cast<unsigned>(*month)),
                                           std::chrono::day(static_cast<unsigned>(*day))};
    if (!date.ok())
        return std::nullopt;
    return std::chrono::sys_days(date) + std::chrono::hours(hour) + std::chrono::minutes(minute) +
           std::chrono::seconds(second);
}

SignedText SplitSignature(std::string_view bytes)
{
    // The last line that is exactly "[Signature]" (a CR before its LF allowed).
    const std::string header = "[" + std::string(SignatureSection) + "]";
    size_t at = std::string_view::npos;
    for (size_t pos = bytes.rfind(header); pos != std::string_view::npos;
         pos = pos == 0 ? std::string_view::npos : bytes.rfind(header, pos - 1)) {
        const size_t end = pos + header.size();
        const bool lineStart = pos == 0 || bytes[pos - 1] == '\n';
        const std::string_view rest = bytes.substr(end);
        const bool lineEnd = rest.empty() || rest.starts_with("\n") || rest.starts_with("\r\n");
        if (lineStart && lineEnd) {
            at = pos;
            break;
        }
    }
    if (at == std::string_view::npos)
        return {bytes, {}};
    SignedText s{bytes.substr(0, at), {}, false};
    // The section holds the signature and nothing else.
    const std::string keyPrefix = std::string(SignatureKey) + "=";
    const std::vector<std::string_view> lines = text::splitLines(bytes.substr(at + header.size()));
    for (std::string_view line : lines) {
        line = text::trim(line);
        if (line.empty())
            continue;
        if (s.SignatureHex.empty() && line.starts_with(keyPrefix) && line.size() > keyPrefix.size())
            s.SignatureHex = std::string(text::trim(line.substr(keyPrefix.size())));
        else
            s.TrailingText = true;
    }
    return s;
}

UpdateManifest ReadManifest(std::string_view bytes, const ProgramVersion& running, const PublicKey& key,
                            std::chrono::system_clock::time_point now)
{
    if (bytes.size() > MaxManifestSize)
        throw Error(support::Message("Файл описания обновлений больше {} байт.", MaxManifestSize));
    const SignedText signedText = SplitSignature(bytes);
    if (signedText.SignatureHex.empty() && !signedText.TrailingText)
        throw Error(support::Text(UnsignedManifestMessage));
    const auto signature = ParseHex(signedText.SignatureHex);
    if (signedText.TrailingText || !signature || !VerifyEd25519(key, signedText.Body, *signature))
        throw Error(support::Text(BadSignatureMessage));

    const IniDocument ini = IniDocument::parse(toUtf8(signedText.Body));
    UpdateManifest m;
    m.HasProgramSection = ini.sectionExists(ProgramSection);
    const auto read = [&](std::string_view k) {
        const std::string value = ini.readString(ProgramSection, k);
        return std::string(text::trim(value));
    };
    const std::string verId = read(VerIdKey);
    m.Version = verId.empty() ? running : ParseVersion(verId);
    m.Description = read(DescriptionKey);
    m.DownloadUrl = read(DownloadUrlKey);
    m.PackageSha256 = read(Sha256Key);

    std::string expiry = read(ExpiresKey);
    if (expiry.empty()) {
        const std::string global = ini.readString(GlobalSection, ExpiresKey);
        expiry = std::string(text::trim(global));
    }
    const auto expires = ParseExpiry(expiry);
    if (!expires)
        throw Error(support::Text(NoExpiryMessage));
    if (*expires <= now)
        throw Error(ExpiredManifestText(expiry));
    m.Expires = *expires;
    for (char& c : m.PackageSha256)
        if (c >= 'A' && c <= 'F')
            c = static_cast<char>(c - 'A' + 'a');
    if (!m.DownloadUrl.empty() && !isHashText(m.PackageSha256))
        throw Error(support::Text(MissingHashMessage));
    m.Files = readFiles(read(FilesKey));
    if (!m.DownloadUrl.empty() && m.Files.empty())
        throw Error(support::Text(MissingFilesMessage));
    return m;
}

bool OffersUpdate(const UpdateManifest& manifest, const ProgramVersion& running)
{
    return manifest.HasProgramSection && !manifest.DownloadUrl.empty() && IsNewerBuild(running, manifest.Version);
}

} // namespace belvane::update
