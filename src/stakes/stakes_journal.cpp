#include "stakes/stakes_journal.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <fmt/format.h>
#include <sys/stat.h>
#include <unistd.h>

#include "stakes/stake_record.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::stakes {
namespace {

constexpr std::string_view kJournalSuffix = "-journal";
constexpr std::string_view kUndoSuffix = "-undo";
constexpr std::string_view kSnapshotSuffix = "-snapshot";
constexpr std::string_view kHeader = "belvane-stakes-journal 1";
constexpr uint64_t kMaxJournalSize = 1 << 20;
// An undo entry: offset (8), length (4), the bytes, a check of all three (8).
constexpr size_t kEntryHead = 12;
constexpr size_t kEntryTail = 8;
constexpr uint32_t kMaxEntryBytes = 64u << 20;

[[noreturn]] void failWith(const std::filesystem::path& path, int error)
{
    throw Error(files::systemErrorText(path, error));
}

std::filesystem::path withSuffix(const std::filesystem::path& file, std::string_view suffix)
{
    return file.parent_path() / (file.filename().string() + std::string(suffix));
}

uint64_t fnv1a(std::span<const uint8_t> bytes, uint64_t hash = 14695981039346656037ull)
{
    for (uint8_t b : bytes) {
        hash ^= b;
        hash *= 1099511628211ull;
    }
    return hash;
}

void putU64(uint8_t* p, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void putU32(uint8_t* p, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}
uint64_t getU64(const uint8_t* p)
{
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}
uint32_t getU32(const uint8_t* p)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}

void writeAll(int fd, const std::filesystem::path& path, const uint8_t* p, size_t n, uint64_t offset)
{
    while (n > 0) {
        const ssize_t w = ::pwrite(fd, p, n, static_cast<off_t>(offset));
        if (w < 0) {
            if (errno == EINTR)
                continue;
            failWith(path, errno);
        }
        if (w == 0)
            failWith(path, ENOSPC);
        p += w;
        n -= static_cast<size_t>(w);
        offset += static_cast<uint64_t>(w);
    }
}

void syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void removeIfThere(const std::filesystem::path& path)
{
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        failWith(path, errno);
}

// A plain name of a file in the folder: nothing that leads elsewhere.
bool isPlainName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

JournalDamaged damaged(std::string_view why)
{
    return JournalDamaged(support::Message("Журнал изменения ставок поврежден: {}", why));
}

uint64_t parseNumber(std::string_view word)
{
    uint64_t v = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
    if (ec != std::errc{} || end != word.data() + word.size())
        throw damaged(fmt::format("\"{}\" - не число", word));
    return v;
}

} // namespace

StakesJournal::StakesJournal(std::filesystem::path stakes) : stakes_(std::move(stakes)), folder_(stakes_.parent_path())
{
}

StakesJournal::~StakesJournal()
{
    if (undoFd_ >= 0)
        ::close(undoFd_);
}

std::filesystem::path StakesJournal::inFolder(const std::string& name) const
{
    return folder_ / name;
}

std::filesystem::path StakesJournal::journalPath() const
{
    return withSuffix(stakes_, kJournalSuffix);
}

std::filesystem::path StakesJournal::undoPath() const
{
    return withSuffix(stakes_, kUndoSuffix);
}

bool StakesJournal::Pending() const
{
    struct stat st {};
    return ::lstat(journalPath().c_str(), &st) == 0;
}

StakesJournal::FileState StakesJournal::stateOf(const std::filesystem::path& file)
{
    FileState state;
    state.Name = file.filename().string();
    struct stat st {};
    if (::stat(file.c_str(), &st) == 0)
        state.Size = static_cast<uint64_t>(st.st_size);
    else if (errno != ENOENT)
        failWith(file, errno);
    return state;
}

void StakesJournal::RemoveLeftovers() const
{
    removeIfThere(undoPath());
    std::error_code ec;
    for (const auto& item : std::filesystem::directory_iterator(folder_, ec)) {
        const std::string name = item.path().filename().string();
        if (name.size() > kSnapshotSuffix.size() && name.ends_with(kSnapshotSuffix) &&
            name.starts_with(stakes_.stem().string()))
            removeIfThere(item.path());
    }
}

void StakesJournal::writeJournal() const
{
    std::string text = std::string(kHeader) + "\n";
    text += fmt::format("size {}\n", base_);
    for (const FileState& f : replaced_)
        text += fmt::format("replaced {} {} {}\n", f.Size ? 1 : 0, f.Size.value_or(0), f.Name);
    for (const FileState& f : appended_)
        text += fmt::format("appended {} {} {}\n", f.Size ? 1 : 0, f.Size.value_or(0), f.Name);
    files::writeFileAtomically(journalPath(), text);
    syncFolder(folder_);
}

