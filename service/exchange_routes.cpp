#include "service/exchange_routes.h"

#include <fmt/format.h>
#include <functional>
#include <httplib.h>
#include <map>
#include <sys/socket.h>

#include "exchange/base64.h"
#include "exchange/exchange_answer.h"
#include "exchange/exchange_text.h"
#include "support/text.h"

namespace belvane::service {
namespace {

constexpr const char* kAnswerType = "text/xml; charset=utf-8";

std::string percentDecoded(std::string_view text, std::string_view field)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%') {
            const int high = i + 2 < text.size() ? belvane::text::hexDigitValue(text[i + 1]) : -1;
            const int low = high >= 0 ? belvane::text::hexDigitValue(text[i + 2]) : -1;
            if (low < 0)
                throw RequestRefused(fmt::format("Поле {}: некорректная %-последовательность", field));
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

class Form {
public:
    explicit Form(std::string_view body)
    {
        for (auto& [name, value] : ParseFormBody(body))
            fields_.emplace(std::move(name), std::move(value)); // the first of a name wins
    }

    std::string Raw(const char* name) const
    {
        const auto it = fields_.find(name);
        return it == fields_.end() ? std::string() : it->second;
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
        if (!fields_.contains(name))
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
        c.Lcid = fields_.contains("cl_lcid") ? Integer("cl_lcid") : 0;
        c.Key = Raw("cl_key");
        c.RequestId = Raw("req_id");
        if (c.Lcid < 0 || c.Lcid > 0xFFFF)
            throw RequestRefused("Поле cl_lcid: недопустимое значение");
        return c;
    }

private:
    std::map<std::string, std::string, std::less<>> fields_;
};

using Operation = std::function<std::string(const Form&)>;

bool formType(const httplib::Request& request)
{
    const std::string type = request.get_header_value("Content-Type");
    return type.empty() || text::startsWithIgnoreCase(type, "application/x-www-form-urlencoded");
}

// Every request is answered with a document: a refusal is an "<error>" row
// that the client shows, never a dropped connection or a bare status.
httplib::Server::HandlerWithContentReader answer(Operation operation)
{
    return [operation = std::move(operation)](const httplib::Request& request, httplib::Response& response,
                                              const httplib::ContentReader& reader) {
        std::string body;
        bool tooLarge = false;
        bool read = false;
        const bool form = formType(request);
        if (form) {
            read = reader([&](const char* data, size_t size) {
                if (body.size() + size > MaxRequestBytes) {
                    tooLarge = true;
                    return false;
                }
                body.append(data, size);
                return true;
            });
        } else if (request.is_multipart_form_data()) {
            // Read to the end all the same, so that the refusal reaches the client.
            read = reader([](const httplib::MultipartFormData&) { return true; },
                          [](const char*, size_t) { return true; });
        } else {
            read = reader([](const char*, size_t) { return true; });
        }
        std::string answer;
        try {
            if (tooLarge || response.status == 413)
                throw RequestRefused(fmt::format("Запрос больше {} байт", MaxRequestBytes));
            if (!form)
                throw RequestRefused("Ожидаются поля формы (application/x-www-form-urlencoded)");
            if (!read)
                throw RequestRefused("Запрос прочитан не полностью");
            answer = operation(Form(body));
        } catch (const RequestRefused& e) {
            answer = exchange::ErrorAnswer(e.what());
        } catch (const std::exception& e) {
            // Storage failures: the client sees an error row, never a broken answer.
            answer = exchange::ErrorAnswer(fmt::format("Внутренняя ошибка сервиса: {}", e.what()));
        }
        response.status = 200;
        response.set_content(answer, kAnswerType);
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

std::vector<std::pair<std::string, std::string>> ParseFormBody(std::string_view body)
{
    std::vector<std::pair<std::string, std::string>> fields;
    for (std::string_view pair : text::split(body, "&", true)) {
        if (pair.empty())
            continue;
        if (fields.size() == MaxFormFields)
            throw RequestRefused(fmt::format("Запрос содержит больше {} полей", MaxFormFields));
        const size_t eq = pair.find('=');
        std::string name = percentDecoded(pair.substr(0, eq), "?");
        if (name.size() > 64)
            throw RequestRefused("Слишком длинное имя поля");
        const std::string_view raw = eq == std::string_view::npos ? std::string_view() : pair.substr(eq + 1);
        const size_t limit = FieldLimit(name);
        // Percent-encoding at most triples a value: what is far longer is refused before decoding.
        if (raw.size() > 3 * limit)
            throw RequestRefused(fmt::format("Поле {}: длиннее {} байт", name, limit));
        std::string value = percentDecoded(raw, name);
        if (value.size() > limit)
            throw RequestRefused(fmt::format("Поле {}: длиннее {} байт", name, limit));
        fields.emplace_back(std::move(name), std::move(value));
    }
    return fields;
}

size_t FieldLimit(std::string_view name)
{
    if (name == "clist")
        return MaxClistFieldBytes;
    if (name == "scr_script")
        return MaxScriptFieldBytes;
    if (name == "descr" || name == "scr_descr" || name == "rate_notes")
        return MaxDescrFieldBytes;
    return MaxFieldBytes;
}

void ConfigureExchangeServer(httplib::Server& server)
{
    server.set_payload_max_length(MaxRequestBytes);
    // The store answers one request at a time; the threads wait for it, not the clients for a thread.
    server.new_task_queue = [] { return new httplib::ThreadPool(ServiceThreads); };
    // Idle connections give their thread back soon; a large upload may pause longer.
    server.set_keep_alive_timeout(2);
    server.set_keep_alive_max_count(100);
    server.set_read_timeout(30);
    server.set_write_timeout(30);
}

int BindExchangeServer(httplib::Server& server, const std::string& host, int port)
{
    // cpp-httplib listens with a queue of five: a crowd of clients overflows it and the
    // kernel drops their connections. The socket is listened on again with a long queue.
    auto listening = std::make_shared<int>(-1);
    server.set_socket_options([listening](int socket) {
        httplib::default_socket_options(socket);
        *listening = socket;
    });
    int bound = port;
    if (port == 0)
        bound = server.bind_to_any_port(host);
    else if (!server.bind_to_port(host, port))
        bound = -1;
    if (bound > 0 && *listening >= 0)
        ::listen(*listening, ListenBacklog);
    return bound > 0 ? bound : -1;
}

void InstallExchangeRoutes(httplib::Server& server, ExchangeStore& store)
{
    ConfigureExchangeServer(server);
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
                answer([&store](const Form& f) { return store.ScriptData(f.Who(), f.Integer("scr_id")); }));
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
                    return store.CheckTitle(f.Who(), f.Integer("scr_id"), f.Escaped("scr_title"));
                }));
    server.Post("/scripts/scr_setrate.php", answer([&store](const Form& f) {
                    return store.SetRate(f.Who(), f.Integer("scr_id"), f.Integer("rate_value"),
                                         f.Escaped("rate_notes"));
                }));
    server.Post("/scripts/scr_getrates.php",
                answer([&store](const Form& f) { return store.Rates(f.Who(), f.Integer("scr_id")); }));
}

} // namespace belvane::service
