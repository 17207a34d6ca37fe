#include "window_test_support.h"

namespace wintest {
namespace {

std::function<void(HWND)> g_action;
int g_ticks = 0;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
    // The dialog is the active window of this thread once its loop runs.
    HWND dialog = GetActiveWindow();
    wchar_t cls[16] = {};
    GetClassNameW(dialog, cls, 16);
    if (lstrcmpW(cls, L"#32770") != 0) {
        // Not open yet: wait for the next tick, but not for ever.
        if (++g_ticks < 100) return;
        ADD_FAILURE() << "no dialog opened";
    }
    KillTimer(nullptr, timer);
    if (g_ticks >= 100) return;
    auto action = std::move(g_action);
    g_action = nullptr;
    if (action) action(dialog);
}

}  // namespace

void WhenDialogOpens(std::function<void(HWND dialog)> action) {
    g_action = std::move(action);
    g_ticks = 0;
    SetTimer(nullptr, 0, 30, OnTimer);
}

}  // namespace wintest
