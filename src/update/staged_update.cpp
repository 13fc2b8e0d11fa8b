#include "update/staged_update.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "support/error.h"
#include "support/file_io.h"
#include "support/ini_document.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::update {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kStagedSection = "Staged";
constexpr std::string_view kVersionKey = "Version";
constexpr uint64_t kMaxListSize = 1 << 20;
constexpr uint64_t kMaxProgramFile = 1ull << 30;

[[noreturn]] void fail(const fs::path& path, int error)
{
    throw Error(files::systemErrorText(path, error));
}

// A complete copy of source beside target under a temporary save's name
// (the start-up clean-up removes one a crash left), flushed, with mode.
fs::path copyBeside(const fs::path& source, const fs::path& target, fs::perms mode)
{
    std::string pattern = (target.parent_path() / ("." + target.filename().string() + ".belvane-tmp-XXXXXX")).string();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        fail(target, errno);
    const fs::path temp(pattern);
    try {
        files::FileChunkReader reader(source, kMaxProgramFile);
        std::vector<char> buffer(1 << 16);
        while (const size_t n = reader.read(buffer.data(), buffer.size())) {
            for (size_t done = 0; done < n;) {
                const ssize_t w = ::write(fd, buffer.data() + done, n - done);
                if (w < 0 && errno == EINTR)
                    continue;
                if (w < 0)
                    fail(target, errno);
                done += static_cast<size_t>(w);
            }
        }
        if (::fchmod(fd, static_cast<mode_t>(mode & fs::perms::all)) != 0 || ::fsync(fd) != 0)
            fail(target, errno);
        const int closed = ::close(std::exchange(fd, -1));
        if (closed != 0)
            fail(target, errno);
    } catch (...) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.c_str());
        throw;
    }
    return temp;
}

void renameOver(const fs::path& from, const fs::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        fail(to, errno);
}

