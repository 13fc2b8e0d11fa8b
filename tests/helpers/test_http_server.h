#pragma once

// An HTTP/1.1 server for the network tests, on 127.0.0.1 at a port the system
// picks, plain or over TLS with a certificate made at start. It serves what a
// test puts into it, records every request, and doubles as an HTTP proxy:
// an absolute-form request ("GET http://any.host/path") is answered from the
// same routes, whatever host it names, and recorded as come through the proxy.

#include <atomic>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "helpers/temp_dir.h"
#include "helpers/test_certificate.h"

namespace httplib {
class Server;
struct Request;
struct Response;
} // namespace httplib

namespace belvane::testing {

struct RecordedRequest {
    std::string method;
    std::string target; // as sent: "/path?query", or "http://host/path?query" through the proxy
    std::string path;   // without scheme, host and query
    std::string query;
    std::multimap<std::string, std::string> headers; // names in lower case
    std::string body;
    bool viaProxy = false;

    // The first value of a header (any case), or empty.
    std::string header(std::string_view name) const;
};

enum class ContentCoding { Gzip, Deflate };

// The body compressed as HTTP's gzip or deflate (zlib) coding.
std::string Compress(std::string_view body, ContentCoding coding);

class TestHttpServer {
public:
    using Handler = std::function<void(const httplib::Request&, httplib::Response&)>;
    enum class Tls { Off, On };

    explicit TestHttpServer(Tls tls = Tls::Off);
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;
    ~TestHttpServer();

    int port() const { return port_; }
    // "http://127.0.0.1:PORT" (https with TLS) followed by the path.
    std::string url(std::string_view path = "") const;
    // With TLS: the PEM file a client must trust to reach this server.
    const std::filesystem::path& certificateFile() const;

    // Routes by path (the query is ignored); a later route replaces an earlier one.
    void serve(const std::string& path, std::string body, std::string contentType = "text/plain; charset=utf-8");
    void serveStatus(const std::string& path, int status, std::string body = "");
    void serveCompressed(const std::string& path, std::string_view body, ContentCoding coding);
    void redirect(const std::string& path, std::string location, int status = 302);
    // Sends the headers of a longer body and its first bytes, then nothing
    // until the client gives up. (A client's speed check averages over a few
    // seconds: the more first bytes, the later it sees the stall.)
    void serveStalled(const std::string& path, std::string firstBytes);
    void route(const std::string& path, Handler handler);

    // As a proxy, answer 407 unless the request carries these Basic credentials.
    void requireProxyCredentials(std::string user, std::string password);

    std::vector<RecordedRequest> requests() const;
    std::vector<RecordedRequest> requestsTo(std::string_view path) const;

private:
    void dispatch(const httplib::Request& request, httplib::Response& response);

    TempDir folder_;
    std::optional<TestCertificate> certificate_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;
    bool tls_ = false;
    std::atomic<bool> stopping_ = false;

    mutable std::mutex mutex_;
    std::map<std::string, Handler> routes_;
    std::vector<RecordedRequest> requests_;
    std::string proxyAuthorization_; // expected header value; empty: none needed
};

} // namespace belvane::testing
