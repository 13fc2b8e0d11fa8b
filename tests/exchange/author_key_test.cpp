// The contact's normal form, the author key, and a change sent again when its answer is lost.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <atomic>
#include <netinet/in.h>
#include <poll.h>
#include <set>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "exchange/author_key.h"
#include "exchange/exchange_client.h"
#include "support/error.h"
#include "support/http.h"
#include "support/text.h"

namespace belvane::exchange {
namespace {

TEST(ContactKey, OneContactHasOneForm)
{
    for (const char* spelling :
         {"ivan@club.org", "IVAN@Club.ORG", "  ivan@club.org\t", "ivan+lotto@club.org", "Ivan+a+b@club.org",
          "iv\xE2\x80\x8B"
          "an@club.org",                                         // zero-width space
          "\xEF\xBB\xBFivan@club.org\xE2\x80\x8D",               // byte-order mark, zero-width joiner
          "iva\xC2\xADn@club.org", "ivan@club.org\xE2\x81\xA0"}) // soft hyphen, word joiner
        EXPECT_EQ(ContactKey(spelling), "ivan@club.org") << spelling;
    // Only the local part of an e-mail loses its tag; other contacts keep their "+".
    EXPECT_EQ(ContactKey("+7 912 000-00-00"), "+7 912 000-00-00");
    EXPECT_EQ(ContactKey("a+b"), "a+b");
    EXPECT_EQ(ContactKey("ivan@a+b.org"), "ivan@a+b.org");
    EXPECT_EQ(ContactKey("+ivan@club.org"), "+ivan@club.org");
    // Letters beyond ASCII are compared as they are; visible ones are never dropped.
    EXPECT_EQ(ContactKey("Иван@клуб.рф"), "Иван@клуб.рф");
    EXPECT_NE(ContactKey("ivan@club.org"), ContactKey("ivan.@club.org"));
    EXPECT_EQ(ContactKey(" \xE2\x80\x8B "), "");
    // A broken byte is kept, not taken for something invisible.
    EXPECT_EQ(ContactKey("a\xE2\x80@x"), "a\xE2\x80@x");
}

TEST(AuthorKey, IsRandomHexOf128Bits)
{
    std::set<std::string> keys;
    for (int i = 0; i < 50; ++i) {
        const std::string key = NewAuthorKey();
        EXPECT_EQ(key.size(), AuthorKeyDigits);
        EXPECT_TRUE(IsAuthorKey(key)) << key;
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), 50u);
    EXPECT_NE(NewRequestId(), NewRequestId());
    EXPECT_FALSE(IsAuthorKey(""));
    EXPECT_FALSE(IsAuthorKey(std::string(31, 'a')));
    EXPECT_TRUE(IsAuthorKey(std::string(32, 'A')));
    EXPECT_FALSE(IsAuthorKey(std::string(31, 'a') + "g"));
    EXPECT_FALSE(IsAuthorKey(std::string(129, 'a')));
}

// An HTTP server on 127.0.0.1 that reads every request whole and resets the
// first `drops` connections instead of answering.
class DroppingServer {
public:
    explicit DroppingServer(int drops) : drops_(drops)
    {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(fd_, 8) != 0 ||
            getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            throw std::runtime_error("no socket");
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~DroppingServer()
    {
        stop_ = true;
        thread_.join();
        close(fd_);
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }
    std::vector<std::string> bodies() const
    {
        std::lock_guard lock(mutex_);
        return bodies_;
    }

private:
    void serve()
    {
        for (int n = 0; !stop_;) {
            pollfd p{fd_, POLLIN, 0};
            if (poll(&p, 1, 50) <= 0)
                continue;
            const int c = accept(fd_, nullptr, nullptr);
            if (c < 0)
                continue;
            std::string request = readRequest(c);
            {
                std::lock_guard lock(mutex_);
                bodies_.push_back(request.substr(request.find("\r\n\r\n") + 4));
            }
            if (n++ < drops_) {
                linger hard{1, 0}; // closing sends a reset
                setsockopt(c, SOL_SOCKET, SO_LINGER, &hard, sizeof hard);
            } else {
                const std::string body = "<result><row><id_scripts>7</id_scripts></row></result>";
                const std::string answer = "HTTP/1.1 200 OK\r\nContent-Type: text/xml\r\nConnection: close\r\n"
                                           "Content-Length: " +
                                           std::to_string(body.size()) + "\r\n\r\n" + body;
                [[maybe_unused]] const ssize_t sent = write(c, answer.data(), answer.size());
            }
            close(c);
        }
    }
    static std::string readRequest(int c)
    {
        std::string in;
        char buffer[4096];
        size_t need = std::string::npos;
        while (need == std::string::npos || in.size() < need) {
            const ssize_t n = read(c, buffer, sizeof buffer);
            if (n <= 0)
                break;
            in.append(buffer, static_cast<size_t>(n));
            const size_t end = in.find("\r\n\r\n");
            if (need == std::string::npos && end != std::string::npos) {
                const size_t at = text::toUpperAscii(in).find("CONTENT-LENGTH:");
                need = end + 4 + (at < end ? std::stoul(in.substr(at + 15)) : 0);
            }
        }
        return in;
    }

    int drops_;
    int fd_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> bodies_;
    std::thread thread_;
};

std::string fieldOf(const std::string& body, std::string_view name)
{
    for (std::string_view pair : text::split(body, "&", true))
        if (pair.starts_with(std::string(name) + "="))
            return std::string(pair.substr(name.size() + 1));
    return {};
}

TEST(ChangeRetry, ALostAnswerIsAskedForAgainWithTheSameRequestId)
{
    ExchangeIdentity who{.UserName = "u", .UserMail = "u@x", .AuthorKey = NewAuthorKey()};
    {
        DroppingServer server(1);
        const auto rows = ExchangeClient(server.url(), who).PostChange("scr_putscript.php", {{"del_mode", "0"}});
        EXPECT_EQ(rows.at(0).Integer("id_scripts"), 7);
        const auto bodies = server.bodies();
        ASSERT_EQ(bodies.size(), 2u);
        EXPECT_EQ(fieldOf(bodies[0], "req_id").size(), 32u);
        EXPECT_EQ(fieldOf(bodies[0], "req_id"), fieldOf(bodies[1], "req_id"));
        EXPECT_EQ(fieldOf(bodies[0], "cl_key"), who.AuthorKey);
    }
    {
        // It gives up after its retries, with the transport's reason.
        DroppingServer server(ChangeRetries + 1);
        EXPECT_THROW(ExchangeClient(server.url(), who).PostChange("scr_putscript.php", {}), http::TransferFailed);
        EXPECT_EQ(server.bodies().size(), static_cast<size_t>(ChangeRetries + 1));
    }
    {
        // A read is not repeated behind the user's back, and has no request id.
        DroppingServer server(1);
        EXPECT_THROW(ExchangeClient(server.url(), who).PostAsUser("scr_getlist.php", {}), http::TransferFailed);
        ASSERT_EQ(server.bodies().size(), 1u);
        EXPECT_EQ(fieldOf(server.bodies()[0], "req_id"), "");
    }
}

} // namespace
} // namespace belvane::exchange
