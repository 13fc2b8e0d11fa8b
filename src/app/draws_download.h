#pragma once

// Downloading the draws that are newer than the archive's newest from the
// lottery operator's site: attempts with the wait window, the proxy of each
// request, the retry question, then the callbacks that append and save the
// new draws and check the stakes. The archive itself is the caller's: the
// download only reads it and hands over what it found.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/download_settings.h"
#include "app/proxy_settings.h"
#include "model/dates.h"
#include "model/draws.h"
#include "support/http.h"
#include "support/translation.h"

namespace belvane {
class Host;
}

namespace belvane::app {

inline constexpr std::string_view DownloadWaitText = BELVANE_TEXT("Загрузка архива тиражей...");
inline constexpr std::string_view DownloadWaitDetailText = BELVANE_TEXT("Загрузка архива тиражей...\r\r{}");
inline constexpr std::string_view ProxyAttemptText = BELVANE_TEXT("Попытка {}, proxy {} : {}");
inline constexpr std::string_view ProxySearchText = BELVANE_TEXT("Поиск proxy-серверов");
inline constexpr std::string_view DownloadRangeStatus = BELVANE_TEXT("Загрузка тиражей {} - {}...");
inline constexpr std::string_view DownloadRetryQuestion =
    BELVANE_TEXT("Ошибка загрузки архива тиражей с сайта: \"{}\"\r\rПовторить попытку?");
inline constexpr std::string_view DownloadFailedMessage =
    BELVANE_TEXT("Ошибка загрузки архива тиражей с сайта: \"{}\"");
inline constexpr std::string_view SiteUrlInvalidMessage = BELVANE_TEXT("Некорректный адрес сайта лотереи: \"{}\"!");
inline constexpr std::string_view NewestDrawUndatedMessage =
    BELVANE_TEXT("У последнего тиража архива (№ {}) не указана дата: невозможно определить, какие тиражи загружать!");
inline constexpr std::string_view StartupDownloadQuestion = BELVANE_TEXT(
    "Обновить список тиражей?\r\rДля выполнения обновления необходимо действующее подключение к сети Интернет.");

// The download's own Accept header.
inline constexpr std::string_view DownloadAccept =
    "text/html,application/xhtml+xml,application/xml;q=0.9,image/webp,*/*;q=0.8";

// Where the download reads from. Tests put a scripted source here.
class DrawsSource {
public:
    virtual ~DrawsSource() = default;
    // One GET through the proxy (Server empty: none); the body as UTF-8 text.
    // Throws Error with the transport's text, TransferCancelled when stopped.
    virtual std::string Get(const std::string& url, const http::ProxySettings& proxy) = 0;
};

// The network: libcurl with the download's headers, a 5 s connect and a 10 s
// stall time-out, stopped when the host's cancel flag is raised.
class HttpDrawsSource final : public DrawsSource {
public:
    explicit HttpDrawsSource(const Host& host) : host_(host) {}
    std::string Get(const std::string& url, const http::ProxySettings& proxy) override;

private:
    const Host& host_;
};

struct DrawsDownloadRequest {
    DownloadSettings Settings;
    // Attempts before giving up without asking; 0: as many as the person
    // asks for. Whoever cannot ask a person (cron, loadonly) sets a cap.
    int MaxAttempts = 0;
    // The last day asked for; nullopt: today by the local clock.
    std::optional<model::Date> Today;
};

struct DrawsDownloadHooks {
    // Appends the new draws (numbered, oldest first) to the archive and saves
    // it; false when the save failed (and was shown). Called only when there
    // are new draws.
    std::function<bool(const model::TDrawsArray& newDraws)> AppendAndSave;
    // Checks the stakes against the archive; runs at the end of every download.
    std::function<void()> CheckStakes;
    // Writes the proxy settings; called at the end when they changed (a proxy
    // found, or a failed one forgotten, in automatic mode).
    std::function<void(ProxySettings& settings)> SaveProxy;
};

enum class DownloadOutcome {
    Downloaded, // the site answered; NewDraws may be empty (the archive was up to date)
    Failed,     // every attempt failed
    Refused,    // not tried: the site address or the archive's newest draw does not allow it
    Cancelled,  // the host's cancel flag stopped it
};

struct DrawsDownloadResult {
    DownloadOutcome Outcome = DownloadOutcome::Failed;
    model::TDrawsArray NewDraws;
    int Rejected = 0; // lines of the answer that were no draw
    int Attempts = 0;
    bool Saved = false;  // AppendAndSave ran and succeeded
    std::string Failure; // the last failure's text, when not Downloaded
    // The failure went out as an error box; false when only the retry
    // question carried it (a front end that answered it alone may show it).
    bool FailureShown = false;
};

// "Добавлено тиражей: %d", with the rejected lines when there are any.
std::string DownloadSummaryText(const DrawsDownloadResult& result);

// The download. Everything the person must see has been shown through the
// host when it returns: the wait window and status texts, the retry question,
// a failure no question carried (a refusal, the attempt cap reached), and a
// warning when lines of the answer were rejected. `proxy` is updated by the
// automatic mode.
DrawsDownloadResult DownloadDraws(Host& host, DrawsSource& source, const DrawsDownloadRequest& request,
                                  const model::TDrawsArray& archive, ProxySettings& proxy,
                                  const DrawsDownloadHooks& hooks);

// Whether start-up downloads, by DownloadDrawsOnStart: 0 asks, 1 downloads, 2 does not.
bool DownloadAtStartup(Host& host, int downloadDrawsOnStart);

} // namespace belvane::app
