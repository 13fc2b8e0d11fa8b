#pragma once

// One exchange with the service: a form POST to a script under "/scripts/"
// of the service's address, through the HTTP helper (verified TLS, proxy,
// time-outs, size cap), and the answer's rows. Every exchange carries who
// asks: the application, its version, the user's name, contact and language.

#include <functional>
#include <string>
#include <utility>
#include <string_view>
#include <vector>

#include "exchange/exchange_answer.h"
#include "support/http.h"
#include "support/translation.h"

namespace belvane::exchange {

inline constexpr std::string_view NoServiceMessage = BELVANE_TEXT(
    "Адрес сервиса обмена не указан!\r\rУкажите его в файле конфигурации (раздел [ONLINE], параметр ServiceUrl).");
inline constexpr std::string_view BadServiceMessage =
    BELVANE_TEXT("Адрес сервиса обмена \"{}\" должен начинаться с \"http://\" или \"https://\"!");

// Answers larger than this are refused (a system of C(45,6) lines in Base64 fits).
inline constexpr uint64_t MaxAnswerSize = 256ull << 20;

// The application identifier sent as "appid" (and shown as the program's name).
inline constexpr std::string_view ApplicationId = "Belvane 6x45";
inline constexpr std::string_view ApplicationVersion = "1.0";

struct ExchangeIdentity {
    std::string AppId = std::string(ApplicationId);
    std::string AppVersion = std::string(ApplicationVersion);
    std::string UserName;
    std::string UserMail;
    int Lcid = 1049;
    // The author's secret ([ONLINE] AuthorKey): sent as "cl_key"; empty for none.
    std::string AuthorKey;
};

// A change whose answer was lost is sent again this many times (with the same request id).
inline constexpr int ChangeRetries = 2;

class ExchangeClient {
public:
    // Throws Error(NoServiceMessage) without an address, Error(BadServiceMessage) for one that is no http(s) URL.
    ExchangeClient(std::string_view serviceUrl, ExchangeIdentity identity, http::ProxySettings proxy = {});

    const ExchangeIdentity& Identity() const { return identity_; }
    // The same service asked by someone else (the author a dialog names).
    ExchangeClient WithIdentity(ExchangeIdentity identity) const
    {
        ExchangeClient other = *this;
        other.identity_ = std::move(identity);
        return other;
    }
    // Polled while a request runs: true stops it (the wait window's "Отмена").
    void SetCancelHook(std::function<bool()> cancelled) { cancelled_ = std::move(cancelled); }

    // "<address>/scripts/<script>".
    std::string ScriptUrl(std::string_view script) const;

    // The form fields as they are (values already escaped where needed).
    std::vector<ExchangeRow> Post(std::string_view script, const std::vector<http::FormField>& fields) const;
    // The same after "appid", "appver", "cl_name" (esc), "cl_mail" (esc), "cl_lcid" and "cl_key".
    std::vector<ExchangeRow> PostAsUser(std::string_view script, std::vector<http::FormField> fields) const;
    // A request that changes something, as the user, with a new "req_id": when
    // the connection fails before the answer arrives it is sent again, and the
    // service answers a repeated id as it answered the first time.
    std::vector<ExchangeRow> PostChange(std::string_view script, std::vector<http::FormField> fields) const;

private:
    std::string base_;
    ExchangeIdentity identity_;
    http::ProxySettings proxy_;
    std::function<bool()> cancelled_;
};

} // namespace belvane::exchange
