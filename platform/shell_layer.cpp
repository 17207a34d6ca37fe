#include "platform/shell_layer.h"

#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <vector>

#include "platform/dialog_scroll.h"
#include "platform/owned_handle.h"
#include "platform/system_library.h"
#include "resources/resource_ids.h"

namespace tv::shell {
namespace {

int g_logicalWidth = 0;
int g_logicalHeight = 0;
int g_zoom = 100;

constexpr int kNavigationBar = 26;  // logical pixels above the work area

void ReadScreenFromEnvironment() {
    if (g_logicalWidth) return;
    g_logicalWidth = 240;
    g_logicalHeight = 320;
    wchar_t text[32] = {};
    if (GetEnvironmentVariableW(L"TALLYVANE_SCREEN", text, 32)) {
        int w = 0, h = 0;
        if (swscanf(text, L"%dx%d", &w, &h) == 2 && w >= 120 && h >= 120 && w <= 2000 && h <= 2000) {
            g_logicalWidth = w;
            g_logicalHeight = h;
        }
    }
}

int ScreenDpi(int index) {
    HDC dc = GetDC(nullptr);
    const int dpi = dc ? GetDeviceCaps(dc, index) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

std::function<void(const std::wstring&)>& HelpLauncher() {
    static std::function<void(const std::wstring&)> launcher;
    return launcher;
}

// Menu-bar buttons keep their command id in the item data of their entry.
struct MenuBarButton {
    WORD image, command, state, style, caption, reserved, subMenu;
};

}  // namespace

void SetDeviceScreenLogicalSize(int width, int height) {
    g_logicalWidth = width;
    g_logicalHeight = height;
}

int LogPixelsX() { return ScreenDpi(LOGPIXELSX); }
int LogPixelsY() { return ScreenDpi(LOGPIXELSY); }

int WindowDpi(HWND window) {
    // Windows 10's, looked up at run time: older systems have one dpi for all.
    static const auto dpiForWindow = SystemFunction<UINT WINAPI(HWND)>(L"user32.dll", "GetDpiForWindow");
    const UINT dpi = dpiForWindow && window ? dpiForWindow(window) : 0;
    return dpi ? static_cast<int>(dpi) : LogPixelsY();
}

int Zoom() { return g_zoom; }
void SetZoom(int percent) { g_zoom = percent; }
LayoutScale ScreenScale() { return LayoutScale{LogPixelsX(), LogPixelsY(), g_zoom}; }

SIZE DeviceScreenSize(const LayoutScale& scale) {
    ReadScreenFromEnvironment();
    return SIZE{scale.X(g_logicalWidth), scale.Y(g_logicalHeight)};
}

bool IsPortraitScreen() {
    ReadScreenFromEnvironment();
    return g_logicalHeight > g_logicalWidth;
}

RECT DeviceWorkArea(const LayoutScale& scale) {
    const SIZE screen = DeviceScreenSize(scale);
    // The device screen sits centred in the desktop's work area.
    RECT desk = {0, 0, 1024, 768};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &desk, 0);
    const int left = std::max(desk.left, desk.left + ((desk.right - desk.left) - screen.cx) / 2);
    const int top = std::max(desk.top, desk.top + ((desk.bottom - desk.top) - screen.cy) / 2);
    const int nav = scale.Y(kNavigationBar);
    return RECT{left, top + nav, left + screen.cx, top + screen.cy};
}

int MenuBarReserve(const LayoutScale& scale) { return scale.Y(26); }

HMENU CreateMenuBar(HWND owner, int menuBarId) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(menuBarId), MAKEINTRESOURCEW(RT_MENUBAR_RECORD));
    if (!found) return nullptr;
    const DWORD size = SizeofResource(instance, found);
    const WORD* words = static_cast<const WORD*>(LockResource(LoadResource(instance, found)));
    if (!words || size < 4) return nullptr;
    const WORD count = words[1];
    if (size < 4 + count * sizeof(MenuBarButton)) return nullptr;
    const OwnedMenu source(LoadMenuW(instance, MAKEINTRESOURCEW(words[0])));
    if (!source) return nullptr;

    // The bar owns the sub-menus: each is detached from the loaded menu first.
    OwnedMenu bar(CreateMenu());
    const auto* buttons = reinterpret_cast<const MenuBarButton*>(words + 2);
    std::vector<OwnedMenu> popups;
    for (int i = GetMenuItemCount(source.Get()) - 1; i >= 0; --i) {
        popups.emplace(popups.begin(), GetSubMenu(source.Get(), i));
        RemoveMenu(source.Get(), i, MF_BYPOSITION);
    }
    for (WORD i = 0; i < count; ++i) {
        const MenuBarButton& b = buttons[i];
        wchar_t caption[64] = {};
        LoadStringW(instance, b.caption, caption, 64);
        MENUITEMINFOW item = {sizeof item};
        item.fMask = MIIM_STRING | MIIM_DATA | MIIM_ID | MIIM_STATE | (b.subMenu < popups.size() ? MIIM_SUBMENU : 0);
        item.dwTypeData = caption;
        item.dwItemData = b.command;
        item.wID = b.command;
        item.fState = (b.state & 4) ? MFS_ENABLED : MFS_GRAYED;
        item.hSubMenu = b.subMenu < popups.size() ? popups[b.subMenu].Get() : nullptr;
        if (InsertMenuItemW(bar.Get(), i, TRUE, &item) && item.hSubMenu) popups[b.subMenu].Release();
    }
    // The window owns the bar from here; sub-menus no button took go with `popups`.
    if (!SetMenu(owner, bar.Get())) return nullptr;
    return bar.Release();
}

