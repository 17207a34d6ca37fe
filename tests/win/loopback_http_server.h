// A small HTTP server on 127.0.0.1 inside the test process, so the rate
// update is tried against real sockets without the outside network. Each
// request gets the reply set last; a stalling reply answers nothing until
// the server stops.
#pragma once

#include <winsock2.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace wintest {

class LoopbackHttpServer {
public:
    struct Reply {
        std::string status = "200 OK";
        std::string body;
        bool contentLength = true;  // false: the body ends when the connection does
        bool stall = false;
    };

    // A stalled connection ends when the next reply is set.
    // Listens on a free port; Url() is empty when it could not.
    LoopbackHttpServer();
    ~LoopbackHttpServer() { Stop(); }
    LoopbackHttpServer(const LoopbackHttpServer&) = delete;
    LoopbackHttpServer& operator=(const LoopbackHttpServer&) = delete;

    void SetReply(Reply reply);
    // http://127.0.0.1:PORT/eurofxref-daily.xml
    std::wstring Url() const;
    int Requests() const { return requests_; }
    // Closes every connection, a stalled one too, and ends the thread.
    void Stop();

private:
    void Serve();
    void Answer(SOCKET client);

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
