#include "support/http.h"

#include <cstdlib>
#include <curl/curl.h>
#include <exception>
#include <fmt/format.h>
#include <memory>
#include <mutex>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include "support/file_io.h"
#include "support/translation.h"

namespace belvane::http {
namespace {

constexpr const char* kProtocols = "http,https";
// Once an address is https, a redirect must not drop TLS.
constexpr const char* kSecureProtocols = "https";

struct EasyDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
struct ListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using EasyHandle = std::unique_ptr<CURL, EasyDeleter>;
using HeaderList = std::unique_ptr<curl_slist, ListDeleter>;

void initialiseCurl()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (curl_global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
            throw Error("curl_global_init failed");
    });
}

std::string stalledText(std::chrono::seconds timeout)
{
    return support::Message("Сервер не передал ни одного байта за {} с", timeout.count());
}

std::string insecureRedirectText(std::string_view to)
{
    return support::Message("Переадресация с защищённого адреса https:// на незащищённый запрещена: {}", to);
}

std::string sizeExceededText(uint64_t maxSize)
{
    return support::Message("Размер ответа сервера больше допустимого ({} байт)", maxSize);
}

// The CA file named by BELVANE_CA_FILE, or empty. A file that cannot be read
// fails the request before it starts instead of silently trusting less.
std::string extraCaFile()
{
    const char* value = std::getenv(std::string(CaFileVariable).c_str());
    if (value == nullptr || *value == '\0')
        return {};
    std::error_code ec;
    if (!std::filesystem::is_regular_file(value, ec))
        throw Error(support::Message("{}: файл \"{}\" не найден", CaFileVariable, value));
    return value;
}

// One request on its own easy handle, released on every path. Callbacks from
// libcurl never throw: they park the exception and make libcurl stop.
class Transfer {
public:
    Transfer(std::string_view url, const RequestOptions& options, uint64_t defaultMaxSize,
             std::function<void(std::string_view)> sink)
        : options_(options), sink_(std::move(sink)), url_(url)
    {
        initialiseCurl();
        maxSize_ = options.MaxSize != 0 ? options.MaxSize : defaultMaxSize;
        caFile_ = extraCaFile();
        handle_.reset(curl_easy_init());
        if (!handle_)
            throw Error("curl_easy_init failed");
        configure();
    }

    void setPostBody(std::string body)
    {
        postBody_ = std::move(body);
        set(CURLOPT_POST, 1L);
        set(CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(postBody_.size()));
        set(CURLOPT_POSTFIELDS, postBody_.c_str());
    }

    void perform()
    {
        const CURLcode code = curl_easy_perform(handle_.get());
        if (parked_)
            std::rethrow_exception(parked_);
        if (code == CURLE_ABORTED_BY_CALLBACK && cancelled_)
            throw TransferCancelled();
        if (code == CURLE_ABORTED_BY_CALLBACK && stalled_)
            throw Error(stalledText(options_.StallTimeout));
        if (code == CURLE_UNSUPPORTED_PROTOCOL && secure_) {
            // The address itself was https: what libcurl refused is where a redirect led.
            const char* to = nullptr;
            curl_easy_getinfo(handle_.get(), CURLINFO_REDIRECT_URL, &to);
            if (to == nullptr || IsHttpsUrl(to))
                curl_easy_getinfo(handle_.get(), CURLINFO_EFFECTIVE_URL, &to);
            throw Error(insecureRedirectText(to != nullptr && !IsHttpsUrl(to) ? to : "?"));
        }
        if (code == CURLE_FILESIZE_EXCEEDED)
            throw Error(sizeExceededText(maxSize_));
        if (code == CURLE_SSL_CACERT_BADFILE && caFileFailed_)
            throw Error(
                support::Message("{}: не удалось загрузить сертификаты из файла \"{}\"", CaFileVariable, caFile_));
        if (code != CURLE_OK)
            throw TransferFailed(errorBuffer_[0] != '\0' ? std::string(errorBuffer_)
                                                         : std::string(curl_easy_strerror(code)),
                                 code == CURLE_OPERATION_TIMEDOUT);
        long status = 0;
        curl_easy_getinfo(handle_.get(), CURLINFO_RESPONSE_CODE, &status);
        if (status >= 400)
            throw Error(fmt::format("The requested URL returned error: {}", status));
    }

private:
    template <class T>
    void set(CURLoption option, T value)
    {
        const CURLcode code = curl_easy_setopt(handle_.get(), option, value);
        if (code != CURLE_OK)
            throw Error(curl_easy_strerror(code));
    }

