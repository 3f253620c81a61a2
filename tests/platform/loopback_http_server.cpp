#include "loopback_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <stdexcept>
#include <utility>

namespace tv::test {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int poll_step_ms = 50;
constexpr std::size_t max_head_bytes = 64 * 1024;
constexpr auto head_read_limit = std::chrono::milliseconds(2000);

class SocketFd {
public:
    explicit SocketFd(int fd) : fd_(fd) {}
    ~SocketFd() {
        if (fd_ >= 0)
            close(fd_);
    }
    SocketFd(const SocketFd &) = delete;
    SocketFd &operator=(const SocketFd &) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

sockaddr_in loopback_address(int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    return address;
}

int bound_port(int fd) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
        throw std::runtime_error("getsockname failed");
    return ntohs(address.sin_port);
}

// Reads until the blank line that ends the head; empty when the client sent none in time.
std::string read_head(int fd) {
    std::string head;
    const auto deadline = Clock::now() + head_read_limit;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < max_head_bytes && Clock::now() < deadline) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, poll_step_ms) <= 0)
            continue;
        const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        head.append(buffer, static_cast<std::size_t>(n));
    }
    return head;
}

std::string request_path(const std::string &head) {
    const auto first = head.find(' ');
    const auto second = head.find(' ', first + 1);
    if (first == std::string::npos || second == std::string::npos)
        return {};
    return head.substr(first + 1, second - first - 1);
}

} // namespace

bool ResponseStream::send(std::string_view bytes) {
    while (!bytes.empty() && !stopping_) {
        pollfd p{fd_, POLLOUT, 0};
        if (poll(&p, 1, poll_step_ms) <= 0)
            continue;
        const ssize_t n = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return bytes.empty();
}

void ResponseStream::stall(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    char byte;
    while (!stopping_ && Clock::now() < deadline) {
        pollfd p{fd_, POLLIN | POLLRDHUP, 0};
        if (poll(&p, 1, poll_step_ms) > 0 && recv(fd_, &byte, 1, MSG_PEEK | MSG_DONTWAIT) <= 0)
            return;
    }
}

LoopbackHttpServer::LoopbackHttpServer(Responder responder, std::chrono::milliseconds lifetime)
    : responder_(std::move(responder)) {
    SocketFd listener(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const sockaddr_in address = loopback_address(0);
    if (listener.get() < 0 || bind(listener.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        listen(listener.get(), 16) != 0)
        throw std::runtime_error("cannot listen on 127.0.0.1");
    port_ = bound_port(listener.get());
    listener_ = listener.release();
    thread_ = std::thread(&LoopbackHttpServer::serve, this, Clock::now() + lifetime);
}

LoopbackHttpServer::~LoopbackHttpServer() {
    stopping_ = true;
    thread_.join();
    close(listener_);
}

std::string LoopbackHttpServer::url(std::string_view path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + std::string(path);
}

std::vector<ReceivedRequest> LoopbackHttpServer::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void LoopbackHttpServer::serve(Clock::time_point deadline) {
    while (!stopping_ && Clock::now() < deadline) {
        pollfd p{listener_, POLLIN, 0};
        if (poll(&p, 1, poll_step_ms) <= 0)
            continue;
        SocketFd client(accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC));
        if (client.get() < 0)
            continue;
        ++connections_;
        answer(client.get());
    }
}

void LoopbackHttpServer::answer(int client) {
    ReceivedRequest request;
    request.head = read_head(client);
    if (request.head.empty())
        return;
    request.path = request_path(request.head);
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
    }
    ResponseStream stream(client, stopping_);
    responder_(request, stream);
    shutdown(client, SHUT_WR);
}

std::string http_response(int status, std::string_view reason, std::string_view body, std::string_view extra_headers) {
    std::string response = "HTTP/1.1 " + std::to_string(status) + " " + std::string(reason) + "\r\n";
    response += "Content-Length: " + std::to_string(body.size()) + "\r\n";
    response += "Connection: close\r\n";
    response += extra_headers;
    response += "\r\n";
    response += body;
    return response;
}

int unused_loopback_port() {
    SocketFd probe(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    const sockaddr_in address = loopback_address(0);
    if (probe.get() < 0 || bind(probe.get(), reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0)
        throw std::runtime_error("cannot bind on 127.0.0.1");
    return bound_port(probe.get());
}

} // namespace tv::test
