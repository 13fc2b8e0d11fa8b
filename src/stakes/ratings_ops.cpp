#include "stakes/ratings_ops.h"

#include <fmt/format.h>
#include <vector>

#include "stakes/pass_progress.h"
#include "stakes/stake_fields.h"
#include "stakes/ratings_texts.h"
#include "support/cp1251.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

constexpr size_t kBlockRecords = 4096;

// Keeps the bytes of a ratings file that could not be read before the first
// save replaces it.
void keepBadFile(Ratings& ratings)
{
    if (!ratings.loadFailed())
        return;
    std::error_code ec;
    if (std::filesystem::exists(ratings.file(), ec)) {
        const std::filesystem::path bad = BadRatingsPath(ratings.file());
        std::filesystem::copy_file(ratings.file(), bad, std::filesystem::copy_options::overwrite_existing, ec);
        if (ec)
            throw Error(fmt::format("{}: {}", bad.filename().string(), ec.message()));
    }
    ratings.setLoadFailed(false);
}

} // namespace

std::filesystem::path BadRatingsPath(const std::filesystem::path& ratingsFile)
{
    std::filesystem::path bad = ratingsFile;
    bad += BadRatingsExtension;
    return bad;
}

bool LoadRatings(Host& host, Ratings& ratings)
{
    std::error_code ec;
    if (!std::filesystem::exists(ratings.file(), ec)) {
        ratings.clear();
        return true;
    }
    {
        StatusScope status(host, support::Text("Загрузка файла рейтинга..."));
        try {
            ratings.assign(ReadRatingsFile(ratings.file()));
        } catch (const Error& e) {
            ratings.clear();
            ratings.setLoadFailed(true);
            host.showError(support::Message("Ошибка чтения файла рейтинга!\r\r{}", e.what()));
            return false;
        }
    }
    return SortRatings(host, ratings);
}

bool SaveRatings(Host& host, Ratings& ratings)
{
    if (ratings.readOnly())
        return true;
    StatusScope status(host, support::Text("Сохранение файла рейтинга..."));
    try {
        keepBadFile(ratings);
        WriteRatingsFile(ratings.file(), ratings.records());
        return true;
    } catch (const Error& e) {
        host.showError(support::Message("Ошибка записи в файл рейтинга!\r\r{}", e.what()));
        return false;
    }
}

bool SortRatings(Host& host, Ratings& ratings, int column, bool descending)
{
    ratings.setSortOrder(column, descending);
    return SortRatings(host, ratings);
}

bool SortRatings(Host& host, Ratings& ratings)
{
    {
        StatusScope status(host, support::Text("Сортировка рейтинга..."));
        ratings.sort();
    }
    return SaveRatings(host, ratings);
}

bool RefreshRatings(Host& host, Ratings& ratings, StakesFile& stakes)
{
    if (!ratings.empty() && !host.askYesNo(CaptionConfirm, support::Text(RatingsRefreshQuestion), false))
        return false;
    {
        StatusScope status(host, support::Text("Обновление рейтинга..."));
        try {
            Ratings fresh;
            PassProgress progress(host, {});
            const size_t total = stakes.RecordCount();
            std::vector<uint8_t> block(kBlockRecords * StakeRecordSize);
            for (size_t first = 0; first < total;) {
                const size_t got = stakes.ReadBlock(first, block);
                if (got == 0)
                    break;
                for (size_t i = 0; i < got; ++i) {
                    const uint8_t* r = block.data() + i * StakeRecordSize;
                    if (fields::drawNumber(r) >= 0 && fields::checked(r)) // matches outside 0..6 add nothing
                        fresh.addCp1251(fields::comment(r), fields::matches(r), fields::profit(r));
                }
                first += got;
                if (!progress(first, total))
                    return false; // the old ratings stay
            }
            ratings.swapRecords(fresh);
        } catch (const Error& e) {
            host.showError(support::Message("Ошибка обновления рейтинга!\r\r{}", e.what()));
            return false;
        }
    }
    return SortRatings(host, ratings);
}

bool ExportRatingsCsv(Host& host, const Ratings& ratings, const std::filesystem::path& path)
{
    StatusScope status(host, support::Text("Экспорт в CSV-файл..."));
    try {
        files::writeFileAtomically(path, cp1251::fromUtf8(RatingsCsvText(ratings.records())));
        return true;
    } catch (const Error& e) {
        host.showError(support::Message("Ошибка записи в файл \"{}\"!\r\r{}", path.string(), e.what()));
        return false;
    }
}

} // namespace belvane::stakes
