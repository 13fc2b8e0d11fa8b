#include "app/draws_download.h"

#include <fmt/format.h>

#include "app/draws_csv.h"
#include "app/operator_results.h"
#include "app/proxy_candidates.h"
#include "support/error.h"
#include "support/host.h"
#include "support/translation.h"
#include "support/url.h"

namespace belvane::app {
namespace {

// Pages and the CSV of the whole history are far smaller.
constexpr uint64_t kMaxAnswerSize = 16ull << 20;

std::string detailText(std::string_view detail)
{
    return fmt::format(fmt::runtime(support::Template(DownloadWaitDetailText)), detail);
}

// One download: the state its attempts share.
class Download {
public:
    Download(Host& host, DrawsSource& source, const DrawsDownloadRequest& request, ProxySettings& proxy,
             WaitScope& wait)
        : host_(host), source_(source), request_(request), wait_(wait),
          chooser_(proxy, [this] { return fetchProxyList(); })
    {
    }

    DrawsDownloadResult run(const model::TDrawsArray& archive, const DrawsDownloadHooks& hooks);

private:
    OperatorCsvDraws downloadRange(int fromDate, int toDate, int lastNumber, int lastDate);
    std::string get(const std::string& url);
    std::string fetchProxyList();

    Host& host_;
    DrawsSource& source_;
    const DrawsDownloadRequest& request_;
    WaitScope& wait_;
    ProxyChooser chooser_;
    int attempt_ = 1;
};

std::string Download::fetchProxyList()
{
    wait_.show(detailText(support::Text(ProxySearchText)));
    if (request_.Settings.ProxyListUrl.empty())
        throw Error(fmt::format(fmt::runtime(support::Template(ProxySearchFailedMessage)),
                                support::Text(ProxyListUrlMissingMessage)));
    try {
        return source_.Get(request_.Settings.ProxyListUrl, {});
    } catch (const http::TransferCancelled&) {
        throw;
    } catch (const Error& e) {
        throw Error(fmt::format(fmt::runtime(support::Template(ProxySearchFailedMessage)), e.what()));
    }
}

std::string Download::get(const std::string& url)
{
    const http::ProxySettings proxy = chooser_.forRequest();
    if (!http::ProxyInUse(proxy)) {
        wait_.show(support::Text(DownloadWaitText));
        return source_.Get(url, {});
    }
    wait_.show(
        detailText(fmt::format(fmt::runtime(support::Template(ProxyAttemptText)), attempt_, proxy.Server, proxy.Port)));
    return source_.Get(url, proxy);
}

OperatorCsvDraws Download::downloadRange(int fromDate, int toDate, int lastNumber, int lastDate)
{
    host_.setStatus(fmt::format(fmt::runtime(support::Template(DownloadRangeStatus)),
                                model::DateToText(model::IntToDate(fromDate)),
                                model::DateToText(model::IntToDate(toDate))));
    const std::string& site = request_.Settings.SiteUrl;
    const std::string page = get(ResultsPageUrl(site));
    const std::string token = ExtractRequestToken(page);
    const std::string csv = get(DrawsCsvUrl(site, token, fromDate, toDate));
    return ParseOperatorCsv(csv, lastNumber, lastDate);
}

DrawsDownloadResult Download::run(const model::TDrawsArray& archive, const DrawsDownloadHooks& hooks)
{
    DrawsDownloadResult result;
    const std::string& site = request_.Settings.SiteUrl;
    if (!http::IsHttpUrl(site)) {
        result.Outcome = DownloadOutcome::Refused;
        result.Failure = fmt::format(fmt::runtime(support::Template(SiteUrlInvalidMessage)), site);
        host_.showError(result.Failure);
        result.FailureShown = true;
        return result;
    }
    // Without the newest draw's date every draw of the history would look new.
    if (!archive.empty() && archive.back().dateInt() == 0) {
        result.Outcome = DownloadOutcome::Refused;
        result.Failure = fmt::format(fmt::runtime(support::Template(NewestDrawUndatedMessage)), archive.back().Number);
        host_.showError(result.Failure);
        result.FailureShown = true;
        return result;
    }
    const int lastNumber = archive.empty() ? 0 : archive.back().Number;
    const int lastDate = archive.empty() ? 0 : archive.back().dateInt();
    const int fromDate = archive.empty() ? model::EarliestDrawDate : model::DrawDateShift(archive, 0, 1);
    const int toDate = model::DateToInt(request_.Today.value_or(model::Today()));

    for (attempt_ = 1;; ++attempt_) {
        result.Attempts = attempt_;
        if (host_.cancelled()) {
            result.Outcome = DownloadOutcome::Cancelled;
            return result;
        }
        try {
            OperatorCsvDraws found = downloadRange(fromDate, toDate, lastNumber, lastDate);
            result.Outcome = DownloadOutcome::Downloaded;
            result.Failure.clear();
            result.NewDraws = std::move(found.Draws);
            result.Rejected = found.Rejected;
            if (!result.NewDraws.empty() && hooks.AppendAndSave)
                result.Saved = hooks.AppendAndSave(result.NewDraws);
            if (result.Rejected > 0)
                host_.showWarning(DownloadSummaryText(result));
            return result;
        } catch (const http::TransferCancelled& e) {
            result.Outcome = DownloadOutcome::Cancelled;
            result.Failure = e.what();
            return result;
        } catch (const Error& e) {
            result.Failure = e.what();
        }

        const bool another = chooser_.dropFailed();
        if (host_.cancelled()) {
            result.Outcome = DownloadOutcome::Cancelled;
            return result;
        }
        if (request_.MaxAttempts > 0 && attempt_ >= request_.MaxAttempts) {
            host_.showError(fmt::format(fmt::runtime(support::Template(DownloadFailedMessage)), result.Failure));
            result.FailureShown = true;
            return result;
        }
        if (another)
            continue;
        if (!host_.askYesNo(support::Text(CaptionError),
                            fmt::format(fmt::runtime(support::Template(DownloadRetryQuestion)), result.Failure), true))
            return result;
    }
}

} // namespace

std::string HttpDrawsSource::Get(const std::string& url, const http::ProxySettings& proxy)
{
    http::RequestOptions options;
    options.Proxy = proxy;
    options.Accept = std::string(DownloadAccept);
    options.ConnectTimeout = std::chrono::milliseconds(5000);
    options.StallTimeout = std::chrono::seconds(10);
    options.TotalTimeout = std::chrono::seconds(300);
    options.MaxSize = kMaxAnswerSize;
    options.Cancelled = [this] { return host_.cancelled(); };
    return http::HttpGetString(url, options);
}

std::string DownloadSummaryText(const DrawsDownloadResult& result)
{
    DrawsCsvImport counts;
    counts.appended = static_cast<int>(result.NewDraws.size());
    counts.rejected = result.Rejected;
    return ImportSummaryText(counts);
}

DrawsDownloadResult DownloadDraws(Host& host, DrawsSource& source, const DrawsDownloadRequest& request,
                                  const model::TDrawsArray& archive, ProxySettings& proxy,
                                  const DrawsDownloadHooks& hooks)
{
    host.clearCancel();
    DrawsDownloadResult result;
    {
        StatusScope status(host, support::Text(DownloadWaitText));
        WaitScope wait(host, support::Text(DownloadWaitText));
        Download download(host, source, request, proxy, wait);
        result = download.run(archive, hooks);
    }
    if (!proxy.Saved && hooks.SaveProxy)
        hooks.SaveProxy(proxy);
    if (hooks.CheckStakes)
        hooks.CheckStakes();
    return result;
}

bool DownloadAtStartup(Host& host, int downloadDrawsOnStart)
{
    switch (downloadDrawsOnStart) {
    case 0:
        return host.confirm(support::Text(StartupDownloadQuestion), true);

    case 1:
        return true;
    default:
        return false;
    }
}

} // namespace belvane::app
