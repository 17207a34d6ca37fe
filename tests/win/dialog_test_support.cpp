#include "dialog_test_support.h"

namespace wintest {
namespace {

HWND g_owner = nullptr;
ShownMessage* g_shown = nullptr;

BOOL CALLBACK FindMessageBox(HWND window, LPARAM found) {
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    if (lstrcmpW(cls, L"#32770") != 0 || GetWindow(window, GW_OWNER) != g_owner || !IsWindowVisible(window)) {
        return TRUE;
    }
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&box));
    if (!box || !g_shown) return;
    ShownMessage& shown = *g_shown;
    ++shown.count;
    shown.caption = Text(box);
    shown.text.clear();
    shown.stopIcon = false;
    const HICON stop = LoadIconW(nullptr, IDI_HAND);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Static") != 0) continue;
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            shown.stopIcon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == stop;
        } else if (shown.text.empty()) {
            shown.text = Text(child);
        }
    }
    SendMessageW(box, WM_COMMAND, IDOK, 0);
}

}  // namespace

ShownMessage AnswerMessageBoxes(HWND owner, const std::function<void()>& action) {
    ShownMessage shown;
    g_owner = owner;
    g_shown = &shown;
    // The box's own loop runs the timer; without a box the action returns at once.
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, AnswerMessageBox);
    action();
    KillTimer(nullptr, timer);
    g_shown = nullptr;
    return shown;
}

std::wstring ClipboardText(HWND owner) {
    std::wstring text = L"<none>";
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

}  // namespace wintest
