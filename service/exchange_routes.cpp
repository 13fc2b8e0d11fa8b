#include "service/exchange_routes.h"

#include <fmt/format.h>
#include <functional>
#include <httplib.h>

#include "exchange/base64.h"
#include "exchange/exchange_answer.h"
#include "exchange/exchange_text.h"
#include "service/exchange_store.h"
#include "support/text.h"

namespace belvane::service {
namespace {

constexpr const char* kAnswerType = "text/xml; charset=utf-8";

class Form {
public:
    explicit Form(const httplib::Request& request) : request_(request) {}

    std::string Raw(const char* name) const
    {
        if (!request_.has_param(name))
            return {};
        return request_.get_param_value(name);
    }
    // A value sent with the backslash escaping.
    std::string Escaped(const char* name) const
    {
        try {
            return exchange::UnescapeText(Raw(name));
        } catch (const Error& e) {
            throw RequestRefused(fmt::format("Поле {}: {}", name, e.what()));
        }
    }
    int64_t Integer(const char* name) const
    {
        if (!request_.has_param(name))
            throw RequestRefused(fmt::format("Не указано поле {}", name));
        const std::string value = Raw(name);
        const auto parsed = text::parseInt64(text::trim(value));
        if (!parsed)
            throw RequestRefused(fmt::format("Поле {}: \"{}\" не целое число", name, value.substr(0, 40)));
        return *parsed;
    }
    Caller Who() const
    {
        Caller c;
        c.AppId = Raw("appid");
        c.AppVersion = Raw("appver");
        c.Name = Escaped("cl_name");
        c.Mail = Escaped("cl_mail");
        c.Lcid = request_.has_param("cl_lcid") ? Integer("cl_lcid") : 0;
        if (c.Lcid < 0 || c.Lcid > 0xFFFF)
            throw RequestRefused("Поле cl_lcid: недопустимое значение");
        return c;
    }

private:
    const httplib::Request& request_;
};

using Operation = std::function<std::string(const Form&)>;

httplib::Server::Handler answer(Operation operation)
{
    return [operation = std::move(operation)](const httplib::Request& request, httplib::Response& response) {
        std::string body;
        try {
            body = operation(Form(request));
        } catch (const RequestRefused& e) {
            body = exchange::ErrorAnswer(e.what());
        } catch (const std::exception& e) {
            // Storage failures: the client sees an error row, never a broken answer.
            body = exchange::ErrorAnswer(fmt::format("Внутренняя ошибка сервиса: {}", e.what()));
        }
        response.set_content(body, kAnswerType);
    };
}

bool flag(const Form& form, const char* name)
{
    const int64_t v = form.Integer(name);
    if (v != 0 && v != 1)
        throw RequestRefused(fmt::format("Поле {}: ожидается 0 или 1", name));
    return v == 1;
}

} // namespace

void InstallExchangeRoutes(httplib::Server& server, ExchangeStore& store)
{
    server.set_payload_max_length(MaxRequestBytes);
    server.Post("/scripts/sys_getlist.php", answer([&store](const Form& f) {
                    if (f.Integer("comblen") != 6 || f.Integer("maxnums") != 45)
                        return exchange::ExchangeAnswerWriter().Finish(); // no systems of other games
                    return store.ListSystems(f.Who());
                }));
    server.Post("/scripts/sys_getdata.php",
                answer([&store](const Form& f) { return store.SystemData(f.Integer("sys_id")); }));
    server.Post("/scripts/sys_putdata.php", answer([&store](const Form& f) {
                    const bool remove = flag(f, "del_mode");
                    SystemInput s;
                    s.Id = f.Integer("sys_id");
                    if (!remove) {
                        s.Numbers = f.Integer("nums");
                        s.CombLength = f.Integer("clen");
                        s.Block = f.Integer("olap");
                        s.CombCount = f.Integer("csize");
                        s.Title = f.Escaped("title");
                        s.Description = f.Escaped("descr");
                        s.Url = f.Raw("url");
                        try {
                            s.Combs = exchange::UnescapeText(exchange::DecodeBase64(f.Raw("clist")));
                        } catch (const Error& e) {
                            throw RequestRefused(fmt::format("Поле clist: {}", e.what()));
                        }
                    }
                    return store.PutSystem(f.Who(), s, remove);
                }));
    server.Post("/scripts/scr_getlist.php",
                answer([&store](const Form& f) { return store.ListScripts(f.Who(), f.Integer("fltid")); }));
    server.Post("/scripts/scr_getdata.php",
                answer([&store](const Form& f) { return store.ScriptData(f.Integer("scr_id")); }));
    server.Post("/scripts/scr_putscript.php", answer([&store](const Form& f) {
                    const bool remove = flag(f, "del_mode");
                    ScriptInput s;
                    s.Id = f.Integer("scr_id");
                    if (!remove) {
                        s.Universal = flag(f, "scr_uniapps");
                        s.Public = flag(f, "scr_publics");
                        s.Title = f.Escaped("scr_title");
                        s.Description = f.Escaped("scr_descr");
                        s.Script = f.Escaped("scr_script");
                    }
                    return store.PutScript(f.Who(), s, remove);
                }));
    server.Post("/scripts/scr_chktitle.php", answer([&store](const Form& f) {
                    return store.CheckTitle(f.Integer("scr_id"), f.Escaped("scr_title"));
                }));
    server.Post("/scripts/scr_setrate.php", answer([&store](const Form& f) {
                    return store.SetRate(f.Who(), f.Integer("scr_id"), f.Integer("rate_value"),
                                         f.Escaped("rate_notes"));
                }));
    server.Post("/scripts/scr_getrates.php",
                answer([&store](const Form& f) { return store.Rates(f.Integer("scr_id")); }));
}

} // namespace belvane::service
