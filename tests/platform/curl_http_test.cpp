#include "platform/linux/curl_http.h"

#include "loopback_http_server.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

using tv::platform::linux_desktop::CurlHttp;
using tv::platform::linux_desktop::CurlHttpOptions;
using tv::test::http_response;
using tv::test::LoopbackHttpServer;
using tv::test::ReceivedRequest;
using tv::test::ResponseStream;
using namespace std::chrono_literals;

// Loopback requests must never be sent through a proxy from the environment.
class CurlHttpTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            unsetenv(name);
    }
};

std::string patterned_bytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>('a' + i % 26);
    return bytes;
}

CurlHttpOptions with_timeout(long total_ms) {
    CurlHttpOptions options;
    options.total_timeout_ms = total_ms;
    return options;
}

CurlHttpOptions with_cap(std::size_t cap) {
    CurlHttpOptions options;
    options.body_cap = cap;
    return options;
}

struct BodyCase {
    const char *name;
    LoopbackHttpServer::Responder responder;
    CurlHttpOptions options;
    std::string expected;
};

class CurlHttpBodyTest : public CurlHttpTest, public ::testing::WithParamInterface<BodyCase> {};

TEST_P(CurlHttpBodyTest, ReturnsTheBytesThatArrived) {
    const BodyCase &c = GetParam();
    LoopbackHttpServer server(c.responder);
    CurlHttp http(c.options);
    EXPECT_EQ(http.get(server.url("/page.htm")), c.expected);
}

const std::string nine_mib = patterned_bytes(9u * 1024u * 1024u);

INSTANTIATE_TEST_SUITE_P(
    Responses, CurlHttpBodyTest,
    ::testing::Values(
        BodyCase{"Ok",
                 [](const ReceivedRequest &, ResponseStream &out) { out.send(http_response(200, "OK", "<p>a=1</p>")); },
                 {},
                 "<p>a=1</p>"},
        BodyCase{"NotFoundBodyIsReturned",
                 [](const ReceivedRequest &, ResponseStream &out) {
                     out.send(http_response(404, "Not Found", "no such page"));
                 },
                 {},
                 "no such page"},
        BodyCase{"ZeroByteKept",
                 [](const ReceivedRequest &, ResponseStream &out) {
                     out.send(http_response(200, "OK", std::string("ab\0cd", 5)));
                 },
                 {},
                 std::string("ab\0cd", 5)},
        BodyCase{"TruncatedBodyKeepsWhatArrived",
                 [](const ReceivedRequest &, ResponseStream &out) {
                     out.send("HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\npartial");
                 },
                 {},
                 "partial"},
        BodyCase{"StalledServerTimesOutWithWhatArrived",
                 [](const ReceivedRequest &, ResponseStream &out) {
                     out.send("HTTP/1.1 200 OK\r\nContent-Length: 6\r\nConnection: close\r\n\r\nabc");
                     out.stall(10s);
                     out.send("def");
                 },
                 with_timeout(300), "abc"},
        BodyCase{"BodyBeyondCapIsCut",
                 [](const ReceivedRequest &, ResponseStream &out) {
                     out.send(http_response(200, "OK", patterned_bytes(5000)));
                 },
                 with_cap(1000), patterned_bytes(1000)},
        BodyCase{"BodyBeyondDefaultCapIsCutAtEightMiB",
                 [](const ReceivedRequest &, ResponseStream &out) { out.send(http_response(200, "OK", nine_mib)); },
                 {},
                 nine_mib.substr(0, 8u * 1024u * 1024u)},
        BodyCase{"BodyExactlyAtCapIsWhole",
                 [](const ReceivedRequest &, ResponseStream &out) {
                     out.send(http_response(200, "OK", patterned_bytes(1000)));
                 },
                 with_cap(1000), patterned_bytes(1000)},
        BodyCase{"RedirectToHttpIsFollowed",
                 [](const ReceivedRequest &request, ResponseStream &out) {
                     if (request.path == "/page.htm")
                         out.send(http_response(302, "Found", "moved", "Location: /moved.htm\r\n"));
                     else
                         out.send(http_response(200, "OK", "arrived at " + request.path));
                 },
                 {},
                 "arrived at /moved.htm"}),
    [](const ::testing::TestParamInfo<BodyCase> &info) { return std::string(info.param.name); });

