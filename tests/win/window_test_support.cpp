#include "window_test_support.h"

#include <utility>

namespace wintest {
namespace {

std::function<void(HWND)> g_action;
int g_ticks = 0;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    // The dialog is the active window of this thread once its loop runs.
    HWND dialog = GetActiveWindow();
    wchar_t cls[16] = {};
    GetClassNameW(dialog, cls, 16);
    const bool open = lstrcmpW(cls, L"#32770") == 0;
    if (!open && ++g_ticks < 100) return;  // not open yet: wait for the next tick, but not for ever
    KillTimer(nullptr, timer);
    auto action = std::exchange(g_action, nullptr);
    if (!open) ADD_FAILURE() << "no dialog opened";
    else if (action) action(dialog);
}

}  // namespace

void WhenDialogOpens(std::function<void(HWND dialog)> action) {
    g_action = std::move(action);
    g_ticks = 0;
    SetTimer(nullptr, 0, 30, OnTimer);
}

namespace {
MessageBoxWatch* g_watch = nullptr;  // the one timer callback has no context of its own
}  // namespace

MessageBoxWatch::MessageBoxWatch(HWND owner) : owner_(owner) {
    g_watch = this;
    // The box's own loop runs the timer; without a box nothing waits for it.
    timer_ = SetTimer(nullptr, 0, 40, OnTick);
}

MessageBoxWatch::~MessageBoxWatch() {
    KillTimer(nullptr, timer_);
    g_watch = nullptr;
}

void CALLBACK MessageBoxWatch::OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_watch) EnumThreadWindows(GetCurrentThreadId(), CloseIfBox, reinterpret_cast<LPARAM>(g_watch));
}

BOOL CALLBACK MessageBoxWatch::CloseIfBox(HWND window, LPARAM watch) {
    auto& self = *reinterpret_cast<MessageBoxWatch*>(watch);
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    if (lstrcmpW(cls, L"#32770") != 0 || window == self.owner_ || !IsWindowVisible(window)) return TRUE;
    std::wstring text, icon;
    const HICON stop = LoadIconW(nullptr, IDI_HAND), exclamation = LoadIconW(nullptr, IDI_EXCLAMATION),
                information = LoadIconW(nullptr, IDI_ASTERISK);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Button") == 0) continue;
        if (lstrcmpiW(cls, L"Static") != 0) return TRUE;  // a tool's own dialog
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            const auto shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
            icon = shown == stop          ? L"stop"
                   : shown == exclamation ? L"exclamation"
                   : shown == information ? L"information"
                                          : L"other";
        } else if (text.empty()) {
            text = Text(child);
        }
    }
    const bool owned = GetWindow(window, GW_OWNER) == self.owner_;
    self.seen_ += Text(window) + L": " + text + L" (" + icon + L")" + (owned ? L"" : L" not owned") + L"\n";
    // From inside the box's own loop: it is hidden at once and ends when the loop returns.
    SendMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

std::wstring CloseMessageBoxes(HWND owner, const std::function<void()>& action) {
    const MessageBoxWatch watch(owner);
    action();
    return watch.Seen();
}

}  // namespace wintest
