#include "app/prefetch_files.h"

#include "app/data_files.h"
#include "model/game.h"
#include "stats/custom_stat.h"
#include "stats/full_set_counts.h"
#include "stats/stat_list.h"
#include "support/byte_codec.h"
#include "support/data_folder.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/host.h"
#include "support/translation.h"

namespace belvane::app {
namespace fs = std::filesystem;
using stats::TStatCount;

namespace {

std::string openFailure(const fs::path& path, std::string_view reason)
{
    return support::Message("Ошибка открытия файла данных для полного набора вариантов!\r\rИмя файла: {}\r\r{}",
                            path.string(), reason);
}

std::string buildFailure(const fs::path& path, std::string_view reason)
{
    return support::Message("Ошибка создания файла данных для полного набора вариантов!\r\rИмя файла: {}\r\r{}",
                            path.string(), reason);
}

bool hasContent(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec) && fs::file_size(path, ec) > 0 && !ec;
}

// Counts the entries' values over the full set and writes their files, with
// the progress window moving from `start` by `span` steps over the count.
// Stops quietly when cancelled.
PrefetchBuildResult buildFiles(Host& host, const stats::TStatList& list, const DataFiles& files,
                               const std::vector<int>& entries, int64_t start, int64_t span)
{
    if (entries.empty())
        return {};
    int64_t shown = start;
    const auto counts = stats::CountFullSetValues(list, entries, [&](size_t done, size_t total) {
        const int64_t position = start + span * static_cast<int64_t>(done) / static_cast<int64_t>(total);
        host.stepProgress(position - shown);
        shown = position;
        return !host.cancelled();
    });
    if (counts.empty())
        return {};                           // cancelled
    host.stepProgress(start + span - shown); // the last chunks may have finished on another thread

    PrefetchBuildResult result;
    for (size_t i = 0; i < entries.size(); ++i) {
        const fs::path path = files.prefetch(list.Item(entries[i]).ID());
        StatusScope status(host,
                           support::Message("Создание файла предварительной выборки {}...", path.filename().string()));
        try {
            ensureFolder(path.parent_path());
            WritePrefetchFile(path, counts[i]);
            ++result.Written;
        } catch (const Error& e) {
            host.showError(buildFailure(path, e.what()));
            ++result.Failed;
        }
    }
    return result;
}

} // namespace

PrefetchData ReadPrefetchFile(const fs::path& path)
{
    const std::string bytes = files::readFile(path, (MaxPrefetchRecords + 1) * PrefetchRecordSize);
    const std::string name = path.filename().string();
    if (bytes.size() < PrefetchRecordSize || bytes.size() % PrefetchRecordSize != 0)
        throw Error(support::Message("{}: размер файла ({} байт) не соответствует формату", name, bytes.size()));
    ByteReader r(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
    PrefetchData data;
    const size_t records = bytes.size() / PrefetchRecordSize - 1;
    data.Records.reserve(records);
    int64_t total = 0;
    int32_t minCount = 0;
    int32_t maxCount = 0;
    for (size_t i = 0; i < records; ++i) {
        TStatCount c;
        c.V1 = r.i16();
        c.V2 = r.i16();
        c.V3 = r.i16();
        c.V4 = r.i16();
        c.Count = r.i32();
        const bool ascending =
            i == 0 || stats::PackKey(data.Records.back().V1, data.Records.back().V2, data.Records.back().V3,
                                     data.Records.back().V4) < stats::PackKey(c.V1, c.V2, c.V3, c.V4);
        if (!ascending || c.Count <= 0)
            throw Error(support::Message("{}: запись {} повреждена", name, i + 1));
        total += c.Count;
        minCount = i == 0 ? c.Count : std::min(minCount, c.Count);
        maxCount = i == 0 ? c.Count : std::max(maxCount, c.Count);
        data.Records.push_back(c);
    }
    data.MinCount = r.i32();
    data.MaxCount = r.i32();
    const int32_t spare = r.i32();
    if (data.MinCount != minCount || data.MaxCount != maxCount || spare != 0 ||
        total > static_cast<int64_t>(stats::KeyList::MaxKeys) * model::FullSetSize)
        throw Error(support::Message("{}: итоговая запись повреждена", name));
    return data;
}

void WritePrefetchFile(const fs::path& path, const std::vector<TStatCount>& records)
{
    std::vector<uint8_t> bytes((records.size() + 1) * PrefetchRecordSize);
    ByteWriter w(bytes);
    int32_t minCount = 0;
    int32_t maxCount = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const TStatCount& c = records[i];
        w.i16(c.V1);
        w.i16(c.V2);
        w.i16(c.V3);
        w.i16(c.V4);
        w.i32(c.Count);
        minCount = i == 0 ? c.Count : std::min(minCount, c.Count);
        maxCount = i == 0 ? c.Count : std::max(maxCount, c.Count);
    }
    w.i32(minCount);
    w.i32(maxCount);
    w.i32(0);
    files::AtomicFileWriter file(path, files::DiskFlush::Skip);
    file.write(bytes);
    file.commit();
}

