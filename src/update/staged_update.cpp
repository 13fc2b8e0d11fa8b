#include "update/staged_update.h"

#include <algorithm>
#include <array>
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
#include "update/signature.h"

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

// The SHA-256 of a regular file, or empty when there is none at path.
std::string hashOf(const fs::path& path)
{
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(path, ec);
    if (ec || !fs::exists(st))
        return {};
    if (!fs::is_regular_file(st))
        throw Error(support::Message("{}: не обычный файл", path.string()));
    return Sha256OfFile(path, kMaxProgramFile);
}

bool isHash(std::string_view s)
{
    return s.size() == 64 &&
           std::all_of(s.begin(), s.end(), [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// One file of an update: whether the program had it, and the hashes of the
// program's file before the update and of the update's.
struct JournalEntry {
    std::string Name;
    bool Existed = false;
    std::string OldHash; // empty when it did not exist
    std::string NewHash;
};

enum class Phase { Apply, Commit, Abort };
constexpr std::array<std::string_view, 3> kPhaseNames = {"apply", "commit", "abort"};
constexpr std::string_view kJournalHeader = "BelvaneUpdateJournal 1";

// The apply journal: written once the old files are copied, before the first
// rename, and kept until the update is in place or taken back. With it a
// killed apply resumes and a rollback knows exactly which files were old.
struct Journal {
    std::string Version;
    Phase Step = Phase::Apply;
    std::vector<JournalEntry> Entries;
};

void writeJournal(const WorkFolder& work, const Journal& j)
{
    std::string out =
        fmt::format("{}\nVersion={}\nPhase={}\n", kJournalHeader, j.Version, kPhaseNames[static_cast<size_t>(j.Step)]);
    for (const JournalEntry& e : j.Entries)
        out += fmt::format("{} {} {} {}\n", e.Existed ? 'R' : 'N', e.Existed ? e.OldHash : "-", e.NewHash, e.Name);
    files::writeFileAtomically(work.applyJournal(), out);
}

std::optional<Journal> readJournal(const WorkFolder& work)
{
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(work.applyJournal(), ec)))
        return std::nullopt;
    const std::string bytes = files::readFile(work.applyJournal(), kMaxListSize);
    const auto damaged = [&] {
        return Error(support::Message("{}: журнал установки обновления повреждён", work.applyJournal().string()));
    };
    const std::vector<std::string_view> lines = text::splitLines(bytes);
    if (lines.size() < 3 || lines[0] != kJournalHeader || !lines[1].starts_with("Version=") ||
        !lines[2].starts_with("Phase="))
        throw damaged();
    Journal j;
    j.Version = std::string(lines[1].substr(8));
    const auto phase = std::find(kPhaseNames.begin(), kPhaseNames.end(), lines[2].substr(6));
    if (phase == kPhaseNames.end())
        throw damaged();
    j.Step = static_cast<Phase>(phase - kPhaseNames.begin());
    for (size_t i = 3; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty())
            continue;
        // "R <old> <new> name" or "N - <new> name"
        if (line.size() < 2 || (line[0] != 'R' && line[0] != 'N') || line[1] != ' ')
            throw damaged();
        JournalEntry e;
        e.Existed = line[0] == 'R';
        std::string_view rest = line.substr(2);
        const size_t oldEnd = rest.find(' ');
        if (oldEnd == std::string_view::npos)
            throw damaged();
        e.OldHash = e.Existed ? std::string(rest.substr(0, oldEnd)) : std::string();
        if ((e.Existed && !isHash(e.OldHash)) || (!e.Existed && rest.substr(0, oldEnd) != "-"))
            throw damaged();
        rest = rest.substr(oldEnd + 1);
        if (rest.size() < 66 || rest[64] != ' ' || !isHash(rest.substr(0, 64)))
            throw damaged();
        e.NewHash = std::string(rest.substr(0, 64));
        const auto name = SafeEntryName(rest.substr(65));
        if (!name)
            throw damaged();
        e.Name = *name;
        j.Entries.push_back(std::move(e));
    }
    return j;
}

