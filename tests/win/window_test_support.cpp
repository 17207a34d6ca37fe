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

}  // namespace wintest