void StakesJournal::readJournal()
{
    const std::string text = files::readFile(journalPath(), kMaxJournalSize);
    replaced_.clear();
    appended_.clear();
    bool header = false;
    bool size = false;
    for (std::string_view line : text::splitLines(text)) {
        if (line.empty())
            continue;
        if (!header) {
            if (line != kHeader)
                throw damaged("неизвестный заголовок");
            header = true;
            continue;
        }
        const size_t space = line.find(' ');
        const std::string_view key = line.substr(0, space);
        const std::string_view rest = space == std::string_view::npos ? std::string_view{} : line.substr(space + 1);
        if (key == "size") {
            base_ = parseNumber(rest);
            size = true;
            continue;
        }
        if (key != "replaced" && key != "appended")
            throw damaged(fmt::format("неизвестная строка \"{}\"", line));
        // "<existed> <size> <name>": the name is the rest of the line.
        const size_t a = rest.find(' ');
        const size_t b = a == std::string_view::npos ? a : rest.find(' ', a + 1);
        if (b == std::string_view::npos)
            throw damaged(fmt::format("неполная строка \"{}\"", line));
        const uint64_t existed = parseNumber(rest.substr(0, a));
        FileState state;
        state.Name = std::string(rest.substr(b + 1));
        if (existed > 1 || !isPlainName(state.Name))
            throw damaged(fmt::format("строка \"{}\"", line));
        if (existed == 1)
            state.Size = parseNumber(rest.substr(a + 1, b - a - 1));
        (key == "replaced" ? replaced_ : appended_).push_back(std::move(state));
    }
    if (!header || !size)
        throw damaged("нет размера файла ставок");
}

void StakesJournal::Begin(uint64_t stakesSize, const std::vector<std::filesystem::path>& replaced,
                          const std::vector<std::filesystem::path>& appended)
{
    if (active_)
        return;
    if (Pending())
        throw Error(support::Text("Предыдущее изменение ставок не завершено!"));
    RemoveLeftovers();
    base_ = stakesSize;
    replaced_.clear();
    appended_.clear();
    try {
        undoFd_ = ::open(undoPath().c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (undoFd_ < 0)
            failWith(undoPath(), errno);
        for (const std::filesystem::path& file : replaced) {
            FileState state = stateOf(file);
            if (state.Size) {
                // The old contents stay under a second name: saves rename a
                // new file over the name and leave this one alone.
                const std::filesystem::path target = files::resolveLinks(file);
                const std::filesystem::path snapshot = withSuffix(file, kSnapshotSuffix);
                removeIfThere(snapshot);
                if (::link(target.c_str(), snapshot.c_str()) != 0) {
                    if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK && errno != EXDEV)
                        failWith(snapshot, errno);
                    files::writeFileAtomically(snapshot, files::readFile(target));
                }
            }
            replaced_.push_back(std::move(state));
        }
        for (const std::filesystem::path& file : appended)
            appended_.push_back(stateOf(file));
        writeJournal();
    } catch (const Error&) {
        if (undoFd_ >= 0)
            ::close(undoFd_);
        undoFd_ = -1;
        try {
            RemoveLeftovers();
        } catch (const Error&) {
            // What is left is removed with the next change.
        }
        throw;
    }
    active_ = true;
}

void StakesJournal::SaveBeforeOverwrite(uint64_t offset, std::span<const uint8_t> old)
{
    if (!active_ || offset >= base_ || old.empty())
        return;
    const size_t kept = static_cast<size_t>(std::min<uint64_t>(old.size(), base_ - offset));
    std::vector<uint8_t> entry(kEntryHead + kept + kEntryTail);
    putU64(entry.data(), offset);
    putU32(entry.data() + 8, static_cast<uint32_t>(kept));
    std::copy_n(old.begin(), kept, entry.begin() + kEntryHead);
    putU64(entry.data() + kEntryHead + kept, fnv1a(std::span<const uint8_t>(entry.data(), kEntryHead + kept)));
    struct stat st {};
    if (::fstat(undoFd_, &st) != 0)
        failWith(undoPath(), errno);
    const uint64_t end = static_cast<uint64_t>(st.st_size);
    try {
        writeAll(undoFd_, undoPath(), entry.data(), entry.size(), end);
        // The old bytes are on the disk before the new ones go over them.
        if (::fsync(undoFd_) != 0)
            failWith(undoPath(), errno);
    } catch (const Error&) {
        (void)::ftruncate(undoFd_, static_cast<off_t>(end));
        throw;
    }
}

