#include "update/update_fetch.h"

#include <fmt/format.h>
#include <sys/stat.h>

#include "support/cp1251.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/translation.h"
#include "support/url.h"

namespace belvane::update {
namespace fs = std::filesystem;

std::string FileNotFoundText(std::string_view file)
{
    return support::Message("Файл \"{}\" не найден!", file);
}

void FetchToFile(std::string_view location, const fs::path& destination, uint64_t maxSize, http::RequestOptions options)
{
    if (http::IsHttpsUrl(location)) {
        options.MaxSize = maxSize;
        http::HttpGetToFile(location, destination, options);
        return;
    }
    if (http::IsHttpUrl(location))
        throw Error(support::Message("Адрес \"{}\" не защищён: обновления загружаются только по https://.", location));
    const fs::path source(location);
    std::error_code ec;
    if (!fs::is_regular_file(source, ec))
        throw Error(FileNotFoundText(location));
    files::FileChunkReader reader(source, maxSize);
    files::AtomicFileWriter writer(destination, files::DiskFlush::Skip);
    std::vector<char> buffer(1 << 16);
    while (const size_t n = reader.read(buffer.data(), buffer.size())) {
        if (options.Cancelled && options.Cancelled())
            throw http::TransferCancelled();
        writer.write(std::string_view(buffer.data(), n));
    }
    writer.commit();
}

std::string ResolveLocation(std::string_view manifestLocation, std::string_view location)
{
    if (http::IsHttpUrl(location) || fs::path(location).is_absolute())
        return std::string(location);
    if (http::IsHttpUrl(manifestLocation))
        return http::UrlDirectory(manifestLocation) + std::string(location);
    return (fs::path(manifestLocation).parent_path() / fs::path(location)).string();
}

std::string FetchDescription(std::string_view manifestLocation, std::string_view language, int locale,
                             std::string_view versionText, const fs::path& workFolder,
                             const http::RequestOptions& options)
{
    std::vector<std::string> names;
    if (!language.empty()) {
        names.push_back(fmt::format("UpdDescr_{}_{}.txt", language, versionText));
        names.push_back(fmt::format("UpdDescr_{}_{}.txt", locale, versionText));
    }
    names.push_back(fmt::format("UpdDescr_{}.txt", versionText));
    const fs::path copy = workFolder / fmt::format("UpdDescr_{}.txt", versionText);
    for (const std::string& name : names) {
        try {
            FetchToFile(ResolveLocation(manifestLocation, "UpdDescr/" + name), copy, MaxDescriptionSize, options);
            const std::string bytes = files::readFile(copy, MaxDescriptionSize);
            std::error_code ec;
            fs::remove(copy, ec);
            constexpr std::string_view bom = "\xEF\xBB\xBF";
            return bytes.starts_with(bom) ? bytes.substr(bom.size()) : cp1251::toUtf8(bytes);
        } catch (const http::TransferCancelled&) {
            throw;
        } catch (const Error&) {
            // The next form of the name, if any.
        }
    }
    std::error_code ec;
    fs::remove(copy, ec);
    return support::Text(NoDescriptionText);
}

} // namespace belvane::update
