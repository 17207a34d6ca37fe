#include "loopback_http_server.h"

#include <ws2tcpip.h>

namespace wintest {
namespace {

// Waits up to 50 ms for `s` to be readable.
bool Readable(SOCKET s) {
    fd_set set;
    FD_ZERO(&set);
    FD_SET(s, &set);
    timeval wait = {0, 50 * 1000};
    return select(0, &set, nullptr, nullptr, &wait) == 1;
}

}  // namespace

LoopbackHttpServer::LoopbackHttpServer() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return;
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener_, 4) != 0 || getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        return;
    }
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

void LoopbackHttpServer::SetReply(Reply reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    reply_ = std::move(reply);
    ++replies_;
}

std::wstring LoopbackHttpServer::Url() const {
    return port_ ? L"http://127.0.0.1:" + std::to_wstring(port_) + L"/eurofxref-daily.xml" : std::wstring();
}

void LoopbackHttpServer::Stop() {
    stopping_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ != INVALID_SOCKET) {
        closesocket(listener_);
        listener_ = INVALID_SOCKET;
        WSACleanup();
    }
}

void LoopbackHttpServer::Serve() {
    while (!stopping_) {
        if (!Readable(listener_)) continue;
        SOCKET client = accept(listener_, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        Answer(client);
        shutdown(client, SD_BOTH);
        closesocket(client);
    }
}

void LoopbackHttpServer::Answer(SOCKET client) {
    std::string request;
    char buffer[4096];
    for (int waits = 0; request.find("\r\n\r\n") == std::string::npos; ++waits) {
        if (stopping_ || waits > 100) return;
        if (!Readable(client)) continue;
        const int got = recv(client, buffer, sizeof buffer, 0);
        if (got <= 0) return;
        request.append(buffer, got);
    }
    ++requests_;
    Reply reply;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        reply = reply_;
    }
    if (reply.stall) {
        for (const int set = replies_; !stopping_ && replies_ == set;) Sleep(20);
        return;
    }
    std::string head = "HTTP/1.1 " + reply.status + "\r\nContent-Type: text/xml\r\nConnection: close\r\n";
    if (reply.contentLength) head += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
    const std::string all = head + "\r\n" + reply.body;
    for (size_t sent = 0; sent < all.size() && !stopping_;) {
        const int n = send(client, all.data() + sent, static_cast<int>(std::min<size_t>(all.size() - sent, 65536)), 0);
        if (n <= 0) return;  // the client gave up
        sent += static_cast<size_t>(n);
    }
}

}  // namespace wintest
