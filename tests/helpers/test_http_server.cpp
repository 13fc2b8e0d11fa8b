#include "helpers/test_http_server.h"

#include <algorithm>
#include <chrono>
#include <httplib.h>
#include <stdexcept>
#include <zlib.h>

namespace belvane::testing {
namespace {

std::string lower(std::string_view s)
{
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// "http://host:port/path?q" -> "/path?q"; an origin-form target stays as it is.
std::optional<std::string> originForm(const std::string& target)
{
    const auto scheme = target.find("://");
    if (scheme == std::string::npos || target.starts_with("/"))
        return std::nullopt;
    const auto slash = target.find('/', scheme + 3);
    return slash == std::string::npos ? std::string("/") : target.substr(slash);
}

} // namespace

std::string RecordedRequest::header(std::string_view name) const
{
    const auto it = headers.find(lower(name));
    return it == headers.end() ? std::string() : it->second;
}

std::string Compress(std::string_view body, ContentCoding coding)
{
    z_stream z{};
    const int windowBits = coding == ContentCoding::Gzip ? 15 + 16 : 15;
    if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&z, static_cast<uLong>(body.size())) + 32, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(body.data()));
    z.avail_in = static_cast<uInt>(body.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    const int rc = deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    if (rc != Z_STREAM_END)
        throw std::runtime_error("deflate");
    return out;
}

TestHttpServer::TestHttpServer(Tls tls) : tls_(tls == Tls::On)
{
    if (tls_) {
        certificate_ = MakeTestCertificate(folder_.path());
        server_ =
            std::make_unique<httplib::SSLServer>(certificate_->CertificateFile.c_str(), certificate_->KeyFile.c_str());
    } else {
        server_ = std::make_unique<httplib::Server>();
    }
    if (!server_->is_valid())
        throw std::runtime_error("test server: invalid set-up");
    server_->set_keep_alive_timeout(1);
    const auto handler = [this](const httplib::Request& req, httplib::Response& res) { dispatch(req, res); };
    server_->Get(".*", handler);
    server_->Post(".*", handler);
    port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0)
        throw std::runtime_error("test server: no port");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    // stop() does nothing to a server not yet running: wait for it, or a quick
    // construction and destruction would leave the listener thread behind.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!server_->is_running()) {
        if (std::chrono::steady_clock::now() > deadline) {
            thread_.detach();
            throw std::runtime_error("test server: does not start");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

TestHttpServer::~TestHttpServer()
{
    stopping_ = true;
    server_->stop();
    if (thread_.joinable())
        thread_.join();
}

std::string TestHttpServer::url(std::string_view path) const
{
    return (tls_ ? "https://127.0.0.1:" : "http://127.0.0.1:") + std::to_string(port_) + std::string(path);
}

const std::filesystem::path& TestHttpServer::certificateFile() const
{
    if (!certificate_)
        throw std::logic_error("test server: no TLS");
    return certificate_->CertificateFile;
}

void TestHttpServer::route(const std::string& path, Handler handler)
{
    std::lock_guard lock(mutex_);
    routes_[path] = std::move(handler);
}

void TestHttpServer::serve(const std::string& path, std::string body, std::string contentType)
{
    route(path, [body = std::move(body), contentType = std::move(contentType)](
                    const httplib::Request&, httplib::Response& res) { res.set_content(body, contentType.c_str()); });
}

void TestHttpServer::serveStatus(const std::string& path, int status, std::string body)
{
    route(path, [status, body = std::move(body)](const httplib::Request&, httplib::Response& res) {
        res.status = status;
        res.set_content(body, "text/plain");
    });
}

void TestHttpServer::serveCompressed(const std::string& path, std::string_view body, ContentCoding coding)
{
    // An octet-stream type keeps the server from compressing the body a second time.
    route(path, [packed = Compress(body, coding), coding](const httplib::Request&, httplib::Response& res) {
        res.set_header("Content-Encoding", coding == ContentCoding::Gzip ? "gzip" : "deflate");
        res.set_content(packed, "application/octet-stream");
    });
}

void TestHttpServer::redirect(const std::string& path, std::string location, int status)
{
    route(path, [location = std::move(location), status](const httplib::Request&, httplib::Response& res) {
        res.set_redirect(location, status);
    });
}

void TestHttpServer::serveStalled(const std::string& path, std::string firstBytes)
{
    route(path, [this, firstBytes = std::move(firstBytes)](const httplib::Request&, httplib::Response& res) {
        res.set_content_provider(firstBytes.size() + 1000, "application/octet-stream",
                                 [this, firstBytes](size_t offset, size_t, httplib::DataSink& sink) {
                                     if (offset < firstBytes.size())
                                         return sink.write(firstBytes.data() + offset, firstBytes.size() - offset);
                                     const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
                                     while (!stopping_ && std::chrono::steady_clock::now() < until)
                                         std::this_thread::sleep_for(std::chrono::milliseconds(20));
                                     return false;
                                 });
    });
}

void TestHttpServer::requireProxyCredentials(std::string user, std::string password)
{
    const auto header = httplib::make_basic_authentication_header(user, password, true);
    std::lock_guard lock(mutex_);
    proxyAuthorization_ = header.second;
}

std::vector<RecordedRequest> TestHttpServer::requests() const
{
    std::lock_guard lock(mutex_);
    return requests_;
}

std::vector<RecordedRequest> TestHttpServer::requestsTo(std::string_view path) const
{
    std::vector<RecordedRequest> out;
    for (RecordedRequest& r : requests())
        if (r.path == path)
            out.push_back(std::move(r));
    return out;
}

void TestHttpServer::dispatch(const httplib::Request& req, httplib::Response& res)
{
    RecordedRequest record;
    record.method = req.method;
    record.target = req.target;
    const auto origin = originForm(req.target);
    record.viaProxy = origin.has_value();
    const std::string local = origin.value_or(req.target);
    const auto question = local.find('?');
    record.path = local.substr(0, question);
    record.query = question == std::string::npos ? std::string() : local.substr(question + 1);
    for (const auto& [name, value] : req.headers)
        record.headers.emplace(lower(name), value);
    record.body = req.body;

    Handler handler;
    std::string expectedProxyAuthorization;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(record);
        const auto it = routes_.find(record.path);
        if (it != routes_.end())
            handler = it->second;
        expectedProxyAuthorization = proxyAuthorization_;
    }
    if (record.viaProxy && !expectedProxyAuthorization.empty() &&
        record.header("Proxy-Authorization") != expectedProxyAuthorization) {
        res.status = 407;
        res.set_header("Proxy-Authenticate", "Basic realm=\"test\"");
        return;
    }
    if (!handler) {
        res.status = 404;
        res.set_content("not found", "text/plain");
        return;
    }
    handler(req, res);
}

} // namespace belvane::testing