bool IsPrefetchFileIntact(const fs::path& path)
{
    try {
        ReadPrefetchFile(path);
        return true;
    } catch (const Error&) {
        return false;
    }
}

std::optional<PrefetchData> OpenPrefetch(Host& host, const stats::TStatList& list, int entry, const DataFiles& files)
{
    if (!list.CanPrefetch(entry))
        return std::nullopt;
    const fs::path path = files.prefetch(list.Item(entry).ID());
    if (!hasContent(path)) {
        ProgressScope progress(host, 100, true);
        if (buildFiles(host, list, files, {entry}, 0, 100).Written == 0)
            return std::nullopt;
    }
    try {
        return ReadPrefetchFile(path);
    } catch (const Error& e) {
        host.showError(openFailure(path, e.what()));
        return std::nullopt;
    }
}

PrefetchBuildResult BuildPrefetchFiles(Host& host, const stats::TStatList& list, const DataFiles& files, bool force,
                                       bool enabled, uint16_t groupMask)
{
    if (!force && !enabled)
        return {};
    StatusScope status(host, support::Text("Создание файлов для полного набора комбинаций..."));
    ProgressScope progress(host, list.MethodCount(), true);

    std::vector<int> entries;
    for (int i = 0; i < list.MethodCount(); ++i) {
        const int group = list.Item(i).StatClass->GetGroup();
        const bool wanted = list.CanPrefetch(i) &&
                            ((groupMask >> group) & 1 || !IsPrefetchFileIntact(files.prefetch(list.Item(i).ID())));
        if (wanted)
            entries.push_back(i);
        else
            progress.step();
    }
    const int64_t skipped = list.MethodCount() - static_cast<int64_t>(entries.size());
    return buildFiles(host, list, files, entries, skipped, static_cast<int64_t>(entries.size()));
}

bool DeletePrefetchFile(Host& host, const DataFiles& files, std::string_view methodId)
{
    const fs::path path = files.prefetch(methodId);
    std::error_code ec;
    fs::remove(path, ec);
    if (!ec)
        return true;
    host.showError(support::Message("Ошибка удаления файла данных для полного набора вариантов!\r\rИмя файла: {}\r\r{}",
                                    path.string(), ec.message()));
    return false;
}

std::vector<std::string> PrefetchIdsOfGroups(const stats::TStatList& list, uint16_t groupMask)
{
    std::vector<std::string> ids;
    for (int i = 0; i < list.MethodCount(); ++i)
        if (list.CanPrefetch(i) && ((groupMask >> list.Item(i).StatClass->GetGroup()) & 1))
            ids.push_back(list.Item(i).ID());
    return ids;
}

bool DeletePrefetchFiles(Host& host, const DataFiles& files, const std::vector<std::string>& methodIds)
{
    bool ok = true;
    for (const std::string& id : methodIds)
        ok &= DeletePrefetchFile(host, files, id);
    return ok;
}

} // namespace belvane::app