    void configure()
    {
        set(CURLOPT_ERRORBUFFER, errorBuffer_);
        set(CURLOPT_URL, url_.c_str());
        set(CURLOPT_NOSIGNAL, 1L);
        set(CURLOPT_PROTOCOLS_STR, kProtocols);
        secure_ = IsHttpsUrl(url_);
        set(CURLOPT_REDIR_PROTOCOLS_STR, secure_ ? kSecureProtocols : kProtocols);
        set(CURLOPT_FOLLOWLOCATION, options_.FollowRedirects ? 1L : 0L);
        set(CURLOPT_MAXREDIRS, MaxRedirects);
        set(CURLOPT_FAILONERROR, 1L);

        set(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options_.ConnectTimeout.count()));
        // The stall (no byte at all) is watched in onProgress; libcurl's own
        // check is the average speed over the longer window.
        set(CURLOPT_LOW_SPEED_LIMIT, options_.MinSpeed);
        set(CURLOPT_LOW_SPEED_TIME, static_cast<long>(options_.SlowWindow.count()));
        set(CURLOPT_TIMEOUT, static_cast<long>(options_.TotalTimeout.count()));
        set(CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maxSize_));

        set(CURLOPT_ACCEPT_ENCODING, std::string(AcceptEncoding).c_str());
        set(CURLOPT_USERAGENT, std::string(UserAgent).c_str());
        const std::string accept = "Accept: " + options_.Accept;
        headers_.reset(curl_slist_append(nullptr, accept.c_str()));
        if (!headers_)
            throw Error("curl_slist_append failed");
        set(CURLOPT_HTTPHEADER, headers_.get());

        set(CURLOPT_SSL_VERIFYPEER, 1L);
        set(CURLOPT_SSL_VERIFYHOST, 2L);
        set(CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_TLSv1_2));
        if (!caFile_.empty()) {
            set(CURLOPT_SSL_CTX_FUNCTION, &Transfer::onSslContext);
            set(CURLOPT_SSL_CTX_DATA, this);
        }

        if (ProxyInUse(options_.Proxy)) {
            set(CURLOPT_PROXY, options_.Proxy.Server.c_str());
            set(CURLOPT_PROXYPORT, static_cast<long>(options_.Proxy.Port));
            if (!options_.Proxy.Username.empty())
                set(CURLOPT_PROXYUSERNAME, options_.Proxy.Username.c_str());
            if (!options_.Proxy.Password.empty())
                set(CURLOPT_PROXYPASSWORD, options_.Proxy.Password.c_str());
        } else {
            // The program's own setting decides, not http_proxy from the environment.
            set(CURLOPT_PROXY, "");
        }

        set(CURLOPT_WRITEFUNCTION, &Transfer::onData);
        set(CURLOPT_WRITEDATA, this);
        set(CURLOPT_NOPROGRESS, 0L);
        set(CURLOPT_XFERINFOFUNCTION, &Transfer::onProgress);
        set(CURLOPT_XFERINFODATA, this);
    }

    static size_t onData(char* data, size_t size, size_t count, void* self)
    {
        auto* t = static_cast<Transfer*>(self);
        const size_t n = size * count;
        try {
            t->received_ += n;
            if (t->received_ > t->maxSize_)
                throw Error(sizeExceededText(t->maxSize_));
            t->sink_(std::string_view(data, n));
            return n;
        } catch (...) {
            t->parked_ = std::current_exception();
            return 0; // anything but n stops the transfer
        }
    }

    static int onProgress(void* self, curl_off_t, curl_off_t dlnow, curl_off_t, curl_off_t ulnow)
    {
        auto* t = static_cast<Transfer*>(self);
        const auto now = std::chrono::steady_clock::now();
        if (dlnow + ulnow != t->moved_ || t->lastMove_ == std::chrono::steady_clock::time_point{}) {
            t->moved_ = dlnow + ulnow;
            t->lastMove_ = now;
        } else if (now - t->lastMove_ > t->options_.StallTimeout) {
            t->stalled_ = true;
            return 1;
        }
        if (!t->options_.Cancelled)
            return 0;
        try {
            t->cancelled_ = t->options_.Cancelled();
        } catch (...) {
            t->parked_ = std::current_exception();
            return 1;
        }
        return t->cancelled_ ? 1 : 0;
    }

    // Adds the CAs of BELVANE_CA_FILE to the store libcurl has already filled
    // from the system's.
    static CURLcode onSslContext(CURL*, void* sslContext, void* self)
    {
        auto* t = static_cast<Transfer*>(self);
        X509_STORE* store = SSL_CTX_get_cert_store(static_cast<SSL_CTX*>(sslContext));
        if (store == nullptr || X509_STORE_load_file(store, t->caFile_.c_str()) != 1) {
            ERR_clear_error();
            t->caFileFailed_ = true;
            return CURLE_SSL_CACERT_BADFILE;
        }
        return CURLE_OK;
    }

    const RequestOptions& options_;
    std::function<void(std::string_view)> sink_;
    std::string url_;
    std::string caFile_;
    std::string postBody_;
    uint64_t maxSize_ = 0;
    uint64_t received_ = 0;
    bool cancelled_ = false;
    bool stalled_ = false;
    bool secure_ = false;
    curl_off_t moved_ = 0;
    std::chrono::steady_clock::time_point lastMove_{};
    bool caFileFailed_ = false;
    std::exception_ptr parked_;
    char errorBuffer_[CURL_ERROR_SIZE] = {};
    HeaderList headers_;
    EasyHandle handle_;
};

} // namespace

bool ProxyInUse(const ProxySettings& proxy)
{
    return !proxy.Server.empty() && proxy.Port != 0;
}

std::string FormBody(std::span<const FormField> fields)
{
    std::string body;
    for (const FormField& field : fields) {
        if (!body.empty())
            body += '&';
        body += PercentEncode(field.Name);
        body += '=';
        body += PercentEncode(field.Value);
    }
    return body;
}

std::string HttpGetString(std::string_view url, const RequestOptions& options)
{
    std::string body;
    Transfer transfer(url, options, DefaultMaxStringSize, [&body](std::string_view piece) { body += piece; });
    transfer.perform();
    return body;
}

std::string HttpPostForm(std::string_view url, std::span<const FormField> fields, const RequestOptions& options)
{
    std::string body;
    Transfer transfer(url, options, DefaultMaxStringSize, [&body](std::string_view piece) { body += piece; });
    transfer.setPostBody(FormBody(fields));
    transfer.perform();
    return body;
}

void HttpGetToFile(std::string_view url, const std::filesystem::path& file, const RequestOptions& options)
{
    files::AtomicFileWriter writer(file);
    Transfer transfer(url, options, DefaultMaxFileSize, [&writer](std::string_view piece) { writer.write(piece); });
    transfer.perform();
    writer.commit();
}

} // namespace belvane::http
