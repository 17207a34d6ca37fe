#include "app/message_loop.h"

#include <algorithm>
#include <utility>

#include "app/startup_marks.h"

namespace tv {
namespace {

// One user-interface thread: one registered loop.
MessageLoop* g_current = nullptr;
DWORD g_thread = 0;
HHOOK g_modalHook = nullptr;

template <typename T>
void Erase(std::vector<T*>& v, T* item) {
    v.erase(std::remove(v.begin(), v.end(), item), v.end());
}

}  // namespace

void MessageLoop::RemoveMessageFilter(MessageFilter* filter) { Erase(filters_, filter); }
void MessageLoop::RemoveIdleHandler(IdleHandler* handler) { Erase(idleHandlers_, handler); }

MessageLoop* MessageLoop::Current() {
    return g_thread == GetCurrentThreadId() ? g_current : nullptr;
}

void MessageLoop::Register() {
    g_current = this;
    g_thread = GetCurrentThreadId();
    // A modal dialog runs a loop of its own: its messages are offered to the
    // same filters.
    if (!g_modalHook) g_modalHook = SetWindowsHookExW(WH_MSGFILTER, ModalFilter, nullptr, g_thread);
}

void MessageLoop::Unregister() {
    if (g_current != this) return;
    g_current = nullptr;
    if (g_modalHook) UnhookWindowsHookEx(std::exchange(g_modalHook, nullptr));
}

LRESULT CALLBACK MessageLoop::ModalFilter(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_DIALOGBOX && Current() && Current()->Filter(*reinterpret_cast<MSG*>(lParam))) return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool MessageLoop::IsIdleMessage(const MSG& msg) {
    // Mouse moves, paints and the caret's blink timer do not restart idling.
    return msg.message != WM_MOUSEMOVE && msg.message != WM_PAINT && msg.message != 0x0118;
}

bool MessageLoop::Filter(MSG& msg) {
    // A copy: a filter may remove itself while being asked.
    const std::vector<MessageFilter*> filters = filters_;
    for (auto it = filters.rbegin(); it != filters.rend(); ++it) {
        if ((*it)->PreTranslateMessage(msg)) return true;
    }
    return false;
}

bool MessageLoop::RunPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) return false;
        if (!Filter(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return true;
}

int MessageLoop::Run() {
    bool idle = true;
    MSG msg;
    for (;;) {
        while (idle && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            const std::vector<IdleHandler*> handlers = idleHandlers_;
            for (IdleHandler* h : handlers) h->OnIdle();
            StartupMark("idle");
            idle = false;
        }
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) continue;
        if (!got) return static_cast<int>(msg.wParam);
        if (!Filter(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (IsIdleMessage(msg)) idle = true;
    }
}

}  // namespace tv