struct RollbackEntry {
    std::string Name;
    bool Existed = false;
    std::string OldHash; // empty in lists of older versions
};

// "R name" (kept in Rollback) or "N name" (added: removed by the rollback),
// the kept copy's SHA-256 after a tab.
std::vector<RollbackEntry> readRollbackList(const WorkFolder& work)
{
    std::vector<RollbackEntry> list;
    const std::string listText = files::readFile(work.rollbackInfo(), kMaxListSize);
    for (std::string_view line : text::splitLines(listText)) {
        if (line.size() < 3 || (line[0] != 'R' && line[0] != 'N') || line[1] != ' ')
            continue;
        std::string_view name = line.substr(2);
        std::string hash;
        if (const size_t tab = name.rfind('\t'); tab != std::string_view::npos) {
            hash = std::string(name.substr(tab + 1));
            name = name.substr(0, tab);
            if (!isHash(hash))
                throw Error(support::Message("{}: неверная строка \"{}\"", work.rollbackInfo().string(), line));
        }
        const auto safe = SafeEntryName(name);
        if (!safe)
            throw Error(support::Message("{}: неверная строка \"{}\"", work.rollbackInfo().string(), line));
        list.push_back({*safe, line[0] == 'R', hash});
    }
    return list;
}

void writeRollbackList(const WorkFolder& work, const std::vector<JournalEntry>& entries)
{
    std::string listText;
    for (const JournalEntry& e : entries)
        listText += e.Existed ? fmt::format("R {}\t{}\n", e.Name, e.OldHash) : fmt::format("N {}\n", e.Name);
    files::writeFileAtomically(work.rollbackInfo(), listText);
}

void step(const StepHook& hook, std::string_view what)
{
    if (hook)
        hook(what);
}

// A complete copy of source beside target whose SHA-256 is hash, or Error.
fs::path verifiedCopyBeside(const fs::path& source, const fs::path& target, const std::string& hash)
{
    if (hashOf(source) != hash)
        throw Error(support::Message("{}: копия файла повреждена", source.string()));
    return copyBeside(source, target, fs::status(source).permissions());
}

// Puts every file of entries back as it was before the update, from the
// copies in kept: the old ones copied back, the added ones removed. Files
// already old are left alone, so that a restore killed half-way can run again.
void restoreOld(const std::vector<JournalEntry>& entries, const fs::path& kept, const fs::path& program,
                const StepHook& hook)
{
    std::vector<std::pair<fs::path, fs::path>> renames; // temp, target
    try {
        for (const JournalEntry& e : entries) {
            const fs::path target = program / e.Name;
            if (e.Existed && hashOf(target) != e.OldHash)
                renames.emplace_back(verifiedCopyBeside(kept / e.Name, target, e.OldHash), target);
        }
    } catch (...) {
        for (const auto& [temp, target] : renames)
            ::unlink(temp.c_str());
        throw;
    }
    for (size_t i = 0; i < renames.size(); ++i) {
        try {
            step(hook, "restore");
            renameOver(renames[i].first, renames[i].second);
        } catch (...) {
            for (size_t j = i; j < renames.size(); ++j)
                ::unlink(renames[j].first.c_str());
            throw;
        }
    }
    for (const JournalEntry& e : entries) {
        if (e.Existed)
            continue;
        step(hook, "remove");
        if (::unlink((program / e.Name).c_str()) != 0 && errno != ENOENT)
            fail(program / e.Name, errno);
    }
}

