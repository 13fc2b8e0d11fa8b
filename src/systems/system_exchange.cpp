#include "systems/system_exchange.h"

#include <algorithm>
#include <chrono>
#include <fmt/format.h>
#include <system_error>

#include "exchange/author_key.h"
#include "exchange/base64.h"
#include "exchange/exchange_text.h"
#include "support/error.h"
#include "support/file_io.h"
#include "support/text.h"
#include "support/translation.h"
#include "systems/system_file.h"

namespace belvane::systems {
namespace {

namespace fs = std::filesystem;

int32_t clampId(int64_t v)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, -1, MaxSystemId));
}

fs::file_time_type fileTimeOf(int64_t utcSeconds)
{
    return std::chrono::file_clock::from_sys(std::chrono::sys_seconds(std::chrono::seconds(utcSeconds)));
}

} // namespace

bool tSystemData::OwnedBy(std::string_view userMail) const
{
    const std::string user = exchange::ContactKey(userMail);
    return !user.empty() && exchange::ContactKey(AuthorMail) == user;
}

bool tSystemData::Downloadable() const
{
    return Id > 0 && Numbers >= MinSystemNumbers && Numbers <= MaxSystemNumbers && Block >= 0 &&
           Block <= MaxSystemBlock && CombCount > 0;
}

std::vector<tSystemData> ListSystems(const exchange::ExchangeClient& client)
{
    const auto rows = client.PostAsUser(SysGetListScript, {{"comblen", std::to_string(SystemCombLength)},
                                                           {"maxnums", std::to_string(MaxSystemNumbers)}});
    std::vector<tSystemData> list;
    list.reserve(rows.size());
    for (const exchange::ExchangeRow& row : rows) {
        tSystemData& s = list.emplace_back();
        s.Id = clampId(row.Integer("id", -1));
        // Out-of-range numbers stay visible but make the row not downloadable.
        s.Numbers = static_cast<int>(std::clamp<int64_t>(row.Integer("nums"), -1, 999));
        s.Block = static_cast<int>(std::clamp<int64_t>(row.Integer("olap", -1), -1, 999));
        s.CombCount = clampId(row.Integer("csize"));
        s.Title = row.Base64Text("title");
        s.Description = row.Base64Text("descr");
        s.Author = row.Text("author");
        s.AuthorMail = row.Text("cl_mail");
        s.Url = row.Text("url");
        s.Created = row.DateTime("created");
        s.LastDownload = row.DateTime("last_download");
        s.Downloads = static_cast<int32_t>(std::clamp<int64_t>(row.Integer("downloads"), 0, MaxSystemId));
    }
    return list;
}

std::string FetchSystemCombs(const exchange::ExchangeClient& client, int32_t id)
{
    for (const exchange::ExchangeRow& row : client.Post(SysGetDataScript, {{"sys_id", std::to_string(id)}})) {
        std::string combs = row.Base64Text("clist");
        if (!combs.empty())
            return combs;
    }
    return {};
}

int32_t PutSystem(const exchange::ExchangeClient& client, const tSystemData& s, bool remove)
{
    // The system's author and contact speak; the key is the user's.
    exchange::ExchangeIdentity who = client.Identity();
    who.UserName = s.Author;
    who.UserMail = s.AuthorMail;
    std::vector<http::FormField> fields = {
        {"del_mode", remove ? "1" : "0"},
        {"sys_id", std::to_string(s.Id)},
        {"nums", std::to_string(s.Numbers)},
        {"clen", std::to_string(SystemCombLength)},
        {"olap", std::to_string(s.Block)},
        {"title", exchange::EscapeText(s.Title)},
        {"descr", exchange::EscapeText(s.Description)},
        {"csize", std::to_string(s.CombCount)},
        {"clist", remove ? std::string() : exchange::EncodeBase64(exchange::EscapeText(s.Combs))},
        {"url", s.Url},
    };
    for (const exchange::ExchangeRow& row :
         client.WithIdentity(std::move(who)).PostChange(SysPutDataScript, std::move(fields))) {
        const int64_t id = row.Integer("id_systems", -1);
        if (id >= 0 && id <= MaxSystemId)
            return static_cast<int32_t>(id);
    }
    throw Error(support::Message("Код возврата: {}", -1));
}