TEST_F(CurlHttpTest, RefusedConnectionGivesEmptyBody) {
    CurlHttp http;
    EXPECT_EQ(http.get("http://127.0.0.1:" + std::to_string(tv::test::unused_loopback_port()) + "/"), "");
}

TEST_F(CurlHttpTest, AsksCachesToStandAside) {
    LoopbackHttpServer server(
        [](const ReceivedRequest &, ResponseStream &out) { out.send(http_response(200, "OK", "x")); });
    CurlHttp http;
    http.get(server.url("/"));
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].head.starts_with("GET / HTTP/1.1\r\n")) << requests[0].head;
    EXPECT_NE(requests[0].head.find("\r\nCache-Control: no-cache\r\n"), std::string::npos) << requests[0].head;
    EXPECT_NE(requests[0].head.find("\r\nPragma: no-cache\r\n"), std::string::npos) << requests[0].head;
}

TEST_F(CurlHttpTest, RedirectLoopStopsAfterFiveRedirects) {
    LoopbackHttpServer server([](const ReceivedRequest &request, ResponseStream &out) {
        out.send(http_response(302, "Found", "again", "Location: " + request.path + "x\r\n"));
    });
    CurlHttp http;
    EXPECT_EQ(http.get(server.url("/loop")), "");
    EXPECT_EQ(server.requests().size(), 6u); // the request and five redirects
}

// A private file that a redirect or a request might try to read.
class SecretFile {
public:
    SecretFile() : path_(make_path()) { std::ofstream(path_) << "secret contents"; }
    ~SecretFile() { std::remove(path_.c_str()); }
    SecretFile(const SecretFile &) = delete;
    SecretFile &operator=(const SecretFile &) = delete;
    std::string url() const { return "file://" + path_; }

private:
    static std::string make_path() {
        std::string pattern = ::testing::TempDir() + "curl-secret-XXXXXX";
        const int fd = mkstemp(pattern.data());
        if (fd >= 0)
            close(fd);
        return pattern;
    }
    std::string path_;
};

TEST_F(CurlHttpTest, RedirectsLeaveHttpOnlyForHttps) {
    SecretFile secret;
    LoopbackHttpServer ftp_target([](const ReceivedRequest &, ResponseStream &out) { out.send("220 ready\r\n"); });
    const std::string ftp_url = "ftp://127.0.0.1:" + std::to_string(ftp_target.port()) + "/file";
    for (const std::string &target : {secret.url(), ftp_url}) {
        SCOPED_TRACE(target);
        LoopbackHttpServer server([&target](const ReceivedRequest &, ResponseStream &out) {
            out.send(http_response(302, "Found", "", "Location: " + target + "\r\n"));
        });
        CurlHttp http;
        EXPECT_EQ(http.get(server.url("/")), "");
        EXPECT_EQ(server.requests().size(), 1u);
    }
    EXPECT_EQ(ftp_target.connections(), 0);
}

TEST_F(CurlHttpTest, RequestsOnlyHttpAddresses) {
    SecretFile secret;
    LoopbackHttpServer ftp_target([](const ReceivedRequest &, ResponseStream &out) { out.send("220 ready\r\n"); });
    CurlHttp http;
    EXPECT_EQ(http.get(secret.url()), "");
    EXPECT_EQ(http.get("ftp://127.0.0.1:" + std::to_string(ftp_target.port()) + "/file"), "");
    EXPECT_EQ(http.get(""), "");
    EXPECT_EQ(ftp_target.connections(), 0);
}

} // namespace