// The apply's last steps, each safe to repeat: the copies of the old files
// become the one rollback, the staged update goes, and last the journal.
void commitApply(const WorkFolder& work, Journal& j, const StepHook& hook)
{
    if (j.Step != Phase::Commit) {
        j.Step = Phase::Commit;
        writeJournal(work, j);
        step(hook, "commit");
    }
    std::error_code ec;
    if (fs::exists(work.rollbackNext(), ec)) {
        fs::remove(work.rollbackInfo());
        fs::remove_all(work.rollback());
        step(hook, "commit");
        fs::rename(work.rollbackNext(), work.rollback());
        step(hook, "commit");
    }
    writeRollbackList(work, j.Entries);
    step(hook, "commit");
    DiscardStaged(work);
    step(hook, "commit");
    fs::remove(work.applyJournal());
}

// Takes an update that is not completely in place back, from the copies the
// journal vouches for; the last update's rollback stays as it was.
void abortApply(const WorkFolder& work, const fs::path& program, Journal& j, const StepHook& hook, bool discardStaged)
{
    if (j.Step != Phase::Abort) {
        j.Step = Phase::Abort;
        writeJournal(work, j);
        step(hook, "abort");
    }
    restoreOld(j.Entries, work.rollbackNext(), program, hook);
    if (discardStaged) {
        DiscardStaged(work);
        step(hook, "abort");
    }
    fs::remove_all(work.rollbackNext());
    step(hook, "abort");
    fs::remove(work.applyJournal());
}

