#include "calculator_test_support.h"

namespace wintest {
namespace {

struct Watch {
    HWND owner = nullptr;
    std::vector<SeenMessageBox> seen;
    std::vector<HWND> closing;  // told to close, perhaps not gone yet
};
Watch* g_watch = nullptr;

BOOL CALLBACK FindBox(HWND window, LPARAM) {
    wchar_t cls[16] = {};
    GetClassNameW(window, cls, 16);
    if (lstrcmpW(cls, L"#32770") != 0 || window == g_watch->owner || !IsWindowVisible(window)) return TRUE;
    for (HWND c : g_watch->closing) {
        if (c == window) return TRUE;
    }
    g_watch->closing.push_back(window);
    SeenMessageBox box;
    box.caption = Text(window);
    box.ownedByDialog = GetWindow(window, GW_OWNER) == g_watch->owner;
    const HICON exclamation = LoadIconW(nullptr, IDI_EXCLAMATION);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        GetClassNameW(child, cls, 16);
        if (lstrcmpiW(cls, L"Static") != 0) continue;
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            box.exclamationIcon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0)) == exclamation;
        } else if (box.text.empty()) {
            box.text = Text(child);
        }
    }
    g_watch->seen.push_back(box);
    // Posted: the box ends when its own loop takes the command.
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    if (g_watch) EnumThreadWindows(GetCurrentThreadId(), FindBox, 0);
}

}  // namespace

std::vector<SeenMessageBox> CloseMessageBoxes(HWND owner, const std::function<void()>& action) {
    Watch watch;
    watch.owner = owner;
    g_watch = &watch;
    const UINT_PTR timer = SetTimer(nullptr, 0, 40, OnTick);
    action();
    KillTimer(nullptr, timer);
    g_watch = nullptr;
    return watch.seen;
}

std::vector<std::wstring> ListEntries(HWND list) {
    std::vector<std::wstring> entries;
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::vector<wchar_t> text(SendMessageW(list, CB_GETLBTEXTLEN, i, 0) + 1);
        SendMessageW(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        entries.emplace_back(text.data());
    }
    return entries;
}

std::wstring FontFace(HWND control) {
    LOGFONTW lf = {};
    auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (!font || !GetObjectW(font, sizeof lf, &lf)) return L"";
    return lf.lfFaceName;
}

int TextWidth(HWND edit) {
    const std::wstring text = Text(edit);
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    return size.cx;
}

int TextRoom(HWND edit) {
    RECT r = {};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r.right - r.left;
}

void ExpectExactlyOver(HWND dialog, HWND main) {
    RECT d, m;
    GetWindowRect(dialog, &d);
    GetWindowRect(main, &m);
    EXPECT_EQ(d.left, m.left);
    EXPECT_EQ(d.top, m.top);
    EXPECT_EQ(d.right, m.right);
    EXPECT_EQ(d.bottom, m.bottom);
}

void ExpectInvalidValue(const std::vector<SeenMessageBox>& boxes) {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Invalid value.");
    EXPECT_EQ(boxes[0].caption, L"Tallyvane Pro");
    EXPECT_TRUE(boxes[0].exclamationIcon);
    EXPECT_TRUE(boxes[0].ownedByDialog);
}

void ExpectTooLarge(const std::vector<SeenMessageBox>& boxes) {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"The number is too large.");
    EXPECT_EQ(boxes[0].caption, L"Tallyvane Pro");
    EXPECT_TRUE(boxes[0].exclamationIcon);
    EXPECT_TRUE(boxes[0].ownedByDialog);
}

}  // namespace wintest
