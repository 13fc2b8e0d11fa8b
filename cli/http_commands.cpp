// belvane-cli http get|post: one request through the program's HTTP helper,
// to see what a site answers the program (TLS checks, proxies, redirects).

#include <fmt/format.h>
#include <iostream>

#include "cli/command_binding.h"
#include "support/error.h"
#include "support/http.h"
#include "support/text.h"

namespace belvane::cli {
namespace {

struct HttpCommandOptions {
    std::string url;
    std::string proxy; // host:port
    std::string out;
    std::vector<std::string> fields; // NAME=VALUE
};

http::RequestOptions requestOptions(const HttpCommandOptions& o)
{
    http::RequestOptions options;
    if (o.proxy.empty())
        return options;
    const size_t colon = o.proxy.rfind(':');
    const auto port = colon == std::string::npos ? std::nullopt : text::parseInt(o.proxy.substr(colon + 1));
    if (!port || *port < 1 || *port > 65535 || colon == 0)
        throw Error(fmt::format("Некорректный proxy-сервер \"{}\": нужно имя:порт!", o.proxy));
    options.Proxy.Server = o.proxy.substr(0, colon);
    options.Proxy.Port = *port;
    return options;
}

int get(CliContext& ctx, const HttpCommandOptions& o)
{
    const http::RequestOptions options = requestOptions(o);
    if (!o.out.empty()) {
        // A diagnostic must not replace the archive or another file of the program.
        if (const std::string refusal = ctx.dataFiles().ownFileRefusal(o.out); !refusal.empty())
            throw Error(refusal);
        http::HttpGetToFile(o.url, o.out, options);
        return ExitOk;
    }
    std::cout << http::HttpGetString(o.url, options) << std::flush;
    return ExitOk;
}

int post(CliContext&, const HttpCommandOptions& o)
{
    std::vector<http::FormField> fields;
    for (const std::string& field : o.fields) {
        const size_t eq = field.find('=');
        if (eq == std::string::npos || eq == 0)
            throw Error(fmt::format("Некорректное поле формы \"{}\": нужно ИМЯ=ЗНАЧЕНИЕ!", field));
        fields.push_back({field.substr(0, eq), field.substr(eq + 1)});
    }
    std::cout << http::HttpPostForm(o.url, fields, requestOptions(o)) << std::flush;
    return ExitOk;
}

} // namespace

void addHttpCommands(CLI::App& app, CliContext& ctx)
{
    CLI::App* http = app.add_subcommand("http", "Один запрос HTTP(S), как его делает программа (для проверки связи)");
    http->require_subcommand(1);

    auto getOptions = std::make_shared<HttpCommandOptions>();
    CLI::App* getCmd = http->add_subcommand("get", "GET: тело ответа в stdout или в файл");
    getCmd->add_option("url", getOptions->url, "Адрес http:// или https://")->required();
    getCmd->add_option("--out", getOptions->out, "Записать ответ в файл");
    getCmd->add_option("--proxy", getOptions->proxy, "Proxy-сервер имя:порт");
    onChosen(getCmd, ctx, getOptions, get);

    auto postOptions = std::make_shared<HttpCommandOptions>();
    CLI::App* postCmd = http->add_subcommand("post", "POST формы: тело ответа в stdout");
    postCmd->add_option("url", postOptions->url, "Адрес http:// или https://")->required();
    postCmd->add_option("fields", postOptions->fields, "Поля формы ИМЯ=ЗНАЧЕНИЕ");
    postCmd->add_option("--proxy", postOptions->proxy, "Proxy-сервер имя:порт");
    onChosen(postCmd, ctx, postOptions, post);
}

} // namespace belvane::cli