void StakesJournal::Commit()
{
    if (!active_)
        return;
    active_ = false;
    ::close(undoFd_);
    undoFd_ = -1;
    removeIfThere(journalPath()); // the change is committed from here on
    syncFolder(folder_);
    try {
        RemoveLeftovers();
    } catch (const Error&) {
        // Removed at the next change or start.
    }
}

std::filesystem::path StakesJournal::SetAside() const
{
    std::filesystem::path bad = journalPath();
    bad += ".bad";
    if (::rename(journalPath().c_str(), bad.c_str()) != 0)
        failWith(journalPath(), errno);
    removeIfThere(undoPath());
    syncFolder(folder_);
    return bad;
}

ChangeUndone StakesJournal::Undo(int stakesFd)
{
    if (!active_)
        readJournal();
    ChangeUndone undone;

    // The records the change overwrote, newest first, so that the oldest contents win.
    if (undoFd_ >= 0) {
        ::close(undoFd_);
        undoFd_ = -1;
    }
    std::string entries;
    {
        struct stat st {};
        if (::stat(undoPath().c_str(), &st) == 0)
            entries = files::readFile(undoPath(), static_cast<uint64_t>(st.st_size) + 1);
    }
    std::vector<std::pair<uint64_t, std::span<const uint8_t>>> saved;
    const auto* bytes = reinterpret_cast<const uint8_t*>(entries.data());
    for (size_t at = 0; at + kEntryHead + kEntryTail <= entries.size();) {
        const uint64_t offset = getU64(bytes + at);
        const uint32_t length = getU32(bytes + at + 8);
        if (length > kMaxEntryBytes || at + kEntryHead + length + kEntryTail > entries.size())
            break; // torn: its overwrite never happened
        if (fnv1a(std::span<const uint8_t>(bytes + at, kEntryHead + length)) !=
            getU64(bytes + at + kEntryHead + length))
            break;
        if (offset < base_ && length <= base_ - offset)
            saved.emplace_back(offset, std::span<const uint8_t>(bytes + at + kEntryHead, length));
        at += kEntryHead + length + kEntryTail;
    }
    for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
        writeAll(stakesFd, stakes_, it->second.data(), it->second.size(), it->first);
        undone.RestoredRecords += it->second.size() / StakeRecordSize;
    }

    // The stakes file's own size.
    struct stat st {};
    if (::fstat(stakesFd, &st) != 0)
        failWith(stakes_, errno);
    const uint64_t size = static_cast<uint64_t>(st.st_size);
    if (size > base_) {
        if (::ftruncate(stakesFd, static_cast<off_t>(base_)) != 0)
            failWith(stakes_, errno);
        undone.DroppedBytes = size - base_;
    }
    if (::fsync(stakesFd) != 0)
        failWith(stakes_, errno);

    // The files saved whole: their snapshots back under their names.
    for (const FileState& f : replaced_) {
        const std::filesystem::path file = inFolder(f.Name);
        if (!f.Size) {
            struct stat there {};
            if (::lstat(file.c_str(), &there) == 0) {
                removeIfThere(file);
                ++undone.RestoredFiles;
            }
            continue;
        }
        const std::filesystem::path snapshot = withSuffix(file, kSnapshotSuffix);
        struct stat there {};
        if (::lstat(snapshot.c_str(), &there) != 0)
            continue; // put back already
        const std::filesystem::path target = files::resolveLinks(file);
        struct stat current {};
        if (::stat(target.c_str(), &current) == 0 && current.st_dev == there.st_dev && current.st_ino == there.st_ino) {
            // Never replaced: both names are the same file, which a rename
            // would leave as it is.
            removeIfThere(snapshot);
            continue;
        }
        if (::rename(snapshot.c_str(), target.c_str()) != 0)
            failWith(target, errno);
        ++undone.RestoredFiles;
    }

    // The files written at their end: cut back, or removed when the change made them.
    for (const FileState& f : appended_) {
        const std::filesystem::path file = inFolder(f.Name);
        struct stat there {};
        if (::stat(file.c_str(), &there) != 0)
            continue;
        if (!f.Size) {
            removeIfThere(file);
            ++undone.RestoredFiles;
        } else if (static_cast<uint64_t>(there.st_size) > *f.Size) {
            if (::truncate(file.c_str(), static_cast<off_t>(*f.Size)) != 0)
                failWith(file, errno);
            ++undone.RestoredFiles;
        }
    }
    syncFolder(folder_);

    active_ = false;
    removeIfThere(journalPath()); // undone: from here on there is nothing to do again
    syncFolder(folder_);
    removeIfThere(undoPath());
    return undone;
}

} // namespace belvane::stakes
