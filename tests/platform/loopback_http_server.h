#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for tests: one thread, one connection at a time, a
// responder function that writes raw response bytes. It stops when destroyed or when its
// lifetime is over, whichever comes first.
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tv::test {

// The request line and headers of one request, as received.
struct ReceivedRequest {
    std::string head;
    std::string path;
};

// The connection a responder writes to.
class ResponseStream {
public:
    ResponseStream(int fd, const std::atomic<bool> &stopping) : fd_(fd), stopping_(stopping) {}
    // Sends all bytes unless the client has gone; returns whether it still listens.
    bool send(std::string_view bytes);
    // Holds the connection open without sending until the client closes it, the server
    // stops or `limit` has passed.
    void stall(std::chrono::milliseconds limit);

private:
    int fd_;
    const std::atomic<bool> &stopping_;
};

class LoopbackHttpServer {
public:
    using Responder = std::function<void(const ReceivedRequest &, ResponseStream &)>;

    explicit LoopbackHttpServer(Responder responder,
                                std::chrono::milliseconds lifetime = std::chrono::milliseconds(20'000));
    ~LoopbackHttpServer();
    LoopbackHttpServer(const LoopbackHttpServer &) = delete;
    LoopbackHttpServer &operator=(const LoopbackHttpServer &) = delete;

    int port() const { return port_; }
    std::string url(std::string_view path) const;
    std::vector<ReceivedRequest> requests() const;
    int connections() const { return connections_.load(); }

private:
    void serve(std::chrono::steady_clock::time_point deadline);
    void answer(int client);

    Responder responder_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::atomic<int> connections_{0};
    mutable std::mutex mutex_;
    std::vector<ReceivedRequest> requests_;
    std::thread thread_;
};

// A complete response with a Content-Length header and "Connection: close".
std::string http_response(int status, std::string_view reason, std::string_view body,
                          std::string_view extra_headers = {});

// A loopback port on which nothing listens.
int unused_loopback_port();

} // namespace tv::test
