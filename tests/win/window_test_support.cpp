#include "window_test_support.h"

#include <oleacc.h>

#include <utility>

namespace wintest {
namespace {

// The timer callbacks have no context of their own.
std::function<void(HWND)> g_action;
UINT_PTR g_timer = 0;
int g_ticks = 0;
MessageBoxWatch* g_watch = nullptr;

bool IsDialog(HWND window) {
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    return lstrcmpW(cls, L"#32770") == 0;
}

void CALLBACK OnDialogTick(HWND, UINT, UINT_PTR timer, DWORD) {
    // The dialog is the active window of this thread once its loop runs.
    HWND dialog = GetActiveWindow();
    const bool open = IsDialog(dialog);
    if (!open && ++g_ticks < 100) return;  // not open yet: wait for the next tick, but not for ever
    KillTimer(nullptr, timer);
    g_timer = 0;
    auto action = std::exchange(g_action, nullptr);
    if (!open) ADD_FAILURE() << "no dialog opened";
    else if (action) action(dialog);
}

void CALLBACK OnBoxTick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_watch) EnumThreadWindows(GetCurrentThreadId(), MessageBoxWatch::CloseIfBox, reinterpret_cast<LPARAM>(g_watch));
}

}  // namespace

void WhenDialogOpens(std::function<void(HWND dialog)> action) {
    KillTimer(nullptr, g_timer);
    g_action = std::move(action);
    g_ticks = 0;
    g_timer = g_action ? SetTimer(nullptr, 0, 20, OnDialogTick) : 0;
}

// The box's own loop runs the timer; without a box nothing waits for it.
MessageBoxWatch::MessageBoxWatch(HWND owner, int answer)
    : owner_(owner), answer_(answer), timer_(SetTimer(nullptr, 0, 20, OnBoxTick)) {
    g_watch = this;
}

MessageBoxWatch::~MessageBoxWatch() {
    KillTimer(nullptr, timer_);
    g_watch = nullptr;
}

BOOL CALLBACK MessageBoxWatch::CloseIfBox(HWND window, LPARAM watch) {
    auto& self = *reinterpret_cast<MessageBoxWatch*>(watch);
    if (!IsDialog(window) || window == self.owner_ || !IsWindowVisible(window)) return TRUE;
    std::wstring text, icon;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[16] = {};
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Button") == 0) continue;
        if (lstrcmpiW(cls, L"Static") != 0) return TRUE;  // a tool's own dialog
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) {
            if (text.empty()) text = Text(child);
            continue;
        }
        const auto shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        icon = shown == LoadIconW(nullptr, IDI_QUESTION)      ? L"question"
               : shown == LoadIconW(nullptr, IDI_HAND)        ? L"stop"
               : shown == LoadIconW(nullptr, IDI_EXCLAMATION) ? L"exclamation"
               : shown == LoadIconW(nullptr, IDI_ASTERISK)    ? L"information"
                                                              : L"other";
    }
    HWND by = GetWindow(window, GW_OWNER);
    const bool owned = by == self.owner_ || (by && GetWindow(by, GW_OWNER) == self.owner_);
    self.seen_ += Text(window) + L": " + text + L" (" + icon + L")" + (owned ? L"" : L" not owned") + L"\n";
    // From inside the box's own loop: it is hidden at once and ends when the loop returns.
    SendMessageW(window, WM_COMMAND, GetDlgItem(window, IDYES) ? self.answer_ : IDOK, 0);
    return TRUE;
}

std::wstring CloseMessageBoxes(HWND owner, const std::function<void()>& action, int answer) {
    const MessageBoxWatch watch(owner, answer);
    action();
    return watch.Seen();
}

std::wstring AccessibleName(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&object))))
        return L"(no object)";
    VARIANT self = {};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring text = object->get_accName(self, &name) == S_OK && name ? name : L"";
    SysFreeString(name);
    object->Release();
    return text;
}

}  // namespace wintest