std::vector<std::string> names(const Journal& j)
{
    std::vector<std::string> out;
    for (const JournalEntry& e : j.Entries)
        out.push_back(e.Name);
    return out;
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

std::string InterruptedApplyText(std::string_view version)
{
    return support::Message("Установка обновления \"{}\" не завершена: она будет продолжена при следующей замене "
                            "файлов программы (или отменена возвратом прежней версии).",
                            version);
}

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
    // An apply under way keeps its journal, its copies and its files.
    const bool applying = fs::exists(fs::symlink_status(applyJournal(), ec));
    for (const auto& entry : fs::directory_iterator(root_, ec)) {
        const fs::path& p = entry.path();
        if (p == rollback() || p == rollbackInfo())
            continue;
        if (applying && (p == applyJournal() || p == rollbackNext() || p == staged() || p == stagedInfo()))
            continue;
        doomed.push_back(p);
    }
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
    if (const auto interrupted = InterruptedApply(work))
        throw Error(InterruptedApplyText(*interrupted));
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

std::optional<std::string> InterruptedApply(const WorkFolder& work)
{
    try {
        const std::optional<Journal> j = readJournal(work);
        if (!j || j->Step == Phase::Abort)
            return std::nullopt;
        return j->Version;
    } catch (const Error&) {
        return std::nullopt;
    }
}

std::optional<std::string> StagedVersion(const WorkFolder& work)
{
    if (auto interrupted = InterruptedApply(work))
        return interrupted;
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

std::vector<std::string> ApplyStaged(const WorkFolder& work, const fs::path& program, const RefuseFile& refuse,
                                     const StepHook& hook)
{
    return withFileErrors([&] {
        std::optional<Journal> pending = readJournal(work);
        if (pending && pending->Step == Phase::Abort) {
            // A rollback of this update was under way: it is finished, not undone.
            abortApply(work, program, *pending, hook, true);
            pending.reset();
        }
        if (!pending && !StagedVersion(work))
            throw Error(support::Text("Нет подготовленного обновления."));

        Journal j;
        if (pending) {
            j = std::move(*pending);
        } else {
            j.Version = *StagedVersion(work);
            for (const std::string& name : stagedFiles(work))
                j.Entries.push_back({name, false, {}, {}});
        }
        // Nothing is written anywhere the update may not write, on a resume too.
        for (const JournalEntry& e : j.Entries)
            if (const std::string reason = refuse ? refuse(e.Name) : std::string(); !reason.empty())
                throw Error(reason);
        if (j.Step == Phase::Commit) {
            commitApply(work, j, hook);
            return names(j);
        }

        if (!pending) {
            // The old files are copied and proven before anything is replaced.
            fs::remove_all(work.rollbackNext());
            try {
                fs::create_directories(work.rollbackNext());
                for (JournalEntry& e : j.Entries) {
                    const fs::path target = program / e.Name;
                    e.NewHash = hashOf(work.staged() / e.Name);
                    e.OldHash = hashOf(target);
                    e.Existed = !e.OldHash.empty();
                    if (!e.Existed)
                        continue;
                    const fs::path kept = work.rollbackNext() / e.Name;
                    fs::create_directories(kept.parent_path());
                    renameOver(verifiedCopyBeside(target, kept, e.OldHash), kept);
                }
                step(hook, "copied");
                writeJournal(work, j);
            } catch (...) {
                std::error_code ec;
                fs::remove_all(work.rollbackNext(), ec);
                throw;
            }
            step(hook, "journal");
        }

        try {
            struct Item {
                fs::path Temp;
                fs::path Target;
            };
            std::vector<Item> items;
            try {
                for (const JournalEntry& e : j.Entries) {
                    const fs::path target = program / e.Name;
                    const std::string now = hashOf(target);
                    if (now == e.NewHash)
                        continue; // in place already (a resumed apply)
                    if (now != e.OldHash)
                        throw Error(
                            support::Message("{}: файл изменён во время установки обновления", target.string()));
                    fs::create_directories(target.parent_path());
                    items.push_back({verifiedCopyBeside(work.staged() / e.Name, target, e.NewHash), target});
                }
            } catch (...) {
                for (const Item& item : items)
                    ::unlink(item.Temp.c_str());
                throw;
            }
            for (size_t i = 0; i < items.size(); ++i) {
                try {
                    step(hook, "rename");
                    renameOver(items[i].Temp, items[i].Target);
                } catch (...) {
                    for (size_t k = i; k < items.size(); ++k)
                        ::unlink(items[k].Temp.c_str());
                    throw;
                }
            }
            step(hook, "renamed");
        } catch (...) {
            // A failure, not a kill: the program's files go back as they were
            // and the update stays staged. Should that fail too, the journal
            // stays for the next apply or rollback.
            try {
                abortApply(work, program, j, {}, false);
            } catch (...) {
            }
            throw;
        }
        commitApply(work, j, hook);
        return names(j);
    });
}

bool RollbackAvailable(const WorkFolder& work)
{
    std::error_code ec;
    if (fs::exists(fs::symlink_status(work.applyJournal(), ec)))
        return true;
    return fs::is_regular_file(work.rollbackInfo(), ec) && fs::is_directory(work.rollback(), ec);
}

void RollBack(const WorkFolder& work, const fs::path& program, const StepHook& hook)
{
    if (!RollbackAvailable(work))
        throw Error(support::Text("Предыдущая версия программы не сохранена."));
    withFileErrors([&] {
        if (std::optional<Journal> pending = readJournal(work)) {
            if (pending->Step != Phase::Commit) {
                abortApply(work, program, *pending, hook, true);
                return;
            }
            commitApply(work, *pending, hook);
        }
        std::vector<JournalEntry> entries;
        for (const RollbackEntry& e : readRollbackList(work)) {
            // A list without hashes (an older version's) restores every kept copy.
            const std::string kept = e.Existed ? hashOf(work.rollback() / e.Name) : std::string();
            if (e.Existed && kept.empty())
                throw Error(support::Message("{}: копия файла не найдена", (work.rollback() / e.Name).string()));
            if (e.Existed && !e.OldHash.empty() && kept != e.OldHash)
                throw Error(support::Message("{}: копия файла повреждена", (work.rollback() / e.Name).string()));
            entries.push_back({e.Name, e.Existed, kept, {}});
        }
        restoreOld(entries, work.rollback(), program, hook);
        fs::remove(work.rollbackInfo());
        step(hook, "done");
        fs::remove_all(work.rollback());
    });
}

int RemoveStaleTempFiles(const WorkFolder& work, const fs::path& program)
{
    return files::removeStaleTempFiles(program) + files::removeStaleTempFiles(program / "help") +
           files::removeStaleTempFiles(work.root());
}

} // namespace belvane::update