// The staged files, relative names in a stable order.
std::vector<std::string> stagedFiles(const WorkFolder& work)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(work.staged())) {
        if (entry.is_directory())
            continue;
        if (!entry.is_regular_file() || entry.is_symlink())
            throw Error(support::Message("{}: не обычный файл", entry.path().string()));
        names.push_back(fs::relative(entry.path(), work.staged()).generic_string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct RollbackEntry {
    std::string Name;
    bool Existed = false;
};

std::vector<RollbackEntry> readRollbackList(const WorkFolder& work)
{
    std::vector<RollbackEntry> list;
    const std::string listText = files::readFile(work.rollbackInfo(), kMaxListSize);
    for (std::string_view line : text::splitLines(listText)) {
        if (line.size() < 3 || (line[0] != 'R' && line[0] != 'N') || line[1] != ' ')
            continue;
        const auto name = SafeEntryName(line.substr(2));
        if (!name)
            throw Error(support::Message("{}: неверная строка \"{}\"", work.rollbackInfo().string(), line));
        list.push_back({*name, line[0] == 'R'});
    }
    return list;
}

void writeRollbackList(const WorkFolder& work, const std::vector<RollbackEntry>& list)
{
    std::string listText;
    for (const RollbackEntry& e : list)
        listText += fmt::format("{} {}\n", e.Existed ? 'R' : 'N', e.Name);
    files::writeFileAtomically(work.rollbackInfo(), listText);
}

// Puts the kept copies of entries back (best effort: used while failing).
void restoreQuietly(const WorkFolder& work, const fs::path& program, const std::vector<RollbackEntry>& entries)
{
    for (const RollbackEntry& e : entries) {
        const fs::path target = program / e.Name;
        try {
            if (e.Existed)
                renameOver(
                    copyBeside(work.rollback() / e.Name, target, fs::status(work.rollback() / e.Name).permissions()),
                    target);
            else
                ::unlink(target.c_str());
        } catch (...) {
            // The rollback copy stays for "update rollback".
        }
    }
}

template <typename F>
auto withFileErrors(F&& f)
{
    try {
        return f();
    } catch (const fs::filesystem_error& e) {
        throw Error(e.code().message() + ": " + e.path1().string());
    }
}

} // namespace

fs::path WorkFolder::package(std::string_view versionText) const
{
    return root_ / fmt::format("SelfUpdate_{}.upd", versionText);
}

void WorkFolder::ensure() const
{
    std::error_code ec;
    fs::create_directories(root_, ec);
    if (ec)
        throw Error(fmt::format("{}: {}", root_.string(), ec.message()));
}

void WorkFolder::clearDownloads() const
{
    std::error_code ec;
    std::vector<fs::path> doomed;
    for (const auto& entry : fs::directory_iterator(root_, ec))
        if (entry.path() != rollback() && entry.path() != rollbackInfo())
            doomed.push_back(entry.path());
    for (const fs::path& p : doomed)
        fs::remove_all(p, ec);
}

bool FolderWritable(const fs::path& folder)
{
    std::string pattern = (folder / ".belvane-update-probe-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(pattern.c_str());
    return true;
}

void StagePackage(const WorkFolder& work, const fs::path& package, std::string_view versionText,
                  const std::function<std::string(const std::string&)>& refuse, const ArchiveLimits& limits,
                  const std::function<bool()>& cancelled)
{
    withFileErrors([&] {
        DiscardStaged(work);
        fs::remove_all(work.unpacking());
        try {
            const std::vector<PackageFile> files = UnpackPackage(package, work.unpacking(), limits, cancelled);
            if (files.empty())
                throw Error(DamagedPackageText(support::Text("в архиве нет файлов")));
            for (const PackageFile& f : files)
                if (const std::string reason = refuse ? refuse(f.Name) : std::string(); !reason.empty())
                    throw Error(reason);
            fs::rename(work.unpacking(), work.staged());
            IniDocument info;
            info.writeString(kStagedSection, kVersionKey, versionText);
            info.save(work.stagedInfo());
        } catch (...) {
            std::error_code ec;
            fs::remove_all(work.unpacking(), ec);
            fs::remove_all(work.staged(), ec);
            fs::remove(work.stagedInfo(), ec);
            throw;
        }
    });
}

std::optional<std::string> StagedVersion(const WorkFolder& work)
{
    std::error_code ec;
    if (!fs::is_regular_file(work.stagedInfo(), ec) || !fs::is_directory(work.staged(), ec))
        return std::nullopt;
    try {
        const std::string v = IniDocument::load(work.stagedInfo()).readString(kStagedSection, kVersionKey);
        return v.empty() ? std::nullopt : std::optional<std::string>(v);
    } catch (const Error&) {
        return std::nullopt;
    }
}

void DiscardStaged(const WorkFolder& work)
{
    std::error_code ec;
    fs::remove(work.stagedInfo(), ec);
    fs::remove_all(work.staged(), ec);
}

std::vector<std::string> ApplyStaged(const WorkFolder& work, const fs::path& program)
{
    if (!StagedVersion(work))
        throw Error(support::Text("Нет подготовленного обновления."));
    return withFileErrors([&] {
        const std::vector<std::string> names = stagedFiles(work);
        struct Item {
            RollbackEntry Entry;
            fs::path Target;
            fs::path Temp;
        };
        std::vector<Item> items;
        fs::remove_all(work.rollbackNext());
        fs::create_directories(work.rollbackNext());
        try {
            for (const std::string& name : names) {
                Item item{{name, false}, program / name, {}};
                const fs::file_status st = fs::symlink_status(item.Target);
                item.Entry.Existed = fs::exists(st);
                if (item.Entry.Existed && !fs::is_regular_file(st))
                    throw Error(support::Message("{}: не обычный файл", item.Target.string()));
                if (item.Entry.Existed) {
                    fs::create_directories((work.rollbackNext() / name).parent_path());
                    fs::copy_file(item.Target, work.rollbackNext() / name);
                }
                fs::create_directories(item.Target.parent_path());
                item.Temp =
                    copyBeside(work.staged() / name, item.Target, fs::status(work.staged() / name).permissions());
                items.push_back(std::move(item));
            }
        } catch (...) {
            for (const Item& item : items)
                ::unlink(item.Temp.c_str());
            std::error_code ec;
            fs::remove_all(work.rollbackNext(), ec);
            throw;
        }

        // The one rollback: this update's replaced files take the place of the last one's.
        std::vector<RollbackEntry> list;
        for (const Item& item : items)
            list.push_back(item.Entry);
        fs::remove_all(work.rollback());
        fs::remove(work.rollbackInfo());
        fs::rename(work.rollbackNext(), work.rollback());
        writeRollbackList(work, list);

        for (size_t i = 0; i < items.size(); ++i) {
            try {
                renameOver(items[i].Temp, items[i].Target);
            } catch (...) {
                for (size_t j = i; j < items.size(); ++j)
                    ::unlink(items[j].Temp.c_str());
                restoreQuietly(work, program,
                               std::vector<RollbackEntry>(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(i)));
                throw;
            }
        }
        DiscardStaged(work);
        return names;
    });
}

bool RollbackAvailable(const WorkFolder& work)
{
    std::error_code ec;
    return fs::is_regular_file(work.rollbackInfo(), ec) && fs::is_directory(work.rollback(), ec);
}

void RollBack(const WorkFolder& work, const fs::path& program)
{
    if (!RollbackAvailable(work))
        throw Error(support::Text("Предыдущая версия программы не сохранена."));
    withFileErrors([&] {
        const std::vector<RollbackEntry> list = readRollbackList(work);
        std::vector<std::pair<fs::path, fs::path>> renames; // temp, target
        try {
            for (const RollbackEntry& e : list) {
                if (!e.Existed)
                    continue;
                const fs::path kept = work.rollback() / e.Name;
                const fs::path target = program / e.Name;
                renames.emplace_back(copyBeside(kept, target, fs::status(kept).permissions()), target);
            }
        } catch (...) {
            for (const auto& [temp, target] : renames)
                ::unlink(temp.c_str());
            throw;
        }
        for (const auto& [temp, target] : renames)
            renameOver(temp, target);
        for (const RollbackEntry& e : list)
            if (!e.Existed)
                fs::remove(program / e.Name);
        fs::remove(work.rollbackInfo());
        fs::remove_all(work.rollback());
    });
}

} // namespace belvane::update