HMENU MenuBarSubMenu(HWND owner, int buttonId) {
    HMENU bar = GetMenu(owner);
    for (int i = 0, n = bar ? GetMenuItemCount(bar) : 0; i < n; ++i) {
        MENUITEMINFOW item = {sizeof item};
        item.fMask = MIIM_DATA | MIIM_SUBMENU;
        if (GetMenuItemInfoW(bar, i, TRUE, &item) && static_cast<int>(item.dwItemData) == buttonId) {
            return item.hSubMenu;
        }
    }
    return nullptr;
}

void EnableMenuBarButton(HWND owner, int buttonId, bool enable) {
    HMENU bar = GetMenu(owner);
    for (int i = 0, n = bar ? GetMenuItemCount(bar) : 0; i < n; ++i) {
        MENUITEMINFOW item = {sizeof item};
        item.fMask = MIIM_DATA;
        if (GetMenuItemInfoW(bar, i, TRUE, &item) && static_cast<int>(item.dwItemData) == buttonId) {
            EnableMenuItem(bar, i, MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
            DrawMenuBar(owner);
        }
    }
}

namespace {

// How far right and down the dialog's visible controls reach, in client coordinates.
POINT ContentExtent(HWND dialog) {
    POINT extent = {0, 0};
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) continue;
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        extent.x = std::max<LONG>(extent.x, r.right);
        extent.y = std::max<LONG>(extent.y, r.bottom);
    }
    return extent;
}

}  // namespace

void MakeDialogFullScreen(HWND dialog, const LayoutScale& scale, const RECT* frame) {
    // The main window is the owner at the root of the dialog's owner chain.
    HWND main = GetWindow(dialog, GW_OWNER);
    while (main && GetWindow(main, GW_OWNER)) main = GetWindow(main, GW_OWNER);
    RECT r;
    if (frame) {
        r = *frame;
    } else if (!main || !GetWindowRect(main, &r)) {
        // No main window (a dialog on its own): where the main window would be.
        r = FrameForClientArea(GetWindowLongW(dialog, GWL_STYLE), GetWindowLongW(dialog, GWL_EXSTYLE),
                               GetMenu(dialog) != nullptr, scale);
    }
    // Over a dialog that grew (see below), as wide as that one: nothing of it shows beside.
    RECT owner;
    HWND direct = GetWindow(dialog, GW_OWNER);
    if (!frame && direct && direct != main && GetWindowRect(direct, &owner)) r.right = std::max(r.right, owner.right);
    SetWindowPos(dialog, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);

    // A system font wider than the handheld's would push controls off the
    // screen: then the dialog grows just enough to show them whole.
    const int margin = scale.X(2);
    const POINT extent = ContentExtent(dialog);
    EnableDialogScroll(dialog, extent.y, margin);
    RECT client;
    GetClientRect(dialog, &client);
    // Controls that end at the right edge, as full-width lists do, are whole.
    const int grow = extent.x > client.right ? extent.x + margin - client.right : 0;
    if (grow > 0) {
        SetWindowPos(dialog, nullptr, 0, 0, r.right - r.left + grow, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
}

RECT FrameForClientArea(DWORD style, DWORD exStyle, bool hasMenu, const LayoutScale& scale) {
    RECT r = DeviceWorkArea(scale);
    r.bottom -= MenuBarReserve(scale);
    // The frame grows outwards from the client area; keep it on the desktop.
    AdjustWindowRectEx(&r, style, hasMenu, exStyle);
    RECT desk = {0, 0, 1024, 768};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &desk, 0);
    if (r.top < desk.top) OffsetRect(&r, 0, desk.top - r.top);
    if (r.left < desk.left) OffsetRect(&r, desk.left - r.left, 0);
    return r;
}

LayoutScale FittingScale(HWND window, LayoutScale scale, const int* steps, int count) {
    MONITORINFO monitor = {sizeof monitor};
    if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor)) return scale;
    const RECT& work = monitor.rcWork;
    const DWORD style = GetWindowLongW(window, GWL_STYLE), exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    for (int i = count - 1; i >= 0; --i) {
        if (steps[i] > scale.zoom) continue;
        const LayoutScale at{scale.dpiX, scale.dpiY, steps[i]};
        // The frame the window takes at that zoom, and the navigation bar above it.
        const RECT r = FrameForClientArea(style, exStyle, GetMenu(window) != nullptr, at);
        if (r.right - r.left <= work.right - work.left && r.bottom - r.top + at.Y(kNavigationBar) <= work.bottom - work.top)
            return at;
    }
    return LayoutScale{scale.dpiX, scale.dpiY, count ? steps[0] : scale.zoom};
}

void InitExtraControls(HINSTANCE instance) {
    // The input panel needs no control on a desktop: a hidden window that
    // lets the templates load.
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = L"SIPPREF";
    RegisterClassW(&wc);
}

std::wstring ProgramFolder() {
    std::vector<wchar_t> path(MAX_PATH);
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) ==
           path.size()) {
        path.resize(path.size() * 2);
    }
    std::wstring folder(path.data(), length);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

void ShowHelp(const wchar_t* topic) {
    std::wstring file = ProgramFolder() + L"TallyvanePro.htm";
    for (wchar_t& c : file) {
        if (c == L'\\') c = L'/';
    }
    const std::wstring url = L"file:///" + file + L"#" + topic;
    if (HelpLauncher()) {
        HelpLauncher()(url);
        return;
    }
    // A missing viewer or file is not reported.
    if (auto execute = SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW")) {
        execute(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
}

void SetHelpLauncherForTesting(std::function<void(const std::wstring&)> launcher) {
    HelpLauncher() = std::move(launcher);
}

}  // namespace tv::shell
