// A small HTTP server on 127.0.0.1 inside the test process, so the rate
// update is tried against real sockets without the outside network. Each
// request gets the reply set last; a stalling reply answers nothing until
// the next reply is set or the server stops.
#pragma once

#include <winsock2.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace wintest {

class LoopbackHttpServer {
public:
    struct Reply {
        std::string status = "200 OK";
        std::string body;
        bool contentLength = true;  // false: the body ends when the connection does
        bool stall = false;
    };

    // Listens on a free port; Url() is empty when it could not.
    LoopbackHttpServer() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {AF_INET};
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        if (bind(listener_, reinterpret_cast<sockaddr*>(&address), size) || listen(listener_, 4) ||
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size))
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { Serve(); });
    }
    ~LoopbackHttpServer() { Stop(); }

    void SetReply(Reply reply) {
        std::lock_guard<std::mutex> lock(mutex_);
        reply_ = std::move(reply);
        ++replies_;
    }
    // http://127.0.0.1:PORT/eurofxref-daily.xml
    std::wstring Url() const { return port_ ? L"http://127.0.0.1:" + std::to_wstring(port_) + L"/eurofxref-daily.xml" : L""; }
    int Requests() const { return requests_; }
    // Closes every connection, a stalled one too, and ends the thread.
    void Stop() {
        stopping_ = true;
        if (thread_.joinable()) thread_.join();
        if (listener_ != INVALID_SOCKET && !closesocket(std::exchange(listener_, INVALID_SOCKET))) WSACleanup();
    }

private:
    // Waits up to 50 ms for `s` to be readable.
    static bool Readable(SOCKET s) {
        WSAPOLLFD poll = {s, POLLRDNORM};
        return WSAPoll(&poll, 1, 50) == 1;
    }
    void Serve() {
        while (!stopping_) {
            if (!Readable(listener_)) continue;
            const SOCKET client = accept(listener_, nullptr, nullptr);
            std::string request;
            char buffer[4096];
            for (int waits = 0, got = 1; got > 0 && !stopping_ && waits < 100 && !request.ends_with("\r\n\r\n"); ++waits)
                if (Readable(client) && (got = recv(client, buffer, sizeof buffer, 0)) > 0) request.append(buffer, got);
            if (request.ends_with("\r\n\r\n")) Answer(client);
            shutdown(client, SD_BOTH);
            closesocket(client);
        }
    }
    void Answer(SOCKET client) {
        ++requests_;
        std::unique_lock<std::mutex> lock(mutex_);
        const Reply reply = reply_;
        lock.unlock();
        for (const int set = replies_; reply.stall && !stopping_ && replies_ == set;) Sleep(20);
        if (reply.stall) return;
        std::string all = "HTTP/1.1 " + reply.status + "\r\nContent-Type: text/xml\r\nConnection: close\r\n";
        if (reply.contentLength) all += "Content-Length: " + std::to_string(reply.body.size()) + "\r\n";
        all += "\r\n" + reply.body;
        for (size_t sent = 0, n = 1; sent < all.size() && !stopping_ && n > 0; sent += n)  // until the client gives up
            n = std::max(0, send(client, all.data() + sent, static_cast<int>(std::min<size_t>(all.size() - sent, 65536)), 0));
    }

    SOCKET listener_ = INVALID_SOCKET;
    unsigned short port_ = 0;
    std::mutex mutex_;
    Reply reply_;
    std::atomic<bool> stopping_{false};
    std::atomic<int> requests_{0};
    std::atomic<int> replies_{0};
    std::thread thread_;
};

}  // namespace wintest
