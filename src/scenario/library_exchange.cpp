#include "scenario/library_exchange.h"

#include <algorithm>
#include <array>
#include <fmt/format.h>

#include "exchange/author_key.h"
#include "exchange/exchange_text.h"
#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::scenario {
namespace {

constexpr std::array<std::string_view, LibraryFilterCount> kFilterCaptions = {
    BELVANE_TEXT("Скрытые"),
    BELVANE_TEXT("Все, включая скрытые"),
    BELVANE_TEXT("Все, кроме скрытых (по умолчанию)"),
    BELVANE_TEXT("Только мои"),
    BELVANE_TEXT("Только публичные"),
    BELVANE_TEXT("С моими оценками"),
    BELVANE_TEXT("Без моих оценок"),
    BELVANE_TEXT("Новые (24 часа с момента публикации)"),
};

constexpr int32_t kMaxId = 2147483647;

int32_t clamp32(int64_t v, int64_t low)
{
    return static_cast<int32_t>(std::clamp<int64_t>(v, low, kMaxId));
}

std::vector<http::FormField> putFields(const tScriptData& data, bool remove)
{
    return {{"del_mode", remove ? "1" : "0"},
            {"scr_id", std::to_string(data.Id)},
            {"scr_uniapps", data.Universal ? "1" : "0"},
            {"scr_publics", data.Public ? "1" : "0"},
            {"scr_title", exchange::EscapeText(text::trim(data.Title))},
            {"scr_descr", exchange::EscapeText(data.Description)}};
}

int32_t answeredId(const std::vector<exchange::ExchangeRow>& rows)
{
    int64_t code = -1;
    for (const exchange::ExchangeRow& row : rows) {
        code = row.Integer("id_scripts", -1);
        if (code > 0 && code <= kMaxId)
            return static_cast<int32_t>(code);
    }
    throw Error(support::Message("Код возврата: {}", std::clamp<int64_t>(code, -kMaxId, kMaxId)));
}

// The exchange as the author of the data (name and language from the dialog).
exchange::ExchangeClient asAuthor(const exchange::ExchangeClient& client, const tScriptData& data)
{
    exchange::ExchangeIdentity who = client.Identity();
    if (!text::trim(data.AuthorName).empty())
        who.UserName = std::string(text::trim(data.AuthorName));
    if (data.Lcid > 0)
        who.Lcid = data.Lcid;
    return client.WithIdentity(std::move(who));
}

} // namespace

std::string LibraryFilterCaption(int index)
{
    return index >= 0 && index < LibraryFilterCount ? support::Text(kFilterCaptions[static_cast<size_t>(index)])
                                                    : std::string();
}

std::vector<tScriptInfo> ListScripts(const exchange::ExchangeClient& client, int filter)
{
    const auto rows = client.PostAsUser(ScrGetListScript, {{"fltid", std::to_string(filter)}});
    const exchange::ExchangeIdentity& who = client.Identity();
    std::vector<tScriptInfo> list;
    list.reserve(rows.size());
    for (const exchange::ExchangeRow& row : rows) {
        tScriptInfo& s = list.emplace_back();
        s.Id = clamp32(row.Integer("id", -1), -1);
        s.AppName = row.Text("app_name");
        s.AppVersion = row.Text("app_ver");
        s.AuthorName = row.Text("key_cl_name");
        s.AuthorMail = row.Text("key_cl_mail");
        s.Lcid = static_cast<int>(std::clamp<int64_t>(row.Integer("key_cl_lcid"), 0, 0xFFFF));
        s.Universal = row.Integer("uniapps") > 0;
        s.Public = row.Integer("publics") > 0;
        s.Created = row.DateTime("created");
        s.RatingAvg = std::clamp(row.Decimal("rating_avg"), 0.0, static_cast<double>(MaxRating));
        s.RatingCount = clamp32(row.Integer("rating_cnt"), 0);
        s.YourRating = static_cast<int>(std::clamp<int64_t>(row.Integer("rating_you"), HiddenRating, MaxRating));
        s.Downloads = clamp32(row.Integer("downloads"), 0);
        s.LastDownload = row.DateTime("last_download");
        s.Title = row.Base64Text("title");
        s.Description = row.Base64Text("descr");
        s.AppGuid = row.Text("app_guid");
        // The service names the contact of the caller's own entries only.
        s.Own = !exchange::ContactKey(who.UserMail).empty() &&
                exchange::ContactKey(s.AuthorMail) == exchange::ContactKey(who.UserMail);
        s.Usable = s.Id > 0 && (s.Universal || s.AppGuid == who.AppId);
        s.Editable = s.Own && s.Usable;
    }
    return list;
}