std::optional<SystemProblem> CheckSystemData(const tSystemData& s)
{
    if (text::trim(s.Title).empty())
        return SystemProblem{SystemField::Title, support::Text("Название системы должно быть указано обязательно!")};
    if (s.Numbers < MinSystemNumbers || s.Numbers > MaxSystemNumbers)
        return SystemProblem{SystemField::Numbers, support::Text("Указано недопустмое количество используемых чисел!")};
    if (s.Block < 0 || s.Block > MaxSystemBlock)
        return SystemProblem{SystemField::Block, support::Text("Указан недопустмый размер блока!")};
    if (text::trim(s.Author).empty())
        return SystemProblem{SystemField::Author, support::Text("Имя автора должно быть указано обязательно!")};
    if (text::trim(s.Description).empty())
        return SystemProblem{SystemField::Description,
                             support::Text("Описание системы должно быть указано обязательно!")};
    if (text::trim(s.Combs).empty())
        return SystemProblem{SystemField::Combs, support::Text("Содержимое системы должно быть указано обязательно!")};
    return std::nullopt;
}

NormalizedCombs NormalizeSystemCombs(std::string_view input)
{
    NormalizedCombs out;
    out.Text = NormalizeSystemText(input);
    int low = 0;
    int high = 0;
    for (std::string_view line : text::splitLines(out.Text)) {
        const auto parsed = ParseSystemLine(line);
        if (!parsed)
            continue;
        const auto [mn, mx] = std::minmax_element(parsed->begin(), parsed->end());
        low = out.CombCount == 0 ? *mn : std::min(low, *mn);
        high = out.CombCount == 0 ? *mx : std::max(high, *mx);
        ++out.CombCount;
    }
    out.Numbers = out.CombCount == 0 ? 0 : high - low + 1;
    return out;
}

FetchedSystemFile SaveFetchedSystem(const fs::path& folder, const tSystemData& s, std::string_view combs)
{
    if (!s.Downloadable())
        throw Error(support::Message("Система #{} описана сервисом некорректно (чисел: {}, блок: {}, комбинаций: {})!",
                                     s.Id, s.Numbers, s.Block, s.CombCount));
    const SystemName name{s.Numbers, s.Block, s.Id};
    const fs::path file = folder / SystemFileName(name);
    // The lines as the service sent them, each checked against the count.
    const std::vector<SystemLine> lines = ParseSystemText(combs, s.Numbers, file);
    if (static_cast<int64_t>(lines.size()) != s.CombCount)
        throw Error(support::Message("Количество скачанных комбинаций ( {} ) отличается от ожидаемого значения ( {} )",
                                     lines.size(), s.CombCount));
    std::string out;
    out.reserve(combs.size() + lines.size());
    for (std::string_view line : text::splitLines(combs)) {
        if (text::trim(line).empty())
            continue;
        out += text::trim(line);
        out += "\r\n";
    }
    FetchedSystemFile saved;
    saved.Path = file;
    saved.Verified = SaveSystemFile(folder, name, out).Verified;
    saved.BlockMet = saved.Verified.Meets(s.Block);
    if (s.Created > 0) {
        std::error_code ec;
        fs::last_write_time(file, fileTimeOf(s.Created), ec); // a time that cannot be set is no failure
    }
    return saved;
}

std::optional<fs::path> LocalSystemFile(const fs::path& folder, const tSystemData& s)
{
    if (!s.Downloadable())
        return std::nullopt;
    std::error_code ec;
    const fs::path file = folder / SystemFileName({s.Numbers, s.Block, s.Id});
    if (fs::is_regular_file(file, ec))
        return file;
    return std::nullopt;
}

bool FileTimeDiffers(const fs::path& file, int64_t created)
{
    std::error_code ec;
    const auto time = fs::last_write_time(file, ec);
    if (ec)
        return false;
    const auto sys = std::chrono::file_clock::to_sys(time);
    return std::chrono::floor<std::chrono::seconds>(sys).time_since_epoch().count() != created;
}

} // namespace belvane::systems
