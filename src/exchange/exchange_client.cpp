#include "exchange/exchange_client.h"

#include <fmt/format.h>
#include <thread>

#include "exchange/author_key.h"

#include "exchange/exchange_text.h"
#include "support/error.h"
#include "support/text.h"
#include "support/translation.h"

namespace belvane::exchange {

ExchangeClient::ExchangeClient(std::string_view serviceUrl, ExchangeIdentity identity, http::ProxySettings proxy)
    : identity_(std::move(identity)), proxy_(std::move(proxy))
{
    std::string_view url = text::trim(serviceUrl);
    if (url.empty())
        throw Error(support::Text(NoServiceMessage));
    if (!text::startsWithIgnoreCase(url, "http://") && !text::startsWithIgnoreCase(url, "https://"))
        throw Error(support::Message(BadServiceMessage, url));
    while (url.ends_with('/'))
        url.remove_suffix(1);
    base_ = std::string(url);
}

std::string ExchangeClient::ScriptUrl(std::string_view script) const
{
    return fmt::format("{}/scripts/{}", base_, script);
}

std::vector<ExchangeRow> ExchangeClient::Post(std::string_view script, const std::vector<http::FormField>& fields) const
{
    http::RequestOptions options;
    options.Proxy = proxy_;
    options.Accept = "application/xml, text/xml, */*";
    options.MaxSize = MaxAnswerSize;
    options.TotalTimeout = std::chrono::seconds(300);
    options.Cancelled = cancelled_;
    return ReadExchangeAnswer(http::HttpPostForm(ScriptUrl(script), fields, options));
}

std::vector<ExchangeRow> ExchangeClient::PostAsUser(std::string_view script, std::vector<http::FormField> fields) const
{
    fields.push_back({"appid", identity_.AppId});
    fields.push_back({"appver", identity_.AppVersion});
    fields.push_back({"cl_name", EscapeText(identity_.UserName)});
    fields.push_back({"cl_mail", EscapeText(identity_.UserMail)});
    fields.push_back({"cl_lcid", std::to_string(identity_.Lcid)});
    if (!identity_.AuthorKey.empty())
        fields.push_back({"cl_key", identity_.AuthorKey});
    return Post(script, fields);
}

std::vector<ExchangeRow> ExchangeClient::PostChange(std::string_view script, std::vector<http::FormField> fields) const
{
    fields.push_back({"req_id", NewRequestId()});
    for (int attempt = 0;; ++attempt) {
        try {
            return PostAsUser(script, fields);
        } catch (const http::TransferFailed& e) {
            // A time-out has already made the user wait long enough.
            if (e.TimedOut() || attempt == ChangeRetries || (cancelled_ && cancelled_()))
                throw;
            std::this_thread::sleep_for(std::chrono::milliseconds(250 << (2 * attempt)));
        }
    }
}

} // namespace belvane::exchange
