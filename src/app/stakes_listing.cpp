#include "app/stakes_listing.h"

#include <string>
#include <vector>

#include "stakes/stake_texts.h"
#include "support/error.h"
#include "support/translation.h"

namespace belvane::app {
namespace {

constexpr size_t kBlockRecords = 4096;

} // namespace

void PrintStakes(std::ostream& out, stakes::StakesFile& file, text::TableFormat format, const StakesListing& listing)
{
    text::TableRow captions{"№"};
    captions.insert(captions.end(), stakes::StakeColumnCaptions.begin(), stakes::StakeColumnCaptions.end());
    // Both passes see the same records: the file is locked against other writers.
    const size_t end = file.IsOpen() ? file.RecordCount() : 0;
    std::vector<uint8_t> block(kBlockRecords * stakes::StakeRecordSize);
    text::TableRow row(captions.size());
    auto rows = [&](const std::function<void(const text::TableRow&)>& sink) {
        for (size_t first = listing.First; first < end;) {
            size_t got = 0;
            try {
                got = file.ReadBlock(first, block);
            } catch (const Error& e) {
                throw Error(support::Message("Ошибка чтения записи из файла ставок!\r\r{}", e.what()));
            }
            got = std::min(got, end - first);
            if (got == 0)
                throw Error(
                    support::Message("Ошибка чтения записи из файла ставок!\r\r{}",
                                     support::Message("Запись со индексом {} в файле данных не найдена!", first)));
            for (size_t i = 0; i < got; ++i) {
                const stakes::StakeRecord record =
                    stakes::DecodeStake(std::span<const uint8_t, stakes::StakeRecordSize>(
                        block.data() + i * stakes::StakeRecordSize, stakes::StakeRecordSize));
                if (!listing.Separators && record.isSeparator())
                    continue;
                row[0] = std::to_string(first + i + 1);
                for (int c = 0; c < stakes::StakeColumnCount; ++c)
                    row[static_cast<size_t>(c) + 1] = stakes::StakeCellText(record, c);
                sink(row);
            }
            first += got;
        }
    };
    text::printStreamedTable(out, captions, format, rows);
}

} // namespace belvane::app
