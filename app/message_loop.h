// The user-interface thread's message loop: message filters (newest asked
// first) and idle handlers, run until the quit message.
#pragma once

#include <windows.h>

#include <vector>

namespace tv {

class MessageFilter {
public:
    virtual ~MessageFilter() = default;
    // True when the message was consumed and must not be dispatched.
    virtual bool PreTranslateMessage(MSG& msg) = 0;
};

class IdleHandler {
public:
    virtual ~IdleHandler() = default;
    virtual void OnIdle() = 0;
};

class MessageLoop {
public:
    void AddMessageFilter(MessageFilter* filter) { filters_.push_back(filter); }
    void RemoveMessageFilter(MessageFilter* filter);
    void AddIdleHandler(IdleHandler* handler) { idleHandlers_.push_back(handler); }
    void RemoveIdleHandler(IdleHandler* handler);

    // Runs until WM_QUIT; returns its exit code.
    int Run();
    // Handles every message waiting now, as Run would; false when one was
    // WM_QUIT (which it takes from the queue).
    bool RunPending();

    // The loop registered for the calling thread, or nullptr.
    static MessageLoop* Current();
    // Registers this loop for the calling thread until Unregister.
    void Register();
    void Unregister();

    static bool IsIdleMessage(const MSG& msg);

private:
    bool Filter(MSG& msg);
    static LRESULT CALLBACK ModalFilter(int code, WPARAM wParam, LPARAM lParam);

    std::vector<MessageFilter*> filters_;
    std::vector<IdleHandler*> idleHandlers_;
};

}  // namespace tv