std::string FetchScript(const exchange::ExchangeClient& client, int32_t id)
{
    for (const exchange::ExchangeRow& row : client.PostAsUser(ScrGetDataScript, {{"scr_id", std::to_string(id)}})) {
        std::string script = row.Base64Text("script");
        if (!script.empty())
            return script;
    }
    return {};
}

int32_t PutScript(const exchange::ExchangeClient& client, const tScriptData& data, std::string_view script)
{
    std::vector<http::FormField> fields = putFields(data, false);
    fields.push_back({"scr_script", exchange::EscapeText(script)});
    return answeredId(asAuthor(client, data).PostChange(ScrPutScript, std::move(fields)));
}

int32_t DeleteScript(const exchange::ExchangeClient& client, const tScriptInfo& entry)
{
    tScriptData data;
    data.Id = entry.Id;
    data.Universal = entry.Universal;
    data.Public = entry.Public;
    data.Title = entry.Title;
    data.Description = entry.Description;
    return answeredId(client.PostChange(ScrPutScript, putFields(data, true)));
}

bool TitleIsFree(const exchange::ExchangeClient& client, int32_t id, std::string_view title)
{
    // The entry and the title, nothing about who asks.
    const auto rows = client.Post(
        ScrChkTitleScript, {{"scr_id", std::to_string(id)}, {"scr_title", exchange::EscapeText(text::trim(title))}});
    return std::any_of(rows.begin(), rows.end(), [](const exchange::ExchangeRow& row) {
        return row.Has("ret_code") && row.Integer("ret_code", -1) == 0;
    });
}

void SetRate(const exchange::ExchangeClient& client, int32_t id, int rate, std::string_view notes)
{
    if (rate < HiddenRating || rate > MaxRating)
        throw Error(support::Message("Недопустимая оценка: {}", rate));
    const auto rows = client.PostChange(ScrSetRateScript, {{"scr_id", std::to_string(id)},
                                                           {"rate_value", std::to_string(rate)},
                                                           {"rate_notes", exchange::EscapeText(notes)}});
    // Only an answered code of 0 or more is a success.
    int64_t code = -1;
    for (const exchange::ExchangeRow& row : rows)
        if (row.Has("res_code")) {
            code = row.Integer("res_code", -1);
            break;
        }
    if (code < 0)
        throw Error(support::Message("Код возврата: {}", std::max<int64_t>(code, -kMaxId)));
}

std::vector<ScriptRate> ListRates(const exchange::ExchangeClient& client, int32_t id)
{
    std::vector<ScriptRate> rates;
    for (const exchange::ExchangeRow& row : client.PostAsUser(ScrGetRatesScript, {{"scr_id", std::to_string(id)}})) {
        ScriptRate& r = rates.emplace_back();
        r.Name = row.Text("key_cl_name");
        r.Rate = static_cast<int>(std::clamp<int64_t>(row.Integer("rate"), HiddenRating, MaxRating));
        r.Created = row.DateTime("created");
        r.AppName = row.Text("app_name");
        r.AppVersion = row.Text("app_ver");
        r.Notes = row.Text("notes");
    }
    return rates;
}

std::string LibraryScriptText(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> LibraryScriptLines(std::string_view text)
{
    std::vector<std::string> lines;
    for (std::string_view line : text::splitLines(text))
        lines.emplace_back(line);
    return lines;
}

std::string LanguageName(int lcid)
{
    // Named in the interface language, like every other column of the list.
    switch (lcid & 0x3FF) {
    case 0x19:
        return support::Text("Русский");
    case 0x09:
        return support::Text("Английский");
    case 0x22:
        return support::Text("Украинский");
    case 0x23:
        return support::Text("Белорусский");
    case 0x07:
        return support::Text("Немецкий");
    case 0x13:
        return support::Text("Нидерландский");
    case 0:
        return {};
    default:
        return fmt::format("{}", lcid);
    }
}

} // namespace belvane::scenario
